#include "core/binding/BindingSource.h"

namespace velmar {

const com::Members<BindingSource>& BindingSource::Interface() {
    // Windows pass it on; the recordset itself is used from C++.
    static const com::Members<BindingSource> members;
    return members;
}

RecordsetRef BindingSource::From(const com::Variant& value) {
    if (!value.isObject()) return nullptr;
    const com::ObjectRef object = value.toObject();
    auto* source = object ? dynamic_cast<BindingSource*>(object->identity().get()) : nullptr;
    return source ? source->recordset_ : nullptr;
}

}  // namespace velmar
