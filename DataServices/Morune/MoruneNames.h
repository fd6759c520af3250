// The names the callers of the collector use: the program that serves its
// class, the class, and the members that register a connection.
#pragma once

#include "Com/Names.h"

namespace morune::names {

COM_NAME(Morune);
COM_NAME(clsDeixalla);
COM_NAME(AfegeixConnexio);
COM_NAME(AfegeixConnexioAmbEdat);

}  // namespace morune::names
