// The chooser at the top of a window of one record at a time that decides
// which rows the window holds: the service connection whose cable segments
// or light points it shows, the zone whose connections it shows. A plain
// combo with one item per row of one of the window's lists, showing the
// row's code and keeping its number, and, where the window has one, an
// echo combo in the record that shows the same code, is never read, and is
// locked: the record's choice is the chooser's, which is what is stored.
//
// The window holds the rows of one choice at a time. When the user picks
// another, the window loads that choice's rows; if the load fails the
// failure is shown and the chooser goes back to the choice whose rows the
// window still holds, so that what the chooser shows and what the window
// saves never part. The chooser is locked while the window edits a record;
// the echo always is. It is filled once, as the window starts; until the
// window says it has started, a change of choice loads nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <QMetaObject>

class QComboBox;
class QLabel;

namespace velmar {

class DataWindow;

class Chooser {
public:
    struct Declaration {
        // The chooser, its label and the echo (none for none).
        const char* combo = "cmbEscullEscomesa";
        const char* etiqueta = "lblEscullEscomesa";
        const char* eco = "cmbEscomesa";
        // The window's list of choices and its code and number fields.
        std::string taula = "rstRecordsetEscomeses";
        const char* codi = "CodEscomesa";
        const char* numero = "NumEscomesa";
        // The window's procedures: filling the chooser, taking its choice,
        // and the user's change of choice.
        const char* omple = "OmpleComboEscullEscomesa";
        const char* fixa = "FixaEscomesaAmbComboEscullEscomesa";
        const char* clic = "cmbEscullEscomesa_Click";
    };

    // `carrega` loads the rows of the choice of that number into the
    // window, all or nothing; once they are in, `mostra` shows them (the
    // counter, the vertices). Both run inside the procedure that takes the
    // choice.
    Chooser(DataWindow& finestra, Declaration declaracio, std::function<void(int32_t)> carrega,
            std::function<void()> mostra);
    ~Chooser();
    Chooser(const Chooser&) = delete;
    Chooser& operator=(const Chooser&) = delete;

    QComboBox* Combo() const { return combo_; }
    QComboBox* Echo() const { return eco_; }
    QLabel* Label() const { return etiqueta_; }

    // Fills both combos from the list, in its order, and selects the first
    // item; loads nothing.
    void Fill();
    // Makes the chooser's selected item the window's choice: `carrega` with
    // its number, then `mostra`. When the load fails both combos go back to
    // the choice whose rows the window still holds, and the failure goes
    // on.
    void Apply();
    // From now on a change of choice by the user loads its rows.
    void Start() { iniciat_ = true; }

    // Whether there is anything to choose from.
    bool IsEmpty() const;

    // Locked while the window edits; the echo in every mode.
    void SetLocked(bool edicio);

private:
    void Tria();
    // Both combos on the item of `index`, without loading anything.
    void ShowItem(int index);

    DataWindow& finestra_;
    Declaration declaracio_;
    std::function<void(int32_t)> carrega_;
    std::function<void()> mostra_;
    QComboBox* combo_;
    QLabel* etiqueta_;
    QComboBox* eco_;
    int mostrat_ = -1;      // the item of the choice the window holds
    bool iniciat_ = false;
    bool mostrant_ = false;  // the combos are set by the window, not the user
    QMetaObject::Connection tria_;
};

}  // namespace velmar
