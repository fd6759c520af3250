// The chooser of the row whose children a window shows (the service
// connection of the light points, the zone of the connections): a plain
// combo the user picks from, and an echo combo that shows the code picked.
// Both list the code of every row of the table, in its order, each item
// holding the row's number; the first is picked.
#pragma once

#include "Ado/Recordset.h"

class QComboBox;

namespace velmar {

void OmpleTriador(ado::Recordset& rows, const char* codi, const char* numero, QComboBox* tria, QComboBox* eco);
// The echo shows what the chooser picked; the number picked.
int32_t SegueixTriador(const QComboBox* tria, QComboBox* eco);

}  // namespace velmar
