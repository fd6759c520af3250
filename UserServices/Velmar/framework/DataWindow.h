// What every data window of the program shares, whatever its shape (a
// list beside the record, or one record at a time with a navigator): its
// support object and helper object, its tables, the modes it moves through
// with its buttons and locks, its data combos, its validation rules, the
// error convention of its procedures, and the save that sends every table
// it edits inside one transaction.
//
// How to write a window
// ---------------------
// A window declares what makes it different (Declaration): its Name, its
// support class and the operations that list and save its tables, named
// from Brintel/BrintelNames.h (brintel::names::SvrClients, GetClients...);
// its own table and the other tables and lists it reads or edits; its
// controls; its rules. Everything else it composes from the protected steps
// below.
//
// The commands new, edit, delete, save and undo, their row of buttons, and
// what closing, Escape and Enter do while a row is edited, are written once
// in EditingWindow, for both shapes:
// - A window with a list beside the record derives from MaintenanceWindow:
//   its constructor passes the declaration and the list, and calls
//   IniciFormulari() (frmClients). Its own steps go where EditingWindow.h
//   and MaintenanceWindow.h offer them (frmUsuaris); a list that keeps its
//   place selects the row kept (frmTaulesAuxiliars). A window that shares
//   only the list, with commands of its own, derives from ListWindow
//   (frmUsuariProjecte).
// - A window of one record at a time derives from RecordWindow: it
//   declares besides the parts it composes (the navigator with its counter,
//   the chooser of the rows it holds, the map vertices of its record), lays
//   out its frames with them and the row of commands, and calls
//   IniciFormulari() (network/frmTrams).
// A window that edits nothing of its own (the element tree of a service
// connection) derives from DataWindow and writes its commands from the steps,
// each a TopLevel procedure under the name its trail entry gives, with its
// buttons in a row of CommandRow.
//
// Errors: what a button or an event runs is a TopLevel procedure (a failure
// is shown once); a procedure that others call is Inner (it adds its own
// trail entry). Inside a procedure the steps, the helper
// (objFuncionsCapaInterficie), CallSupport and other procedures are called
// as plain functions: a failure leaves them as an exception that carries
// its trail, and the TopLevel procedure shows it. No call is followed by a
// test of NumError. Steps that use the helper or the support object run
// inside a procedure.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QWidget>

#include "Base/Trail.h"
#include "Com/Object.h"
#include "core/services/Dialogs.h"
#include "core/services/Procedure.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"
#include "core/controls/Control.h"
#include "framework/Rule.h"
#include "framework/Table.h"

class QFormLayout;
class QHBoxLayout;

namespace velmar {

class DataCombo;

class DataWindow : public QWidget, public base::ErrorFields {
public:
    // The window's modes: browsing, a new row being entered, a row being
    // edited, and a row being deleted (which leaves the controls locked).
    enum class Mode { Browsing, Adding, Editing, Deleting };

    struct Declaration {
        std::string_view nom;           // the window's Name, as its trail shows it
        std::string_view classeSuport = {};  // the support class of Brintel (brintel::names)
        bool suportPerNom = false;           // created through CreaObjecteSuport
        std::string recupera = {};           // the public reload's name
        // The window's own table, rstRecordsetActual.
        TableDeclaration actual = {};
        // The other tables and lists, read at start in this order.
        std::vector<TableDeclaration> taules = {};
        // The order in which a save sends the tables the window saves, by
        // member name; empty: rstRecordsetActual, then the others in the
        // order of `taules`.
        std::vector<std::string> ordreDesa = {};
        // The controls of the record, laid out in this order.
        std::vector<Control> controls = {};
        // The rules checked before a save and before a delete; the first
        // that holds gives the message shown.
        std::vector<Rule> reglesDesa = {};
        std::vector<Rule> reglesElimina = {};
    };

    ~DataWindow() override;

    // --- members other code reaches by name ---------------------------------
    Table rstRecordsetActual;
    com::ObjectRef objClasseSuportActual;
    // The table of that member name; none when the window has no such one.
    Table* TableByName(std::string_view name);
    // This window as other code reaches it by member name.
    com::ObjectRef Objecte() const { return objecte_; }
    // What it declared it reads and writes: its tables, rstRecordsetActual
    // first, and the ">" buttons it connected.
    std::vector<const Table*> Tables() const;
    const std::vector<LookupButton>& LookupButtons() const { return botonsAuxiliars_; }
    // The public reload: the table from the server after a first load or an
    // added row, from the window's own recordset after an edit or a delete.
    virtual void Recupera();

    // True while the user edits a row.
    bool ModeEdicio() const { return mode_ == Mode::Adding || mode_ == Mode::Editing; }
    // The mode as the windows' own code counts it: 0 browsing, 1 new, 2
    // edit or delete.
    int16_t intModeFormulari() const;

    // Calls `member` of the support object; a failure it reports goes on
    // with its trail.
    com::Variant CallSupport(std::string_view member, std::vector<com::Variant> args = {});

protected:
    explicit DataWindow(Declaration declaracio, QWidget* parent = nullptr);

    const Declaration& Declared() const { return declaracio_; }
    // The layout holding the record's controls, built from the declaration;
    // none when the window declares none (it lays out its own).
    QFormLayout* FieldForm() const { return camps_; }
    // Builds `controls` into `form` (a window that lays out its own, group
    // by group); each ">" button opens the lookup-table editor behind its
    // combo. Returns the controls built, in order.
    std::vector<QWidget*> AddFields(QFormLayout* form, const std::vector<Control>& controls);
    // Makes the ">" button `boto` open the lookup-table editor behind
    // `combo`: for controls a window built by other means (CreateFrame).
    void ConnectLookupButton(DataCombo* combo, const LookupButton& boto);
    // A command button: its name, which is its caption until the window is
    // translated, and what a click on it runs.
    struct Ordre {
        const char* nom;
        std::function<void()> executa;
    };
    // The buttons of `ordres`, side by side in their order.
    QHBoxLayout* CommandRow(const std::vector<Ordre>& ordres);

    // --- its procedures: the error convention (core/services/Procedure.h) ------------
    // A procedure that a button or an event runs: a failure is shown once,
    // and stays in NumError and UbicacioError.
    template <class Body>
    void TopLevel(std::string_view member, Body&& body) {
        RunShownProcedure(*this, objFuncionsCapaInterficie, declaracio_.nom, member, std::forward<Body>(body));
    }
    // A procedure other procedures call: inside one, its failure goes on
    // to it with this procedure's entry; called from outside (by name), it
    // stays in NumError and UbicacioError.
    template <class Body>
    void Inner(std::string_view member, Body&& body) {
        RunProcedure(*this, objFuncionsCapaInterficie, declaracio_.nom, member, std::forward<Body>(body));
    }

    // --- steps its set-up and commands are made of, run inside a procedure -----
    // The support object, by class or through CreaObjecteSuport.
    void CreateSupport();
    // The window's caption and controls in the user's language; keeps the
    // texts for the window's messages.
    void Translate();
    // Reads a table from its support operation.
    void Load(Table& taula);
    // Reads rstRecordsetActual from the server, whatever the mode, as the
    // window's public reload (Recupera) does in its own procedure.
    void ReadCurrent();
    // Reads every table but rstRecordsetActual that names its list and is
    // read at start, in the declared order.
    void LoadTables();
    // Gives `taula` these rows: the lists and data combos over it follow.
    void SetRows(Table& taula, RecordsetRef rows);
    // Binds the controls with a DataField to the table their Tag names
    // (rstRecordsetActual when blank; 519 when the window has no such
    // table), and unbinds them.
    void BindControls();
    void UnbindControls();
    // Each data combo takes the rows of the table its "RowSource" names.
    void SetComboSources();
    // Moves to a mode; the controls follow when the edit flag changes.
    void EnterMode(Mode mode);
    // Shows and hides the buttons and locks the controls for the edit flag:
    // new, edit, delete and exit while browsing, save and undo while
    // editing; text boxes, combos, data combos and bound check boxes
    // locked outside edit mode; ">" buttons enabled only in edit mode. A
    // window adds its own steps after these.
    virtual void RefreshModeFormEdicio(bool edicio);
    // The save path: inside one transaction, sends every table the window
    // saves, in order, and reads them again from the server, so that what
    // the window shows is what is stored, other users' changes to the same
    // rows included; on a failure the transaction is rolled back and the
    // tables are as they were before it.
    void PropagaCanvisABD();
    // Reads the window's own table and every other table it saves again
    // from the server, and binds the controls to them: what the window does
    // once a save found that another user changed or deleted a row it sends.
    void LlegeixDeNou();
    // Runs `body` inside one transaction of the session. On any failure
    // the transaction is rolled back, the tables the window saves (and
    // `mesTaules`, which it saves by steps of its own) are put back as they
    // were before, the controls are bound to them again, and the failure
    // goes on. Inside another of the window's own it only runs `body`.
    void InTransaction(const std::function<void()>& body, const std::vector<Table*>& mesTaules = {});

    // --- validation ------------------------------------------------------------
    std::string CadenaValidacioEditar();
    std::string CadenaValidacioEliminar();
    // A text typed into a box over a number that is none of its field's
    // stops it first.
    std::string CadenaValidacioRegistreActual();
    // The message for the first bound text box whose text is no value of
    // its field (core/services/Numbers.h), naming the field; "" when every text is.
    std::string UnreadTextsMessage();

    // Whether the current row may be deleted: no rule refuses it (its
    // message is shown) and the user answers Yes to the question.
    bool ConfirmDelete();
    // The translated text of `code`, "" for no code; 517 when the window's
    // texts lack it.
    std::string Message(const std::string& code);
    // The same with a text of the program's own for a missing code.
    std::string MessageOrDefault(const std::string& code, const std::string& defecte);
    // Writes the combo's value into its field when the user leaves it; a
    // window may do more after it.
    virtual void FixaDataCombo(DataCombo* combo);
    // A ">" button's click: the lookup-table editor on the table behind
    // `combo`. Afterwards the window's list that the combo shows holds the
    // rows the editor left (ReloadList), so every combo over that list
    // shows them and the list keeps a filter it had; and while a row is
    // edited, a key of it that names a row the editor deleted is cleared,
    // and a row the user added there is chosen in `combo`: the user opened
    // the editor to pick it.
    void ObreFormulariTaulaAuxiliar(DataCombo* combo, const LookupButton& boto);
    // Gives a list the rows the lookup-table editor left; with none (the
    // editor could not read them, or showed only the part of its table a
    // filter chose), reads the list again from the server, whole.
    virtual void ReloadList(Table& taula, const RecordsetRef& files);

    // The path the user chose in one of the helper's file dialogs; "" when
    // the user cancelled it.
    std::string ChosenFile(const std::function<std::string()>& dialeg);

    // Copies of the tables the window saves, as they stand, and putting
    // them back (the controls bound again): what a failed save does, and
    // what an undo that drops every pending change of the window can do.
    struct TableCopy {
        Table* taula;
        RecordsetRef rows;
    };
    std::vector<TableCopy> CopyTables(const std::vector<Table*>& mesTaules = {});
    void RestoreTables(std::vector<TableCopy>& copies);

    clsFuncionsCapaInterficie objFuncionsCapaInterficie;
    RecordsetRef rstRecordsetIdioma;

private:
    friend struct Rule;
    // The parts a window of one record at a time composes run as the
    // window's own procedures.
    friend class VertexList;
    friend class RecordNavigator;
    friend class Chooser;

    // A table a part of the window adds to those it declares: reachable by
    // name, filled by the part itself.
    Table& AddTable(TableDeclaration declaracio);

    std::vector<Table*> SavedTables();
    // The window's own table and every other table it saves, from the
    // server.
    void ReadSaved();
    // After the lookup-table editor that `combo` opened, while a row is
    // edited: the row the user added there, when one was, is chosen in the
    // combo as if the user had picked it. `abans` are the keys the combo's
    // list held before.
    void SelectAdded(DataCombo* combo, const std::vector<com::Variant>& abans);
    // The rows of a table as its support operation lists them: their text,
    // as the support object gave it, read once into the table's recordset.
    com::Variant Llista(const Table& taula);
    // Clears, while a row is edited, each key that a combo over `llista` is
    // bound to and that names no row of the list: in the current row and in
    // the other rows the combo's table shows.
    void ClearDeletedKeys(const Table& llista);
    // The message of `codi` for the first data combo over `rows` whose
    // text is none of its list's, naming its field; "" when there is none.
    std::string UnmatchedCodeMessage(const RecordsetRef& rows, const std::string& codi);
    // The message of the first rule that holds; "" when none does.
    std::string RulesMessage(const std::vector<Rule>& regles);
    bool eventFilter(QObject* watched, QEvent* event) override;

    Declaration declaracio_;
    std::deque<Table> taules_;  // all but rstRecordsetActual; their places stay put
    std::vector<LookupButton> botonsAuxiliars_;
    com::ObjectRef objecte_;
    QFormLayout* camps_;
    Mode mode_ = Mode::Browsing;
    bool dinsTransaccio_ = false;
};

}  // namespace velmar
