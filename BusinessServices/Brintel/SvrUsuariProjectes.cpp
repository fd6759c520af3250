// Support service of the user-project dialog: the projects one user may
// open, added and removed one pair at a time, and the user list.
#include "SupportService.h"

namespace brintel {
namespace {

class SvrUsuariProjectes final : public SupportService {
public:
    SvrUsuariProjectes() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrUsuariProjectes", {
            {"GetUsuaris", "MngUsuaris", "GetList"},
            {"GetUsuariProjectes", "MngUsuariProjectes", "GetById", {"lngUsuari"}},
            {"SaveUsuariProjecte", "MngUsuariProjectes", "Save", {"strXMLUsuariProjectes"}},
            Operation("DeleteUsuariProjecte", "MngUsuariProjectes", "Delete", {"lngUsuari", "lngProjecte"})
                .record("paramUsuariProjecte", {{"lngUsuari", Param("lngUsuari")},
                                                {"lngProjecte", Param("lngProjecte")}}),
            {"GetEmptyRecordset", "MngUsuariProjectes", "GetEmpty"},
            Operation::TextIdioma(),
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrUsuariProjectes);

}  // namespace
}  // namespace brintel
