#include "admin/frmManteniments.h"

#include "Brintel/BrintelNames.h"

namespace velmar {

namespace support = brintel::names;

frmManteniments::frmManteniments(QWidget* parent)
    : MaintenanceWindow(
          {.nom = "frmManteniments",
           .classeSuport = support::SvrManteniments,
           .recupera = "RecuperaManteniments",
           .actual = {.llista = support::GetManteniments, .desa = support::SaveManteniment},
           .taules = {{.recordset = "rstRecordsetProjectes", .llista = support::GetProjectes}},
           .controls = {TextField("lblNomManteniment", "txtNomManteniment", "CodTipusManteniment"),
                        MultilineTextField("lblObservacions", "txtObservacions", "Observacions")},
           .reglesDesa = {Rule::EmptyFields({"txtNomManteniment"}, "valCodiMantenimentBuit"),
                          Rule::Repeated("CodTipusManteniment", "valRepetitCodiManteniment")},
           .reglesElimina = {Rule::UsedIn("rstRecordsetProjectes", "NumTipusManteniment",
                                          "valMantenimentAmbProjecte"),
                             Rule::Referenced()}},
          {.nom = "lstManteniments", .etiqueta = "lblLlistaManteniments", .camp = "CodTipusManteniment"}, parent) {
    IniciFormulari();
}

}  // namespace velmar
