// Support service of the user window: users, security levels, languages
// and projects.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrUsuaris final : public SupportService {
public:
    SvrUsuaris() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrUsuaris", {
            {"GetUsuaris", "MngUsuaris", "GetList"},
            {"GetUsuariById", "MngUsuaris", "GetById", {"lngUsuari"}},
            {"SaveUsuari", "MngUsuaris", "Save", {"strXMLUsuari"}},
            {"DeleteUsuari", "MngUsuaris", "Delete", {"lngUsuari"}},
            {"GetEmptyRecordset", "MngUsuaris", "GetEmpty"},
            Operation::TextIdioma(),
            FixedLookupList("GetNivellsSeguretat", "TTU_NivellSeguretat", "NumNivellSeguretat"),
            FixedLookupList("GetIdiomes", "TTI_Idioma", "CodIdioma"),
            {"GetProjectes", "MngProjectes", "GetList"},
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrUsuaris);

}  // namespace
}  // namespace brintel
