// Support service of the service-connection window: the connections of a
// zone with their map points and element trees, the zones and streets of a
// project, and lookup lists.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrEscomeses, {
    ServiceOperation(GetEscomeses, MngEscomeses, Entity::GetList, {"lngZona"})
        .record(paramListEscomeses, {{lngIdentificador, Param("lngZona")},
                                     {lngTipusIdentificador, Fixed(1)}}),
    {SaveEscomesa, MngEscomeses, Entity::Save, {"strXMLEscomesa"}},
    {DeleteEscomesa, MngEscomeses, Entity::Delete, {"lngEscomesa"}},
    {GetEmptyRecordset, MngEscomeses, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    {GetZones, MngZones, Entity::GetList, {"lngProjecte"}},
    {GetCarrers, MngCarrers, Entity::GetList, {"lngProjecte"}},
    LookupList(),
    ElementsOfServiceConnection(GetElementsEscomesa, false),
    {GetEscomesaPunts, MngEscomesaPunts, Entity::GetList, {"lngEscomesa"}},
    {SaveEscomesaPunts, MngEscomesaPunts, Entity::Save, {"strXMLEscomesaPunts"}},
    {SaveEscomesaElement, MngEscomesaElements, Entity::Save, {"strXMLEscomesaElements"}},
    {DeleteEscomesaPunts, MngEscomesaPunts, Entity::Delete, {"lngEscomesa"}},
    {GetEmptyRstEscomesaPunts, MngEscomesaPunts, Entity::GetEmpty},
    {GetEmptyRstEscomesaElements, MngEscomesaElements, Entity::GetEmpty},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
