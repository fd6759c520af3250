// Support service of the street window: the streets of a project and the
// vertices of one street.
#include "SupportService.h"

namespace brintel {
namespace {

class SvrCarrers final : public SupportService {
public:
    SvrCarrers() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrCarrers", {
            {"GetCarrers", "MngCarrers", "GetList", {"lngCarrer"}},
            {"GetCarrerById", "MngCarrers", "GetById", {"lngCarrer"}},
            {"SaveCarrer", "MngCarrers", "Save", {"strXMLCarrer"}},
            {"DeleteCarrer", "MngCarrers", "Delete", {"lngCarrer"}},
            {"GetEmptyRecordset", "MngCarrers", "GetEmpty"},
            Operation::TextIdioma(),
            {"GetCarrerPunts", "MngCarrerPunts", "GetList", {"lngCarrer"}},
            {"SaveCarrerPunt", "MngCarrerPunts", "Save", {"strXMLCarrerPunts"}},
            {"DeleteCarrerPunts", "MngCarrerPunts", "Delete", {"lngCarrer"}},
            {"GetEmptyRstCarrerPunts", "MngCarrerPunts", "GetEmpty"},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrCarrers);

}  // namespace
}  // namespace brintel
