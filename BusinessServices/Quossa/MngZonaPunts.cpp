// Vertices of a zone (CapaZona). Rows have no key of their own here: the list
// and the delete take the zone, and GetByID is not offered.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngZonaPunts, .table = "CapaZona", .key = "NumZona", .order = "NumOrdre",
    .listProcedure = "GetZonaPunts", .saveProcedure = "SaveZonaPunt",
    .deleteProcedure = "DeleteZonaPunt", .deleteForm = com::Str, .listFilter = "NumZona"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
