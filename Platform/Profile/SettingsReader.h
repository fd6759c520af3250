// The settings reader that every component with a settings file carries:
// the private-profile lookup with the missing-key sentinel and the "{mod}"
// replacement, as members of the component's own class under its error
// convention (Base/Guard.h): `fields` are the class's error fields, `where`
// its trail label and class name.
#pragma once

#include <string>
#include <string_view>

#include "Base/Trail.h"

namespace profile {

// The value the platform returns for an absent key: a value written so in
// the file counts as absent too.
inline constexpr std::string_view kMissingKey = "@#&";
// Marker replaced by the component's own folder.
inline constexpr std::string_view kModuleMarker = "{mod}";

// ConsultaArxiuIni: the value of `key` in `section` of the file at `path`;
// 514 when an argument is empty, 515 without a readable file there, 513
// when the key is missing.
std::string ConsultaArxiuIni(base::ErrorFields& fields, base::Location where, const std::string& path,
                             const std::string& section, const std::string& key);

// StrTran: every occurrence of `search` in `base` replaced by
// `replacement`; after each replacement the search starts again at the first
// character, so that an occurrence formed by a replacement is replaced too.
// An empty search text leaves the text as it is; a replacement that holds
// the search text is applied in one left-to-right pass, so it ends.
std::string StrTran(base::ErrorFields& fields, base::Location where, const std::string& base,
                    const std::string& search, const std::string& replacement);

// The lookup of a component's own settings, as its member `operation`:
// ConsultaArxiuIni on `path`, then every "{mod}" replaced by `folder`.
std::string ReadComponentSetting(base::ErrorFields& fields, base::Location where, std::string_view operation,
                                 const std::string& path, const std::string& section,
                                 const std::string& key, const std::string& folder);

}  // namespace profile
