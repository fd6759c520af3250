// The object server of a machine: serves the classes that this process
// registered, of the libraries its settings name (NetworkSettings.h), to
// the clients of other machines (NetworkClient.h), each over TCP inside TLS
// (Tls.h).
//
// It listens only on the address its settings name. Each connection gets
// a thread of its own: its handshake, which must end within five seconds
// and prove a certificate of the installation's authority before a byte of
// a message is read, then one that reads its calls and serves them in turn
// (ThreadedChannel.h), reading no more of them while one runs; so a slow,
// stopped or hostile peer holds up nobody but itself. An object lives in this process until its client releases
// it; a client whose connection ends (it went away, or its machine fell
// silent) has every object it held let go, after `clientEnded` has seen
// them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "NetworkSettings.h"

namespace com::remote {

class ThreadedChannel;

class NetworkServer {
public:
    // Reads the certificates and listens; raises 462 with the reason when
    // it cannot.
    explicit NetworkServer(const ServerSettings& settings);
    ~NetworkServer();
    NetworkServer(const NetworkServer&) = delete;
    NetworkServer& operator=(const NetworkServer&) = delete;

    // "address:port" where it listens.
    std::string address() const;

    // Serves until the process ends. `clientEnded` runs on a thread of a
    // client's connection once that has ended, while the objects the client
    // held (ThreadedChannel::heldAtEnd) may still be reached; `log` takes a
    // line for the server's log (a client refused, one that ended).
    [[noreturn]] void run(std::function<void(ThreadedChannel&)> clientEnded,
                          std::function<void(const std::string&)> log);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace com::remote
