#include "SampleDatabase.h"

#include "Ado/Connection.h"
#include "DatabaseSetup.h"

namespace testsupport {

std::unique_ptr<TestDatabase> SampleDatabase(Engine engine, bool withSeed) {
    auto db = std::make_unique<TestDatabase>(engine);
    ado::Connection connection;
    connection.Open(db->connectionString());
    database::CreateDatabase(connection, withSeed);
    connection.Close();
    return db;
}

}  // namespace testsupport
