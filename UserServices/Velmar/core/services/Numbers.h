// Numbers as the user's language writes them: shown with the decimal
// separator of the session's language (a comma in Català and Castellano, a
// point in English) and no thousands separator, and read back from what a
// person types in that language, thousands separators included. A text is
// read as a value of a numeric field only when it stands for exactly that
// value: never a number near it, never a text cut where a character of
// another language stops it ("150,5" is no 1505 in English).
#pragma once

#include <QString>

#include "Ado/Field.h"
#include "Com/Variant.h"

namespace velmar {

// Whether a field holds numbers: whole ones or with decimals.
bool IsNumeric(const ado::FieldInfo& field);

// A number in the session's language; any other value as its own text, a
// Null or Empty as none.
QString FormatNumber(const com::Variant& value);

// What a text typed into a numeric field reads as.
enum class ParseOutcome {
    Valor,      // a value of the field
    NoNumero,   // not a number in the session's language
    NoEnter,    // a number with a fraction, for a field of whole numbers
    NoHiCap,    // a number beyond what the field holds
};

struct ParsedNumber {
    ParseOutcome lectura;
    com::Variant valor;  // the value as the field holds it, when it is one
};

// The value of `field` that `text` stands for in the session's language;
// blanks around it are no part of it. A text of blanks is no number.
ParsedNumber ParseFieldNumber(const QString& text, const ado::FieldInfo& field);

// The code of the window's message for a text that is no value: its text
// names the field with %1.
const char* MessageCode(ParseOutcome lectura);

}  // namespace velmar
