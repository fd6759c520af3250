// Support service for languages and texts: the language list, the user's
// record and language, the texts of a window and one text by its code.
// A text by code is always read outside any transaction.
#include "SharedOperations.h"

namespace brintel {
namespace {

class SvrIdiomes final : public SupportService {
public:
    SvrIdiomes() : SupportService(Table()) {}

    static const ServiceClass& Table() {
        static const ServiceClass table("SvrIdiomes", {
            FixedLookupList("GetIdiomes", "TTI_Idioma", "CodIdioma"),
            {"GetUsuariById", "MngUsuaris", "GetById", {"lngUsuari"}},
            {"SaveUsuari", "MngUsuaris", "Save", {"strXMLUsuari"}},
            Operation::TextIdioma(),
            Operation("GetTextIdiomaById", "MngIdioma", "GetById", {"strCodiTextIdioma", "lngIdioma"})
                .withoutCaller()
                .record("paramTextIdioma", {{"lngNumIdioma", Param("lngIdioma")},
                                            {"strCodiText", Param("strCodiTextIdioma")}}),
        });
        return table;
    }
};

COM_REGISTER_CLASS(Brintel, SvrIdiomes);

}  // namespace
}  // namespace brintel
