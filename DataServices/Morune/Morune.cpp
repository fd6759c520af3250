// The collector program: serves "Morune.clsDeixalla" to every client
// process of its installation from one thread, started by the first
// creation and ending when it holds no registration and no client. Its
// clock is the steady clock, which nothing outside the program can stop or
// move.
#include "Com/LocalServer.h"
#include "TickCount.h"

int64_t morune::TickCount() { return SteadyTickCount(); }

int main() { return com::LocalServer::Instance().run(); }
