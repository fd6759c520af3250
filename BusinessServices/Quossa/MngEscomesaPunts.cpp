// Map points of a service connection (CapaEscomesa), listed by X
// coordinate. Rows have no key of their own here: the list and the delete
// take the connection, written as plain digits, and GetByID is not offered.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = [] {
    ManagerDeclaration declaration = TableManager({
        .className = names::MngEscomesaPunts, .table = "CapaEscomesa", .key = "NumEscomesa",
        .order = "CoordenadaX", .listProcedure = "GetEscomesaPunts",
        .saveProcedure = "SaveEscomesaPunts", .deleteProcedure = "DeleteEscomesaPunts",
        .listFilter = "NumEscomesa", .listForm = com::Digits});
    // This delete text has a blank of its own before the column.
    declaration.remove.sql = [](const Params& p) {
        return "Delete * From CapaEscomesa Where  NumEscomesa = " + com::Digits(p[0].toLong());
    };
    return declaration;
}();

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
