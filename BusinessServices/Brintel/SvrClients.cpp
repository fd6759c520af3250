// Support service of the client window: clients, and the project list.
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrClients, {
    {GetClients, MngClients, Entity::GetList},
    {GetClientById, MngClients, Entity::GetById, {"lngClient"}},
    {SaveClient, MngClients, Entity::Save, {"strXMLClient"}},
    {DeleteClient, MngClients, Entity::Delete, {"lngClient"}},
    {GetEmptyRecordset, MngClients, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    {GetProjectes, MngProjectes, Entity::GetList},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
