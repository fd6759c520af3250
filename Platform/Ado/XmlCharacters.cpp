#include "Ado/XmlCharacters.h"

#include <array>
#include <cstdint>

#include "Ado/AdoError.h"
#include "Com/ComError.h"

namespace ado::xml {

namespace {

// What a byte of UTF-8 text is: 0 a character allowed as it stands (the
// common case, read in a tight loop), 1 a byte no allowed text holds here,
// 2 the first byte of a longer character.
constexpr std::array<uint8_t, 256> kByteClass = [] {
    std::array<uint8_t, 256> table{};
    for (int c = 0; c < 0x20; ++c) table[c] = 1;
    table['\t'] = table['\n'] = table['\r'] = 0;
    for (int c = 0x80; c < 0x100; ++c) table[c] = 1;
    for (int c = 0xC2; c <= 0xF4; ++c) table[c] = 2;
    return table;
}();

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string ConvertUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) NotARowset("UTF-16 text with an odd number of bytes");
    auto unit = [&](size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size());
    const size_t units = bytes.size() / 2;
    for (size_t i = 0; i < units; ++i) {
        char32_t c = unit(i);
        if (c >= 0xDC00 && c <= 0xDFFF) NotARowset("a lone low surrogate in UTF-16 text");
        if (c >= 0xD800 && c <= 0xDBFF) {
            const char32_t low = i + 1 < units ? unit(i + 1) : 0;
            if (low < 0xDC00 || low > 0xDFFF) NotARowset("a lone high surrogate in UTF-16 text");
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            ++i;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// The character of a reference "#123" or "#x7B" (without & and ;).
char32_t CharacterReference(std::string_view name) {
    const bool hex = name.size() > 1 && name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    char32_t c = 0;
    for (char d : digits) {
        int value = -1;
        if (d >= '0' && d <= '9') value = d - '0';
        else if (hex && d >= 'a' && d <= 'f') value = d - 'a' + 10;
        else if (hex && d >= 'A' && d <= 'F') value = d - 'A' + 10;
        if (value < 0) NotARowset("the character reference &" + std::string(name) + "; is not a number");
        c = c * (hex ? 16 : 10) + static_cast<char32_t>(value);
        if (c > 0x10FFFF) break;
    }
    if (digits.empty() || !IsReferable(c))
        NotARowset("the character reference &" + std::string(name).substr(0, 12) +
                   "; names no character");
    return c;
}

}  // namespace

void NotARowset(const std::string& why) {
    com::Raise(err::InvalidXml, "Not a rowset document: " + why);
}

std::string_view AsUtf8(std::string_view text, std::string& converted) {
    if (text.starts_with("\xEF\xBB\xBF")) return text.substr(3);
    const bool little = text.starts_with("\xFF\xFE"), big = text.starts_with("\xFE\xFF");
    if (!little && !big) return text;
    converted = ConvertUtf16(text.substr(2), big);
    return converted;
}

void CheckCharacters(std::string_view text) {
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = begin + text.size();
    for (const unsigned char* p = begin; p != end;) {
        while (p != end && kByteClass[*p] == 0) ++p;
        if (p == end) break;
        const size_t at = static_cast<size_t>(p - begin);
        if (kByteClass[*p] == 1)
            NotARowset("a character XML does not allow at byte " + std::to_string(at));
        const int length = *p >= 0xF0 ? 4 : (*p >= 0xE0 ? 3 : 2);
        char32_t c = *p & (0x7F >> length);
        if (end - p < length) NotARowset("UTF-8 cut short at byte " + std::to_string(at));
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) NotARowset("invalid UTF-8 at byte " + std::to_string(at));
            c = c << 6 | (p[i] & 0x3F);
        }
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF)
            NotARowset("invalid UTF-8 at byte " + std::to_string(at));
        p += length;
    }
}

bool IsReferable(char32_t c) {
    return (c >= 0x1 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

void DecodeReferences(std::string_view raw, std::string& out) {
    out.clear();
    size_t from = 0;
    for (size_t amp = raw.find('&'); amp != std::string_view::npos; amp = raw.find('&', from)) {
        out.append(raw.substr(from, amp - from));
        const size_t semicolon = raw.find(';', amp);
        if (semicolon == std::string_view::npos) NotARowset("a '&' that starts no reference");
        const std::string_view name = raw.substr(amp + 1, semicolon - amp - 1);
        if (name == "lt") out += '<';
        else if (name == "gt") out += '>';
        else if (name == "amp") out += '&';
        else if (name == "apos") out += '\'';
        else if (name == "quot") out += '"';
        else if (name.starts_with('#')) AppendUtf8(out, CharacterReference(name));
        else NotARowset("the entity &" + std::string(name.substr(0, 20)) + "; is not defined");
        from = semicolon + 1;
    }
    out.append(raw.substr(from));
}

}  // namespace ado::xml
