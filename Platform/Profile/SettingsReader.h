// The settings reader that every component with a settings file carries:
// the private-profile lookup with the missing-key sentinel, the "{mod}"
// replacement, and the error discipline of the component's own class
// (clear the fields on entry, append one trail entry on failure).
#pragma once

#include <string>
#include <string_view>

#include "Com/Trail.h"

namespace profile {

// Errors of the reader.
namespace err {
constexpr int32_t KeyMissing = 513;     // key, section, or value "@#&"
constexpr int32_t EmptyArgument = 514;  // path, section or key is ""
constexpr int32_t FileMissing = 515;    // no regular, readable file there
}  // namespace err

// The value the platform returns for an absent key: a value written so in
// the file counts as absent too.
inline constexpr std::string_view kMissingKey = "@#&";
// Marker replaced by the component's own folder.
inline constexpr std::string_view kModuleMarker = "{mod}";

// Who is reading: the trail label and class of the component's entries.
struct Reader {
    std::string_view label;
    std::string_view className;
};

// ConsultaArxiuIni: the value of `key` in `section` of the file at `path`.
std::string ConsultaArxiuIni(com::ErrorFields& fields, Reader who, const std::string& path,
                             const std::string& section, const std::string& key);

// StrTran: every occurrence of `search` in `base` replaced by
// `replacement`; after each replacement the search starts again at the first
// character, so that an occurrence formed by a replacement is replaced too.
// An empty search text leaves the text as it is; a replacement that holds
// the search text is applied in one left-to-right pass, so it ends.
std::string StrTran(com::ErrorFields& fields, const std::string& base,
                    const std::string& search, const std::string& replacement);

// The lookup of a component's own settings: ConsultaArxiuIni on `path`,
// then every "{mod}" replaced by `folder`. On a reader failure the entry
// `operation` follows the reader's own.
std::string ConsultaArxiuIniModul(com::ErrorFields& fields, Reader who, std::string_view operation,
                                  const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& folder);

}  // namespace profile
