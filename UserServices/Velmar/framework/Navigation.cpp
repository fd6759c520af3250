#include "framework/Navigation.h"

namespace velmar {

void MoveRecord(ado::Recordset& rows, Movement moviment) {
    const int32_t count = rows.RecordCount();
    if (count == 0) return;
    const int32_t position = rows.AbsolutePosition();
    switch (moviment) {
        case Movement::Principi: return rows.MoveFirst();
        case Movement::Recula:
            if (position != 1) rows.MovePrevious();
            return;
        case Movement::Avanca:
            if (position != count) rows.MoveNext();
            return;
        case Movement::Fi: return rows.MoveLast();
    }
}

void ReturnToCurrentRow(ado::Recordset& rows) {
    if (!rows.IsBOF() && !rows.IsEOF()) rows.Move(rows.AbsolutePosition() - 1, ado::Recordset::MoveStart::First);
}

int32_t FilaDespresDEliminar(const ado::Recordset& rows) {
    const int32_t count = rows.RecordCount();
    const int32_t position = rows.AbsolutePosition();
    return count < 2 ? 0 : (position == 1 || count == 2 ? 1 : position - 1);
}

void MoveToRowNumber(ado::Recordset& rows, int32_t fila) {
    if (fila > 0) rows.Move(fila - 1, ado::Recordset::MoveStart::First);
}

}  // namespace velmar
