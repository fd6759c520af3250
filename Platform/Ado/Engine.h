// Engine: the database behind a Connection, SQLite or PostgreSQL.
//
// The connection checks that it is open, holds its lock and cuts the
// caller's SQL to one statement; the engine runs that statement on its
// database and reads the catalogue. Nested transactions are the same on both
// databases (BEGIN, then savepoints, each made only once a statement runs in
// its level) and live here.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Ado/Connection.h"
#include "Ado/RecentTexts.h"
#include "Ado/Sql.h"

namespace ado {

class ConnectionString;

// How long a statement waits for a file, table or row that another
// session's transaction holds before it fails with the engine's message:
// no caller waits without end for someone else's transaction.
constexpr int kLockWaitMs = 5000;

// The defined size of a column of a type that has a fixed one, in bytes;
// kUnboundedSize for text and binary.
int32_t FixedSize(DataType type);

// Marks `field` as coming from `column` of `table`: where it comes from and
// the column's flags; a field named as the column keeps the declared spelling.
void SetOrigin(FieldInfo& field, const TableInfo& table, const ColumnInfo& column);


class Engine {
public:
    // Opens the database that the connection string names. Raises 3706 for
    // a provider other than SQLite and PostgreSQL, DatabaseError when the
    // database cannot be opened.
    [[nodiscard]] static std::unique_ptr<Engine> Open(const ConnectionString& connection);

    virtual ~Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    virtual Provider provider() const = 0;
    sql::Dialect dialect() const;

    // The caller's `sql` cut to its one statement (sql::SingleStatement).
    // The texts cut last are remembered, since a batch runs the same text
    // once per row. The result stays valid until the next call. A statement
    // that does more than read and write rows marks the session as changed.
    const std::string& singleStatement(std::string_view sql);

    // Whether the session can serve another connection as it is: no
    // transaction open, and nothing run that changes a session's settings.
    bool reusable() const { return level_ == 0 && !sessionChanged_ && !inTransaction(); }
    // Whether a session kept idle can still be used: its database is still
    // there and reachable (no round trip to the server).
    virtual bool stillValid() const = 0;

    // `statement` is one statement (sql::SingleStatement); "?" marks the
    // parameters. Every failure raises DatabaseError with the engine's text.
    int64_t execute(const std::string& statement, std::span<const com::Variant> params);
    FetchedRows query(const std::string& statement, std::span<const com::Variant> params);
    void queryInto(const std::string& statement, std::span<const com::Variant> params,
                   RowSink& sink);
    int64_t lastInsertedKey(std::string_view table, std::string_view keyColumn);
    TableInfo table(std::string_view name);

    // Runs the statements of a batch update in order inside the current
    // level, without a savepoint of their own (the batch undoes its whole
    // level on failure), and tells `check` what each did, in order; a
    // failed statement raises after `check` has heard of those before it.
    void executeBatch(std::span<const BatchStatement> statements, const BatchCheck& check);

    int32_t beginTrans();
    void commitTrans();
    void rollbackTrans();
    int32_t level() const { return level_; }
    // Rolls back every open level, as closing does; never raises.
    void rollbackAll() noexcept;

protected:
    Engine() = default;

    virtual int64_t runExecute(const std::string& statement,
                               std::span<const com::Variant> params) = 0;
    virtual void runQuery(const std::string& statement, std::span<const com::Variant> params,
                          RowSink& sink) = 0;
    virtual void runBatch(std::span<const BatchStatement> statements, const BatchCheck& check) = 0;
    virtual int64_t readLastInsertedKey(std::string_view table, std::string_view keyColumn) = 0;
    virtual TableInfo readTable(std::string_view name) = 0;

    // Runs a statement of the connection's own (BEGIN, SAVEPOINT ..).
    virtual void run(const std::string& statement) = 0;
    virtual const char* beginStatement() const = 0;
    // Whether the database still holds a transaction open on this session.
    virtual bool inTransaction() const = 0;

private:
    // Runs `work`; when it fails and the database has given up the whole
    // transaction with it, the levels are gone as well and the error says so.
    template <class Work>
    auto guarded(Work work) -> decltype(work());

    // Makes the savepoints of the nested levels begun since the last
    // statement, so that the next statement runs inside its level.
    void openLevels();
    // The innermost level has ended.
    void endLevel();

    static constexpr size_t kCutStatements = 16;

    // The statement cut from a caller's text, and whether it only reads or
    // writes rows.
    struct Cut {
        std::string statement;
        bool onlyRows = true;
    };

    int32_t level_ = 0;
    int32_t opened_ = 0;  // levels the database has: BEGIN, then savepoints
    bool sessionChanged_ = false;
    RecentTexts<Cut> cut_{kCutStatements};
};

}  // namespace ado
