// Text helpers every component shares: names compared without regard to
// case (ProgIDs, member names, settings keys, column names) and blanks
// trimmed from both ends.
#pragma once

#include <string>
#include <string_view>

namespace base {

// Blanks, tabs, carriage returns and line feeds.
inline constexpr std::string_view kBlanks = " \t\r\n";

// `text` without the characters of `blanks` at either end.
std::string_view Trim(std::string_view text, std::string_view blanks = kBlanks);

// Whether two names are equal without regard to the case of ASCII letters.
bool SameName(std::string_view a, std::string_view b);

// `name` with its ASCII capitals made small.
std::string Lower(std::string_view name);

// Orders names without regard to the case of ASCII letters, for maps keyed
// by name; looks up by string_view.
struct NameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace base
