// Support service of the project window: projects, and the clients,
// maintenance types and zones it refers to. Every operation but GetZones
// hands IdTransaccio to the view once more before its call.
#include "SupportService.h"

namespace brintel {
namespace {

class SvrProjectes final : public SupportService {
public:
    SvrProjectes() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrProjectes", {
            Operation("GetProjectes", "MngProjectes", "GetList").resendsTransaction(),
            Operation("GetProjecteById", "MngProjectes", "GetById", {"lngProjecte"}).resendsTransaction(),
            Operation("SaveProjecte", "MngProjectes", "Save", {"strXMLProjecte"}).resendsTransaction(),
            Operation("DeleteProjecte", "MngProjectes", "Delete", {"lngProjecte"}).resendsTransaction(),
            Operation("GetEmptyRecordset", "MngProjectes", "GetEmpty").resendsTransaction(),
            Operation("GetClients", "MngClients", "GetList").resendsTransaction(),
            Operation("GetTipusManteniment", "MngManteniments", "GetList")
                .resendsTransaction()
                .literal("GetManteniment"),
            Operation::TextIdioma(),
            {"GetZones", "MngZones", "GetList", {"lngProjecte"}},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrProjectes);

}  // namespace
}  // namespace brintel
