// The settings members of clsBD on the settings file the build puts beside
// the library, in the test's own installation.
#include "DravikFixture.h"

namespace dravik::test {
namespace {

using com::Variant;

TEST(DravikSettings, TheShippedFileNamesTheDatabaseBesideTheLibraryAndTheCollectorsTimes) {
    const std::string folder = testsupport::OwnInstallation().path("DataServices/Dravik");
    com::ObjectRef bd = NewBD();
    EXPECT_EQ(com::Get(bd, "RutaArxiuIni").toString(), DravikIni());
    EXPECT_EQ(com::Call(bd, "ConsultaArxiuIniBD", {Variant("General"), Variant("CadenaConnexioBD")}).toString(),
              "Provider=SQLite;Data Source=" + folder + "/../../Database/inventari.db");
    for (const char* key : {"PeriodicitatRecolectorDeixalla", "MaximTempsDeTransaccio"})
        EXPECT_GT(com::Val(com::Call(bd, "ConsultaArxiuIni", {Variant(DravikIni()), Variant("General"), Variant(key)})
                               .toString()),
                  0)
            << key;
    EXPECT_EQ(NumError(bd), 0);

    EXPECT_EQ(com::Call(bd, "ConsultaArxiuIniBD", {Variant("General"), Variant("")}).toString(), "");
    EXPECT_EQ(NumError(bd), 514);
    EXPECT_EQ(UbicacioError(bd), Trail({"ConsultaArxiuIni", "ConsultaArxiuIniBD"}));
    EXPECT_EQ(com::Call(bd, "StrTran", {Variant("a{mo{mod}d}b"), Variant("{mod}"), Variant("")}).toString(), "ab");
    EXPECT_EQ(NumError(bd), 0) << "every member clears the fields";
}

}  // namespace
}  // namespace dravik::test
