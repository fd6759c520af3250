// The error fields every class of the system carries and the location trail
// they build: each layer that reports a failure appends a carriage return
// and "<label> - <class> - <operation>".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// Labels of the five deliverables in the trail.
namespace label {
inline constexpr std::string_view Velmar = "Velmar(exe)";
inline constexpr std::string_view Brintel = "Brintel";
inline constexpr std::string_view Quossa = "Quossa";
inline constexpr std::string_view Dravik = "Dravik";
inline constexpr std::string_view Morune = "Morune";
}  // namespace label

// Who reports: the deliverable's label and the class name of its entries.
struct Location {
    std::string_view label;
    std::string_view className;
};

// One trail entry: carriage return, label, " - ", class, " - ", operation.
std::string TrailEntry(std::string_view label, std::string_view className, std::string_view operation);
inline std::string TrailEntry(Location where, std::string_view operation) {
    return TrailEntry(where.label, where.className, operation);
}

// NumError and UbicacioError of one object. A class under the error
// convention derives from it, so that the two fields are its own members.
struct ErrorFields {
    int32_t NumError = 0;
    std::string UbicacioError;

    void clear() {
        NumError = 0;
        UbicacioError.clear();
    }
    // What an operation's handler does: keep the number, append the entry.
    void fail(int32_t number, std::string_view label, std::string_view className,
              std::string_view operation) {
        NumError = number;
        UbicacioError += TrailEntry(label, className, operation);
    }

private:
    friend class Nesting;
    // How many guarded members of this object are running (Guard.h).
    int running_ = 0;
};

}  // namespace base
