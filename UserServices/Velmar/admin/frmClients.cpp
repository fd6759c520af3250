#include "admin/frmClients.h"

#include "Brintel/BrintelNames.h"

namespace velmar {

namespace support = brintel::names;

frmClients::frmClients(QWidget* parent)
    : FinestraManteniment(
          {.nom = "frmClients",
           .classeSuport = support::SvrClients,
           .recupera = "RecuperaClients",
           .actual = {.llista = support::GetClients, .desa = support::SaveClient},
           .taules = {{.recordset = "rstRecordsetProjectes", .llista = support::GetProjectes}},
           .controls = {CampText("lblNomClient", "txtNomClient", "NomClient"),
                        CampText("lblAdreca", "txtAdreca", "Adreca"),
                        CampText("lblPersonaContacte", "txtPersonaContacte", "PersonaContacte"),
                        CampText("lblTelefon", "txtTelefon", "Telefon"),
                        CampText("lblFax", "txtFax", "Fax"),
                        CampText("lblCIF", "txtCIF", "CIF")},
           .reglesDesa = {Regla::CampsBuits({"txtNomClient", "txtAdreca", "txtPersonaContacte", "txtTelefon"},
                                            "valAlgunCampNecessariBuit"),
                          Regla::Repetit("NomClient", "valRepetitNomClient")},
           .reglesElimina = {Regla::UsatA("rstRecordsetProjectes", "NumClient", "valClientAmbProjecte"),
                             Regla::Referenciada()}},
          {.nom = "lstClients", .etiqueta = "lblLlistaClients", .camp = "NomClient"}, parent) {
    IniciFormulari();
}

}  // namespace velmar
