#include "admin/frmTaulesAuxiliars.h"

#include <QLineEdit>

#include "Base/Text.h"
#include "Brintel/BrintelNames.h"
#include "core/services/Dialogs.h"

namespace velmar {

namespace support = brintel::names;

std::unique_ptr<LookupTableEditor> NewLookupTableEditor() {
    return std::make_unique<frmTaulesAuxiliars>();
}

frmTaulesAuxiliars::frmTaulesAuxiliars(QWidget* parent)
    : MaintenanceWindow(
          {.nom = "frmTaulesAuxiliars",
           .classeSuport = support::SvrTaulesAuxiliars,
           .recupera = "RecuperaCodis",
           // The rows of the filter value, when there is a filter, by code.
           .actual = {.llista = support::GetListAuxiliar,
                      .arguments =
                          [this] {
                              return std::vector<com::Variant>{strNomTaula, strNomCampFiltre, lngValorCampFiltre,
                                                               strCampLlista};
                          },
                      .desa = support::SaveTaulaAuxiliar},
           .controls = {TextField("lblCodi", "txtCodi", "")},
           .reglesDesa = {Rule::EmptyFields({"txtCodi"}, "valAlgunCampNecessariBuit"),
                          {"valRepetitCodi",
                           [](DataWindow& f) {
                               auto& w = static_cast<frmTaulesAuxiliars&>(f);
                               return w.objFuncionsCapaInterficie.ValorCampRepetit(w.rstRecordsetActual.Ref(),
                                                                                   w.strCampLlista);
                           }}},
           .reglesElimina = {{"valVioladaReglaIntegritatReferencial",
                              [](DataWindow& f) { return static_cast<frmTaulesAuxiliars&>(f).IntegritatViolada(); },
                              [](DataWindow& f, const std::string& text) {
                                  auto& w = static_cast<frmTaulesAuxiliars&>(f);
                                  return w.objFuncionsCapaInterficie.StrTran(text, "#1", w.strTaulaViolada_);
                              }},
                             Rule::Referenced("valVioladaReglaIntegritatReferencial")}},
          {.nom = "lstCodis", .etiqueta = "lblLlistaCodis", .camp = "", .mantePosicio = true}, parent) {}

void frmTaulesAuxiliars::Obre() {
    SetListedField(strCampLlista);
    findChild<QLineEdit*>("txtCodi")->setProperty("DataField", QString::fromStdString(strCampLlista));
    IniciFormulari();
    setWindowTitle(windowTitle() + ' ' + QString::fromStdString(strNomTaula));
}

void frmTaulesAuxiliars::ShowModal() {
    Obre();
    dialogs::ShowModalWindow(this);
}

bool frmTaulesAuxiliars::IntegritatViolada() {
    // The child tables in their order; the first that holds the key decides.
    for (const clsINtegritatReferencial& fill : colIntegritatReferencial) {
        const int32_t clau = rstRecordsetActual->Value(strCampIntegritat).toLong();
        const std::string xml =
            CallSupport(support::GetListAuxiliar, {fill.strNomTaulaFill, fill.strClauTaulaFill, clau, std::string()})
                .toString();
        if (objFuncionsCapaInterficie.PassaXMLARecordset(xml)->RecordCount() > 0) {
            strTaulaViolada_ = fill.strNomTaulaFill;
            return true;
        }
    }
    return false;
}

void frmTaulesAuxiliars::FillNew() {
    if (!base::Trim(strNomCampFiltre, " ").empty())
        rstRecordsetActual->SetValue(strNomCampFiltre, lngValorCampFiltre);
}

}  // namespace velmar
