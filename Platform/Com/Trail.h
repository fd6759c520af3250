// The error fields every class carries and the location trail they build:
// each layer that reports a failure appends a carriage return and
// "<label> - <class> - <operation>".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace com {

// Labels of the five deliverables in the trail.
namespace label {
inline constexpr std::string_view Velmar = "Velmar(exe)";
inline constexpr std::string_view Brintel = "Brintel";
inline constexpr std::string_view Quossa = "Quossa";
inline constexpr std::string_view Dravik = "Dravik";
inline constexpr std::string_view Morune = "Morune";
}  // namespace label

// One trail entry: carriage return, label, " - ", class, " - ", operation.
inline std::string TrailEntry(std::string_view label, std::string_view className,
                              std::string_view operation) {
    std::string entry;
    entry.reserve(label.size() + className.size() + operation.size() + 7);
    entry += '\r';
    entry += label;
    entry += " - ";
    entry += className;
    entry += " - ";
    entry += operation;
    return entry;
}

// NumError and UbicacioError of one object.
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
};

}  // namespace com
