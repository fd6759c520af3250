#include "SchemaDescription.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>
#include <stdexcept>

#include "Base/Text.h"
#include "ScriptFiles.h"

namespace database {

namespace {

using base::SameName;
using base::Trim;

bool IsName(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

// "text(100)" and the plain type words.
std::optional<ColumnDescription> ReadType(std::string_view word) {
    static const std::map<std::string_view, ColumnType> plain = {
        {"key", ColumnType::Key},         {"integer", ColumnType::Integer},
        {"double", ColumnType::Double},   {"boolean", ColumnType::Boolean},
        {"datetime", ColumnType::DateTime},
    };
    if (auto found = plain.find(word); found != plain.end()) return ColumnDescription{{}, found->second, 0};
    constexpr std::string_view text = "text(";
    if (word.starts_with(text) && word.ends_with(')')) {
        const auto digits = word.substr(text.size(), word.size() - text.size() - 1);
        int32_t length = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), length);
        if (error == std::errc() && end == digits.data() + digits.size() && length > 0)
            return ColumnDescription{{}, ColumnType::Text, length};
    }
    return std::nullopt;
}

class Reader {
public:
    std::vector<TableDescription> read(std::string_view text) {
        while (!text.empty()) {
            const auto end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
            ++lineNumber_;
            if (const auto comment = line.find('#'); comment != std::string_view::npos)
                line = line.substr(0, comment);
            if (Trim(line).empty()) continue;
            if (line.front() == ' ' || line.front() == '\t')
                readMember(Trim(line));
            else
                startTable(Trim(line));
        }
        finishTable();
        return std::move(tables_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("schema line " + std::to_string(lineNumber_) + ": " + what);
    }

    void startTable(std::string_view name) {
        finishTable();
        if (!IsName(name)) fail("not a table name: " + std::string(name));
        for (const auto& table : tables_)
            if (SameName(table.name, name)) fail("table " + std::string(name) + " described twice");
        tables_.push_back({std::string(name), {}, {}});
    }

    void finishTable() {
        if (!tables_.empty() && tables_.back().columns.empty())
            fail("table " + tables_.back().name + " has no columns");
    }

    void readMember(std::string_view line) {
        if (tables_.empty()) fail("a column before the first table");
        auto& table = tables_.back();
        if (line.starts_with("unique(")) {
            readUnique(table, line);
            return;
        }
        const auto blank = line.find_first_of(" \t");
        if (blank == std::string_view::npos) fail("a column without a type: " + std::string(line));
        const auto name = line.substr(0, blank);
        const auto typeWord = Trim(line.substr(blank));
        if (!IsName(name)) fail("not a column name: " + std::string(name));
        auto column = ReadType(typeWord);
        if (!column) fail("unknown type: " + std::string(typeWord));
        if (find(table, name)) fail("column " + std::string(name) + " described twice");
        if (column->type == ColumnType::Key && table.key()) fail("table " + table.name + " has two keys");
        column->name = std::string(name);
        table.columns.push_back(std::move(*column));
    }

    void readUnique(TableDescription& table, std::string_view line) {
        if (!line.ends_with(')')) fail("unique(...) not closed");
        std::string_view list = line.substr(7, line.size() - 8);
        std::vector<std::string> names;
        while (true) {
            const auto comma = list.find(',');
            const auto name = Trim(list.substr(0, comma));
            if (!find(table, name)) fail("unique names a column the table lacks: " + std::string(name));
            names.emplace_back(name);
            if (comma == std::string_view::npos) break;
            list = list.substr(comma + 1);
        }
        table.uniqueColumns.push_back(std::move(names));
    }

    static const ColumnDescription* find(const TableDescription& table, std::string_view name) {
        for (const auto& column : table.columns)
            if (SameName(column.name, name)) return &column;
        return nullptr;
    }

    std::vector<TableDescription> tables_;
    int lineNumber_ = 0;
};

}  // namespace

const ColumnDescription* TableDescription::key() const {
    for (const auto& column : columns)
        if (column.type == ColumnType::Key) return &column;
    return nullptr;
}

std::vector<TableDescription> ParseSchema(std::string_view text) {
    return Reader().read(text);
}

bool IsSchemaTable(std::string_view name) {
    static const std::vector<TableDescription> tables = ParseSchema(SchemaFile().text);
    return std::any_of(tables.begin(), tables.end(),
                       [&](const TableDescription& table) { return SameName(table.name, name); });
}

}  // namespace database
