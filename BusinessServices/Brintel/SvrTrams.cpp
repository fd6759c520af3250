// Support service of the cable-segment window: the segments that leave a
// service connection with their vertices, the connections of a project,
// the output lines of a connection and lookup lists.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrTrams final : public SupportService {
public:
    SvrTrams() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrTrams", {
            {"GetTrams", "MngTrams", "GetList", {"lngEscomesa"}},
            {"SaveTram", "MngTrams", "Save", {"strXMLTram"}},
            {"DeleteTram", "MngTrams", "Delete", {"lngTram"}},
            {"GetEmptyRecordset", "MngTrams", "GetEmpty"},
            Operation::TextIdioma(),
            ListAuxiliar(),
            {"GetTramPunts", "MngTramPunts", "GetList", {"lngTram"}},
            {"SaveTramPunts", "MngTramPunts", "Save", {"strXMLTramPunts"}},
            {"DeleteTramPunts", "MngTramPunts", "Delete", {"lngTram"}},
            {"GetEmptyRstTramPunts", "MngTramPunts", "GetEmpty"},
            EscomesesOfProject(),
            ElementsOfEscomesa("GetLiniesSortida", true),
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrTrams);

}  // namespace
}  // namespace brintel
