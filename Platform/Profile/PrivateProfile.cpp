#include "PrivateProfile.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

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

}  // namespace

std::optional<std::string> ReadProfileString(const std::string& path, std::string_view section,
                                             std::string_view key) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    bool inSection = false;
    std::string raw;
    while (std::getline(in, raw)) {
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            inSection = SameName(Trim(line.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection) continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        if (SameName(Trim(line.substr(0, eq)), key)) return Unquote(Trim(line.substr(eq + 1)));
    }
    return std::nullopt;
}

bool IsReadableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

std::string ModuleFolder(const void* address) {
    Dl_info info{};
    std::string file;
    if (::dladdr(address, &info) != 0 && info.dli_fname && *info.dli_fname) file = info.dli_fname;
    // The main program is reported by the name it was started with, which
    // may be relative or bare: ask the kernel instead.
    char resolved[PATH_MAX];
    if (file.empty() || file.find('/') == std::string::npos ||
        ::realpath(file.c_str(), resolved) == nullptr) {
        const ssize_t n = ::readlink("/proc/self/exe", resolved, sizeof resolved - 1);
        if (n <= 0) return ".";
        resolved[n] = '\0';
    }
    std::string full(resolved);
    const size_t slash = full.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : full.substr(0, slash);
}

}  // namespace profile
