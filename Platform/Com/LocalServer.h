// The server side of the out-of-process classes: a program that serves the
// classes it registered to every client process, on one thread.
//
// run() listens on the program's socket (RemoteSocket.h) and runs an event
// loop that answers the calls of every client and fires the timers, one
// thing at a time: a call or a timer that itself calls into a client waits
// for that reply before anything else runs (so an object of a client,
// called by the server, must not call the server in turn), but never more
// than a second: a client that does not answer in time fails the call with
// PeerSilent (RemoteChannel.h), and so does every later call to it until it
// sends something again. Messages are read as their bytes arrive, so a
// client that stops in the middle of one holds nobody up; it is dropped
// when the rest does not follow at once, as is one that sends what is no
// message. A client whose connection ends (its process ended) is dropped
// with everything it held. The program stays while a client is connected
// or a lock is held, and ends when idle; the next creation starts it again.
//
// Each client holds one open file: the program raises its limit of open
// files to the most the system lets it. A client beyond that waits at the
// socket until another one has gone (its call fails when that takes longer
// than the caller waits, RemoteClient.h), while the clients it has go on
// being served.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace com {

class LocalServer {
public:
    static LocalServer& Instance();

    // Serves as this program until idle, on the socket of this program's
    // path (RemoteSocket.h). Returns the program's exit status: 0 when it
    // served, or when another process of this program already serves; 1
    // when it could not listen.
    int run();

    // Keeps the program alive while held, whatever its clients release.
    void lock();
    void unlock();

    // Calls `proc` on the server's thread every `period`, from the event
    // loop. Returns the timer's id, never 0.
    int setTimer(std::chrono::milliseconds period, std::function<void()> proc);
    void killTimer(int id);

    ~LocalServer();

private:
    LocalServer();
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace com
