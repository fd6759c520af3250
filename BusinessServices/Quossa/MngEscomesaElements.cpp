// Elements inside a service connection (T_EscomesaElements). The list
// holds every element of a connection, or only its output lines (elements
// of the type "Sortida"), each with the code of its value.
#include "TableManager.h"

namespace quossa {
namespace {

const ManagerDeclaration kDeclaration = [] {
    ManagerDeclaration declaration = TableManager({
        .className = names::MngEscomesaElements, .table = "T_EscomesaElements", .key = "NumElement",
        .listProcedure = "GetEscomesaElements", .byKeyProcedure = "GetElementById",
        .saveProcedure = "SaveEscomesaElement", .deleteProcedure = "DeleteEscomesaElement"});
    declaration.list.read = ReadFields({names::lngEscomesa, names::bolNomesSortida});
    declaration.list.sql = [](const Params& p) {
        const std::string order =
            " Order By T_EscomesaElements.NumElementTipus,T_EscomesaElements.NumElementCodi, "
            "T_EscomesaElements.NumElementValor";
        const std::string connection = com::Str(p[0].toLong());
        if (!p[1].toBool())
            return "Select * From T_EscomesaElements Where NumEscomesa = " + connection + order;
        return "Select T_EscomesaElements.*, TTE_ElementValor.CodElementValor From "
               "T_EscomesaElements, TTE_ElementTipus, TTE_ElementValor Where "
               "T_EscomesaElements.NumElementTipus =  TTE_ElementTipus.NumElementTipus And "
               "TTE_ElementValor.NumElementValor = T_EscomesaElements.NumElementValor And "
               "TTE_ElementTipus.CodElementTipus = 'Sortida' And NumEscomesa = " +
               connection + order;
    };
    return declaration;
}();

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
