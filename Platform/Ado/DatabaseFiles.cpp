#include "Ado/DatabaseFiles.h"

#include <strings.h>
#include <sys/stat.h>

#include <filesystem>
#include <mutex>
#include <string_view>
#include <vector>

namespace ado {
namespace {

// The identity of the file at `path`, links followed; none when nothing is
// there.
std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}

// SQLite names a database's companions after the database's path.
constexpr std::string_view kCompanions[] = {"-wal", "-shm", "-journal"};

// What precedes `suffix` at the end of `path` (in any case, as a folder on
// a file system that ignores case would take it); none when it does not
// end so.
std::optional<std::string> Stem(const std::string& path, std::string_view suffix) {
    if (path.size() <= suffix.size()) return std::nullopt;
    const size_t stem = path.size() - suffix.size();
    if (::strncasecmp(path.c_str() + stem, suffix.data(), suffix.size()) != 0) return std::nullopt;
    return path.substr(0, stem);
}

// `path` and, while it is a symbolic link, what it points to: a link to a
// file that does not exist yet makes whoever writes through it create that
// file.
std::vector<std::string> LinkChain(const std::string& path) {
    namespace fs = std::filesystem;
    constexpr int kMostLinks = 40;  // as the kernel follows
    std::vector<std::string> chain{path};
    std::error_code error;
    while (chain.size() <= kMostLinks && fs::is_symlink(chain.back(), error)) {
        const fs::path link(chain.back());
        fs::path target = fs::read_symlink(link, error);
        if (error) break;
        if (target.is_relative()) target = link.parent_path() / target;
        chain.push_back(target.string());
    }
    return chain;
}

// Whether `path` names `file` or one of its companions.
bool Names(const OpenDatabaseFile& file, const std::string& path) {
    if (!file.identity()) return false;
    const std::optional<FileIdentity> identity = IdentityOf(path);
    if (identity == file.identity()) return true;
    for (std::string_view companion : kCompanions) {
        // A companion that exists, under whatever name.
        if (identity && IdentityOf(file.path() + std::string(companion)) == identity) return true;
        // A companion's name beside the database, however the folder is
        // spelled, whether the companion exists or not.
        const std::optional<std::string> stem = Stem(path, companion);
        if (stem && IdentityOf(*stem) == file.identity()) return true;
    }
    return false;
}

// The database files open in this process.
struct Registry {
    std::mutex mutex;
    std::vector<const OpenDatabaseFile*> files;
};

Registry& Open() {
    static Registry* registry = new Registry;  // used until the process ends
    return *registry;
}

}  // namespace

OpenDatabaseFile::OpenDatabaseFile(std::string path) : path_(std::move(path)), identity_(IdentityOf(path_)) {
    Registry& open = Open();
    std::lock_guard lock(open.mutex);
    open.files.push_back(this);
}

OpenDatabaseFile::~OpenDatabaseFile() {
    Registry& open = Open();
    std::lock_guard lock(open.mutex);
    std::erase(open.files, this);
}

bool OpenDatabaseFile::isAt(const std::string& other) const {
    return identity_ && IdentityOf(other) == identity_;
}

bool IsDatabaseFile(const std::string& path) {
    if (path.empty()) return false;
    const std::vector<std::string> chain = LinkChain(path);
    Registry& open = Open();
    std::lock_guard lock(open.mutex);
    for (const OpenDatabaseFile* file : open.files)
        for (const std::string& name : chain)
            if (Names(*file, name)) return true;
    return false;
}

}  // namespace ado
