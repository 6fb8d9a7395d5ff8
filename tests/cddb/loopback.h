// Sockets on 127.0.0.1 for the tests: a connected pair, and a listener that
// connects hang on because its queue of connections waiting for accept is full.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "win/unique_socket.h"

namespace cddbtest {

struct SocketPair {
    win::UniqueSocket local;   // the side under test
    win::UniqueSocket remote;  // the side that plays the server
};

// Windows Sockets must be started. Both ends are invalid on failure.
SocketPair ConnectedPair();

// Waits up to `ms` for the socket to become readable (or writable).
bool SocketReady(SOCKET socket, bool forWriting, long ms);

// Sends the bytes for as long as the other side takes them; false when it stopped.
// The socket is made non-blocking first: under Wine, a blocking send that the peer's
// close cuts short takes the whole process down.
bool SendWhileTaken(SOCKET socket, const std::string& bytes);

// Sends the bytes on `remote` (as long as the local side takes them), then closes it.
void SendAndClose(SocketPair& pair, const std::string& bytes);

class FullListener {
public:
    // Listens with the shortest queue and fills it with connections of its own.
    bool Start();
    uint16_t Port() const { return port_; }
    // Accepts what is queued; counts the connections that came and went without a
    // byte (a connect that was given up and closed by its owner).
    void AcceptQueued();
    int ClosedWithoutData() const { return closedWithoutData_; }

private:
    win::UniqueSocket listener_;
    std::vector<win::UniqueSocket> fillers_;
    std::vector<win::UniqueSocket> accepted_;
    uint16_t port_ = 0;
    int closedWithoutData_ = 0;
};

}  // namespace cddbtest
