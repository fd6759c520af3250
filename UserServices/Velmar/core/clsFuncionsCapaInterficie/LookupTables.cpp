// The lookup-table editor behind a combo's ">" button.
#include "core/binding/KnownWindows.h"
#include "core/controls/LookupCombo.h"
#include "core/services/LookupTableEditor.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {

void clsFuncionsCapaInterficie::ObrirFormulariAuxiliar(LookupCombo& ctrCombo, const std::string& strNomTaula,
                                                       const std::string& strCampIntegritat,
                                                       const std::string& strCampOrdre,
                                                       const std::string& strCadenaIntegritat,
                                                       const std::string& strNomCampFiltre,
                                                       int32_t lngValorCampFiltre) {
    base::Guard(*this, kFunctionsLocation, "ObrirFormulariAuxiliar", [&] {
        const com::ObjectRef actiu = ActiveWindowObject();
        const bool relliga = actiu && ExisteixPropietat(actiu, "rstRecordsetActual").toBool();
        std::unique_ptr<LookupTableEditor> editor = CreateLookupTableEditor();
        editor->strNomTaula = strNomTaula;
        editor->strNomCampFiltre = strNomCampFiltre;
        editor->lngValorCampFiltre = lngValorCampFiltre;
        editor->strCampLlista = strCampOrdre;
        editor->strCampIntegritat = strCampIntegritat;
        editor->colIntegritatReferencial = ParseReferentialIntegrity(strCadenaIntegritat);
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
