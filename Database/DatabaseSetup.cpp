#include "DatabaseSetup.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "Base/Text.h"
#include "Profile/PrivateProfile.h"
#include "SchemaStatements.h"
#include "ScriptFiles.h"
#include "SqlScript.h"

namespace database {

namespace {

namespace fs = std::filesystem;

bool IsConnectionString(const std::string& target) {
    return base::Lower(target).find("provider=") != std::string::npos;
}

// Runs one statement, naming it in the error when the database refuses it.
void Run(ado::Connection& connection, const std::string& where, const std::string& sql) {
    try {
        connection.Execute(sql);
    } catch (const std::exception& e) {
        throw std::runtime_error(where + ": " + e.what() + "\n    in: " + sql.substr(0, 200));
    }
}

// PostgreSQL identities do not follow keys that a statement gave: start
// each one after the highest key in its table, so that a new row never
// takes a number the seed used.
void RestartKeys(ado::Connection& connection, const std::vector<TableDescription>& tables) {
    for (const auto& table : tables) {
        const auto* key = table.key();
        if (!key) continue;
        const auto name = connection.QuoteName(table.name);
        const auto column = connection.QuoteName(key->name);
        const auto result = connection.Query("SELECT MAX(" + column + ") FROM " + name);
        const auto& highest = result.rows.at(0).at(0);
        if (highest.isNull()) continue;
        Run(connection, "restarting the key of " + table.name,
            "ALTER TABLE " + name + " ALTER COLUMN " + column + " RESTART WITH " +
                std::to_string(highest.toLong() + 1));
    }
}

// The marker of the sample photos' folder in the seed.
constexpr std::string_view kPhotosMarker = "{fotos}";

// The sample photos' folder, "Fotos" beside this library's folder, as it
// stands inside a quoted SQL text.
const std::string& QuotedPhotosFolder() {
    static const int anchor = 0;
    static const std::string quoted = [] {
        const fs::path folder = (fs::path(profile::ModuleFolder(&anchor)) / ".." / "Fotos").lexically_normal();
        std::string text;
        for (char c : folder.string()) text += c == '\'' ? std::string("''") : std::string(1, c);
        return text;
    }();
    return quoted;
}

// A seed script with every "{fotos}" replaced by the sample photos' folder:
// the sample's photo paths name the files the build and the installation
// put there.
std::string SeedText(std::string_view script) {
    std::string text(script);
    const std::string& folder = QuotedPhotosFolder();
    for (size_t at = text.find(kPhotosMarker); at != std::string::npos;
         at = text.find(kPhotosMarker, at + folder.size()))
        text.replace(at, kPhotosMarker.size(), folder);
    return text;
}

void CreateAll(ado::Connection& connection, bool withSeed) {
    const auto schema = SchemaFile();
    const auto tables = ParseSchema(schema.text);
    for (const auto& statement : CreateStatements(tables, connection.provider()))
        Run(connection, std::string(schema.name), statement);
    if (!withSeed) return;
    for (const auto& file : SeedFiles()) {
        const auto statements = SplitStatements(SeedText(file.text));
        for (size_t i = 0; i < statements.size(); ++i)
            Run(connection, std::string(file.name) + ", statement " + std::to_string(i + 1), statements[i]);
    }
    if (connection.provider() == ado::Provider::PostgreSQL) RestartKeys(connection, tables);
}

}  // namespace

void CreateDatabase(ado::Connection& connection, bool withSeed) {
    connection.BeginTrans();
    try {
        CreateAll(connection, withSeed);
    } catch (...) {
        connection.RollbackTrans();
        throw;
    }
    connection.CommitTrans();
}

void CreateDatabase(const std::string& target, bool withSeed) {
    if (IsConnectionString(target)) {
        ado::Connection connection;
        connection.Open(target);
        CreateDatabase(connection, withSeed);
        connection.Close();
        return;
    }
    const fs::path file = fs::absolute(target);
    if (fs::exists(file)) throw std::runtime_error(file.string() + " already exists");
    // SQLite takes an empty file for a new database; the data layer opens
    // only files that exist.
    if (!std::ofstream(file)) throw std::runtime_error("cannot create " + file.string());
    try {
        ado::Connection connection;
        connection.Open("Provider=SQLite;Data Source=" + file.string());
        CreateDatabase(connection, withSeed);
        connection.Close();
    } catch (...) {
        std::error_code ignored;
        fs::remove(file, ignored);
        throw;
    }
}

}  // namespace database
