#include "Ado/Connection.h"

#include "Ado/AdoError.h"
#include "Ado/ConnectionPool.h"
#include "Ado/ConnectionString.h"
#include "Ado/Engine.h"
#include "Ado/Sql.h"

namespace ado {

namespace {

using com::Arg;
using com::Args;
using com::Variant;

using Lock = std::lock_guard<std::recursive_mutex>;

}  // namespace

// The collector calls a transaction's connection from a thread of the
// object model, which may do so while the process ends: the table is never
// destroyed.
const com::Members<Connection>& Connection::Interface() {
    static const com::Members<Connection>& members = *new com::Members<Connection>([] {
        com::Members<Connection> m;
        m.property("State", [](Connection& c) { return Variant(c.State()); });
        m.method("Open", [](Connection& c, Args a) {
            c.Open(Arg(a, 0).toString());
            return Variant();
        });
        m.method("Close", [](Connection& c, Args) {
            c.Close();
            return Variant();
        });
        m.method("BeginTrans", [](Connection& c, Args) { return Variant(c.BeginTrans()); });
        m.method("CommitTrans", [](Connection& c, Args) {
            c.CommitTrans();
            return Variant();
        });
        m.method("RollbackTrans", [](Connection& c, Args) {
            c.RollbackTrans();
            return Variant();
        });
        m.method("Execute", [](Connection& c, Args a) {
            return Cell::Whole(c.Execute(Arg(a, 0).toString())).toVariant();
        });
        return m;
    }());
    return members;
}

Connection::Connection() = default;

Connection::~Connection() { Close(); }

Engine& Connection::openEngine() const {
    if (!engine_)
        com::Raise(err::ObjectClosed, "Operation is not allowed when the object is closed");
    return *engine_;
}

void Connection::Open(const std::string& connectionString) {
    Lock lock(mutex_);
    if (engine_) com::Raise(err::ObjectOpen, "Operation is not allowed when the object is open");
    engine_ = TakePooledSession(connectionString);
    if (!engine_) engine_ = Engine::Open(ConnectionString(connectionString));
    connectionString_ = connectionString;
}

int32_t Connection::State() const {
    Lock lock(mutex_);
    return engine_ ? kStateOpen : kStateClosed;
}

void Connection::Close() {
    Lock lock(mutex_);
    if (!engine_) return;
    GiveBackSession(connectionString_, std::move(engine_));
}

Provider Connection::provider() const {
    Lock lock(mutex_);
    return openEngine().provider();
}

int32_t Connection::BeginTrans() {
    Lock lock(mutex_);
    return openEngine().beginTrans();
}

void Connection::CommitTrans() {
    Lock lock(mutex_);
    openEngine().commitTrans();
}

void Connection::RollbackTrans() {
    Lock lock(mutex_);
    openEngine().rollbackTrans();
}

int32_t Connection::TransactionLevel() const {
    Lock lock(mutex_);
    return openEngine().level();
}

int64_t Connection::Execute(std::string_view sql) { return ExecuteBound(sql, {}); }

QueryResult Connection::Query(std::string_view sql) {
    FetchedRows fetched = Fetch(sql);
    QueryResult result;
    result.fields = std::move(fetched.fields);
    result.rows.reserve(fetched.rows.size());
    for (size_t r = 0; r < fetched.rows.size(); ++r) {
        std::vector<Variant>& row = result.rows.emplace_back();
        row.reserve(fetched.rows.width());
        for (const Cell& value : fetched.rows[r]) row.push_back(value.toVariant());
    }
    return result;
}

FetchedRows Connection::Fetch(std::string_view sql) {
    Lock lock(mutex_);
    Engine& engine = openEngine();
    return engine.query(engine.singleStatement(sql), {});
}

void Connection::FetchInto(std::string_view sql, RowSink& sink) {
    Lock lock(mutex_);
    Engine& engine = openEngine();
    engine.queryInto(engine.singleStatement(sql), {}, sink);
}

int64_t Connection::ExecuteBound(std::string_view sql, std::span<const com::Variant> params) {
    Lock lock(mutex_);
    Engine& engine = openEngine();
    return engine.execute(engine.singleStatement(sql), params);
}

void Connection::ExecuteBatch(std::span<const BatchStatement> statements, const BatchCheck& check) {
    Lock lock(mutex_);
    openEngine().executeBatch(statements, check);
}

int64_t Connection::LastInsertedKey(std::string_view table, std::string_view keyColumn) {
    Lock lock(mutex_);
    return openEngine().lastInsertedKey(table, keyColumn);
}

TableInfo Connection::Table(std::string_view table) {
    Lock lock(mutex_);
    return openEngine().table(table);
}

std::vector<ColumnInfo> Connection::TableColumns(std::string_view table) { return Table(table).columns; }

std::string Connection::QuoteName(std::string_view name) const {
    Lock lock(mutex_);
    openEngine();
    return sql::QuoteName(name);
}

}  // namespace ado
