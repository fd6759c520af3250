#include "admin/frmManteniments.h"

#include "Brintel/BrintelNames.h"

namespace velmar {

namespace support = brintel::names;

frmManteniments::frmManteniments(QWidget* parent)
    : FinestraManteniment(
          {.nom = "frmManteniments",
           .classeSuport = support::SvrManteniments,
           .recupera = "RecuperaManteniments",
           .actual = {.llista = support::GetManteniments, .desa = support::SaveManteniment},
           .taules = {{.recordset = "rstRecordsetProjectes", .llista = support::GetProjectes}},
           .controls = {CampText("lblNomManteniment", "txtNomManteniment", "CodTipusManteniment"),
                        CampTextMultilinia("lblObservacions", "txtObservacions", "Observacions")},
           .reglesDesa = {Regla::CampsBuits({"txtNomManteniment"}, "valCodiMantenimentBuit"),
                          Regla::Repetit("CodTipusManteniment", "valRepetitCodiManteniment")},
           .reglesElimina = {Regla::UsatA("rstRecordsetProjectes", "NumTipusManteniment",
                                          "valMantenimentAmbProjecte"),
                             Regla::Referenciada()}},
          {.nom = "lstManteniments", .etiqueta = "lblLlistaManteniments", .camp = "CodTipusManteniment"}, parent) {
    IniciFormulari();
}

}  // namespace velmar
