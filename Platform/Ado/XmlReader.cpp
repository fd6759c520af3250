#include "Ado/XmlReader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <optional>
#include <span>
#include <sstream>
#include <unordered_map>

#include "Ado/AdoError.h"
#include "Ado/XmlCharacters.h"
#include "Ado/XmlNamespaces.h"
#include "Ado/XmlText.h"
#include "Com/ComError.h"

namespace ado::xml {

namespace {

using std::string_view_literals::operator""sv;

bool IsTrue(std::string_view v) { return com::SameName(v, "true") || v == "1" || v == "-1"; }

int32_t Number(const pugi::xml_attribute& a) { return static_cast<int32_t>(a.as_int()); }

void Keep(XmlAttributes& kept, const pugi::xml_attribute& a) {
    kept.emplace_back(a.name(), a.value());
}

void KeepElement(std::string& kept, const pugi::xml_node& node) {
    if (node.type() != pugi::node_element) return;
    std::ostringstream text;
    node.print(text, "", pugi::format_raw | pugi::format_attribute_single_quote);
    kept += text.str();
    kept += '\n';
}

// --- what the parser lets through -----------------------------------------

// The parser leaves references undecoded, so that the rules of
// XmlCharacters.h decide them, and keeps what lies outside the root element
// and any document type, so that they can be refused.
constexpr unsigned kParseOptions =
    (pugi::parse_default | pugi::parse_doctype | pugi::parse_fragment) & ~pugi::parse_escapes;

// Checks the rules of well-formed XML that the parser does not, decodes the
// references, and spells the names of the format's namespaces as this layer
// reads them (XmlNamespaces.h). The declarations of those namespaces go:
// the writer declares them itself.
class WellFormed {
public:
    void document(const pugi::xml_document& doc) {
        bool root = false;
        for (pugi::xml_node node : doc.children()) {
            switch (node.type()) {
                case pugi::node_element:
                    if (root) NotARowset("more than one root element");
                    root = true;
                    element(node, 0);
                    break;
                case pugi::node_pcdata:
                case pugi::node_cdata: NotARowset("text outside the root element");
                case pugi::node_doctype: NotARowset("a document type declaration");
                default: break;
            }
        }
    }

private:
    // Rowset documents are a few levels deep; a limit keeps a hostile one
    // from exhausting the stack.
    static constexpr int kMaxDepth = 256;

    void element(pugi::xml_node node, int depth) {
        if (depth > kMaxDepth) NotARowset("elements nested too deep");
        const size_t mark = scope_.mark();
        for (pugi::xml_attribute a : node.attributes()) {
            if (!NamespaceScope::IsDeclaration(a.name())) continue;
            decode(a);
            scope_.declare(a.name(), a.value());
        }
        rename(node, false);
        attributes(node);
        for (pugi::xml_node child : node.children()) {
            if (child.type() == pugi::node_element) element(child, depth + 1);
            else if (child.type() == pugi::node_pcdata) text(child);
        }
        scope_.restore(mark);
    }

    void attributes(pugi::xml_node node) {
        names_.clear();
        std::vector<pugi::xml_attribute> ours;  // declarations of the format's namespaces
        for (pugi::xml_attribute a : node.attributes()) {
            const std::string_view name = a.name();
            if (NamespaceScope::IsDeclaration(name)) {
                names_.emplace_back("xmlns", name);
                if (!CanonicalPrefix(a.value()).empty()) ours.push_back(a);
                continue;
            }
            if (std::string_view(a.value()).find('<') != std::string_view::npos)
                NotARowset("a '<' in the value of " + std::string(name));
            decode(a);
            names_.push_back(scope_.expand(name, true));
            rename(a, true);
        }
        for (size_t i = 0; i < names_.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                if (names_[i] == names_[j])
                    NotARowset("the attribute " + std::string(names_[i].second) +
                               " is given twice in " + std::string(node.name()));
        for (const pugi::xml_attribute& a : ours) node.remove_attribute(a);
    }

    void decode(pugi::xml_attribute a) {
        if (std::string_view(a.value()).find('&') == std::string_view::npos) return;
        DecodeReferences(a.value(), decoded_);
        a.set_value(decoded_.c_str());
    }

    void text(pugi::xml_node node) {
        if (std::string_view(node.value()).find('&') == std::string_view::npos) return;
        DecodeReferences(node.value(), decoded_);
        node.set_value(decoded_.c_str());
    }

    template <class Named>
    void rename(Named named, bool attribute) {
        const std::string_view name = named.name();
        const std::string_view canonical = scope_.canonical(name, attribute, spelled_);
        if (canonical.data() != name.data()) named.set_name(spelled_.c_str());
    }

    NamespaceScope scope_;
    // The names of one element's attributes: namespace and local part (for
    // the declarations "xmlns" and the whole name), to find one given twice.
    std::vector<std::pair<std::string_view, std::string_view>> names_;
    std::string decoded_;
    std::string spelled_;
};

// --- the schema --------------------------------------------------------------

// Reads one attribute of s:datatype (or of s:AttributeType, where other
// writers also put dt:type and dt:maxLength) that describes the type;
// false for any other.
bool ReadTypeAttribute(const pugi::xml_attribute& a, FieldInfo& field, XmlColumn& column,
                       std::optional<bool>& mayBeNull) {
    const std::string_view name = a.name();
    if (name == "dt:type"sv) {
        if (!TypeFromName(a.value(), field.type)) field.type = DataType::String;
        if (a.value() != TypeName(field.type)) column.typeName = a.value();
    } else if (name == "dt:maxLength"sv) {
        field.definedSize = Number(a);
    } else if (name == "rs:precision"sv) {
        field.precision = Number(a);
    } else if (name == "rs:scale"sv) {
        field.scale = Number(a);
    } else if (name == "rs:fixedlength"sv) {
        field.fixedLength = IsTrue(a.value());
    } else if (name == "rs:maybenull"sv) {
        mayBeNull = IsTrue(a.value());
    } else {
        return false;
    }
    return true;
}

void ReadDatatype(const pugi::xml_node& node, FieldInfo& field, XmlColumn& column,
                  std::optional<bool>& mayBeNull) {
    for (pugi::xml_attribute a : node.attributes())
        if (!ReadTypeAttribute(a, field, column, mayBeNull)) Keep(column.datatypeAttributes, a);
}

// The column an s:AttributeType describes. `reference` is the s:attribute of
// a row type that refers to it (the older form of the schema), whose
// attributes beside `type` apply to the column as well.
void ReadColumn(const pugi::xml_node& node, RecordsetData& data,
                const pugi::xml_node& reference = {}) {
    FieldInfo field;
    XmlColumn column;
    column.name = reference.attribute("type").value();
    std::optional<bool> nullable, mayBeNull;
    std::string alias;
    for (pugi::xml_attribute a : node.attributes()) {
        const std::string_view name = a.name();
        if (name == "name"sv) column.name = a.value();
        else if (name == "rs:name"sv) alias = a.value();
        else if (name == "rs:number"sv) continue;  // the position; we number in order
        else if (name == "rs:nullable"sv) nullable = IsTrue(a.value());
        else if (name == "rs:writeunknown"sv) column.writeUnknown = IsTrue(a.value());
        else if (name == "rs:basetable"sv) field.baseTable = a.value();
        else if (name == "rs:basecolumn"sv) field.baseColumn = a.value();
        else if (name == "rs:keycolumn"sv) field.keyColumn = IsTrue(a.value());
        else if (name == "rs:autoincrement"sv) field.autoIncrement = IsTrue(a.value());
        else if (!name.starts_with("dt:") || !ReadTypeAttribute(a, field, column, mayBeNull))
            Keep(column.attributes, a);
    }
    for (pugi::xml_attribute a : reference.attributes())
        if (a.name() != "type"sv) Keep(column.attributes, a);
    if (column.name.empty()) NotARowset("a column without a name");
    field.name = alias.empty() ? column.name : alias;
    if (pugi::xml_node type = node.child("s:datatype")) ReadDatatype(type, field, column, mayBeNull);
    // A column may hold Null unless the text says it may not.
    field.nullable = nullable.value_or(false) || mayBeNull.value_or(false) ||
                     (!nullable.has_value() && !mayBeNull.has_value());
    data.fields.push_back(std::move(field));
    data.columns.push_back(std::move(column));
}

// A column of the older form of the schema: an s:attribute of the row type
// naming an s:AttributeType of the schema; one that names none is a column
// of text of that name, as a column without a type is.
void ReadReferencedColumn(const pugi::xml_node& reference, const pugi::xml_node& schema,
                          std::vector<pugi::xml_node>& used, RecordsetData& data) {
    const pugi::xml_node definition = schema.find_child_by_attribute(
        "s:AttributeType", "name", reference.attribute("type").value());
    if (definition) used.push_back(definition);
    ReadColumn(definition, data, reference);
}

void ReadSchema(const pugi::xml_node& schema, RecordsetData& data) {
    pugi::xml_node rowType = schema.child("s:ElementType");
    if (!rowType) NotARowset("the schema has no s:ElementType");
    for (pugi::xml_attribute a : rowType.attributes()) {
        const std::string_view name = a.name();
        if (name != "name"sv && name != "content"sv && name != "rs:updatable"sv)
            Keep(data.extras.elementType, a);
    }
    std::vector<pugi::xml_node> used{rowType};  // schema children read as columns
    for (pugi::xml_node child : rowType.children()) {
        const std::string_view name = child.name();
        if (name == "s:AttributeType"sv) ReadColumn(child, data);
        else if (name == "s:attribute"sv) ReadReferencedColumn(child, schema, used, data);
        else if (name != "s:extends"sv) KeepElement(data.extras.elementTypeChildren, child);
    }
    for (pugi::xml_node child : schema.children())
        if (std::find(used.begin(), used.end(), child) == used.end())
            KeepElement(data.extras.schemaChildren, child);
}

// --- the rows ------------------------------------------------------------------

// Maps row attributes to fields. Rows nearly always list their attributes in
// column order, so the next column is tried before the table.
class RowReader {
public:
    explicit RowReader(RecordsetData& data) : data_(data) {
        for (size_t i = 0; i < data.columns.size(); ++i)
            byName_.emplace(data.columns[i].name, i);
    }

    // Reads the values of `row` into `values`: each attribute that names a
    // column sets its value, every other value stays as it is. rs:forcenull
    // lists columns (by attribute name, separated by blanks) that are Null.
    void read(const pugi::xml_node& row, std::span<Cell> values) const {
        size_t next = 0;
        for (pugi::xml_attribute a : row.attributes()) {
            const std::string_view name = a.name();
            size_t column;
            if (next < data_.columns.size() && data_.columns[next].name == name) {
                column = next;
            } else if (name == "rs:forcenull"sv) {
                forceNull(row, a.value(), values);
                continue;
            } else {
                auto it = byName_.find(name);
                if (it == byName_.end()) continue;
                column = it->second;
            }
            values[column] = ParseValue(a.value(), data_.fields[column].type);
            next = column + 1;
        }
    }

private:
    void forceNull(const pugi::xml_node& row, std::string_view names, std::span<Cell> values) const {
        constexpr std::string_view kBlanks = " \t\r\n";
        for (size_t start = names.find_first_not_of(kBlanks); start != std::string_view::npos;) {
            const size_t end = std::min(names.find_first_of(kBlanks, start), names.size());
            const std::string_view name = names.substr(start, end - start);
            if (auto it = byName_.find(name); it != byName_.end()) {
                if (row.attribute(std::string(name).c_str()))
                    NotARowset("the column " + std::string(name) + " has a value and is forced to Null");
                values[it->second] = Cell();
            }
            start = names.find_first_not_of(kBlanks, end);
        }
    }

    RecordsetData& data_;
    std::unordered_map<std::string_view, size_t> byName_;
};

void ReadRows(const pugi::xml_node& block, const RowReader& reader, RowStatus status,
              RecordsetData& data) {
    for (pugi::xml_node row : block.children("z:row"))
        reader.read(row, data.rows[data.appendRow(status)]);
}

// rs:update holds rs:original with the rows as read, then the rows as they
// are now, in the same order. A row as it is now may carry only the columns
// that changed: the others keep the values of the original.
void ReadUpdate(const pugi::xml_node& block, const RowReader& reader, RecordsetData& data) {
    std::vector<RecordsetData::Values> before;
    for (pugi::xml_node original : block.children("rs:original"))
        for (pugi::xml_node row : original.children("z:row"))
            reader.read(row, before.emplace_back(data.fields.size()));
    size_t n = 0;
    for (pugi::xml_node row : block.children("z:row")) {
        if (n == before.size()) NotARowset("rs:update without the original row");
        const size_t r = data.appendRow(RowStatus::Modified);
        std::copy(before[n].begin(), before[n].end(), data.rows[r].begin());
        reader.read(row, data.rows[r]);
        data.originals.emplace(r, std::move(before[n++]));
    }
    if (n != before.size()) NotARowset("rs:update without the current row");
}

void ReadData(const pugi::xml_node& rowsNode, RecordsetData& data) {
    const RowReader reader(data);
    for (pugi::xml_node child : rowsNode.children()) {
        const std::string_view name = child.name();
        if (name == "z:row"sv) reader.read(child, data.rows[data.appendRow(RowStatus::Unchanged)]);
        else if (name == "rs:insert"sv) ReadRows(child, reader, RowStatus::New, data);
        else if (name == "rs:delete"sv) ReadRows(child, reader, RowStatus::Deleted, data);
        else if (name == "rs:update"sv) ReadUpdate(child, reader, data);
    }
}

}  // namespace

RecordsetData ReadRecordset(std::string_view text) {
    std::string converted;
    const std::string_view utf8 = AsUtf8(text, converted);
    CheckCharacters(utf8);
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(utf8.data(), utf8.size(), kParseOptions, pugi::encoding_utf8);
    if (!parsed) NotARowset(parsed.description());
    WellFormed().document(doc);

    const pugi::xml_node root = doc.document_element();
    if (root.name() != "xml"sv) NotARowset("the root element is not xml");
    const pugi::xml_node schema = root.child("s:Schema");
    const pugi::xml_node rows = root.child("rs:data");
    if (!schema || !rows) NotARowset("s:Schema or rs:data is missing");

    RecordsetData data;
    for (pugi::xml_attribute a : root.attributes()) Keep(data.extras.root, a);
    ReadSchema(schema, data);
    data.rows = CellTable(data.fields.size());
    for (pugi::xml_node child : root.children())
        if (child != schema && child != rows) KeepElement(data.extras.documentChildren, child);
    ReadData(rows, data);
    return data;
}

}  // namespace ado::xml
