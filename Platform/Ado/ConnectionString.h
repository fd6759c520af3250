// The keys of a connection string: "Key=Value;Key=Value". Keys are matched
// without regard to case and blanks around keys and values are dropped.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ado {

class ConnectionString {
public:
    explicit ConnectionString(std::string_view text);

    // The value of `key`, or the empty string when the text lacks it. When a
    // key is given twice the last value counts.
    std::string value(std::string_view key) const;

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace ado
