// Clients (T_Client).
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngClients, .table = "T_Client", .key = "NumClient", .order = "NomClient",
    .listProcedure = "GetClients", .byKeyProcedure = "GetClientById",
    .saveProcedure = "SaveClient", .deleteProcedure = "DeleteClient"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
