// The light-point assistant service: one-call operations over light points,
// patterns, support characteristics, luminaires, map points, and the
// service connections and streets of a project. The pattern managers it
// names (MngPatronsPLluminaria, MngPatronsSuport, MngPatronsTerra,
// MngPatronsLluminaria, MngPatronsCaixa, MngPropietatsSuport) are not part
// of the entity library, so their operations fail at creation.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrAssistPuntsLlum, {
    {GetPuntsLlum, MngPuntsLlum, Entity::GetList, {"lngEscomesa"}},
    {GetPatronsPuntLlum, MngPatronsPuntLlum, Entity::GetList},
    {GetPatronsPLluminaria, missing::MngPatronsPLluminaria, Entity::GetList},
    ServiceOperation(GetPatronsSuport, missing::MngPatronsSuport, Entity::GetList).passing(Fixed("")),
    ServiceOperation(GetPatronsTerra, missing::MngPatronsTerra, Entity::GetList).passing(Fixed("True")),
    ServiceOperation(GetPatronsLluminaria, missing::MngPatronsLluminaria, Entity::GetList).passing(Fixed("True")),
    {GetPatronsCaixa, missing::MngPatronsCaixa, Entity::GetList},
    {GetPropietatsSuport, missing::MngPropietatsSuport, Entity::GetList, {"lngPatroSuport"}},
    {SavePatroPuntLlum, MngPuntsLlum, Entity::Save, {"strXMLPatroPuntLlum"}},
    {GetEmptyRstPLluminaria, missing::MngPatronsPLluminaria, Entity::GetEmpty},
    {SavePatroPLluminaria, missing::MngPatronsPLluminaria, Entity::Save, {"strXMLPatroPLluminaria"}},
    {DeletePatroPLluminaria, missing::MngPatronsPLluminaria, Entity::Delete, {"lngPatroPLluminaria"}},
    {GetEmptyRstPuntLlum, MngPuntsLlum, Entity::GetEmpty},
    {SavePuntLlum, MngPuntsLlum, Entity::Save, {"strXMLPuntLlum"}},
    {GetEmptyRstCaractSuport, MngCaractSuport, Entity::GetEmpty},
    {SaveCaractSuport, MngCaractSuport, Entity::Save, {"strXMLCaractSuport"}},
    {GetEmptyRstLluminaria, MngLluminaries, Entity::GetEmpty},
    {SaveLluminaria, MngLluminaries, Entity::Save, {"strXMLLluminaria"}},
    ServiceConnectionsOfProject().recordFirst(),
    {GetCarrers, MngCarrers, Entity::GetList, {"lngProjecte"}},
    ServiceOperation::WindowTexts(),
    {GetEmptyRstPLlumPunts, MngPLlumPunts, Entity::GetEmpty},
    {SavePLlumPunt, MngPLlumPunts, Entity::Save, {"strXMLPuntLlum"}},
    {DeletePLlumPunts, MngPLlumPunts, Entity::Delete, {"lngPLlumPunts"}},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
