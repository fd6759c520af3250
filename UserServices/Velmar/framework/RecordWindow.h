// A window of one record at a time: the rows of one choice (the cable
// segments or light points of a service connection, the connections of a
// zone) browsed with the navigator around the counter, the current record
// in bound controls, and beside it its map vertices. The chooser at the top
// decides which rows the window holds; its echo in the record only shows
// the choice, locked.
//
// A window built on it declares, beside the window's own declaration, the
// key of its rows (and the code that finds a row added once it is saved),
// its parts and the commands that need them (RecordParts); it lays out its
// frames with the parts and the row of commands (EditingButtonRow) and calls
// IniciFormulari(). The start-up, the choice, the moves, the commands and
// the modes live here and in EditingWindow; what shows with the current
// record beyond the counter and the vertices is the window's ShowCurrent.
//
// The start-up: the support object, the texts, the lists, the first choice
// (or none: a window with nothing to choose holds no rows, and nothing can
// be added), the combos' lists, read mode. When it fails the window shows
// what it read, locked, and nothing that acts on its data can be used. A
// choice loads its rows all or nothing: when it fails the window keeps the
// choice whose rows it holds.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "framework/EditingWindow.h"
#include "framework/VertexList.h"
#include "framework/RecordNavigator.h"
#include "framework/Chooser.h"

namespace velmar {

class RecordWindow : public EditingWindow {
public:
    // The rows of one record window.
    struct RecordParts {
        // The key of a row, and the code (unique among the window's rows)
        // that finds a row added once the database gave it its key; none
        // for a window that adds no rows.
        const char* clau = "";
        const char* codi = nullptr;
        RecordNavigator::Declaration navegador = {};
        Chooser::Declaration triador = {};
        // The map vertices of the record; none for a window without them.
        std::optional<VertexList::Declaration> punts = {};
        // The buttons enabled only while a record is edited (cmdSituar, the
        // photo choosers).
        std::vector<const char*> ordresEdicio = {};
        // The commands that need a choice: without one they are disabled.
        std::vector<const char*> ordresTria = {};
        // The commands, beside new, edit and delete, that need data the
        // window can trust (the photo viewers).
        std::vector<const char*> ordresDades = {};
        // Whether a choice that failed leaves the window without data to
        // act on until another is shown whole.
        bool dadesAmbTria = false;
    };

    // The number of the choice whose rows the window holds; 0 for none.
    int32_t Triat() const { return triat_; }

protected:
    RecordWindow(Declaration declaracio, RecordParts registre, QWidget* parent = nullptr);
    ~RecordWindow() override;

    // The parts, for the window's layout.
    RecordNavigator* Navigator() const { return navegador_; }
    Chooser& Tria() const { return *triador_; }
    VertexList* Vertices() const { return punts_; }

    // Form_Load: the start-up sequence; a failure is shown.
    void IniciFormulari();
    // The public reload of a choice's rows (RecuperaTrams): the window holds
    // the rows of `triat` from now on.
    void ReloadChoice(int32_t triat);
    // The choice the rows the window loads belong to, without loading them
    // (a save that reads a record back from the list of another choice).
    void SetChosen(int32_t triat) { triat_ = triat; }

    // RefrescaFormulariLectura: the current record shown anew, with what
    // hangs on it.
    void RefrescaFormulariLectura();

    // --- a window's own steps ------------------------------------------------------
    // What shows with the current record: by default its vertices and the
    // counter.
    virtual void ShowCurrent();
    // The last steps of the start-up, once the first choice is shown.
    virtual void FinishStart() {}

    // Where the window stands: the record by its key, or a record being
    // added by its code; after an undo of one, the first record.
    void RememberRow() override;
    void ShowRow() override;
    void ShowUndone(bool nou) override;
    // The record before the one deleted, or the one after when it was the
    // first.
    void RememberNextRow() override;
    void ShowNextRow() override;

    void RefreshModeFormEdicio(bool edicio) override;

private:
    // A row by a value of one of its fields.
    struct Place {
        const char* camp = "";
        com::Variant valor;
    };
    // The rows of the choice `triat`, all or nothing, with the controls
    // bound to them.
    void LoadChoice(int32_t triat);
    // The first record of the choice taken.
    void ShowChoice();
    QPushButton* CommandButton(const char* nom) const;

    RecordParts registre_;
    int32_t triat_ = 0;
    Place lloc_, seguent_;
    std::unique_ptr<Chooser> triador_;
    RecordNavigator* navegador_;
    VertexList* punts_ = nullptr;
};

}  // namespace velmar
