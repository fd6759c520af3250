// Support service for the element tree of one service connection, and the
// connection row itself.
#include "SharedOperations.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SvrEscomesaElements, {
    ElementsOfServiceConnection(GetEscomesaElements, false),
    {GetElementById, MngEscomesaElements, Entity::GetById, {"lngEscomesaElement"}},
    {SaveEscomesaElement, MngEscomesaElements, Entity::Save, {"strXMLEscomesaElements"}},
    {DeleteEscomesaElement, MngEscomesaElements, Entity::Delete, {"lngEscomesaElement"}},
    {GetEmptyRecordset, MngEscomesaElements, Entity::GetEmpty},
    ServiceOperation::WindowTexts(),
    {GetEscomesaById, MngEscomeses, Entity::GetById, {"lngEscomesa"}},
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
