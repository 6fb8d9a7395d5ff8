#include "loopback.h"

#include <algorithm>
#include <string>

namespace cddbtest {
namespace {

win::UniqueSocket Listen(int backlog, uint16_t& port)
{
    win::UniqueSocket listener(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (!listener || bind(listener.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener.Get(), backlog) != 0)
        return win::UniqueSocket();
    int length = sizeof address;
    getsockname(listener.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return listener;
}

// Connects without blocking for longer than `ms`; false when the connect is still
// pending then (the socket is kept either way).
bool ConnectWithin(win::UniqueSocket& socket, uint16_t port, long ms)
{
    socket.Reset(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    u_long nonBlocking = 1;
    ioctlsocket(socket.Get(), FIONBIO, &nonBlocking);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connect(socket.Get(), reinterpret_cast<sockaddr*>(&to), sizeof to);
    return SocketReady(socket.Get(), true, ms);
}

}  // namespace

bool SocketReady(SOCKET socket, bool forWriting, long ms)
{
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval wait{ms / 1000, (ms % 1000) * 1000};
    return select(0, forWriting ? nullptr : &set, forWriting ? &set : nullptr, nullptr, &wait) > 0;
}

SocketPair ConnectedPair()
{
    SocketPair pair;
    uint16_t port = 0;
    win::UniqueSocket listener = Listen(1, port);
    if (!listener)
        return pair;
    pair.local.Reset(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(pair.local.Get(), reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        pair.local.Reset();
        return pair;
    }
    pair.remote.Reset(accept(listener.Get(), nullptr, nullptr));
    return pair;
}

bool SendWhileTaken(SOCKET socket, const std::string& bytes)
{
    u_long nonBlocking = 1;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    size_t sent = 0;
    int idle = 0;
    while (sent < bytes.size()) {
        const size_t chunk = std::min<size_t>(bytes.size() - sent, 65536);
        const int n = send(socket, bytes.data() + sent, static_cast<int>(chunk), 0);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            idle = 0;
        } else if (WSAGetLastError() != WSAEWOULDBLOCK || ++idle > 300) {
            return false;  // closed, or nobody has read anything for 30 s
        } else {
            SocketReady(socket, true, 100);
        }
    }
    return true;
}

void SendAndClose(SocketPair& pair, const std::string& bytes)
{
    SendWhileTaken(pair.remote.Get(), bytes);
    shutdown(pair.remote.Get(), SD_SEND);
    pair.remote.Reset();
}

bool FullListener::Start()
{
    listener_ = Listen(0, port_);
    if (!listener_)
        return false;
    // Connects complete while the queue has room; the first that does not shows it full.
    for (int i = 0; i < 16; ++i) {
        fillers_.emplace_back();
        if (!ConnectWithin(fillers_.back(), port_, 500))
            return true;
    }
    return false;
}

void FullListener::AcceptQueued()
{
    while (SocketReady(listener_.Get(), false, 0)) {
        win::UniqueSocket client(accept(listener_.Get(), nullptr, nullptr));
        if (!client)
            break;
        accepted_.push_back(std::move(client));
    }
    // Ours have never closed; one that shows its end without data was given up on.
    for (auto& client : accepted_) {
        if (!client || !SocketReady(client.Get(), false, 0))
            continue;
        char byte;
        if (recv(client.Get(), &byte, 1, 0) <= 0) {
            ++closedWithoutData_;
            client.Reset();
        }
    }
}

}  // namespace cddbtest
