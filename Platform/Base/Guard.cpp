#include "Guard.h"

namespace base {

namespace {

StoredFailure& LastStored() {
    thread_local StoredFailure last;
    return last;
}

PostedCallsSettler& Settler() {
    static PostedCallsSettler settler = nullptr;
    return settler;
}

}  // namespace

PostedCalls& ThisThreadsPostedCalls() {
    thread_local PostedCalls calls;
    return calls;
}

void SetPostedCallsSettler(PostedCallsSettler settler) { Settler() = settler; }

void SettlePostedCalls(bool all) {
    if (const PostedCallsSettler settle = Settler()) settle(all);
}

std::exception_ptr MemberRunning::firstFailure(std::exception_ptr error) {
    if (!calls_.any) return error;
    try {
        SettlePostedCalls(true);
    } catch (...) {
        return std::current_exception();
    }
    return error;
}

StoredFailure LastStoredFailure() { return LastStored(); }

void SetLastStoredFailure(StoredFailure failure) { LastStored() = std::move(failure); }

void RaiseReported(const ErrorFields& callee) { RaiseReported(callee.NumError, callee.UbicacioError); }

void RaiseReported(int32_t number, const std::string& trail) {
    if (number == 0) return;
    throw TrailError(number, DescriptionOf(number, trail), trail);
}

std::string DescriptionOf(int32_t number, std::string_view trail) {
    const StoredFailure& last = LastStored();
    if (number == 0 || last.number != number || !trail.starts_with(last.trail)) return {};
    return last.description;
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
    LastStored() = {fields.NumError, fields.UbicacioError, ErrorDescription(error)};
}

void PassOnFailure(Location where, std::string_view operation, const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const TrailError& e) {
        throw TrailError(e.number(), e.description(), e.trail() + TrailEntry(where, operation));
    } catch (...) {
        throw TrailError(ErrorNumber(error), ErrorDescription(error), TrailEntry(where, operation));
    }
}

}  // namespace base
