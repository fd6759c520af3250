// How a failure reported by a callee travels up: the caller takes over the
// callee's trail (replacing its own) and raises the callee's number to its
// own handler, which appends the caller's entry.
#pragma once

#include "Com/Object.h"
#include "Base/Trail.h"

namespace brintel {

// A callee of this library, reached directly.
void RaiseIfFailed(base::ErrorFields& mine, const base::ErrorFields& callee);

// A callee reached by member name (NumError and UbicacioError properties).
void RaiseIfFailed(base::ErrorFields& mine, const com::ObjectRef& callee);

}  // namespace brintel
