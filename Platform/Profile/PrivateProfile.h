// Settings files in the private-profile (INI) format, read the way the
// platform call of the original system read them, and the folder of the
// running component.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace profile {

// The value of `key` in `section` of the file at `path`, or nothing when
// the file, the section or the key is absent. Section and key names match
// without regard to case and the first match wins; blanks around key and
// value are trimmed and one pair of surrounding quotes is removed; lines
// that begin with ";" are comments; a UTF-8 byte-order mark before the first
// line is no part of it. A file is read once and read again when it
// changed (its modification time, size or inode), so that a changed value
// is seen at the next call.
std::optional<std::string> ReadProfileString(const std::string& path, std::string_view section,
                                             std::string_view key);

// True when `path` names a regular file that this process can read.
bool IsReadableFile(const std::string& path);

// The folder of the shared library or program that holds `address`,
// without a trailing "/".
std::string ModuleFolder(const void* address);

}  // namespace profile
