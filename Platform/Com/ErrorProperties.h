// The error fields (and the transaction handle) as the late-bound
// properties NumError, UbicacioError and IdTransaccio, declared once for
// every class under the error convention (Base/Guard.h).
#pragma once

#include <string_view>
#include <type_traits>
#include <vector>

#include "Base/Guard.h"
#include "Names.h"
#include "Object.h"

namespace com {

namespace names {
COM_NAME(NumError);
COM_NAME(UbicacioError);
COM_NAME(IdTransaccio);
}  // namespace names

// The fields of a class that runs inside its caller's transaction.
struct TransactionFields : base::ErrorFields {
    // The open connection of the caller's transaction, or none.
    ObjectRef IdTransaccio;
};

// What a property set (assigning an object) of NumError or UbicacioError
// does: fails with 438 as for any member without one, or nothing.
enum class ErrorFieldSet { Refused, Ignored };

// NumError and UbicacioError of T (a base::ErrorFields): get, and let
// converting to a 32-bit integer and to text.
template <class T>
Members<T> ErrorProperties(ErrorFieldSet set = ErrorFieldSet::Refused) {
    static_assert(std::is_base_of_v<base::ErrorFields, T>);
    const typename Members<T>::Putter ignored =
        set == ErrorFieldSet::Ignored ? [](T&, const Variant&) {} : typename Members<T>::Putter();
    Members<T> m;
    m.readingErrorFields()
        .property(
            names::NumError, [](T& s) { return Variant(s.NumError); },
            [](T& s, const Variant& v) { s.NumError = v.toLong(); }, ignored)
        .property(
            names::UbicacioError, [](T& s) { return Variant(s.UbicacioError); },
            [](T& s, const Variant& v) { s.UbicacioError = v.toString(); }, ignored);
    return m;
}

// The same, then IdTransaccio of T (a TransactionFields): get, and set
// keeping the reference it is given (none clears it).
template <class T>
Members<T> TransactionProperties(ErrorFieldSet set = ErrorFieldSet::Refused) {
    static_assert(std::is_base_of_v<TransactionFields, T>);
    Members<T> m = ErrorProperties<T>(set);
    m.property(
        names::IdTransaccio, [](T& s) { return Variant(s.IdTransaccio); }, {},
        [](T& s, const Variant& v) { s.IdTransaccio = v.toObject(); });
    return m;
}

// After a call on a callee: when it reports a failure (NumError not 0),
// raises its number with its UbicacioError as the trail so far. The callee
// is reached by name, or directly through its fields.
void RaiseReported(const ObjectRef& callee);
using base::RaiseReported;

// A call by name on a callee under the error convention, then RaiseReported
// on it: one step, so that no caller can call and forget to look. Returns
// what the method returned. CallRefChecked passes the caller's variants by
// reference, as CallRef does.
Variant CallChecked(const ObjectRef& callee, std::string_view method, std::vector<Variant> args = {});
Variant CallRefChecked(const ObjectRef& callee, std::string_view method, Args args);
using base::CallChecked;

}  // namespace com
