// Writes a recordset as rowset XML text, and cuts from that text the change
// set a window sends when it saves.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Ado/RecordsetData.h"

namespace ado::xml {

class Writer;

// The whole text: the schema, then rs:data with the unchanged rows as
// z:row and each pending change as its block (rs:insert, rs:update with
// rs:original, rs:delete), in the order the rows stand.
//
// ChangeSet below cuts this text by string, so its shape is fixed: the
// data section opens with exactly "<rs:data>" (also with no rows), the text
// ends with "</rs:data>", a line feed and "</xml>", every attribute is
// written name='value', and a Null value is an absent attribute. A text
// with a control character that XML 1.0 cannot hold (below U+0020, but TAB,
// LF and CR) holds it as a reference and starts with the declaration of
// XML 1.1, which can.
std::string WriteRecordset(const RecordsetData& data);

// Writes the text of a query's rows as they come, with no recordset made:
// the text WriteRecordset writes for the same rows, all unchanged. While it
// grows the text is kept in pages of its own, put together once at the end,
// so that it is never copied as a whole to grow nor held twice.
class RowStreamWriter {
public:
    // `head` holds the fields and columns (no rows); it must outlive the writer.
    explicit RowStreamWriter(const RecordsetData& head);
    ~RowStreamWriter();

    void row(std::span<const Cell> values);
    std::string finish();

private:
    std::unique_ptr<Writer> writer_;
};

// The text of `rows` (the values of each, in the order given) as unchanged
// rows under the head of WriteRecordset: the head through "<rs:data>", CR
// LF, one line "<z:row a='1' b='x' />" and CR LF per row that has a value
// (the attributes of its non-Null values, one blank between them), then
// CR LF, "</rs:data>", CR LF and "</xml>".
std::string WriteShownRows(const RecordsetData& data, const std::vector<std::span<const Cell>>& rows);

// The change set of a recordset's text, cut from the text as written: the
// head through the first "<rs:data>", CR LF, every change block of the data
// section (from "<rs:insert>", "<rs:update>" or "<rs:delete>" through the
// first closing tag of its kind) in document order and unchanged, CR LF,
// and the text from the first "</rs:data>" on. Unchanged rows and the text
// between blocks are left out. Nothing when the text has no data section or
// leaves a block open.
std::optional<std::string> ChangeSet(std::string_view text);

}  // namespace ado::xml
