#include "admin/frmClients.h"

#include "Brintel/BrintelNames.h"

namespace velmar {

namespace support = brintel::names;

frmClients::frmClients(QWidget* parent)
    : MaintenanceWindow(
          {.nom = "frmClients",
           .classeSuport = support::SvrClients,
           .recupera = "RecuperaClients",
           .actual = {.llista = support::GetClients, .desa = support::SaveClient},
           .taules = {{.recordset = "rstRecordsetProjectes", .llista = support::GetProjectes}},
           .controls = {TextField("lblNomClient", "txtNomClient", "NomClient"),
                        TextField("lblAdreca", "txtAdreca", "Adreca"),
                        TextField("lblPersonaContacte", "txtPersonaContacte", "PersonaContacte"),
                        TextField("lblTelefon", "txtTelefon", "Telefon"),
                        TextField("lblFax", "txtFax", "Fax"),
                        TextField("lblCIF", "txtCIF", "CIF")},
           .reglesDesa = {Rule::EmptyFields({"txtNomClient", "txtAdreca", "txtPersonaContacte", "txtTelefon"},
                                            "valAlgunCampNecessariBuit"),
                          Rule::Repeated("NomClient", "valRepetitNomClient")},
           .reglesElimina = {Rule::UsedIn("rstRecordsetProjectes", "NumClient", "valClientAmbProjecte"),
                             Rule::Referenced()}},
          {.nom = "lstClients", .etiqueta = "lblLlistaClients", .camp = "NomClient"}, parent) {
    IniciFormulari();
}

}  // namespace velmar
