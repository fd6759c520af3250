// "Brintel.INI": read at every creation of an entity object, and every way
// it can fail, seen from a support operation and from the support functions.
#include <unistd.h>

#include <optional>

#include "FakeEntities.h"
#include "Com/Registry.h"
#include "support/Files.h"
#include "support/Installation.h"

namespace {

using fake::Line;

// The library's folder in the test's own installation, and its settings.
std::string Folder() { return testsupport::OwnInstallation().path("BusinessServices/Brintel"); }
std::string IniFile() { return testsupport::OwnSettingsFile("BusinessServices/Brintel/Brintel.INI"); }

std::string Ini(const std::string& lines) { return "[General]\n" + lines; }

using Settings = fake::WithFakeEntities;

TEST_F(Settings, EachCreationReadsTheFileAndReportsWhatIsWrongWithIt) {
    const std::string dll = Line("clsFuncionsSubCapaSuport", "ConsultaArxiuIni") +
                            Line("clsFuncionsSubCapaSuport", "ConsultaArxiuIniSuport") +
                            Line("clsFuncionsSubCapaSuport", "Quossa_DLL");
    const std::string pc = Line("clsFuncionsSubCapaSuport", "ConsultaArxiuIni") +
                           Line("clsFuncionsSubCapaSuport", "ConsultaArxiuIniSuport") +
                           Line("clsFuncionsSubCapaSuport", "Quossa_PC");
    const std::string create = Line("clsFuncionsSubCapaSuport", "CreaObjecteEntitat");
    struct Case {
        const char* what;
        std::optional<std::string> ini;
        int32_t number;
        std::string trail;  // before the operation's own line
    };
    const Case cases[] = {
        {"DLL_Quossa missing", Ini("PC_Quossa=\n"), 513, dll + create},
        {"PC_Quossa missing", Ini("DLL_Quossa=Quossa.\n"), 513, pc + create},
        {"file missing", std::nullopt, 515, dll + create},
        {"a server that cannot be reached", Ini("DLL_Quossa=Quossa.\nPC_Quossa=127.0.0.1:1\n"), 462, create},
        {"prefix of no library", Ini("DLL_Quossa=Nowhere.\nPC_Quossa=\n"), 429, create},
        {"all well again", Ini("DLL_Quossa=Quossa.\nPC_Quossa=\n"), 0, ""},
        {"written with a byte-order mark", "\xEF\xBB\xBF" + Ini("DLL_Quossa=Quossa.\nPC_Quossa=\n"), 0, ""},
    };
    testsupport::ScopedFile ini(IniFile(), std::nullopt);
    com::ObjectRef service = com::CreateObject("Brintel.SvrClients");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ini.replace(c.ini);
        const com::Variant result = com::Call(service, "GetClients");
        EXPECT_EQ(com::Get(service, "NumError").toLong(), c.number);
        if (c.number == 0) {
            EXPECT_EQ(result.toString(), "rows of GetList");
            EXPECT_EQ(com::Get(service, "UbicacioError").toString(), "");
        } else {
            EXPECT_EQ(result.toString(), "");
            EXPECT_EQ(com::Get(service, "UbicacioError").toString(), c.trail + Line("SvrClients", "GetClients"));
        }
    }
}

TEST_F(Settings, ThisMachineAnswersToEachOfItsNames) {
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    testsupport::ScopedFile ini(IniFile(), std::nullopt);
    for (const std::string& machine :
         std::vector<std::string>{"", "localhost", "LOCALHOST", host, "127.0.0.1", "::1"}) {
        SCOPED_TRACE(machine);
        ini.replace(Ini("DLL_Quossa=Quossa.\nPC_Quossa=" + machine + "\n"));
        fake::Reset();
        com::ObjectRef service = com::CreateObject("Brintel.SvrClients");
        EXPECT_EQ(com::Call(service, "DeleteClient", {3}), com::Variant(true));
        EXPECT_EQ(fake::Journal(), "+MngClients IV.none IM.Delete(3)");
    }
}

TEST_F(Settings, SupportFunctionsReadKeysWithTheirOwnFolderInPlaceOfMod) {
    testsupport::ScopedFile ini(IniFile(), Ini("Paths={mod}/a;{mod}/b\nEmpty=\n"));
    com::ObjectRef functions = com::CreateObject("Brintel.clsFuncionsSubCapaSuport");
    EXPECT_EQ(com::Get(functions, "RutaArxiuIni").toString(), IniFile());
    EXPECT_EQ(com::Call(functions, "ConsultaArxiuIniSuport", {"General", "Paths"}).toString(),
              Folder() + "/a;" + Folder() + "/b");
    EXPECT_EQ(com::Call(functions, "ConsultaArxiuIniSuport", {"General", "Empty"}).toString(), "");
    EXPECT_EQ(com::Get(functions, "NumError").toLong(), 0);

    EXPECT_EQ(com::Call(functions, "ConsultaArxiuIniSuport", {"", "Paths"}).toString(), "");
    EXPECT_EQ(com::Get(functions, "NumError").toLong(), 514);
    EXPECT_EQ(com::Get(functions, "UbicacioError").toString(),
              Line("clsFuncionsSubCapaSuport", "ConsultaArxiuIni") +
                  Line("clsFuncionsSubCapaSuport", "ConsultaArxiuIniSuport"));
}

}  // namespace
