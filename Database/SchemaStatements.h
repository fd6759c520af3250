// The statements that create the described tables on one engine.
#pragma once

#include <string>
#include <vector>

#include "Ado/Connection.h"
#include "SchemaDescription.h"

namespace database {

// The collation that PostgreSQL text columns use: equal and ordered
// without regard to letter case (SQLite columns use NOCASE).
inline constexpr const char* kCaseInsensitiveCollation = "inventari_nocase";

// Every statement that creates the schema, in order: on PostgreSQL the
// collation first, then one CREATE TABLE per table. Names are plain on
// SQLite and double-quoted in their declared case on PostgreSQL. SQLite
// columns check that a value fits their type and length, which PostgreSQL's
// types do themselves.
std::vector<std::string> CreateStatements(const std::vector<TableDescription>& tables,
                                          ado::Provider provider);

}  // namespace database
