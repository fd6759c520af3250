// A list-and-detail maintenance window over one table: the list of rows on
// one side, the selected row in bound controls on the other, and the
// buttons new, edit, delete, exit and, while editing, save and undo.
//
// A window built on it is a declaration: its support class, its tables
// (the one it keeps, with the operations that list and save it, and the
// lists it reads), the field its list shows, its controls and its rules.
// The start-up, the three modes and how the list, the record and the
// buttons move together live here once.
#pragma once

#include "framework/Finestra.h"

class QHBoxLayout;
class QPushButton;

namespace velmar {

class LlistaRegistres;

class FinestraManteniment : public Finestra {
public:
    // The list of rows.
    struct Llista {
        const char* nom;             // the list's name (lstClients)
        const char* etiqueta;        // the label above it
        std::string camp;            // the field each item shows
        bool mantePosicio = false;   // the list selects the row of strCodiActual
    };

protected:
    FinestraManteniment(Declaracio declaracio, Llista llista, QWidget* parent = nullptr);

    // A row of buttons of the window's own, below the shared ones.
    QHBoxLayout* BotonsPropis() const { return botonsPropis_; }

    // Form_Load: the start-up sequence; a failure is shown and the window
    // opens as far as it got.
    void IniciFormulari();

    // --- a window's own steps ---------------------------------------------
    // In the start-up, once the tables are read and before the controls are
    // bound to them.
    virtual void AbansDeLligar() {}
    // In Nou, once the row is added: the values a new row starts with.
    virtual void OmpleNou() {}
    // What a window does once the selected item's row is current, or the
    // list is left empty.
    virtual void RegistreMostrat() {}

    // The current row's value of the list's field, as its item shows it.
    std::string CodiRegistreActual();
    // In a window that keeps its place, the code of the row to select when
    // the list is next rebuilt: the row just saved, the one above the row
    // just deleted; empty: the first item (or an item with no text).
    std::string strCodiActual;

    void RefreshModeFormEdicio(bool edicio) override;

private:
    void Nou();
    void Editar();
    void Eliminar();
    void SortirEdicio();
    void UndoChanges();
    void RefrescaFormulariAmbLlista();
    void RefrescaFormulariActualitzacio();
    void RefrescaFormulariLectura();

    LlistaRegistres* llista_;
    std::string camp_;
    bool mantePosicio_;
    QHBoxLayout* botonsPropis_;
};

}  // namespace velmar
