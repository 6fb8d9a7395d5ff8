#include "cddb/socket_io.h"

#include <windows.h>

#include <algorithm>

namespace velmora {
namespace {

constexpr DWORD kIdleStepMs = 100;
constexpr int kMaxIdleSteps = 200;  // the 201st empty step in a row gives up: about 20 s

// Waits up to one idle step for the socket to become readable. 1 readable, 0 not
// yet, -1 error.
int WaitReadable(SOCKET socket)
{
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket, &readable);
    timeval wait{0, static_cast<long>(kIdleStepMs * 1000)};
    const int result = select(0, &readable, nullptr, nullptr, &wait);
    if (result == SOCKET_ERROR)
        return -1;
    return result > 0 ? 1 : 0;
}

}  // namespace

int SocketLineReader::Receive()
{
    // A blocking receive would wait for ever on a silent server: wait for data in
    // steps instead.
    const int ready = WaitReadable(socket_);
    if (ready <= 0)
        return ready;
    const int got = recv(socket_, buffer_, static_cast<int>(sizeof buffer_), 0);
    if (got == SOCKET_ERROR)
        return -1;
    if (got == 0) {  // the server has closed: nothing more will come
        Sleep(kIdleStepMs);
        return 0;
    }
    begin_ = 0;
    end_ = static_cast<size_t>(got);
    return 1;
}

int SocketLineReader::ReadLine(std::string& line)
{
    line.clear();
    size_t lineBytes = 0;
    int idleSteps = 0;
    for (;;) {
        // A server that sends a byte now and then never leaves the line idle.
        if (deadline_ && ::GetTickCount64() >= deadline_)
            return -2;
        if (begin_ == end_) {
            const int received = Receive();
            if (received < 0)
                return -1;
            if (received == 0) {
                if (++idleSteps > kMaxIdleSteps)
                    return -2;
                continue;
            }
            idleSteps = 0;
        }
        const char* first = buffer_ + begin_;
        const char* last = buffer_ + end_;
        const char* lf = std::find(first, last, '\n');
        const bool ends = lf != last;
        const size_t take = static_cast<size_t>((ends ? lf + 1 : last) - first);
        lineBytes += take;
        answerBytes_ += take;
        if (lineBytes > kMaxLineBytes || answerBytes_ > kMaxAnswerBytes)
            return -1;
        line.append(first, take);
        begin_ += take;
        if (ends)
            break;
    }
    line.erase(std::remove_if(line.begin(), line.end(),
                              [](char c) { return c == '\n' || c == '\r'; }),
               line.end());
    return 0;
}

int SendAll(SOCKET socket, const char* bytes, int length)
{
    while (length > 0) {
        const int sent = send(socket, bytes, length, 0);
        if (sent == SOCKET_ERROR || sent == 0)
            return -1;
        bytes += sent;
        length -= sent;
    }
    return 0;
}

}  // namespace velmora
