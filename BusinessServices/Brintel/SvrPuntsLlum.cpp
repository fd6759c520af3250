// Support service of the light-point window: light points of a service
// connection, support characteristics, luminaires, map points, lookup lists
// and change sets of any table, service connections and streets of a
// project, and light-point patterns.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrPuntsLlum, {
    {GetPuntsLlum, MngPuntsLlum, Entity::GetList, {"lngEscomesa"}},
    {SavePuntLlum, MngPuntsLlum, Entity::Save, {"strXMLPuntLlum"}},
    {DeletePuntLlum, MngPuntsLlum, Entity::Delete, {"lngPuntLlum"}},
    {GetEmptyRecordset, MngPuntsLlum, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    {GetCaractSuport, MngCaractSuport, Entity::GetList},
    {SaveCaracteristica, MngCaractSuport, Entity::Save, {"strXMLCaracteristica"}},
    {DeleteCaracteristica, MngCaractSuport, Entity::Delete, {"lngCaracteristica"}},
    {GetEmptyRstCaracteristica, MngCaractSuport, Entity::GetEmpty},
    {GetLluminaries, MngLluminaries, Entity::GetList},
    {SaveLluminaria, MngLluminaries, Entity::Save, {"strXMLLluminaria"}},
    {DeleteLluminaria, MngLluminaries, Entity::Delete, {"lngLluminaria"}},
    {GetEmptyRstLluminaria, MngLluminaries, Entity::GetEmpty},
    {GetPLlumPunts, MngPLlumPunts, Entity::GetList, {"lngPuntLlum"}},
    {SavePLlumPunts, MngPLlumPunts, Entity::Save, {"strXMLPLlumPunts"}},
    {DeletePLlumPunts, MngPLlumPunts, Entity::Delete, {"lngPLlumPunts"}},
    {GetEmptyRstPLlumPunts, MngPLlumPunts, Entity::GetEmpty},
    LookupList(),
    {SaveTaulaAuxiliar, MngTaulesAuxiliars, Entity::Save, {"strXMLAuxiliar"}},
    ServiceConnectionsOfProject(),
    {GetCarrers, MngCarrers, Entity::GetList, {"lngProjecte"}},
    {GetPatronsPuntsLlum, MngPatronsPuntLlum, Entity::GetList},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
