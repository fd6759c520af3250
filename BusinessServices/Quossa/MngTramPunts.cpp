// Vertices of a cable segment (CapaTram). Rows have no key of their own here:
// the list and the delete take the segment, and GetByID is not offered.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngTramPunts, .table = "CapaTram", .key = "NumTram", .order = "NumOrdre",
    .listProcedure = "GetTramPunts", .saveProcedure = "SaveTramPunt",
    .deleteProcedure = "DeleteTramPunt", .deleteForm = com::Str, .listFilter = "NumTram"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
