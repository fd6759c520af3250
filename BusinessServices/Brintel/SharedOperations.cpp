#include "SharedOperations.h"

namespace brintel {

Operation ListAuxiliar() {
    return Operation("GetListAuxiliar", "MngTaulesAuxiliars", "GetList", {"strTaula", "strCampOrdre"})
        .record("paramListTaulaAuxiliar", {{"strNomTaula", Param("strTaula")},
                                           {"strNomCampOrdre", Param("strCampOrdre")}});
}

Operation EscomesesOfProject() {
    return Operation("GetEscomeses", "MngEscomeses", "GetList", {"lngProjecte"})
        .record("paramListEscomeses", {{"lngIdentificador", Param("lngProjecte")},
                                       {"lngTipusIdentificador", Fixed(2)}});
}

Operation ElementsOfEscomesa(std::string_view name, bool nomesSortida) {
    return Operation(name, "MngEscomesaElements", "GetList", {"lngEscomesa"})
        .record("paramListEscomesaElements", {{"lngEscomesa", Param("lngEscomesa")},
                                              {"bolNomesSortida", Fixed(nomesSortida)}});
}

Operation FixedLookupList(std::string_view name, std::string_view table, std::string_view order) {
    return Operation(name, "MngTaulesAuxiliars", "GetList")
        .record("paramListTaulaAuxiliar", {{"strNomTaula", Fixed(table)},
                                           {"strNomCampOrdre", Fixed(order)}});
}

}  // namespace brintel
