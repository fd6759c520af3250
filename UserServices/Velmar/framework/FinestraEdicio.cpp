#include "framework/FinestraEdicio.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "Ado/AdoError.h"
#include "Base/Error.h"
#include "core/BindingControl.h"
#include "core/Bloqueig.h"
#include "core/DataCombo.h"
#include "core/Dialegs.h"

namespace velmar {
namespace {

constexpr const char* kOrdresDades[] = {"cmdNou", "cmdEditar", "cmdEliminar"};

// The failure in flight is a conflict: another user changed or deleted a
// row the window sent, and the database refused it as it was read.
bool EsConflicte() { return base::ErrorNumber(std::current_exception()) == ado::err::UpdateConflict; }

}  // namespace

QHBoxLayout* FinestraEdicio::FilaEdicio(bool ambNou) {
    std::vector<Ordre> ordres;
    if (ambNou) ordres.push_back({"cmdNou", [this] { Nou(); }});
    ordres.insert(ordres.end(), {{"cmdEditar", [this] { Editar(); }},
                                 {"cmdEliminar", [this] { Eliminar(); }},
                                 {"cmdSortirEdicio", [this] { SortirEdicio(); }},
                                 {"cmdDesferCanvis", [this] { UndoChanges(); }},
                                 {"cmdSortir", [this] { close(); }}});
    QHBoxLayout* fila = FilaOrdres(ordres);
    // Shown only while editing, even in a window that could not open.
    for (const char* nom : {"cmdSortirEdicio", "cmdDesferCanvis"}) findChild<QPushButton*>(nom)->hide();
    return fila;
}

// --- the commands ------------------------------------------------------------------

void FinestraEdicio::Nou() { TopLevel("Nou", [this] { ComencaEdicio(Mode::Nou); }); }

void FinestraEdicio::Editar() {
    TopLevel("Editar", [this] {
        const std::string message = CadenaValidacioEditar();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        ComencaEdicio(Mode::Edicio);
    });
}

void FinestraEdicio::ComencaEdicio(Mode mode) {
    RecordaFila();
    copies_ = CopiaTaules();
    if (mode == Mode::Nou) {
        rstRecordsetActual->AddNew();
        OmpleNou();
    }
    Entra(mode);
    EnfocaPrimerCamp();
}

void FinestraEdicio::SortirEdicio() {
    TopLevel("SortirEdicio", [this] {
        const std::string message = CadenaValidacioRegistreActual();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        if (rstRecordsetActual.Files() > 0) DesaFila();
        SurtDEdicio();
    });
}

void FinestraEdicio::DesaFila() {
    RecordaFila();
    try {
        Desa();
    } catch (...) {
        // A failed save leaves the edit to try again; one that another
        // user's change stood in the way of cannot succeed on these rows.
        if (EsConflicte()) {
            EnSortir([this] { LlegeixDeNou(); });
            SurtDEdicio();
            EnSortir([this] { MostraFila(); });
        }
        throw;
    }
    MostraFila();
}

void FinestraEdicio::Desa() { PropagaCanvisABD(); }

void FinestraEdicio::UndoChanges() {
    TopLevel("UndoChanges", [this] {
        const bool nou = intModeFormulari() == 1;
        RestauraTaules(copies_);
        SurtDEdicio();
        MostraDesfet(nou);
    });
}

void FinestraEdicio::Eliminar() {
    TopLevel("Eliminar", [this] {
        if (!ConfirmaEliminar()) return;
        RecordaFila();
        RecordaFilaSeguent();
        Entra(Mode::Eliminacio);
        try {
            DinsTransaccio([this] { Elimina(); });
        } catch (...) {
            // No later save sends the delete; the row is back, or, when
            // another user had changed or deleted it, read again.
            Entra(Mode::Consulta);
            if (EsConflicte()) {
                EnSortir([this] { LlegeixDeNou(); });
                EnSortir([this] { MostraFila(); });
            } else {
                EnSortir([this] { MostraDesfet(false); });
            }
            throw;
        }
        Entra(Mode::Consulta);
        MostraFilaSeguent();
    });
}

void FinestraEdicio::Elimina() {
    rstRecordsetActual->Delete();
    PropagaCanvisABD();
}

void FinestraEdicio::SurtDEdicio() {
    copies_.clear();
    Entra(Mode::Consulta);
    if (auto* editar = findChild<QPushButton*>("cmdEditar")) editar->setFocus(Qt::OtherFocusReason);
}

// --- modes ----------------------------------------------------------------------------

void FinestraEdicio::HabilitaDades(bool habilitades) {
    dades_ = habilitades;
    RefreshModeFormEdicio(ModeEdicio());
}

void FinestraEdicio::RefreshModeFormEdicio(bool edicio) {
    Finestra::RefreshModeFormEdicio(edicio);
    for (const char* nom : kOrdresDades)
        if (auto* boto = findChild<QPushButton*>(nom)) boto->setEnabled(dades_);
}

// The first control of the record that takes typing, in the order the
// keyboard walks them.
void FinestraEdicio::EnfocaPrimerCamp() {
    for (QWidget* control = nextInFocusChain(); control && control != this; control = control->nextInFocusChain()) {
        if (binding::DataField(control).empty() || !control->isVisibleTo(this) || !control->isEnabled() ||
            Bloquejat(control))
            continue;
        return control->setFocus(Qt::OtherFocusReason);
    }
}

// --- closing and the keyboard while editing ----------------------------------------------

bool FinestraEdicio::DescartaCanvis() {
    return dialegs::PreguntaSiNo(MissatgeDefecte("valDescartarCanvis", "valDescartarCanvis"));
}

void FinestraEdicio::closeEvent(QCloseEvent* event) {
    if (ModeEdicio()) {
        if (!DescartaCanvis()) return event->ignore();
        // Nothing unsaved stays in the window's rows.
        UndoChanges();
    }
    Finestra::closeEvent(event);
}

void FinestraEdicio::keyPressEvent(QKeyEvent* event) {
    const auto usable = [this](const char* nom) {
        auto* boto = findChild<QPushButton*>(nom);
        return boto && boto->isVisibleTo(this) && boto->isEnabled() ? boto : nullptr;
    };
    const int key = event->key();
    if (key == Qt::Key_Escape && usable("cmdDesferCanvis")) {
        if (DescartaCanvis()) UndoChanges();
        return event->accept();
    }
    QWidget* focus = focusWidget();
    // Enter on a button is that button's business.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && usable("cmdSortirEdicio") &&
        !qobject_cast<QAbstractButton*>(focus)) {
        // The data combo being typed in is left, as a click on the button
        // would leave it.
        auto* combo = focus ? dynamic_cast<DataCombo*>(focus) : nullptr;
        if (!combo && focus) combo = dynamic_cast<DataCombo*>(focus->parentWidget());
        if (combo) FixaDataCombo(combo);
        usable("cmdSortirEdicio")->click();
        return event->accept();
    }
    Finestra::keyPressEvent(event);
}

}  // namespace velmar
