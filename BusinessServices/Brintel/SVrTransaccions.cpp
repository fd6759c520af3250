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

const ServiceClass kService(names::SVrTransaccions, "SvrTransaccions", {
    Operation(names::BeginTransaction, MngTransaccions, Entity::BeginTransaction).resendsTransaction(),
    Operation(names::CommitTransaction, MngTransaccions, Entity::CommitTransaction).resendsTransaction(),
    Operation(names::RollBackTransaction, MngTransaccions, Entity::RollBackTransaction).resendsTransaction(),
});

const bool registered [[maybe_unused]] = RegisterService(kService);

}  // namespace
}  // namespace brintel
