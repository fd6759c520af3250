// What the nested levels of a transaction send to the database: a level
// becomes a savepoint only once a statement runs in it, so a commit that
// measures the depth with a probe level sends one statement.
#include <gtest/gtest.h>

#include "Ado/Engine.h"

namespace adotest {
namespace {

// An engine that keeps the statements it is given instead of running them.
class RecordingEngine final : public ado::Engine {
public:
    std::string sent;

    ado::Provider provider() const override { return ado::Provider::SQLite; }
    bool stillValid() const override { return true; }

protected:
    int64_t runExecute(const std::string& statement, std::span<const com::Variant>) override {
        record(statement);
        return 0;
    }
    void runQuery(const std::string& statement, std::span<const com::Variant>, ado::RowSink&) override {
        record(statement);
    }
    void runBatch(std::span<const ado::BatchStatement> statements, const ado::BatchCheck&) override {
        for (const ado::BatchStatement& s : statements) record(s.sql);
    }
    int64_t readLastInsertedKey(std::string_view, std::string_view) override { return 0; }
    ado::TableInfo readTable(std::string_view) override { return {}; }
    void run(const std::string& statement) override { record(statement); }
    const char* beginStatement() const override { return "BEGIN"; }
    bool inTransaction() const override { return level() > 0; }

private:
    void record(const std::string& statement) { sent += statement + "; "; }
};

TEST(TransactionLevels, ALevelReachesTheDatabaseOnlyWhenAStatementRunsInIt) {
    RecordingEngine engine;
    EXPECT_EQ(engine.beginTrans(), 1);
    // The probe of a commit: a level begun and rolled back at once.
    EXPECT_EQ(engine.beginTrans(), 2);
    engine.rollbackTrans();
    engine.commitTrans();
    EXPECT_EQ(engine.sent, "BEGIN; COMMIT; ");

    engine.sent.clear();
    engine.beginTrans();
    engine.beginTrans();
    engine.beginTrans();  // level 3: nothing runs in it
    engine.execute("UPDATE t", {});
    engine.commitTrans();
    engine.execute("DELETE t", {});
    engine.rollbackTrans();  // level 2, with a statement in it
    engine.commitTrans();
    EXPECT_EQ(engine.sent,
              "BEGIN; SAVEPOINT level_2; SAVEPOINT level_3; UPDATE t; RELEASE SAVEPOINT level_3; "
              "DELETE t; ROLLBACK TO SAVEPOINT level_2; RELEASE SAVEPOINT level_2; COMMIT; ");
    EXPECT_EQ(engine.level(), 0);
}

}  // namespace
}  // namespace adotest
