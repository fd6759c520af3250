// Column types of PostgreSQL: the type of a result column decides the type a
// field reports and the value each of its values (in text form) becomes.
#pragma once

#include <libpq-fe.h>

#include <span>
#include <string>
#include <vector>

#include "Ado/Cell.h"
#include "Ado/Field.h"
#include "Com/Variant.h"

namespace ado {

// Type, defined size, precision and scale of a column of type `type` with
// modifier `modifier` (the n of varchar(n), the p and s of numeric(p,s)).
void PostgresColumnType(Oid type, int modifier, FieldInfo& field);

// A value in PostgreSQL's text form as a value of `type`.
Cell PostgresValue(const char* text, int length, DataType type);

// Parameters in PostgreSQL's text form; Null (and Empty) has no text.
class PostgresParams {
public:
    explicit PostgresParams(std::span<const com::Variant> params);
    int count() const { return static_cast<int>(pointers_.size()); }
    const char* const* values() const { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<const char*> pointers_;
};

}  // namespace ado
