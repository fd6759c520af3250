// The projects each user may open (T_UsuariProjecte). An assignment is the
// pair of a user and a project: GetByID gives the projects of one user,
// Delete removes one pair given by a record, and there is no list.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerSpec kSpec = [] {
    ManagerSpec spec = TableManager({
        .className = names::MngUsuariProjectes, .table = "T_UsuariProjecte", .key = "NumUsuari",
        .saveProcedure = "SaveUsuariProjecte", .deleteProcedure = "DeleteUsuariProjecte"});
    spec.byKey.procedure = "GetUsuariProjectes";
    spec.byKey.sql = [](const Params& p) {
        return "Select T_Projecte.* From T_Projecte Inner Join T_UsuariProjecte On "
               "T_Projecte.NumProjecte = T_UsuariProjecte.NumProjecte Where "
               "T_UsuariProjecte.NumUsuari = " +
               com::Str(p[0].toLong()) + " Order By T_Projecte.NumProjecte";
    };
    spec.remove.read = ReadFields({names::lngUsuari, names::lngProjecte});
    spec.remove.sql = [](const Params& p) {
        return "Delete * From T_UsuariProjecte Where NumUsuari = " + com::Str(p[0].toLong()) +
               " And NumProjecte = " + com::Str(p[1].toLong());
    };
    return spec;
}();

const bool registered [[maybe_unused]] = RegisterManager(kSpec);

}  // namespace
}  // namespace quossa
