// Line-by-line reading of a server's answer and sending a whole request, on a
// connected Windows Sockets stream.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstddef>
#include <string>

namespace velmora {

// Longest line, its line end included, and longest answer a server may send: past
// either the read fails as a receive error, so no server can exhaust our memory.
constexpr size_t kMaxLineBytes = 64 * 1024;
constexpr size_t kMaxAnswerBytes = 4 * 1024 * 1024;

// Reads the lines of one answer from a socket and counts the bytes against the caps.
// Bytes received past a line wait in the reader for the next line, so one reader
// reads the whole answer.
class SocketLineReader {
public:
    // `deadline`: the GetTickCount64() value at which reading gives up however the
    // data comes, 0 for none.
    explicit SocketLineReader(SOCKET socket, ULONGLONG deadline = 0) : socket_(socket), deadline_(deadline) {}

    // Reads one line and removes every CR and LF from it. 0: a line was read;
    // -1: receive error, or a cap exceeded; -2: about 20 s without any data, or the
    // deadline passed.
    int ReadLine(std::string& line);

private:
    // Refills the empty buffer: 1 bytes came, 0 none within one idle step, -1 error.
    int Receive();

    SOCKET socket_;
    ULONGLONG deadline_;
    size_t answerBytes_ = 0;
    char buffer_[4096];
    size_t begin_ = 0;  // the unread bytes are buffer_[begin_, end_)
    size_t end_ = 0;
};

// Sends all `length` bytes, as often as send() needs. 0 when all went (also when
// length < 1), -1 on a send error.
int SendAll(SOCKET socket, const char* bytes, int length);

}  // namespace velmora
