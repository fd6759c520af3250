// Recordsets opened from queries, saved as text, read back and written to
// the database with their pending changes, on every engine.
#include <functional>

#include "RecordsetTestSupport.h"

namespace adotest {
namespace {

using ado::Recordset;
namespace err = ado::err;

constexpr const char* kClients = "Select * From T_Client Order By NumClient";

class BatchUpdate : public ConnectionTest {
protected:
    // Three clients, keys 1 .. 3.
    void SetUp() override {
        ConnectionTest::SetUp();
        createTables();
        connection_->Execute(
            "Insert Into T_Client (NomClient, Saldo, Alta, Actiu, Pes) Values "
            "('Anna', 10.25, '2024-01-05 10:00:00', True, 1.5), "
            "('Bernat', NULL, NULL, False, NULL), ('Carme', 0, '2023-12-31 23:59:59', True, 0.1)");
    }

    Recordset clients() {
        Recordset rs;
        rs.Open(kClients, connection_);
        return rs;
    }

    // The names of the clients in the database, in key order.
    std::string names(ado::Connection& c) {
        std::string out;
        for (const auto& row : c.Query("Select NomClient From T_Client Order By NumClient").rows)
            out += (out.empty() ? "" : " ") + row.at(0).toString();
        return out;
    }
    std::string names() { return names(*connection_); }

    // Updates Anna, deletes Bernat, adds Dolors.
    static void Edit(Recordset& rs) {
        rs.MoveFirst();
        rs.SetValue("NomClient", "Anna's \"own\" & <tagged>\r\nname");
        rs.SetValue("Saldo", 12.5);
        rs.MoveNext();
        rs.Delete();
        rs.AddNew();
        rs.SetValue("NomClient", "Dolors");
        rs.SetValue("Alta", com::Date::FromParts(2024, 2, 29, 8, 30));
        rs.SetValue("Actiu", true);
        rs.SetValue("Pes", 0.1);
        rs.Update();
    }
};

TEST_P(BatchUpdate, QueryEditTextBackAndSaveGivesTheSameRows) {
    Recordset rs = clients();
    const ado::FieldInfo& key = rs.Field(0);
    EXPECT_EQ(key.baseTable, "T_Client");
    EXPECT_TRUE(key.keyColumn);
    EXPECT_TRUE(key.autoIncrement);
    Edit(rs);

    Recordset sent = Recordset::FromXml(rs.ToXml());
    sent.UpdateBatch(*connection_);
    EXPECT_EQ(names(), "Anna's \"own\" & <tagged>\r\nname Carme Dolors");
    sent.MoveLast();
    EXPECT_GT(sent.Value("NumClient").toLong(), 3);  // the key the database gave

    // Nothing is pending any more, and what the database holds now reads
    // back as exactly the saved recordset.
    EXPECT_EQ(sent.ToXml(), clients().ToXml());
    sent.UpdateBatch(*connection_);
    EXPECT_EQ(count("T_Client"), 3);
}

TEST_P(BatchUpdate, ARowChangedMeanwhileIsAConflictAndNothingIsWritten) {
    struct Case {
        const char* meanwhile;
        bool conflict;
    };
    const Case cases[] = {
        {"Update T_Client Set NomClient = 'Carme B' Where NumClient = 3", true},
        {"Update T_Client Set Saldo = 1 Where NumClient = 3", true},
        {"Delete From T_Client Where NumClient = 3", true},
        {"Delete From T_Client Where NumClient = 2", true},
        // A column the batch does not change is no conflict.
        {"Update T_Client Set Pes = 7 Where NumClient = 3", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meanwhile);
        connection_->Execute("Delete From T_Client");
        connection_->Execute(
            "Insert Into T_Client (NumClient, NomClient, Saldo) Values "
            "(1, 'Anna', 1), (2, 'Bernat', 2), (3, 'Carme', 3)");
        Recordset rs = clients();
        rs.MoveFirst();
        rs.SetValue("NomClient", "Anna 2");  // written first
        rs.MoveNext();
        rs.Delete();
        rs.AddNew();
        rs.SetValue("NomClient", "Dolors");
        rs.MoveFirst();
        rs.Move(1);
        rs.SetValue("NomClient", "Carme 2");  // Carme, the last row read
        rs.SetValue("Saldo", 30);
        rs.Update();
        const std::string pending = rs.ToXml();

        another()->Execute(c.meanwhile);
        const std::string before = names();
        if (!c.conflict) {
            rs.UpdateBatch(*connection_);
            EXPECT_EQ(names(), "Anna 2 Carme 2 Dolors");
            continue;
        }
        try {
            rs.UpdateBatch(*connection_);
            ADD_FAILURE() << "no conflict";
        } catch (const com::ComError& e) {
            EXPECT_EQ(e.number(), err::UpdateConflict);
            EXPECT_NE(std::string(e.what()).find("T_Client"), std::string::npos) << e.what();
        }
        EXPECT_EQ(names(), before);
        EXPECT_EQ(rs.ToXml(), pending);  // the changes are still pending
        EXPECT_EQ(connection_->TransactionLevel(), 0);
    }
}

TEST_P(BatchUpdate, InsideTheCallersTransactionItIsOneLevelOfIt) {
    Recordset failing = clients();
    failing.MoveFirst();
    failing.SetValue("NomClient", "Anna 2");  // written, then undone
    failing.MoveLast();
    failing.SetValue("NomClient", "Carme 2");  // the conflict
    failing.Update();
    another()->Execute("Update T_Client Set NomClient = 'Carme B' Where NumClient = 3");

    EXPECT_EQ(connection_->BeginTrans(), 1);
    connection_->Execute("Insert Into T_Client (NomClient) Values ('Outer')");
    EXPECT_EQ(ErrorOf([&] { failing.UpdateBatch(*connection_); }), err::UpdateConflict);
    EXPECT_EQ(connection_->TransactionLevel(), 1);
    EXPECT_EQ(names(), "Anna Bernat Carme B Outer");  // the caller's work stands

    Recordset saved = clients();
    saved.MoveFirst();
    saved.Delete();
    saved.UpdateBatch(*connection_);
    EXPECT_EQ(connection_->TransactionLevel(), 1);
    EXPECT_EQ(names(), "Bernat Carme B Outer");
    connection_->RollbackTrans();
    EXPECT_EQ(names(), "Anna Bernat Carme B");
}

TEST_P(BatchUpdate, NamesInTheTextAreCheckedAndValuesNeverPastedIntoSql) {
    Recordset rs = clients();
    rs.MoveFirst();
    rs.SetValue("NomClient", "x'); Delete From T_Client; --");
    rs.Update();
    const std::string text = rs.ToXml();
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        for (size_t at = t.find(from); at != std::string::npos; at = t.find(from, at + to.size()))
            t.replace(at, from.size(), to);
        return t;
    };
    const std::string refused[] = {
        replaced("rs:basetable='T_Client'", "rs:basetable='T_Nope'"),
        replaced("rs:basecolumn='NomClient'", "rs:basecolumn='NomClient&quot; = 1 --'"),
        replaced("rs:basetable='T_Client'", "rs:basetable='T_Client; Delete From T_Client'"),
    };
    for (const std::string& tampered : refused) {
        Recordset sent = Recordset::FromXml(tampered);
        EXPECT_EQ(ErrorOf([&] { sent.UpdateBatch(*connection_); }), err::DatabaseError);
        EXPECT_EQ(names(), "Anna Bernat Carme");
    }
    Recordset sent = Recordset::FromXml(text);
    sent.UpdateBatch(*connection_);
    EXPECT_EQ(names(), "x'); Delete From T_Client; -- Bernat Carme");
}

TEST_P(BatchUpdate, TheKeyIsTheOneTheCatalogueDeclares) {
    // The text claims NomClient is the key; two clients share a name.
    connection_->Execute("Update T_Client Set NomClient = 'Same', Saldo = 1");
    Recordset rs = clients();
    rs.MoveFirst();
    rs.SetValue("Pes", 9);
    rs.Update();
    std::string text = rs.ToXml();
    text.replace(text.find(" rs:keycolumn='true'"), 20, "");
    text.replace(text.find("rs:basecolumn='NomClient'"), 25, "rs:basecolumn='NomClient' rs:keycolumn='true'");
    Recordset::FromXml(text).UpdateBatch(*connection_);
    EXPECT_EQ(connection_->Query("Select Count(*) From T_Client Where Pes = 9").rows[0][0], Variant(1));
}

TEST_P(BatchUpdate, ATableWithoutKeyMustMatchExactlyOneRow) {
    connection_->Execute("Create Table T_Nota (Text VARCHAR(20), Num INTEGER)");
    connection_->Execute("Insert Into T_Nota Values ('a', 1), ('a', 1), ('b', 2)");
    auto notes = [&] {
        std::string out;
        for (const auto& row : connection_->Query("Select Text, Num From T_Nota Order By Text, Num").rows)
            out += row[0].toString() + row[1].toString() + " ";
        return out;
    };
    Recordset rs;
    rs.Open("Select * From T_Nota Order By Text", connection_);
    rs.MoveLast();
    rs.SetValue("Num", 3);
    rs.UpdateBatch(*connection_);
    EXPECT_EQ(notes(), "a1 a1 b3 ");

    rs.MoveFirst();
    rs.SetValue("Num", 5);
    EXPECT_EQ(ErrorOf([&] { rs.UpdateBatch(*connection_); }), err::DatabaseError);
    rs.CancelUpdate();
    rs.Delete();
    EXPECT_EQ(ErrorOf([&] { rs.UpdateBatch(*connection_); }), err::DatabaseError);
    EXPECT_EQ(notes(), "a1 a1 b3 ");
}

TEST_P(BatchUpdate, AJoinedLookupTakesNoNewRows) {
    connection_->Execute("Insert Into T_Projecte (NomProjecte, NumClient) Values ('P1', 1)");
    Recordset rs;
    rs.Open("Select T_Projecte.*, T_Client.NomClient From T_Projecte Inner Join T_Client "
            "On T_Projecte.NumClient = T_Client.NumClient",
            connection_);
    EXPECT_EQ(rs.Field(3).baseTable, "T_Client");
    rs.AddNew();
    rs.SetValue("NomProjecte", "P2");
    rs.SetValue("NumClient", 2);
    rs.SetValue("NomClient", "Bernat");
    rs.UpdateBatch(*connection_);
    EXPECT_EQ(count("T_Projecte"), 2);
    EXPECT_EQ(count("T_Client"), 3);
}

TEST_P(BatchUpdate, OpensOnAConnectionStringAndRefusesClosedConnections) {
    Recordset rs;
    rs.Open("Select * From T_Client Where False", database_->connectionString());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(rs.FieldCount(), 6);
    EXPECT_TRUE(rs.ToXml().ends_with("</s:Schema>\n<rs:data>\n</rs:data>\n</xml>"));

    EXPECT_EQ(ErrorOf([&] { rs.Open("Select * From T_Nope", database_->connectionString()); }),
              err::DatabaseError);
    rs.AddNew();
    rs.SetValue("NomClient", "Dolors");
    rs.Update();
    ado::Connection closed;
    EXPECT_EQ(ErrorOf([&] { rs.UpdateBatch(closed); }), err::ObjectClosed);
    EXPECT_EQ(ErrorOf([&] { rs.Open(kClients, ado::ConnectionRef()); }), err::ObjectClosed);
}

TEST_P(BatchUpdate, ComputedColumnsGetAnAttributeNameOfTheirOwn) {
    Recordset rs;
    rs.Open("Select Count(*), Max(NomClient) As \"Last name\", 1 As c0 From T_Client", connection_);
    const std::string text = rs.ToXml();
    Recordset back = Recordset::FromXml(text);
    ASSERT_EQ(back.FieldCount(), 3);
    for (int32_t f = 0; f < 3; ++f) {
        EXPECT_EQ(back.Field(f).name, rs.Field(f).name);
        EXPECT_EQ(back.Value(f), rs.Value(f));
    }
    EXPECT_EQ(back.Value("Last name"), Variant("Carme"));
    EXPECT_EQ(back.Value(0), Variant(3));
}

INSTANTIATE_TEST_SUITE_P(Engines, BatchUpdate, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace adotest
