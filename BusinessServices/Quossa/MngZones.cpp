// Zones of a project (T_Zona); the list writes the project number as plain digits.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngZones, .table = "T_Zona", .key = "NumZona", .order = "CodZona",
    .listProcedure = "GetZones", .byKeyProcedure = "GetZonaById", .saveProcedure = "SaveZona",
    .deleteProcedure = "DeleteZona", .listFilter = "NumProjecte", .listForm = com::Digits});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
