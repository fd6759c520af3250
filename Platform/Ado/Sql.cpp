#include "Ado/Sql.h"

#include "Ado/AdoError.h"
#include "Com/ComError.h"
#include "Com/Variant.h"

namespace ado::sql {

namespace {

using Kind = Token::Kind;

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;  // UTF-8 letters of a name
}
bool IsNamePart(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '$'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

class Scanner {
public:
    Scanner(std::string_view sql, Dialect dialect) : s_(sql), dialect_(dialect) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        while (pos_ < s_.size()) {
            const size_t start = pos_;
            const Kind kind = next(tokens);
            tokens.push_back({kind, s_.substr(start, pos_ - start)});
        }
        return tokens;
    }

private:
    char at(size_t i) const { return i < s_.size() ? s_[i] : '\0'; }

    // Moves past the token at pos_ and tells its kind.
    Kind next(const std::vector<Token>& before) {
        const char c = s_[pos_];
        if (IsBlank(c)) {
            while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
            return Kind::Blank;
        }
        if (c == '-' && at(pos_ + 1) == '-') {
            const size_t end = s_.find('\n', pos_);
            pos_ = end == std::string_view::npos ? s_.size() : end;
            return Kind::Comment;
        }
        if (c == '/' && at(pos_ + 1) == '*') return blockComment();
        if (c == '\'') {
            // E'..' (PostgreSQL) reads backslash escapes; the E is the word
            // just before, with nothing between.
            const bool escapes = dialect_ == Dialect::PostgreSQL && !before.empty() &&
                                 before.back().is(Kind::Word) &&
                                 (before.back().text == "E" || before.back().text == "e");
            quoted('\'', escapes);
            return Kind::Text;
        }
        if (c == '"') {
            quoted('"', false);
            return Kind::QuotedName;
        }
        if (dialect_ == Dialect::SQLite && c == '`') {
            quoted('`', false);
            return Kind::QuotedName;
        }
        if (dialect_ == Dialect::SQLite && c == '[') {
            const size_t end = s_.find(']', pos_);
            pos_ = end == std::string_view::npos ? s_.size() : end + 1;
            return Kind::QuotedName;
        }
        if (dialect_ == Dialect::PostgreSQL && c == '$' && dollarQuoted()) return Kind::Text;
        if (IsDigit(c) || (c == '.' && IsDigit(at(pos_ + 1)))) return number();
        if (IsNameStart(c)) {
            while (pos_ < s_.size() && IsNamePart(s_[pos_])) ++pos_;
            return Kind::Word;
        }
        ++pos_;
        return c == '?' ? Kind::Parameter : Kind::Symbol;
    }

    // A literal up to its closing quote; a doubled quote stands for one.
    void quoted(char quote, bool backslashEscapes) {
        ++pos_;
        while (pos_ < s_.size()) {
            const char c = s_[pos_++];
            if (backslashEscapes && c == '\\') {
                ++pos_;
            } else if (c == quote) {
                if (at(pos_) != quote) return;
                ++pos_;
            }
        }
        pos_ = s_.size();  // unterminated: the engine reports it
    }

    // PostgreSQL block comments nest; SQLite's end at the first "*/".
    Kind blockComment() {
        int depth = 0;
        while (pos_ < s_.size()) {
            if (s_[pos_] == '/' && at(pos_ + 1) == '*') {
                ++depth;
                pos_ += 2;
            } else if (s_[pos_] == '*' && at(pos_ + 1) == '/') {
                pos_ += 2;
                if (--depth == 0 || dialect_ == Dialect::SQLite) return Kind::Comment;
            } else {
                ++pos_;
            }
        }
        return Kind::Comment;
    }

    // $tag$ .. $tag$ with an optional tag; false (nothing consumed) when the
    // $ does not open one ($1 is a parameter of PostgreSQL's own).
    bool dollarQuoted() {
        size_t end = pos_ + 1;
        if (end < s_.size() && IsNameStart(s_[end]))
            while (end < s_.size() && IsNamePart(s_[end]) && s_[end] != '$') ++end;
        if (at(end) != '$') return false;
        const std::string_view tag = s_.substr(pos_, end + 1 - pos_);
        const size_t close = s_.find(tag, end + 1);
        pos_ = close == std::string_view::npos ? s_.size() : close + tag.size();
        return true;
    }

    Kind number() {
        while (IsDigit(at(pos_)) || at(pos_) == '.') ++pos_;
        if ((at(pos_) == 'e' || at(pos_) == 'E') &&
            (IsDigit(at(pos_ + 1)) ||
             ((at(pos_ + 1) == '+' || at(pos_ + 1) == '-') && IsDigit(at(pos_ + 2))))) {
            pos_ += 2;
            while (IsDigit(at(pos_))) ++pos_;
        }
        return Kind::Number;
    }

    std::string_view s_;
    Dialect dialect_;
    size_t pos_ = 0;
};

// Index of the next significant token at or after i, or tokens.size().
size_t NextSignificant(const std::vector<Token>& tokens, size_t i) {
    while (i < tokens.size() && !tokens[i].significant()) ++i;
    return i;
}

}  // namespace

bool Token::isWord(std::string_view word) const {
    return kind == Kind::Word && com::SameName(text, word);
}

std::vector<Token> Tokenize(std::string_view sql, Dialect dialect) {
    return Scanner(sql, dialect).run();
}

void CheckNothingFollows(std::string_view rest, std::string_view sql, Dialect dialect) {
    for (const Token& t : Tokenize(rest, dialect))
        if (t.significant() && !t.isSymbol(';'))
            com::Raise(err::DatabaseError,
                       "Only one SQL statement runs per call; the text after the first "
                       "statement was refused: " +
                           std::string(sql));
}

std::string SingleStatement(std::string_view sql, Dialect dialect) {
    const std::vector<Token> tokens = Tokenize(sql, dialect);
    size_t end = 0;
    while (end < tokens.size() && !tokens[end].isSymbol(';')) ++end;
    if (end < tokens.size())
        CheckNothingFollows(sql.substr(static_cast<size_t>(tokens[end].text.data() - sql.data())),
                            sql, dialect);

    const size_t first = NextSignificant(tokens, 0);
    if (first >= end) com::Raise(err::DatabaseError, "The SQL text holds no statement");

    // "Delete * From T" is the entity layer's way of writing "Delete From T".
    size_t star = tokens.size();
    if (tokens[first].isWord("Delete")) {
        const size_t s = NextSignificant(tokens, first + 1);
        const size_t from = NextSignificant(tokens, s + 1);
        if (from < end && tokens[s].isSymbol('*') && tokens[from].isWord("From")) star = s;
    }

    std::string statement;
    statement.reserve(sql.size());
    for (size_t i = 0; i < end; ++i)
        statement += i == star ? std::string_view(" ") : tokens[i].text;
    return statement;
}

bool OnlyRowsStatement(std::string_view statement, Dialect dialect) {
    const std::vector<Token> tokens = Tokenize(statement, dialect);
    const size_t first = NextSignificant(tokens, 0);
    if (first >= tokens.size()) return true;
    for (std::string_view word : {"Select", "Insert", "Update", "Delete", "With", "Values"})
        if (tokens[first].isWord(word)) return true;
    return false;
}

std::string QuoteName(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace ado::sql
