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

}  // namespace velmar
