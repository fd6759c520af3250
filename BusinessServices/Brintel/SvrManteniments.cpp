// Support service of the maintenance-type window: maintenance types, and
// the project list.
#include "SupportService.h"

namespace brintel {
namespace {

class SvrManteniments final : public SupportService {
public:
    SvrManteniments() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrManteniments", {
            {"GetManteniments", "MngManteniments", "GetList"},
            {"GetMantenimentById", "MngManteniments", "GetById", {"lngManteniment"}},
            {"SaveManteniment", "MngManteniments", "Save", {"strXMLManteniment"}},
            {"DeleteManteniment", "MngManteniments", "Delete", {"lngManteniment"}},
            {"GetEmptyRecordset", "MngManteniments", "GetEmpty"},
            Operation::TextIdioma(),
            {"GetProjectes", "MngProjectes", "GetList"},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrManteniments);

}  // namespace
}  // namespace brintel
