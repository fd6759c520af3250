// The lookup-table editor (frmTaulesAuxiliars) as a combo's ">" button
// drives it: ObrirFormulariAuxiliar of clsFuncionsCapaInterficie makes a
// new editor, waits for it and gives the combo the rows the editor last
// held. The editor is made through a registered factory, so that the core
// never reaches up into the windows built over it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"
#include "core/services/clsINtegritatReferencial.h"

namespace velmar {

// The window `frmTaulesAuxiliars`: the opener sets the public fields, shows
// it modally and, once the show returns, gives the combo the rows it holds.
class LookupTableEditor {
public:
    virtual ~LookupTableEditor() = default;

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

// A new editor, as the administration windows build it
// (admin/frmTaulesAuxiliars.cpp).
std::unique_ptr<LookupTableEditor> NewLookupTableEditor();

// Puts another way of making an editor in place of that one; with none,
// ObrirFormulariAuxiliar fails with 429. Returns the one that was in place.
using LookupTableEditorFactory = std::function<std::unique_ptr<LookupTableEditor>()>;
LookupTableEditorFactory RegisterLookupTableEditor(LookupTableEditorFactory fabrica);

// An editor from the factory in place; raises 429 when there is none or it
// made none.
std::unique_ptr<LookupTableEditor> CreateLookupTableEditor();

}  // namespace velmar
