// Support service for support patterns and their properties, through
// MngPatronsSuport and MngPropietatsSuport, which the entity library does not
// offer: those five operations fail at creation; the texts and the lookup
// lists work.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrPatronsSuport, {
    {GetPatronsSuport, missing::MngPatronsSuport, Entity::GetList, {"strCondicions"}},
    {SavePatroSuport, missing::MngPatronsSuport, Entity::Save, {"strXMLPatroSuport"}},
    {DeletePatroSuport, missing::MngPatronsSuport, Entity::Delete, {"lngPatroSuport"}},
    {GetEmptyRecordset, missing::MngPatronsSuport, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    LookupList(),
    {SavePropietatSuport, missing::MngPropietatsSuport, Entity::Save, {"strXMLPropietatSuport"}},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
