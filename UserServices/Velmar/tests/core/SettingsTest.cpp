// The program's settings file beside the program (here the test program),
// with "{mod}" replaced by its folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"
#include "support/Files.h"

namespace {

using velmar::clsFuncionsCapaInterficie;

const std::string kEntries = "\rVelmar(exe) - FuncionsCapaInterficie - ConsultaArxiuIni"
                             "\rVelmar(exe) - FuncionsCapaInterficie - ConsultaArxiuIniInterficie";

TEST(Settings, ValuesHaveEveryModReplacedByTheProgramFolder) {
    clsFuncionsCapaInterficie f;
    const std::string folder = std::filesystem::path(f.RutaArxiuIni()).parent_path().string();
    EXPECT_EQ(f.RutaArxiuIni(), folder + "/Velmar.INI");
    testsupport::ScopedFile ini(f.RutaArxiuIni(),
                                "[General]\nRutaDirectoriIcones={mod}\\Icones\nDos={mod}/a;{mod}/b\nBuida=\n");
    EXPECT_EQ(f.ConsultaArxiuIniInterficie("General", "RutaDirectoriIcones"), folder + "\\Icones");
    EXPECT_EQ(f.ConsultaArxiuIniInterficie("General", "Dos"), folder + "/a;" + folder + "/b");
    EXPECT_EQ(f.ConsultaArxiuIniInterficie("General", "Buida"), "");
    EXPECT_EQ(f.NumError, 0);
}

TEST(Settings, MissingKeysEmptyNamesAndAMissingFileFailWithBothEntries) {
    clsFuncionsCapaInterficie f;
    struct Case {
        std::string section, key;
        int32_t number;
    };
    {
        testsupport::ScopedFile ini(f.RutaArxiuIni(), "[General]\nA=1\nB=@#&\n");
        for (const Case& c : {Case{"General", "Cap", 513}, Case{"General", "B", 513}, Case{"Altres", "A", 513},
                              Case{"", "A", 514}, Case{"General", "", 514}}) {
            EXPECT_EQ(f.ConsultaArxiuIniInterficie(c.section, c.key), "");
            EXPECT_EQ(f.NumError, c.number) << c.section << "/" << c.key;
            EXPECT_EQ(f.UbicacioError, kEntries);
        }
    }
    testsupport::ScopedFile none(f.RutaArxiuIni(), std::nullopt);
    EXPECT_EQ(f.ConsultaArxiuIniInterficie("General", "A"), "");
    EXPECT_EQ(f.NumError, 515);
    EXPECT_EQ(f.UbicacioError, kEntries);
}

TEST(Settings, TheProgramsOwnSettingsNameFoldersThatExist) {
    for (const char* key : {"RutaDirectoriIcones", "RutaDirectoriImatgesElements", "RutaDirectoriFotos"}) {
        const std::string value =
            testsupport::ReadFile(testsupport::BuildPath("UserServices/Velmar/Velmar.INI"));
        ASSERT_NE(value.find(std::string(key) + "={mod}/"), std::string::npos) << key;
    }
    EXPECT_TRUE(std::filesystem::is_directory(testsupport::BuildPath("UserServices/Velmar/Icones")));
    EXPECT_TRUE(std::filesystem::is_directory(testsupport::BuildPath("UserServices/Velmar/ImatgesElements")));
    // The sample's photos, outside the database's folder.
    EXPECT_TRUE(std::filesystem::is_regular_file(testsupport::BuildPath("Fotos/Zona-Vilanova-Z01.jpg")));
    EXPECT_NE(testsupport::ReadFile(testsupport::BuildPath("UserServices/Velmar/Velmar.INI"))
                  .find("RutaDirectoriFotos={mod}/../../Fotos\n"),
              std::string::npos);
}

}  // namespace
