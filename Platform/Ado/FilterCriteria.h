// The criteria of a recordset filter, as the windows write them:
//   Field = value   with = < > <= >= <>, joined by And and Or (And first)
// A value is a number (blanks and a sign allowed: "NumZona =  5",
// "NumZona = -1 "), 'text' with apostrophes doubled, True or False, or
// #yyyy-mm-dd hh:mm:ss# (the time may be left out). A field name with
// blanks is written between brackets. Keywords and field names are matched
// without regard to case.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Ado/Cell.h"
#include "Ado/Field.h"

namespace ado {

class FilterCriteria {
public:
    // Reads `text` against the fields it may name; each value is converted
    // to its field's type. Raises err::InvalidFilter for a text that cannot
    // be read, an unknown field or a value of the wrong type.
    FilterCriteria(std::string_view text, const std::vector<FieldInfo>& fields);

    const std::string& text() const { return text_; }
    // Whether a row with these values passes. A Null value passes no
    // comparison.
    bool Matches(std::span<const Cell> row) const;

    // When the criteria are one comparison of a field with a number for
    // equality ("NumPuntLlum = 12"), the field and the number: the rows
    // that pass are those whose value is that number.
    struct Equality {
        size_t field;
        double value;
    };
    std::optional<Equality> NumberEquality() const;

private:
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
    struct Comparison {
        size_t field;
        Op op;
        Cell value;
    };
    class Parser;

    std::string text_;
    // Any of these groups passes when all comparisons of the group pass.
    std::vector<std::vector<Comparison>> anyOf_;
};

}  // namespace ado
