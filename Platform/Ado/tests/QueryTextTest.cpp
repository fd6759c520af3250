// The text of a query written as the rows come is the text of a recordset
// opened on the same query.
#include "Ado/QueryText.h"
#include "Ado/Recordset.h"
#include "ConnectionFixture.h"

namespace adotest {
namespace {

using QueryText = ConnectionTest;

std::string RecordsetText(const std::shared_ptr<ado::Connection>& connection, const std::string& sql) {
    ado::Recordset rs;
    rs.Open(sql, connection);
    return rs.ToXml();
}

TEST_P(QueryText, IsTheTextOfARecordsetOfTheSameQuery) {
    createTables();
    // Enough rows for a text of several megabytes, written in place.
    connection_->Execute(
        "With Recursive n(i) As (Select 1 Union All Select i + 1 From n Where i < 20000) "
        "Insert Into T_Client (NomClient, Saldo, Alta, Actiu, Pes) "
        "Select 'client ' || i, Case When i % 3 = 0 Then i + 0.25 End, '2024-02-29 08:30:00', "
        "True, 0.5 From n");
    const std::string queries[] = {
        "Select * From T_Client Order By NumClient",
        "Select * From T_Client Where False",
        // Computed columns: on SQLite the type of S comes from its first
        // value that is not Null, after the rows where it is Null.
        "Select NumClient, Saldo + 0 As S, NomClient || '&<' As N From T_Client Order By Saldo Desc",
        "Select Count(*) From T_Client",
        // A text of tens of megabytes, past the room a text is written in
        // place and so moved, while it grows, to pages of its own.
        "Select NumClient, NomClient || '" + std::string(2000, 'x') + "' As Llarg From T_Client",
    };
    for (const std::string& sql : queries) {
        SCOPED_TRACE(sql);
        const std::string text = ado::QueryToXml(*connection_, sql);
        EXPECT_EQ(text, RecordsetText(connection_, sql));
    }
    EXPECT_GT(ado::QueryToXml(*connection_, queries[0]).size(), 2u << 20);
    EXPECT_GT(ado::QueryToXml(*connection_, queries[4]).size(), 32u << 20);
}

INSTANTIATE_TEST_SUITE_P(Engines, QueryText, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace adotest
