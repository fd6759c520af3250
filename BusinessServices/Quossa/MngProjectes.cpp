// Projects (T_Projecte).
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngProjectes, .table = "T_Projecte", .key = "NumProjecte", .order = "NomProjecte",
    .listProcedure = "GetProjectes", .byKeyProcedure = "GetProjecteById",
    .saveProcedure = "SaveProjecte", .deleteProcedure = "DeleteProjecte"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
