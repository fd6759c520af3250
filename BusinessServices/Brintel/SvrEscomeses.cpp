// Support service of the service-connection window: the connections of a
// zone with their map points and element trees, the zones and streets of a
// project, and lookup lists.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrEscomeses final : public SupportService {
public:
    SvrEscomeses() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrEscomeses", {
            Operation("GetEscomeses", "MngEscomeses", "GetList", {"lngZona"})
                .record("paramListEscomeses", {{"lngIdentificador", Param("lngZona")},
                                               {"lngTipusIdentificador", Fixed(1)}}),
            {"SaveEscomesa", "MngEscomeses", "Save", {"strXMLEscomesa"}},
            {"DeleteEscomesa", "MngEscomeses", "Delete", {"lngEscomesa"}},
            {"GetEmptyRecordset", "MngEscomeses", "GetEmpty"},
            Operation::TextIdioma(),
            {"GetZones", "MngZones", "GetList", {"lngProjecte"}},
            {"GetCarrers", "MngCarrers", "GetList", {"lngProjecte"}},
            ListAuxiliar(),
            ElementsOfEscomesa("GetElementsEscomesa", false),
            {"GetEscomesaPunts", "MngEscomesaPunts", "GetList", {"lngEscomesa"}},
            {"SaveEscomesaPunts", "MngEscomesaPunts", "Save", {"strXMLEscomesaPunts"}},
            {"SaveEscomesaElement", "MngEscomesaElements", "Save", {"strXMLEscomesaElements"}},
            {"DeleteEscomesaPunts", "MngEscomesaPunts", "Delete", {"lngEscomesa"}},
            {"GetEmptyRstEscomesaPunts", "MngEscomesaPunts", "GetEmpty"},
            {"GetEmptyRstEscomesaElements", "MngEscomesaElements", "GetEmpty"},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrEscomeses);

}  // namespace
}  // namespace brintel
