// Service connections (T_Escomesa), listed by zone or by project.
#include "TableManager.h"

namespace quossa {
namespace {

constexpr int32_t kZoneMode = 1;  // any other kind lists a whole project

const ManagerSpec kSpec = [] {
    ManagerSpec spec = TableManager({
        .className = names::MngEscomeses, .table = "T_Escomesa", .key = "NumEscomesa",
        .order = "CodEscomesa", .listProcedure = "GetEscomeses",
        .byKeyProcedure = "GetEscomesaById", .saveProcedure = "SaveEscomesa",
        .deleteProcedure = "DeleteEscomesa", .byKeyForm = com::Digits});
    spec.list.read = ReadFields({names::lngIdentificador, names::lngTipusIdentificador});
    spec.list.sql = [](const Params& p) {
        const std::string identifier = com::Digits(p[0].toLong());
        if (p[1].toLong() == kZoneMode)
            return sql::ListWhere("T_Escomesa", "NumZona", identifier, "CodEscomesa");
        return "Select T_Escomesa.* From T_Escomesa, T_Zona Where T_Escomesa.NumZona = "
               "T_Zona.NumZona And T_Zona.NumProjecte= " +
               identifier + " Order By T_Escomesa.CodEscomesa";
    };
    return spec;
}();

const bool registered [[maybe_unused]] = RegisterManager(kSpec);

}  // namespace
}  // namespace quossa
