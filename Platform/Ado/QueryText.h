// A query's rows as rowset XML text, written as the engine reads them.
#pragma once

#include <string>
#include <string_view>

#include "Ado/Connection.h"

namespace ado {

// The text a recordset opened on `sql` would write (Recordset::ToXml), with
// no recordset made: each row is written as it comes and let go.
std::string QueryToXml(Connection& connection, std::string_view sql);

}  // namespace ado
