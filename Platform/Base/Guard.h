// The error convention of every class: how a public member reports a
// failure, and how a failure travels up inside a component.
//
// A member runs its body under Guard. Called from outside, it clears
// NumError and UbicacioError on entry; on failure it keeps the number,
// appends its trail entry and returns the empty value: nothing escapes.
// Called while another guarded member of the same object runs, it lets the
// failure go on as an exception that carries the trail so far with its own
// entry added, and the outermost member stores it once. So a member calls
// the other members of its object as plain functions, without testing
// NumError after each: the trail comes out as if every member had stored
// its failure and its caller had raised the number again.
//
// A callee with error fields of its own (another object) reports instead
// of raising: CallChecked calls it and turns what it reported into the
// caller's failure, with the callee's trail in front of the caller's
// entries (RaiseReported is that second step alone, for a callee that
// reports through its arguments). An object that calls a helper object of
// its own many times may instead hold a Nesting on the helper's fields
// while its member runs: the helper's members then pass their failures on
// as exceptions too, and the trail is the same as with CallChecked.
//
// The text an error was raised with (Error's description: for a database
// failure, the engine's own message) travels with it up the same road: each
// member that stores a failure keeps its description for the thread, and
// CallChecked takes it on from the callee, so that whoever shows the
// number and the trail (the window's error box) can show it too
// (DescriptionOf, Error.h).
#pragma once

#include <concepts>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "Error.h"
#include "Posted.h"
#include "Trail.h"

namespace base {

// A failure on its way out of the members of one object, with the trail
// entries gathered so far.
class TrailError : public Error {
public:
    TrailError(int32_t number, const std::string& description, std::string trail)
        : Error(number, description), trail_(std::move(trail)) {}
    const std::string& trail() const { return trail_; }

private:
    std::string trail_;
};

// After a call on a callee with error fields of its own: when it reports a
// failure, raises its number with its trail (and its description).
// Nothing when NumError is 0.
void RaiseReported(const ErrorFields& callee);
// The same for a callee seen only through its two fields.
void RaiseReported(int32_t number, const std::string& trail);

// Calls the member `member` of `callee`, an object with error fields of its
// own, and raises what it reported: the call and its check in one step, so
// that no caller can call and forget to look. Returns what the member
// returned.
template <class Callee, class Member, class... Args>
    requires std::derived_from<Callee, ErrorFields> && std::invocable<Member, Callee&, Args...>
auto CallChecked(Callee& callee, Member member, Args&&... args) {
    if constexpr (std::is_void_v<std::invoke_result_t<Member, Callee&, Args...>>) {
        std::invoke(member, callee, std::forward<Args>(args)...);
        RaiseReported(callee);
    } else {
        auto result = std::invoke(member, callee, std::forward<Args>(args)...);
        RaiseReported(callee);
        return result;
    }
}

// Counts a guarded member of `fields` while it runs (Guard does), or keeps
// another object's members passing their failures on (see above).
class Nesting {
public:
    explicit Nesting(ErrorFields& fields) : fields_(fields) { ++fields_.running_; }
    ~Nesting() { --fields_.running_; }
    // Whether a guarded member of the object runs.
    static bool Running(const ErrorFields& fields) { return fields.running_ > 0; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

private:
    ErrorFields& fields_;
};

// What the handler of the member `operation` does with the exception in
// flight: stores it in `fields` (outermost member) or raises it on with the
// member's entry added (a member inside another).
void StoreFailure(ErrorFields& fields, Location where, std::string_view operation,
                  const std::exception_ptr& error);
[[noreturn]] void PassOnFailure(Location where, std::string_view operation, const std::exception_ptr& error);

// The last failure a member of this thread stored (what DescriptionOf
// reads), and putting another in its place: how a failure that a member
// stored in the process that served a call of the object model reaches the
// thread that made the call, as if the member had run there.
struct StoredFailure {
    int32_t number = 0;  // 0: none
    std::string trail;
    std::string description;
};
StoredFailure LastStoredFailure();
void SetLastStoredFailure(StoredFailure failure);

// Counts a guarded member on its thread while it runs (Posted.h).
class MemberRunning {
public:
    MemberRunning() : calls_(ThisThreadsPostedCalls()) { ++calls_.members; }
    ~MemberRunning() { --calls_.members; }
    MemberRunning(const MemberRunning&) = delete;
    MemberRunning& operator=(const MemberRunning&) = delete;
    // Settles what this member posted (Posted.h): what may fail, and
    // everything when it is the thread's outermost member.
    void settle() {
        if (calls_.mayFail || (calls_.any && calls_.members == 1)) SettlePostedCalls(calls_.members == 1);
    }
    // The failure that ends the member: that of a call posted before
    // `error`, when one failed, else `error`.
    std::exception_ptr firstFailure(std::exception_ptr error);

private:
    PostedCalls& calls_;
};

// Runs `body` as the member `operation` of the object whose fields are
// `fields`; `empty` is what the member returns on failure.
template <class Result, class Body>
Result Guard(ErrorFields& fields, Location where, std::string_view operation, Result empty, Body&& body) {
    if (ThisThreadsPostedCalls().mayFail) SettlePostedCalls(false);  // the caller's, failing in the caller
    const bool outermost = !Nesting::Running(fields);
    if (outermost) fields.clear();
    MemberRunning member;
    try {
        const Nesting running(fields);
        Result result = body();
        member.settle();
        return result;
    } catch (...) {
        const std::exception_ptr error = member.firstFailure(std::current_exception());
        if (!outermost) PassOnFailure(where, operation, error);
        StoreFailure(fields, where, operation, error);
        return empty;
    }
}

// The same, returning the body's empty result on failure ("", false,
// none), or nothing for a body without a result.
template <class Body>
auto Guard(ErrorFields& fields, Location where, std::string_view operation, Body&& body) {
    using Result = decltype(body());
    if constexpr (std::is_void_v<Result>) {
        Guard(fields, where, operation, false, [&] {
            body();
            return true;
        });
    } else {
        return Guard(fields, where, operation, Result{}, std::forward<Body>(body));
    }
}

}  // namespace base
