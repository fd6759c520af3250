// What a delete would leave dangling, as Database/schema.txt declares the
// references between tables: the rows of another table that name the row
// and do not go with it. Their rows are counted through the lookup-table
// service, the way the lookup-table editor counts a code's child rows, and
// a window asks before its delete question, so that it can say in words
// why the row stays.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "Ado/Recordset.h"

namespace velmar::references {

// The first table (in the description's order) with rows that name the row
// of `taula` whose key is `clau`, or name a row that would go with it
// (a reference declared "cascade", followed down), and that the database
// would not let go; "" when there is none, or `clau` is Null (a row never
// saved). A failure of the service goes on.
std::string ReferringTable(std::string_view taula, const com::Variant& clau);

// The same for the current row of `rows`, of the table its key column
// comes from; "" for rows of no table the description has.
std::string ReferringTableOfCurrent(const ado::Recordset& rows);

// Every table that those two can give for a row of `taula`, once each.
std::set<std::string> TablesThatMayRefer(std::string_view taula);
// Every table whose rows they read for a row of `taula`, once each: those
// above and the tables of the rows that would go with it on the way.
std::set<std::string> TablesRead(std::string_view taula);

}  // namespace velmar::references
