// The files of an open SQLite database are known however a path names them,
// by stat alone, and only while the database is open.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "Ado/Connection.h"
#include "Ado/DatabaseFiles.h"
#include "support/Files.h"

namespace adotest {
namespace {

namespace fs = std::filesystem;

TEST(DatabaseFiles, TheDatabaseAndItsCompanionsAreKnownUnderEveryNameWhileOpen) {
    testsupport::TempDir folder;
    const fs::path dir = folder.path();
    const std::string database = folder.file("x.db");
    testsupport::WriteFile(database, "");
    fs::create_directory(dir / "sub");
    testsupport::WriteFile(folder.file("other.db"), "");

    ado::Connection connection;
    connection.Open("Provider=SQLite;Data Source=" + database);
    connection.Execute("CREATE TABLE T (N INTEGER)");
    ASSERT_TRUE(fs::exists(database + "-wal") && fs::exists(database + "-shm"));
    fs::copy_file(database, dir / "copy.db");
    fs::create_symlink(database, dir / "photo.jpg");
    fs::create_symlink(dir / "photo.jpg", dir / "chain.png");
    fs::create_hard_link(database, dir / "hard.png");
    fs::create_hard_link(database + "-wal", dir / "wal.bin");
    fs::create_symlink("x.db-journal", dir / "new.bmp");  // a writer would create the journal

    const struct {
        std::string path;
        bool known;
    } cases[] = {
        {database, true},
        {fs::relative(database).string(), true},
        {(dir / "sub" / ".." / "." / "x.db").string(), true},
        {database + "-wal", true},
        {database + "-shm", true},
        {database + "-journal", true},  // not there yet
        {(dir / "sub" / ".." / "x.db-journal").string(), true},
        {database + "-WAL", true},  // as a folder that ignores case takes it
        {folder.file("photo.jpg"), true},
        {folder.file("chain.png"), true},
        {folder.file("hard.png"), true},
        {folder.file("wal.bin"), true},
        {folder.file("new.bmp"), true},
        {folder.file("copy.db"), false},  // the same bytes, another file
        {folder.file("other.db"), false},
        {folder.file("other.db-wal"), false},
        {database + ".bak", false},
        {database + "-walrus", false},
        {dir.string(), false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(ado::IsDatabaseFile(c.path), c.known) << c.path;

    // The table made the session one that is not kept for reuse: closing
    // closes the file.
    connection.Close();
    EXPECT_FALSE(ado::IsDatabaseFile(database));
    EXPECT_FALSE(ado::IsDatabaseFile(folder.file("hard.png")));
}

}  // namespace
}  // namespace adotest
