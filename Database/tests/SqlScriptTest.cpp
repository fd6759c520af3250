#include <gtest/gtest.h>

#include "SqlScript.h"

namespace database {
namespace {

using Statements = std::vector<std::string>;

TEST(SqlScript, CutsAtSemicolonsOutsideQuotesAndComments) {
    struct Case {
        const char* script;
        Statements statements;
    };
    const Case cases[] = {
        {"", {}},
        {" ;\n; -- only a comment\n", {}},
        {"SELECT 1;SELECT 2", {"SELECT 1", "SELECT 2"}},
        {"INSERT INTO T VALUES ('a;b', 'it''s; ok');\n", {"INSERT INTO T VALUES ('a;b', 'it''s; ok')"}},
        {"INSERT INTO T VALUES ('-- not a comment');", {"INSERT INTO T VALUES ('-- not a comment')"}},
        {"SELECT \"a;b\" FROM T;", {"SELECT \"a;b\" FROM T"}},
        {"-- heading; with a semicolon\nSELECT 1; -- after\nSELECT 2 -- last line, no newline",
         {"SELECT 1", "SELECT 2"}},
        {"INSERT INTO T VALUES\n  (1), -- first row; noted\n  (2);", {"INSERT INTO T VALUES\n  (1), \n  (2)"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitStatements(c.script), c.statements) << c.script;
}

TEST(SqlScript, RefusesAQuoteLeftOpen) {
    EXPECT_THROW(SplitStatements("INSERT INTO T VALUES ('open);"), std::runtime_error);
    EXPECT_THROW(SplitStatements("SELECT \"open FROM T;"), std::runtime_error);
}

}  // namespace
}  // namespace database
