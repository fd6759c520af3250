// Creation of objects by ProgID ("Library.Class"), as the components ask
// for each other's classes.
//
// A class answers when its library registered it. A library that has not
// been loaded yet is found through "Registry.INI" beside this library: its
// section [InProcess] names the shared library of each library name, its
// section [LocalServer] the program that serves a library's classes out of
// process. Paths there are relative to the folder of the registry file.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "Names.h"
#include "Object.h"

namespace com {

using Factory = std::function<ObjectRef()>;

// Makes `progId` answer with `factory`; a later registration of the same
// ProgID replaces the earlier one (tests put their own classes in place).
bool RegisterClass(std::string progId, Factory factory);
void UnregisterClass(std::string_view progId);

// The factory this process registered for `progId`, or none: no library
// is loaded and no program started. A local server creates the objects its
// clients ask for with it, so that a class it lacks never starts it again.
Factory RegisteredClass(std::string_view progId);

// Creates the class of `progId`, matched without regard to case, on
// `server` (ServerName.h): in this process for a name of this machine
// without a port (empty, "localhost", a loopback address, this machine's
// host name), 429 when no class answers; otherwise in the object server
// that the name reaches (NetworkClient.h), 462 when it cannot be reached.
[[nodiscard]] ObjectRef CreateObject(std::string_view progId, std::string_view server = {});

// True for the names that create objects in this process.
bool IsLocalMachine(std::string_view server);

// Loads the library that the section [InProcess] of the registry file names
// for `library`, whose classes register themselves as it loads; false when
// there is none or it does not load.
[[nodiscard]] bool LoadInProcessLibrary(std::string_view library);

// Creates an object of class `progId` on this machine, calls its method
// `method` with `args` (passed by reference) and lets the object go. For a
// class served out of process, the creation and the call travel as one
// message. Fails as CreateObject and as the call would.
Variant CallOnNew(std::string_view progId, std::string_view method, Args args);

// Calls `lost` whenever this process's connection to the program that
// serves the out-of-process classes of `library` ends while that program
// still held objects of this process: it ended, was killed, or dropped this
// process. `lost` runs on a thread of the object model; a creation from
// there starts the program again.
void SetLocalServerLost(std::string_view library, std::function<void()> lost);
// What SetLocalServerLost set for `library`, or nothing.
std::function<void()> LocalServerLost(std::string_view library);

// Makes this process reach the out-of-process classes of `library` through
// `program` in place of the program the registry file names: the tests run
// a collector program of their own.
void SetLocalServerProgram(std::string_view library, std::string program);

// Folder of the registry file (the folder of this library).
std::string RegistryFolder();

}  // namespace com

// Registers class `Class` under the ProgID "<library>.<Class::kClassName>"
// when the library loads; `library` comes from the library's names header.
#define COM_REGISTER_CLASS(library, Class)                                      \
    static const bool registered_##Class [[maybe_unused]] = ::com::RegisterClass( \
        ::com::ProgID(library, Class::kClassName), [] { return std::make_shared<Class>(); })
