// A list-and-detail maintenance window over one table: the list of rows on
// one side, the selected row in bound controls on the other, and the
// buttons new, edit, delete, exit and, while editing, save and undo.
//
// A window built on it declares only what makes it different: its support
// class and the operations that list and save its table, the field its
// list shows, its lookups and its validation rules. Everything else, the
// state, the three modes and how the list, the record and the buttons move
// together, lives here once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QWidget>

#include "Com/Object.h"
#include "Base/Trail.h"
#include "core/clsFuncionsCapaInterficie.h"

class QFormLayout;
class QHBoxLayout;
class QListWidget;
class QPushButton;

namespace velmar {

class DataCombo;

class FinestraManteniment : public QWidget, public base::ErrorFields {
public:
    // What a window is made of beyond the shared shape.
    struct Declaracio {
        std::string_view nom;            // the window's Name, as its trail shows it
        std::string classeSuport;        // the support class of Brintel
        bool suportPerNom = false;       // created through CreaObjecteSuport
        std::string operacioLlista;      // lists the table
        std::string operacioDesa;        // saves a change set
        std::string campLlista;          // the field each list item shows
        std::string recupera;            // the public reload's name
        const char* etiquetaLlista;      // the label above the list
    };
    // A list read at start: the rows a data combo offers, or rows that
    // only the window's rules read.
    struct Lookup {
        std::string recordset;  // the public member, "rstRecordset" + name
        std::string operacio;   // the support operation that lists the rows
        DataCombo* combo;       // none for a list no control shows
        RecordsetRef rows;
    };

    ~FinestraManteniment() override;

    // Members other code reaches by name.
    RecordsetRef rstRecordsetActual;
    com::ObjectRef objClasseSuportActual;
    // The rows a lookup offers, by its member name; none when unknown.
    RecordsetRef RecordsetLookup(std::string_view name) const;
    // This window as other code reaches it by member name.
    com::ObjectRef Objecte() const { return objecte_; }

    // The public reload: the table from the server after a first load or an
    // added row, from the window's own recordset after an edit or a delete.
    void Recupera();

protected:
    explicit FinestraManteniment(Declaracio declaracio, QWidget* parent = nullptr);

    // --- what a window declares ---------------------------------------------
    // Adds a bound text box with its label to the record's side.
    QWidget* AfegeixCamp(const char* label, const char* name, const char* dataField);
    // Adds a data combo over a lookup, listed in this order at start.
    DataCombo* AfegeixDataCombo(const char* label, const char* name, const char* dataField,
                                const std::string& recordset, const std::string& operacio,
                                const std::string& listField, const std::string& boundColumn);
    // Adds a list that no control shows, read at start in this order.
    void AfegeixLlista(const std::string& recordset, const std::string& operacio);
    QHBoxLayout* BotonsPropis() const { return botonsPropis_; }
    QListWidget* Llista() const { return llista_; }
    // The message code of the window's own rules, or "" when none holds.
    virtual std::string CodiValidacioRegistreActual() { return {}; }
    virtual std::string CodiValidacioEliminar() { return {}; }

    // Calls `member` of the support object; its failure becomes the
    // window's and is raised.
    com::Variant CridaSuport(std::string_view member, std::vector<com::Variant> args = {});
    // Raises the helper's failure as the window's.
    void ProvaFuncions();
    void MostraError();

    // Form_Load: the start-up sequence; a failure is shown and the window
    // opens as far as it got.
    void IniciFormulari();
    // The save path: sends the pending changes and reloads.
    void PropagaCanvisABD();

    clsFuncionsCapaInterficie objFuncionsCapaInterficie;
    RecordsetRef rstRecordsetIdioma;
    int16_t intModeFormulari = 0;

private:
    bool ModeEdicio() const { return modeEdicio_; }
    void SetModeEdicio(bool value);
    void RefreshModeFormEdicio(bool edicio);
    void Nou();
    void Editar();
    void Eliminar();
    void SortirEdicio();
    void UndoChanges();
    void RefrescaFormulariAmbLlista();
    void FixaDataCombo(DataCombo* combo);
    void RefrescaFormulariActualitzacio();
    void RefrescaFormulariLectura();
    std::string CadenaValidacioRegistreActual();
    std::string CadenaValidacioEliminar();
    std::string CadenaValidacioEditar();
    // The translated text of `code`, or "" for no code.
    std::string Missatge(const std::string& code);
    // Runs a top-level procedure: a failure is shown once.
    template <class Body>
    void TopLevel(std::string_view member, Body body);
    // Runs an inner procedure: a failure stays in NumError and UbicacioError.
    template <class Body>
    void Inner(std::string_view member, Body body);
    // After an inner procedure of the window: raises its number.
    void ProvaInterna() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    Declaracio declaracio_;
    std::vector<Lookup> lookups_;
    com::ObjectRef objecte_;
    bool modeEdicio_ = false;
    std::string strXML_;
    QListWidget* llista_;
    QFormLayout* camps_;
    QHBoxLayout* botonsPropis_;
    QPushButton* cmdNou_;
    QPushButton* cmdEditar_;
    QPushButton* cmdEliminar_;
    QPushButton* cmdSortir_;
    QPushButton* cmdSortirEdicio_;
    QPushButton* cmdDesferCanvis_;
};

}  // namespace velmar
