#include "SchemaDescription.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

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

ColumnDescription Typed(ColumnType type, int32_t length = 0) {
    ColumnDescription column;
    column.type = type;
    column.length = length;
    return column;
}

// "text(100)" and the plain type words.
std::optional<ColumnDescription> ReadType(std::string_view word) {
    static const std::map<std::string_view, ColumnType> plain = {
        {"key", ColumnType::Key},         {"integer", ColumnType::Integer},
        {"double", ColumnType::Double},   {"boolean", ColumnType::Boolean},
        {"datetime", ColumnType::DateTime},
    };
    if (auto found = plain.find(word); found != plain.end()) return Typed(found->second);
    constexpr std::string_view text = "text(";
    if (word.starts_with(text) && word.ends_with(')')) {
        const auto digits = word.substr(text.size(), word.size() - text.size() - 1);
        int32_t length = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), length);
        if (error == std::errc() && end == digits.data() + digits.size() && length > 0)
            return Typed(ColumnType::Text, length);
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
        checkReferences();
        return std::move(tables_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("schema line " + std::to_string(lineNumber_) + ": " + what);
    }

    void startTable(std::string_view line) {
        finishTable();
        const auto [name, mark] = SplitWord(line);
        if (!IsName(name)) fail("not a table name: " + std::string(name));
        if (!mark.empty() && mark != "lookup") fail("unknown mark of table " + std::string(name) + ": " + std::string(mark));
        for (const auto& table : tables_)
            if (SameName(table.name, name)) fail("table " + std::string(name) + " described twice");
        TableDescription table;
        table.name = std::string(name);
        table.lookupService = !mark.empty();
        tables_.push_back(std::move(table));
    }

    void finishTable() {
        if (!tables_.empty() && tables_.back().columns.empty())
            fail("table " + tables_.back().name + " has no columns");
    }

    void readMember(std::string_view line) {
        if (tables_.empty()) fail("a column before the first table");
        auto& table = tables_.back();
        for (auto [word, list] : {std::pair{"unique", &table.uniqueColumns}, std::pair{"index", &table.indexColumns}})
            if (line.starts_with(std::string(word) + "(")) {
                list->push_back(readColumnList(table, word, line));
                return;
            }
        const auto [name, rest] = SplitWord(line);
        if (rest.empty()) fail("a column without a type: " + std::string(line));
        const auto [typeWord, reference] = SplitWord(rest);
        if (!IsName(name)) fail("not a column name: " + std::string(name));
        auto column = ReadType(typeWord);
        if (!column) fail("unknown type: " + std::string(typeWord));
        if (table.column(name)) fail("column " + std::string(name) + " described twice");
        if (column->type == ColumnType::Key && table.key()) fail("table " + table.name + " has two keys");
        column->name = std::string(name);
        if (!reference.empty()) column->references = readReference(*column, reference);
        table.columns.push_back(std::move(*column));
    }

    // "-> Table" or "-> Table cascade", after an integer column's type.
    ReferenceDescription readReference(const ColumnDescription& column, std::string_view text) {
        const auto [arrow, rest] = SplitWord(text);
        const auto [target, action] = SplitWord(rest);
        if (arrow != "->" || !IsName(target)) fail("not a type or a reference: " + std::string(text));
        if (column.type != ColumnType::Integer) fail("a reference that is not an integer column: " + column.name);
        if (!action.empty() && action != "cascade") fail("unknown action of a reference: " + std::string(action));
        referenceLines_.push_back(lineNumber_);
        return {std::string(target), !action.empty()};
    }

    std::vector<std::string> readColumnList(const TableDescription& table, std::string_view word,
                                            std::string_view line) {
        if (!line.ends_with(')')) fail(std::string(word) + "(...) not closed");
        std::string_view list = line.substr(word.size() + 1, line.size() - word.size() - 2);
        std::vector<std::string> names;
        while (true) {
            const auto comma = list.find(',');
            const auto name = Trim(list.substr(0, comma));
            if (!table.column(name))
                fail(std::string(word) + " names a column the table lacks: " + std::string(name));
            names.emplace_back(name);
            if (comma == std::string_view::npos) break;
            list = list.substr(comma + 1);
        }
        return names;
    }

    // Every reference names a described table with a key: checked once
    // all tables are read, since a table may refer to one described later.
    void checkReferences() {
        size_t next = 0;
        for (const auto& table : tables_)
            for (const auto& column : table.columns) {
                if (!column.references) continue;
                lineNumber_ = referenceLines_[next++];
                const auto* target = FindTable(tables_, column.references->table);
                if (!target) fail("a reference to a table not described: " + column.references->table);
                if (!target->key()) fail("a reference to a table without a key: " + target->name);
            }
    }

    // The first word of a text and the rest after the blanks that follow it.
    static std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
        const auto blank = text.find_first_of(" \t");
        if (blank == std::string_view::npos) return {text, {}};
        return {text.substr(0, blank), Trim(text.substr(blank))};
    }

    std::vector<TableDescription> tables_;
    std::vector<int> referenceLines_;  // the line of each reference, in order
    int lineNumber_ = 0;
};

}  // namespace

const ColumnDescription* TableDescription::key() const {
    for (const auto& column : columns)
        if (column.type == ColumnType::Key) return &column;
    return nullptr;
}

const ColumnDescription* TableDescription::column(std::string_view name) const {
    for (const auto& column : columns)
        if (SameName(column.name, name)) return &column;
    return nullptr;
}

std::vector<TableDescription> ParseSchema(std::string_view text) {
    return Reader().read(text);
}

const std::vector<TableDescription>& Schema() {
    static const std::vector<TableDescription> tables = ParseSchema(SchemaFile().text);
    return tables;
}

const TableDescription* FindTable(const std::vector<TableDescription>& tables, std::string_view name) {
    for (const auto& table : tables)
        if (SameName(table.name, name)) return &table;
    return nullptr;
}

bool IsLookupServiceTable(std::string_view name) {
    const TableDescription* table = FindTable(Schema(), name);
    return table && table->lookupService;
}

std::vector<Reference> ReferencesTo(const std::vector<TableDescription>& tables, std::string_view name) {
    std::vector<Reference> references;
    for (const auto& table : tables)
        for (const auto& column : table.columns)
            if (column.references && SameName(column.references->table, name))
                references.push_back({&table, &column, column.references->cascade});
    return references;
}

}  // namespace database
