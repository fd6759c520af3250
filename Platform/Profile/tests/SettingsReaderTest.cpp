#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Profile/SettingsReader.h"

namespace fs = std::filesystem;

namespace {

const base::Location kWho{"Dravik", "clsBD"};

std::string Entry(const char* op) { return base::TrailEntry("Dravik", "clsBD", op); }

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("settings-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        path_ = (dir_ / "Dravik.INI").string();
        std::ofstream(path_) << "[General]\n"
                                "CadenaConnexioBD=Data Source={mod}/a.db;Log={mod}/log\n"
                                "Upper={MOD}/x\n"
                                "Blank=\n"
                                "Sentinel=@#&\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    base::ErrorFields fields_;
    fs::path dir_;
    std::string path_;
};

}  // namespace

TEST_F(Settings, ReaderResultsAndErrors) {
    struct Case { std::string path, section, key; std::string value; int32_t number; };
    const Case cases[] = {
        {path_, "General", "Blank", "", 0},
        {path_, "GENERAL", "upper", "{MOD}/x", 0},
        {path_, "General", "Absent", "", 513},
        {path_, "General", "Sentinel", "", 513},
        {path_, "Nowhere", "Blank", "", 513},
        {path_ + "x", "General", "Blank", "", 515},
        {dir_.string(), "General", "Blank", "", 515},
        {"", "General", "Blank", "", 514},
        {"/no/such/dir/x.ini", "", "Blank", "", 514},
        {path_, "General", "", "", 514},
    };
    for (const Case& c : cases) {
        fields_.NumError = 77;
        fields_.UbicacioError = "stale";
        EXPECT_EQ(profile::ConsultaArxiuIni(fields_, kWho, c.path, c.section, c.key), c.value);
        EXPECT_EQ(fields_.NumError, c.number) << c.key;
        EXPECT_EQ(fields_.UbicacioError, c.number ? Entry("ConsultaArxiuIni") : "") << c.key;
    }
}

TEST_F(Settings, ComponentLookupReplacesEveryModuleMarker) {
    EXPECT_EQ(profile::ReadComponentSetting(fields_, kWho, "ConsultaArxiuIniBD", path_, "General",
                                            "CadenaConnexioBD", "/opt/inv"),
              "Data Source=/opt/inv/a.db;Log=/opt/inv/log");
    EXPECT_EQ(fields_.NumError, 0);

    EXPECT_EQ(profile::ReadComponentSetting(fields_, kWho, "ConsultaArxiuIniBD", path_, "General",
                                            "Absent", "/opt/inv"),
              "");
    EXPECT_EQ(fields_.NumError, 513);
    EXPECT_EQ(fields_.UbicacioError, Entry("ConsultaArxiuIni") + Entry("ConsultaArxiuIniBD"));
}

TEST(StrTran, RestartsAtTheFirstCharacterAfterEachReplacement) {
    base::ErrorFields f;
    struct Case { const char* base; const char* search; const char* repl; const char* out; };
    const Case cases[] = {
        {"a{mo{mod}d}b", "{mod}", "", "ab"},           // a replacement forms a new occurrence
        {"{mod}/x/{mod}", "{mod}", "/srv", "/srv/x//srv"},
        {"no marker", "{mod}", "/srv", "no marker"},
        {"abc", "", "x", "abc"},                       // empty search text: unchanged
        {"aXa", "a", "aa", "aaXaa"},                   // replacement holds the search text
        {"", "{mod}", "x", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(profile::StrTran(f, kWho, c.base, c.search, c.repl), c.out) << c.base;
    EXPECT_EQ(f.NumError, 0);
}

// Each character is taken once: a text of many markers is replaced in one
// pass, where moving the rest of the text at every marker would take minutes.
TEST(StrTran, ManyMarkersTakeOnePass) {
    base::ErrorFields f;
    std::string folders, nested;
    for (int i = 0; i < 200000; ++i) {
        folders += "{mod}/";
        nested += "{mo{mod}d}/";
    }
    std::string expected;
    for (int i = 0; i < 200000; ++i) expected += "/srv/";
    EXPECT_EQ(profile::StrTran(f, kWho, folders, "{mod}", "/srv"), expected);
    EXPECT_EQ(profile::StrTran(f, kWho, nested, "{mod}", ""), std::string(200000, '/'));
    EXPECT_EQ(f.NumError, 0);
}
