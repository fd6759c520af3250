#include "Ado/Engine.h"

#include "Ado/AdoError.h"
#include "Ado/ConnectionString.h"
#include "Ado/PostgresEngine.h"
#include "Ado/SqliteEngine.h"
#include "Com/ComError.h"

namespace ado {

namespace {

std::string SavepointName(int32_t level) { return "level_" + std::to_string(level); }

}  // namespace

const ColumnInfo* TableInfo::column(std::string_view columnName) const {
    for (const ColumnInfo& c : columns)
        if (com::SameName(c.name, columnName)) return &c;
    return nullptr;
}

int32_t FixedSize(DataType type) {
    switch (type) {
        case DataType::Integer: return 4;
        case DataType::SmallInt: return 2;
        case DataType::Byte: return 1;
        case DataType::BigInt: return 8;
        case DataType::Double: return 8;
        case DataType::Decimal: return 19;
        case DataType::Boolean: return 2;
        case DataType::DateTime: return 16;
        case DataType::String:
        case DataType::Binary: break;
    }
    return kUnboundedSize;
}

void SetOrigin(FieldInfo& field, const TableInfo& table, const ColumnInfo& column) {
    field.baseTable = table.name;
    field.baseColumn = column.name;
    field.nullable = column.nullable;
    field.keyColumn = column.key;
    field.autoIncrement = column.autoIncrement;
    if (com::SameName(field.name, column.name)) field.name = column.name;
}

std::unique_ptr<Engine> Engine::Open(const ConnectionString& connection) {
    const std::string provider = connection.value("Provider");
    if (com::SameName(provider, "SQLite")) return std::make_unique<SqliteEngine>(connection);
    if (com::SameName(provider, "PostgreSQL")) return std::make_unique<PostgresEngine>(connection);

    com::Raise(err::ProviderNotFound, provider.empty() ? "The connection string names no provider"
                                                       : "Provider cannot be found: " + provider);
}

sql::Dialect Engine::dialect() const {
    return provider() == Provider::PostgreSQL ? sql::Dialect::PostgreSQL : sql::Dialect::SQLite;
}

const std::string& Engine::singleStatement(std::string_view sql) {
    const Cut* cut = cut_.find(sql);
    if (!cut) {
        std::string statement = sql::SingleStatement(sql, dialect());
        const bool onlyRows = sql::OnlyRowsStatement(statement, dialect());
        cut = &cut_.keep(sql, Cut{std::move(statement), onlyRows});
    }
    if (!cut->onlyRows) sessionChanged_ = true;
    return cut->statement;
}

template <class Work>
auto Engine::guarded(Work work) -> decltype(work()) {
    try {
        return work();
    } catch (const com::ComError& e) {
        if (level_ == 0 || inTransaction()) throw;
        level_ = opened_ = 0;
        throw com::ComError(e.number(), std::string(e.what()) +
                                            " (the database rolled back the whole transaction)");
    }
}

int64_t Engine::execute(const std::string& statement, std::span<const com::Variant> params) {
    return guarded([&] {
        openLevels();
        return runExecute(statement, params);
    });
}

namespace {

// Keeps every row, as a recordset holds them.
class TableSink final : public RowSink {
public:
    void row(std::span<Cell> values) override {
        if (rows.width() != fields.size()) rows = CellTable(fields.size());
        std::move(values.begin(), values.end(), rows.append().begin());
    }
    CellTable rows;
};

}  // namespace

FetchedRows Engine::query(const std::string& statement, std::span<const com::Variant> params) {
    TableSink sink;
    queryInto(statement, params, sink);
    FetchedRows result;
    result.rows = sink.rows.width() == sink.fields.size() ? std::move(sink.rows)
                                                          : CellTable(sink.fields.size());
    result.fields = std::move(sink.fields);
    return result;
}

void Engine::queryInto(const std::string& statement, std::span<const com::Variant> params,
                       RowSink& sink) {
    guarded([&] {
        openLevels();
        runQuery(statement, params, sink);
    });
}

void Engine::executeBatch(std::span<const BatchStatement> statements, const BatchCheck& check) {
    guarded([&] {
        openLevels();
        runBatch(statements, check);
    });
}

int64_t Engine::lastInsertedKey(std::string_view table, std::string_view keyColumn) {
    return guarded([&] { return readLastInsertedKey(table, keyColumn); });
}

TableInfo Engine::table(std::string_view name) {
    return guarded([&] { return readTable(name); });
}

// The outermost level begins at once (on SQLite BEGIN IMMEDIATE takes the
// write lock then); a nested level is a savepoint, made only when a
// statement runs inside it, so that a level in which nothing ran (the probe
// with which a commit measures the depth) costs the database nothing.
int32_t Engine::beginTrans() {
    if (level_ == 0) {
        guarded([&] { run(beginStatement()); });
        opened_ = 1;
    }
    return ++level_;
}

void Engine::openLevels() {
    while (opened_ < level_) {
        run("SAVEPOINT " + SavepointName(opened_ + 1));
        ++opened_;
    }
}

void Engine::commitTrans() {
    if (level_ == 0) com::Raise(err::DatabaseError, "No transaction is open to commit");
    guarded([&] {
        if (level_ == 1) run("COMMIT");
        else if (opened_ == level_) run("RELEASE SAVEPOINT " + SavepointName(level_));
    });
    endLevel();
}

void Engine::rollbackTrans() {
    if (level_ == 0) com::Raise(err::DatabaseError, "No transaction is open to roll back");
    guarded([&] {
        if (level_ == 1) {
            run("ROLLBACK");
        } else if (opened_ == level_) {
            // Rolling back to a savepoint keeps it open; releasing it ends the level.
            run("ROLLBACK TO SAVEPOINT " + SavepointName(level_));
            run("RELEASE SAVEPOINT " + SavepointName(level_));
        }
    });
    endLevel();
}

void Engine::endLevel() {
    if (opened_ == level_) --opened_;
    --level_;
}

void Engine::rollbackAll() noexcept {
    if (level_ == 0) return;
    level_ = opened_ = 0;
    try {
        run("ROLLBACK");
    } catch (...) {
        // Closing goes on: the database drops what the session left open.
    }
}

}  // namespace ado
