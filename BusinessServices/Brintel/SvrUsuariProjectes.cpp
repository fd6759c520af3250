// Support service of the user-project dialog: the projects one user may
// open, added and removed one pair at a time, and the user list.
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrUsuariProjectes, {
    {GetUsuaris, MngUsuaris, Entity::GetList},
    {GetUsuariProjectes, MngUsuariProjectes, Entity::GetById, {"lngUsuari"}},
    {SaveUsuariProjecte, MngUsuariProjectes, Entity::Save, {"strXMLUsuariProjectes"}},
    ServiceOperation(DeleteUsuariProjecte, MngUsuariProjectes, Entity::Delete, {"lngUsuari", "lngProjecte"})
        .record(paramUsuariProjecte, {{lngUsuari, Param("lngUsuari")},
                                      {lngProjecte, Param("lngProjecte")}}),
    {GetEmptyRecordset, MngUsuariProjectes, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
