// The projects each user may open (T_UsuariProjecte). An assignment is the
// pair of a user and a project: GetByID gives the projects of one user,
// Delete removes one pair given by a record, and there is no list.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = [] {
    ManagerDeclaration declaration = TableManager({
        .className = names::MngUsuariProjectes, .table = "T_UsuariProjecte", .key = "NumUsuari",
        .saveProcedure = "SaveUsuariProjecte", .deleteProcedure = "DeleteUsuariProjecte"});
    declaration.byKey.procedure = "GetUsuariProjectes";
    declaration.byKey.sql = [](const Params& p) {
        return "Select T_Projecte.* From T_Projecte Inner Join T_UsuariProjecte On "
               "T_Projecte.NumProjecte = T_UsuariProjecte.NumProjecte Where "
               "T_UsuariProjecte.NumUsuari = " +
               com::Str(p[0].toLong()) + " Order By T_Projecte.NumProjecte";
    };
    declaration.remove.read = ReadFields({names::lngUsuari, names::lngProjecte});
    declaration.remove.sql = [](const Params& p) {
        return "Delete * From T_UsuariProjecte Where NumUsuari = " + com::Str(p[0].toLong()) +
               " And NumProjecte = " + com::Str(p[1].toLong());
    };
    return declaration;
}();

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
