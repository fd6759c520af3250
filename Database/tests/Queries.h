// The rows of a query in the forms the database tests compare.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Ado/Connection.h"

namespace database {

using Texts = std::vector<std::string>;

// The first column of every row, as text.
inline Texts FirstColumn(ado::Connection& c, const std::string& sql) {
    Texts values;
    for (const auto& row : c.Query(sql).rows) values.push_back(row.at(0).toString());
    return values;
}

// The one value of a query such as "Select Count(*) From ...".
inline int64_t Count(ado::Connection& c, const std::string& sql) { return c.Query(sql).rows.at(0).at(0).toLong(); }

}  // namespace database
