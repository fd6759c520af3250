// The state every entity manager and the transaction manager keep, and the
// steps every private procedure of theirs runs around its one call on a
// data object of the data access service.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "Com/Object.h"
#include "Base/Trail.h"

namespace quossa {

class clsFuncionsSubCapaEntitats;

class EntityCore {
public:
    EntityCore();
    ~EntityCore();

    base::ErrorFields errors;
    com::ObjectRef IdTransaccio;  // the caller's transaction connection, or none

protected:
    // One private procedure: clears the error fields, obtains a data object
    // through the factory (passing `self`, the caller whose transaction the
    // data object joins), runs `body` on it, checks the data object's error
    // and releases it. A failure anywhere stores its number, appends
    // "Quossa - <class> - <procedure>" to the trail and returns `failure`.
    using ProcedureBody = std::function<com::Variant(const com::ObjectRef& data)>;
    com::Variant runProcedure(const com::ObjectRef& self, std::string_view procedure,
                              com::Variant failure, const ProcedureBody& body);

    // When the data object reports an error, takes its trail (replacing
    // this object's) and raises its number.
    void raiseIfFailed(const com::ObjectRef& data);

private:
    std::shared_ptr<clsFuncionsSubCapaEntitats> factory_;  // created on first use, then kept
    com::ObjectRef data_;  // a failed procedure leaves its data object here
};

// NumError, UbicacioError and IdTransaccio as every view of an entity
// object offers them: lets convert, sets of the two error fields do
// nothing, IdTransaccio stores whatever reference it is given.
template <class T>
com::Members<T> EntityProperties() {
    com::Members<T> m;
    m.property(
         "NumError", [](T& s) { return com::Variant(s.errors.NumError); },
         [](T& s, const com::Variant& v) { s.errors.NumError = v.toLong(); },
         [](T&, const com::Variant&) {})
        .property(
            "UbicacioError", [](T& s) { return com::Variant(s.errors.UbicacioError); },
            [](T& s, const com::Variant& v) { s.errors.UbicacioError = v.toString(); },
            [](T&, const com::Variant&) {})
        .property(
            "IdTransaccio", [](T& s) { return com::Variant(s.IdTransaccio); }, {},
            [](T& s, const com::Variant& v) { s.IdTransaccio = v.toObject(); });
    return m;
}

}  // namespace quossa
