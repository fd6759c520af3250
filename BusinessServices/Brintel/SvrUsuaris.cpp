// Support service of the user window: users, security levels, languages
// and projects.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrUsuaris, {
    {GetUsuaris, MngUsuaris, Entity::GetList},
    {GetUsuariById, MngUsuaris, Entity::GetById, {"lngUsuari"}},
    {SaveUsuari, MngUsuaris, Entity::Save, {"strXMLUsuari"}},
    {DeleteUsuari, MngUsuaris, Entity::Delete, {"lngUsuari"}},
    {GetEmptyRecordset, MngUsuaris, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    FixedLookupList(GetNivellsSeguretat, "TTU_NivellSeguretat", "NumNivellSeguretat"),
    FixedLookupList(GetIdiomes, "TTI_Idioma", "CodIdioma"),
    {GetProjectes, MngProjectes, Entity::GetList},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
