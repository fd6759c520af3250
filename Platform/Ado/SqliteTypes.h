// Column types of SQLite: the declared type of a column decides the type a
// field reports and the value each of its values becomes.
#pragma once

#include <sqlite3.h>

#include <span>

#include "Ado/Cell.h"
#include "Ado/Field.h"
#include "Com/Variant.h"

namespace ado {

// Type, defined size, precision and scale that a declared type such as
// "VARCHAR(50)", "NUMERIC(10,2)", "DATETIME" or "INTEGER" stands for.
// Returns false for an empty declaration (a computed column, or a column
// declared without a type): its values then keep the type they are stored in.
bool SqliteDeclaredType(const char* declared, FieldInfo& field);

// The type that a value stored as `storageClass` (SQLITE_INTEGER ..) reports.
DataType SqliteStoredType(int storageClass);

// Column `column` of the current row of `statement`, as a value of `type`.
// A stored value that does not fit the type (text in an integer column) is
// returned as it is stored.
Cell SqliteValue(sqlite3_stmt* statement, int column, DataType type);

// Binds `params` to the "?" of `statement`, in order; dates as ISO text.
// Returns the SQLite result code of the first failing bind, or SQLITE_OK.
[[nodiscard]] int SqliteBind(sqlite3_stmt* statement, std::span<const com::Variant> params);

}  // namespace ado
