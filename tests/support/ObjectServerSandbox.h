// An object server of the test's own: the product program on a free port
// of the loopback address, with certificates that the administrator's
// script made for the tests, in the runtime folder of the test (a
// CollectorSandbox must exist first), so that the collector it starts for
// its transactions is the test's too. "Network.INI" of the test's
// installation is written for it and for this process as its client, whose
// object model is the installation's when the test program runs from there
// (RunInOwnInstallation.cpp).
#pragma once

#include <sys/types.h>

#include <string>

#include "support/Files.h"

namespace testsupport {

// Whose certificates a machine shows and trusts: the authority of the
// tests, or that of another installation.
enum class Authority { Tests, Other };

struct Credentials {
    std::string ca;
    std::string certificate;
    std::string key;
};

// This machine's certificate and key, signed by the authority of
// `authority`, with that authority.
Credentials MachineCredentials(Authority authority = Authority::Tests);

// "Network.INI" with `credentials`, calls that wait `callWaitMs` for their
// reply, and an object server of the entity library on 127.0.0.1 at any
// free port.
std::string NetworkSettings(const Credentials& credentials, int callWaitMs = 30000);

// The collector program an object server starts: the product, found by
// the registry of the object model.
std::string ProductCollector();

class ObjectServerSandbox {
public:
    // Starts the server and waits until it listens. Raises when this
    // process's object model reads its settings elsewhere than in the
    // installation.
    ObjectServerSandbox();
    // Kills it, if it still runs, and puts back "Network.INI".
    ~ObjectServerSandbox();
    ObjectServerSandbox(const ObjectServerSandbox&) = delete;
    ObjectServerSandbox& operator=(const ObjectServerSandbox&) = delete;

    // Where it listens, as PC_Quossa names it: "127.0.0.1:<port>".
    const std::string& address() const { return address_; }
    pid_t pid() const { return pid_; }
    // Sends `signal`; for one that ends the program, waits for its end, and
    // for SIGSTOP until it is stopped.
    void signal(int signal);
    // Its log so far.
    std::string log() const;
    // Makes this process a client with other settings (the server read its
    // own as it started).
    void useClientSettings(const std::string& settings) { networkIni_.replace(settings); }

private:
    TempDir folder_;
    // The settings of the server, which reads them as it starts, and of
    // this process, which reads them at every creation on the server.
    ScopedFile networkIni_;
    pid_t pid_ = -1;
    std::string address_;
};

}  // namespace testsupport
