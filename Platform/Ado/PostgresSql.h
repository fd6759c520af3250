// SQL as the entity layer writes it, made fit for PostgreSQL.
//
// The schema declares its names in mixed case and quoted ("T_Client",
// "NumClient"); the entity layer writes them bare, which PostgreSQL would
// fold to lower case. Outside literals and quoted names, every bare name the
// catalogue knows is therefore written quoted, in its declared spelling; and
// the "?" parameters become PostgreSQL's $1, $2 ...
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace ado {

// Names of the catalogue that PostgreSQL finds only when quoted: lower case
// to declared spelling.
using DeclaredNames = std::unordered_map<std::string, std::string>;

struct PostgresStatement {
    std::string text;
    int parameters = 0;
    bool changesSchema = false;  // Create, Alter or Drop
    // Insert, Update or Delete returning no rows: a statement whose result
    // has no columns, which a table changed since cannot make different.
    bool plainWrite = false;
};

PostgresStatement RewriteForPostgres(std::string_view statement, const DeclaredNames& names);

}  // namespace ado
