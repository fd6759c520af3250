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
// collation first, then one CREATE TABLE per table, on PostgreSQL the
// foreign keys, then the indexes (one on every reference column and one
// per index(...)). Names are plain on SQLite and double-quoted in their
// declared case on PostgreSQL. SQLite columns check that a value fits their
// type and length, which PostgreSQL's types do themselves. A reference is
// a foreign key to the key of its table, checked at each statement, whose
// rows go with the row they name when it is declared "cascade"; SQLite
// checks it on connections that turn foreign keys on, as the data layer's
// do.
std::vector<std::string> CreateStatements(const std::vector<TableDescription>& tables,
                                          ado::Provider provider);

}  // namespace database
