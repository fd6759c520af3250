// Map points of a service connection (CapaEscomesa), listed by X
// coordinate. Rows have no key of their own here: the list and the delete
// take the connection, written as plain digits, and GetByID is not offered.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerSpec kSpec = [] {
    ManagerSpec spec = TableManager({
        .className = names::MngEscomesaPunts, .table = "CapaEscomesa", .key = "NumEscomesa",
        .order = "CoordenadaX", .listProcedure = "GetEscomesaPunts",
        .saveProcedure = "SaveEscomesaPunts", .deleteProcedure = "DeleteEscomesaPunts",
        .listFilter = "NumEscomesa", .listForm = com::Digits});
    // This delete text has a blank of its own before the column.
    spec.remove.sql = [](const Params& p) {
        return "Delete * From CapaEscomesa Where  NumEscomesa = " + com::Digits(p[0].toLong());
    };
    return spec;
}();

const bool registered [[maybe_unused]] = RegisterManager(kSpec);

}  // namespace
}  // namespace quossa
