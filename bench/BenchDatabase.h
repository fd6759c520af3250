// A SQLite database of light points for the benchmarks: ten columns of
// mixed types (keys, numbers, codes, a double, a Boolean, a date, a remark
// that is Null in one row of four), filled with plain prepared statements.
#pragma once

#include <sqlite3.h>

#include <map>
#include <memory>
#include <string>

#include "support/Files.h"

namespace bench {

constexpr const char* kSelect = "Select * From T_PuntLlum Order By NumPuntLlum";

class BenchDatabase {
public:
    explicit BenchDatabase(int rows);
    ~BenchDatabase();

    const std::string& file() const { return file_; }
    std::string connectionString() const { return "Provider=SQLite;Data Source=" + file_; }
    // A raw handle on the same file, for the baselines.
    sqlite3* handle() const { return db_; }

private:
    testsupport::TempDir folder_;
    std::string file_;
    sqlite3* db_ = nullptr;
};

// Runs one statement on a raw handle; aborts on failure.
void Exec(sqlite3* db, const char* sql);

// Points the data access library (Dravik.INI) at that database until the
// program ends or it is pointed at another.
void PointDravikAt(const std::string& connectionString);
// The file a SQLite connection string names.
std::string SqliteFile(const std::string& connectionString);

// The `Database` made for `size` (once, at its first use), with
// the data access library pointed at it: for the benchmarks that run on
// databases of several sizes through every tier.
template <class Database>
const Database& Activate(int size) {
    static std::map<int, std::unique_ptr<Database>> made;
    std::unique_ptr<Database>& database = made[size];
    if (!database) database = std::make_unique<Database>(size);
    PointDravikAt(database->connectionString());
    return *database;
}

}  // namespace bench
