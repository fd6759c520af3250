#include "framework/EditingWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "Ado/AdoError.h"
#include "Base/Error.h"
#include "core/binding/BindingControl.h"
#include "core/controls/Locking.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"

namespace velmar {
namespace {

constexpr const char* kOrdresDades[] = {"cmdNou", "cmdEditar", "cmdEliminar"};

// The failure in flight is a conflict: another user changed or deleted a
// row the window sent, and the database refused it as it was read.
bool EsConflicte() { return base::ErrorNumber(std::current_exception()) == ado::err::UpdateConflict; }

}  // namespace

QHBoxLayout* EditingWindow::EditingButtonRow(bool ambNou) {
    std::vector<Ordre> ordres;
    if (ambNou) ordres.push_back({"cmdNou", [this] { Nou(); }});
    ordres.insert(ordres.end(), {{"cmdEditar", [this] { Editar(); }},
                                 {"cmdEliminar", [this] { Eliminar(); }},
                                 {"cmdSortirEdicio", [this] { SortirEdicio(); }},
                                 {"cmdDesferCanvis", [this] { UndoChanges(); }},
                                 {"cmdSortir", [this] { close(); }}});
    QHBoxLayout* fila = CommandRow(ordres);
    // Shown only while editing, even in a window that could not open.
    for (const char* nom : {"cmdSortirEdicio", "cmdDesferCanvis"}) findChild<QPushButton*>(nom)->hide();
    return fila;
}

// --- the commands ------------------------------------------------------------------

void EditingWindow::Nou() { TopLevel("Nou", [this] { BeginEditing(Mode::Adding); }); }

void EditingWindow::Editar() {
    TopLevel("Editar", [this] {
        const std::string message = CadenaValidacioEditar();
        if (!message.empty()) return dialogs::ShowMessage(message);
        BeginEditing(Mode::Editing);
    });
}

void EditingWindow::BeginEditing(Mode mode) {
    RememberRow();
    copies_ = CopyTables();
    if (mode == Mode::Adding) {
        rstRecordsetActual->AddNew();
        FillNew();
    }
    EnterMode(mode);
    FocusFirstField();
}

void EditingWindow::SortirEdicio() {
    TopLevel("SortirEdicio", [this] {
        const std::string message = CadenaValidacioRegistreActual();
        if (!message.empty()) return dialogs::ShowMessage(message);
        if (rstRecordsetActual.RowCount() > 0) SaveRow();
        LeaveEditing();
    });
}

void EditingWindow::SaveRow() {
    RememberRow();
    try {
        Save();
    } catch (...) {
        // A failed save leaves the edit to try again; one that another
        // user's change stood in the way of cannot succeed on these rows.
        if (EsConflicte()) {
            OnExit([this] { LlegeixDeNou(); });
            LeaveEditing();
            OnExit([this] { ShowRow(); });
        }
        throw;
    }
    ShowRow();
}

void EditingWindow::Save() { PropagaCanvisABD(); }

void EditingWindow::UndoChanges() {
    TopLevel("UndoChanges", [this] {
        const bool nou = intModeFormulari() == 1;
        RestoreTables(copies_);
        LeaveEditing();
        ShowUndone(nou);
    });
}

void EditingWindow::Eliminar() {
    TopLevel("Eliminar", [this] {
        if (!ConfirmDelete()) return;
        RememberRow();
        RememberNextRow();
        EnterMode(Mode::Deleting);
        try {
            InTransaction([this] { Delete(); });
        } catch (...) {
            // No later save sends the delete; the row is back, or, when
            // another user had changed or deleted it, read again.
            EnterMode(Mode::Browsing);
            if (EsConflicte()) {
                OnExit([this] { LlegeixDeNou(); });
                OnExit([this] { ShowRow(); });
            } else {
                OnExit([this] { ShowUndone(false); });
            }
            throw;
        }
        EnterMode(Mode::Browsing);
        ShowNextRow();
    });
}

void EditingWindow::Delete() {
    rstRecordsetActual->Delete();
    PropagaCanvisABD();
}

void EditingWindow::LeaveEditing() {
    copies_.clear();
    EnterMode(Mode::Browsing);
    if (auto* editar = findChild<QPushButton*>("cmdEditar")) editar->setFocus(Qt::OtherFocusReason);
}

// --- modes ----------------------------------------------------------------------------

void EditingWindow::EnableData(bool habilitades) {
    dades_ = habilitades;
    RefreshModeFormEdicio(ModeEdicio());
}

void EditingWindow::RefreshModeFormEdicio(bool edicio) {
    DataWindow::RefreshModeFormEdicio(edicio);
    for (const char* nom : kOrdresDades)
        if (auto* boto = findChild<QPushButton*>(nom)) boto->setEnabled(dades_);
}

// The first control of the record that takes typing, in the order the
// keyboard walks them.
void EditingWindow::FocusFirstField() {
    for (QWidget* control = nextInFocusChain(); control && control != this; control = control->nextInFocusChain()) {
        if (binding::DataField(control).empty() || !control->isVisibleTo(this) || !control->isEnabled() ||
            IsLocked(control))
            continue;
        return control->setFocus(Qt::OtherFocusReason);
    }
}

// --- closing and the keyboard while editing ----------------------------------------------

bool EditingWindow::DiscardChanges() {
    return dialogs::AskYesNoQuestion(MessageOrDefault("valDescartarCanvis", "valDescartarCanvis"));
}

void EditingWindow::closeEvent(QCloseEvent* event) {
    if (ModeEdicio()) {
        if (!DiscardChanges()) return event->ignore();
        // Nothing unsaved stays in the window's rows.
        UndoChanges();
    }
    DataWindow::closeEvent(event);
}

void EditingWindow::keyPressEvent(QKeyEvent* event) {
    const auto usable = [this](const char* nom) {
        auto* boto = findChild<QPushButton*>(nom);
        return boto && boto->isVisibleTo(this) && boto->isEnabled() ? boto : nullptr;
    };
    const int key = event->key();
    if (key == Qt::Key_Escape && usable("cmdDesferCanvis")) {
        if (DiscardChanges()) UndoChanges();
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
    DataWindow::keyPressEvent(event);
}

}  // namespace velmar
