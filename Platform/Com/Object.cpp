#include "Object.h"

namespace com {

namespace {

const ObjectRef& Target(const ObjectRef& target) {
    if (!target) Raise(err::ObjectRequired);
    return target;
}

}  // namespace

Variant Call(const ObjectRef& target, std::string_view method, std::vector<Variant> args) {
    return Target(target)->invoke(method, CallKind::Method, args);
}

Variant CallRef(const ObjectRef& target, std::string_view method, Args args) {
    return Target(target)->invoke(method, CallKind::Method, args);
}

ObjectRef CallForObject(const ObjectRef& target, std::string_view method, std::vector<Variant> args) {
    return Target(target)->invokeForObject(method, CallKind::Method, args);
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
