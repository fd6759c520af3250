// Support service for ground patterns, through MngPatronsTerra, which the
// entity library does not offer: its four pattern operations fail at
// creation; the texts and the lookup lists work.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrPatronsTerra final : public SupportService {
public:
    SvrPatronsTerra() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrPatronsTerra", {
            {"GetPatronsTerra", "MngPatronsTerra", "GetList", {"strCondicions"}},
            {"SavePatroTerra", "MngPatronsTerra", "Save", {"strXMLPatroTerra"}},
            {"DeletePatroTerra", "MngPatronsTerra", "Delete", {"lngPatroTerra"}},
            {"GetEmptyRecordset", "MngPatronsTerra", "GetEmpty"},
            Operation::TextIdioma(),
            ListAuxiliar(),
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrPatronsTerra);

}  // namespace
}  // namespace brintel
