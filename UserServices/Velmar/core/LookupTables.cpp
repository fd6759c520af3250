// The lookup-table editor behind a combo's ">" button.
#include "core/KnownWindows.h"
#include "core/LookupCombo.h"
#include "core/LookupTableEditor.h"
#include "core/clsFuncionsCapaInterficie.h"

namespace velmar {

void clsFuncionsCapaInterficie::ObrirFormulariAuxiliar(ComboTaulaAuxiliar& ctrCombo, const std::string& strNomTaula,
                                                       const std::string& strCampIntegritat,
                                                       const std::string& strCampOrdre,
                                                       const std::string& strCadenaIntegritat,
                                                       const std::string& strNomCampFiltre,
                                                       int32_t lngValorCampFiltre) {
    base::Guard(*this, kFuncions, "ObrirFormulariAuxiliar", [&] {
        const com::ObjectRef actiu = ActiveWindowObject();
        const bool relliga = actiu && ExisteixPropietat(actiu, "rstRecordsetActual").toBool();
        std::unique_ptr<frmTaulesAuxiliarsBase> editor = CreateLookupTableEditor();
        editor->strNomTaula = strNomTaula;
        editor->strNomCampFiltre = strNomCampFiltre;
        editor->lngValorCampFiltre = lngValorCampFiltre;
        editor->strCampLlista = strCampOrdre;
        editor->strCampIntegritat = strCampIntegritat;
        editor->colIntegritatReferencial = LlistaIntegritatReferencial(strCadenaIntegritat);
        editor->ShowModal();
        if (relliga) DeslinkControls(actiu);
        // The combo keeps the editor's recordset alive after the editor ends;
        // an editor that could not read its table leaves the combo's rows.
        if (const RecordsetRef rows = editor->FilesTaula()) ctrCombo.SetRowSource(rows);
        editor.reset();
        ctrCombo.Refresh();
        if (relliga) LinkControls(actiu);
    });
}

}  // namespace velmar
