// Support service of the street window: the streets of a project and the
// vertices of one street.
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrCarrers, {
    {GetCarrers, MngCarrers, Entity::GetList, {"lngCarrer"}},
    {GetCarrerById, MngCarrers, Entity::GetById, {"lngCarrer"}},
    {SaveCarrer, MngCarrers, Entity::Save, {"strXMLCarrer"}},
    {DeleteCarrer, MngCarrers, Entity::Delete, {"lngCarrer"}},
    {GetEmptyRecordset, MngCarrers, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    {GetCarrerPunts, MngCarrerPunts, Entity::GetList, {"lngCarrer"}},
    {SaveCarrerPunt, MngCarrerPunts, Entity::Save, {"strXMLCarrerPunts"}},
    {DeleteCarrerPunts, MngCarrerPunts, Entity::Delete, {"lngCarrer"}},
    {GetEmptyRstCarrerPunts, MngCarrerPunts, Entity::GetEmpty},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
