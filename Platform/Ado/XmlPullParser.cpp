#include "Ado/XmlPullParser.h"

#include "Ado/XmlCharacters.h"
#include "Com/Variant.h"

namespace ado::xml {

namespace {

// Rowset documents are a few levels deep; a limit keeps a hostile one from
// making the parser keep a name for every character.
constexpr size_t kMaxDepth = 256;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool IsNameChar(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool AllBlank(std::string_view text) {
    for (char c : text)
        if (!IsBlank(c)) return false;
    return true;
}

// Line ends as XML reads them: CR LF and a lone CR become LF.
void NormaliseLineEnds(std::string_view raw, std::string& out) {
    out.clear();
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\r') {
            out += raw[i];
            continue;
        }
        out += '\n';
        if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
    }
}

}  // namespace

XmlPullParser::XmlPullParser(std::string_view text) : input_(text) {}

size_t XmlPullParser::skipBlanks() {
    const size_t start = pos_;
    while (pos_ < input_.size() && IsBlank(input_[pos_])) ++pos_;
    return pos_ - start;
}

void XmlPullParser::expect(char c, const char* what) {
    if (pos_ >= input_.size() || input_[pos_] != c) NotARowset(std::string("expected ") + what);
    ++pos_;
}

std::string_view XmlPullParser::readName() {
    const size_t start = pos_;
    if (pos_ >= input_.size() || !IsNameStart(static_cast<unsigned char>(input_[pos_])))
        NotARowset("a name was expected at byte " + std::to_string(pos_));
    while (pos_ < input_.size() && IsNameChar(static_cast<unsigned char>(input_[pos_]))) ++pos_;
    return input_.substr(start, pos_ - start);
}

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
            const size_t end = std::min(input_.find('<', pos_), input_.size());
            const std::string_view raw = input_.substr(pos_, end - pos_);
            pos_ = end;
            if (AllBlank(raw)) continue;
            if (depth_ == 0) NotARowset("text outside the root element");
            if (raw.find("]]>") != std::string_view::npos) NotARowset("']]>' in text");
            NormaliseLineEnds(raw, scratch_);
            DecodeReferences(scratch_, decodedText_);
            text_ = decodedText_;
            return Event::Text;
        }
        const std::string_view rest = input_.substr(pos_);
        if (rest.starts_with("</")) {
            endTag();
            ended_ = true;
            return Event::EndElement;
        }
        if (rest.starts_with("<![CDATA[")) {
            if (depth_ == 0) NotARowset("a CDATA section outside the root element");
            const size_t end = rest.find("]]>");
            if (end == std::string_view::npos) NotARowset("a CDATA section without its end");
            text_ = rest.substr(9, end - 9);
            pos_ += end + 3;
            return Event::CData;
        }
        if (rest.starts_with("<!--") || rest.starts_with("<?")) {
            skipMarkup();
            continue;
        }
        if (rest.starts_with("<!")) NotARowset("a document type declaration");
        startTag();
        return Event::StartElement;
    }
}

void XmlPullParser::skipMarkup() {
    const std::string_view rest = input_.substr(pos_);
    if (rest.starts_with("<!--")) {
        const size_t end = rest.find("-->", 4);
        if (end == std::string_view::npos) NotARowset("a comment without its end");
        const std::string_view body = rest.substr(4, end - 4);
        if (body.find("--") != std::string_view::npos || body.ends_with('-'))
            NotARowset("'--' inside a comment");
        pos_ += end + 3;
        return;
    }
    const size_t start = pos_;
    pos_ += 2;
    const std::string_view target = readName();
    if (com::SameName(target, "xml") && !(target == "xml" && start == 0))
        NotARowset("an XML declaration that is not at the start");
    const size_t end = input_.find("?>", pos_);
    if (end == std::string_view::npos) NotARowset("a processing instruction without its end");
    if (end != pos_ && !IsBlank(input_[pos_]))
        NotARowset("a processing instruction without a blank after its target");
    pos_ = end + 2;
}

std::string_view XmlPullParser::attributeValue(std::string_view raw, std::string& store) {
    NormaliseLineEnds(raw, scratch_);
    for (char& c : scratch_)
        if (c == '\n' || c == '\t') c = ' ';
    DecodeReferences(scratch_, store);
    return store;
}

void XmlPullParser::startTag() {
    if (depth_ == 0 && rootSeen_) NotARowset("more than one root element");
    if (depth_ >= kMaxDepth) NotARowset("elements nested too deep");
    ++pos_;
    const std::string_view raw = readName();

    // The attributes as written.
    raw_.clear();
    for (;;) {
        const size_t blanks = skipBlanks();
        if (pos_ >= input_.size()) NotARowset("the document ends inside the tag " + std::string(raw));
        if (input_[pos_] == '>') {
            ++pos_;
            break;
        }
        if (input_.substr(pos_, 2) == "/>") {
            pos_ += 2;
            pendingEnd_ = true;
            break;
        }
        if (blanks == 0) NotARowset("attributes of " + std::string(raw) + " not apart");
        const std::string_view name = readName();
        skipBlanks();
        expect('=', "'=' after an attribute name");
        skipBlanks();
        if (pos_ >= input_.size() || (input_[pos_] != '\'' && input_[pos_] != '"'))
            NotARowset("the value of " + std::string(name) + " is not quoted");
        const char quote = input_[pos_++];
        // One pass to the closing quote, noting what the value needs.
        size_t end = pos_;
        bool plain = true;
        for (; end < input_.size() && input_[end] != quote; ++end) {
            const char c = input_[end];
            if (c == '<') NotARowset("a '<' in the value of " + std::string(name));
            if (c == '&' || c == '\t' || c == '\n' || c == '\r') plain = false;
        }
        if (end == input_.size()) NotARowset("the value of " + std::string(name) + " is not closed");
        raw_.push_back({name, input_.substr(pos_, end - pos_), plain});
        pos_ = end + 1;
    }

    if (values_.size() < raw_.size()) values_.resize(raw_.size());
    if (names_.size() < raw_.size() + 1) names_.resize(raw_.size() + 1);
    if (open_.size() == depth_) open_.emplace_back();
    Open& element = open_[depth_];
    element.raw = raw;
    element.scopeMark = scope_.mark();

    // The declarations first: they hold for the element's own names.
    for (size_t i = 0; i < raw_.size(); ++i) {
        RawAttribute& a = raw_[i];
        if (!NamespaceScope::IsDeclaration(a.name)) continue;
        if (!a.plain) a.value = attributeValue(a.value, values_[i]);
        a.plain = true;
        scope_.declare(a.name, a.value);
    }
    element.name = scope_.canonical(raw, false, names_.back());

    attributes_.clear();
    expanded_.clear();
    for (size_t i = 0; i < raw_.size(); ++i) {
        const RawAttribute& a = raw_[i];
        const std::string_view value = a.plain ? a.value : attributeValue(a.value, values_[i]);
        if (NamespaceScope::IsDeclaration(a.name)) {
            expanded_.emplace_back("xmlns", a.name);
            if (CanonicalPrefix(value).empty()) attributes_.push_back({a.name, value});
        } else if (a.name.find(':') == std::string_view::npos) {
            // No prefix: in no namespace, spelled as written.
            expanded_.emplace_back(std::string_view(), a.name);
            attributes_.push_back({a.name, value});
        } else {
            expanded_.push_back(scope_.expand(a.name, true));
            attributes_.push_back({scope_.canonical(a.name, true, names_[i]), value});
        }
    }
    for (size_t i = 0; i < expanded_.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (expanded_[i] == expanded_[j])
                NotARowset("the attribute " + std::string(expanded_[i].second) + " is given twice in " +
                           std::string(raw));
    ++depth_;
    rootSeen_ = true;
}

void XmlPullParser::endTag() {
    pos_ += 2;
    const std::string_view raw = readName();
    skipBlanks();
    expect('>', "'>' to close an end tag");
    if (depth_ == 0 || open_[depth_ - 1].raw != raw)
        NotARowset("the end tag " + std::string(raw) + " closes no element of that name");
    scope_.restore(open_[--depth_].scopeMark);
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
}

}  // namespace ado::xml
