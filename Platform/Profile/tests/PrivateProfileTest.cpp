#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Profile/PrivateProfile.h"

namespace fs = std::filesystem;

namespace {

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("profile-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        path_ = (dir_ / "Test.INI").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }

    fs::path dir_;
    std::string path_;
};

}  // namespace

TEST_F(ProfileFile, ReadsValuesByTheRulesOfThePlatformCall) {
    Write("; a comment\r\n"
          "[Other]\r\n"
          "Key=other section\r\n"
          "[general]\r\n"
          "  Key  =  first  \r\n"
          "key=second\r\n"
          "Quoted=\"  kept blanks  \"\r\n"
          "Single='x'\r\n"
          "Half=\"open\r\n"
          "Empty=\r\n"
          ";Hidden=1\r\n"
          "Eq=a=b\r\n");
    struct Case { const char* key; std::optional<std::string> value; };
    const Case cases[] = {
        {"KEY", "first"},           {"Quoted", "  kept blanks  "}, {"Single", "x"},
        {"Half", "\"open"},         {"Empty", ""},                 {";Hidden", std::nullopt},
        {"Hidden", std::nullopt},   {"Eq", "a=b"},                 {"Missing", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profile::ReadProfileString(path_, "General", c.key), c.value) << c.key;
    EXPECT_EQ(profile::ReadProfileString(path_, "Absent", "Key"), std::nullopt);
    EXPECT_EQ(profile::ReadProfileString(path_ + ".no", "General", "Key"), std::nullopt);
}

TEST_F(ProfileFile, AByteOrderMarkIsNoPartOfTheFirstLine) {
    Write("\xEF\xBB\xBF[General]\r\nKey=value\r\n");
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Key"), "value");
    Write("\xEF\xBB\xBFKey=before any section\n[General]\n");
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Key"), std::nullopt);
}

// A file is read once and kept while it stays as it was: every change
// between two calls is seen by the second, also one that leaves the size
// and the modification time as they were, and a file put in its place.
TEST_F(ProfileFile, AChangedFileIsSeenByTheNextCall) {
    Write("[General]\nKey=one\n");
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Key"), "one");
    Write("[General]\nKey=two\n");
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Key"), "two") << "same size, same second";

    const fs::file_time_type old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(path_, old);
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Key"), "two");
    Write("[General]\nKey=six\n");
    fs::last_write_time(path_, old);
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Key"), "six")
        << "same size, the modification time put back";

    const std::string other = path_ + ".new";
    std::ofstream(other, std::ios::binary) << "[General]\nKey=ten\n";
    fs::last_write_time(other, old);
    fs::rename(other, path_);
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Key"), "ten") << "another file in its place";

    fs::remove(path_);
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Key"), std::nullopt);
}

TEST_F(ProfileFile, LongValuesComeBackWhole) {
    const std::string value(1000, 'v');
    Write("[General]\nLong=" + value + "\n");
    EXPECT_EQ(profile::ReadProfileString(path_, "General", "Long"), value);
}

TEST_F(ProfileFile, OnlyReadableRegularFilesCount) {
    Write("[General]\n");
    EXPECT_NE(profile::ReadProfile(path_), nullptr);
    EXPECT_EQ(profile::ReadProfile(dir_.string()), nullptr);
    EXPECT_EQ(profile::ReadProfile(path_ + ".missing"), nullptr);
}

TEST(ModuleFolder, IsTheFolderOfTheProgramWithoutTrailingSlash) {
    static const int anchor = 0;
    const std::string folder = profile::ModuleFolder(&anchor);
    EXPECT_EQ(folder, fs::canonical("/proc/self/exe").parent_path().string());
    EXPECT_NE(folder.back(), '/');
}
