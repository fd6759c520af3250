#include "Ado/XmlReader.h"

#include <algorithm>
#include <charconv>
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

// An element read whole, with what it holds: the schema, and the elements
// of other writers that are kept to be written back. A node without a name
// is text.
struct Node {
    std::string name;
    XmlAttributes attributes;
    std::vector<Node> children;
    std::string text;
    bool cdata = false;

    std::string_view attribute(std::string_view attributeName) const {
        for (const auto& [n, v] : attributes)
            if (n == attributeName) return v;
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
    for (const XmlAttribute& a : parser.attributes()) node.attributes.emplace_back(a.name, a.value);
    for (;;) {
        const Event event = parser.next();
        switch (event) {
            case Event::StartElement: node.children.push_back(ReadNode(parser)); break;
            case Event::Text:
            case Event::CData: {
                Node& text = node.children.emplace_back();
                text.text = parser.text();
                text.cdata = event == Event::CData;
                break;
            }
            case Event::EndElement: return node;
            case Event::End: NotARowset("the document ends inside " + node.name);
        }
    }
}

void AppendText(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
}

// An element kept as its XML text, on a line of its own.
void Print(const Node& node, std::string& out) {
    if (node.name.empty()) {
        if (node.cdata) out.append("<![CDATA[").append(node.text).append("]]>");
        else AppendText(out, node.text);
        return;
    }
    out += '<';
    out += node.name;
    for (const auto& [name, value] : node.attributes) {
        out += ' ';
        out += name;
        out += "='";
        AppendEscaped(out, value);
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
    for (const auto& [name, value] : node.attributes)
        if (!ReadTypeAttribute(name, value, field, column, mayBeNull))
            column.datatypeAttributes.emplace_back(name, value);
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
    for (const auto& [name, value] : node ? node->attributes : XmlAttributes{}) {
        if (name == "name"sv) column.name = value;
        else if (name == "rs:name"sv) alias = value;
        else if (name == "rs:number"sv) continue;  // the position; we number in order
        else if (name == "rs:nullable"sv) nullable = IsTrue(value);
        else if (name == "rs:writeunknown"sv) column.writeUnknown = IsTrue(value);
        else if (name == "rs:basetable"sv) field.baseTable = value;
        else if (name == "rs:basecolumn"sv) field.baseColumn = value;
        else if (name == "rs:keycolumn"sv) field.keyColumn = IsTrue(value);
        else if (name == "rs:autoincrement"sv) field.autoIncrement = IsTrue(value);
        else if (!name.starts_with("dt:") || !ReadTypeAttribute(name, value, field, column, mayBeNull))
            column.attributes.emplace_back(name, value);
    }
    if (reference)
        for (const auto& [name, value] : reference->attributes)
            if (name != "type"sv) column.attributes.emplace_back(name, value);
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
    const std::string_view type = reference.attribute("type");
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
    for (const auto& [name, value] : rowType->attributes)
        if (name != "name"sv && name != "content"sv && name != "rs:updatable"sv)
            data.extras.elementType.emplace_back(name, value);
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

// Maps row attributes to fields. Rows nearly always list their attributes in
// column order, so the next column is tried before the table.
class RowReader {
public:
    explicit RowReader(RecordsetData& data) : data_(data) {
        for (size_t i = 0; i < data.columns.size(); ++i)
            byName_.emplace(data.columns[i].name, i);
    }

    // Reads the values of a row into `values`: each attribute that names a
    // column sets its value, every other value stays as it is. rs:forcenull
    // lists columns (by attribute name, separated by blanks) that are Null.
    void read(Attributes row, std::span<Cell> values) const {
        size_t next = 0;
        for (const XmlAttribute& a : row) {
            size_t column;
            if (next < data_.columns.size() && data_.columns[next].name == a.name) {
                column = next;
            } else if (a.name == "rs:forcenull"sv) {
                forceNull(row, a.value, values);
                continue;
            } else {
                auto it = byName_.find(a.name);
                if (it == byName_.end()) continue;
                column = it->second;
            }
            values[column] = ParseValue(a.value, data_.fields[column].type);
            next = column + 1;
        }
    }

private:
    void forceNull(Attributes row, std::string_view names, std::span<Cell> values) const {
        constexpr std::string_view kBlanks = " \t\r\n";
        for (size_t start = names.find_first_not_of(kBlanks); start != std::string_view::npos;) {
            const size_t end = std::min(names.find_first_of(kBlanks, start), names.size());
            const std::string_view name = names.substr(start, end - start);
            if (auto it = byName_.find(name); it != byName_.end()) {
                for (const XmlAttribute& a : row)
                    if (a.name == name)
                        NotARowset("the column " + std::string(name) + " has a value and is forced to Null");
                values[it->second] = Cell();
            }
            start = names.find_first_not_of(kBlanks, end);
        }
    }

    RecordsetData& data_;
    std::unordered_map<std::string_view, size_t> byName_;
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

// A row's attributes kept beyond the parser's next step.
struct KeptRow {
    XmlAttributes attributes;
    std::vector<XmlAttribute> views() const {
        std::vector<XmlAttribute> out;
        for (const auto& [n, v] : attributes) out.push_back({n, v});
        return out;
    }
};

// rs:update holds rs:original with the rows as read and the rows as they
// are now, in the same order. A row as it is now may carry only the columns
// that changed: the others keep the values of the original.
void ReadUpdate(XmlPullParser& parser, const RowReader& reader, RecordsetData& data) {
    std::vector<RecordsetData::Values> before;
    std::vector<KeptRow> now;
    ForEachChild(parser, [&](std::string_view name) {
        if (name == "rs:original"sv) {
            ForEachRow(parser, [&](Attributes row) { reader.read(row, before.emplace_back(data.fields.size())); });
            return;
        }
        if (name == "z:row"sv) {
            KeptRow& row = now.emplace_back();
            for (const XmlAttribute& a : parser.attributes()) row.attributes.emplace_back(a.name, a.value);
        }
        parser.skipElement();
    });
    if (now.size() > before.size()) NotARowset("rs:update without the original row");
    if (now.size() < before.size()) NotARowset("rs:update without the current row");
    for (size_t n = 0; n < now.size(); ++n) {
        const size_t r = data.appendRow(RowStatus::Modified);
        std::copy(before[n].begin(), before[n].end(), data.rows[r].begin());
        reader.read(now[n].views(), data.rows[r]);
        data.originals.emplace(r, std::move(before[n]));
    }
}

// The rows of rs:data, which the parser has just started, read into the
// cells as they come.
void ReadData(XmlPullParser& parser, RecordsetData& data) {
    const RowReader reader(data);
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
    const std::string_view utf8 = AsUtf8(text, converted);
    CheckCharacters(utf8);
    XmlPullParser parser(utf8);
    if (parser.next() != Event::StartElement) NotARowset("no root element");
    if (parser.name() != "xml"sv) NotARowset("the root element is not xml");

    RecordsetData data;
    for (const XmlAttribute& a : parser.attributes()) data.extras.root.emplace_back(a.name, a.value);
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
