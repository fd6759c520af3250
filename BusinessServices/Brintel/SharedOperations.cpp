#include "SharedOperations.h"

namespace brintel {

using namespace quossa::names;

Operation ListAuxiliar() {
    return Operation(names::GetListAuxiliar, MngTaulesAuxiliars, Entity::GetList, {"strTaula", "strCampOrdre"})
        .record(paramListTaulaAuxiliar, {{strNomTaula, Param("strTaula")},
                                         {strNomCampOrdre, Param("strCampOrdre")}});
}

Operation EscomesesOfProject() {
    return Operation(names::GetEscomeses, MngEscomeses, Entity::GetList, {"lngProjecte"})
        .record(paramListEscomeses, {{lngIdentificador, Param("lngProjecte")},
                                     {lngTipusIdentificador, Fixed(2)}});
}

Operation ElementsOfEscomesa(std::string_view name, bool nomesSortida) {
    return Operation(name, MngEscomesaElements, Entity::GetList, {"lngEscomesa"})
        .record(paramListEscomesaElements, {{lngEscomesa, Param("lngEscomesa")},
                                            {bolNomesSortida, Fixed(nomesSortida)}});
}

Operation FixedLookupList(std::string_view name, std::string_view table, std::string_view order) {
    return Operation(name, MngTaulesAuxiliars, Entity::GetList)
        .record(paramListTaulaAuxiliar, {{strNomTaula, Fixed(table)},
                                         {strNomCampOrdre, Fixed(order)}});
}

}  // namespace brintel
