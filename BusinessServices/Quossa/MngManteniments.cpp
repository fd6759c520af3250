// Maintenance types (T_TipusManteniment).
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngManteniments, .table = "T_TipusManteniment", .key = "NumTipusManteniment",
    .order = "CodTipusManteniment", .listProcedure = "GetManteniments",
    .byKeyProcedure = "GetMantenimentById", .saveProcedure = "SaveManteniment",
    .deleteProcedure = "DeleteManteniment"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
