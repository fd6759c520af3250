#include "SharedOperations.h"

namespace brintel {

using namespace quossa::names;

ServiceOperation LookupList() {
    return ServiceOperation(names::GetListAuxiliar, MngTaulesAuxiliars, Entity::GetList, {"strTaula", "strCampOrdre"})
        .record(paramListTaulaAuxiliar, {{strNomTaula, Param("strTaula")},
                                         {strNomCampOrdre, Param("strCampOrdre")}});
}

ServiceOperation ServiceConnectionsOfProject() {
    return ServiceOperation(names::GetEscomeses, MngEscomeses, Entity::GetList, {"lngProjecte"})
        .record(paramListEscomeses, {{lngIdentificador, Param("lngProjecte")},
                                     {lngTipusIdentificador, Fixed(2)}});
}

ServiceOperation ElementsOfServiceConnection(std::string_view name, bool outputsOnly) {
    return ServiceOperation(name, MngEscomesaElements, Entity::GetList, {"lngEscomesa"})
        .record(paramListEscomesaElements, {{lngEscomesa, Param("lngEscomesa")},
                                            {bolNomesSortida, Fixed(outputsOnly)}});
}

ServiceOperation FixedLookupList(std::string_view name, std::string_view table, std::string_view order) {
    return ServiceOperation(name, MngTaulesAuxiliars, Entity::GetList)
        .record(paramListTaulaAuxiliar, {{strNomTaula, Fixed(table)},
                                         {strNomCampOrdre, Fixed(order)}});
}

}  // namespace brintel
