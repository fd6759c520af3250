// A connection to a fresh database on one engine, for the tests of the
// data layer's connection.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Ado/AdoError.h"
#include "Ado/Connection.h"
#include "Com/ComError.h"
#include "support/ErrorOf.h"
#include "support/TestDatabase.h"

namespace adotest {

using com::Variant;
using testsupport::Engine;

using testsupport::ErrorOf;

class ConnectionTest : public testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        database_ = std::make_unique<testsupport::TestDatabase>(GetParam());
        connection_->Open(database_->connectionString());
    }

    // Clients, projects and the projects of each user, declared with quoted
    // mixed-case names as the schema does.
    void createTables() {
        const std::string key = database_->autoNumberKey();
        connection_->Execute("CREATE TABLE \"T_Client\" (\"NumClient\" " + key +
                             ", \"NomClient\" VARCHAR(50) NOT NULL, \"Saldo\" NUMERIC(10,2), "
                             "\"Alta\" TIMESTAMP, \"Actiu\" BOOLEAN, \"Pes\" DOUBLE PRECISION)");
        connection_->Execute("CREATE TABLE \"T_Projecte\" (\"NumProjecte\" " + key +
                             ", \"NomProjecte\" VARCHAR(40), \"NumClient\" INTEGER)");
        connection_->Execute(
            "CREATE TABLE \"T_UsuariProjecte\" (\"NumUsuari\" INTEGER NOT NULL, "
            "\"NumProjecte\" INTEGER NOT NULL, PRIMARY KEY (\"NumUsuari\", \"NumProjecte\"))");
    }

    // A second connection to the same database.
    std::unique_ptr<ado::Connection> another() const {
        auto c = std::make_unique<ado::Connection>();
        c->Open(database_->connectionString());
        return c;
    }

    int32_t count(ado::Connection& c, const std::string& table) {
        return c.Query("Select Count(*) From " + table).rows.at(0).at(0).toLong();
    }
    int32_t count(const std::string& table) { return count(*connection_, table); }

    std::unique_ptr<testsupport::TestDatabase> database_;
    std::shared_ptr<ado::Connection> connection_ = std::make_shared<ado::Connection>();
};

}  // namespace adotest
