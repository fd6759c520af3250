// Error numbers of the data layer. Every failure is raised as a
// com::ComError carrying one of these numbers and a message; for database
// failures the message keeps the engine's own text for the log.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
// A value that a field, or the column a batch update writes it to, cannot
// hold as it is: of another type, out of its range (also NaN), a date the
// calendar lacks, or a text longer than the defined size.
constexpr int32_t TypeMismatch = 3421;
// Recordset text that is not a readable rowset document, or not well-formed
// XML at all (invalid UTF-8, an undefined entity, an attribute given twice).
constexpr int32_t InvalidXml = 3709;
// A row changed or deleted by someone else since it was read: the batch
// update writes nothing. Also any statement that a foreign key refuses: a
// row written under one that is gone, or a delete of one that others still
// name.
constexpr int32_t UpdateConflict = -2147217864;
// Any failure reported by the database engine (connect, syntax,
// constraint), SQL refused before it reaches the engine (more than one
// statement, a name the catalogue does not know), and a commit or rollback
// with no transaction open.
constexpr int32_t DatabaseError = -2147467259;

// What a database failure was, as its SQLSTATE says: PostgreSQL's own, and
// for SQLite the state of the same condition where a person can do
// something about it. The message of the failure ends with " [SQLSTATE
// xxxxx]" (before what is added to it later), so that the state travels
// with the message wherever the message goes, and whoever shows the
// failure can say what happened in the user's language.
namespace state {
inline constexpr std::string_view LockNotAvailable = "55P03";  // another session held it too long
inline constexpr std::string_view DeadlockDetected = "40P01";
inline constexpr std::string_view DiskFull = "53100";
}  // namespace state

inline std::string WithState(std::string message, std::string_view sqlState) {
    if (!sqlState.empty()) message.append(" [SQLSTATE ").append(sqlState).append("]");
    return message;
}

// The SQLSTATE that a failure's message carries; empty when it has none.
inline std::string_view StateOf(std::string_view message) {
    constexpr std::string_view kTag = "[SQLSTATE ";
    const size_t at = message.rfind(kTag);
    if (at == std::string_view::npos || message.size() < at + kTag.size() + 6 ||
        message[at + kTag.size() + 5] != ']')
        return {};
    return message.substr(at + kTag.size(), 5);
}

}  // namespace ado::err
