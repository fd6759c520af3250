// SqliteEngine: a connection to a SQLite database file.
//
// The file must exist: opening never creates it. The journal is WAL, so that
// readers on other connections are not blocked by an open transaction, and
// a writer waits up to five seconds for another one to finish. While it is
// open, the file is known as a database file of this process
// (DatabaseFiles.h), so that nothing else here opens it or its companions.
#pragma once

#include <sqlite3.h>

#include <memory>

#include "Ado/DatabaseFiles.h"
#include "Ado/Engine.h"
#include "Ado/SqliteCatalog.h"
#include "Ado/SqliteStatementCache.h"

namespace ado {

class SqliteEngine final : public Engine {
public:
    explicit SqliteEngine(const ConnectionString& connection);

    Provider provider() const override { return Provider::SQLite; }
    // The file it opened is still the one at its path.
    bool stillValid() const override;

protected:
    int64_t runExecute(const std::string& statement, std::span<const com::Variant> params) override;
    void runQuery(const std::string& statement, std::span<const com::Variant> params,
                  RowSink& sink) override;
    void runBatch(std::span<const BatchStatement> statements, const BatchCheck& check) override;
    int64_t readLastInsertedKey(std::string_view table, std::string_view keyColumn) override;
    TableInfo readTable(std::string_view name) override;

    void run(const std::string& statement) override;
    const char* beginStatement() const override { return "BEGIN IMMEDIATE"; }
    bool inTransaction() const override { return sqlite3_get_autocommit(db_.get()) == 0; }

private:
    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };

    // Runs one statement to its end: the rows it changed and the values of
    // the first row it returned.
    BatchOutcome runOne(const std::string& statement, std::span<const com::Variant> params);
    // Name, type and origin of result column `column`.
    FieldInfo describe(sqlite3_stmt* statement, int column, bool& typed);
    const TableInfo& existingTable(std::string_view table);

    std::string path_;
    // Known as open from SQLite's opening of the file until it is closed:
    // made once the file is open, ended after it is closed.
    std::unique_ptr<OpenDatabaseFile> file_;
    // In this order, so that the statements are finalised before the
    // database closes.
    std::unique_ptr<sqlite3, Close> db_;
    SqliteStatementCache statements_;
    SqliteCatalog catalog_;
};

}  // namespace ado
