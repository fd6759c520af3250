// Writes a recordset as rowset XML text.
#pragma once

#include <string>

#include "Ado/RecordsetData.h"

namespace ado::xml {

// The whole text: the schema, then rs:data with the unchanged rows as
// z:row and each pending change as its block (rs:insert, rs:update with
// rs:original, rs:delete), in the order the rows stand.
//
// The window side cuts this text by string, so its shape is fixed: the data
// section opens with exactly "<rs:data>" (also with no rows), the text ends
// with "</rs:data>", a line feed and "</xml>", every attribute is written
// name='value', and a Null value is an absent attribute.
std::string WriteRecordset(const RecordsetData& data);

}  // namespace ado::xml
