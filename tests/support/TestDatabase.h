// Fresh, empty databases for the data tests, on each engine the test run
// offers: SQLite always, PostgreSQL when INVENTARI_PG names a server (the
// test command starts one with scripts/pg-test-server.sh).
//
//   class MyTest : public testing::TestWithParam<testsupport::Engine> {};
//   INSTANTIATE_TEST_SUITE_P(Engines, MyTest,
//       testing::ValuesIn(testsupport::AvailableEngines()), testsupport::EngineParamName);
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

class TempDir;

enum class Engine { SQLite, PostgreSQL };

std::vector<Engine> AvailableEngines();
const char* EngineName(Engine engine);
// Names the instances of a test parameterised over engines.
std::string EngineParamName(const testing::TestParamInfo<Engine>& info);
// How GoogleTest prints an engine in its messages.
void PrintTo(Engine engine, std::ostream* out);

// A database of its own for one test: a SQLite file in a temporary folder,
// or a PostgreSQL database with a unique name, dropped when the object ends.
class TestDatabase {
public:
    explicit TestDatabase(Engine engine);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    Engine engine() const { return engine_; }
    // The data layer's connection string to this database.
    const std::string& connectionString() const { return connectionString_; }
    // The column type of an integer primary key whose values the database
    // gives, for CREATE TABLE on this engine.
    const char* autoNumberKey() const;

private:
    Engine engine_;
    std::unique_ptr<TempDir> folder_;
    std::string name_;  // of the PostgreSQL database
    std::string connectionString_;
};

}  // namespace testsupport
