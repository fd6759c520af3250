#include "SqlScript.h"

#include <stdexcept>

#include "Base/Text.h"

namespace database {

std::vector<std::string> SplitStatements(std::string_view script) {
    std::vector<std::string> statements;
    std::string current;
    auto finish = [&] {
        if (auto statement = base::Trim(current); !statement.empty()) statements.emplace_back(statement);
        current.clear();
    };
    for (size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (c == '\'' || c == '"') {
            // A doubled quote inside the quoted text is part of it, so the
            // text simply ends at the next quote and starts again.
            const auto close = script.find(c, i + 1);
            if (close == std::string_view::npos)
                throw std::runtime_error("SQL script: quote " + std::string(1, c) + " left open");
            current.append(script.substr(i, close - i + 1));
            i = close;
        } else if (c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
            const auto end = script.find('\n', i);
            if (end == std::string_view::npos) break;
            i = end;
            current += '\n';
        } else if (c == ';') {
            finish();
        } else {
            current += c;
        }
    }
    finish();
    return statements;
}

}  // namespace database
