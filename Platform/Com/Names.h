// Names that travel as text between the components: the parts of ProgIDs
// and the members called by name. Each deliverable declares the names its
// callers use once, in its names header, as constants whose identifier is
// their text; its registration and its callers both use them, so a misspelt
// name fails to build instead of failing a call with 438 at run time.
#pragma once

#include <string>
#include <string_view>

// Declares the constant `name` whose text is "name".
#define COM_NAME(name) inline constexpr std::string_view name = #name

namespace com {

// "Library.Class".
inline std::string ProgID(std::string_view library, std::string_view className) {
    std::string progId(library);
    progId += '.';
    progId += className;
    return progId;
}

}  // namespace com
