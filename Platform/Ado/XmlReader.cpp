#include "Ado/XmlReader.h"

#include <pugixml.hpp>

#include <span>
#include <sstream>
#include <unordered_map>

#include "Ado/AdoError.h"
#include "Ado/XmlText.h"
#include "Com/ComError.h"

namespace ado::xml {

namespace {

using std::string_view_literals::operator""sv;

[[noreturn]] void Invalid(const std::string& why) {
    com::Raise(err::InvalidXml, "Not a rowset document: " + why);
}

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

void ReadDatatype(const pugi::xml_node& node, FieldInfo& field, XmlColumn& column,
                  bool& mayBeNull) {
    for (pugi::xml_attribute a : node.attributes()) {
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
            Keep(column.datatypeAttributes, a);
        }
    }
}

void ReadColumn(const pugi::xml_node& node, RecordsetData& data) {
    FieldInfo field;
    XmlColumn column;
    bool nullable = false;
    bool mayBeNull = false;
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
        else Keep(column.attributes, a);
    }
    if (column.name.empty()) Invalid("a column without a name");
    field.name = alias.empty() ? column.name : alias;
    if (pugi::xml_node type = node.child("s:datatype")) ReadDatatype(type, field, column, mayBeNull);
    field.nullable = nullable || mayBeNull;
    data.fields.push_back(std::move(field));
    data.columns.push_back(std::move(column));
}

void ReadSchema(const pugi::xml_node& schema, RecordsetData& data) {
    pugi::xml_node rowType = schema.child("s:ElementType");
    if (!rowType) Invalid("the schema has no s:ElementType");
    for (pugi::xml_attribute a : rowType.attributes()) {
        const std::string_view name = a.name();
        if (name != "name"sv && name != "content"sv && name != "rs:updatable"sv)
            Keep(data.extras.elementType, a);
    }
    for (pugi::xml_node child : rowType.children()) {
        const std::string_view name = child.name();
        if (name == "s:AttributeType"sv) ReadColumn(child, data);
        else if (name != "s:extends"sv) KeepElement(data.extras.elementTypeChildren, child);
    }
    for (pugi::xml_node child : schema.children())
        if (child != rowType) KeepElement(data.extras.schemaChildren, child);
}

// Maps row attributes to fields. Rows nearly always list their attributes in
// column order, so the next column is tried before the table.
class RowReader {
public:
    explicit RowReader(RecordsetData& data) : data_(data) {
        for (size_t i = 0; i < data.columns.size(); ++i)
            byName_.emplace(data.columns[i].name, i);
    }

    // Reads the values of `row` into `values`, which are all Null.
    void read(const pugi::xml_node& row, std::span<Cell> values) const {
        size_t next = 0;
        for (pugi::xml_attribute a : row.attributes()) {
            const std::string_view name = a.name();
            size_t column;
            if (next < data_.columns.size() && data_.columns[next].name == name) {
                column = next;
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
    RecordsetData& data_;
    std::unordered_map<std::string_view, size_t> byName_;
};

void ReadRows(const pugi::xml_node& block, const RowReader& reader, RowStatus status,
              RecordsetData& data) {
    for (pugi::xml_node row : block.children("z:row"))
        reader.read(row, data.rows[data.appendRow(status)]);
}

// rs:update holds rs:original with the rows as read, then the rows as they
// are now, in the same order.
void ReadUpdate(const pugi::xml_node& block, const RowReader& reader, RecordsetData& data) {
    std::vector<RecordsetData::Values> before;
    for (pugi::xml_node original : block.children("rs:original"))
        for (pugi::xml_node row : original.children("z:row"))
            reader.read(row, before.emplace_back(data.fields.size()));
    size_t n = 0;
    for (pugi::xml_node row : block.children("z:row")) {
        if (n == before.size()) Invalid("rs:update without the original row");
        const size_t r = data.appendRow(RowStatus::Modified);
        reader.read(row, data.rows[r]);
        data.originals.emplace(r, std::move(before[n++]));
    }
    if (n != before.size()) Invalid("rs:update without the current row");
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
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) Invalid(parsed.description());
    const pugi::xml_node root = doc.document_element();
    if (root.name() != "xml"sv) Invalid("the root element is not xml");
    const pugi::xml_node schema = root.child("s:Schema");
    const pugi::xml_node rows = root.child("rs:data");
    if (!schema || !rows) Invalid("s:Schema or rs:data is missing");

    RecordsetData data;
    for (pugi::xml_attribute a : root.attributes()) {
        const std::string_view name = a.name();
        if (name != "xmlns:s"sv && name != "xmlns:dt"sv && name != "xmlns:rs"sv &&
            name != "xmlns:z"sv)
            Keep(data.extras.root, a);
    }
    ReadSchema(schema, data);
    data.rows = CellTable(data.fields.size());
    for (pugi::xml_node child : root.children())
        if (child != schema && child != rows) KeepElement(data.extras.documentChildren, child);
    ReadData(rows, data);
    return data;
}

}  // namespace ado::xml
