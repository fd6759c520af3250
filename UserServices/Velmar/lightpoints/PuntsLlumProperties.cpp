// The typed properties of the current point's support: listed, added and
// deleted in the window's recordset, saved with the point.
#include <map>

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "Ado/AdoError.h"
#include "core/services/Dialogs.h"
#include "core/services/Numbers.h"
#include "core/binding/RecordsetModel.h"
#include "lightpoints/frmPuntsLlum.h"

namespace velmar {

void frmPuntsLlum::OmpleComboPropietat() {
    Inner("OmpleComboPropietat", [this] {
        ado::Recordset& tipus = *T("rstRecordsetSuportPropietatTipus");
        // No property can be typed without a type to choose.
        tipus.MoveFirst();
        for (; !tipus.IsEOF(); tipus.MoveNext())
            cmbPropietat->addItem(RecordsetModel::Text(tipus.Value("CodPropTipus")),
                                  tipus.Value("NumPropTipus").toLong());
        cmbPropietat->setCurrentIndex(-1);
    });
}

void frmPuntsLlum::RefrescaLlistaPropietatsSuport() {
    Inner("RefrescaLlistaPropietatsSuport", [this] {
        lstPropietats->clear();
        ado::Recordset& propietats = *T("rstRecordsetSuportPropietat");
        if (propietats.RecordCount() < 1) return;
        // The code of each type, read once rather than by filtering the
        // types for every row.
        const ado::Recordset& tipus = *T("rstRecordsetSuportPropietatTipus");
        const std::vector<com::Variant> numeros = tipus.ColumnValues(tipus.FieldIndex("NumPropTipus"));
        const std::vector<com::Variant> codis = tipus.ColumnValues(tipus.FieldIndex("CodPropTipus"));
        std::map<int32_t, QString> codi;
        for (size_t i = 0; i < numeros.size(); ++i)
            if (!numeros[i].isNull()) codi[numeros[i].toLong()] = RecordsetModel::Text(codis[i]);

        int32_t position = 1;
        for (propietats.MoveFirst(); !propietats.IsEOF(); propietats.MoveNext(), ++position) {
            const com::Variant type = propietats.Value("NumPropTipus");
            const auto found = type.isNull() ? codi.end() : codi.find(type.toLong());
            if (found == codi.end()) com::Raise(ado::err::NoCurrentRecord);
            auto* item = new QTreeWidgetItem(lstPropietats);
            item->setData(0, Qt::UserRole, QString("Clau%1").arg(position));
            item->setText(0, found->second);
            // As a bound box shows it, so that it is typed back the same.
            item->setText(1, RecordsetModel::Text(propietats.Value("PropValor")));
            item->setText(2, RecordsetModel::Text(propietats.Value("Observacions")));
        }
        lstPropietats->setCurrentItem(lstPropietats->topLevelItem(0));
    });
}

void frmPuntsLlum::AfegirPropietat() {
    TopLevel("AfegirPropietat", [this] {
        // A type chosen from the list, a value that is a number as the
        // user's language writes it, and a support to give them to.
        ado::Recordset& propietats = *T("rstRecordsetSuportPropietat");
        const ParsedNumber valor = ParseFieldNumber(findChild<QLineEdit*>("txtValor")->text(),
                                                 propietats.Field(propietats.FieldIndex("PropValor")));
        const int item = cmbPropietat->currentIndex();
        const bool triat = item >= 0 && cmbPropietat->itemText(item) == cmbPropietat->currentText();
        Table& suport = T("rstRecordsetSuport");
        if (valor.lectura != ParseOutcome::Valor || !triat || suport.RowCount() == 0 || suport->IsEOF() ||
            suport->IsBOF())
            return dialogs::ShowMessage(Message("valDadesPropietatsNoCompletes"));

        propietats.AddNew();
        try {
            propietats.SetValue("NumSPSuport", suport->Value("NumSPSuport"));
            propietats.SetValue("NumPropTipus", cmbPropietat->itemData(item).toInt());
            propietats.SetValue("PropValor", valor.valor);
            const QString observacions = findChild<QLineEdit*>("txtObservacionsPropietats")->text();
            if (!observacions.isEmpty()) propietats.SetValue("Observacions", observacions.toStdString());
            propietats.Update();
        } catch (...) {
            // A property refused is no property: the save would send the
            // row as it stood, without what was refused.
            propietats.CancelUpdate();
            throw;
        }
        RefrescaLlistaPropietatsSuport();
    });
}

void frmPuntsLlum::EliminarPropietat() {
    TopLevel("EliminarPropietat", [this] {
        const QTreeWidgetItem* selected = lstPropietats->currentItem();
        if (!selected) return;
        const int32_t position = selected->data(0, Qt::UserRole).toString().mid(4).toInt();
        ado::Recordset& propietats = *T("rstRecordsetSuportPropietat");
        propietats.Move(position - 1, ado::Recordset::MoveStart::First);
        propietats.Delete();
        RefrescaLlistaPropietatsSuport();
    });
}

}  // namespace velmar
