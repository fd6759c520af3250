// The services every window of the program shares: recordsets to and from
// their XML text, the change set a window sends when it saves, the settings
// file, translation of windows and messages, error display, and the
// session's transactions.
//
// One instance per window. Every member runs under the error convention
// (Base/Guard.h): called alone, it clears NumError and UbicacioError on
// entry and, on failure, keeps the error's number and appends its own trail
// entry, returning its empty result; nothing escapes as an exception. A
// window's procedure holds the instance inside (base::Nesting) while it
// runs, so that a failure goes on to the procedure's handler instead.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "Ado/Recordset.h"
#include "Base/Guard.h"
#include "Com/Object.h"

namespace velmar {

using RecordsetRef = std::shared_ptr<ado::Recordset>;

class LookupCombo;  // LookupCombo.h

// The class label in the trail, and where its members report from.
inline constexpr std::string_view kFunctionsLabel = "FuncionsCapaInterficie";
inline constexpr base::Location kFunctionsLocation{base::label::Velmar, kFunctionsLabel};

class clsFuncionsCapaInterficie : public base::ErrorFields {
public:
    // --- recordset text and change sets -----------------------------------
    RecordsetRef PassaXMLARecordset(const com::Variant& strRecordsetXML);
    std::string PassaRecordsetAXML(const RecordsetRef& rstRecordset);
    std::string ObteActualitzacionsDeXML(const std::string& strXML);
    std::string PurgaActualitzacionsRecordset(const RecordsetRef& rstRecordset);

    // --- control binding and recordset queries ----------------------------
    // The window's text boxes, combos, data combos and check boxes with a
    // "DataField" are bound to the recordset property its "Tag" names
    // ("rstRecordsetActual" when blank); 519 when the window has none.
    void LinkControls(const com::ObjectRef& frmFormulari);
    void DeslinkControls(const com::ObjectRef& frmFormulari);
    void PosaCampsANul(const RecordsetRef& rstRecordset);
    // Whether the object has a readable property of that name (Boolean).
    com::Variant ExisteixPropietat(const com::Variant& objObjecte, const std::string& strNomPropietat);
    // Whether another record holds the current record's value of the field.
    bool ValorCampRepetit(const RecordsetRef& rstRecordset, const std::string& strNomCamp);
    int32_t ComptaAparicionsValorEnRecordset(const RecordsetRef& rstRecordset, const std::string& strNomCamp,
                                             const com::Variant& objValorCamp);
    // The records `strFiltre` lets through; filter and position are kept.
    int32_t ComptaAparicionsEnRecordset(const RecordsetRef& rstRecordset, const std::string& strFiltre);

    // --- settings ---------------------------------------------------------
    // The program's folder and "/Velmar.INI".
    std::string RutaArxiuIni() const;
    std::string ConsultaArxiuIniInterficie(const std::string& strSeccio, const std::string& strClau);
    std::string StrTran(const std::string& strStringbase, const std::string& strStringARemplacar,
                        const std::string& strStringRemplacable);

    // --- translation and error display ------------------------------------
    // Shows the error in a message box, in the user's language; what it was
    // raised with (a database engine's own message) and the trail are in
    // the box's details for support. Reports nothing of its own.
    void EmetError(int32_t lngNumError, const std::string& strUbicacioError, int32_t lngIdioma);
    // Captions of `frmFormulari` (reached by name: Name, Caption, Controls)
    // from the language texts; returns the window's text recordset.
    RecordsetRef TradueixFormulariIdioma(const com::ObjectRef& frmFormulari, int32_t lngIdioma);
    std::string TradueixDefecteMissatgeFormulariIdioma(const RecordsetRef& rstRecordsetIdioma,
                                                       const std::string& strCodiMissatge,
                                                       const std::string& strTraduccioPerDefecte);
    std::string TradueixMissatgeFormulariIdioma(const RecordsetRef& rstRecordsetIdioma,
                                                const std::string& strCodiMissatge);

    // --- lookup-table editing, file dialogs and the image viewer ---------
    // Opens a new lookup-table editor on `strNomTaula` and, once it closes,
    // gives `ctrCombo` the rows the editor last held.
    void ObrirFormulariAuxiliar(LookupCombo& ctrCombo, const std::string& strNomTaula,
                                const std::string& strCampIntegritat, const std::string& strCampOrdre,
                                const std::string& strCadenaIntegritat, const std::string& strNomCampFiltre,
                                int32_t lngValorCampFiltre);
    // The chosen path; a cancelled dialog fails with 32755, a file of the
    // open database with 521. A photo's chooser opens in the folder of the
    // photo `strFotoActual`, else in the photos' folder of the settings.
    std::string EscullArxiu(const std::string& strFotoActual = {});
    std::string EscullArxiuGravar(const std::string& strDefaultExtension);
    // False, with no error, when the path names no ordinary file; 521 for a
    // file of the open database.
    bool ObreVisorImatge(const std::string& strRutaArxiuImatge);
    // Debugging aids outside the error convention: they raise.
    static std::string SimpliXML(const std::string& strRecordsetXML);
    static std::string LlistaCodisAscii(const std::string& strText);

    // --- the session's transaction ----------------------------------------
    // `objecteQueCrida` is the calling window: its objClasseSuportActual is
    // given the transaction's connection as IdTransaccio.
    void BeginTransaction(const com::ObjectRef& objecteQueCrida);
    void CommitTransaction(const com::ObjectRef& objecteQueCrida);
    void RollBackTransaction(const com::ObjectRef& objecteQueCrida);
    com::ObjectRef CreaObjecteSuport(const std::string& strNomClasse);

private:
    std::string TextError(int32_t number, const std::string& sqlState, int32_t idioma);
    void transaction(std::string_view member, const com::ObjectRef& objecteQueCrida);
};

}  // namespace velmar
