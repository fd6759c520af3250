// The data-object factory: a new data object of the data access service,
// joined to the transaction of the object that asks for it.
#pragma once

#include "Com/ErrorProperties.h"
#include "Com/Object.h"
#include "QuossaNames.h"

namespace quossa {

class clsFuncionsSubCapaEntitats : public com::Dispatch<clsFuncionsSubCapaEntitats>,
                                   public base::ErrorFields {
public:
    static constexpr std::string_view kClassName = names::clsFuncionsSubCapaEntitats;
    static const com::Members<clsFuncionsSubCapaEntitats>& Interface();

    // A new "Dravik.clsBD". When `caller` is given, its transaction handle,
    // read by name through its GetIT view (the transaction manager) or its
    // GetIV view (every other caller), goes to the new object. On failure:
    // none, with NumError and the factory's trail entry set.
    [[nodiscard]] com::ObjectRef CreaObjecteDades(const com::Variant* caller);
};

}  // namespace quossa
