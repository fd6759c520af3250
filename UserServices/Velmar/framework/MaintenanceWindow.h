// A list-and-detail maintenance window over one table: the list of rows on
// one side, the selected row in bound controls on the other, and the
// buttons new, edit, delete, exit and, while editing, save and undo.
//
// A window built on it is a declaration: its support class, its tables
// (the one it keeps, with the operations that list and save it, and the
// lists it reads), the field its list shows, its controls and its rules.
// The start-up and the layout live here; the commands and how the list,
// the record and the buttons move together, in EditingWindow and
// ListWindow; a window adds its own steps in the few places those
// offer.
#pragma once

#include "framework/ListWindow.h"

class QHBoxLayout;

namespace velmar {

class MaintenanceWindow : public ListWindow {
protected:
    // `marc`: the frame that holds the record's controls; none for none.
    MaintenanceWindow(Declaration declaracio, Llista llista, QWidget* parent = nullptr, const char* marc = nullptr);

    // A row of buttons of the window's own, below the shared ones.
    QHBoxLayout* OwnButtons() const { return botonsPropis_; }

    // Form_Load: the start-up sequence; a failure is shown and the window
    // opens as far as it got.
    void IniciFormulari();

    // The list takes no click while a row is edited.
    void RefreshModeFormEdicio(bool edicio) override;

private:
    QHBoxLayout* botonsPropis_;
};

}  // namespace velmar
