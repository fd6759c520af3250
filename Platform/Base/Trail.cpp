#include "Trail.h"

namespace base {

std::string TrailEntry(std::string_view label, std::string_view className, std::string_view operation) {
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

}  // namespace base
