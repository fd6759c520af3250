// Support service for support patterns and their properties, through
// MngPatronsSuport and MngPropietatsSuport, which the entity library does not
// offer: those five operations fail at creation; the texts and the lookup
// lists work.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrPatronsSuport final : public SupportService {
public:
    SvrPatronsSuport() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrPatronsSuport", {
            {"GetPatronsSuport", "MngPatronsSuport", "GetList", {"strCondicions"}},
            {"SavePatroSuport", "MngPatronsSuport", "Save", {"strXMLPatroSuport"}},
            {"DeletePatroSuport", "MngPatronsSuport", "Delete", {"lngPatroSuport"}},
            {"GetEmptyRecordset", "MngPatronsSuport", "GetEmpty"},
            Operation::TextIdioma(),
            ListAuxiliar(),
            {"SavePropietatSuport", "MngPropietatsSuport", "Save", {"strXMLPropietatSuport"}},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrPatronsSuport);

}  // namespace
}  // namespace brintel
