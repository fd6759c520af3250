#include "PrivateProfile.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "Base/Text.h"

namespace profile {

namespace {

using base::SameName;
using base::Trim;

std::string Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// One key of a settings file, in the order the file lists them.
struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

// What identifies one version of a file: a change of its content changes
// at least one of these, except a rewrite to the same size within the
// granularity of the file system's clock (see Fresh below).
struct Version {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static Version Of(const struct stat& st) {
        return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    }
    bool operator==(const Version& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

}  // namespace

struct ProfileFile::Parsed {
    Version version;
    // A file changed shortly before it was read may change again within
    // the same tick of the file system's clock, leaving every figure of its
    // version as it was; such a file is read again at every use until it
    // has been quiet for a while.
    bool settled = false;
    std::vector<Entry> entries;
};

namespace {

std::vector<Entry> Parse(std::istream& in) {
    std::vector<Entry> entries;
    std::string section;
    bool inSection = false;  // nothing before the first section line counts
    std::string raw;
    for (bool first = true; std::getline(in, raw); first = false) {
        std::string_view line = raw;
        // A byte-order mark that an editor put before the first line.
        if (first && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
        line = Trim(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            section = Trim(line.substr(1, close - 1));
            inSection = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) continue;
        entries.push_back({section, std::string(Trim(line.substr(0, eq))),
                           Unquote(Trim(line.substr(eq + 1)))});
    }
    return entries;
}

bool LongBefore(const timespec& when, std::chrono::system_clock::time_point now) {
    const auto at = std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::seconds(when.tv_sec) + std::chrono::nanoseconds(when.tv_nsec)));
    return at + kSettleTime < now;
}

}  // namespace

// The settings files read so far, each kept until it changes: a lookup
// costs one stat of the file instead of reading it again.
class ProfileCache {
public:
    std::shared_ptr<const ProfileFile> file(const std::string& path) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
        const Version version = Version::Of(st);
        {
            std::lock_guard lock(mutex_);
            auto it = files_.find(path);
            if (it != files_.end() && it->second->parsed_->settled && it->second->parsed_->version == version)
                return it->second;
        }
        const auto now = std::chrono::system_clock::now();
        std::ifstream in(path, std::ios::binary);
        if (!in) return nullptr;
        auto parsed = std::make_unique<ProfileFile::Parsed>();
        parsed->entries = Parse(in);
        // The version read is the one stat saw only if nothing changed it
        // meanwhile; a file changed lately is not trusted yet either.
        struct stat after {};
        parsed->version = Version::Of(::stat(path.c_str(), &after) == 0 ? after : st);
        parsed->settled = parsed->version == version && LongBefore(st.st_mtim, now) &&
                          LongBefore(st.st_ctim, now);
        auto file = std::shared_ptr<const ProfileFile>(new ProfileFile(std::move(parsed)));
        std::lock_guard lock(mutex_);
        files_[path] = file;
        return file;
    }

private:
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const ProfileFile>> files_;
};

namespace {

ProfileCache& Cache() {
    static ProfileCache* cache = new ProfileCache;  // used until the process ends
    return *cache;
}

}  // namespace

ProfileFile::ProfileFile(std::unique_ptr<Parsed> parsed) : parsed_(std::move(parsed)) {}

ProfileFile::~ProfileFile() = default;

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const {
    for (const Entry& e : parsed_->entries)
        if (SameName(e.section, section) && SameName(e.key, key)) return e.value;
    return std::nullopt;
}

std::shared_ptr<const ProfileFile> ReadProfile(const std::string& path) { return Cache().file(path); }

std::optional<std::string> ReadProfileString(const std::string& path, std::string_view section,
                                             std::string_view key) {
    const std::shared_ptr<const ProfileFile> file = ReadProfile(path);
    return file ? file->value(section, key) : std::nullopt;
}

std::string ModuleFolder(const void* address) {
    // A module does not move while it is loaded: its folder is found once
    // for each address asked about.
    static std::mutex mutex;
    static auto* folders = new std::map<const void*, std::string>;
    std::lock_guard lock(mutex);
    if (auto it = folders->find(address); it != folders->end()) return it->second;

    Dl_info info{};
    std::string file;
    if (::dladdr(address, &info) != 0 && info.dli_fname && *info.dli_fname) file = info.dli_fname;
    // The main program is reported by the name it was started with, which
    // may be relative or bare: ask the kernel instead.
    char resolved[PATH_MAX];
    std::string folder = ".";
    if (file.empty() || file.find('/') == std::string::npos ||
        ::realpath(file.c_str(), resolved) == nullptr) {
        const ssize_t n = ::readlink("/proc/self/exe", resolved, sizeof resolved - 1);
        if (n <= 0) return folder;
        resolved[n] = '\0';
    }
    const std::string full(resolved);
    const size_t slash = full.find_last_of('/');
    if (slash != std::string::npos) folder = slash == 0 ? "/" : full.substr(0, slash);
    folders->emplace(address, folder);
    return folder;
}

}  // namespace profile
