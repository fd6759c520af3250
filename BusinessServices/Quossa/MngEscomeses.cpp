// Service connections (T_Escomesa), listed by zone or by project.
#include "TableManager.h"

namespace quossa {
namespace {

constexpr int32_t kZoneMode = 1;  // any other kind lists a whole project

const ManagerDeclaration kDeclaration = [] {
    ManagerDeclaration declaration = TableManager({
        .className = names::MngEscomeses, .table = "T_Escomesa", .key = "NumEscomesa",
        .order = "CodEscomesa", .listProcedure = "GetEscomeses",
        .byKeyProcedure = "GetEscomesaById", .saveProcedure = "SaveEscomesa",
        .deleteProcedure = "DeleteEscomesa", .byKeyForm = com::Digits});
    declaration.list.read = ReadFields({names::lngIdentificador, names::lngTipusIdentificador});
    declaration.list.sql = [](const Params& p) {
        const std::string identifier = com::Digits(p[0].toLong());
        if (p[1].toLong() == kZoneMode)
            return sql::ListWhere("T_Escomesa", "NumZona", identifier, "CodEscomesa");
        return "Select T_Escomesa.* From T_Escomesa, T_Zona Where T_Escomesa.NumZona = "
               "T_Zona.NumZona And T_Zona.NumProjecte= " +
               identifier + " Order By T_Escomesa.CodEscomesa";
    };
    return declaration;
}();

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
