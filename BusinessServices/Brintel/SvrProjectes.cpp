// Support service of the project window: projects, and the clients,
// maintenance types and zones it refers to. Every operation but GetZones
// hands IdTransaccio to the view once more before its call.
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceClass kService(names::SvrProjectes, {
    Operation(GetProjectes, MngProjectes, Entity::GetList).resendsTransaction(),
    Operation(GetProjecteById, MngProjectes, Entity::GetById, {"lngProjecte"}).resendsTransaction(),
    Operation(SaveProjecte, MngProjectes, Entity::Save, {"strXMLProjecte"}).resendsTransaction(),
    Operation(DeleteProjecte, MngProjectes, Entity::Delete, {"lngProjecte"}).resendsTransaction(),
    Operation(GetEmptyRecordset, MngProjectes, Entity::GetEmpty).resendsTransaction(),
    Operation(GetClients, MngClients, Entity::GetList).resendsTransaction(),
    Operation(GetTipusManteniment, MngManteniments, Entity::GetList)
        .resendsTransaction()
        .literal("GetManteniment"),
    Operation::TextIdioma(),
    {GetZones, MngZones, Entity::GetList, {"lngProjecte"}},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
