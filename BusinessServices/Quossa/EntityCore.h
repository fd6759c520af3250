// The state every entity manager and the transaction manager keep, and the
// steps every private procedure of theirs runs around its one call on a
// data object of the data access service.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "Com/ErrorProperties.h"
#include "Com/Object.h"
#include "QuossaNames.h"

namespace quossa {

class clsFuncionsSubCapaEntitats;

// NumError, UbicacioError and IdTransaccio (the caller's transaction
// connection, or none), shared by every view of the object.
class EntityCore : public com::TransactionFields {
public:
    EntityCore();
    ~EntityCore();

protected:
    // One private procedure, under the error convention with the entry
    // "Quossa - <class> - <procedure>": obtains a data object through the
    // factory (passing `self`, the caller whose transaction the data object
    // joins), runs `body` on it, raises the data object's reported failure
    // and releases it. Returns `failure` when anything fails.
    using ProcedureBody = std::function<com::Variant(const com::ObjectRef& data)>;
    com::Variant runProcedure(const com::ObjectRef& self, std::string_view procedure,
                              com::Variant failure, const ProcedureBody& body);

private:
    std::shared_ptr<clsFuncionsSubCapaEntitats> factory_;  // created on first use, then kept
    com::ObjectRef data_;  // a failed procedure leaves its data object here
};

// NumError, UbicacioError and IdTransaccio as every view of an entity
// object offers them: a property set of the two error fields does nothing.
template <class T>
com::Members<T> EntityProperties() {
    return com::TransactionProperties<T>(com::ErrorFieldSet::Ignored);
}

}  // namespace quossa
