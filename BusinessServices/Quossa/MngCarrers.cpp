// Streets of a project (T_Carrer).
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = [] {
    ManagerDeclaration declaration = TableManager({
        .className = names::MngCarrers, .table = "T_Carrer", .key = "NumCarrer", .order = "CodCarrer",
        .listProcedure = "GetCarrers", .byKeyProcedure = "GetCarrerById",
        .saveProcedure = "SaveCarrer", .deleteProcedure = "DeleteCarrer",
        .listFilter = "NumProjecte"});
    // The project number arrives as text and is read as a number inside the
    // list procedure: text that holds no number fails there (13), with the
    // procedure's trail entry, rather than failing the call.
    declaration.list.read = ReadText;
    return declaration;
}();

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
