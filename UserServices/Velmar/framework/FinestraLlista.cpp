#include "framework/FinestraLlista.h"

#include <QLabel>

#include "core/Dialegs.h"
#include "core/LlistaRegistres.h"
#include "core/RecordsetModel.h"

namespace velmar {

FinestraLlista::FinestraLlista(Declaracio declaracio, Llista llista, QWidget* parent)
    : FinestraEdicio(std::move(declaracio), parent),
      llista_(new LlistaRegistres(this)),
      etiqueta_(dialegs::Control<QLabel>(this, llista.etiqueta)),
      mantePosicio_(llista.mantePosicio) {
    llista_->setObjectName(QString::fromLatin1(llista.nom));
    PosaCampLlista(std::move(llista.camp));
    llista_->OnTria([this] { RefrescaFormulariAmbLlista(); });
    llista_->setMinimumWidth(llista_->fontMetrics().averageCharWidth() * 34);
}

void FinestraLlista::PosaCampLlista(std::string camp) {
    camp_ = std::move(camp);
    llista_->SetColumnes({{.camp = camp_}});
}

std::string FinestraLlista::CodiRegistreActual() {
    return RecordsetModel::Text(rstRecordsetActual->Value(camp_)).toStdString();
}

void FinestraLlista::RefrescaFormulariActualitzacio() { Refresca(mantePosicio_); }

void FinestraLlista::Refresca(bool perCodi) {
    Inner("RefrescaFormulariActualitzacio", [this, perCodi] {
        // The list reads its rows again; the item chosen becomes current,
        // as a click on it would make it.
        llista_->SetRecordset(rstRecordsetActual.Ref());
        if (rstRecordsetActual.Files() < 1) return RegistreMostrat();
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

void FinestraLlista::RefrescaFormulariLectura() {
    Inner("RefrescaFormulariLectura", [this] {
        const int32_t position = llista_->Posicio(llista_->currentRow());
        if (rstRecordsetActual.Files() < 1 || position < 1) return;
        rstRecordsetActual->Move(position - 1, ado::Recordset::MoveStart::First);
        RegistreMostrat();
    });
}

void FinestraLlista::RefrescaFormulariAmbLlista() {
    TopLevel("RefrescaFormulariAmbLlista", [this] { RefrescaFormulariLectura(); });
}

void FinestraLlista::RecordaFila() {
    const bool fila = rstRecordsetActual.Files() > 0 && !rstRecordsetActual->IsBOF() && !rstRecordsetActual->IsEOF();
    strCodiActual = fila ? CodiRegistreActual() : std::string();
}

void FinestraLlista::MostraFila() { Refresca(true); }

void FinestraLlista::RecordaFilaSeguent() {
    codiSeguent_.clear();
    if (llista_->count() > 2 && llista_->currentRow() > 0)
        codiSeguent_ = llista_->text(llista_->currentRow() - 1).toStdString();
}

void FinestraLlista::MostraFilaSeguent() {
    strCodiActual = codiSeguent_;
    RefrescaFormulariActualitzacio();
    llista_->setFocus();
}

void FinestraLlista::MostraDesfet(bool) { RefrescaFormulariActualitzacio(); }

}  // namespace velmar
