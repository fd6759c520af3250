// The byte stream under a connection between two processes of the object
// model: a local stream socket as it is, or a TCP connection inside TLS
// (Tls.h). The socket does not block: a read or a write that cannot go on
// now says so, and the caller waits with poll() for the events that the
// transport names, until a deadline of its own.
#pragma once

#include <poll.h>
#include <sys/types.h>

#include <cstddef>

namespace com::remote {

class Transport {
public:
    // Takes over the connected socket `fd`, which does not block.
    explicit Transport(int fd) : fd_(fd) {}
    virtual ~Transport();  // closes the socket
    Transport(const Transport&) = delete;
    Transport& operator=(const Transport&) = delete;

    int fd() const { return fd_; }

    // The bytes read into `buffer` (at most `size`); 0 when none can be read
    // now; -1 at the end of the stream or when the connection broke.
    virtual ssize_t read(char* buffer, size_t size);
    // The bytes of `data` written (at most `size`); 0 when none can be
    // written now; -1 when the peer is gone.
    virtual ssize_t write(const char* data, size_t size);
    // The events to wait for after a read, or a write, that could not go on.
    virtual short readEvents() const { return POLLIN; }
    virtual short writeEvents() const { return POLLOUT; }
    // Whether bytes received wait inside the transport, where poll() does
    // not see them.
    virtual bool pending() const { return false; }

    // Ends both directions at once: a thread that waits on the socket wakes.
    void shutdown();

private:
    const int fd_;
};

}  // namespace com::remote
