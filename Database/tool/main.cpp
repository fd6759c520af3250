// inventari-db: makes an inventory database from nothing.
//
//   inventari-db create [--no-seed] <file.db | connection string>
//
// A file path makes a new SQLite file (it must not exist yet); a
// connection string ("Provider=PostgreSQL;Host=...") fills the database it
// names, which must not hold the tables yet. --no-seed leaves every table
// empty: no lookup values, texts, users or sample installation.
#include <cstring>
#include <iostream>

#include "DatabaseSetup.h"

namespace {

int Usage() {
    std::cerr << "usage: inventari-db create [--no-seed] <file.db | connection string>\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::strcmp(argv[1], "create") != 0) return Usage();
    bool withSeed = true;
    int next = 2;
    if (std::strcmp(argv[next], "--no-seed") == 0) {
        withSeed = false;
        ++next;
    }
    if (next != argc - 1) return Usage();
    try {
        database::CreateDatabase(argv[next], withSeed);
    } catch (const std::exception& e) {
        std::cerr << "inventari-db: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
