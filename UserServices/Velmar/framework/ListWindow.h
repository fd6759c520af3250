// A window with the list of its rows beside the record: the list and the
// table's current row kept in step. The list shows the table's rows in the
// order of its text as the user's language sorts words; its selected item
// is the current row. After a save the list selects the row saved; after
// it is rebuilt otherwise (an undo, a delete) its first item is selected
// or, in a window that keeps its place, the item whose text is the code it
// keeps (strCodiActual): the row it stood on, the one above the row just
// deleted. Its commands are EditingWindow's (MaintenanceWindow) or its
// own (frmUsuariProjecte).
#pragma once

#include <string>

#include "framework/EditingWindow.h"

class QLabel;

namespace velmar {

class RecordList;

class ListWindow : public EditingWindow {
public:
    // The list of rows.
    struct Llista {
        const char* nom;             // the list's name (lstClients)
        const char* etiqueta;        // the label above it
        std::string camp;            // the field each item shows
        bool mantePosicio = false;   // the list selects the row of strCodiActual
    };

protected:
    ListWindow(Declaration declaracio, Llista llista, QWidget* parent = nullptr);

    RecordList* ListControl() const { return llista_; }
    QLabel* ListLabel() const { return etiqueta_; }
    // The field the list shows, when the window learns it as it opens.
    void SetListedField(std::string camp);
    bool KeepsPosition() const { return mantePosicio_; }
    // The current row's value of the list's field, as its item shows it.
    std::string CurrentRecordCode();

    // Rebuilds the list and selects its first item, or the item of
    // strCodiActual; the selection makes its row current.
    void RefrescaFormulariActualitzacio();
    // Makes the selected item's row the current row.
    void RefrescaFormulariLectura();
    void RefrescaFormulariAmbLlista();
    // What a window does once the selected item's row is current, or the
    // list is left empty.
    virtual void RecordShown() {}

    // The code of the row to select when the list is next rebuilt; empty:
    // the first item (or an item with no text).
    std::string strCodiActual;

    // Where the window stands: the row by its list's code.
    void RememberRow() override;
    void ShowRow() override;
    // The row above the one deleted, or the first.
    void RememberNextRow() override;
    void ShowNextRow() override;
    void ShowUndone(bool nou) override;

private:
    // Rebuilds the list and selects the item of strCodiActual, or, unless
    // `perCodi` or the window keeps its place, the first.
    void RefreshList(bool perCodi);

    RecordList* llista_;
    QLabel* etiqueta_;
    std::string camp_;
    bool mantePosicio_;
    std::string codiSeguent_;
};

}  // namespace velmar
