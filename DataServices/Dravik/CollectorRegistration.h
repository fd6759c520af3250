// The registrations of this process with the collector of transactions left
// open too long (Morune).
//
// Every transaction connection that clsBD opens is registered in one call,
// and kept here with the time of its registration. When the collector goes
// away while it knows transactions of this process (it was killed, or it
// dropped this process), those still open are registered again with the
// next collector, which that starts, with the age they have: a transaction
// that its owner abandoned is still rolled back once it is older than the
// maximum age, as if the first collector had lived. While no collector takes
// them (none can start, or it refuses them), they are tried again, less
// often as time goes by, until one does.
#pragma once

#include "Com/Object.h"

namespace dravik {

// Registers `connection`, whose outermost transaction has just begun.
// Raises the collector's failure with the collector's trail.
void RegisterWithCollector(const com::ObjectRef& connection);

}  // namespace dravik
