// The luminaires of the current point: stepped through, added, kept or
// discarded, and deleted in the window's recordset, saved with the point.
#include <QPushButton>

#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"
#include "framework/RecordNavigator.h"
#include "lightpoints/frmPuntsLlum.h"

namespace velmar {
namespace {

constexpr const char* kLluminaries = "rstRecordsetLluminaries";
constexpr const char* kModels = "rstRecordsetLluminariaModel";

}  // namespace

// The model table shows the model of the current luminaire, whose photo
// the photo box shows; none when no luminaire is current.
void frmPuntsLlum::FiltraModelLluminaria() {
    const ado::Recordset& lluminaries = *T(kLluminaries);
    com::Variant model = com::Variant::Null();
    if (lluminaries.RecordCount() > 0 && !lluminaries.IsBOF() && !lluminaries.IsEOF())
        model = lluminaries.Value("NumLluminariaModel");
    Filtra(kModels, "NumLluminariaModel", model);
}

void frmPuntsLlum::BotonsLluminariaNova(bool nova) {
    for (const char* name : {"cmdAfegirLluminaria", "cmdEliminarLluminaria"})
        findChild<QPushButton*>(name)->setVisible(!nova);
    for (const char* name : {"cmdGuardarLluminaria", "cmdDescartarLluminaria"})
        findChild<QPushButton*>(name)->setVisible(nova);
    // A new luminaire is kept or discarded before the point is saved or
    // undone, or another luminaire shown.
    for (const char* name : {"cmdSortirEdicio", "cmdDesferCanvis"}) findChild<QPushButton*>(name)->setEnabled(!nova);
    lluminaries_->Enable(!nova);
}

void frmPuntsLlum::Nou() {
    TopLevel("Nou", [this] {
        if (!lluminaries_->CanLeaveRow()) return;
        ado::Recordset& lluminaries = *T(kLluminaries);
        const com::Variant punt = rstRecordsetActual->Value("NumPuntLlum");
        lluminaries.AddNew();
        lluminaries.SetValue("NumPuntLlum", punt);
        lluminaries.SetValue("LluminariaContaminacio", false);
        // No model yet, so no model's photo.
        FiltraModelLluminaria();
        BotonsLluminariaNova(true);
    });
}

std::string frmPuntsLlum::CadenaValidacioGuardaLluminaria() {
    std::string text;
    Inner("CadenaValidacioGuardaLluminaria", [this, &text] {
        static const Rule buits =
            Rule::EmptyFields({"cmbModelLluminaria", "cmbMarcaLluminaria", "cmbTipusLluminaria", "cmbTipusLlum"},
                              "valAlgunCampNecessariBuitGuardarLluminaria");
        text = UnreadTextsMessage();
        if (text.empty()) text = Message(buits.es(*this) ? buits.codi : "");
    });
    return text;
}

std::string frmPuntsLlum::CadenaValidacioEliminarLluminaria() {
    std::string text;
    Inner("CadenaValidacioEliminarLluminaria", [this, &text] {
        text = Message(T(kLluminaries).RowCount() == 0 ? "valNoRegistresEliminar" : "");
    });
    return text;
}

void frmPuntsLlum::GuardarLluminaria() {
    TopLevel("GuardarLluminaria", [this] {
        const std::string message = CadenaValidacioGuardaLluminaria();
        if (!message.empty()) return dialogs::ShowMessage(message);
        // Kept in the window until the point is saved.
        AcabaLluminaria(&ado::Recordset::Update);
    });
}

void frmPuntsLlum::DecartarLluminaria() {
    TopLevel("DecartarLluminaria", [this] { AcabaLluminaria(&ado::Recordset::CancelUpdate); });
}

void frmPuntsLlum::AcabaLluminaria(void (ado::Recordset::*acaba)()) {
    for (const char* taula : {kLluminaries, kModels})
        if (T(taula)->EditMode() != ado::EditState::None) (*T(taula).Ref().*acaba)();
    RefrescaFormulariLectura();
    BotonsLluminariaNova(false);
}

void frmPuntsLlum::EliminarLluminaria() {
    TopLevel("EliminarLluminaria", [this] {
        const std::string message = CadenaValidacioEliminarLluminaria();
        if (!message.empty()) return dialogs::ShowMessage(message);
        if (!dialogs::AskYesNoQuestion(MessageOrDefault("valTextEliminarLluminaria", "valTextEliminarLluminaria"))) return;
        // Deleted in the window; the point's save sends it.
        ado::Recordset& lluminaries = *T(kLluminaries);
        lluminaries.Delete();
        if (lluminaries.RecordCount() > 0) lluminaries.MoveFirst();
        RefrescaFormulariLectura();
    });
}

void frmPuntsLlum::FixaDataCombo(DataCombo* combo) {
    DataWindow::FixaDataCombo(combo);
    // The luminaire's model, as leaving the combo left it, shows its photo.
    if (combo->objectName() == "cmbModelLluminaria") TopLevel("FixaDataCombo", [this] { FiltraModelLluminaria(); });
}

}  // namespace velmar
