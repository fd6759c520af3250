// Support service for languages and texts: the language list, the user's
// record and language, the texts of a window and one text by its code.
// A text by code is always read outside any transaction.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrIdiomes, {
    FixedLookupList(GetIdiomes, "TTI_Idioma", "CodIdioma"),
    {GetUsuariById, MngUsuaris, Entity::GetById, {"lngUsuari"}},
    {SaveUsuari, MngUsuaris, Entity::Save, {"strXMLUsuari"}},
    ServiceOperation::WindowTexts(),
    ServiceOperation(GetTextIdiomaById, MngIdioma, Entity::GetById, {"strCodiTextIdioma", "lngIdioma"})
        .withoutCaller()
        .record(paramTextIdioma, {{lngNumIdioma, Param("lngIdioma")},
                                  {strCodiText, Param("strCodiTextIdioma")}}),
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
