#include "framework/ListWindow.h"

#include <QLabel>

#include "core/services/Dialogs.h"
#include "core/controls/RecordList.h"
#include "core/binding/RecordsetModel.h"

namespace velmar {

ListWindow::ListWindow(Declaration declaracio, Llista llista, QWidget* parent)
    : EditingWindow(std::move(declaracio), parent),
      llista_(new RecordList(this)),
      etiqueta_(dialogs::Control<QLabel>(this, llista.etiqueta)),
      mantePosicio_(llista.mantePosicio) {
    llista_->setObjectName(QString::fromLatin1(llista.nom));
    SetListedField(std::move(llista.camp));
    llista_->OnChosen([this] { RefrescaFormulariAmbLlista(); });
    llista_->setMinimumWidth(llista_->fontMetrics().averageCharWidth() * 34);
}

void ListWindow::SetListedField(std::string camp) {
    camp_ = std::move(camp);
    llista_->SetColumns({{.camp = camp_}});
}

std::string ListWindow::CurrentRecordCode() {
    return RecordsetModel::Text(rstRecordsetActual->Value(camp_)).toStdString();
}

void ListWindow::RefrescaFormulariActualitzacio() { RefreshList(mantePosicio_); }

void ListWindow::RefreshList(bool perCodi) {
    Inner("RefrescaFormulariActualitzacio", [this, perCodi] {
        // The list reads its rows again; the item chosen becomes current,
        // as a click on it would make it.
        llista_->SetRecordset(rstRecordsetActual.Ref());
        if (rstRecordsetActual.RowCount() < 1) return RecordShown();
        int item = 0;
        if (perCodi)
            for (int i = 0; i < llista_->count(); ++i)
                if (llista_->text(i).toStdString() == strCodiActual) {
                    item = i;
                    break;
                }
        // Making another item current runs the click handling by itself.
        const bool another = llista_->currentRow() != item;
        llista_->setCurrentRow(item);
        if (!another) RefrescaFormulariAmbLlista();
    });
}

void ListWindow::RefrescaFormulariLectura() {
    Inner("RefrescaFormulariLectura", [this] {
        const int32_t position = llista_->Posicio(llista_->currentRow());
        if (rstRecordsetActual.RowCount() < 1 || position < 1) return;
        rstRecordsetActual->Move(position - 1, ado::Recordset::MoveStart::First);
        RecordShown();
    });
}

void ListWindow::RefrescaFormulariAmbLlista() {
    TopLevel("RefrescaFormulariAmbLlista", [this] { RefrescaFormulariLectura(); });
}

void ListWindow::RememberRow() {
    const bool fila = rstRecordsetActual.RowCount() > 0 && !rstRecordsetActual->IsBOF() && !rstRecordsetActual->IsEOF();
    strCodiActual = fila ? CurrentRecordCode() : std::string();
}

void ListWindow::ShowRow() { RefreshList(true); }

void ListWindow::RememberNextRow() {
    codiSeguent_.clear();
    if (llista_->count() > 2 && llista_->currentRow() > 0)
        codiSeguent_ = llista_->text(llista_->currentRow() - 1).toStdString();
}

void ListWindow::ShowNextRow() {
    strCodiActual = codiSeguent_;
    RefrescaFormulariActualitzacio();
    llista_->setFocus();
}

void ListWindow::ShowUndone(bool) { RefrescaFormulariActualitzacio(); }

}  // namespace velmar
