#include "framework/RecordWindow.h"

#include <QComboBox>
#include <QPushButton>

namespace velmar {

RecordWindow::RecordWindow(Declaration declaracio, RecordParts registre, QWidget* parent)
    : EditingWindow(std::move(declaracio), parent),
      registre_(std::move(registre)),
      triador_(std::make_unique<Chooser>(
          *this, registre_.triador, [this](int32_t triat) { LoadChoice(triat); }, [this] { ShowChoice(); })),
      navegador_(new RecordNavigator(*this, registre_.navegador, [this] { ShowCurrent(); })) {
    if (registre_.punts) punts_ = new VertexList(*this, *registre_.punts);
}

RecordWindow::~RecordWindow() = default;

QPushButton* RecordWindow::CommandButton(const char* nom) const { return findChild<QPushButton*>(nom); }

// --- start-up and the choice -----------------------------------------------------------

void RecordWindow::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        try {
            CreateSupport();
            Translate();
            if (punts_) punts_->ConfiguraLlistaPunts();
            EnterMode(Mode::Browsing);
            LoadTables();
            navegador_->ReadTexts();
            BeforeBinding();
            triador_->Fill();
            if (triador_->IsEmpty()) {
                LoadChoice(0);
                ShowChoice();
            } else {
                triador_->Apply();
            }
            SetComboSources();
            FinishStart();
            RefreshModeFormEdicio(false);
            triador_->Start();
        } catch (...) {
            // What was read stays to be seen, browsing; nothing that acts on
            // it, nor another choice, can be used.
            OnExit([this] {
                EnterMode(Mode::Browsing);
                EnableData(false);
                triador_->Combo()->setEnabled(false);
            });
            throw;
        }
    });
}

void RecordWindow::ReloadChoice(int32_t triat) {
    triat_ = triat;
    Recupera();
}

void RecordWindow::LoadChoice(int32_t triat) {
    UnbindControls();
    // The rows the window holds, put back when the choice fails.
    std::vector<TableCopy> abans;
    std::vector<Table*> taules = {&rstRecordsetActual};
    for (const TableDeclaration& d : Declared().taules)
        if (d.ambTria) taules.push_back(TableByName(d.recordset));
    for (Table* taula : taules) abans.push_back({taula, taula->Ref()});
    const int32_t triatAbans = std::exchange(triat_, triat);
    try {
        ReadCurrent();
        for (Table* taula : taules)
            if (taula != &rstRecordsetActual) Load(*taula);
    } catch (...) {
        triat_ = triatAbans;
        for (TableCopy& copia : abans) SetRows(*copia.taula, std::move(copia.rows));
        OnExit([this] { BindControls(); });
        if (registre_.dadesAmbTria) OnExit([this] { EnableData(false); });
        throw;
    }
    BindControls();
}

void RecordWindow::ShowChoice() {
    try {
        ShowCurrent();
    } catch (...) {
        if (registre_.dadesAmbTria) OnExit([this] { EnableData(false); });
        throw;
    }
    // The commands follow the choice: some need one.
    EnableData(true);
}

// --- the current record -------------------------------------------------------------------

void RecordWindow::ShowCurrent() {
    if (punts_) punts_->ReadCurrentVertices();
    navegador_->OmpleNumeroRegistre();
}

void RecordWindow::RefrescaFormulariLectura() {
    Inner("RefrescaFormulariLectura", [this] {
        ReturnToCurrentRow(*rstRecordsetActual);
        ShowCurrent();
    });
}

void RecordWindow::RememberRow() {
    const Table& actual = rstRecordsetActual;
    // A row being added is found by its code: the database gives it its key.
    const char* camp = intModeFormulari() == 1 && registre_.codi ? registre_.codi : registre_.clau;
    const bool fila = actual.RowCount() > 0 && !actual->IsBOF() && !actual->IsEOF();
    lloc_ = {camp, fila ? actual->Value(camp) : com::Variant::Null()};
}

void RecordWindow::ShowRow() {
    MoveToRow(*rstRecordsetActual, lloc_.camp, lloc_.valor);
    RefrescaFormulariLectura();
}

void RecordWindow::RememberNextRow() {
    const ado::Recordset& files = *rstRecordsetActual;
    const int32_t total = files.RecordCount();
    const int32_t posicio = files.AbsolutePosition();
    seguent_ = {registre_.clau, com::Variant::Null()};
    if (total > 1) seguent_.valor = files.ValueAt(posicio == 1 ? 2 : posicio - 1, files.FieldIndex(registre_.clau));
}

void RecordWindow::ShowNextRow() {
    lloc_ = seguent_;
    ShowRow();
}

void RecordWindow::ShowUndone(bool nou) {
    if (nou && rstRecordsetActual.RowCount() > 0) rstRecordsetActual->MoveFirst();
    RefrescaFormulariLectura();
}

// --- modes ------------------------------------------------------------------------------------

void RecordWindow::RefreshModeFormEdicio(bool edicio) {
    EditingWindow::RefreshModeFormEdicio(edicio);
    TopLevel("RefreshModeFormEdicio", [this, edicio] {
        for (const char* nom : registre_.ordresEdicio) CommandButton(nom)->setEnabled(edicio);
        for (const char* nom : registre_.ordresDades) CommandButton(nom)->setEnabled(HasData());
        for (const char* nom : registre_.ordresTria) CommandButton(nom)->setEnabled(HasData() && triat_ != 0);
        // No edit is left unsaved by moving off the record or choosing other
        // rows.
        navegador_->Enable(!edicio && HasData());
        triador_->SetLocked(edicio);
    });
}

}  // namespace velmar
