// Support service for luminaire patterns, through MngPatronsLluminaria,
// which the entity library does not offer: its four pattern operations fail
// at creation. GetListAuxiliar takes no arguments and so names no table: it
// hands the lookup-table manager an empty variant, which that manager
// refuses.
#include "SupportService.h"

namespace brintel {
namespace {

class SvrPatronsLluminaria final : public SupportService {
public:
    SvrPatronsLluminaria() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrPatronsLluminaria", {
            {"GetPatronsLluminaria", "MngPatronsLluminaria", "GetList", {"strCondicions"}},
            {"SavePatroLluminaria", "MngPatronsLluminaria", "Save", {"strXMLPatroLluminaria"}},
            {"DeletePatroLluminaria", "MngPatronsLluminaria", "Delete", {"lngPatroLluminaria"}},
            {"GetEmptyRecordset", "MngPatronsLluminaria", "GetEmpty"},
            Operation::TextIdioma(),
            {"GetListAuxiliar", "MngTaulesAuxiliars", "GetList"},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrPatronsLluminaria);

}  // namespace
}  // namespace brintel
