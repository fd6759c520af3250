// Errors of the object model: a number (the legacy run-time numbers the
// components report in NumError) and a message for logs.
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>

namespace com {

// Run-time error numbers that the object model itself raises.
namespace err {
constexpr int32_t Overflow = 6;              // value out of the 32-bit range
constexpr int32_t OutOfMemory = 7;
constexpr int32_t TypeMismatch = 13;         // value cannot be converted
constexpr int32_t InvalidUseOfNull = 94;     // Null where a value is needed
constexpr int32_t ObjectRequired = 424;      // call on no object
constexpr int32_t CannotCreateObject = 429;  // no class answers the ProgID
constexpr int32_t MemberNotFound = 438;      // object lacks the member
constexpr int32_t AutomationError = 440;     // a failure that carries no number
constexpr int32_t ArgumentNotOptional = 449;
constexpr int32_t WrongArgumentCount = 450;
constexpr int32_t RemoteMachineUnavailable = 462;
constexpr int32_t InvalidPicture = 481;      // file is not a picture
}  // namespace err

class ComError : public std::runtime_error {
public:
    ComError(int32_t number, const std::string& message)
        : std::runtime_error(message), number_(number) {}
    int32_t number() const { return number_; }

private:
    int32_t number_;
};

// Raises error `number`; the message defaults to a short description.
[[noreturn]] void Raise(int32_t number, const std::string& message = {});

// The number an error handler stores for the exception in flight:
// ComError keeps its own, bad_alloc is 7 and anything else 440.
int32_t ErrorNumber(const std::exception_ptr& error);

// Text of the exception in flight, for logs.
std::string ErrorMessage(const std::exception_ptr& error);

}  // namespace com
