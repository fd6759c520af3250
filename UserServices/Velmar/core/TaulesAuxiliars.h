// The lookup-table editor as a combo's ">" button drives it, and the combo
// that lists the table: ObrirFormulariAuxiliar of clsFuncionsCapaInterficie
// opens a new editor, waits for it and gives the combo the rows the editor
// last held.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Com/Object.h"
#include "core/clsFuncionsCapaInterficie.h"
#include "core/clsINtegritatReferencial.h"

class QWidget;

namespace velmar {

// The window `frmTaulesAuxiliars`: the opener sets the public fields, shows
// it modally and, once the show returns, gives the combo the rows it holds.
class frmTaulesAuxiliarsBase {
public:
    virtual ~frmTaulesAuxiliarsBase() = default;

    std::string strNomTaula;
    std::string strCampIntegritat;
    std::string strCampLlista;
    std::string strNomCampFiltre;
    int32_t lngValorCampFiltre = 0;
    std::vector<clsINtegritatReferencial> colIntegritatReferencial;

    // Returns once the editor is hidden or closed.
    virtual void ShowModal() = 0;
    // The rows it holds (its rstRecordsetActual); none when they could not
    // be read.
    virtual RecordsetRef FilesTaula() const = 0;
};

// A combo whose list comes from a lookup table.
class ComboTaulaAuxiliar {
public:
    virtual ~ComboTaulaAuxiliar() = default;
    virtual void SetRowSource(const RecordsetRef& rowSource) = 0;
    virtual void Refresh() = 0;
};

// A new editor, as the administration windows build it
// (admin/frmTaulesAuxiliars.cpp).
std::unique_ptr<frmTaulesAuxiliarsBase> NouFormulariTaulesAuxiliars();

// Puts another way of making an editor in place of that one; with none,
// ObrirFormulariAuxiliar fails with 429. Returns the one that was in place.
using FabricaTaulesAuxiliars = std::function<std::unique_ptr<frmTaulesAuxiliarsBase>()>;
FabricaTaulesAuxiliars RegistraFormulariTaulesAuxiliars(FabricaTaulesAuxiliars fabrica);

// Makes `object` the window object of `window`, so that the editor's opener
// reaches the application's active window by member name: it unbinds that
// window's controls while the combo takes the editor's rows and binds them
// again after. The entry ends with the widget.
void DonaAConeixerFormulari(QWidget* window, const com::ObjectRef& object);

}  // namespace velmar
