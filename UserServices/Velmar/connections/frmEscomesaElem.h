// The element tree of the connection that the service-connection window
// edits: the elements under one node that stands for the connection, each
// under its parent. New elements take temporary negative numbers until the
// connection is saved; an element is deleted with everything below it. It
// holds no rows of its own: it works on the calling window's element rows,
// whose save stores them.
#pragma once

#include "Com/Variant.h"
#include "framework/DataWindow.h"

class QLineEdit;
class QTreeWidget;

namespace velmar {

class frmEscomeses;

class frmEscomesaElem final : public DataWindow {
public:
    // Sets itself up over the calling window's current connection.
    explicit frmEscomesaElem(frmEscomeses* frmFormulariQueCrida);

    frmEscomeses* const frmFormulariQueCrida;
    // The bookmark of the selected element's row; Null while the
    // connection is selected.
    com::Variant objMarcadorRegistreActual = com::Variant::Null();
    QTreeWidget* trvElements;

    // Builds the tree again from the calling window's rows, as they now
    // stand, with the connection selected.
    void RefrescaArbre();
    // Names the connection in the tree's top node by its number, once the
    // save has given it one.
    void PosaNumeroEscomesa(int32_t numero);

private:
    void IniciFormulari();
    void Nou();
    void Editar();
    void Eliminar();
    void ExportaEsquemaUsuari();
    void RefrescaFormulariLectura();
    void RefrescaFormulariActualitzacio();
    void OmpleArbreElements();
    void SeleccionaEscomesa();
    void ObreElementsProp(int32_t codiOrigen, bool nou);
    // Whether the command may go on: the check run as `procediment`; a
    // message that stops it is shown.
    bool Valid(const char* procediment, const char* senseRegistres);
    // The tree rebuilt after a command, the connection selected.
    void MostraArbre();

    ado::Recordset& Elements() const;

    int32_t lngNumEscomesa = -1;
    std::string strNumEscomesa;
    std::string strNomEscomesa = "Escomesa";
    int32_t lngNumElementTemporal = -1;
    QLineEdit* txtEscomesa;
};

}  // namespace velmar
