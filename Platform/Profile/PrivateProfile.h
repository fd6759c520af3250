// Settings files in the private-profile (INI) format, read the way the
// platform call of the original system read them, and the folder of the
// running component.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace profile {

// A settings file as it was read: its keys by section. Section and key
// names match without regard to case and the first match wins; blanks
// around key and value are trimmed and one pair of surrounding quotes is
// removed; lines that begin with ";" are comments; a UTF-8 byte-order mark
// before the first line is no part of it.
class ProfileFile {
public:
    struct Parsed;
    explicit ProfileFile(std::unique_ptr<Parsed> parsed);
    ~ProfileFile();

    // The value of `key` in `section`, or nothing when either is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

private:
    friend class ProfileCache;
    std::unique_ptr<Parsed> parsed_;
};

// How long a file must have been left alone before its version is trusted
// to tell every later change: longer than any file system's clock tick.
inline constexpr std::chrono::seconds kSettleTime{2};

// The file at `path`, or nothing when there is no regular file there that
// this process can read. A file is read once and read again when it changed
// (its modification or change time, size or inode), so that a changed value
// is seen at the next call; that costs one stat of the file. A file changed
// less than kSettleTime ago is read again at every call.
[[nodiscard]] std::shared_ptr<const ProfileFile> ReadProfile(const std::string& path);

// The value of `key` in `section` of the file at `path`, or nothing when
// the file, the section or the key is absent.
std::optional<std::string> ReadProfileString(const std::string& path, std::string_view section,
                                             std::string_view key);

// The folder of the shared library or program that holds `address`,
// without a trailing "/".
std::string ModuleFolder(const void* address);

}  // namespace profile
