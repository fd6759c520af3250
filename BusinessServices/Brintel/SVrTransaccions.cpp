// The transaction object of the user's session: begins, commits and rolls
// back through the entity layer's transaction manager. Each operation keeps
// the connection the manager returns as IdTransaccio (none once the
// outermost level has ended), also when the manager reports a failure.
// Its trail entries spell the class "SvrTransaccions".
#include "SupportService.h"

namespace brintel {
namespace {

using namespace names;
using namespace quossa::names;

const ServiceDeclaration kService(names::SVrTransaccions, "SvrTransaccions", {
    ServiceOperation(names::BeginTransaction, MngTransaccions, Entity::BeginTransaction).resendsTransaction(),
    ServiceOperation(names::CommitTransaction, MngTransaccions, Entity::CommitTransaction).resendsTransaction(),
    ServiceOperation(names::RollBackTransaction, MngTransaccions, Entity::RollBackTransaction).resendsTransaction(),
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
