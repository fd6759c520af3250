// Support service for luminaire patterns, through MngPatronsLluminaria,
// which the entity library does not offer: its four pattern operations fail
// at creation. GetListAuxiliar takes no arguments and so names no table: it
// hands the lookup-table manager an empty variant, which that manager
// refuses.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrPatronsLluminaria, {
    {GetPatronsLluminaria, missing::MngPatronsLluminaria, Entity::GetList, {"strCondicions"}},
    {SavePatroLluminaria, missing::MngPatronsLluminaria, Entity::Save, {"strXMLPatroLluminaria"}},
    {DeletePatroLluminaria, missing::MngPatronsLluminaria, Entity::Delete, {"lngPatroLluminaria"}},
    {GetEmptyRecordset, missing::MngPatronsLluminaria, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    {GetListAuxiliar, MngTaulesAuxiliars, Entity::GetList},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
