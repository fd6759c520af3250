#include "framework/FinestraRegistre.h"

#include <QComboBox>
#include <QPushButton>

namespace velmar {

FinestraRegistre::FinestraRegistre(Declaracio declaracio, Registre registre, QWidget* parent)
    : FinestraEdicio(std::move(declaracio), parent),
      registre_(std::move(registre)),
      triador_(std::make_unique<Triador>(
          *this, registre_.triador, [this](int32_t triat) { CarregaTria(triat); }, [this] { MostraTria(); })),
      navegador_(new Navegador(*this, registre_.navegador, [this] { MostraActual(); })) {
    if (registre_.punts) punts_ = new LlistaPunts(*this, *registre_.punts);
}

FinestraRegistre::~FinestraRegistre() = default;

QPushButton* FinestraRegistre::Boto(const char* nom) const { return findChild<QPushButton*>(nom); }

// --- start-up and the choice -----------------------------------------------------------

void FinestraRegistre::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        try {
            CreaSuport();
            Tradueix();
            if (punts_) punts_->ConfiguraLlistaPunts();
            Entra(Mode::Consulta);
            CarregaTaules();
            navegador_->LlegeixTextos();
            AbansDeLligar();
            triador_->Omple();
            if (triador_->Buit()) {
                CarregaTria(0);
                MostraTria();
            } else {
                triador_->Fixa();
            }
            PosaOrigensCombos();
            AcabaInici();
            RefreshModeFormEdicio(false);
            triador_->Inicia();
        } catch (...) {
            // What was read stays to be seen, browsing; nothing that acts on
            // it, nor another choice, can be used.
            EnSortir([this] {
                Entra(Mode::Consulta);
                HabilitaDades(false);
                triador_->Combo()->setEnabled(false);
            });
            throw;
        }
    });
}

void FinestraRegistre::RecuperaTria(int32_t triat) {
    triat_ = triat;
    Recupera();
}

void FinestraRegistre::CarregaTria(int32_t triat) {
    DeslligaControls();
    // The rows the window holds, put back when the choice fails.
    std::vector<Copia> abans;
    std::vector<Taula*> taules = {&rstRecordsetActual};
    for (const DeclaracioTaula& d : Declarada().taules)
        if (d.ambTria) taules.push_back(TaulaPerNom(d.recordset));
    for (Taula* taula : taules) abans.push_back({taula, taula->Ref()});
    const int32_t triatAbans = std::exchange(triat_, triat);
    try {
        LlegeixActual();
        for (Taula* taula : taules)
            if (taula != &rstRecordsetActual) Carrega(*taula);
    } catch (...) {
        triat_ = triatAbans;
        for (Copia& copia : abans) Posa(*copia.taula, std::move(copia.rows));
        EnSortir([this] { LligaControls(); });
        if (registre_.dadesAmbTria) EnSortir([this] { HabilitaDades(false); });
        throw;
    }
    LligaControls();
}

void FinestraRegistre::MostraTria() {
    try {
        MostraActual();
    } catch (...) {
        if (registre_.dadesAmbTria) EnSortir([this] { HabilitaDades(false); });
        throw;
    }
    // The commands follow the choice: some need one.
    HabilitaDades(true);
}

// --- the current record -------------------------------------------------------------------

void FinestraRegistre::MostraActual() {
    if (punts_) punts_->ObtePuntsActual();
    navegador_->OmpleNumeroRegistre();
}

void FinestraRegistre::RefrescaFormulariLectura() {
    Inner("RefrescaFormulariLectura", [this] {
        TornaAFilaActual(*rstRecordsetActual);
        MostraActual();
    });
}

void FinestraRegistre::RecordaFila() {
    const Taula& actual = rstRecordsetActual;
    // A row being added is found by its code: the database gives it its key.
    const char* camp = intModeFormulari() == 1 && registre_.codi ? registre_.codi : registre_.clau;
    const bool fila = actual.Files() > 0 && !actual->IsBOF() && !actual->IsEOF();
    lloc_ = {camp, fila ? actual->Value(camp) : com::Variant::Null()};
}

void FinestraRegistre::MostraFila() {
    MouAFila(*rstRecordsetActual, lloc_.camp, lloc_.valor);
    RefrescaFormulariLectura();
}

void FinestraRegistre::RecordaFilaSeguent() {
    const ado::Recordset& files = *rstRecordsetActual;
    const int32_t total = files.RecordCount();
    const int32_t posicio = files.AbsolutePosition();
    seguent_ = {registre_.clau, com::Variant::Null()};
    if (total > 1) seguent_.valor = files.ValueAt(posicio == 1 ? 2 : posicio - 1, files.FieldIndex(registre_.clau));
}

void FinestraRegistre::MostraFilaSeguent() {
    lloc_ = seguent_;
    MostraFila();
}

void FinestraRegistre::MostraDesfet(bool nou) {
    if (nou && rstRecordsetActual.Files() > 0) rstRecordsetActual->MoveFirst();
    RefrescaFormulariLectura();
}

// --- modes ------------------------------------------------------------------------------------

void FinestraRegistre::RefreshModeFormEdicio(bool edicio) {
    FinestraEdicio::RefreshModeFormEdicio(edicio);
    TopLevel("RefreshModeFormEdicio", [this, edicio] {
        for (const char* nom : registre_.ordresEdicio) Boto(nom)->setEnabled(edicio);
        for (const char* nom : registre_.ordresDades) Boto(nom)->setEnabled(Dades());
        for (const char* nom : registre_.ordresTria) Boto(nom)->setEnabled(Dades() && triat_ != 0);
        // No edit is left unsaved by moving off the record or choosing other
        // rows.
        navegador_->Habilita(!edicio && Dades());
        triador_->Bloqueja(edicio);
    });
}

}  // namespace velmar
