// The collector program: serves "Morune.clsDeixalla" to every client
// process from one thread, started by the first creation and ending when
// it holds no registration and no client.
#include "Com/LocalServer.h"
#include "MoruneNames.h"
#include "TestControl.h"

int main() {
    morune::TestControl::RegisterWhenAsked();
    return com::LocalServer::Instance().run(std::string(morune::names::Morune));
}
