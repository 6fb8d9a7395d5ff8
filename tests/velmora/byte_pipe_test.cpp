// The pipe between the worker and the WAV copy thread: every byte arrives once and in
// order whatever the sizes of writes, reads and buffer, however the buffer wraps; a
// reader that asks for more than the buffer holds is not left waiting; a closed
// reading end fails the writer; a reopened pipe carries the next stream whole.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "extract/byte_pipe.h"

using velmora::BytePipe;

namespace {

uint8_t PatternByte(size_t at) { return static_cast<uint8_t>(at * 131 + (at >> 9)); }

// Streams `total` bytes through the pipe in writes of `chunk`, the reader asking for
// `wanted` and consuming at most `consume` of each piece; returns what arrived.
std::vector<uint8_t> Stream(BytePipe& pipe, size_t total, size_t chunk, size_t wanted, size_t consume)
{
    std::thread writer([&] {
        std::vector<uint8_t> bytes(chunk);
        for (size_t at = 0; at < total; at += chunk) {
            const size_t n = std::min(chunk, total - at);
            for (size_t i = 0; i < n; ++i)
                bytes[i] = PatternByte(at + i);
            pipe.Write(bytes.data(), n);
        }
        pipe.CloseWrite();
    });
    std::vector<uint8_t> got;
    for (size_t pieces = 0; pieces < 4 * total + 8; ++pieces) {  // bounded: never spins for ever
        const uint8_t* data = nullptr;
        const size_t n = pipe.Peek(data, wanted);
        if (n == 0)
            break;
        const size_t taken = std::min(n, consume);
        got.insert(got.end(), data, data + taken);
        pipe.Consume(taken);
    }
    writer.join();
    return got;
}

}  // namespace

TEST(BytePipe, DeliversEveryByteInOrder)
{
    struct Case {
        size_t capacity, total, chunk, wanted, consume;
    } cases[] = {
        {1048576, 3000000, 61152, 262144, SIZE_MAX},  // the WAV writer's sizes
        {1000, 10007, 61, 256, SIZE_MAX},            // the buffer wraps at odd places
        {1000, 10007, 3000, 5000, SIZE_MAX},         // writes and wishes beyond the buffer
        {1000, 10007, 97, 400, 33},                  // a piece consumed in part
        {7, 1000, 5, 1, SIZE_MAX},                   // a byte at a time
    };
    for (const Case& c : cases) {
        BytePipe pipe(c.capacity);
        const std::vector<uint8_t> got = Stream(pipe, c.total, c.chunk, c.wanted, c.consume);
        ASSERT_EQ(got.size(), c.total) << "capacity " << c.capacity << ", chunk " << c.chunk;
        for (size_t i = 0; i < got.size(); ++i)
            ASSERT_EQ(got[i], PatternByte(i)) << "byte " << i << ", capacity " << c.capacity;
    }
}

TEST(BytePipe, ClosedReaderFailsTheWriterAndReopeningCarriesTheNextStream)
{
    BytePipe pipe(64);
    const uint8_t bytes[100] = {};
    pipe.CloseRead();
    ::SetLastError(0);
    EXPECT_FALSE(pipe.Write(bytes, sizeof bytes));
    EXPECT_EQ(::GetLastError(), DWORD(ERROR_NO_DATA));

    pipe.Reopen();
    const std::vector<uint8_t> got = Stream(pipe, 1000, 30, 50, SIZE_MAX);
    ASSERT_EQ(got.size(), 1000u);
    EXPECT_EQ(got[999], PatternByte(999));
}
