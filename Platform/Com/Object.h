// Objects reachable by member name.
//
// Every class of the components derives from Object and answers late-bound
// calls by name: methods, and properties read (Get), assigned a value (Let)
// or assigned an object (Set). Names are matched without regard to case.
// Arguments travel as a span of variants that the callee may change, which
// is how arguments passed by reference come back to the caller.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "Base/Trail.h"
#include "ComError.h"
#include "Variant.h"

namespace com {

enum class CallKind { Method, Get, Let, Set };

using Args = std::span<Variant>;

class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;

    // The run-time class name (what TypeName reports).
    virtual std::string className() const = 0;

    // The late-bound entry. Raises 438 when the object has no member of
    // that name and kind; a failure inside the member arrives as its error.
    virtual Variant invoke(std::string_view member, CallKind kind, Args args) = 0;

    // invoke() for a caller that takes the result as an object
    // (Variant::toObject): a proxy may then go on without waiting for it
    // (RemoteChannel.h).
    virtual ObjectRef invokeForObject(std::string_view member, CallKind kind, Args args) {
        return invoke(member, kind, args).toObject();
    }

    // The object behind a view (an interface of another object): the
    // object itself for everything but views.
    virtual ObjectRef identity() { return shared_from_this(); }

    // The fields that its properties NumError and UbicacioError read, when
    // they are those of ErrorProperties (ErrorProperties.h); else none.
    virtual const base::ErrorFields* errorFields() { return nullptr; }
};

// Late-bound calls on a reference; 424 when the reference is none.
// Call passes copies; CallRef passes the caller's variants by reference.
Variant Call(const ObjectRef& target, std::string_view method, std::vector<Variant> args = {});
Variant CallRef(const ObjectRef& target, std::string_view method, Args args);
Variant Get(const ObjectRef& target, std::string_view property);
// Call(...).toObject(), which a proxy may answer at once, leaving the call
// to run at the object server before the next one (RemoteChannel.h).
[[nodiscard]] ObjectRef CallForObject(const ObjectRef& target, std::string_view method, std::vector<Variant> args = {});
void Let(const ObjectRef& target, std::string_view property, Variant value);
void Set(const ObjectRef& target, std::string_view property, ObjectRef value);

// Argument i of a call; 449 when the caller passed fewer.
Variant& Arg(Args args, size_t i);
// Argument i when present, otherwise nullptr (optional arguments).
Variant* OptionalArg(Args args, size_t i);

// The members of one interface of class T, looked up by name.
template <class T>
class Members {
public:
    using Method = std::function<Variant(T&, Args)>;
    using Getter = std::function<Variant(T&)>;
    using Putter = std::function<void(T&, const Variant&)>;

    Members& method(std::string_view name, Method body) {
        entries_.push_back({std::string(name), std::move(body), {}, {}, {}});
        return *this;
    }
    Members& property(std::string_view name, Getter get, Putter let = {}, Putter set = {}) {
        entries_.push_back({std::string(name), {}, std::move(get), std::move(let), std::move(set)});
        return *this;
    }

    Variant invoke(T& self, std::string_view name, CallKind kind, Args args) const {
        for (const Entry& e : entries_) {
            if (!SameName(e.name, name)) continue;
            switch (kind) {
                case CallKind::Method:
                    if (e.method) return e.method(self, args);
                    // A property read with call syntax reads it.
                    if (e.get && args.empty()) return e.get(self);
                    break;
                case CallKind::Get:
                    if (e.get) return e.get(self);
                    if (e.method) return e.method(self, args);
                    break;
                case CallKind::Let:
                    if (e.let) { e.let(self, Arg(args, 0)); return {}; }
                    break;
                case CallKind::Set:
                    if (e.set) { e.set(self, Arg(args, 0)); return {}; }
                    break;
            }
        }
        Raise(err::MemberNotFound, "Object doesn't support this property or method: " +
                                       std::string(name));
    }

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const Entry& e : entries_) out.push_back(e.name);
        return out;
    }

    // Marks NumError and UbicacioError as the first members, reading the
    // fields of T (ErrorProperties does it).
    Members& readingErrorFields() {
        readsErrorFields_ = true;
        return *this;
    }
    const base::ErrorFields* errorFields(T& self) const {
        if constexpr (std::is_base_of_v<base::ErrorFields, T>) {
            if (readsErrorFields_) return &static_cast<base::ErrorFields&>(self);
        }
        return nullptr;
    }

private:
    struct Entry {
        std::string name;
        Method method;
        Getter get;
        Putter let;
        Putter set;
    };
    std::vector<Entry> entries_;
    bool readsErrorFields_ = false;
};

// An interface of an object other than its own: the same object, answering
// with another set of members. Its class name is the object's.
template <class T>
class View final : public Object {
public:
    View(std::shared_ptr<T> owner, const Members<T>& members)
        : owner_(std::move(owner)), members_(members) {}
    std::string className() const override { return owner_->className(); }
    Variant invoke(std::string_view member, CallKind kind, Args args) override {
        return members_.invoke(*owner_, member, kind, args);
    }
    ObjectRef identity() override { return owner_; }
    const base::ErrorFields* errorFields() override { return members_.errorFields(*owner_); }

private:
    std::shared_ptr<T> owner_;
    const Members<T>& members_;
};

// Base of a class whose own interface is the static member table
// T::Interface() and whose class name is T::kClassName.
template <class T>
class Dispatch : public Object {
public:
    std::string className() const override { return std::string(T::kClassName); }
    Variant invoke(std::string_view member, CallKind kind, Args args) override {
        return T::Interface().invoke(static_cast<T&>(*this), member, kind, args);
    }
    const base::ErrorFields* errorFields() override { return T::Interface().errorFields(static_cast<T&>(*this)); }

protected:
    // This object seen through another of its interfaces.
    ObjectRef viewAs(const Members<T>& members) {
        return std::make_shared<View<T>>(std::static_pointer_cast<T>(shared_from_this()), members);
    }
};

}  // namespace com
