#include "Ado/XmlReader.h"

#include <algorithm>
#include <charconv>
#include <deque>
#include <optional>
#include <span>
#include <unordered_map>

#include "Ado/AdoError.h"
#include "Ado/XmlCharacters.h"
#include "Ado/XmlPullParser.h"
#include "Ado/XmlText.h"
#include "Base/Text.h"
#include "Com/ComError.h"

namespace ado::xml {

namespace {

using std::string_view_literals::operator""sv;
using Event = XmlPullParser::Event;

bool IsTrue(std::string_view v) { return com::SameName(v, "true") || v == "1" || v == "-1"; }

// The leading whole number of an attribute, 0 when there is none.
int32_t Number(std::string_view v) {
    v = base::Trim(v);
    if (v.starts_with('+')) v.remove_prefix(1);
    int32_t n = 0;
    std::from_chars(v.data(), v.data() + v.size(), n);
    return n;
}

// --- elements read whole ------------------------------------------------

// An attribute of an element read whole: its value stays as written in the
// document, decoded when it is used.
struct NodeAttribute {
    std::string name;
    std::string_view raw;
    bool plain;
};

// An element read whole, with what it holds: the schema, and the elements
// of other writers that are kept to be written back. A node without a name
// is text (as written, `kind` telling how it is decoded).
struct Node {
    std::string name;
    std::vector<NodeAttribute> attributes;
    std::vector<Node> children;
    std::string_view text;
    bool plain = true;
    ValueKind kind = ValueKind::Text;
    XmlVersion version = XmlVersion::V1_0;

    // The pieces of a value or of this text decoded, for `out`.
    template <class Out>
    void decode(std::string_view raw, bool isPlain, ValueKind valueKind, Out&& out) const {
        if (isPlain) out(raw);
        else Decode(raw, valueKind, version, out);
    }
    std::string value(const NodeAttribute& a) const {
        std::string text(a.raw.size(), '\0');
        text.resize(a.plain ? a.raw.copy(text.data(), a.raw.size())
                            : DecodeInto(a.raw, ValueKind::Attribute, version, text.data()));
        return text;
    }
    std::string attribute(std::string_view attributeName) const {
        for (const NodeAttribute& a : attributes)
            if (a.name == attributeName) return value(a);
        return {};
    }
    const Node* child(std::string_view childName) const {
        for (const Node& c : children)
            if (c.name == childName) return &c;
        return nullptr;
    }
};

// The element the parser has just started, through its end.
Node ReadNode(XmlPullParser& parser) {
    Node node;
    node.name = parser.name();
    node.version = parser.version();
    for (const XmlAttribute& a : parser.attributes()) node.attributes.push_back({std::string(a.name), a.raw, a.plain});
    for (;;) {
        const Event event = parser.next();
        switch (event) {
            case Event::StartElement: node.children.push_back(ReadNode(parser)); break;
            case Event::Text:
            case Event::CData: {
                Node& text = node.children.emplace_back();
                text.text = parser.rawText();
                text.plain = parser.textPlain();
                text.kind = event == Event::CData ? ValueKind::CData : ValueKind::Text;
                text.version = node.version;
                break;
            }
            case Event::EndElement: return node;
            case Event::End: NotARowset("the document ends inside " + node.name);
        }
    }
}

// An element kept as its XML text. Values are decoded and escaped again
// piece by piece, straight into `out`, which has room made for them first.
void Print(const Node& node, std::string& out) {
    if (node.name.empty()) {
        out.reserve(out.size() + node.text.size() + 12);
        const bool cdata = node.kind == ValueKind::CData;
        if (cdata) out += "<![CDATA[";
        node.decode(node.text, node.plain, node.kind, [&](std::string_view piece) {
            if (cdata) out += piece;
            else AppendEscapedText(out, piece);
        });
        if (cdata) out += "]]>";
        return;
    }
    out += '<';
    out += node.name;
    for (const NodeAttribute& a : node.attributes) {
        out.reserve(out.size() + a.name.size() + a.raw.size() + 4);
        out += ' ';
        out += a.name;
        out += "='";
        node.decode(a.raw, a.plain, ValueKind::Attribute, [&](std::string_view piece) { AppendEscaped(out, piece); });
        out += '\'';
    }
    if (node.children.empty()) {
        out += "/>";
        return;
    }
    out += '>';
    for (const Node& child : node.children) Print(child, out);
    out += "</";
    out += node.name;
    out += '>';
}

void KeepElement(std::string& kept, const Node& node) {
    if (node.name.empty()) return;
    Print(node, kept);
    kept += '\n';
}

// --- the schema --------------------------------------------------------------

// Reads one attribute of s:datatype (or of s:AttributeType, where other
// writers also put dt:type and dt:maxLength) that describes the type;
// false for any other.
bool ReadTypeAttribute(std::string_view name, std::string_view value, FieldInfo& field, XmlColumn& column,
                       std::optional<bool>& mayBeNull) {
    if (name == "dt:type"sv) {
        if (!TypeFromName(value, field.type)) field.type = DataType::String;
        if (value != TypeName(field.type)) column.typeName = value;
    } else if (name == "dt:maxLength"sv) {
        field.definedSize = Number(value);
    } else if (name == "rs:precision"sv) {
        field.precision = Number(value);
    } else if (name == "rs:scale"sv) {
        field.scale = Number(value);
    } else if (name == "rs:fixedlength"sv) {
        field.fixedLength = IsTrue(value);
    } else if (name == "rs:maybenull"sv) {
        mayBeNull = IsTrue(value);
    } else {
        return false;
    }
    return true;
}

void ReadDatatype(const Node& node, FieldInfo& field, XmlColumn& column, std::optional<bool>& mayBeNull) {
    for (const NodeAttribute& a : node.attributes) {
        std::string value = node.value(a);
        if (!ReadTypeAttribute(a.name, value, field, column, mayBeNull))
            column.datatypeAttributes.emplace_back(a.name, std::move(value));
    }
}

// The column an s:AttributeType describes (none: a column of text named by
// the reference). `reference` is the s:attribute of a row type that refers
// to it (the older form of the schema), whose attributes beside `type`
// apply to the column as well.
void ReadColumn(const Node* node, RecordsetData& data, const Node* reference = nullptr) {
    FieldInfo field;
    XmlColumn column;
    if (reference) column.name = reference->attribute("type");
    std::optional<bool> nullable, mayBeNull;
    std::string alias;
    for (const NodeAttribute& a : node ? node->attributes : std::vector<NodeAttribute>{}) {
        const std::string_view name = a.name;
        std::string value = node->value(a);
        if (name == "name"sv) column.name = std::move(value);
        else if (name == "rs:name"sv) alias = std::move(value);
        else if (name == "rs:number"sv) continue;  // the position; we number in order
        else if (name == "rs:nullable"sv) nullable = IsTrue(value);
        else if (name == "rs:writeunknown"sv) column.writeUnknown = IsTrue(value);
        else if (name == "rs:basetable"sv) field.baseTable = std::move(value);
        else if (name == "rs:basecolumn"sv) field.baseColumn = std::move(value);
        else if (name == "rs:keycolumn"sv) field.keyColumn = IsTrue(value);
        else if (name == "rs:autoincrement"sv) field.autoIncrement = IsTrue(value);
        else if (!name.starts_with("dt:") || !ReadTypeAttribute(name, value, field, column, mayBeNull))
            column.attributes.emplace_back(name, std::move(value));
    }
    if (reference)
        for (const NodeAttribute& a : reference->attributes)
            if (a.name != "type"sv) column.attributes.emplace_back(a.name, reference->value(a));
    if (column.name.empty()) NotARowset("a column without a name");
    field.name = alias.empty() ? column.name : alias;
    if (node)
        if (const Node* type = node->child("s:datatype")) ReadDatatype(*type, field, column, mayBeNull);
    // A column may hold Null unless the text says it may not.
    field.nullable = nullable.value_or(false) || mayBeNull.value_or(false) ||
                     (!nullable.has_value() && !mayBeNull.has_value());
    data.fields.push_back(std::move(field));
    data.columns.push_back(std::move(column));
}

// A column of the older form of the schema: an s:attribute of the row type
// naming an s:AttributeType of the schema; one that names none is a column
// of text of that name, as a column without a type is.
void ReadReferencedColumn(const Node& reference, const Node& schema, std::vector<const Node*>& used,
                          RecordsetData& data) {
    const std::string type = reference.attribute("type");
    const Node* definition = nullptr;
    for (const Node& c : schema.children)
        if (c.name == "s:AttributeType" && c.attribute("name") == type) {
            definition = &c;
            break;
        }
    if (definition) used.push_back(definition);
    ReadColumn(definition, data, &reference);
}

void ReadSchema(const Node& schema, RecordsetData& data) {
    const Node* rowType = schema.child("s:ElementType");
    if (!rowType) NotARowset("the schema has no s:ElementType");
    for (const NodeAttribute& a : rowType->attributes)
        if (a.name != "name"sv && a.name != "content"sv && a.name != "rs:updatable"sv)
            data.extras.elementType.emplace_back(a.name, rowType->value(a));
    std::vector<const Node*> used{rowType};  // schema children read as columns
    for (const Node& child : rowType->children) {
        if (child.name == "s:AttributeType"sv) ReadColumn(&child, data);
        else if (child.name == "s:attribute"sv) ReadReferencedColumn(child, schema, used, data);
        else if (child.name != "s:extends"sv) KeepElement(data.extras.elementTypeChildren, child);
    }
    for (const Node& child : schema.children)
        if (std::find(used.begin(), used.end(), &child) == used.end())
            KeepElement(data.extras.schemaChildren, child);
}

// --- the rows ------------------------------------------------------------------

using Attributes = std::span<const XmlAttribute>;

// The value of a row's attribute that must be decoded, for a field of
// `type`, into `cell`. A long value goes straight into its cell, so that it
// is held once.
void ReadDecodedCell(const XmlAttribute& a, DataType type, XmlVersion version, Cell& cell) {
    constexpr size_t kShort = 256;
    if (a.raw.size() <= kShort) {
        char text[kShort];
        return ParseValue({text, DecodeInto(a.raw, ValueKind::Attribute, version, text)}, type, cell);
    }
    Cell text = Cell::Text(a.raw.size(), [&](char* room) {
        return DecodeInto(a.raw, ValueKind::Attribute, version, room);
    });
    if (!ReadTyped(text.asText(), type, cell)) cell = std::move(text);
}

// The value of a row's attribute for a field of `type` into `cell`. Most
// values are as written: those take no room for decoding.
void ReadCell(const XmlAttribute& a, DataType type, XmlVersion version, Cell& cell) {
    if (a.plain) ParseValue(a.raw, type, cell);
    else ReadDecodedCell(a, type, version, cell);
}

// Maps row attributes to fields. Rows name their columns as the rows before
// them did: a name the parser knows (XmlAttribute::known) is mapped to its
// column once, and the table is looked up only for the others.
class RowReader {
public:
    RowReader(const RecordsetData& data, const XmlPullParser& parser)
        : parser_(parser), version_(parser.version()), given_(data.columns.size()) {
        for (size_t i = 0; i < data.columns.size(); ++i) {
            byName_.emplace(data.columns[i].name, i);
            types_.push_back(data.fields[i].type);
        }
    }

    // Reads the values of a row into `values`: each attribute that names a
    // column sets its value, every other value stays as it is. rs:forcenull
    // lists columns (by attribute name, separated by blanks) that are Null.
    // The row's attributes are the parser's own, or have no known names.
    void read(Attributes row, std::span<Cell> values) {
        if (parser_.knownNaming() != knownNaming_) learnKnownNames();
        ++row_;
        const XmlAttribute* forceNull = nullptr;
        // At hand: a store into a cell could be a store into any member.
        const std::span<const size_t> knownColumns(knownColumns_);
        const std::span<const DataType> types(types_);
        const std::span<size_t> given(given_);
        const size_t thisRow = row_;
        for (const XmlAttribute& a : row) {
            size_t column;
            if (a.known < knownColumns.size()) {
                column = knownColumns[a.known];
                if (column == kNoColumn) continue;
            } else if (a.name == "rs:forcenull"sv) {
                forceNull = &a;
                continue;
            } else {
                auto it = byName_.find(a.name);
                if (it == byName_.end()) continue;
                column = it->second;
            }
            ReadCell(a, types[column], version_, values[column]);
            given[column] = thisRow;
        }
        if (forceNull) makeNull(*forceNull, values);
    }

private:
    static constexpr size_t kNoColumn = SIZE_MAX;

    // The column of each name the parser knows; known names have no prefix,
    // so rs:forcenull is never one of them.
    void learnKnownNames() {
        knownColumns_.clear();
        for (const std::string_view name : parser_.knownNames()) {
            auto it = byName_.find(name);
            knownColumns_.push_back(it == byName_.end() ? kNoColumn : it->second);
        }
        knownNaming_ = parser_.knownNaming();
    }

    void makeNull(const XmlAttribute& forceNull, std::span<Cell> values) {
        std::string_view names = forceNull.raw;
        if (!forceNull.plain) {
            names_.resize(names.size());
            names = {names_.data(), DecodeInto(names, ValueKind::Attribute, version_, names_.data())};
        }
        constexpr std::string_view kBlanks = " \t\r\n";
        for (size_t start = names.find_first_not_of(kBlanks); start != std::string_view::npos;) {
            const size_t end = std::min(names.find_first_of(kBlanks, start), names.size());
            const std::string_view name = names.substr(start, end - start);
            if (auto it = byName_.find(name); it != byName_.end()) {
                if (given_[it->second] == row_)
                    NotARowset("the column " + std::string(name) + " has a value and is forced to Null");
                values[it->second] = Cell();
            }
            start = names.find_first_not_of(kBlanks, end);
        }
    }

    const XmlPullParser& parser_;
    const XmlVersion version_;
    std::vector<DataType> types_;  // of the columns, in order
    std::vector<size_t> knownColumns_;  // of the parser's known names, as of knownNaming_
    size_t knownNaming_ = SIZE_MAX;
    std::unordered_map<std::string_view, size_t> byName_;
    std::vector<size_t> given_;  // the last row that gave each column a value
    size_t row_ = 0;
    std::string names_;
};

// Calls `visit` with the name of each element inside the one the parser
// has just started, as that element starts; `visit` reads it through its
// end. Text between them is passed over.
template <class Visit>
void ForEachChild(XmlPullParser& parser, Visit visit) {
    const size_t level = parser.depth();
    for (;;) {
        const Event event = parser.next();
        if (event == Event::EndElement && parser.depth() < level) return;
        if (event == Event::StartElement) visit(parser.name());
    }
}

// Reads the z:row children of the block the parser has just started, each
// as it comes, with `read`; everything else in it is passed over.
template <class Read>
void ForEachRow(XmlPullParser& parser, Read read) {
    ForEachChild(parser, [&](std::string_view name) {
        if (name == "z:row"sv) read(Attributes(parser.attributes()));
        parser.skipElement();
    });
}

// A row's attributes kept beyond the parser's next step: their names, and
// their values as written in the document.
struct KeptRow {
    std::vector<std::string> names;
    std::vector<XmlAttribute> attributes;

    explicit KeptRow(Attributes row) : names(row.size()) {
        for (size_t i = 0; i < row.size(); ++i) {
            names[i] = row[i].name;
            attributes.push_back({names[i], row[i].raw, row[i].plain, XmlAttribute::kUnknown});
        }
    }
};

// rs:update holds rs:original with the rows as read and the rows as they
// are now, in the same order. A row as it is now may carry only the columns
// that changed: the others keep the values of the original. Each pair is
// read as soon as both are known (the original comes first, as writers put
// it); a row as it is now that comes before its original waits for it.
void ReadUpdate(XmlPullParser& parser, RowReader& reader, RecordsetData& data) {
    std::deque<RecordsetData::Values> before;
    std::deque<KeptRow> now;
    auto readPair = [&](Attributes current) {
        const size_t r = data.appendRow(RowStatus::Modified);
        std::copy(before.front().begin(), before.front().end(), data.rows[r].begin());
        reader.read(current, data.rows[r]);
        data.originals.emplace(r, std::move(before.front()));
        before.pop_front();
    };
    ForEachChild(parser, [&](std::string_view name) {
        if (name == "rs:original"sv) {
            ForEachRow(parser, [&](Attributes row) {
                reader.read(row, before.emplace_back(data.fields.size()));
                if (!now.empty()) {
                    readPair(now.front().attributes);
                    now.pop_front();
                }
            });
            return;
        }
        if (name == "z:row"sv) {
            if (before.empty()) now.emplace_back(parser.attributes());
            else readPair(parser.attributes());
        }
        parser.skipElement();
    });
    if (!now.empty()) NotARowset("rs:update without the original row");
    if (!before.empty()) NotARowset("rs:update without the current row");
}

// The rows of rs:data, which the parser has just started, read into the
// cells as they come.
void ReadData(XmlPullParser& parser, RecordsetData& data) {
    RowReader reader(data, parser);
    auto rowsOf = [&](RowStatus status) {
        return [&, status](Attributes row) { reader.read(row, data.rows[data.appendRow(status)]); };
    };
    ForEachChild(parser, [&](std::string_view name) {
        if (name == "z:row"sv) {
            rowsOf(RowStatus::Unchanged)(parser.attributes());
            parser.skipElement();
        } else if (name == "rs:insert"sv) {
            ForEachRow(parser, rowsOf(RowStatus::New));
        } else if (name == "rs:delete"sv) {
            ForEachRow(parser, rowsOf(RowStatus::Deleted));
        } else if (name == "rs:update"sv) {
            ReadUpdate(parser, reader, data);
        } else {
            parser.skipElement();
        }
    });
}

}  // namespace

RecordsetData ReadRecordset(std::string_view text) {
    std::string converted;
    XmlPullParser parser(AsUtf8(text, converted));
    if (parser.next() != Event::StartElement) NotARowset("no root element");
    if (parser.name() != "xml"sv) NotARowset("the root element is not xml");

    RecordsetData data;
    std::string value;
    for (const XmlAttribute& a : parser.attributes())
        data.extras.root.emplace_back(a.name, parser.value(a, value));
    bool schemaRead = false;
    bool dataFound = false;
    // rs:data written before the schema is read once the schema is known.
    std::optional<XmlPullParser::Mark> dataBeforeSchema;
    ForEachChild(parser, [&](std::string_view name) {
        if (name == "s:Schema"sv && !schemaRead) {
            ReadSchema(ReadNode(parser), data);
            data.rows = CellTable(data.fields.size());
            schemaRead = true;
        } else if (name == "rs:data"sv && !dataFound) {
            dataFound = true;
            if (schemaRead) {
                ReadData(parser, data);
            } else {
                dataBeforeSchema = parser.mark();
                parser.skipElement();
            }
        } else {
            KeepElement(data.extras.documentChildren, ReadNode(parser));
        }
    });
    if (parser.next() != Event::End) NotARowset("more than one root element");
    if (!schemaRead || !dataFound) NotARowset("s:Schema or rs:data is missing");
    if (dataBeforeSchema) {
        parser.restore(*dataBeforeSchema);
        ReadData(parser, data);
    }
    return data;
}

}  // namespace ado::xml
