#include "network/NetworkWindow.h"

#include <QFormLayout>
#include <QLabel>

#include "core/services/Dialogs.h"

namespace velmar {

DataWindow::Declaration NetworkWindow::WithProject(Declaration declaracio, NetworkWindow* finestra) {
    declaracio.actual.arguments = [finestra] { return std::vector<com::Variant>{finestra->projecte_}; };
    return declaracio;
}

// Each vertex's order and its two coordinates.
VertexList::Declaration NetworkWindow::WithColumns(VertexList::Declaration punts) {
    punts.columnes = {{"NumOrdre", "clhNumOrdre", "Num. Ordre"}, {"VertexX", "clhX", "X"}, {"VertexY", "clhY", "Y"}};
    return punts;
}

NetworkWindow::NetworkWindow(int32_t projecte, Declaration declaracio, Llista llista, const char* campProjecte,
                             VertexList::Declaration punts, QWidget* parent)
    : MaintenanceWindow(WithProject(std::move(declaracio), this), std::move(llista), parent),
      projecte_(projecte),
      campProjecte_(campProjecte),
      lstPunts_(new VertexList(*this, WithColumns(std::move(punts)))) {
    // Under the record's fields.
    FieldForm()->addRow(dialogs::Control<QLabel>(this, "lblSituacioGIS"));
    FieldForm()->addRow(lstPunts_);
}

void NetworkWindow::ReadCurrentVertices() { lstPunts_->ReadCurrentVertices(); }

void NetworkWindow::RefrescaLlistaGIS() { lstPunts_->RefrescaLlistaGIS(); }

void NetworkWindow::BeforeBinding() {
    lstPunts_->ConfiguraLlistaPunts();
    // A window that keeps its place opens on the row the server gave first.
    if (rstRecordsetActual.RowCount() > 0) strCodiActual = CurrentRecordCode();
}

void NetworkWindow::FillNew() {
    rstRecordsetActual->SetValue(campProjecte_, projecte_);
    ReadCurrentVertices();
}

void NetworkWindow::RecordShown() { ReadCurrentVertices(); }

}  // namespace velmar
