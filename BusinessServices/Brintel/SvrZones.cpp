// Support service of the zone window: the zones of a project and the
// vertices of one zone.
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrZones, {
    {GetZones, MngZones, Entity::GetList, {"lngProjecte"}},
    {GetZonaById, MngZones, Entity::GetById, {"lngZona"}},
    {SaveZona, MngZones, Entity::Save, {"strXMLZona"}},
    {DeleteZona, MngZones, Entity::Delete, {"lngZona"}},
    {GetEmptyRecordset, MngZones, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    {GetZonaPunts, MngZonaPunts, Entity::GetList, {"lngZona"}},
    {SaveZonaPunt, MngZonaPunts, Entity::Save, {"strXMLZonaPunts"}},
    {DeleteZonaPunt, MngZonaPunts, Entity::Delete, {"lngZona"}},
    {GetEmptyRstZonaPunts, MngZonaPunts, Entity::GetEmpty},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
