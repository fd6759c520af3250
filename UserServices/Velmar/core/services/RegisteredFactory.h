// How the core makes a window that a layer above it builds (the lookup-table
// editor, the image viewer): that layer's factory is in place from the
// start, and another may be put in its place (the tests do).
#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "Com/Object.h"

namespace velmar {

template <class Made>
class RegisteredFactory {
public:
    using Factory = std::function<std::unique_ptr<Made>()>;

    explicit RegisteredFactory(Factory factory) : factory_(std::move(factory)) {}

    // Returns the one that was in place.
    Factory Register(Factory factory) { return std::exchange(factory_, std::move(factory)); }

    // Raises 429 when there is no factory or it made nothing.
    std::unique_ptr<Made> Create() const {
        std::unique_ptr<Made> made = factory_ ? factory_() : nullptr;
        if (!made) com::Raise(com::err::CannotCreateObject);
        return made;
    }

private:
    Factory factory_;
};

}  // namespace velmar
