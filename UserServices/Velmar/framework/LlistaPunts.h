// The map points of the current row as a list view: one item per point in
// the order of its table, its two coordinates in two columns (a Null one as
// empty text), keyed "Clau" and its position ("Clau1" for the first), the
// first selected. The window gives the column headers.
#pragma once

#include "Ado/Recordset.h"

class QTreeWidget;

namespace velmar {

void OmpleLlistaPunts(QTreeWidget* llista, ado::Recordset& punts, const char* x, const char* y);

}  // namespace velmar
