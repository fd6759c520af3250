// Every manager and member with an argument and the exact statements it
// sends. Numbers appear in two forms: with a sign position (" = " then
// " 7", so two blanks) or as plain digits (" = 7").
#include "Managers.h"

namespace quossatest {

namespace {

const char* const kChangeSet = "<xml><rs:data><rs:insert/></rs:data></xml>";

Argument Lookup(const char* table, const char* filter, int32_t value, const char* order) {
    return Record("paramListTaulaAuxiliar", {{"strNomTaula", table},
                                             {"strNomCampFiltre", filter},
                                             {"lngValorCampFiltre", value},
                                             {"strNomCampOrdre", order}});
}

Argument LookupRow(const char* table, const char* key, int32_t value) {
    return Record("paramTaulaAuxiliar", {{"strNomTaula", table},
                                         {"strNomCampIdentificador", key},
                                         {"lngValorIdentificador", value}});
}

}  // namespace

const std::vector<SqlCase>& SqlCases() {
    using enum View;
    static const std::vector<SqlCase> cases = {
        // The template, on its two plain members.
        {"MngClients", IV, "GetList", {}, {"Select * From T_Client Order By T_Client.NomClient"}, "GetClients"},
        {"MngClients", IV, "GetByID", 7, {"Select * From T_Client Where NumClient =  7"}, "GetClientById"},
        {"MngClients", IM, "GetByID", -7, {"Select * From T_Client Where NumClient = -7"}, "GetClientById"},
        {"MngClients", IM, "Save", kChangeSet, {kChangeSet}, "SaveClient"},
        {"MngClients", IM, "Delete", 7, {"Delete * From T_Client Where NumClient = 7"}, "DeleteClient"},
        {"MngClients", IM, "GetEmpty", 3, {"Select * From T_Client Where False"}, "GetEmptyRecordset"},
        {"MngManteniments", IV, "GetList", "anything",
         {"Select * From T_TipusManteniment Order By T_TipusManteniment.CodTipusManteniment"}, "GetManteniments"},
        {"MngManteniments", IV, "GetByID", "12",
         {"Select * From T_TipusManteniment Where NumTipusManteniment =  12"}, "GetMantenimentById"},
        {"MngManteniments", IM, "Save", kChangeSet, {kChangeSet}, "SaveManteniment"},
        {"MngManteniments", IM, "Delete", 7,
         {"Delete * From T_TipusManteniment Where NumTipusManteniment = 7"}, "DeleteManteniment"},
        {"MngManteniments", IM, "GetEmpty", {}, {"Select * From T_TipusManteniment Where False"}, "GetEmptyRecordset"},

        // Projects and users.
        {"MngProjectes", IV, "GetList", 5, {"Select * From T_Projecte Order By T_Projecte.NomProjecte"}, "GetProjectes"},
        {"MngProjectes", IV, "GetByID", 0, {"Select * From T_Projecte Where NumProjecte =  0"}, "GetProjecteById"},
        {"MngProjectes", IM, "Save", kChangeSet, {kChangeSet}, "SaveProjecte"},
        {"MngProjectes", IM, "Delete", 0, {"Delete * From T_Projecte Where NumProjecte = 0"}, "DeleteProjecte"},
        {"MngProjectes", IM, "GetEmpty", {}, {"Select * From T_Projecte Where False"}, "GetEmptyRecordset"},
        {"MngUsuaris", IV, "GetList", {}, {"Select * From T_Usuari Order By T_Usuari.NomUsuari"}, "GetUsuaris"},
        {"MngUsuaris", IM, "GetByID", 2.5, {"Select * From T_Usuari Where NumUsuari =  2"}, "GetUsuariById"},
        {"MngUsuaris", IM, "Save", kChangeSet, {kChangeSet}, "SaveUsuari"},
        {"MngUsuaris", IM, "Delete", 3.5, {"Delete * From T_Usuari Where NumUsuari = 4"}, "DeleteUsuari"},
        {"MngUsuaris", IM, "GetEmpty", {}, {"Select * From T_Usuari Where False"}, "GetEmptyRecordset"},
        {"MngUsuariProjectes", IV, "GetByID", 3,
         {"Select T_Projecte.* From T_Projecte Inner Join T_UsuariProjecte On T_Projecte.NumProjecte = "
          "T_UsuariProjecte.NumProjecte Where T_UsuariProjecte.NumUsuari =  3 Order By T_Projecte.NumProjecte"},
         "GetUsuariProjectes"},
        {"MngUsuariProjectes", IM, "Save", kChangeSet, {kChangeSet}, "SaveUsuariProjecte"},
        {"MngUsuariProjectes", IM, "Delete", Record("paramUsuariProjecte", {{"lngUsuari", 3}, {"lngProjecte", 12}}),
         {"Delete * From T_UsuariProjecte Where NumUsuari =  3 And NumProjecte =  12"}, "DeleteUsuariProjecte"},
        {"MngUsuariProjectes", IM, "Delete", Record("paramUsuariProjecte", {{"lngUsuari", -3}, {"lngProjecte", 12}}),
         {"Delete * From T_UsuariProjecte Where NumUsuari = -3 And NumProjecte =  12"}, "DeleteUsuariProjecte"},
        {"MngUsuariProjectes", IM, "GetEmpty", {}, {"Select * From T_UsuariProjecte Where False"}, "GetEmptyRecordset"},

        // Lookup tables: column names are proved on the table before the statement.
        {"MngTaulesAuxiliars", IV, "GetList", Lookup("TTI_Idioma", "", 0, "CodIdioma"),
         {"Select TTI_Idioma.CodIdioma From TTI_Idioma Where False",
          "Select * From TTI_Idioma Order By CodIdioma"}, "GetListAuxiliar"},
        {"MngTaulesAuxiliars", IV, "GetList", Lookup("TTE_ElementValor", "NumElementTipus", 3, ""),
         {"Select TTE_ElementValor.NumElementTipus From TTE_ElementValor Where False",
          "Select * From TTE_ElementValor Where NumElementTipus =  3"}, "GetListAuxiliar"},
        {"MngTaulesAuxiliars", IV, "GetList", Lookup("TTE_ElementValor", "NumElementTipus", 0, "CodElementValor"),
         {"Select TTE_ElementValor.NumElementTipus, TTE_ElementValor.CodElementValor From TTE_ElementValor Where False",
          "Select * From TTE_ElementValor Where NumElementTipus =  0 Order By CodElementValor"}, "GetListAuxiliar"},
        {"MngTaulesAuxiliars", IV, "GetList", Lookup("TTU_NivellSeguretat", "", 0, ""),
         {"Select * From TTU_NivellSeguretat"}, "GetListAuxiliar"},
        {"MngTaulesAuxiliars", IV, "GetByID", LookupRow("TTI_Idioma", "NumIdioma", 2),
         {"Select TTI_Idioma.NumIdioma From TTI_Idioma Where False",
          "Select * From TTI_Idioma Where NumIdioma =  2"}, "GetRegistreById"},
        {"MngTaulesAuxiliars", IM, "Save", kChangeSet, {kChangeSet}, "SaveTaulaAuxiliar"},
        {"MngTaulesAuxiliars", IM, "Delete", LookupRow("TTI_Idioma", "NumIdioma", -2),
         {"Select TTI_Idioma.NumIdioma From TTI_Idioma Where False",
          "Delete * From TTI_Idioma Where NumIdioma = -2"}, "DeleteTaulaAuxiliar"},
        {"MngTaulesAuxiliars", IM, "GetEmpty", "TTU_NivellSeguretat",
         {"Select * From TTU_NivellSeguretat Where False"}, "GetEmptyRecordset"},

        // Window texts: text values quoted, apostrophes doubled.
        {"MngIdioma", IV, "GetList", Record("paramIdioma", {{"lngNumIdioma", 1}, {"strNomFormulari", "frmClients"}}),
         {"Select * From T_Idioma Where NumIdioma =  1 And NomFormulari = 'frmClients'"}, "GetTextosFormulari"},
        {"MngIdioma", IV, "GetList", Record("paramIdioma", {{"lngNumIdioma", -1}, {"strNomFormulari", "frm'X"}}),
         {"Select * From T_Idioma Where NumIdioma = -1 And NomFormulari = 'frm''X'"}, "GetTextosFormulari"},
        {"MngIdioma", IV, "GetByID", Record("paramTextIdioma", {{"lngNumIdioma", 2}, {"strCodiText", "Formulari"}}),
         {"Select * From T_Idioma Where CodTextIdioma = 'Formulari' And NumIdioma =  2"}, "GetTextIdiomaById"},
        {"MngIdioma", IV, "GetByID", Record("paramTextIdioma", {{"lngNumIdioma", 2}, {"strCodiText", "l'Error'"}}),
         {"Select * From T_Idioma Where CodTextIdioma = 'l''Error''' And NumIdioma =  2"}, "GetTextIdiomaById"},

        // Luminaires and patterns.
        {"MngLluminaries", IV, "GetList", {}, {"Select * From T_Lluminaria Order By T_Lluminaria.CodLluminaria"}, "GetLluminaries"},
        {"MngLluminaries", IM, "GetByID", 12, {"Select * From T_Lluminaria Where NumLluminaria =  12"}, "GetLluminariaById"},
        {"MngLluminaries", IM, "Save", kChangeSet, {kChangeSet}, "SaveLluminaria"},
        {"MngLluminaries", IM, "Delete", 12, {"Delete * From T_Lluminaria Where NumLluminaria = 12"}, "DeleteLluminaria"},
        {"MngLluminaries", IM, "GetEmpty", {}, {"Select * From T_Lluminaria Where False"}, "GetEmptyRecordset"},
        {"MngPatronsPuntLlum", IV, "GetList", {}, {"Select * From T_PatroPLL Order By T_PatroPLL.CodPatroPLL"}, "GetPatronsPuntsLlum"},

        // Streets, zones and cable segments.
        {"MngCarrers", IV, "GetList", 12,
         {"Select * From T_Carrer Where NumProjecte =  12 Order By T_Carrer.CodCarrer"}, "GetCarrers"},
        {"MngCarrers", IV, "GetList", -3,
         {"Select * From T_Carrer Where NumProjecte = -3 Order By T_Carrer.CodCarrer"}, "GetCarrers"},
        {"MngCarrers", IM, "GetByID", 7, {"Select * From T_Carrer Where NumCarrer =  7"}, "GetCarrerById"},
        {"MngCarrers", IM, "Save", kChangeSet, {kChangeSet}, "SaveCarrer"},
        {"MngCarrers", IM, "Delete", 7, {"Delete * From T_Carrer Where NumCarrer = 7"}, "DeleteCarrer"},
        {"MngCarrers", IM, "GetEmpty", {}, {"Select * From T_Carrer Where False"}, "GetEmptyRecordset"},
        {"MngZones", IV, "GetList", 12, {"Select * From T_Zona Where NumProjecte = 12 Order By T_Zona.CodZona"}, "GetZones"},
        {"MngZones", IV, "GetList", 3.5, {"Select * From T_Zona Where NumProjecte = 4 Order By T_Zona.CodZona"}, "GetZones"},
        {"MngZones", IV, "GetList", {}, {"Select * From T_Zona Where NumProjecte = 0 Order By T_Zona.CodZona"}, "GetZones"},
        {"MngZones", IV, "GetByID", 7, {"Select * From T_Zona Where NumZona =  7"}, "GetZonaById"},
        {"MngZones", IM, "Save", kChangeSet, {kChangeSet}, "SaveZona"},
        {"MngZones", IM, "Delete", 7, {"Delete * From T_Zona Where NumZona = 7"}, "DeleteZona"},
        {"MngZones", IM, "GetEmpty", {}, {"Select * From T_Zona Where False"}, "GetEmptyRecordset"},
        {"MngTrams", IV, "GetList", 5,
         {"Select T_Tram.* From T_Tram, T_EscomesaElements Where T_Tram.NumElement = T_EscomesaElements.NumElement "
          "And T_EscomesaElements.NumEscomesa =  5 Order By T_Tram.CodTram"}, "GetTrams"},
        {"MngTrams", IV, "GetList", -3,
         {"Select T_Tram.* From T_Tram, T_EscomesaElements Where T_Tram.NumElement = T_EscomesaElements.NumElement "
          "And T_EscomesaElements.NumEscomesa = -3 Order By T_Tram.CodTram"}, "GetTrams"},
        {"MngTrams", IV, "GetByID", 7, {"Select * From T_Tram Where NumTram =  7"}, "GetTramById"},
        {"MngTrams", IM, "Save", kChangeSet, {kChangeSet}, "SaveTram"},
        {"MngTrams", IM, "Delete", 7, {"Delete * From T_Tram Where NumTram = 7"}, "DeleteTram"},
        {"MngTrams", IM, "GetEmpty", {}, {"Select * From T_Tram Where False"}, "GetEmptyRecordset"},

        // Service connections and their elements.
        {"MngEscomeses", IV, "GetList", Record("paramListEscomeses", {{"lngIdentificador", 7}, {"lngTipusIdentificador", 1}}),
         {"Select * From T_Escomesa Where NumZona = 7 Order By T_Escomesa.CodEscomesa"}, "GetEscomeses"},
        {"MngEscomeses", IV, "GetList", Record("paramListEscomeses", {{"lngIdentificador", 7}, {"lngTipusIdentificador", 2}}),
         {"Select T_Escomesa.* From T_Escomesa, T_Zona Where T_Escomesa.NumZona = T_Zona.NumZona And "
          "T_Zona.NumProjecte= 7 Order By T_Escomesa.CodEscomesa"}, "GetEscomeses"},
        {"MngEscomeses", IV, "GetList", Record("paramListEscomeses", {{"lngIdentificador", 7}, {"lngTipusIdentificador", -1}}),
         {"Select T_Escomesa.* From T_Escomesa, T_Zona Where T_Escomesa.NumZona = T_Zona.NumZona And "
          "T_Zona.NumProjecte= 7 Order By T_Escomesa.CodEscomesa"}, "GetEscomeses"},
        {"MngEscomeses", IV, "GetByID", 7, {"Select * From T_Escomesa Where NumEscomesa = 7"}, "GetEscomesaById"},
        {"MngEscomeses", IM, "Save", kChangeSet, {kChangeSet}, "SaveEscomesa"},
        {"MngEscomeses", IM, "Delete", 7, {"Delete * From T_Escomesa Where NumEscomesa = 7"}, "DeleteEscomesa"},
        {"MngEscomeses", IM, "GetEmpty", {}, {"Select * From T_Escomesa Where False"}, "GetEmptyRecordset"},
        {"MngEscomesaElements", IV, "GetList",
         Record("paramListEscomesaElements", {{"lngEscomesa", 7}, {"bolNomesSortida", false}}),
         {"Select * From T_EscomesaElements Where NumEscomesa =  7 Order By T_EscomesaElements.NumElementTipus,"
          "T_EscomesaElements.NumElementCodi, T_EscomesaElements.NumElementValor"}, "GetEscomesaElements"},
        {"MngEscomesaElements", IV, "GetList",
         Record("paramListEscomesaElements", {{"lngEscomesa", -7}, {"bolNomesSortida", false}}),
         {"Select * From T_EscomesaElements Where NumEscomesa = -7 Order By T_EscomesaElements.NumElementTipus,"
          "T_EscomesaElements.NumElementCodi, T_EscomesaElements.NumElementValor"}, "GetEscomesaElements"},
        {"MngEscomesaElements", IV, "GetList",
         Record("paramListEscomesaElements", {{"lngEscomesa", 7}, {"bolNomesSortida", 5}}),
         {"Select T_EscomesaElements.*, TTE_ElementValor.CodElementValor From T_EscomesaElements, TTE_ElementTipus, "
          "TTE_ElementValor Where T_EscomesaElements.NumElementTipus =  TTE_ElementTipus.NumElementTipus And "
          "TTE_ElementValor.NumElementValor = T_EscomesaElements.NumElementValor And "
          "TTE_ElementTipus.CodElementTipus = 'Sortida' And NumEscomesa =  7 Order By "
          "T_EscomesaElements.NumElementTipus,T_EscomesaElements.NumElementCodi, T_EscomesaElements.NumElementValor"},
         "GetEscomesaElements"},
        {"MngEscomesaElements", IM, "GetByID", 7, {"Select * From T_EscomesaElements Where NumElement =  7"}, "GetElementById"},
        {"MngEscomesaElements", IM, "Save", kChangeSet, {kChangeSet}, "SaveEscomesaElement"},
        {"MngEscomesaElements", IM, "Delete", 7, {"Delete * From T_EscomesaElements Where NumElement = 7"}, "DeleteEscomesaElement"},
        {"MngEscomesaElements", IM, "GetEmpty", {}, {"Select * From T_EscomesaElements Where False"}, "GetEmptyRecordset"},

        // Light points, support properties, light-point map points.
        {"MngPuntsLlum", IV, "GetList", 12,
         {"Select * From T_PuntLlum Where NumEscomesa =  12 Order By T_PuntLlum.CodPuntLlum"}, "GetPuntsLlum"},
        {"MngPuntsLlum", IV, "GetList", "-3",
         {"Select * From T_PuntLlum Where NumEscomesa = -3 Order By T_PuntLlum.CodPuntLlum"}, "GetPuntsLlum"},
        {"MngPuntsLlum", IV, "GetByID", 7, {"Select * From T_PuntLlum Where NumPuntLlum =  7"}, "GetPuntLlumById"},
        {"MngPuntsLlum", IM, "Save", kChangeSet, {kChangeSet}, "SavePuntLlum"},
        {"MngPuntsLlum", IM, "Delete", 7, {"Delete * From T_PuntLlum Where NumPuntLlum = 7"}, "DeletePuntLlum"},
        {"MngPuntsLlum", IM, "GetEmpty", {}, {"Select * From T_PuntLlum Where False"}, "GetEmptyRecordset"},
        {"MngCaractSuport", IV, "GetList", 9,
         {"Select * From T_SuportCaracteristica Order By T_SuportCaracteristica.PropValor"}, "GetCaractSuport"},
        {"MngCaractSuport", IM, "GetByID", 7, {"Select * From T_SuportCaracteristica Where NumSuportProp =  7"}, "GetCaractSuportById"},
        {"MngCaractSuport", IM, "Save", kChangeSet, {kChangeSet}, "SaveCaracteristica"},
        {"MngCaractSuport", IM, "Delete", 7, {"Delete * From T_SuportCaracteristica Where NumSuportProp = 7"}, "DeleteCaracteristica"},
        {"MngCaractSuport", IM, "GetEmpty", {}, {"Select * From T_SuportCaracteristica Where False"}, "GetEmptyRecordset"},
        {"MngPLlumPunts", IV, "GetList", 12,
         {"Select * From CapaPuntLlum Where NumPuntLlum =  12 Order By CapaPuntLlum.CoordenadaX"}, "GetPllumPunts"},
        {"MngPLlumPunts", IV, "GetByID", 7, {"Select * From CapaPuntLlum Where NumPunt =  7"}, "GetPllumPuntById"},
        {"MngPLlumPunts", IM, "Save", kChangeSet, {kChangeSet}, "SavePllumPunt"},
        {"MngPLlumPunts", IM, "Delete", 7, {"Delete * From CapaPuntLlum Where NumPunt = 7"}, "DeletePllumPunt"},
        {"MngPLlumPunts", IM, "GetEmpty", {}, {"Select * From CapaPuntLlum Where False"}, "GetEmptyRecordset"},

        // Map-layer vertices: lists and deletes by parent.
        {"MngCarrerPunts", IV, "GetList", 12,
         {"Select * From CapaCarrer Where NumCarrer =  12 Order By CapaCarrer.NumOrdre"}, "GetCarrerPunts"},
        {"MngCarrerPunts", IM, "Save", kChangeSet, {kChangeSet}, "SaveCarrerPunt"},
        {"MngCarrerPunts", IM, "Delete", 7, {"Delete * From CapaCarrer Where NumCarrer =  7"}, "DeleteCarrerPunt"},
        {"MngCarrerPunts", IM, "GetEmpty", {}, {"Select * From CapaCarrer Where False"}, "GetEmptyRecordset"},
        {"MngZonaPunts", IV, "GetList", -3,
         {"Select * From CapaZona Where NumZona = -3 Order By CapaZona.NumOrdre"}, "GetZonaPunts"},
        {"MngZonaPunts", IM, "Save", kChangeSet, {kChangeSet}, "SaveZonaPunt"},
        {"MngZonaPunts", IM, "Delete", 7, {"Delete * From CapaZona Where NumZona =  7"}, "DeleteZonaPunt"},
        {"MngZonaPunts", IM, "GetEmpty", {}, {"Select * From CapaZona Where False"}, "GetEmptyRecordset"},
        {"MngEscomesaPunts", IV, "GetList", 12,
         {"Select * From CapaEscomesa Where NumEscomesa = 12 Order By CapaEscomesa.CoordenadaX"}, "GetEscomesaPunts"},
        {"MngEscomesaPunts", IM, "Save", kChangeSet, {kChangeSet}, "SaveEscomesaPunts"},
        {"MngEscomesaPunts", IM, "Delete", 7, {"Delete * From CapaEscomesa Where  NumEscomesa = 7"}, "DeleteEscomesaPunts"},
        {"MngEscomesaPunts", IM, "GetEmpty", {}, {"Select * From CapaEscomesa Where False"}, "GetEmptyRecordset"},
        {"MngTramPunts", IV, "GetList", 2.5,
         {"Select * From CapaTram Where NumTram =  2 Order By CapaTram.NumOrdre"}, "GetTramPunts"},
        {"MngTramPunts", IM, "Save", kChangeSet, {kChangeSet}, "SaveTramPunt"},
        {"MngTramPunts", IM, "Delete", 7, {"Delete * From CapaTram Where NumTram =  7"}, "DeleteTramPunt"},
        {"MngTramPunts", IM, "GetEmpty", {}, {"Select * From CapaTram Where False"}, "GetEmptyRecordset"},
    };
    return cases;
}

}  // namespace quossatest
