// The collector program: serves "Morune.clsDeixalla" to every client
// process from one thread, started by the first creation and ending when
// it holds no registration and no client. Its clock is the steady clock,
// which nothing outside the program can stop or move.
#include <string>

#include "Com/LocalServer.h"
#include "MoruneNames.h"
#include "TickCount.h"

int64_t morune::TickCount() { return SteadyTickCount(); }

int main() { return com::LocalServer::Instance().run(std::string(morune::names::Morune)); }
