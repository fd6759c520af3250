// The data-object factory: a new data object of the data access service,
// joined to the transaction of the object that asks for it.
#pragma once

#include "Com/Object.h"
#include "Base/Trail.h"

namespace quossa {

class clsFuncionsSubCapaEntitats : public com::Dispatch<clsFuncionsSubCapaEntitats> {
public:
    static constexpr const char* kClassName = "clsFuncionsSubCapaEntitats";
    static const com::Members<clsFuncionsSubCapaEntitats>& Interface();

    // A new "Dravik.clsBD". When `caller` is given, its transaction handle,
    // read by name through its GetIT view (the transaction manager) or its
    // GetIV view (every other caller), goes to the new object. On failure:
    // none, with NumError and the factory's trail entry set.
    com::ObjectRef CreaObjecteDades(const com::Variant* caller);

    base::ErrorFields errors;
};

}  // namespace quossa
