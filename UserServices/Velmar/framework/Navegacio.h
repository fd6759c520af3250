// Moving through the rows of a window's table with its four buttons:
// first, back, on and last. At either end a move stays where it is, and
// says nothing.
#pragma once

#include "Ado/Recordset.h"

namespace velmar {

enum class Moviment { Principi, Recula, Avanca, Fi };

void MouRegistre(ado::Recordset& rows, Moviment moviment);

}  // namespace velmar
