// Reading answer lines from a socket and sending whole requests, with the caps on
// line and answer length.
#include <gtest/gtest.h>

#include <thread>

#include "cddb/socket_io.h"
#include "loopback.h"

using namespace velmora;
using cddbtest::SocketPair;

namespace {

class SocketIo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(winsock_.Started());
        pair_ = cddbtest::ConnectedPair();
        ASSERT_TRUE(pair_.local && pair_.remote);
    }

    // Sends from another thread, so that answers larger than the socket buffers go.
    void SendLater(const std::string& bytes)
    {
        sender_ = std::thread([this, bytes] { cddbtest::SendAndClose(pair_, bytes); });
    }
    void TearDown() override
    {
        pair_.local.Reset();  // a sender still blocked on a full buffer fails now
        if (sender_.joinable())
            sender_.join();
    }

    // Reads up to `count` lines; `last` is the result of the last ReadLine.
    std::vector<std::string> Read(size_t count, int& last)
    {
        SocketLineReader reader(pair_.local.Get());
        std::vector<std::string> lines;
        std::string line;
        while (lines.size() < count && (last = reader.ReadLine(line)) == 0)
            lines.push_back(line);
        return lines;
    }

    win::WinsockSession winsock_{MAKEWORD(1, 1)};
    SocketPair pair_;
    std::thread sender_;
};

}  // namespace

TEST_F(SocketIo, ReadsLinesAndDropsEveryCrAndLf)
{
    std::string longLine(3000, 'x');  // spans several receives
    SendLater("HTTP/1.0 200 OK\r\n\r\nx\ry\n" + longLine + "\n\n");
    int last = 0;
    const auto lines = Read(5, last);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "HTTP/1.0 200 OK");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "xy");
    EXPECT_EQ(lines[3], longLine);
    EXPECT_EQ(lines[4], "");
}

TEST_F(SocketIo, LinesUpToTheCapAreRead)
{
    const std::string atCap(kMaxLineBytes - 1, 'a');
    SendLater(atCap + "\n");
    int last = 0;
    const auto lines = Read(1, last);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], atCap);
}

TEST_F(SocketIo, EndlessLineFails)
{
    SendLater(std::string(kMaxLineBytes, 'a') + "\n");
    SocketLineReader reader(pair_.local.Get());
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), -1);
}

TEST_F(SocketIo, EndlessAnswerFails)
{
    std::string answer;
    const std::string line(999, 'r');
    while (answer.size() <= kMaxAnswerBytes + 4096)
        answer += line + "\n";
    SendLater(answer);
    int last = 0;
    const auto lines = Read(answer.size(), last);
    EXPECT_EQ(last, -1);
    EXPECT_EQ(lines.size(), kMaxAnswerBytes / 1000);
}

TEST_F(SocketIo, ClosedSocketFailsAtOnce)
{
    const SOCKET closed = pair_.local.Release();
    closesocket(closed);
    SocketLineReader reader(closed);
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), -1);
}

TEST_F(SocketIo, SendAllSendsEveryByte)
{
    const std::string request(1 << 20, 'q');
    std::string received;
    std::thread reader([&] {
        char buffer[65536];
        int got;
        while (received.size() < request.size() &&
               (got = recv(pair_.remote.Get(), buffer, sizeof buffer, 0)) > 0)
            received.append(buffer, static_cast<size_t>(got));
    });
    EXPECT_EQ(SendAll(pair_.local.Get(), request.data(), static_cast<int>(request.size())), 0);
    reader.join();
    EXPECT_EQ(received, request);

    EXPECT_EQ(SendAll(pair_.local.Get(), request.data(), 0), 0);
    EXPECT_EQ(SendAll(pair_.local.Get(), nullptr, -5), 0);
    EXPECT_EQ(SendAll(INVALID_SOCKET, request.data(), 10), -1);
}
