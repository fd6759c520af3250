// Vertices of a street (CapaCarrer). Rows have no key of their own here: the
// list and the delete take the street, and GetByID is not offered.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngCarrerPunts, .table = "CapaCarrer", .key = "NumCarrer", .order = "NumOrdre",
    .listProcedure = "GetCarrerPunts", .saveProcedure = "SaveCarrerPunt",
    .deleteProcedure = "DeleteCarrerPunt", .deleteForm = com::Str, .listFilter = "NumCarrer"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
