// Error numbers of the data layer. Every failure is raised as a
// com::ComError carrying one of these numbers and a message; for database
// failures the message keeps the engine's own text for the log.
#pragma once

#include <cstdint>

namespace ado::err {

// Operation on a closed connection or recordset.
constexpr int32_t ObjectClosed = 3704;
// Open on a connection that is open already.
constexpr int32_t ObjectOpen = 3705;
// Provider named in the connection string is unknown.
constexpr int32_t ProviderNotFound = 3706;
// BOF or EOF: there is no current record.
constexpr int32_t NoCurrentRecord = 3021;
// No field of that name or position.
constexpr int32_t FieldNotFound = 3265;
// A filter criterion that cannot be read, or names an unknown field.
constexpr int32_t InvalidFilter = 3001;
// A value that cannot be stored in the field's type.
constexpr int32_t TypeMismatch = 3421;
// Recordset text that is not a readable rowset document.
constexpr int32_t InvalidXml = 3709;
// A row changed or deleted by someone else since it was read: the batch
// update writes nothing.
constexpr int32_t UpdateConflict = -2147217864;
// Any failure reported by the database engine (connect, syntax,
// constraint), SQL refused before it reaches the engine (more than one
// statement, a name the catalogue does not know), and a commit or rollback
// with no transaction open.
constexpr int32_t DatabaseError = -2147467259;

}  // namespace ado::err
