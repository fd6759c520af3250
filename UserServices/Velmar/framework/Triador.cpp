#include "framework/Triador.h"

#include <QComboBox>

namespace velmar {

void OmpleTriador(ado::Recordset& rows, const char* codi, const char* numero, QComboBox* tria, QComboBox* eco) {
    if (rows.RecordCount() == 0) return;
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
        const com::Variant code = rows.Value(codi);
        const QString text = code.isNull() ? QString() : QString::fromStdString(code.toString());
        const int32_t number = rows.Value(numero).toLong();
        tria->addItem(text, number);
        eco->addItem(text, number);
    }
    tria->setCurrentIndex(0);
    eco->setCurrentIndex(0);
}

int32_t SegueixTriador(const QComboBox* tria, QComboBox* eco) {
    eco->setCurrentIndex(tria->currentIndex());
    return tria->currentData().toInt();
}

}  // namespace velmar
