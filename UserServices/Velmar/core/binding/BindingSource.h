// A recordset as a window hands it out by member name, so that the
// controls of the window can be bound to it.
#pragma once

#include "Com/Object.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {

class BindingSource final : public com::Dispatch<BindingSource> {
public:
    static constexpr const char* kClassName = "Recordset";
    static const com::Members<BindingSource>& Interface();

    explicit BindingSource(RecordsetRef recordset) : recordset_(std::move(recordset)) {}
    const RecordsetRef& recordset() const { return recordset_; }

    // The recordset a property of a window returned, or none when the value
    // is not one.
    static RecordsetRef From(const com::Variant& value);

private:
    RecordsetRef recordset_;
};

}  // namespace velmar
