// Support service for ground patterns, through MngPatronsTerra, which the
// entity library does not offer: its four pattern operations fail at
// creation; the texts and the lookup lists work.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrPatronsTerra, {
    {GetPatronsTerra, missing::MngPatronsTerra, Entity::GetList, {"strCondicions"}},
    {SavePatroTerra, missing::MngPatronsTerra, Entity::Save, {"strXMLPatroTerra"}},
    {DeletePatroTerra, missing::MngPatronsTerra, Entity::Delete, {"lngPatroTerra"}},
    {GetEmptyRecordset, missing::MngPatronsTerra, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    LookupList(),
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
