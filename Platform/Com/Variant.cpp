#include "Variant.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

#include "ComError.h"
#include "Object.h"

namespace com {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// The digits of text[at, at + n), or -1 when one of them is not a digit.
int FixedDigits(std::string_view text, size_t at, size_t n) {
    int value = 0;
    for (size_t i = at; i < at + n; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// 1899-12-30 counted from 1970-01-01.
constexpr int64_t kSerialEpoch = -25569;

int32_t RoundToLong(double d) {
    if (std::isnan(d)) Raise(err::Overflow);
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(d);
    std::fesetround(saved);
    if (r < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<int32_t>::max()))
        Raise(err::Overflow);
    return static_cast<int32_t>(r);
}

double TextToDouble(const std::string& s) {
    double d = 0;
    if (!ParseNumber(s, d)) Raise(err::TypeMismatch);
    if (std::isinf(d)) Raise(err::Overflow);
    return d;
}

}  // namespace

Date Date::FromParts(int year, int month, int day, int hour, int minute, int second) {
    const int64_t days = DaysFromCivil(year, static_cast<unsigned>(month),
                                       static_cast<unsigned>(day)) - kSerialEpoch;
    return Date{static_cast<double>(days) + (hour * 3600 + minute * 60 + second) / 86400.0};
}

bool Date::Parse(std::string_view text, Date& out) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    // The form every database and rowset text writes, read without sscanf:
    // recordsets parse one date per row.
    const bool dateOnly = text.size() == 10;
    if ((dateOnly || (text.size() >= 19 && (text[10] == 'T' || text[10] == ' ') &&
                      text[13] == ':' && text[16] == ':')) &&
        text[4] == '-' && text[7] == '-') {
        y = FixedDigits(text, 0, 4);
        mo = FixedDigits(text, 5, 2);
        d = FixedDigits(text, 8, 2);
        if (!dateOnly) {
            h = FixedDigits(text, 11, 2);
            mi = FixedDigits(text, 14, 2);
            s = FixedDigits(text, 17, 2);
        }
        if (y >= 0 && mo >= 0 && d >= 0 && h >= 0 && mi >= 0 && s >= 0) {
            if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59) return false;
            out = FromParts(y, mo, d, h, mi, s);
            return true;
        }
    }
    std::string t(text);
    int n = std::sscanf(t.c_str(), "%4d-%2d-%2d%*1[T ]%2d:%2d:%2d", &y, &mo, &d, &h, &mi, &s);
    if (n != 3 && n != 6) return false;
    if (n == 3) {
        // A date alone must end there.
        char tail = 0;
        if (std::sscanf(t.c_str(), "%*4d-%*2d-%*2d%c", &tail) == 1 && tail != 'T' && tail != ' ')
            return false;
    }
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59) return false;
    out = FromParts(y, mo, d, h, mi, s);
    return true;
}

std::string Date::ToIso() const {
    const double days = std::floor(serial);
    int64_t secs = std::llround((serial - days) * 86400.0);
    int64_t whole = static_cast<int64_t>(days);
    if (secs >= 86400) { secs -= 86400; ++whole; }
    int y, m, d;
    CivilFromDays(whole + kSerialEpoch, y, m, d);
    char buf[32];
    if (y < 0 || y > 9999) {
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", y, m, d,
                      static_cast<int>(secs / 3600), static_cast<int>(secs / 60 % 60),
                      static_cast<int>(secs % 60));
        return buf;
    }
    // Written digit by digit: recordsets write one date per row.
    auto put = [&buf](int at, int value, int width) {
        for (int i = at + width - 1; i >= at; --i, value /= 10) buf[i] = static_cast<char>('0' + value % 10);
    };
    std::memcpy(buf, "0000-00-00T00:00:00", 19);
    put(0, y, 4);
    put(5, m, 2);
    put(8, d, 2);
    put(11, static_cast<int>(secs / 3600), 2);
    put(14, static_cast<int>(secs / 60 % 60), 2);
    put(17, static_cast<int>(secs % 60), 2);
    return std::string(buf, 19);
}

bool Variant::isNumeric() const {
    switch (type()) {
        case Type::Long: case Type::Double: case Type::Bool: case Type::Date: return true;
        default: return false;
    }
}

int32_t Variant::toLong() const {
    switch (type()) {
        case Type::Empty: return 0;
        case Type::Null: Raise(err::InvalidUseOfNull);
        case Type::Long: return asLong();
        case Type::Double: return RoundToLong(asDouble());
        case Type::Bool: return asBool() ? -1 : 0;
        case Type::String: return RoundToLong(TextToDouble(asString()));
        case Type::Date: return RoundToLong(asDate().serial);
        case Type::Object: break;
    }
    Raise(err::TypeMismatch);
}

double Variant::toDouble() const {
    switch (type()) {
        case Type::Empty: return 0;
        case Type::Null: Raise(err::InvalidUseOfNull);
        case Type::Long: return asLong();
        case Type::Double: return asDouble();
        case Type::Bool: return asBool() ? -1 : 0;
        case Type::String: return TextToDouble(asString());
        case Type::Date: return asDate().serial;
        case Type::Object: break;
    }
    Raise(err::TypeMismatch);
}

bool Variant::toBool() const {
    switch (type()) {
        case Type::Empty: return false;
        case Type::Null: Raise(err::InvalidUseOfNull);
        case Type::Long: return asLong() != 0;
        case Type::Double: return asDouble() != 0;
        case Type::Bool: return asBool();
        case Type::Date: return asDate().serial != 0;
        case Type::String: {
            if (SameName(asString(), "True")) return true;
            if (SameName(asString(), "False")) return false;
            return TextToDouble(asString()) != 0;
        }
        case Type::Object: break;
    }
    Raise(err::TypeMismatch);
}

std::string Variant::toString() && {
    if (type() == Type::String) return std::move(std::get<std::string>(value_));
    return std::as_const(*this).toString();
}

std::string Variant::toString() const& {
    switch (type()) {
        case Type::Empty: return {};
        case Type::Null: Raise(err::InvalidUseOfNull);
        case Type::Long: return Digits(asLong());
        case Type::Double: return FormatDouble(asDouble());
        case Type::Bool: return asBool() ? "True" : "False";
        case Type::String: return asString();
        case Type::Date: return asDate().ToIso();
        case Type::Object: break;
    }
    Raise(err::TypeMismatch);
}

Date Variant::toDate() const {
    switch (type()) {
        case Type::Empty: return Date{};
        case Type::Null: Raise(err::InvalidUseOfNull);
        case Type::Date: return asDate();
        case Type::String: {
            Date d;
            if (Date::Parse(asString(), d)) return d;
            break;
        }
        case Type::Long: case Type::Double: return Date{toDouble()};
        default: break;
    }
    Raise(err::TypeMismatch);
}

ObjectRef Variant::toObject() const {
    if (type() == Type::Object) return asObject();
    if (type() == Type::Empty) return nullptr;
    Raise(err::TypeMismatch);
}

namespace {

// Whether `number` (digits, a point, an exponent; beyond a double's range)
// is too big for a double rather than too small: the power of ten of its
// first significant digit.
bool TooBig(std::string_view number) {
    const size_t e = number.find_first_of("eEdD");
    const std::string_view mantissa = number.substr(0, e);
    int64_t exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        if (digits.starts_with('+')) digits.remove_prefix(1);
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (result.ec == std::errc::result_out_of_range) return !digits.starts_with('-');
    }
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return false;
    const int64_t power = first < point ? static_cast<int64_t>(point - first) - 1
                                        : -static_cast<int64_t>(first - point);
    return exponent + power >= 0;
}

}  // namespace

bool ParseNumber(std::string_view text, double& out) {
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    if (b == e) return false;
    std::string_view s = text.substr(b, e - b);
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
        while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    }
    // Digits or a point must follow: no "inf", "nan" or second sign.
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.'))
        return false;
    double d = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), d);
    if (ec != std::errc() && ec != std::errc::result_out_of_range) return false;
    if (end != s.data() + s.size()) return false;
    // from_chars leaves a number beyond a double's range unread: it is an
    // infinity (so that a conversion to a whole number overflows), or 0 when
    // it is too small to be told from 0.
    if (ec == std::errc::result_out_of_range)
        d = TooBig(s) ? std::numeric_limits<double>::infinity() : 0.0;
    out = negative ? -d : d;
    return true;
}

double Val(std::string_view text) {
    // Collect the numeric prefix, dropping blanks wherever they stand.
    std::string digits;
    size_t i = 0;
    auto skip = [&] { while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i; };
    auto take_digits = [&] {
        size_t n = 0;
        for (skip(); i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); skip()) {
            digits += text[i++];
            ++n;
        }
        return n;
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) digits += text[i++];
    size_t mantissa = take_digits();
    if (i < text.size() && text[i] == '.') {
        digits += text[i++];
        mantissa += take_digits();
    }
    if (mantissa == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exponent = "e";
        size_t j = i + 1;
        while (j < text.size() && (text[j] == ' ' || text[j] == '\t' || text[j] == '\n')) ++j;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        size_t n = 0;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            exponent += text[j++];
            ++n;
        }
        if (n > 0) digits += exponent;
    }
    double d = 0;
    static_cast<void>(ParseNumber(digits, d));  // the numeric prefix gathered above: it reads
    if (std::isinf(d)) Raise(err::Overflow);
    return d;
}

std::string Str(int32_t n) { return n < 0 ? Digits(n) : " " + Digits(n); }

std::string Digits(int32_t n) { return std::to_string(n); }

std::string FormatDouble(double d) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d);
    return std::string(buf, ec == std::errc() ? end : buf);
}

std::string TypeName(const Variant& v) {
    switch (v.type()) {
        case Variant::Type::Empty: return "Empty";
        case Variant::Type::Null: return "Null";
        case Variant::Type::Long: return "Long";
        case Variant::Type::Double: return "Double";
        case Variant::Type::Bool: return "Boolean";
        case Variant::Type::String: return "String";
        case Variant::Type::Date: return "Date";
        case Variant::Type::Object: return v.asObject() ? v.asObject()->className() : "Nothing";
    }
    return "Unknown";
}

}  // namespace com
