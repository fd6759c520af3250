#include "Error.h"

#include <new>

namespace base {

namespace {

const char* DefaultMessage(int32_t number) {
    switch (number) {
        case err::InvalidProcedureCall: return "Invalid procedure call or argument";
        case err::Overflow: return "Overflow";
        case err::OutOfMemory: return "Out of memory";
        case err::TypeMismatch: return "Type mismatch";
        case err::InvalidUseOfNull: return "Invalid use of Null";
        case err::ObjectRequired: return "Object required";
        case err::CannotCreateObject: return "ActiveX component can't create object";
        case err::MemberNotFound: return "Object doesn't support this property or method";
        case err::ArgumentNotOptional: return "Argument not optional";
        case err::WrongArgumentCount: return "Wrong number of arguments";
        case err::RemoteMachineUnavailable: return "The remote server machine does not exist or is unavailable";
        case err::CallTimedOut: return "This operation returned because the timeout period expired";
        case err::InvalidPicture: return "Invalid picture";
        case err::DatabaseFile: return "A file of the database the program has open";
        default: return "Application-defined or object-defined error";
    }
}

}  // namespace

Error::Error(int32_t number, const std::string& message)
    : std::runtime_error(message.empty() ? DefaultMessage(number) : message), number_(number), description_(message) {}

void Raise(int32_t number, const std::string& message) { throw Error(number, message); }

int32_t ErrorNumber(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        return e.number();
    } catch (const std::bad_alloc&) {
        return err::OutOfMemory;
    } catch (...) {
        return err::AutomationError;
    }
}

std::string ErrorMessage(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown failure";
    }
}

std::string ErrorDescription(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        return e.description();
    } catch (const std::bad_alloc&) {
        return {};
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return {};
    }
}

}  // namespace base
