// Support service of the client window: clients, and the project list.
#include "SupportService.h"

namespace brintel {
namespace {

class SvrClients final : public SupportService {
public:
    SvrClients() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrClients", {
            {"GetClients", "MngClients", "GetList"},
            {"GetClientById", "MngClients", "GetById", {"lngClient"}},
            {"SaveClient", "MngClients", "Save", {"strXMLClient"}},
            {"DeleteClient", "MngClients", "Delete", {"lngClient"}},
            {"GetEmptyRecordset", "MngClients", "GetEmpty"},
            Operation::TextIdioma(),
            {"GetProjectes", "MngProjectes", "GetList"},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrClients);

}  // namespace
}  // namespace brintel
