// Writes the pending changes of a recordset to its tables.
#pragma once

#include "Ado/Connection.h"
#include "Ado/RecordsetData.h"

namespace ado {

// Applies every pending insert, update and delete of `data` on `connection`
// in the order the rows stand, all or nothing (see Recordset::UpdateBatch).
//
// The text the rows came from was sent by a client: every table and column
// it names is checked against the database's own catalogue and quoted, every
// value is bound as a parameter, and the key columns are the ones the
// catalogue declares. An update or delete finds its row by the key and the
// original values of the changed columns, texts compared exactly whatever
// the column's collation and dates by the instant they name however SQLite
// spells them; a table whose key the recordset lacks is matched
// on all its original values, which must find exactly one row. Every value
// written must fit its column's declared type and length (CoerceToField),
// else err::TypeMismatch. Every statement is made before the first is sent,
// and they go together (Connection::ExecuteBatch), each row's count checked
// in order. On success the changes are no longer pending and added rows
// hold the keys the database gave them; on failure `data` is left as it was.
void ApplyBatch(Connection& connection, RecordsetData& data);

}  // namespace ado
