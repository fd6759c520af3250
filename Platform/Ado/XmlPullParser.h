// A strict pull parser for rowset documents: it reads the text in place,
// one element or text at a time, and keeps nothing of what it has passed
// but the names of the elements still open. It refuses (err::InvalidXml)
// whatever is not well-formed XML, by the rules of XmlCharacters.h and
// XmlNamespaces.h and these: an XML declaration, if any, only at the very
// start, of version 1.x, naming the encoding the document is in; one root
// element with nothing but blanks, comments and processing instructions
// around it; no document type declaration; every tag closed by the tag
// that opened it; attributes quoted, separated by blanks, never given
// twice, without "<" in their values; no "]]>" in text; comments without
// "--".
//
// It looks at each byte once: the characters are checked, references
// checked and line ends noted in the same pass that finds where names,
// values and texts end. Values and texts that hold a reference or a line
// end are decoded by whoever takes them (Decode), straight into where
// they are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Ado/XmlCharacters.h"
#include "Ado/XmlNamespaces.h"

namespace ado::xml {

// One attribute as the reader sees it: its name spelled as this layer
// spells the format's names (NamespaceScope::canonical), and its value as
// written between the quotes.
struct XmlAttribute {
    static constexpr uint32_t kUnknown = UINT32_MAX;

    std::string_view name;
    std::string_view raw;
    bool plain;  // no reference, blank but space, or line end: the value is `raw`
    // The name's place among the parser's known names (knownNames), which
    // a reader may have matched already; kUnknown when it is not one.
    uint32_t known = kUnknown;
};

class XmlPullParser {
public:
    enum class Event { StartElement, EndElement, Text, CData, End };

    // An element has at most this many attributes: far more than any table
    // has columns, and a bound on what the parser holds for one element.
    static constexpr size_t kMaxAttributes = 1 << 17;

    // `document` (AsUtf8) must outlive the parser. Raises at once for an XML
    // declaration that is not well-formed or does not name the encoding of
    // the document.
    explicit XmlPullParser(const Utf8Document& document);

    // The next event. An element written <a/> gives StartElement and then
    // EndElement; blanks alone between tags give nothing.
    Event next();

    // The element just started or ended, as this layer spells it.
    std::string_view name() const { return open_[depth_ - (ended_ ? 0 : 1)].name; }
    // The attributes of the element just started: the declarations of the
    // format's own namespaces are left out (the writer declares them).
    // Valid until the next call.
    std::span<const XmlAttribute> attributes() const { return {attributes_.data(), attributeCount_}; }
    // The names the attributes of elements are found among, as they came
    // last (XmlAttribute::known), and a number that changes whenever they
    // do.
    std::span<const std::string_view> knownNames() const { return knownNames_; }
    size_t knownNaming() const { return knownNaming_; }
    // The value of an attribute: `raw` when plain, else decoded into `buffer`.
    std::string_view value(const XmlAttribute& attribute, std::string& buffer) const;
    // The text of Text or CData as written, and whether it is the text as
    // read: else it is decoded (Decode) as ValueKind::Text or CData.
    std::string_view rawText() const { return text_; }
    bool textPlain() const { return textPlain_; }
    // The version the document declares, which decoding follows.
    XmlVersion version() const { return version_; }
    // The elements open: after StartElement the new one counts, after
    // EndElement the one ended does not.
    size_t depth() const { return depth_; }

    // After StartElement: reads on through the end of that element.
    void skipElement();

    // A place to read again from: taken right after a StartElement, it
    // makes the parser stand there again.
    struct Mark;
    Mark mark() const;
    void restore(const Mark& mark);

private:
    struct Open {
        std::string_view raw;  // as written, to match the end tag
        std::string name;      // as this layer spells it
        size_t naming = 0;     // the naming (lastNaming_) that gave it its name
        size_t scopeMark = 0;
    };

    void readDeclaration(ByteOrderMark mark);
    void startTag();
    void endTag();
    void skipMarkup();  // a comment or a processing instruction
    void readCData();
    // The text from the current place to the next "<"; false when it is
    // blanks alone.
    bool readText();

    // The scanners: each reads from `p` and returns the byte after what it
    // read, raising for what XML does not allow there.
    const char* skipBlanks(const char* p) const;
    // A name; raises when none starts at `p`. Notes in `prefixed` whether
    // it holds a colon.
    const char* readName(const char* p, bool& prefixed) const;
    // An attribute's value, from its opening quote through its closing one.
    const char* readValue(const char* p, XmlAttribute& attribute) const;
    // A character that is not plain ASCII; sets `c` to it.
    const char* pass(const char* p, char32_t& c) const;
    // Characters up to and through `terminator`, each checked; raises with
    // `what` when the document ends first.
    const char* passTo(const char* p, std::string_view terminator, const char* what) const;
    const char* expect(const char* p, char c, const char* what) const;

    const char* here() const { return input_.data() + pos_; }
    const char* end() const { return input_.data() + input_.size(); }
    void moveTo(const char* p) { pos_ = static_cast<size_t>(p - input_.data()); }

    // The element's name as this layer spells it; `lastName`: its raw
    // name is known to be that of the last element named.
    void nameElement(Open& element, bool lastName);
    // Takes the element's namespace declarations, then names its
    // attributes as this layer spells them: for an element with a prefixed
    // attribute or a declaration only.
    void takeNamespaces(std::string_view element);
    // Raises when two of the element's attributes have the same namespace
    // and local name; when no name has a prefix (`prefixes` false), the
    // same name.
    void checkUnique(std::string_view element, bool prefixes);

    std::string_view input_;
    size_t pos_ = 0;
    XmlVersion version_ = XmlVersion::V1_0;
    bool rootSeen_ = false;
    std::vector<Open> open_;  // the first depth_ are the elements open
    size_t depth_ = 0;
    bool ended_ = false;       // the last event was EndElement
    bool pendingEnd_ = false;  // the element just started was written <a/>
    NamespaceScope scope_;

    std::span<XmlAttribute> current() { return {attributes_.data(), attributeCount_}; }

    std::vector<XmlAttribute> attributes_;  // the first attributeCount_ are the element's
    size_t attributeCount_ = 0;
    std::vector<uint32_t> seen_;  // attributes_ by hash: index + 1, 0 for none
    // The names of the last element whose names were told apart, none of
    // them prefixed: those of any element found among them in their order
    // are apart too. They lie in the input.
    std::vector<std::string_view> knownNames_;
    size_t knownNaming_ = 0;
    std::string canonicalNames_;  // names of attributes_ spelt anew
    std::string scratch_;
    // The last element named, its name as this layer spells it, and the
    // namespaces it was named under: rows are named once.
    std::string_view lastRaw_;
    std::string lastName_;
    size_t lastScope_ = 0;
    size_t lastNaming_ = 1;  // counts the names made
    std::string_view text_;  // of the last Text or CData
    bool textPlain_ = true;
};

struct XmlPullParser::Mark {
    size_t pos;
    std::vector<Open> open;
    size_t depth;
    bool pendingEnd;
    NamespaceScope scope;
};

}  // namespace ado::xml
