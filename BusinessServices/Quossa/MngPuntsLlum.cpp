// Light points (T_PuntLlum), listed by the service connection that feeds them.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngPuntsLlum, .table = "T_PuntLlum", .key = "NumPuntLlum", .order = "CodPuntLlum",
    .listProcedure = "GetPuntsLlum", .byKeyProcedure = "GetPuntLlumById",
    .saveProcedure = "SavePuntLlum", .deleteProcedure = "DeletePuntLlum",
    .listFilter = "NumEscomesa"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
