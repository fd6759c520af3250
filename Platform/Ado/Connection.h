// Connection: one open database session on SQLite or PostgreSQL.
//
// It is an object of the object model, so that it can travel inside a
// Variant as the transaction handle and be called by member name (State,
// BeginTrans, CommitTrans, RollbackTrans, Close, Execute), also from another
// process. Every public operation holds the connection's own lock for its
// whole length: a caller on another thread waits until the current call
// ends and never runs in the middle of one.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Ado/CellTable.h"
#include "Ado/Field.h"
#include "Com/Object.h"

namespace ado {

class Engine;  // the database behind a connection (SQLite or PostgreSQL)

enum class Provider { SQLite, PostgreSQL };

// The rows of one query, every row fetched.
struct QueryResult {
    std::vector<FieldInfo> fields;
    std::vector<std::vector<com::Variant>> rows;  // one Variant per field, Null for NULL
};

// The same, with the values kept as a recordset keeps them.
struct FetchedRows {
    std::vector<FieldInfo> fields;
    CellTable rows;  // one cell per field, Null for NULL
};

// Takes the rows of a query as the engine reads them, one at a time
// (Connection::FetchInto), so that a caller that only passes them on never
// holds them all.
class RowSink {
public:
    virtual ~RowSink() = default;

    // Filled by the engine before the first row. `untyped` counts the
    // fields (SQLite columns with no declared type) whose type is still to
    // be taken from their first value that is not Null: the engine sets it
    // in `fields` and counts down before it passes that row on.
    std::vector<FieldInfo> fields;
    size_t untyped = 0;

    // One row, one value per field; the sink may take the values away.
    virtual void row(std::span<Cell> values) = 0;
};

// One column of a table as the database's own catalogue describes it.
struct ColumnInfo {
    std::string name;  // spelled as the schema declares it
    DataType type = DataType::String;
    int32_t definedSize = 0;
    bool nullable = true;
    bool key = false;            // part of the primary key
    bool autoIncrement = false;  // value given by the database
};

// A table or view as the catalogue describes it.
struct TableInfo {
    std::string name;  // as declared
    std::vector<ColumnInfo> columns;

    // The column of that name, matched without regard to case; nullptr when
    // there is none.
    const ColumnInfo* column(std::string_view columnName) const;
};

// One statement of a batch update: "?" marks its values. An insert may
// end with "RETURNING" and the key columns whose values the database gives.
struct BatchStatement {
    std::string sql;
    std::vector<com::Variant> params;
};

// What one statement of a batch did: the rows it changed, and the values of
// the first row it returned (the keys of an insert), as whole numbers.
struct BatchOutcome {
    int64_t rows = 0;
    std::vector<int64_t> returned;
};

// Hears, in order, what statement `index` of a batch did; raises to stop.
using BatchCheck = std::function<void(size_t index, const BatchOutcome& outcome)>;

class Connection : public com::Dispatch<Connection> {
public:
    static constexpr const char* kClassName = "Connection";
    static const com::Members<Connection>& Interface();

    // Object states as the callers test them.
    static constexpr int32_t kStateClosed = 0;
    static constexpr int32_t kStateOpen = 1;

    Connection();
    ~Connection() override;

    // "Provider=SQLite;Data Source=<file>" or "Provider=PostgreSQL;Host=..;
    // Port=..;Database=..;User ID=..;Password=..". Keys are matched without
    // regard to case; a key given twice counts with its last value. Raises
    // (AdoError.h) for an unknown provider, a missing SQLite file (never
    // created here) or a refused login, and 3705 when already open.
    void Open(const std::string& connectionString);
    int32_t State() const;
    // Rolls back whatever is still open and closes; closing a closed
    // connection does nothing. The database session behind it is kept for
    // the next connection opened with the same string when it can serve
    // that one as it is (ConnectionPool.h).
    void Close();
    Provider provider() const;

    // Nested transactions: BeginTrans returns the new level (1 for the
    // outermost); CommitTrans and RollbackTrans end the innermost level, and
    // raise DatabaseError when no level is open. When the database gives up
    // the whole transaction on a failure (a deferred constraint at commit),
    // the error says so and no level is left open. A nested level reaches
    // the database only when a statement runs in it: one begun and ended
    // with nothing run in it (the probe of a commit) costs no statement.
    int32_t BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    int32_t TransactionLevel() const;

    // One statement as the entity layer writes it ("Delete * From T Where
    // ..", "Where False", mixed-case names unquoted); text after the first
    // statement is refused. A statement that fails inside a transaction
    // undoes only itself and leaves the transaction usable, on both engines.
    // Returns the number of rows changed (0 for a query).
    int64_t Execute(std::string_view sql);

    // --- for the recordset and the batch update -------------------------
    // One query, every row fetched, with the fields' base table, base column,
    // key and auto-number flags taken from the database.
    QueryResult Query(std::string_view sql);
    // The same query with its values fetched straight into the cells a
    // recordset keeps, with no Variant made on the way.
    FetchedRows Fetch(std::string_view sql);
    // The same query with each row handed to `sink` as it is read.
    void FetchInto(std::string_view sql, RowSink& sink);
    // One statement with values bound as typed parameters ("?" marks them).
    // Dates are stored as text 'yyyy-mm-ddThh:mm:ss' on SQLite, '.fff' added
    // for milliseconds. A text run again on the same connection (one per
    // row of a batch update) is prepared once: SQLite keeps its statements
    // until Close, PostgreSQL its plain writes for the session.
    int64_t ExecuteBound(std::string_view sql, std::span<const com::Variant> params);
    // The statements of a batch update, in order, inside the current
    // transaction level and without a savepoint of their own: the caller
    // undoes its level when one fails or when `check` raises. PostgreSQL
    // gets them in pipeline mode, without waiting for each answer.
    void ExecuteBatch(std::span<const BatchStatement> statements, const BatchCheck& check);
    // The key the database gave to the row the last insert added.
    int64_t LastInsertedKey(std::string_view table, std::string_view keyColumn);
    // The table of that name as the catalogue has it, its name matched
    // without regard to case and given as declared; no name and no columns
    // when there is no such table.
    TableInfo Table(std::string_view table);
    // Its columns alone.
    std::vector<ColumnInfo> TableColumns(std::string_view table);
    // A name quoted for this engine.
    std::string QuoteName(std::string_view name) const;

    // The lock every public operation holds; callers that make several
    // calls that must not be split (a batch update) hold it around them.
    std::recursive_mutex& mutex() const { return mutex_; }

private:
    // The engine of an open connection; raises 3704 when it is closed.
    Engine& openEngine() const;

    mutable std::recursive_mutex mutex_;
    std::unique_ptr<Engine> engine_;
    std::string connectionString_;  // the key of its session in the pool
};

using ConnectionRef = std::shared_ptr<Connection>;

}  // namespace ado
