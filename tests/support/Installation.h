// An installation of the build tree's components in a temporary folder of
// its own, laid out as the build tree (and an install tree) is: programs
// and libraries linked there (hard links, or copies across file systems),
// the settings files, the registry and the data folders beside them copied.
// A component loaded or started from there reads its settings there and
// reaches the other components there, so that tests change settings and
// run programs without ever writing the build tree's, and two of them are
// two installations of one user. CTest runs every test program from an
// installation of its own (RunInOwnInstallation.cpp), so that the object
// model and the settings file beside the program are the installation's
// too.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "support/Files.h"

namespace testsupport {

class Installation {
public:
    // A new installation, removed with the object.
    Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    // A file or folder of the installation, e.g. path("DataServices/Dravik").
    std::string path(const std::string& relative) const { return (root_ / relative).string(); }

    // Links `program`, a file of the build tree, at its place in the
    // installation, where it loads the installation's libraries; returns
    // that place.
    std::string linkFromBuild(const std::string& program) const;

    // Makes this the installation that the processes started from now on
    // adopt as their own (OwnInstallation).
    void handDown() const;

private:
    friend const Installation& OwnInstallation();
    // The installation made by the process that started this one.
    explicit Installation(std::filesystem::path adopted) : root_(std::move(adopted)) {}

    std::unique_ptr<TempDir> folder_;
    std::filesystem::path root_;
};

// This process's installation, made on first use and kept until the process
// ends, since a library loaded from it stays loaded. The libraries of the
// data access, entity and support services are loaded from it then, so that
// their objects read its settings files. A process that a test starts uses
// the same installation.
const Installation& OwnInstallation();

// A settings file of this process's installation, e.g.
// "DataServices/Dravik/Dravik.INI". Raises when the library beside it was
// loaded from the build tree before the installation was made: it would
// not read the file.
std::string OwnSettingsFile(const std::string& relative);

}  // namespace testsupport
