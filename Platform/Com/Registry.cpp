#include "Registry.h"

#include <dlfcn.h>
#include <unistd.h>

#include <map>
#include <mutex>

#include "Profile/PrivateProfile.h"
#include "NetworkClient.h"
#include "RemoteClient.h"
#include "ServerName.h"

namespace com {

namespace {

struct Registry {
    std::recursive_mutex lock;  // a library's registrations run while it loads
    std::map<std::string, Factory, base::NameLess> classes;
    std::map<std::string, std::string, base::NameLess> localServers;  // set by the process
    std::map<std::string, std::function<void()>, base::NameLess> lostHandlers;
};

Registry& TheRegistry() {
    static Registry* registry = new Registry;  // outlives every library's statics
    return *registry;
}

Factory FindFactory(std::string_view progId) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    auto it = r.classes.find(progId);
    return it == r.classes.end() ? Factory{} : it->second;
}

std::string RegistryPath(std::string_view section, std::string_view library) {
    const std::string folder = RegistryFolder();
    auto entry = profile::ReadProfileString(folder + "/Registry.INI", section, library);
    if (!entry || entry->empty()) return {};
    return entry->front() == '/' ? *entry : folder + "/" + *entry;
}

}  // namespace

bool RegisterClass(std::string progId, Factory factory) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    r.classes.insert_or_assign(std::move(progId), std::move(factory));
    return true;
}

void UnregisterClass(std::string_view progId) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    if (auto it = r.classes.find(progId); it != r.classes.end()) r.classes.erase(it);
}

Factory RegisteredClass(std::string_view progId) { return FindFactory(progId); }

void SetLocalServerLost(std::string_view library, std::function<void()> lost) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    r.lostHandlers.insert_or_assign(std::string(library), std::move(lost));
}

std::function<void()> LocalServerLost(std::string_view library) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    auto it = r.lostHandlers.find(library);
    return it == r.lostHandlers.end() ? std::function<void()>() : it->second;
}

void SetLocalServerProgram(std::string_view library, std::string program) {
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    r.localServers.insert_or_assign(std::string(library), std::move(program));
}

std::string RegistryFolder() {
    static const int anchor = 0;
    return profile::ModuleFolder(&anchor);
}

bool IsLocalMachine(std::string_view server) {
    const std::optional<ServerName> name = ParseServerName(server);
    if (!name || name->port) return false;
    if (name->host.empty() || SameName(name->host, "localhost") || IsLoopbackAddress(name->host)) return true;
    char host[256] = {};
    return ::gethostname(host, sizeof host - 1) == 0 && SameName(name->host, host);
}

bool LoadInProcessLibrary(std::string_view library) {
    const std::string path = RegistryPath("InProcess", library);
    return !path.empty() && ::dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL) != nullptr;
}

namespace {

// Where the class of `progId` lives: the factory of a library of this
// process (loaded on demand), or else the program that serves it.
struct ClassHome {
    Factory factory;
    std::string program;
};

ClassHome FindClass(std::string_view progId) {
    const size_t dot = progId.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == progId.size())
        Raise(err::CannotCreateObject);

    ClassHome home{FindFactory(progId), {}};
    const std::string library(progId.substr(0, dot));
    // Load the library: its classes register themselves as it loads.
    if (!home.factory && LoadInProcessLibrary(library)) home.factory = FindFactory(progId);
    if (home.factory) return home;
    {
        Registry& r = TheRegistry();
        std::lock_guard guard(r.lock);
        if (auto it = r.localServers.find(library); it != r.localServers.end()) home.program = it->second;
    }
    if (home.program.empty()) home.program = RegistryPath("LocalServer", library);
    if (home.program.empty()) Raise(err::CannotCreateObject, "no class answers " + std::string(progId));
    return home;
}

ObjectRef CreateLocal(const Factory& factory) {
    ObjectRef object = factory();
    if (!object) Raise(err::CannotCreateObject);
    return object;
}

}  // namespace

ObjectRef CreateObject(std::string_view progId, std::string_view server) {
    if (!IsLocalMachine(server)) return remote::CreateOnServer(server, progId);
    const ClassHome home = FindClass(progId);
    if (home.factory) return CreateLocal(home.factory);
    return remote::ActivateLocalServer(home.program, progId);
}

Variant CallOnNew(std::string_view progId, std::string_view method, Args args) {
    const ClassHome home = FindClass(progId);
    if (home.factory) return CallRef(CreateLocal(home.factory), method, args);
    return remote::CallOnNewLocalServer(home.program, progId, method, args);
}

}  // namespace com
