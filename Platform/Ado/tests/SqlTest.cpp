// Reading SQL text: where the first statement ends, what the entity layer's
// shapes become, and the names PostgreSQL is given.
#include <gtest/gtest.h>

#include "Ado/AdoError.h"
#include "Ado/PostgresSql.h"
#include "Ado/Sql.h"
#include "Com/ComError.h"

namespace {

using ado::sql::Dialect;
using ado::sql::SingleStatement;

TEST(SqlSingleStatement, CutsTheClosingSemicolonAndRewritesDeleteStar) {
    const struct {
        const char* sql;
        const char* statement;
    } cases[] = {
        {"Delete * From T_Zona Where NumZona = 5", "Delete   From T_Zona Where NumZona = 5"},
        {"delete*from T", "delete from T"},
        {"Delete /* all */ * From T", "Delete /* all */   From T"},
        {"Select * From T;", "Select * From T"},
        {"Select 'a;b' From T ; -- end", "Select 'a;b' From T "},
        {"Select Count(*) From T /* ; */ ;; ", "Select Count(*) From T /* ; */ "},
        {"Select \"a;b\" From T", "Select \"a;b\" From T"},
        {"Select 'it''s; fine'", "Select 'it''s; fine'"},
        {"Select * From T Where a = 2 * 3", "Select * From T Where a = 2 * 3"},
    };
    for (const auto& c : cases)
        for (const Dialect d : {Dialect::SQLite, Dialect::PostgreSQL})
            EXPECT_EQ(SingleStatement(c.sql, d), c.statement) << c.sql;
}

TEST(SqlSingleStatement, RefusesASecondStatementAndAnEmptyText) {
    const struct {
        const char* sql;
        Dialect dialect;
    } cases[] = {
        {"Select 1; Delete From T", Dialect::SQLite},
        {"Select 1 -- x\n; Delete From T", Dialect::SQLite},
        {"Select 1; /* c */ x", Dialect::PostgreSQL},
        // Backslash escapes in E'..': the quote after the backslash does not end it.
        {"Select E'\\''; Delete From T; --'", Dialect::PostgreSQL},
        // PostgreSQL's block comments nest.
        {"Select 1 /* a /* b */ ; */; Delete From T", Dialect::PostgreSQL},
        {"Select $$;$$; Delete From T", Dialect::PostgreSQL},
        {"Select [a;b]; Delete From T", Dialect::SQLite},
        {"", Dialect::SQLite},
        {" ; -- nothing", Dialect::PostgreSQL},
    };
    for (const auto& c : cases) {
        try {
            SingleStatement(c.sql, c.dialect);
            ADD_FAILURE() << "accepted: " << c.sql;
        } catch (const com::ComError& e) {
            EXPECT_EQ(e.number(), ado::err::DatabaseError) << c.sql;
        }
    }
    // The same literals and comments hide a semicolon.
    EXPECT_EQ(SingleStatement("Select $x$;'$x$ -- ;", Dialect::PostgreSQL), "Select $x$;'$x$ -- ;");
    EXPECT_EQ(SingleStatement("Select [a;b]", Dialect::SQLite), "Select [a;b]");
    EXPECT_EQ(SingleStatement("Select 1 /* a /* b */ ; */", Dialect::PostgreSQL),
              "Select 1 /* a /* b */ ; */");
}

TEST(PostgresRewrite, QuotesDeclaredNamesAndNumbersParameters) {
    const ado::DeclaredNames names = {
        {"t_client", "T_Client"}, {"numclient", "NumClient"}, {"nomclient", "NomClient"}};
    const struct {
        const char* sql;
        const char* expected;
        int parameters;
    } cases[] = {
        {"Select * From T_Client Where NumClient = ? And NomClient = 'T_Client ?'",
         "Select * From \"T_Client\" Where \"NumClient\" = $1 And \"NomClient\" = 'T_Client ?'", 1},
        {"select t_client.* from t_client, \"T_Client\" x where numClient=?-?",
         "select \"T_Client\".* from \"T_Client\", \"T_Client\" x where \"NumClient\"=$1-$2", 2},
        {"Select E'it\\'s NumClient', $$NomClient$$ -- NumClient\n From T_Client",
         "Select E'it\\'s NumClient', $$NomClient$$ -- NumClient\n From \"T_Client\"", 0},
        {"Select NumClient2, Count(*) From other", "Select NumClient2, Count(*) From other", 0},
    };
    for (const auto& c : cases) {
        const ado::PostgresStatement pg = ado::RewriteForPostgres(c.sql, names);
        EXPECT_EQ(pg.text, c.expected);
        EXPECT_EQ(pg.parameters, c.parameters) << c.sql;
        EXPECT_FALSE(pg.changesSchema) << c.sql;
    }
    EXPECT_TRUE(ado::RewriteForPostgres(" create table x (a int)", names).changesSchema);
    EXPECT_TRUE(ado::RewriteForPostgres("Alter Table T_Client Add b int", names).changesSchema);
}

}  // namespace
