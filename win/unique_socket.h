// Owning wrappers for Windows Sockets: a socket closed by its wrapper's destructor,
// and one WSAStartup balanced by one WSACleanup.
#pragma once

#include <winsock2.h>

#include "win/unique_handle.h"

namespace win {

struct SocketTraits {
    using Type = SOCKET;
    static Type Invalid() { return INVALID_SOCKET; }
    static void Close(Type socket) { ::closesocket(socket); }
};

using UniqueSocket = UniqueResource<SocketTraits>;

// Windows Sockets started for the lifetime of the object; Started() is false when
// WSAStartup refused, and then nothing is cleaned up.
class WinsockSession {
public:
    explicit WinsockSession(WORD version)
    {
        WSADATA data;
        started_ = ::WSAStartup(version, &data) == 0;
    }
    ~WinsockSession()
    {
        if (started_)
            ::WSACleanup();
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;

    bool Started() const { return started_; }

private:
    bool started_ = false;
};

}  // namespace win
