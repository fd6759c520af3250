// Moving through the rows of a window's table with its four buttons:
// first, back, on and last. At either end a move stays where it is, and
// says nothing.
#pragma once

#include "Ado/Recordset.h"

namespace velmar {

enum class Movement { Principi, Recula, Avanca, Fi };

void MoveRecord(ado::Recordset& rows, Movement moviment);

// The current row taken again from its place, as a window shows it anew;
// nothing when no row is current.
void ReturnToCurrentRow(ado::Recordset& rows);

// Where a window goes once its current row is deleted: the row before it,
// or the first. Read before the delete; 0 when no row will be left.
int32_t FilaDespresDEliminar(const ado::Recordset& rows);
// Makes row `fila` (counted from 1) current; 0 leaves the rows as they are.
void MoveToRowNumber(ado::Recordset& rows, int32_t fila);

}  // namespace velmar
