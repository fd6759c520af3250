// A strict pull parser for rowset documents: it reads the text in place,
// one element or text at a time, and keeps nothing of what it has passed
// but the names of the elements still open. It refuses (err::InvalidXml)
// whatever is not well-formed XML, by the rules of XmlCharacters.h and
// XmlNamespaces.h and these: one root element with nothing but blanks,
// comments and processing instructions around it; the XML declaration only
// at the very start; no document type declaration; every tag closed by the
// tag that opened it; attributes quoted, separated by blanks, never given
// twice, without "<" in their values; no "]]>" in text; comments without
// "--".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Ado/XmlNamespaces.h"

namespace ado::xml {

// One attribute as the reader sees it: its name spelled as this layer spells
// the format's names (NamespaceScope::canonical), and its value with its
// references decoded and its line ends and tabs made blanks, as XML reads
// attribute values.
struct XmlAttribute {
    std::string_view name;
    std::string_view value;
};

class XmlPullParser {
public:
    enum class Event { StartElement, EndElement, Text, CData, End };

    // `text` is UTF-8 whose characters were checked (CheckCharacters); it
    // must outlive the parser.
    explicit XmlPullParser(std::string_view text);

    // The next event. An element written <a/> gives StartElement and then
    // EndElement; blanks alone between tags give nothing.
    Event next();

    // The element just started or ended, as this layer spells it.
    std::string_view name() const { return open_[depth_ - (ended_ ? 0 : 1)].name; }
    // The attributes of the element just started: the declarations of the
    // format's own namespaces are left out (the writer declares them).
    // Valid until the next call.
    const std::vector<XmlAttribute>& attributes() const { return attributes_; }
    // The text of Text (decoded, line ends made LF) or CData.
    std::string_view text() const { return text_; }
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
        size_t scopeMark = 0;
    };

    void startTag();
    void endTag();
    void skipMarkup();  // a comment, a processing instruction or the declaration
    // A name at the current place; raises when none starts there.
    std::string_view readName();
    size_t skipBlanks();
    void expect(char c, const char* what);
    // `raw`, which holds references, tabs or line ends, as an attribute value
    // (store: where it is kept).
    std::string_view attributeValue(std::string_view raw, std::string& store);

    std::string_view input_;
    size_t pos_ = 0;
    bool rootSeen_ = false;
    std::vector<Open> open_;  // the first depth_ are the elements open
    size_t depth_ = 0;
    bool ended_ = false;      // the last event was EndElement
    bool pendingEnd_ = false;  // the element just started was written <a/>
    NamespaceScope scope_;

    std::vector<XmlAttribute> attributes_;
    std::string_view text_;
    // Room for values and names that differ from the text as written.
    struct RawAttribute {
        std::string_view name;
        std::string_view value;
        bool plain;  // holds no reference, tab or line end: read as written
    };
    std::vector<RawAttribute> raw_;
    std::vector<std::string> values_;
    std::vector<std::string> names_;
    std::vector<std::pair<std::string_view, std::string_view>> expanded_;
    std::string scratch_;
    std::string decodedText_;
};

struct XmlPullParser::Mark {
    size_t pos;
    std::vector<Open> open;
    size_t depth;
    bool pendingEnd;
    NamespaceScope scope;
};

}  // namespace ado::xml
