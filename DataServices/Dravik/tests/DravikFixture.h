// What the tests of clsBD share: a database of the test's own on the engine
// under test, "Dravik.INI" pointing at it, a collector of the test's own,
// and short ways to call clsBD by name and look at the database.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Ado/Connection.h"
#include "Ado/Recordset.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/Files.h"
#include "support/TestDatabase.h"
#include "support/TrailOf.h"

namespace dravik::test {

using testsupport::DravikIni;

// "\rDravik - clsBD - <operation>" for each operation, in order.
inline std::string Trail(std::initializer_list<const char*> operations) {
    return testsupport::TrailOf({base::label::Dravik, "clsBD"}, operations);
}

inline ado::ConnectionRef AsConnection(const com::ObjectRef& object) {
    return std::dynamic_pointer_cast<ado::Connection>(object);
}

// A new clsBD, on the transaction `connection` when one is given.
inline com::ObjectRef NewBD(const com::ObjectRef& connection = nullptr) {
    com::ObjectRef bd = com::CreateObject("Dravik.clsBD");
    if (connection) com::Set(bd, "IdTransaccio", connection);
    return bd;
}
inline int32_t NumError(const com::ObjectRef& bd) { return com::Get(bd, "NumError").toLong(); }
inline std::string UbicacioError(const com::ObjectRef& bd) { return com::Get(bd, "UbicacioError").toString(); }

class DravikTest : public testing::TestWithParam<testsupport::Engine> {
protected:
    void SetUp() override {
        Run("Create Table T_Prova (Num Integer Primary Key, Nom Varchar(50))");
    }

    // A connection of the test, outside the component under test.
    ado::ConnectionRef Open() const {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(db_.connectionString());
        return connection;
    }
    void Run(const std::string& sql) const { Open()->Execute(sql); }
    // Committed rows of T_Prova that `where` selects.
    int32_t Count(const std::string& where = "1 = 1") const {
        return Open()->Query("Select Count(*) From T_Prova Where " + where).rows.at(0).at(0).toLong();
    }
    // A change set that adds the row (num, name) to T_Prova.
    std::string Adding(int32_t num, const std::string& name) const {
        ado::Recordset rows;
        rows.Open("Select * From T_Prova Where Num = -1", Open());
        rows.AddNew();
        rows.SetValue("Num", com::Variant(num));
        rows.SetValue("Nom", com::Variant(name));
        rows.Update();
        return rows.ToXml();
    }

    testsupport::CollectorSandbox collector_;
    testsupport::TestDatabase db_{GetParam()};
    testsupport::ScopedFile settings_{DravikIni(), testsupport::DravikSettings(db_.connectionString())};
};

}  // namespace dravik::test
