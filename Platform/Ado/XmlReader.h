// Reads rowset XML text, ours and that of other writers.
#pragma once

#include <string_view>

#include "Ado/RecordsetData.h"

namespace ado::xml {

// The fields, rows and pending changes the text describes. Rows in rs:insert
// are new, in rs:update modified (the row in rs:original holding the values
// as read), in rs:delete deleted. Schema attributes and elements that this
// layer does not use are kept to be written back; attributes of rs:data and
// row attributes that name no column are dropped. Raises err::InvalidXml for
// text that is not a rowset document.
RecordsetData ReadRecordset(std::string_view text);

}  // namespace ado::xml
