// Reading SQL text the way the database engines read it: which parts are
// code, text literals, quoted names and comments. The connection uses it to
// run exactly one statement per call and to accept the SQL of the entity
// layer as written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ado::sql {

// The engines differ in their literals: PostgreSQL has E'..' strings with
// backslash escapes, $tag$..$tag$ strings and nested block comments; SQLite
// also quotes names in [..] and `..`.
enum class Dialect { SQLite, PostgreSQL };

struct Token {
    enum class Kind {
        Word,        // a bare name or keyword
        QuotedName,  // "name" (SQLite also [name] and `name`)
        Text,        // a string literal
        Number,
        Parameter,  // ?
        Symbol,     // any other single character
        Blank,
        Comment,
    };
    Kind kind;
    std::string_view text;

    bool is(Kind k) const { return kind == k; }
    // Blanks and comments carry no meaning.
    bool significant() const { return kind != Kind::Blank && kind != Kind::Comment; }
    bool isSymbol(char c) const { return kind == Kind::Symbol && text.size() == 1 && text[0] == c; }
    bool isWord(std::string_view word) const;
};

std::vector<Token> Tokenize(std::string_view sql, Dialect dialect);

// The first statement of `sql`, ready to run: its closing ";" and what
// follows dropped, "Delete * From" rewritten as "Delete From". Raises
// DatabaseError when anything but blanks, comments and semicolons follows the
// first statement (no second statement ever runs), or when there is no
// statement at all.
std::string SingleStatement(std::string_view sql, Dialect dialect);

// Raises DatabaseError unless `rest`, the text after the first statement of
// `sql`, holds nothing but blanks, comments and semicolons.
void CheckNothingFollows(std::string_view rest, std::string_view sql, Dialect dialect);

// Whether `statement` (one statement) only reads or writes rows: it begins
// with Select, Insert, Update, Delete, With or Values. Anything else (Set,
// Pragma, Create, Begin, Listen ..) may leave the session changed for
// whoever uses it next.
bool OnlyRowsStatement(std::string_view statement, Dialect dialect);

// A name quoted for both engines: between double quotes, inner ones doubled.
std::string QuoteName(std::string_view name);

}  // namespace ado::sql
