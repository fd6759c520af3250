#include "Ado/FilterCriteria.h"

#include <cctype>
#include <cmath>
#include <cstdint>

#include "Ado/AdoError.h"
#include "Ado/RecordsetValue.h"
#include "Com/ComError.h"

namespace ado {

class FilterCriteria::Parser {
public:
    Parser(std::string_view text, const std::vector<FieldInfo>& fields)
        : text_(text), fields_(fields) {}

    std::vector<std::vector<Comparison>> parse() {
        std::vector<std::vector<Comparison>> anyOf(1);
        anyOf.back().push_back(comparison());
        while (!atEnd()) {
            if (keyword("Or"))
                anyOf.emplace_back();
            else if (!keyword("And"))
                fail("And or Or expected");
            anyOf.back().push_back(comparison());
        }
        return anyOf;
    }

private:
    [[noreturn]] void fail(const std::string& why) const {
        com::Raise(err::InvalidFilter,
                   "Filter '" + std::string(text_) + "' cannot be used: " + why);
    }

    void skipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }

    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }

    static bool IsWordChar(char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return std::isalnum(u) || c == '_' || u >= 0x80;
    }

    // A keyword standing as a word of its own.
    bool keyword(std::string_view word) {
        skipBlanks();
        if (text_.size() - pos_ < word.size() ||
            !com::SameName(text_.substr(pos_, word.size()), word))
            return false;
        const size_t end = pos_ + word.size();
        if (end < text_.size() && IsWordChar(text_[end])) return false;
        pos_ = end;
        return true;
    }

    size_t field() {
        skipBlanks();
        std::string_view name;
        if (pos_ < text_.size() && text_[pos_] == '[') {
            const size_t close = text_.find(']', pos_);
            if (close == std::string_view::npos) fail("] missing");
            name = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
        } else {
            const size_t start = pos_;
            while (pos_ < text_.size() && IsWordChar(text_[pos_])) ++pos_;
            name = text_.substr(start, pos_ - start);
        }
        if (name.empty()) fail("field name expected");
        for (size_t i = 0; i < fields_.size(); ++i)
            if (com::SameName(fields_[i].name, name)) return i;
        fail("no field " + std::string(name));
    }

    Op op() {
        skipBlanks();
        auto take = [&](std::string_view symbol) {
            if (text_.substr(pos_, symbol.size()) != symbol) return false;
            pos_ += symbol.size();
            return true;
        };
        if (take("<=")) return Op::LessEqual;
        if (take(">=")) return Op::GreaterEqual;
        if (take("<>")) return Op::NotEqual;
        if (take("=")) return Op::Equal;
        if (take("<")) return Op::Less;
        if (take(">")) return Op::Greater;
        fail("comparison expected");
    }

    // Text between `quote` characters, a doubled quote standing for one.
    std::string quoted(char quote) {
        std::string out;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            if (text_[pos_] != quote) {
                out += text_[pos_];
            } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == quote) {
                out += quote;
                ++pos_;
            } else {
                ++pos_;
                return out;
            }
        }
        fail(std::string("closing ") + quote + " missing");
    }

    com::Variant literal() {
        skipBlanks();
        if (pos_ == text_.size()) fail("value expected");
        const char c = text_[pos_];
        if (c == '\'') return quoted('\'');
        if (c == '#') {
            com::Date date;
            if (!com::Date::Parse(quoted('#'), date)) fail("date expected between #");
            return date;
        }
        if (keyword("True")) return true;
        if (keyword("False")) return false;
        // A number: sign, blanks, digits, point and exponent, up to the next
        // word or the end.
        const size_t start = pos_;
        if (c == '+' || c == '-') ++pos_;
        skipBlanks();
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                       text_[pos_] == '.'))
            ++pos_;
        double number = 0;
        if (!com::ParseNumber(text_.substr(start, pos_ - start), number)) fail("value expected");
        if (number >= INT32_MIN && number <= INT32_MAX && number == std::trunc(number))
            return static_cast<int32_t>(number);
        return number;
    }

    Comparison comparison() {
        Comparison c{field(), op(), {}};
        const com::Variant value = literal();
        try {
            c.value = Cell::From(CoerceToField(value, fields_[c.field]));
        } catch (const com::ComError&) {
            fail("the value does not fit field " + fields_[c.field].name);
        }
        return c;
    }

    std::string_view text_;
    const std::vector<FieldInfo>& fields_;
    size_t pos_ = 0;
};

FilterCriteria::FilterCriteria(std::string_view text, const std::vector<FieldInfo>& fields)
    : text_(text), anyOf_(Parser(text, fields).parse()) {}

bool FilterCriteria::Matches(std::span<const Cell> row) const {
    for (const std::vector<Comparison>& group : anyOf_) {
        bool all = true;
        for (const Comparison& c : group) {
            const std::optional<int> order = CompareValues(row[c.field], c.value);
            bool pass = false;
            if (order) {
                switch (c.op) {
                    case Op::Equal: pass = *order == 0; break;
                    case Op::NotEqual: pass = *order != 0; break;
                    case Op::Less: pass = *order < 0; break;
                    case Op::LessEqual: pass = *order <= 0; break;
                    case Op::Greater: pass = *order > 0; break;
                    case Op::GreaterEqual: pass = *order >= 0; break;
                }
            }
            if (!pass) { all = false; break; }
        }
        if (all) return true;
    }
    return false;
}

std::optional<FilterCriteria::Equality> FilterCriteria::NumberEquality() const {
    if (anyOf_.size() != 1 || anyOf_.front().size() != 1) return std::nullopt;
    const Comparison& c = anyOf_.front().front();
    if (c.op != Op::Equal) return std::nullopt;
    if (c.value.type() == Cell::Type::Long) return Equality{c.field, static_cast<double>(c.value.asLong())};
    if (c.value.type() == Cell::Type::Double) return Equality{c.field, c.value.asDouble()};
    return std::nullopt;
}

}  // namespace ado
