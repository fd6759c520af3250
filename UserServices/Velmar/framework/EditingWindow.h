// A window that edits its rows, whatever its shape: the commands new, edit,
// delete, save and undo, each a procedure under its own name, and the row
// of buttons that runs them. They are written here once, for the windows
// with a list beside the record (ListWindow, MaintenanceWindow) and
// for those of one record at a time (RecordWindow).
//
// - New and edit keep copies of the tables the window saves; undo puts them
//   back, so that nothing of the edit stays, whatever table holds it and
//   whether a save failed in between.
// - A save sends every table the window saves in one transaction (Save) and
//   shows the row it saved. When another user changed or deleted a row it
//   sends (a conflict), the window reads its tables again and browses them,
//   so that what it shows is what is stored: the user sees the stored row
//   (or no longer sees a deleted one) and can make the change again.
// - A delete is sent in a transaction of its own (Delete); when it fails
//   the row is back. After either the window shows the row its shape says.
// - While a row is edited, closing the window or Escape asks whether to
//   drop the changes; Enter saves. After a save or an undo the focus is on
//   Edit, after a new row or an edit on the record's first field.
//
// A shape says where the window stands and how it shows a row again (the
// pure virtual steps below); a window adds its own steps in the hooks.
#pragma once

#include <vector>

#include "framework/DataWindow.h"

class QCloseEvent;
class QKeyEvent;

namespace velmar {

class EditingWindow : public DataWindow {
protected:
    using DataWindow::DataWindow;

    // The row of the commands: new (unless the window adds no rows), edit,
    // delete, save and undo (shown only while a row is edited), and exit.
    QHBoxLayout* EditingButtonRow(bool ambNou = true);

    // --- the commands -----------------------------------------------------------
    void Nou();
    void Editar();
    void Eliminar();
    void SortirEdicio();
    void UndoChanges();

    // --- a window's own steps ----------------------------------------------------
    // In the start-up, once the tables are read and before the controls are
    // bound to them.
    virtual void BeforeBinding() {}
    // In Nou, once the row is added: the values a new row starts with, and
    // what shows with it.
    virtual void FillNew() {}
    // The save of the current row, inside SortirEdicio: by default every
    // table the window saves (PropagaCanvisABD).
    virtual void Save();
    // The delete of the current row, inside one transaction: by default the
    // row deleted and every table the window saves sent.
    virtual void Delete();

    // --- what the shape says --------------------------------------------------------
    // Keeps the row the window stands on, to show it again once its rows
    // are read anew...
    virtual void RememberRow() = 0;
    // ...and shows it; when it is gone, the shape's first.
    virtual void ShowRow() = 0;
    // Keeps the row to show once the current one is deleted...
    virtual void RememberNextRow() = 0;
    // ...and shows it.
    virtual void ShowNextRow() = 0;
    // Shows the rows an undo put back (`nou`: it dropped a row being
    // added), or a delete that failed left.
    virtual void ShowUndone(bool nou) = 0;

    // Whether the window's data can be used: not after a start-up that
    // failed. The data commands follow it.
    bool HasData() const { return dades_; }
    void EnableData(bool habilitades);

    // Besides the shared steps: the data commands enabled with the data.
    void RefreshModeFormEdicio(bool edicio) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A row added (Mode::Adding) or the current one edited: where the window
    // stood kept, the tables copied for the undo, the record's first field
    // focused.
    void BeginEditing(Mode mode);
    // The save's body: the row kept, saved and shown, or, when another
    // user's change stood in the way, every table read again.
    void SaveRow();
    // Back to browsing, the copies dropped and the focus on Edit.
    void LeaveEditing();
    // Whether to drop the changes of the row being edited: the user is
    // asked.
    bool DiscardChanges();
    void FocusFirstField();

    std::vector<TableCopy> copies_;  // the tables as they stood when the edit began
    bool dades_ = true;
};

}  // namespace velmar
