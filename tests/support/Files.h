// Temporary folders and files for tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object ends.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Puts `contents` at `path` (or removes the file when contents is nullopt)
// for the life of the object, then restores what was there before. The
// settings files that tests change are those of the test's own
// installation (Installation.h), never the build tree's.
class ScopedFile {
public:
    ScopedFile(std::string path, std::optional<std::string> contents);
    ~ScopedFile();
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;

    void replace(std::optional<std::string> contents);

private:
    std::string path_;
    std::optional<std::string> saved_;
};

void WriteFile(const std::string& path, const std::string& contents);
std::string ReadFile(const std::string& path);

// A folder of the build tree, e.g. BuildPath("DataServices/Dravik").
std::string BuildPath(const std::string& relative);

}  // namespace testsupport
