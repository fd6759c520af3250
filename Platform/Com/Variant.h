// Variant: the value that travels through every late-bound call, with the
// conversion rules the components rely on.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "Base/Text.h"

namespace com {

class Object;
using ObjectRef = std::shared_ptr<Object>;

// A point in time as days since 1899-12-30, the fraction being the time of
// day: the representation the rest of the system compares and stores.
struct Date {
    double serial = 0;
    friend bool operator==(Date, Date) = default;

    static Date FromParts(int year, int month, int day, int hour = 0, int minute = 0,
                          int second = 0);
    // "yyyy-mm-ddThh:mm:ss" (also accepts a blank for the T, a missing time,
    // and trailing fractions of seconds or a zone, which are ignored).
    [[nodiscard]] static bool Parse(std::string_view text, Date& out);
    std::string ToIso() const;  // yyyy-mm-ddThh:mm:ss
};

class Variant {
public:
    enum class Type { Empty, Null, Long, Double, Bool, String, Date, Object };

    Variant() = default;
    Variant(int32_t v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(bool v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}
    Variant(std::string_view v) : value_(std::string(v)) {}
    Variant(Date v) : value_(v) {}
    Variant(ObjectRef v) : value_(std::move(v)) {}
    template <class T>
        requires std::is_base_of_v<Object, T>
    Variant(std::shared_ptr<T> v) : value_(ObjectRef(std::move(v))) {}

    static Variant Null() {
        Variant v;
        v.value_ = NullTag{};
        return v;
    }

    Type type() const { return static_cast<Type>(value_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isObject() const { return type() == Type::Object; }
    bool isNumeric() const;  // Long, Double, Bool, or Date

    // Conversions; each raises 94 for Null and 13 for a value that has no
    // such meaning; toLong raises 6 outside the 32-bit range.
    int32_t toLong() const;       // halves go to the even neighbour
    double toDouble() const;
    bool toBool() const;          // 0 is False, every other number True
    std::string toString() const&; // Empty gives ""
    std::string toString() &&;     // the same, a text moved out rather than copied
    Date toDate() const;
    ObjectRef toObject() const;   // Empty gives none

    // Direct access when the type is known.
    int32_t asLong() const { return std::get<int32_t>(value_); }
    double asDouble() const { return std::get<double>(value_); }
    bool asBool() const { return std::get<bool>(value_); }
    const std::string& asString() const { return std::get<std::string>(value_); }
    Date asDate() const { return std::get<com::Date>(value_); }
    const ObjectRef& asObject() const { return std::get<ObjectRef>(value_); }

    // Same type and equal value (objects by identity).
    friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

private:
    struct NullTag {
        friend bool operator==(NullTag, NullTag) { return true; }
    };
    std::variant<std::monostate, NullTag, int32_t, double, bool, std::string, com::Date, ObjectRef>
        value_;
};

// Leading number of a text: blanks, tabs and line feeds are skipped, digits
// with an optional sign, point and exponent are read, 0 when there are none.
// Raises 6 (overflow) for a number beyond the range of a double.
double Val(std::string_view text);

// A number written with a sign position: one blank before a number of zero
// or more, "-" before a negative one (" 7", "-7").
std::string Str(int32_t n);
// A number as plain decimal digits ("7", "-7").
std::string Digits(int32_t n);

// Shortest decimal text that reads back as the same double, C locale.
std::string FormatDouble(double d);
// Numeric text as the conversions accept it: optional blanks, sign, digits,
// point, exponent. Returns false when the text is not a number. A number
// beyond the range of a double reads as an infinity, one too small to be
// told from 0 as 0; the conversions raise 6 (overflow) for an infinity.
[[nodiscard]] bool ParseNumber(std::string_view text, double& out);

// Run-time type name: "Empty", "Null", "Long", "Double", "Boolean",
// "String", "Date", "Nothing", or the class name of an object.
std::string TypeName(const Variant& v);

// Names of members and classes compare without regard to case.
using base::SameName;

}  // namespace com
