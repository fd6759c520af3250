// The characters of a rowset document: its encoding, the characters XML
// allows, names, and the references that stand for characters. A document
// that breaks these rules is not XML, and is refused whole (err::InvalidXml)
// before any of it is read as rows.
//
// The parser checks each character as it passes it, with the functions
// here; values and texts are decoded afterwards, trusting that check.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ado::xml {

// Raises err::InvalidXml: `why` the text is not a rowset document.
[[noreturn]] void NotARowset(const std::string& why);

// The byte-order mark a document starts with, which its XML declaration,
// when it has one, must agree with.
enum class ByteOrderMark { None, Utf8, Utf16 };

struct Utf8Document {
    std::string_view text;  // UTF-8, without the mark
    ByteOrderMark mark = ByteOrderMark::None;
};

// The document as UTF-8: a UTF-8 byte-order mark is dropped, a UTF-16
// document (little or big endian, told by its byte-order mark) is converted
// into `converted`. Raises for UTF-16 with an odd number of bytes or a lone
// surrogate.
Utf8Document AsUtf8(std::string_view text, std::string& converted);

// Where the two versions of XML differ: 1.1 takes references to the
// control characters U+0001 to U+001F, which 1.0 lacks; it refuses U+007F
// to U+009F as they stand (but for NEL); and it reads NEL (U+0085) and LS
// (U+2028) as line ends. A document is 1.0 unless its declaration says 1.1.
enum class XmlVersion { V1_0, V1_1 };

// What a byte is to the parser's scanning loops, which pass over ordinary
// bytes one table look-up at a time and stop at the others.
namespace byte {
constexpr uint8_t kNameStart = 1;   // ASCII that starts a name
constexpr uint8_t kName = 2;        // ASCII inside a name
constexpr uint8_t kBlank = 4;       // space, tab, line feed, carriage return
constexpr uint8_t kCheck = 8;       // a control character, DEL, or a byte of a longer character
constexpr uint8_t kValueStop = 16;  // ends a run of an attribute value's ordinary bytes
constexpr uint8_t kTextStop = 32;   // ends a run of a text's ordinary bytes
constexpr uint8_t kColon = 64;      // ":", which makes a name prefixed
}  // namespace byte

extern const std::array<uint8_t, 256> kByteClass;

inline uint8_t ClassOf(char c) { return kByteClass[static_cast<unsigned char>(c)]; }

// The first byte from `p` that ends a run of an attribute value's ordinary
// bytes (class kValueStop: a quote, "<", "&", a control character, DEL or
// a byte of a longer character), or `end`: sixteen bytes at a time where
// the processor can, as values hold most of a document's bytes.
inline const char* ValueRunEnd(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i apostrophe = _mm_set1_epi8('\''), quote = _mm_set1_epi8('"'), less = _mm_set1_epi8('<'),
                  ampersand = _mm_set1_epi8('&'), space = _mm_set1_epi8(' '), del = _mm_set1_epi8('\x7F');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        // Signed, the bytes of longer characters are below a space too.
        const __m128i stops = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, apostrophe), _mm_cmpeq_epi8(bytes, quote)),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, less), _mm_cmpeq_epi8(bytes, ampersand))),
            _mm_or_si128(_mm_cmplt_epi8(bytes, space), _mm_cmpeq_epi8(bytes, del)));
        if (const int mask = _mm_movemask_epi8(stops)) return p + __builtin_ctz(static_cast<unsigned>(mask));
    }
#endif
    while (p != end && !(ClassOf(*p) & byte::kValueStop)) ++p;
    return p;
}

// Whether the `count` bytes at `a` and at `b` are the same: compared in
// place, eight at a time, as names are short and a call to memcmp would
// cost more than the comparison.
inline bool SameBytes(const char* a, const char* b, size_t count) {
    auto word = [](const char* p) {
        uint64_t w;
        std::memcpy(&w, p, sizeof w);
        return w;
    };
    if (count < 8) {
        for (size_t i = 0; i < count; ++i)
            if (a[i] != b[i]) return false;
        return true;
    }
    // The first eight bytes and the last eight, which overlap in a name
    // shorter than sixteen.
    if (count <= 16) return ((word(a) ^ word(b)) | (word(a + count - 8) ^ word(b + count - 8))) == 0;
    for (size_t i = 0; i + 8 < count; i += 8)
        if (word(a + i) != word(b + i)) return false;
    return word(a + count - 8) == word(b + count - 8);
}

// The character at `p` (a byte of class kCheck) as XML `version` allows it
// as it stands, in well-formed UTF-8 (no overlong form, no surrogate,
// nothing beyond U+10FFFF, not U+FFFE or U+FFFF). Returns the byte after it
// and sets `c`, or nullptr for a character that is not allowed there.
const char* ReadCharacter(const char* p, const char* end, XmlVersion version, char32_t& c);

// Whether `c` (read by ReadCharacter) ends a line under `version`: NEL and LS in 1.1.
inline bool IsLineEnd(char32_t c, XmlVersion version) {
    return version == XmlVersion::V1_1 && (c == 0x85 || c == 0x2028);
}

// Whether `c`, beyond ASCII, may start a name or stand inside one.
bool IsNameStartCharacter(char32_t c);
bool IsNameCharacter(char32_t c);

// Checks the reference that starts at `p` (an "&"): one of the five
// predefined entities (&lt; &gt; &amp; &apos; &quot;) or a reference to a
// character that XML `version` allows (1.0: tab, line feed, carriage
// return, U+0020 up, less the surrogates, U+FFFE and U+FFFF; 1.1 also
// U+0001 up). A document type, which could define other entities, is not
// part of a rowset document. Returns the byte after the ";"; raises for
// anything else.
const char* CheckReference(const char* p, const char* end, XmlVersion version);

// How a value is decoded: an attribute's makes every blank and line end a
// space, as XML reads attribute values; a text makes its line ends LF; a
// CDATA section's too, and holds no references.
enum class ValueKind { Attribute, Text, CData };

// Gives `out` the pieces of `raw` decoded: runs as written, and the
// character each reference stands for. `raw` was checked by the parser;
// the decoded text is never longer than it. Line ends as XML reads them:
// CR LF and a lone CR (and in 1.1 CR NEL, NEL and LS) are one LF.
template <class Out>
void Decode(std::string_view raw, ValueKind kind, XmlVersion version, Out&& out);

// `raw` decoded into `out`, which has room for raw.size() bytes; returns
// the length of the decoded text.
size_t DecodeInto(std::string_view raw, ValueKind kind, XmlVersion version, char* out);

// The character of a checked reference "&...;" at `p`, as UTF-8 into
// `utf8`; returns its length, and sets `next` past the ";".
size_t DecodeReference(const char* p, const char* end, char* utf8, const char*& next);

// --- implementation ---------------------------------------------------

// The bytes at which decoding a value of each kind stops to look: a
// reference, a blank or line end it changes, and the first bytes of NEL
// and LS (line ends in XML 1.1).
constexpr std::array<std::array<bool, 256>, 3> kDecodeStops = [] {
    std::array<std::array<bool, 256>, 3> stops{};
    for (auto& kind : stops) kind['\r'] = kind[0xC2] = kind[0xE2] = true;
    stops[static_cast<int>(ValueKind::Attribute)]['&'] = true;
    stops[static_cast<int>(ValueKind::Attribute)]['\t'] = true;
    stops[static_cast<int>(ValueKind::Attribute)]['\n'] = true;
    stops[static_cast<int>(ValueKind::Text)]['&'] = true;
    return stops;
}();

template <class Out>
void Decode(std::string_view raw, ValueKind kind, XmlVersion version, Out&& out) {
    const std::array<bool, 256>& stops = kDecodeStops[static_cast<int>(kind)];
    const char lineEnd = kind == ValueKind::Attribute ? ' ' : '\n';
    const char* p = raw.data();
    const char* const end = p + raw.size();
    const char* run = p;
    char utf8[4];
    for (;;) {
        // The stops of a value's run are more than these: pass over the others.
        p = ValueRunEnd(p, end);
        if (p == end) break;
        const char c = *p;
        if (!stops[static_cast<unsigned char>(c)]) {
            ++p;
            continue;
        }
        if (c == '\xC2' || c == '\xE2') {
            const bool nel = c == '\xC2' && p[1] == '\x85';
            const bool ls = c == '\xE2' && p[1] == '\x80' && p[2] == '\xA8';
            if (version == XmlVersion::V1_0 || (!nel && !ls)) {
                ++p;
                continue;
            }
            out(std::string_view(run, static_cast<size_t>(p - run)));
            out(std::string_view(&lineEnd, 1));
            run = p += nel ? 2 : 3;
            continue;
        }
        out(std::string_view(run, static_cast<size_t>(p - run)));
        if (c == '&') {
            const size_t length = DecodeReference(p, end, utf8, p);
            out(std::string_view(utf8, length));
        } else {
            out(std::string_view(&lineEnd, 1));
            ++p;
            if (c == '\r' && p != end) {
                if (*p == '\n') ++p;
                else if (version == XmlVersion::V1_1 && *p == '\xC2' && p + 1 != end && p[1] == '\x85') p += 2;
            }
        }
        run = p;
    }
    out(std::string_view(run, static_cast<size_t>(p - run)));
}

}  // namespace ado::xml
