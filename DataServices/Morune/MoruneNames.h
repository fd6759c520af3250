// The names the callers of the collector use: the program that serves its
// class, the class, the members that register a connection (one whose
// owner went away among them), and the one that makes its collections when
// it is idle.
#pragma once

#include "Com/Names.h"

namespace morune::names {

COM_NAME(Morune);
COM_NAME(clsDeixalla);
COM_NAME(AfegeixConnexio);
COM_NAME(AddConnectionWithAge);
COM_NAME(AddAbandonedConnection);
COM_NAME(InfoClasseDeixalla);

}  // namespace morune::names
