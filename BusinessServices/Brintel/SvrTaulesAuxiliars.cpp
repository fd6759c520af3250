// Support service of the lookup-table editor: any table its caller names,
// listed with a filter and an order, read and deleted by one field's value,
// saved from a change set and fetched empty. Names reach the entity layer
// unchanged; the entity layer accepts only tables and columns that exist.
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrTaulesAuxiliars, {
    ServiceOperation(GetListAuxiliar, MngTaulesAuxiliars, Entity::GetList,
                     {"strTaula", "strNomCampFiltre", "lngValorCampFiltre", "strOrdre"})
        .record(paramListTaulaAuxiliar, {{strNomTaula, Param("strTaula")},
                                         {strNomCampFiltre, Param("strNomCampFiltre")},
                                         {lngValorCampFiltre, Param("lngValorCampFiltre")},
                                         {strNomCampOrdre, Param("strOrdre")}}),
    ServiceOperation(GetRegistreById, MngTaulesAuxiliars, Entity::GetById,
                     {"strNomTaula", "strNomCampIdentificador", "lngValorIdentificador"})
        .record(paramTaulaAuxiliar, {{strNomTaula, Param("strNomTaula")},
                                     {strNomCampIdentificador, Param("strNomCampIdentificador")},
                                     {lngValorIdentificador, Param("lngValorIdentificador")}}),
    {SaveTaulaAuxiliar, MngTaulesAuxiliars, Entity::Save, {"strXMLTaulaAuxiliar"}},
    ServiceOperation(DeleteTaulaAuxiliar, MngTaulesAuxiliars, Entity::Delete,
                     {"strNomTaula", "strNomCampIdentificador", "lngValorCampIdentificador"})
        .record(paramTaulaAuxiliar, {{strNomTaula, Param("strNomTaula")},
                                     {strNomCampIdentificador, Param("strNomCampIdentificador")},
                                     {lngValorIdentificador, Param("lngValorCampIdentificador")}}),
    {GetEmptyRecordset, MngTaulesAuxiliars, Entity::GetEmpty, {"strNomTaula"}},
    ServiceOperation::WindowTexts(),
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
