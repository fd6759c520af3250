// Support service of the lookup-table editor: any table its caller names,
// listed with a filter and an order, read and deleted by one field's value,
// saved from a change set and fetched empty. Names reach the entity layer
// unchanged; the entity layer accepts only tables and columns that exist.
#include "SupportService.h"

namespace brintel {
namespace {

class SvrTaulesAuxiliars final : public SupportService {
public:
    SvrTaulesAuxiliars() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrTaulesAuxiliars", {
            Operation("GetListAuxiliar", "MngTaulesAuxiliars", "GetList",
                      {"strTaula", "strNomCampFiltre", "lngValorCampFiltre", "strOrdre"})
                .record("paramListTaulaAuxiliar", {{"strNomTaula", Param("strTaula")},
                                                   {"strNomCampFiltre", Param("strNomCampFiltre")},
                                                   {"lngValorCampFiltre", Param("lngValorCampFiltre")},
                                                   {"strNomCampOrdre", Param("strOrdre")}}),
            Operation("GetRegistreById", "MngTaulesAuxiliars", "GetById",
                      {"strNomTaula", "strNomCampIdentificador", "lngValorIdentificador"})
                .record("paramTaulaAuxiliar", {{"strNomTaula", Param("strNomTaula")},
                                               {"strNomCampIdentificador", Param("strNomCampIdentificador")},
                                               {"lngValorIdentificador", Param("lngValorIdentificador")}}),
            {"SaveTaulaAuxiliar", "MngTaulesAuxiliars", "Save", {"strXMLTaulaAuxiliar"}},
            Operation("DeleteTaulaAuxiliar", "MngTaulesAuxiliars", "Delete",
                      {"strNomTaula", "strNomCampIdentificador", "lngValorCampIdentificador"})
                .record("paramTaulaAuxiliar", {{"strNomTaula", Param("strNomTaula")},
                                               {"strNomCampIdentificador", Param("strNomCampIdentificador")},
                                               {"lngValorIdentificador", Param("lngValorCampIdentificador")}}),
            {"GetEmptyRecordset", "MngTaulesAuxiliars", "GetEmpty", {"strNomTaula"}},
            Operation::TextIdioma(),
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrTaulesAuxiliars);

}  // namespace
}  // namespace brintel
