#include "Object.h"

#include <new>

namespace com {

namespace {

const char* DefaultMessage(int32_t number) {
    switch (number) {
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
        case err::InvalidPicture: return "Invalid picture";
        default: return "Application-defined or object-defined error";
    }
}

const ObjectRef& Target(const ObjectRef& target) {
    if (!target) Raise(err::ObjectRequired);
    return target;
}

}  // namespace

void Raise(int32_t number, const std::string& message) {
    throw ComError(number, message.empty() ? DefaultMessage(number) : message);
}

int32_t ErrorNumber(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const ComError& e) {
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

Variant Call(const ObjectRef& target, std::string_view method, std::vector<Variant> args) {
    return Target(target)->invoke(method, CallKind::Method, args);
}

Variant CallRef(const ObjectRef& target, std::string_view method, Args args) {
    return Target(target)->invoke(method, CallKind::Method, args);
}

Variant Get(const ObjectRef& target, std::string_view property) {
    return Target(target)->invoke(property, CallKind::Get, {});
}

void Let(const ObjectRef& target, std::string_view property, Variant value) {
    Target(target)->invoke(property, CallKind::Let, Args(&value, 1));
}

void Set(const ObjectRef& target, std::string_view property, ObjectRef value) {
    Variant v(std::move(value));
    Target(target)->invoke(property, CallKind::Set, Args(&v, 1));
}

Variant& Arg(Args args, size_t i) {
    if (i >= args.size()) Raise(err::ArgumentNotOptional);
    return args[i];
}

Variant* OptionalArg(Args args, size_t i) { return i < args.size() ? &args[i] : nullptr; }

}  // namespace com
