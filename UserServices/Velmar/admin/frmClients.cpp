#include "admin/frmClients.h"

#include <QLineEdit>
#include <QListWidget>

namespace velmar {

frmClients::frmClients(QWidget* parent)
    : FinestraManteniment({.nom = "frmClients",
                           .classeSuport = "SvrClients",
                           .suportPerNom = false,
                           .operacioLlista = "GetClients",
                           .operacioDesa = "SaveClient",
                           .campLlista = "NomClient",
                           .recupera = "RecuperaClients",
                           .etiquetaLlista = "lblLlistaClients"},
                          parent) {
    Llista()->setObjectName("lstClients");
    obligatoris_ = {AfegeixCamp("lblNomClient", "txtNomClient", "NomClient"),
                    AfegeixCamp("lblAdreca", "txtAdreca", "Adreca"),
                    AfegeixCamp("lblPersonaContacte", "txtPersonaContacte", "PersonaContacte"),
                    AfegeixCamp("lblTelefon", "txtTelefon", "Telefon")};
    AfegeixCamp("lblFax", "txtFax", "Fax");
    AfegeixCamp("lblCIF", "txtCIF", "CIF");
    AfegeixLlista("rstRecordsetProjectes", "GetProjectes");
    IniciFormulari();
}

std::string frmClients::CodiValidacioRegistreActual() {
    if (rstRecordsetActual->RecordCount() >= 1)
        for (const QWidget* control : obligatoris_)
            if (static_cast<const QLineEdit*>(control)->text().isEmpty()) return "valAlgunCampNecessariBuit";
    const bool repetit = objFuncionsCapaInterficie.ValorCampRepetit(rstRecordsetActual, "NomClient");
    ProvaFuncions();
    return repetit ? "valRepetitNomClient" : "";
}

std::string frmClients::CodiValidacioEliminar() {
    const int32_t projectes = objFuncionsCapaInterficie.ComptaAparicionsValorEnRecordset(
        rstRecordsetProjectes(), "NumClient", rstRecordsetActual->Value("NumClient"));
    ProvaFuncions();
    return projectes > 0 ? "valClientAmbProjecte" : "";
}

}  // namespace velmar
