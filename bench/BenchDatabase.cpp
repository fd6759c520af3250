#include "BenchDatabase.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

#include "Profile/PrivateProfile.h"
#include "support/DravikSettings.h"

namespace bench {

void Exec(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, message);
        std::abort();
    }
}

BenchDatabase::BenchDatabase(int rows) : file_(folder_.file("bench.db")) {
    sqlite3_open(file_.c_str(), &db_);
    Exec(db_, "PRAGMA journal_mode=WAL");
    Exec(db_,
         "CREATE TABLE T_PuntLlum (NumPuntLlum INTEGER PRIMARY KEY AUTOINCREMENT, "
         "CodPuntLlum VARCHAR(20) NOT NULL, NumEscomesa INTEGER, NumCarrer INTEGER, "
         "NumeroPostal VARCHAR(10), AlcadaSuport DOUBLE, PotenciaLampada INTEGER, EnServei BOOLEAN, "
         "DataInstalacio TIMESTAMP, Observacions VARCHAR(255))");
    Exec(db_, "BEGIN");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db_, "INSERT INTO T_PuntLlum VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    char text[96];
    for (int i = 1; i <= rows; ++i) {
        sqlite3_bind_int(insert, 1, i);
        std::snprintf(text, sizeof text, "PL-%06d", i);
        sqlite3_bind_text(insert, 2, text, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 3, 1 + i / 40);
        sqlite3_bind_int(insert, 4, 1 + i % 400);
        std::snprintf(text, sizeof text, "%d", 1 + i % 180);
        sqlite3_bind_text(insert, 5, text, -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(insert, 6, 6 + (i % 40) * 0.25);
        sqlite3_bind_int(insert, 7, 70 + (i % 5) * 50);
        sqlite3_bind_int(insert, 8, i % 3 != 0);
        std::snprintf(text, sizeof text, "20%02d-%02d-%02d %02d:%02d:00", 10 + i % 15, 1 + i % 12,
                      1 + i % 28, i % 24, i % 60);
        sqlite3_bind_text(insert, 9, text, -1, SQLITE_TRANSIENT);
        if (i % 4 == 0) {
            sqlite3_bind_null(insert, 10);
        } else {
            std::snprintf(text, sizeof text, "Revisat el %d; suport & lluminària en bon estat", i % 31);
            sqlite3_bind_text(insert, 10, text, -1, SQLITE_TRANSIENT);
        }
        if (sqlite3_step(insert) != SQLITE_DONE) std::abort();
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    Exec(db_, "COMMIT");
}

BenchDatabase::~BenchDatabase() { sqlite3_close(db_); }

void PointDravikAt(const std::string& connectionString) {
    static testsupport::ScopedFile dravikIni(testsupport::DravikIni(), std::nullopt);
    static std::string pointedAt;
    if (connectionString == pointedAt) return;
    dravikIni.replace(testsupport::DravikSettings(connectionString));
    pointedAt = connectionString;
    // A settings file changed lately is read again at every call until it
    // has been left alone for a while; a program's settings were written
    // long before it runs.
    std::this_thread::sleep_for(profile::kSettleTime + std::chrono::milliseconds(100));
}

std::string SqliteFile(const std::string& connectionString) {
    const std::string key = "Data Source=";
    return connectionString.substr(connectionString.find(key) + key.size());
}

}  // namespace bench
