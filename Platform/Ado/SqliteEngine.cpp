#include "Ado/SqliteEngine.h"

#include <filesystem>

#include "Ado/AdoError.h"
#include "Ado/ConnectionString.h"
#include "Ado/SqliteStatement.h"
#include "Ado/SqliteTypes.h"
#include "Com/ComError.h"

namespace ado {

namespace {

sqlite3* OpenFile(const std::string& path) {
    if (path.empty())
        com::Raise(err::DatabaseError,
                   "The connection string names no database file (Data Source)");
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored))
        com::Raise(err::DatabaseError, "The database file does not exist: " + path);
    sqlite3* db = nullptr;
    // The connection's own lock serialises every use of the handle, so
    // SQLite's lock on each call is not needed.
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close_v2(db);
        com::Raise(err::DatabaseError, "Cannot open the database file " + path + ": " + message);
    }
    return db;
}

}  // namespace

SqliteEngine::SqliteEngine(const ConnectionString& connection)
    : path_(connection.value("Data Source")),
      db_(OpenFile(path_)),
      statements_(db_.get()),
      catalog_(statements_) {
    // SQLite's own name of the file, after which it names the companions.
    file_ = std::make_unique<OpenDatabaseFile>(sqlite3_db_filename(db_.get(), "main"));
    sqlite3_busy_timeout(db_.get(), kLockWaitMs);
    // These also read the file: a file that is not a database fails here.
    run("PRAGMA journal_mode = WAL");
    run("PRAGMA foreign_keys = ON");
}

bool SqliteEngine::stillValid() const { return file_->isAt(path_); }

void SqliteEngine::run(const std::string& statement) {
    SqliteStatement s(statements_, statement);
    while (s.step()) {
    }
}

BatchOutcome SqliteEngine::runOne(const std::string& statement, std::span<const com::Variant> params) {
    SqliteStatement s(statements_, statement);
    s.bind(params);
    const int64_t before = sqlite3_total_changes64(db_.get());
    BatchOutcome outcome;
    if (s.step()) {
        const int columns = sqlite3_column_count(s.get());
        for (int i = 0; i < columns; ++i) outcome.returned.push_back(sqlite3_column_int64(s.get(), i));
        while (s.step()) {
        }
    }
    // sqlite3_changes keeps the count of the last insert, update or delete;
    // any other statement changed no row.
    if (sqlite3_total_changes64(db_.get()) != before) outcome.rows = sqlite3_changes64(db_.get());
    return outcome;
}

int64_t SqliteEngine::runExecute(const std::string& statement,
                                 std::span<const com::Variant> params) {
    return runOne(statement, params).rows;
}

void SqliteEngine::runBatch(std::span<const BatchStatement> statements, const BatchCheck& check) {
    for (size_t i = 0; i < statements.size(); ++i)
        check(i, runOne(statements[i].sql, statements[i].params));
}

FieldInfo SqliteEngine::describe(sqlite3_stmt* statement, int column, bool& typed) {
    FieldInfo field;
    field.name = sqlite3_column_name(statement, column);
    typed = SqliteDeclaredType(sqlite3_column_decltype(statement, column), field);
    if (!typed) field.definedSize = kUnboundedSize;
    const char* table = sqlite3_column_table_name(statement, column);
    const char* origin = sqlite3_column_origin_name(statement, column);
    if (!table || !origin) return field;  // a computed column
    const TableInfo* info = catalog_.table(table);
    const ColumnInfo* base = info ? info->column(origin) : nullptr;
    if (base) SetOrigin(field, *info, *base);
    return field;
}

void SqliteEngine::runQuery(const std::string& statement, std::span<const com::Variant> params,
                            RowSink& sink) {
    catalog_.checkSchema();
    SqliteStatement s(statements_, statement);
    s.bind(params);
    // A kept statement whose tables changed since it was prepared is
    // prepared again by its first step: its columns are known from then on.
    bool more = s.step();

    const size_t columns = static_cast<size_t>(sqlite3_column_count(s.get()));
    std::vector<bool> typed(columns);
    sink.fields.clear();
    sink.untyped = 0;
    for (size_t i = 0; i < columns; ++i) {
        bool declared = false;
        sink.fields.push_back(describe(s.get(), static_cast<int>(i), declared));
        typed[i] = declared;
        sink.untyped += !declared;
    }
    std::vector<Cell> row(columns);
    for (; more; more = s.step()) {
        for (size_t i = 0; i < columns; ++i) {
            const int column = static_cast<int>(i);
            FieldInfo& field = sink.fields[i];
            // A column without a declared type takes the type of its first value.
            if (!typed[i] && sqlite3_column_type(s.get(), column) != SQLITE_NULL) {
                field.type = SqliteStoredType(sqlite3_column_type(s.get(), column));
                field.definedSize = FixedSize(field.type);
                typed[i] = true;
                --sink.untyped;
            }
            row[i] = SqliteValue(s.get(), column, field.type);
        }
        sink.row(row);
    }
}

const TableInfo& SqliteEngine::existingTable(std::string_view table) {
    catalog_.checkSchema();
    const TableInfo* info = catalog_.table(table);
    if (!info) com::Raise(err::DatabaseError, "No such table: " + std::string(table));
    return *info;
}

int64_t SqliteEngine::readLastInsertedKey(std::string_view table, std::string_view keyColumn) {
    const TableInfo& info = existingTable(table);
    const ColumnInfo* key = info.column(keyColumn);
    if (!key)
        com::Raise(err::DatabaseError,
                   "No such column: " + info.name + "." + std::string(keyColumn));
    SqliteStatement s(statements_, "SELECT " + sql::QuoteName(key->name) + " FROM " +
                                     sql::QuoteName(info.name) +
                                     " WHERE rowid = last_insert_rowid()");
    if (!s.step())
        com::Raise(err::DatabaseError,
                   "No row was inserted into " + info.name + " on this connection");
    return sqlite3_column_int64(s.get(), 0);
}

TableInfo SqliteEngine::readTable(std::string_view name) {
    catalog_.checkSchema();
    const TableInfo* info = catalog_.table(name);
    return info ? *info : TableInfo{};
}

}  // namespace ado
