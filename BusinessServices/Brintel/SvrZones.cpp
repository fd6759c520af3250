// Support service of the zone window: the zones of a project and the
// vertices of one zone.
#include "SupportService.h"

namespace brintel {
namespace {

class SvrZones final : public SupportService {
public:
    SvrZones() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrZones", {
            {"GetZones", "MngZones", "GetList", {"lngProjecte"}},
            {"GetZonaById", "MngZones", "GetById", {"lngZona"}},
            {"SaveZona", "MngZones", "Save", {"strXMLZona"}},
            {"DeleteZona", "MngZones", "Delete", {"lngZona"}},
            {"GetEmptyRecordset", "MngZones", "GetEmpty"},
            Operation::TextIdioma(),
            {"GetZonaPunts", "MngZonaPunts", "GetList", {"lngZona"}},
            {"SaveZonaPunt", "MngZonaPunts", "Save", {"strXMLZonaPunts"}},
            {"DeleteZonaPunt", "MngZonaPunts", "Delete", {"lngZona"}},
            {"GetEmptyRstZonaPunts", "MngZonaPunts", "GetEmpty"},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrZones);

}  // namespace
}  // namespace brintel
