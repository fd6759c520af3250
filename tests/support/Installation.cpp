#include "Installation.h"

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <stdexcept>

namespace testsupport {

namespace {

namespace fs = std::filesystem;

// The variable through which a process that a test starts finds the
// installation of that test.
constexpr const char* kInstallationVariable = "INVENTARI_TEST_INSTALLATION";

// The programs and libraries of the build tree, at their places there; a
// build without windows lacks the program. The libraries find each other
// by their places too ($ORIGIN).
const char* const kLinked[] = {
    "Platform/Base/libBase.so",
    "Platform/Com/libCom.so",
    "Platform/Profile/libProfile.so",
    "Platform/Ado/libAdo.so",
    "Database/libInventariDatabase.so",
    "DataServices/Dravik/libDravik.so",
    "DataServices/Morune/Morune",
    "DataServices/Morune/MoruneTestServer",
    "BusinessServices/Quossa/libQuossa.so",
    "BusinessServices/Brintel/libBrintel.so",
    "Platform/ObjectServer/ObjectServer",
    "UserServices/Velmar/Velmar",
};

// What the components read beside themselves: settings, the registry, the
// program's pictures, and the photos that the sample database names.
const char* const kCopied[] = {
    "Platform/Com/Registry.INI",
    "Platform/Com/Network.INI",
    "DataServices/Dravik/Dravik.INI",
    "BusinessServices/Brintel/Brintel.INI",
    "UserServices/Velmar/Velmar.INI",
    "UserServices/Velmar/Icones",
    "UserServices/Velmar/ImatgesElements",
    "Fotos",
};

// The libraries with settings of their own, loaded from the installation
// into every process that uses it.
const char* const kServices[] = {
    "DataServices/Dravik/libDravik.so",
    "BusinessServices/Brintel/libBrintel.so",
};

void Link(const fs::path& from, const fs::path& to) {
    std::error_code failed;
    fs::create_hard_link(from, to, failed);
    if (failed) fs::copy_file(from, to);
}

// Loads the library of the installation at `path`; raises when this
// process holds it from another place, where it reads other settings.
void LoadFrom(const std::string& path) {
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!handle) throw std::runtime_error("cannot load " + path + ": " + ::dlerror());
    link_map* loaded = nullptr;
    if (::dlinfo(handle, RTLD_DI_LINKMAP, &loaded) != 0 || !loaded || path != loaded->l_name)
        throw std::logic_error(path + " was loaded from " + (loaded ? loaded->l_name : "elsewhere") +
                               " before the test's own installation was made: a test must reach its"
                               " settings (DravikIni, BrintelIni, the collector) before any object");
}

}  // namespace

Installation::Installation() : folder_(std::make_unique<TempDir>()), root_(folder_->path()) {
    const fs::path build(INVENTARI_BINARY_DIR);
    for (const char* file : kLinked) {
        if (!fs::exists(build / file)) continue;
        fs::create_directories((root_ / file).parent_path());
        Link(build / file, root_ / file);
    }
    for (const char* file : kCopied) {
        if (!fs::exists(build / file)) continue;
        fs::create_directories((root_ / file).parent_path());
        fs::copy(build / file, root_ / file, fs::copy_options::recursive);
    }
}

std::string Installation::linkFromBuild(const std::string& program) const {
    const fs::path relative = fs::path(program).lexically_relative(INVENTARI_BINARY_DIR);
    if (relative.empty() || *relative.begin() == "..")
        throw std::invalid_argument(program + " is not in the build tree " INVENTARI_BINARY_DIR);
    const fs::path linked = root_ / relative;
    if (!fs::exists(linked)) {
        fs::create_directories(linked.parent_path());
        Link(program, linked);
    }
    return linked.string();
}

void Installation::handDown() const { ::setenv(kInstallationVariable, root_.c_str(), 1); }

const Installation& OwnInstallation() {
    // Removed when the process that made it ends.
    static const std::unique_ptr<Installation> own = [] {
        const char* inherited = std::getenv(kInstallationVariable);
        std::unique_ptr<Installation> made(inherited && fs::is_directory(inherited)
                                               ? new Installation(fs::path(inherited))
                                               : new Installation());
        made->handDown();
        for (const char* library : kServices) LoadFrom(made->path(library));
        return made;
    }();
    return *own;
}

std::string OwnSettingsFile(const std::string& relative) {
    const Installation& own = OwnInstallation();
    for (const char* library : kServices)
        if (fs::path(library).parent_path() == fs::path(relative).parent_path()) LoadFrom(own.path(library));
    return own.path(relative);
}

}  // namespace testsupport
