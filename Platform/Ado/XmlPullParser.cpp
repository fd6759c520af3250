#include "Ado/XmlPullParser.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <span>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "Com/Variant.h"

namespace ado::xml {

using namespace byte;

namespace {

// Rowset documents are a few levels deep; a limit keeps a hostile one from
// making the parser keep a name for every character.
constexpr size_t kMaxDepth = 256;

// How many known names on an attribute's name is looked for (see startTag).
constexpr size_t kKnownReach = 16;

bool IsVersion(std::string_view v) {
    if (v.size() < 3 || !v.starts_with("1.")) return false;
    return std::all_of(v.begin() + 2, v.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsEncodingName(std::string_view name) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (name.empty() || !letter(name[0])) return false;
    return std::all_of(name.begin(), name.end(), [&](char c) {
        return letter(c) || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
    });
}

// The first byte from `p` that is not an ASCII name character (class
// kName), or `end`; sets `colon` when one of them is ":". Sixteen bytes at
// a time where the processor can.
const char* NameRunEnd(const char* p, const char* end, bool& colon) {
#if defined(__SSE2__)
    const __m128i lowerA = _mm_set1_epi8('a' - 1), lowerZ = _mm_set1_epi8('z' + 1), case20 = _mm_set1_epi8(0x20),
                  zero = _mm_set1_epi8('0' - 1), nine = _mm_set1_epi8('9' + 1), underscore = _mm_set1_epi8('_'),
                  colonByte = _mm_set1_epi8(':'), dot = _mm_set1_epi8('.'), dash = _mm_set1_epi8('-');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i lower = _mm_or_si128(bytes, case20);
        const __m128i colons = _mm_cmpeq_epi8(bytes, colonByte);
        const __m128i name = _mm_or_si128(
            _mm_or_si128(_mm_and_si128(_mm_cmpgt_epi8(lower, lowerA), _mm_cmplt_epi8(lower, lowerZ)),
                         _mm_and_si128(_mm_cmpgt_epi8(bytes, zero), _mm_cmplt_epi8(bytes, nine))),
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, underscore), colons),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, dot), _mm_cmpeq_epi8(bytes, dash))));
        const unsigned stops = ~static_cast<unsigned>(_mm_movemask_epi8(name)) & 0xFFFF;
        const unsigned colonsBefore = static_cast<unsigned>(_mm_movemask_epi8(colons)) &
                                      (stops ? (1u << __builtin_ctz(stops)) - 1 : 0xFFFF);
        colon |= colonsBefore != 0;
        if (stops) return p + __builtin_ctz(stops);
    }
#endif
    uint8_t classes = 0, cls = 0;
    for (; p != end && ((cls = ClassOf(*p)) & kName); ++p) classes |= cls;
    colon |= (classes & kColon) != 0;
    return p;
}

// The first `count` bytes at `p` (eight at most) as a number.
uint64_t WordOf(const char* p, size_t count) {
    uint64_t word = 0;
    if (count == 8) std::memcpy(&word, p, 8);
    else
        for (size_t i = 0; i < count; ++i) word |= uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
    return word;
}

// A name's length and first and last bytes, which tell most names apart.
uint64_t KeyOf(std::string_view name) {
    const size_t head = std::min<size_t>(name.size(), 8);
    const uint64_t first = WordOf(name.data(), head);
    const uint64_t last = name.size() > 8 ? WordOf(name.data() + name.size() - 8, 8) : 0;
    return first ^ (last << 7 | last >> 57) ^ static_cast<uint64_t>(name.size()) << 56;
}

// Whether the text at `p` is `name` and then "=": the name as a whole, as
// no name goes on with "=".
bool IsNameThenEquals(const char* p, const char* end, std::string_view name) {
    return static_cast<size_t>(end - p) > name.size() && p[name.size()] == '=' &&
           SameBytes(p, name.data(), name.size());
}

bool IsPrefixed(std::string_view name) { return name.find(':') != std::string_view::npos; }

// A hash of a name, eight bytes at a time, from a seed drawn once per
// process, so that no document can be written whose names all fall on one
// place of the table.
const uint64_t kHashSeed = std::random_device()() * 0x9E3779B97F4A7C15ull | 1;

uint64_t HashOf(std::string_view name) {
    constexpr uint64_t kMultiplier = 0xFF51AFD7ED558CCDull;
    uint64_t hash = kHashSeed ^ name.size();
    const char* p = name.data();
    size_t left = name.size();
    for (; left >= 8; p += 8, left -= 8) {
        hash = (hash ^ WordOf(p, 8)) * kMultiplier;
        hash ^= hash >> 29;
    }
    hash = (hash ^ WordOf(p, left)) * kMultiplier;
    return hash ^ (hash >> 32);
}

}  // namespace

XmlPullParser::XmlPullParser(const Utf8Document& document) : input_(document.text) {
    readDeclaration(document.mark);
}

// The declaration: "<?xml", then version, encoding and standalone in that
// order (the first required), each name='value', and "?>". Any other
// processing instruction whose target is xml in any case is refused.
void XmlPullParser::readDeclaration(ByteOrderMark mark) {
    const bool declared = input_.starts_with("<?xml") &&
                          (input_.size() == 5 || (ClassOf(input_[5]) & (kName | kCheck)) == 0);
    if (!declared) return;
    const char* p = here() + 5;
    constexpr std::string_view kNames[] = {"version", "encoding", "standalone"};
    std::string_view values[3];
    size_t next = 0;  // the first of kNames that may come
    for (;;) {
        const char* const blanks = p;
        p = skipBlanks(p);
        if (std::string_view(p, static_cast<size_t>(end() - p)).starts_with("?>")) break;
        bool prefixed = false;
        const char* const name = p;
        if (p == blanks) NotARowset("an XML declaration that is not well-formed");
        p = readName(p, prefixed);
        const size_t at = std::find(kNames + next, std::end(kNames), std::string_view(name, p)) - kNames;
        if (at == std::size(kNames) || (next == 0 && at != 0))
            NotARowset("an XML declaration that is not well-formed");
        p = skipBlanks(expect(skipBlanks(p), '=', "'=' in the XML declaration"));
        const char quote = p != end() ? *p : '\0';
        if (quote != '\'' && quote != '"') NotARowset("an XML declaration that is not well-formed");
        const char* const close = std::find(p + 1, end(), quote);
        if (close == end()) NotARowset("an XML declaration without its end");
        values[at] = std::string_view(p + 1, close);
        p = close + 1;
        next = at + 1;
    }
    moveTo(p + 2);
    const std::string_view version = values[0], encoding = values[1], standalone = values[2];
    if (!IsVersion(version)) NotARowset("the XML version " + std::string(version).substr(0, 20) + " is not read");
    // The document is in UTF-16 when its mark says so, else in UTF-8: the
    // only encodings read.
    if (encoding.data()) {
        if (!IsEncodingName(encoding)) NotARowset("an XML declaration that is not well-formed");
        const bool utf16 = mark == ByteOrderMark::Utf16;
        if (!com::SameName(encoding, utf16 ? "UTF-16" : "UTF-8"))
            NotARowset("the declared encoding " + std::string(encoding).substr(0, 20) + " is not the document's, " +
                       (utf16 ? "UTF-16" : "UTF-8"));
    }
    if (standalone.data() && standalone != "yes" && standalone != "no")
        NotARowset("an XML declaration that is not well-formed");
    // A later 1.x is read as 1.0, as XML 1.0 asks.
    version_ = version == "1.1" ? XmlVersion::V1_1 : XmlVersion::V1_0;
}

// --- scanners ---------------------------------------------------------------
// The scanners run for every name and value: they are inline, so that the
// compiler may fold them into the loops that call them.

inline const char* XmlPullParser::pass(const char* p, char32_t& c) const {
    // Two bytes from U+00C0 up, the accented letters of most texts, are
    // characters of both versions and end no line: known in place.
    const auto lead = static_cast<unsigned char>(p[0]);
    if (lead >= 0xC3 && lead <= 0xDF && end() - p >= 2 && (static_cast<unsigned char>(p[1]) & 0xC0) == 0x80) {
        c = static_cast<char32_t>((lead & 0x1F) << 6 | (static_cast<unsigned char>(p[1]) & 0x3F));
        return p + 2;
    }
    const char* next = ReadCharacter(p, end(), version_, c);
    if (!next) NotARowset("a character XML does not allow at byte " + std::to_string(p - input_.data()));
    return next;
}

inline const char* XmlPullParser::skipBlanks(const char* p) const {
    const char* const last = end();
    for (;;) {
        while (p != last && (ClassOf(*p) & kBlank)) ++p;
        if (version_ == XmlVersion::V1_0 || p == last || (*p != '\xC2' && *p != '\xE2')) return p;
        const std::string_view rest(p, static_cast<size_t>(last - p));
        if (rest.starts_with("\xC2\x85")) p += 2;
        else if (rest.starts_with("\xE2\x80\xA8")) p += 3;
        else return p;
    }
}

inline const char* XmlPullParser::expect(const char* p, char c, const char* what) const {
    if (p == end() || *p != c) NotARowset(std::string("expected ") + what);
    return p + 1;
}

inline const char* XmlPullParser::readName(const char* p, bool& prefixed) const {
    const char* const begin = p;
    const char* const last = end();
    if (p != last && (ClassOf(*p) & kNameStart)) {
        prefixed |= *p++ == ':';
    } else if (p != last && static_cast<unsigned char>(*p) >= 0x80) {
        char32_t c = 0;
        const char* next = pass(p, c);
        if (IsNameStartCharacter(c)) p = next;
    }
    if (p == begin) NotARowset("a name was expected at byte " + std::to_string(p - input_.data()));
    for (;;) {
        p = NameRunEnd(p, last, prefixed);
        if (p == last || static_cast<unsigned char>(*p) < 0x80) return p;
        char32_t c = 0;
        const char* next = pass(p, c);
        if (!IsNameCharacter(c)) return p;
        p = next;
    }
}

inline const char* XmlPullParser::readValue(const char* p, XmlAttribute& attribute) const {
    const char quote = p != end() ? *p : '\0';
    if (quote != '\'' && quote != '"') NotARowset("an attribute value that is not quoted");
    const char* const begin = ++p;
    const char* const last = end();
    bool plain = true;
    for (;;) {
        p = ValueRunEnd(p, last);
        if (p == last) NotARowset("an attribute value that is not closed");
        const char c = *p;
        if (c == quote) break;
        switch (c) {
            case '\'':
            case '"': ++p; break;
            case '<': NotARowset("a '<' in an attribute value at byte " + std::to_string(p - input_.data()));
            case '&':
                p = CheckReference(p, last, version_);
                plain = false;
                break;
            case '\t':
            case '\n':
            case '\r':
                ++p;
                plain = false;
                break;
            default: {
                char32_t character = 0;
                p = pass(p, character);
                plain &= !IsLineEnd(character, version_);
            }
        }
    }
    attribute.raw = std::string_view(begin, p);
    attribute.plain = plain;
    return p + 1;
}

const char* XmlPullParser::passTo(const char* p, std::string_view terminator, const char* what) const {
    const char* const last = end();
    const char first = terminator[0];
    for (;;) {
        while (p != last && !(ClassOf(*p) & kCheck) && *p != first) ++p;
        if (p == last) NotARowset(what);
        if (*p != first) {
            char32_t c = 0;
            p = pass(p, c);
        } else if (std::string_view(p, static_cast<size_t>(last - p)).starts_with(terminator)) {
            return p + terminator.size();
        } else {
            ++p;
        }
    }
}

// --- events -------------------------------------------------------------------

XmlPullParser::Event XmlPullParser::next() {
    ended_ = false;
    if (pendingEnd_) {
        pendingEnd_ = false;
        scope_.restore(open_[--depth_].scopeMark);
        ended_ = true;
        return Event::EndElement;
    }
    for (;;) {
        if (pos_ >= input_.size()) {
            if (depth_ > 0) NotARowset("the document ends inside " + open_[depth_ - 1].name);
            if (!rootSeen_) NotARowset("no root element");
            return Event::End;
        }
        if (input_[pos_] != '<') {
            // Blanks before a tag, as between rows, are passed over at once.
            const char* p = here();
            while (p != end() && (ClassOf(*p) & kBlank)) ++p;
            if (p != end() && *p == '<') {
                moveTo(p);
                continue;
            }
            if (!readText()) continue;
            if (depth_ == 0) NotARowset("text outside the root element");
            return Event::Text;
        }
        const std::string_view rest = input_.substr(pos_);
        switch (rest.size() > 1 ? rest[1] : '\0') {
            case '/':
                endTag();
                ended_ = true;
                return Event::EndElement;
            case '?':
                skipMarkup();
                continue;
            case '!':
                if (rest.starts_with("<![CDATA[")) {
                    if (depth_ == 0) NotARowset("a CDATA section outside the root element");
                    readCData();
                    return Event::CData;
                }
                if (!rest.starts_with("<!--")) NotARowset("a document type declaration");
                skipMarkup();
                continue;
            default: startTag(); return Event::StartElement;
        }
    }
}

bool XmlPullParser::readText() {
    const char* const begin = here();
    const char* const last = end();
    const char* p = begin;
    bool blank = true, plain = true;
    for (;;) {
        const char* const run = p;
        while (p != last && !(ClassOf(*p) & kTextStop)) ++p;
        blank &= p == run;
        if (p == last || *p == '<') break;
        const char c = *p;
        if (ClassOf(c) & kBlank) {
            plain &= c != '\r';
            ++p;
        } else if (c == '&') {
            p = CheckReference(p, last, version_);
            blank = plain = false;
        } else if (c == ']') {
            if (last - p >= 3 && p[1] == ']' && p[2] == '>') NotARowset("']]>' in text");
            ++p;
            blank = false;
        } else {
            char32_t character = 0;
            p = pass(p, character);
            const bool lineEnd = IsLineEnd(character, version_);
            plain &= !lineEnd;
            blank &= lineEnd;
        }
    }
    moveTo(p);
    text_ = std::string_view(begin, p);
    textPlain_ = plain;
    return !blank;
}

void XmlPullParser::readCData() {
    const char* const begin = here() + 9;
    const char* const after = passTo(begin, "]]>", "a CDATA section without its end");
    moveTo(after);
    text_ = std::string_view(begin, after - 3);
    // Line ends are all a CDATA section may need made anew.
    textPlain_ = text_.find('\r') == std::string_view::npos &&
                 (version_ == XmlVersion::V1_0 || (text_.find("\xC2\x85") == std::string_view::npos &&
                                                   text_.find("\xE2\x80\xA8") == std::string_view::npos));
}

void XmlPullParser::skipMarkup() {
    if (input_.compare(pos_, 4, "<!--") == 0) {
        const char* p = passTo(here() + 4, "--", "a comment without its end");
        moveTo(expect(p, '>', "'>' after '--' in a comment"));
        return;
    }
    bool prefixed = false;
    const char* const target = here() + 2;
    const char* p = readName(target, prefixed);
    if (com::SameName(std::string_view(target, p), "xml")) NotARowset("an XML declaration that is not at the start");
    if (std::string_view(p, static_cast<size_t>(end() - p)).starts_with("?>")) {
        moveTo(p + 2);
        return;
    }
    const char* const blanks = p;
    p = skipBlanks(p);
    if (p == blanks) NotARowset("a processing instruction without a blank after its target");
    moveTo(passTo(p, "?>", "a processing instruction without its end"));
}

void XmlPullParser::startTag() {
    if (depth_ == 0 && rootSeen_) NotARowset("more than one root element");
    if (depth_ >= kMaxDepth) NotARowset("elements nested too deep");
    bool prefixedElement = false;
    bool namespaced = false;  // an attribute declares a namespace or holds a prefix
    const char* p = here() + 1;
    // A row has the name of the row before it, read and checked then.
    const char* nameEnd = p + lastRaw_.size();
    const bool lastName = end() - p > static_cast<ptrdiff_t>(lastRaw_.size()) && !lastRaw_.empty() &&
                          (ClassOf(*nameEnd) & kBlank || *nameEnd == '/' || *nameEnd == '>') &&
                          SameBytes(p, lastRaw_.data(), lastRaw_.size());
    if (!lastName) nameEnd = readName(p, prefixedElement);
    const std::string_view element(p, nameEnd);
    p = nameEnd;

    // The attributes as written. Rows name their attributes as the row
    // before them did, in the same order, less those that are Null: a name
    // that is the next of the known names (knownNames_) and is followed by
    // "=" is that name again, read and checked already, and names found
    // among the known ones in their order are told apart by them.
    // They are written over those of the element before, which stay made:
    // the room grows, and is never made again for each element.
    size_t count = 0;
    bool known = true;
    size_t nextKnown = 0;
    // Kept at hand: the stores into attributes_ would make the compiler
    // load the members again for every attribute.
    XmlAttribute* attributes = attributes_.data();
    size_t room = attributes_.size();
    const char* const last = end();
    const bool v11 = version_ == XmlVersion::V1_1;
    const std::span<const std::string_view> knownNames(knownNames_);
    for (;;) {
        const char* const blanks = p;
        if (p != last && *p == ' ') ++p;
        if (p != last && ((ClassOf(*p) & kBlank) || v11)) p = skipBlanks(p);
        if (p == last) NotARowset("the document ends inside the tag " + std::string(element));
        if (*p == '>') {
            ++p;
            break;
        }
        if (*p == '/') {
            p = expect(p + 1, '>', "'>' after '/' in a tag");
            pendingEnd_ = true;
            break;
        }
        if (p == blanks) NotARowset("attributes of " + std::string(element) + " not apart");
        if (count == room) {
            if (count == kMaxAttributes)
                NotARowset(std::string(element) + " has more than " + std::to_string(kMaxAttributes) + " attributes");
            attributes_.resize(std::min(std::max<size_t>(16, 2 * count), kMaxAttributes));
            attributes = attributes_.data();
            room = attributes_.size();
        }
        XmlAttribute& attribute = attributes[count++];
        const char* const name = p;
        if (known && nextKnown < knownNames.size() && IsNameThenEquals(p, last, knownNames[nextKnown])) {
            attribute.known = static_cast<uint32_t>(nextKnown);
            p += knownNames[nextKnown++].size();
            attribute.name = std::string_view(name, p);
            ++p;  // the "="
        } else {
            p = readName(p, namespaced);
            attribute.name = std::string_view(name, p);
            namespaced |= attribute.name == "xmlns";
            if (known) {
                // Looked for a few names on, past those a row leaves out,
                // and no further: for any element the search costs the same
                // few comparisons, however many names are known.
                const auto from = knownNames.begin() + static_cast<ptrdiff_t>(nextKnown);
                const auto to = from + static_cast<ptrdiff_t>(std::min(kKnownReach, knownNames.size() - nextKnown));
                const auto at = std::find(from, to, attribute.name);
                known = at != to;
                nextKnown = static_cast<size_t>(at - knownNames.begin()) + 1;
            }
            attribute.known = known ? static_cast<uint32_t>(nextKnown - 1) : XmlAttribute::kUnknown;
            // Most writers put "=" and the quote right after the name.
            if (p != last && *p == '=') ++p;
            else p = skipBlanks(expect(skipBlanks(p), '=', "'=' after an attribute name"));
        }
        p = readValue(p, attribute);
    }
    moveTo(p);
    attributeCount_ = count;

    if (open_.size() == depth_) open_.emplace_back();
    Open& opened = open_[depth_];
    opened.raw = element;
    opened.scopeMark = scope_.mark();
    if (namespaced) {
        takeNamespaces(element);
    } else if (!known) {
        checkUnique(element, false);
        knownNames_.clear();
        for (XmlAttribute& a : current()) {
            a.known = static_cast<uint32_t>(knownNames_.size());
            knownNames_.push_back(a.name);
        }
        ++knownNaming_;
    }
    nameElement(opened, lastName);
    ++depth_;
    rootSeen_ = true;
}

void XmlPullParser::nameElement(Open& element, bool lastName) {
    if (!(lastName || element.raw == lastRaw_) || scope_.generation() != lastScope_) {
        lastName_ = scope_.canonical(element.raw, false, scratch_);
        lastRaw_ = element.raw;
        lastScope_ = scope_.generation();
        ++lastNaming_;
    }
    // A row takes the place of the row before it, which had the same name.
    if (element.naming == lastNaming_) return;
    element.name = lastName_;
    element.naming = lastNaming_;
}

void XmlPullParser::takeNamespaces(std::string_view element) {
    // The declarations first: they hold for the element's own names.
    const std::span<XmlAttribute> attributes = current();
    scope_.reserve(static_cast<size_t>(std::count_if(attributes.begin(), attributes.end(), [](const XmlAttribute& a) {
        return NamespaceScope::IsDeclaration(a.name);
    })));
    size_t prefixedBytes = 0;
    for (const XmlAttribute& a : attributes) {
        if (NamespaceScope::IsDeclaration(a.name)) scope_.declare(a.name, value(a, scratch_));
        else if (IsPrefixed(a.name)) prefixedBytes += a.name.size() + 1;
    }
    checkUnique(element, true);

    // A name spelt anew is at most a byte longer (dt for d), so that room
    // for them all is made once and the names stay where they are. The
    // declarations of the format's own namespaces go: the writer makes its
    // own.
    canonicalNames_.clear();
    canonicalNames_.reserve(prefixedBytes);
    attributeCount_ = static_cast<size_t>(std::remove_if(attributes.begin(), attributes.end(), [&](XmlAttribute& a) {
        if (NamespaceScope::IsDeclaration(a.name)) return !CanonicalPrefix(value(a, scratch_)).empty();
        if (!IsPrefixed(a.name)) return false;
        const std::string_view name = scope_.canonical(a.name, true, scratch_);
        if (name.data() == scratch_.data()) {
            const size_t at = canonicalNames_.size();
            canonicalNames_ += name;
            a.name = std::string_view(canonicalNames_).substr(at);
        }
        return false;
    }) - attributes.begin());
}

void XmlPullParser::checkUnique(std::string_view element, bool prefixes) {
    const std::span<const XmlAttribute> attributes = current();
    const size_t count = attributes.size();
    auto refuse = [&](std::string_view name) {
        NotARowset("the attribute " + std::string(name) + " is given twice in " + std::string(element));
    };
    // A name's namespace and local part: a declaration and a name without
    // a prefix are in none, and are their names.
    auto expanded = [&](size_t i) {
        const std::string_view name = attributes[i].name;
        return prefixes && IsPrefixed(name) && !NamespaceScope::IsDeclaration(name)
                   ? scope_.expand(name, true)
                   : NamespaceScope::Expanded{{}, name, 0};
    };
    // A few names are told apart faster one pair at a time.
    constexpr size_t kFew = 16;
    if (count <= kFew && !prefixes) {
        // Each name marks a bit chosen by its length and first bytes; only a
        // name whose bit is marked already is compared with those before it.
        uint64_t marked[4] = {};
        for (size_t i = 0; i < count; ++i) {
            const std::string_view name = attributes[i].name;
            const auto bit = static_cast<unsigned>((KeyOf(name) * 0x9E3779B97F4A7C15ull) >> 56);
            const uint64_t mask = uint64_t{1} << (bit & 63);
            if (marked[bit >> 6] & mask)
                for (size_t j = 0; j < i; ++j)
                    if (attributes[j].name == name) refuse(name);
            marked[bit >> 6] |= mask;
        }
        return;
    }
    if (count <= kFew) {
        for (size_t i = 1; i < count; ++i) {
            const NamespaceScope::Expanded name = expanded(i);
            for (size_t j = 0; j < i; ++j) {
                const NamespaceScope::Expanded other = expanded(j);
                if (name.local == other.local && name.uri == other.uri && name.uriHash == other.uriHash)
                    refuse(name.local);
            }
        }
        return;
    }
    size_t size = 32;
    while (size < 2 * count) size <<= 1;
    seen_.assign(size, 0);
    for (size_t i = 0; i < count && !prefixes; ++i) {
        const std::string_view name = attributes[i].name;
        size_t slot = HashOf(name) & (size - 1);
        for (; seen_[slot] != 0; slot = (slot + 1) & (size - 1))
            if (attributes[seen_[slot] - 1].name == name) refuse(name);
        seen_[slot] = static_cast<uint32_t>(i + 1);
    }
    for (size_t i = 0; i < count && prefixes; ++i) {
        const NamespaceScope::Expanded name = expanded(i);
        size_t slot = (HashOf(name.local) ^ name.uriHash) & (size - 1);
        for (; seen_[slot] != 0; slot = (slot + 1) & (size - 1)) {
            const NamespaceScope::Expanded other = expanded(seen_[slot] - 1);
            if (name.local == other.local && name.uri == other.uri && name.uriHash == other.uriHash)
                refuse(name.local);
        }
        seen_[slot] = static_cast<uint32_t>(i + 1);
    }
}

void XmlPullParser::endTag() {
    bool prefixed = false;
    const char* const name = here() + 2;
    const char* p = readName(name, prefixed);
    const std::string_view raw(name, p);
    moveTo(expect(skipBlanks(p), '>', "'>' to close an end tag"));
    if (depth_ == 0 || open_[depth_ - 1].raw != raw)
        NotARowset("the end tag " + std::string(raw) + " closes no element of that name");
    scope_.restore(open_[--depth_].scopeMark);
}

std::string_view XmlPullParser::value(const XmlAttribute& attribute, std::string& buffer) const {
    if (attribute.plain) return attribute.raw;
    buffer.resize(attribute.raw.size());
    buffer.resize(DecodeInto(attribute.raw, ValueKind::Attribute, version_, buffer.data()));
    return buffer;
}

void XmlPullParser::skipElement() {
    const size_t level = depth_ - 1;
    while (!(next() == Event::EndElement && depth_ == level)) {
    }
}

XmlPullParser::Mark XmlPullParser::mark() const {
    return Mark{pos_, open_, depth_, pendingEnd_, scope_};
}

void XmlPullParser::restore(const Mark& mark) {
    pos_ = mark.pos;
    open_ = mark.open;
    depth_ = mark.depth;
    pendingEnd_ = mark.pendingEnd;
    scope_ = mark.scope;
    ended_ = false;
    lastRaw_ = {};  // the namespaces in force are those of another time
}

}  // namespace ado::xml
