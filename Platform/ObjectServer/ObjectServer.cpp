// The object server of a machine: serves the classes of the libraries that
// "Network.INI" names (the entity library) to the machines of the
// installation, for as long as it runs (under systemd, see the unit file
// beside it). Its log goes to its standard error; as it starts it prints
// where it listens on its standard output.
//
// A client that goes away inside a transaction leaves that transaction's
// connection to this machine's collector, which rolls it back and closes it
// at its next sweep, as it ends any transaction left open too long.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "Ado/Connection.h"
#include "Base/FreedMemory.h"
#include "Com/NetworkServer.h"
#include "Com/NetworkSettings.h"
#include "Com/Registry.h"
#include "Com/ThreadedChannel.h"
#include "Morune/MoruneNames.h"

namespace {

void Log(const std::string& line) {
    std::fprintf(stderr, "ObjectServer: %s\n", line.c_str());
    std::fflush(stderr);
}

void HandAbandonedTransactionsToTheCollector(com::remote::ThreadedChannel& client) {
    namespace collector = morune::names;
    for (const std::weak_ptr<com::Object>& held : client.heldAtEnd()) {
        const com::ObjectRef object = held.lock();
        if (!object || object->className() != ado::Connection::kClassName) continue;
        try {
            if (com::Get(object, "State").toLong() == 0) continue;  // closed: no transaction
            std::vector<com::Variant> args{com::Variant(object), com::Variant(0), com::Variant(std::string())};
            com::CallOnNew(com::ProgID(collector::Morune, collector::clsDeixalla), collector::AddAbandonedConnection,
                           args);
            if (args[1].toLong() != 0)
                Log("the collector did not take an abandoned transaction: " + std::to_string(args[1].toLong()) +
                    args[2].toString());
        } catch (...) {
            Log("the collector did not take an abandoned transaction: " + com::ErrorMessage(std::current_exception()));
        }
    }
}

}  // namespace

int main() {
    base::KeepFreedMemory();  // it writes the texts of the lists it serves
    std::signal(SIGPIPE, SIG_IGN);  // a peer that ends mid-write is noticed by the write
    try {
        const com::ServerSettings settings = com::ReadServerSettings();
        for (const std::string& library : settings.libraries)
            if (!com::LoadInProcessLibrary(library)) com::Raise(com::err::CannotCreateObject, "cannot load " + library);
        com::remote::NetworkServer server(settings);
        std::printf("listening on %s\n", server.address().c_str());
        std::fflush(stdout);
        Log("listening on " + server.address());
        server.run(HandAbandonedTransactionsToTheCollector, Log);
    } catch (...) {
        Log(com::ErrorMessage(std::current_exception()));
        return 1;
    }
}
