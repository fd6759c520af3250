// Support service of the cable-segment window: the segments that leave a
// service connection with their vertices, the connections of a project,
// the output lines of a connection and lookup lists.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrTrams, {
    {GetTrams, MngTrams, Entity::GetList, {"lngEscomesa"}},
    {SaveTram, MngTrams, Entity::Save, {"strXMLTram"}},
    {DeleteTram, MngTrams, Entity::Delete, {"lngTram"}},
    {GetEmptyRecordset, MngTrams, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    LookupList(),
    {GetTramPunts, MngTramPunts, Entity::GetList, {"lngTram"}},
    {SaveTramPunts, MngTramPunts, Entity::Save, {"strXMLTramPunts"}},
    {DeleteTramPunts, MngTramPunts, Entity::Delete, {"lngTram"}},
    {GetEmptyRstTramPunts, MngTramPunts, Entity::GetEmpty},
    ServiceConnectionsOfProject(),
    ElementsOfServiceConnection(GetLiniesSortida, true),
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
