// How a window of one record at a time moves through the rows of one of
// its tables: four buttons with pictures (first, previous, next, last) and,
// between them, the counter that says where it stands ("Tram 3 de 12",
// "Tram 0 de 0" with no rows), its two words texts of the window's
// language with defaults of their own. The cable segments, the light
// points with their luminaires, and the service connections move so.
//
// A move is a procedure of the window, shown when it fails: at either end
// it stays where it is and says nothing; then the window brings what
// depends on the current row in line (its vertices, its counters), also
// when no move was made. The counter is always locked. While the window
// edits a record its navigation is disabled (Enable), so that no edit is
// left unsaved by moving off it. A navigation that stays usable while the
// window edits (the luminaires of a light point) refuses to move while a box
// holds a number it cannot read, or a data combo over its rows a code none of
// its list's (CanLeaveRow).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include <QWidget>

#include "framework/Navigation.h"

class QLineEdit;
class QPushButton;

namespace velmar {

class DataWindow;

// Makes current the first row whose `camp` holds `valor` (a key read as a
// whole number and the same key held as a double are one); the first row
// when none does. After a save the window shows the row it saved so: by
// its key, or, for a new row whose key the database gave, by its code.
void MoveToRow(ado::Recordset& rows, std::string_view camp, const com::Variant& valor);

class RecordNavigator final : public QWidget {
public:
    struct Declaration {
        // The table it moves through.
        std::string taula = "rstRecordsetActual";
        // The buttons first, previous, next, last, and the window's
        // procedures they run, in the same order.
        std::array<const char*, 4> botons = {"cmdPrincipi", "cmdEnrera", "cmdEndavant", "cmdFi"};
        std::array<const char*, 4> procediments = {"Principi", "Recula", "Avanca", "Fi"};
        // The counter, and the window's procedure that fills it.
        const char* comptador = "txtNumeroRegistre";
        const char* omple = "OmpleNumeroRegistre";
        // The counter's two words: their codes in the window's texts and
        // their defaults ("Tram", "de").
        const char* codiPrimer = "";
        const char* primer = "";
        const char* codiSegon = "";
        const char* segon = "";
    };

    // A row of the window's, laid out where the window puts it. After each
    // move `despres` runs inside the move's procedure.
    RecordNavigator(DataWindow& finestra, Declaration declaracio, std::function<void()> despres);

    // Reads the counter's words from the window's texts: a step of the
    // window's start-up.
    void ReadTexts();
    // The window's procedure that fills the counter from the table's rows
    // and position.
    void OmpleNumeroRegistre();
    // Whether its rows may move to another row: not while a box over a
    // number holds a text that is none, nor while a data combo over its
    // rows holds a code none of its list's; the next row's value would
    // replace either unseen. As a save does, the message shown names the
    // field, and the typing stays.
    bool CanLeaveRow();
    // The buttons can be used, or not; the counter stays locked.
    void Enable(bool habilitat);

    QLineEdit* Counter() const { return comptador_; }
    // The counter's text for `posicio` of `total`.
    std::string Text(int32_t posicio, int32_t total) const;

private:
    // The move of the button at `boto`, in the declared order.
    void Mou(size_t boto);

    DataWindow& finestra_;
    Declaration declaracio_;
    std::function<void()> despres_;
    std::array<QPushButton*, 4> botons_;
    QLineEdit* comptador_;
    std::string primer_, segon_;
};

}  // namespace velmar
