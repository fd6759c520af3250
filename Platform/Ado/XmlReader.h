// Reads rowset XML text, ours and that of other writers.
#pragma once

#include <string_view>

#include "Ado/RecordsetData.h"

namespace ado::xml {

// The fields, rows and pending changes the text describes. Rows in rs:insert
// are new, in rs:update modified (the row in rs:original holding the values
// as read; the row as it is now keeps those of the columns it lacks, and
// rs:forcenull lists the ones it makes Null), in rs:delete deleted. Columns
// are s:AttributeType elements of the row type, or s:attribute references
// to those of the schema; a column says whether it may hold Null, or it may.
// Schema attributes and elements that this layer does not use are kept to be
// written back; attributes of rs:data and row attributes that name no column
// are dropped.
//
// The text is UTF-8, or UTF-16 with its byte-order mark; an XML
// declaration, if any, names that encoding, and version 1.0 or 1.1 (which
// takes control characters as references). The names of the format are
// known by the URIs of their namespaces, whatever the prefixes. Raises
// err::InvalidXml for text that is not well-formed XML (as XmlPullParser.h,
// XmlCharacters.h and XmlNamespaces.h check it) or not a rowset document.
// The text is read in place in one pass, each value decoded straight into
// the cell that keeps it, so that the reader holds little beyond the
// recordset it makes; rs:data written before the schema is read once the
// schema is known.
RecordsetData ReadRecordset(std::string_view text);

}  // namespace ado::xml
