// The properties of one element of a connection's tree: its parent, type,
// code, value and remarks. It completes the row the element tree window has
// just added, or edits the one selected, in the service-connection
// window's element rows; Accept writes the row, Cancel (or closing the
// dialog) leaves it as it was.
#pragma once

#include "Com/Variant.h"
#include "framework/DataWindow.h"

class QComboBox;

namespace velmar {

class frmEscomesaElem;
class frmEscomeses;

class frmElementsProp final : public DataWindow {
public:
    // Over the element tree window `frmFormulariQueCrida`: the current
    // element row, new or to edit, with the parent whose code is
    // `lngNumCodiElementOrigen` (0: the connection) offered.
    frmElementsProp(frmEscomesaElem* frmFormulariQueCrida, int32_t lngNumCodiElementOrigen, bool bolNouElement);

    frmEscomesaElem* const frmFormulariQueCrida;
    const int32_t lngNumCodiElementOrigen;
    const bool bolNouElement;

    // A lookup list given what the lookup-table editor left, in the
    // service-connection window, which holds it.
    void ReloadList(Table& taula, const RecordsetRef& files) override;

private:
    void IniciFormulari();
    void OmpleComboOrigen(int32_t codi);
    void Acceptar();
    void Cancellar();
    void PosaValorsInicials();
    bool HiHaCanvis();
    std::string CadenaValidacioRegistreActual();
    std::string CodiValidacio();
    // Once accepted or cancelled, the row is left alone: a combo that loses
    // the focus as the dialog closes writes nothing.
    void FixaDataCombo(DataCombo* combo) override;
    void closeEvent(QCloseEvent* event) override;

    frmEscomeses& Escomeses() const;
    ado::Recordset& Elements() const;

    // The element's values as the dialog opened, in this order.
    static constexpr const char* kCamps[] = {"NumElementTipus", "NumElementCodi", "ElementOrigen", "NumElementValor",
                                             "Observacions"};
    std::vector<com::Variant> valorsInicials_;
    std::string strNomEscomesa = "Escomesa";
    bool tancat_ = false;  // by Accept or Cancel
    QComboBox* cmbOrigen;
};

}  // namespace velmar
