#include "EntityCore.h"

#include "clsFuncionsSubCapaEntitats.h"

namespace quossa {

EntityCore::EntityCore() = default;
EntityCore::~EntityCore() = default;

com::Variant EntityCore::runProcedure(const com::ObjectRef& self, std::string_view procedure,
                                      com::Variant failure, const ProcedureBody& body) {
    const std::string className = self->className();
    return base::Guard(*this, {base::label::Quossa, className}, procedure, std::move(failure), [&] {
        if (!factory_) factory_ = std::make_shared<clsFuncionsSubCapaEntitats>();
        com::Variant caller(self);
        data_ = base::CallChecked(*factory_, &clsFuncionsSubCapaEntitats::CreaObjecteDades, &caller);
        com::Variant result = body(data_);
        com::RaiseReported(data_);
        data_.reset();
        return result;
    });
}

}  // namespace quossa
