#include "Guard.h"

namespace base {

void RaiseReported(const ErrorFields& callee) { RaiseReported(callee.NumError, callee.UbicacioError); }

void RaiseReported(int32_t number, const std::string& trail) {
    if (number == 0) return;
    throw TrailError(number, "reported by the callee", trail);
}

void StoreFailure(ErrorFields& fields, Location where, std::string_view operation,
                  const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const TrailError& e) {
        // The trail the failure gathered replaces what the fields hold.
        fields.NumError = e.number();
        fields.UbicacioError = e.trail() + TrailEntry(where, operation);
    } catch (...) {
        fields.fail(ErrorNumber(error), where.label, where.className, operation);
    }
}

void PassOnFailure(Location where, std::string_view operation, const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const TrailError& e) {
        throw TrailError(e.number(), e.what(), e.trail() + TrailEntry(where, operation));
    } catch (...) {
        throw TrailError(ErrorNumber(error), ErrorMessage(error), TrailEntry(where, operation));
    }
}

}  // namespace base
