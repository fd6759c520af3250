#include "Ado/ValueText.h"

#include <charconv>
#include <cmath>

namespace ado {

namespace {

constexpr int64_t kExactInDouble = int64_t{1} << 53;
constexpr double kMillisecondsPerDay = 86400000.0;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// `count` digits of `text` from `at`; -1 when any is not a digit.
int Digits(std::string_view text, size_t at, size_t count) {
    if (at + count > text.size()) return -1;
    int n = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (!IsDigit(text[i])) return -1;
        n = n * 10 + (text[i] - '0');
    }
    return n;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// Milliseconds of the fraction ".ddd…" at the start of `text`; -1 when it
// holds no digit or a digit finer than a millisecond that is not 0.
int Milliseconds(std::string_view text) {
    if (text.size() < 2 || text[0] != '.') return -1;
    int ms = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return -1;
        if (i <= 3) ms = ms * 10 + (text[i] - '0');
        else if (text[i] != '0') return -1;
    }
    for (size_t i = text.size(); i <= 3; ++i) ms *= 10;
    return ms;
}

}  // namespace

bool ReadNumber(std::string_view text, double& out) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    }
    // Digits or a point first: no "inf", "nan" or second sign.
    if (text.empty() || !(IsDigit(text.front()) || text.front() == '.')) return false;
    double d = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(d)) return false;
    out = negative ? -d : d;
    return true;
}

// Digit by digit rather than by std::from_chars, whose general form (any
// base) costs several times as much on the short numbers of a row.
bool ReadWhole(std::string_view text, int64_t& out) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    if (p == end) return false;
    // Eighteen digits never overflow; only the digits after them are watched.
    constexpr ptrdiff_t kSafeDigits = 18;
    const char* const safeEnd = end - p > kSafeDigits ? p + kSafeDigits : end;
    uint64_t magnitude = 0;
    for (; p != safeEnd; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9) return false;
        magnitude = magnitude * 10 + digit;
    }
    for (; p != end; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9 || __builtin_mul_overflow(magnitude, 10u, &magnitude) ||
            __builtin_add_overflow(magnitude, digit, &magnitude))
            return false;
    }
    constexpr uint64_t kMostPositive = uint64_t{INT64_MAX};
    if (magnitude > kMostPositive + (negative ? 1 : 0)) return false;
    out = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

bool FitsDouble(int64_t value) { return value >= -kExactInDouble && value <= kExactInDouble; }

bool ReadDate(std::string_view text, com::Date& out) {
    const int y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
    if (y < 0 || mo < 1 || mo > 12 || d < 1 || text[4] != '-' || text[7] != '-' ||
        d > DaysInMonth(y, mo))
        return false;
    int h = 0, mi = 0, s = 0, ms = 0;
    if (text.size() > 10) {
        if (text[10] != 'T' && text[10] != ' ') return false;
        h = Digits(text, 11, 2), mi = Digits(text, 14, 2), s = Digits(text, 17, 2);
        if (h < 0 || mi < 0 || s < 0 || h > 23 || mi > 59 || s > 59 || text[13] != ':' ||
            text[16] != ':')
            return false;
        std::string_view rest = text.substr(19);
        if (!rest.empty() && rest.back() == 'Z') rest.remove_suffix(1);
        if (!rest.empty() && (ms = Milliseconds(rest)) < 0) return false;
    }
    const double day = com::Date::FromParts(y, mo, d).serial;
    // One division, as com::Date::FromParts makes it: whole seconds give
    // the very same date.
    out.serial = day + (((h * 60 + mi) * 60 + s) * 1000.0 + ms) / kMillisecondsPerDay;
    return true;
}

std::string DateText(com::Date date) {
    const double day = std::floor(date.serial);
    const int64_t ms = std::llround((date.serial - day) * kMillisecondsPerDay);
    if (ms % 1000 == 0) return date.ToIso();
    // The whole seconds written as always, then the milliseconds.
    std::string text =
        com::Date{day + static_cast<double>(ms - ms % 1000) / kMillisecondsPerDay}.ToIso();
    const int fraction = static_cast<int>(ms % 1000);
    text += '.';
    text += static_cast<char>('0' + fraction / 100);
    text += static_cast<char>('0' + fraction / 10 % 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}

}  // namespace ado
