// Support properties (T_SuportCaracteristica), listed all together.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngCaractSuport, .table = "T_SuportCaracteristica", .key = "NumSuportProp",
    .order = "PropValor", .listProcedure = "GetCaractSuport",
    .byKeyProcedure = "GetCaractSuportById", .saveProcedure = "SaveCaracteristica",
    .deleteProcedure = "DeleteCaracteristica"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
