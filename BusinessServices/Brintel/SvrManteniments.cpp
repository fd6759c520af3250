// Support service of the maintenance-type window: maintenance types, and
// the project list.
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrManteniments, {
    {GetManteniments, MngManteniments, Entity::GetList},
    {GetMantenimentById, MngManteniments, Entity::GetById, {"lngManteniment"}},
    {SaveManteniment, MngManteniments, Entity::Save, {"strXMLManteniment"}},
    {DeleteManteniment, MngManteniments, Entity::Delete, {"lngManteniment"}},
    {GetEmptyRecordset, MngManteniments, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    {GetProjectes, MngProjectes, Entity::GetList},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
