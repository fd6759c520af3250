#include "admin/frmClients.h"

namespace velmar {

frmClients::frmClients(QWidget* parent)
    : FinestraManteniment(
          {.nom = "frmClients",
           .classeSuport = "SvrClients",
           .recupera = "RecuperaClients",
           .actual = {.llista = "GetClients", .desa = "SaveClient"},
           .taules = {{.recordset = "rstRecordsetProjectes", .llista = "GetProjectes"}},
           .controls = {CampText("lblNomClient", "txtNomClient", "NomClient"),
                        CampText("lblAdreca", "txtAdreca", "Adreca"),
                        CampText("lblPersonaContacte", "txtPersonaContacte", "PersonaContacte"),
                        CampText("lblTelefon", "txtTelefon", "Telefon"),
                        CampText("lblFax", "txtFax", "Fax"),
                        CampText("lblCIF", "txtCIF", "CIF")},
           .reglesDesa = {Regla::CampsBuits({"txtNomClient", "txtAdreca", "txtPersonaContacte", "txtTelefon"},
                                            "valAlgunCampNecessariBuit"),
                          Regla::Repetit("NomClient", "valRepetitNomClient")},
           .reglesElimina = {Regla::UsatA("rstRecordsetProjectes", "NumClient", "valClientAmbProjecte")}},
          {.nom = "lstClients", .etiqueta = "lblLlistaClients", .camp = "NomClient"}, parent) {
    IniciFormulari();
}

}  // namespace velmar
