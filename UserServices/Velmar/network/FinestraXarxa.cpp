#include "network/FinestraXarxa.h"

#include <QFormLayout>
#include <QLabel>

#include "core/Dialegs.h"

namespace velmar {

Finestra::Declaracio FinestraXarxa::AmbProjecte(Declaracio declaracio, FinestraXarxa* finestra) {
    declaracio.actual.arguments = [finestra] { return std::vector<com::Variant>{finestra->projecte_}; };
    return declaracio;
}

// Each vertex's order and its two coordinates.
LlistaPunts::Declaracio FinestraXarxa::AmbColumnes(LlistaPunts::Declaracio punts) {
    punts.columnes = {{"NumOrdre", "clhNumOrdre", "Num. Ordre"}, {"VertexX", "clhX", "X"}, {"VertexY", "clhY", "Y"}};
    return punts;
}

FinestraXarxa::FinestraXarxa(int32_t projecte, Declaracio declaracio, Llista llista, const char* campProjecte,
                             LlistaPunts::Declaracio punts, QWidget* parent)
    : FinestraManteniment(AmbProjecte(std::move(declaracio), this), std::move(llista), parent),
      projecte_(projecte),
      campProjecte_(campProjecte),
      lstPunts_(new LlistaPunts(*this, AmbColumnes(std::move(punts)))) {
    // Under the record's fields.
    Camps()->addRow(dialegs::Control<QLabel>(this, "lblSituacioGIS"));
    Camps()->addRow(lstPunts_);
}

void FinestraXarxa::ObtePuntsActual() { lstPunts_->ObtePuntsActual(); }

void FinestraXarxa::RefrescaLlistaGIS() { lstPunts_->RefrescaLlistaGIS(); }

void FinestraXarxa::AbansDeLligar() {
    lstPunts_->ConfiguraLlistaPunts();
    // A window that keeps its place opens on the row the server gave first.
    if (rstRecordsetActual.Files() > 0) strCodiActual = CodiRegistreActual();
}

void FinestraXarxa::OmpleNou() {
    rstRecordsetActual->SetValue(campProjecte_, projecte_);
    ObtePuntsActual();
}

void FinestraXarxa::RegistreMostrat() { ObtePuntsActual(); }

}  // namespace velmar
