#include "framework/Navegacio.h"

namespace velmar {

void MouRegistre(ado::Recordset& rows, Moviment moviment) {
    const int32_t count = rows.RecordCount();
    if (count == 0) return;
    const int32_t position = rows.AbsolutePosition();
    switch (moviment) {
        case Moviment::Principi: return rows.MoveFirst();
        case Moviment::Recula:
            if (position != 1) rows.MovePrevious();
            return;
        case Moviment::Avanca:
            if (position != count) rows.MoveNext();
            return;
        case Moviment::Fi: return rows.MoveLast();
    }
}

void TornaAFilaActual(ado::Recordset& rows) {
    if (!rows.IsBOF() && !rows.IsEOF()) rows.Move(rows.AbsolutePosition() - 1, ado::Recordset::MoveStart::First);
}

int32_t FilaDespresDEliminar(const ado::Recordset& rows) {
    const int32_t count = rows.RecordCount();
    const int32_t position = rows.AbsolutePosition();
    return count < 2 ? 0 : (position == 1 || count == 2 ? 1 : position - 1);
}

void MouAFilaNumero(ado::Recordset& rows, int32_t fila) {
    if (fila > 0) rows.Move(fila - 1, ado::Recordset::MoveStart::First);
}

}  // namespace velmar
