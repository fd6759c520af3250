#include "EntityCore.h"

#include "clsFuncionsSubCapaEntitats.h"

namespace quossa {

EntityCore::EntityCore() = default;
EntityCore::~EntityCore() = default;

com::Variant EntityCore::runProcedure(const com::ObjectRef& self, std::string_view procedure,
                                      com::Variant failure, const ProcedureBody& body) {
    errors.clear();
    try {
        if (!factory_) factory_ = std::make_shared<clsFuncionsSubCapaEntitats>();
        com::Variant caller(self);
        data_ = factory_->CreaObjecteDades(&caller);
        if (factory_->errors.NumError != 0) {
            errors.UbicacioError = factory_->errors.UbicacioError;
            com::Raise(factory_->errors.NumError);
        }
        com::Variant result = body(data_);
        raiseIfFailed(data_);
        data_.reset();
        return result;
    } catch (...) {
        errors.fail(com::ErrorNumber(std::current_exception()), base::label::Quossa,
                    self->className(), procedure);
        return failure;
    }
}

void EntityCore::raiseIfFailed(const com::ObjectRef& data) {
    const int32_t number = com::Get(data, "NumError").toLong();
    if (number == 0) return;
    errors.UbicacioError = com::Get(data, "UbicacioError").toString();
    com::Raise(number);
}

}  // namespace quossa
