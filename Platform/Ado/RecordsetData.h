// The rows of a recordset with their pending changes, and what its XML text
// carries besides them. The recordset, the XML reader and writer and the
// batch update share this one description.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Ado/Cell.h"
#include "Ado/CellTable.h"
#include "Ado/Field.h"

namespace ado {

enum class RowStatus : uint8_t {
    Unchanged,  // as read
    Modified,   // changed since it was read; its original values are kept
    New,        // added, not in the database yet
    Deleted,    // read, then deleted: its original values make the delete
    Removed,    // gone without trace (an added row deleted or cancelled, a
                // deleted row once the database has it); kept as a place
                // holder so that the bookmarks of later rows stay valid
};

// Attributes of the text that this layer does not interpret, in the order
// they were read, with their values unescaped. They are written back as read.
using XmlAttributes = std::vector<std::pair<std::string, std::string>>;

// How one field appears in the text.
struct XmlColumn {
    std::string name;      // the attribute that holds it in every row
    std::string typeName;  // dt:type as another writer spelled it; empty: ours
    bool writeUnknown = false;
    XmlAttributes attributes;          // further attributes of s:AttributeType
    XmlAttributes datatypeAttributes;  // further attributes of s:datatype
};

// Parts of a document read from another writer that this layer keeps but
// does not use; elements are kept as their XML text.
struct XmlExtras {
    XmlAttributes root;
    XmlAttributes elementType;
    std::string elementTypeChildren;  // besides the columns and s:extends
    std::string schemaChildren;       // besides s:ElementType
    std::string documentChildren;     // besides s:Schema and rs:data
};

struct RecordsetData {
    using Values = std::vector<Cell>;  // the values of one row apart from the table

    std::vector<FieldInfo> fields;
    std::vector<XmlColumn> columns;  // one per field
    XmlExtras extras;

    CellTable rows;                  // current values, in the order rows stand
    std::vector<RowStatus> status;   // one per row
    // The values as read, for rows changed since: a Modified row, or a
    // Deleted row that had been modified before. Rows not listed here still
    // hold the values they were read with.
    std::unordered_map<size_t, Values> originals;

    std::span<const Cell> originalValues(size_t row) const {
        auto it = originals.find(row);
        return it == originals.end() ? rows[row] : std::span<const Cell>(it->second);
    }
    // A new last row of Nulls with that status; returns its index.
    size_t appendRow(RowStatus rowStatus) {
        rows.append();
        status.push_back(rowStatus);
        return rows.size() - 1;
    }
};

}  // namespace ado
