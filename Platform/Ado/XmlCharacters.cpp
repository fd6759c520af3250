#include "Ado/XmlCharacters.h"

#include <algorithm>
#include <cstring>

#include "Ado/AdoError.h"
#include "Com/ComError.h"

namespace ado::xml {

using namespace byte;

const std::array<uint8_t, 256> kByteClass = [] {
    std::array<uint8_t, 256> table{};
    for (int c = 0; c < 0x20; ++c) table[c] = kCheck;
    table[0x7F] = kCheck;
    for (int c = 0x80; c < 0x100; ++c) table[c] = kCheck;
    for (unsigned char c : {' ', '\t', '\n', '\r'}) table[c] = kBlank;
    for (int c = 'a'; c <= 'z'; ++c) table[c] |= kNameStart | kName;
    for (int c = 'A'; c <= 'Z'; ++c) table[c] |= kNameStart | kName;
    for (unsigned char c : {'_', ':'}) table[c] |= kNameStart | kName;
    table[':'] |= kColon;
    for (int c = '0'; c <= '9'; ++c) table[c] |= kName;
    for (unsigned char c : {'-', '.'}) table[c] |= kName;
    // A value's run goes on over spaces; a text's stops at every blank, to
    // tell a text of blanks alone.
    for (int c = 0; c < 0x100; ++c)
        if (table[c] & kCheck) table[c] |= kValueStop | kTextStop;
    for (unsigned char c : {'\t', '\n', '\r', '\'', '"', '<', '&'}) table[c] |= kValueStop;
    for (unsigned char c : {' ', '\t', '\n', '\r', '<', '&', ']'}) table[c] |= kTextStop;
    return table;
}();

namespace {

size_t EncodeUtf8(char32_t c, char* out) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

void AppendUtf8(std::string& out, char32_t c) {
    char utf8[4];
    out.append(utf8, EncodeUtf8(c, utf8));
}

size_t Utf8Length(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

std::string ConvertUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) NotARowset("UTF-16 text with an odd number of bytes");
    auto unit = [&](size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    const size_t units = bytes.size() / 2;
    // The characters of the text, or nothing for a lone surrogate; `take`
    // has each with its UTF-8 length.
    auto forEachCharacter = [&](auto take) {
        for (size_t i = 0; i < units; ++i) {
            char32_t c = unit(i);
            if (c >= 0xDC00 && c <= 0xDFFF) NotARowset("a lone low surrogate in UTF-16 text");
            if (c >= 0xD800 && c <= 0xDBFF) {
                const char32_t low = i + 1 < units ? unit(i + 1) : 0;
                if (low < 0xDC00 || low > 0xDFFF) NotARowset("a lone high surrogate in UTF-16 text");
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
            take(c);
        }
    };
    // Sized first, so that the text is made in one piece and never copied
    // to grow.
    size_t size = 0;
    forEachCharacter([&](char32_t c) { size += Utf8Length(c); });
    std::string out;
    out.reserve(size);
    forEachCharacter([&](char32_t c) { AppendUtf8(out, c); });
    return out;
}

bool IsXml10Character(char32_t c) {
    return c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Whether a reference may name `c`: a character of the version, as 1.1
// counts among them the control characters (but NUL) that it only takes
// as references.
bool IsReferable(char32_t c, XmlVersion version) {
    return IsXml10Character(c) || (version == XmlVersion::V1_1 && c >= 0x1 && c < 0x20);
}

struct Predefined {
    std::string_view name;
    char character;
};
constexpr Predefined kPredefined[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'}};

// The length of the predefined entity at `p` (an "&"), setting `c` to its
// character; 0 for any other reference. Rows hold these far more than any
// other, so they are known from their first letter before the general way.
size_t PredefinedLength(const char* p, const char* end, char& c) {
    const std::string_view rest(p, static_cast<size_t>(std::min<ptrdiff_t>(end - p, 6)));
    auto is = [&](std::string_view reference, char character) {
        c = character;
        return rest.starts_with(reference) ? reference.size() : 0;
    };
    switch (rest.size() > 1 ? rest[1] : '\0') {
        case 'a': return rest.size() > 2 && rest[2] == 'm' ? is("&amp;", '&') : is("&apos;", '\'');
        case 'l': return is("&lt;", '<');
        case 'g': return is("&gt;", '>');
        case 'q': return is("&quot;", '"');
        default: return 0;
    }
}

// The character of the reference at `p` (an "&") that ends at `semicolon`,
// or a value beyond U+10FFFF for a number too long; false for what is not
// a reference at all.
bool ReferencedCharacter(const char* p, const char* semicolon, char32_t& c) {
    const std::string_view name(p + 1, static_cast<size_t>(semicolon - p - 1));
    if (!name.starts_with('#')) {
        for (const Predefined& e : kPredefined)
            if (name == e.name) {
                c = static_cast<char32_t>(e.character);
                return true;
            }
        return false;
    }
    const bool hex = name.size() > 1 && name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return false;
    c = 0;
    for (const char d : digits) {
        int value = -1;
        if (d >= '0' && d <= '9') value = d - '0';
        else if (hex && d >= 'a' && d <= 'f') value = d - 'a' + 10;
        else if (hex && d >= 'A' && d <= 'F') value = d - 'A' + 10;
        if (value < 0) return false;
        if (c <= 0x10FFFF) c = c * (hex ? 16 : 10) + static_cast<char32_t>(value);
    }
    return true;
}

#if defined(__SSE2__)
// The stops of an attribute's value in XML 1.0 among sixteen bytes: "&"
// and the control characters, as a mask of their places.
unsigned AttributeStops(const char* p) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i stops = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('&')),
                                       _mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(0x1F)), bytes));
    return static_cast<unsigned>(_mm_movemask_epi8(stops));
}
#endif

// The first stop of an attribute's value in XML 1.0 from `p` on, or `end`:
// "&", or a blank that becomes a space (the parser refused every other
// control character). The last bytes of a value of sixteen bytes or more
// are looked at as the last sixteen of the value, `begin` on.
const char* AttributeStop(const char* begin, const char* p, const char* end) {
#if defined(__SSE2__)
    for (; end - p >= 16; p += 16)
        if (const unsigned mask = AttributeStops(p)) return p + __builtin_ctz(mask);
    if (p != end && end - begin >= 16) {
        const auto left = static_cast<unsigned>(end - p);
        const unsigned mask = AttributeStops(end - 16) >> (16 - left);
        return p + (mask ? static_cast<unsigned>(__builtin_ctz(mask)) : left);
    }
#endif
    while (p != end && *p != '&' && static_cast<unsigned char>(*p) > 0x1F) ++p;
    return p;
}

// An attribute's value in XML 1.0 decoded into `out`: it changes only at
// references and at the blanks that become a space.
size_t DecodeAttribute10(std::string_view raw, char* out) {
    const char* p = raw.data();
    const char* const end = p + raw.size();
    char* write = out;
    for (;;) {
        const char* const stop = AttributeStop(raw.data(), p, end);
        std::memcpy(write, p, static_cast<size_t>(stop - p));
        write += stop - p;
        p = stop;
        if (p == end) break;
        if (*p == '&') {
            write += DecodeReference(p, end, write, p);
            continue;
        }
        // A tab or a line end (CR LF being one) is a space.
        *write++ = ' ';
        if (*p++ == '\r' && p != end && *p == '\n') ++p;
    }
    return static_cast<size_t>(write - out);
}

}  // namespace

void NotARowset(const std::string& why) {
    com::Raise(err::InvalidXml, "Not a rowset document: " + why);
}

Utf8Document AsUtf8(std::string_view text, std::string& converted) {
    if (text.starts_with("\xEF\xBB\xBF")) return {text.substr(3), ByteOrderMark::Utf8};
    const bool little = text.starts_with("\xFF\xFE"), big = text.starts_with("\xFE\xFF");
    if (!little && !big) return {text, ByteOrderMark::None};
    converted = ConvertUtf16(text.substr(2), big);
    return {converted, ByteOrderMark::Utf16};
}

const char* ReadCharacter(const char* p, const char* end, XmlVersion version, char32_t& c) {
    const auto* const u = reinterpret_cast<const unsigned char*>(p);
    const bool v11 = version == XmlVersion::V1_1;
    if (u[0] < 0x80) {
        c = u[0];
        return c == 0x7F && !v11 ? p + 1 : nullptr;  // tab, LF and CR never come here
    }
    const int length = u[0] >= 0xF0 ? 4 : (u[0] >= 0xE0 ? 3 : 2);
    if (u[0] < 0xC2 || u[0] > 0xF4 || end - p < length) return nullptr;
    c = u[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((u[i] & 0xC0) != 0x80) return nullptr;
        c = c << 6 | (u[i] & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || !IsXml10Character(c)) return nullptr;
    if (v11 && c >= 0x80 && c <= 0x9F && c != 0x85) return nullptr;
    return p + length;
}

bool IsNameStartCharacter(char32_t c) {
    return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
           (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameCharacter(char32_t c) {
    return IsNameStartCharacter(c) || c == 0xB7 || (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

const char* CheckReference(const char* p, const char* end, XmlVersion version) {
    char predefined = 0;
    if (const size_t length = PredefinedLength(p, end, predefined)) return p + length;
    const char* semicolon = p + 1;
    while (semicolon != end && (ClassOf(*semicolon) & kName || *semicolon == '#')) ++semicolon;
    if (semicolon == end || *semicolon != ';') NotARowset("a '&' that starts no reference");
    auto name = [&] { return std::string(p + 1, semicolon).substr(0, 20); };
    char32_t c = 0;
    if (!ReferencedCharacter(p, semicolon, c)) {
        if (p[1] == '#') NotARowset("the character reference &" + name() + "; is not a number");
        NotARowset("the entity &" + name() + "; is not defined");
    }
    if (!IsReferable(c, version)) NotARowset("the character reference &" + name() + "; names no character");
    return semicolon + 1;
}

size_t DecodeInto(std::string_view raw, ValueKind kind, XmlVersion version, char* out) {
    if (kind == ValueKind::Attribute && version == XmlVersion::V1_0) return DecodeAttribute10(raw, out);
    char* write = out;
    Decode(raw, kind, version, [&](std::string_view piece) {
        std::memcpy(write, piece.data(), piece.size());
        write += piece.size();
    });
    return static_cast<size_t>(write - out);
}

size_t DecodeReference(const char* p, const char* end, char* utf8, const char*& next) {
    if (const size_t length = PredefinedLength(p, end, utf8[0])) {
        next = p + length;
        return 1;
    }
    const char* semicolon = p + 1;
    while (semicolon != end && *semicolon != ';') ++semicolon;
    char32_t c = 0;
    ReferencedCharacter(p, semicolon, c);
    next = semicolon + 1;
    return EncodeUtf8(c, utf8);
}

}  // namespace ado::xml
