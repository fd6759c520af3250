// The files of the SQLite databases this process has open, known by their
// identity (device and inode, taken by stat) and never opened to find out.
//
// SQLite keeps POSIX locks on a database file and on its -wal and -shm
// companions. Closing any descriptor of a file drops every such lock the
// process holds on it, SQLite's included: another process then takes itself
// for the last one on the database and deletes the WAL under our open
// connection, whose later commits are lost. So nothing but SQLite may open
// those files in this process; whatever opens a file that a person names
// asks IsDatabaseFile first.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace ado {

// A file's device and inode: the same for every name and link of it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// One database file that SQLite holds open, known from the connection's
// opening to its close by the path SQLite opened it at (from which SQLite
// names its companions) and by the identity of the file there then.
class OpenDatabaseFile {
public:
    explicit OpenDatabaseFile(std::string path);
    ~OpenDatabaseFile();
    OpenDatabaseFile(const OpenDatabaseFile&) = delete;
    OpenDatabaseFile& operator=(const OpenDatabaseFile&) = delete;

    const std::string& path() const { return path_; }
    // None when the file could not be seen when it was opened.
    const std::optional<FileIdentity>& identity() const { return identity_; }
    // The file at `other` is this one.
    bool isAt(const std::string& other) const;

private:
    std::string path_;
    std::optional<FileIdentity> identity_;
};

// Whether `path`, however it is spelled (relative, with "..", through
// symbolic links, as another hard link), names the file of a database this
// process has open, or that database's -wal, -shm or -journal file, even
// one that does not exist yet.
bool IsDatabaseFile(const std::string& path);

}  // namespace ado
