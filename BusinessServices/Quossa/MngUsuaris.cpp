// Users of the program (T_Usuari).
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = TableManager({
    .className = names::MngUsuaris, .table = "T_Usuari", .key = "NumUsuari", .order = "NomUsuari",
    .listProcedure = "GetUsuaris", .byKeyProcedure = "GetUsuariById",
    .saveProcedure = "SaveUsuari", .deleteProcedure = "DeleteUsuari"});

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
