// A script of SQL statements cut into the single statements that the data
// layer runs one per call.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace database {

// The statements of `script`, each without its closing ";" and trimmed of
// blanks; empty statements and "--" comments between statements are left
// out. A ";" or "--" inside a quoted text ('it''s') or a quoted name
// ("a;b") belongs to it. Raises std::runtime_error for a quote left open.
std::vector<std::string> SplitStatements(std::string_view script);

}  // namespace database
