// Map points of the light points (CapaPuntLlum): each point has a key of its
// own, and the points of a light point are listed by X coordinate.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngPLlumPunts, .table = "CapaPuntLlum", .key = "NumPunt", .order = "CoordenadaX",
    .listProcedure = "GetPllumPunts", .byKeyProcedure = "GetPllumPuntById",
    .saveProcedure = "SavePllumPunt", .deleteProcedure = "DeletePllumPunt",
    .listFilter = "NumPuntLlum"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
