// The errors of the system: a number (the legacy run-time numbers and the
// system's own, as the components report them in NumError) and a message
// that says what failed.
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

namespace err {
// Run-time numbers.
constexpr int32_t InvalidProcedureCall = 5;  // invalid procedure call or argument
constexpr int32_t Overflow = 6;              // value out of the 32-bit range
constexpr int32_t OutOfMemory = 7;
constexpr int32_t SubscriptOutOfRange = 9;   // an index beyond the end of a list
constexpr int32_t TypeMismatch = 13;         // value cannot be converted
constexpr int32_t PathFileAccess = 75;       // a file that cannot be written or removed there
constexpr int32_t ObjectNotSet = 91;         // an object variable that holds none (nothing selected)
constexpr int32_t InvalidUseOfNull = 94;     // Null where a value is needed
constexpr int32_t ObjectRequired = 424;      // call on no object
constexpr int32_t CannotCreateObject = 429;  // no class answers the ProgID
constexpr int32_t MemberNotFound = 438;      // object lacks the member
constexpr int32_t AutomationError = 440;     // a failure that carries no number
constexpr int32_t ArgumentNotOptional = 449;
constexpr int32_t WrongArgumentCount = 450;
constexpr int32_t RemoteMachineUnavailable = 462;
constexpr int32_t CallTimedOut = -2147417825; // another process did not answer a call in time
constexpr int32_t InvalidPicture = 481;      // file is not a picture
constexpr int32_t ControlNotFound = 730;     // a window has no control of that name
constexpr int32_t DialogCancelled = 32755;   // the user cancelled a file dialog
// The system's own numbers.
constexpr int32_t KeyMissing = 513;          // settings key, section, or value "@#&"
constexpr int32_t EmptyArgument = 514;       // settings path, section or key, SQL or XML text is ""
constexpr int32_t FileMissing = 515;         // no settings file there
constexpr int32_t IconMissing = 516;         // neither the language's icon nor the default one
constexpr int32_t TextMissing = 517;         // no text of that code for the window
constexpr int32_t NotOffered = 518;          // the entity manager has no such operation
constexpr int32_t RecordsetMissing = 519;    // the window has no recordset property of that name
constexpr int32_t NoProjectChosen = 520;     // a project's window opened while none is chosen
constexpr int32_t DatabaseFile = 521;        // a file of the open database named as a picture or an export
}  // namespace err

class Error : public std::runtime_error {
public:
    // `message` says what failed, for the log and for the error box, which
    // shows it under the number (a database failure carries the engine's
    // own text). Without one the message is the number's default text.
    explicit Error(int32_t number, const std::string& message = {});
    int32_t number() const { return number_; }
    // The message the error was raised with; empty when it had none.
    const std::string& description() const { return description_; }

private:
    int32_t number_;
    std::string description_;
};

// Raises error `number` with `message` (see Error).
[[noreturn]] void Raise(int32_t number, const std::string& message = {});

// The number an error handler stores for the exception in flight: Error
// keeps its own, bad_alloc is 7 and anything else 440.
int32_t ErrorNumber(const std::exception_ptr& error);

// Text of the exception in flight, for logs.
std::string ErrorMessage(const std::exception_ptr& error);

// What the exception in flight says beyond its number: an Error's
// description, the text of any other exception but a failed allocation.
std::string ErrorDescription(const std::exception_ptr& error);

// The description of the failure that a NumError and an UbicacioError
// report: that of the last failure a member of this thread stored under the
// error convention (Guard.h), when it has that number and `trail` is its
// trail or goes on from it (callers add their entries at the end). Empty
// when that error had no description, or the failure is another.
std::string DescriptionOf(int32_t number, std::string_view trail);

}  // namespace base
