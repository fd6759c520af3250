// Cable segments (T_Tram). A segment belongs to a service connection
// through the element it leaves from, so the list of a connection joins
// the connection's elements.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = [] {
    ManagerDeclaration declaration = TableManager({
        .className = names::MngTrams, .table = "T_Tram", .key = "NumTram", .order = "CodTram",
        .listProcedure = "GetTrams", .byKeyProcedure = "GetTramById", .saveProcedure = "SaveTram",
        .deleteProcedure = "DeleteTram"});
    declaration.list.read = ReadLong;
    declaration.list.sql = [](const Params& p) {
        return "Select T_Tram.* From T_Tram, T_EscomesaElements Where "
               "T_Tram.NumElement = T_EscomesaElements.NumElement And "
               "T_EscomesaElements.NumEscomesa = " +
               com::Str(p[0].toLong()) + " Order By T_Tram.CodTram";
    };
    return declaration;
}();

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
