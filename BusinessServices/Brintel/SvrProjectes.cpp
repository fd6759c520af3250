// Support service of the project window: projects, and the clients,
// maintenance types and zones it refers to. Every operation but GetZones
// hands IdTransaccio to the view once more before its call.
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrProjectes, {
    ServiceOperation(GetProjectes, MngProjectes, Entity::GetList).resendsTransaction(),
    ServiceOperation(GetProjecteById, MngProjectes, Entity::GetById, {"lngProjecte"}).resendsTransaction(),
    ServiceOperation(SaveProjecte, MngProjectes, Entity::Save, {"strXMLProjecte"}).resendsTransaction(),
    ServiceOperation(DeleteProjecte, MngProjectes, Entity::Delete, {"lngProjecte"}).resendsTransaction(),
    ServiceOperation(GetEmptyRecordset, MngProjectes, Entity::GetEmpty).resendsTransaction(),
    ServiceOperation(GetClients, MngClients, Entity::GetList).resendsTransaction(),
    ServiceOperation(GetTipusManteniment, MngManteniments, Entity::GetList)
        .resendsTransaction()
        .literal("GetManteniment"),
    ServiceOperation::WindowTexts(),
    {GetZones, MngZones, Entity::GetList, {"lngProjecte"}},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
