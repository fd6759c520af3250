#include "framework/LlistaPunts.h"

#include <QTreeWidget>

namespace velmar {

void OmpleLlistaPunts(QTreeWidget* llista, ado::Recordset& punts, const char* x, const char* y) {
    llista->clear();
    if (punts.RecordCount() == 0) return;
    int32_t position = 1;
    for (punts.MoveFirst(); !punts.IsEOF(); punts.MoveNext(), ++position) {
        auto* item = new QTreeWidgetItem(llista);
        item->setData(0, Qt::UserRole, QString("Clau%1").arg(position));
        for (const auto& [column, field] : {std::pair{0, x}, std::pair{1, y}}) {
            const com::Variant value = punts.Value(field);
            item->setText(column, value.isNull() ? QString() : QString::fromStdString(value.toString()));
        }
    }
    llista->setCurrentItem(llista->topLevelItem(0));
}

}  // namespace velmar
