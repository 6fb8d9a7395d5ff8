// Lookups that run into the 20 s limits: a server that stops answering, and a
// connect that never completes, which is abandoned and cleans up after itself.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "cddb/cddb_client.h"
#include "cddb/cddb_errors.h"
#include "cddb/connect_thread.h"
#include "cddb/disc_id.h"
#include "cddb_discs.h"
#include "cddb_test_server.h"
#include "loopback.h"
#include "proxy_registry.h"

using namespace velmora;
using cddbtest::Behaviour;
using Clock = std::chrono::steady_clock;

namespace {

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TocTable Disc(int tracks)
{
    return cddbtest::TocOf(testsupport::AudioCd(tracks, 20000));
}

std::string IdOf(const TocTable& toc)
{
    char id[16];
    std::snprintf(id, sizeof id, "%08lx", static_cast<unsigned long>(ComputeDiscId(toc)));
    return id;
}

struct Lookup {
    explicit Lookup(const TocTable& disc) : toc(disc) {}

    TocTable toc;
    std::vector<CDDBMatch> matches;
    size_t recordsRead = 99;
    std::wstring error;
    double seconds = 0;

    void Run()
    {
        const auto start = Clock::now();
        error = LoadCDDBData(toc, matches, recordsRead);
        seconds = SecondsSince(start);
    }
};

}  // namespace

TEST(LookupTimeout, SilentOrUnfinishedAnswersTimeOut)
{
    cddbtest::CDDBTestServer server;
    ASSERT_TRUE(server.Start());
    cddbtest::ScopedProxySetting proxy("127.0.0.1:" + std::to_string(server.Port()));

    // Three discs looked up at once: the server never answers the first, stops the
    // second's match list short of its ".", and the third's record likewise.
    Lookup silent(Disc(3)), shortList(Disc(4)), shortRecord(Disc(5));
    server.SetDiscBehaviour(IdOf(silent.toc), Behaviour::Silent);
    server.AddRecord({"rock", IdOf(shortList.toc), "DTITLE=A / B\n"});
    server.AddRecord({"misc", IdOf(shortList.toc), "DTITLE=C / D\n"});
    server.SetDiscBehaviour(IdOf(shortList.toc), Behaviour::CloseBeforeEnd);
    server.AddRecord({"rock", IdOf(shortRecord.toc), "DTITLE=E / F\n", Behaviour::CloseBeforeEnd});

    std::thread threads[] = {std::thread(&Lookup::Run, &silent), std::thread(&Lookup::Run, &shortList),
                             std::thread(&Lookup::Run, &shortRecord)};
    for (auto& thread : threads)
        thread.join();

    for (const Lookup* lookup : {&silent, &shortList, &shortRecord}) {
        EXPECT_EQ(lookup->error, kErrReceiveTimedOut);
        EXPECT_GT(lookup->seconds, 19.5);
        EXPECT_LT(lookup->seconds, 40.0);
    }
    EXPECT_TRUE(silent.matches.empty());
    EXPECT_TRUE(shortList.matches.empty());
    ASSERT_EQ(shortRecord.matches.size(), 1u);  // the query answered; its read did not
    EXPECT_EQ(shortRecord.recordsRead, 0u);
}

TEST(LookupTimeout, ConnectThatHangsIsAbandoned)
{
    win::WinsockSession winsock(MAKEWORD(2, 2));
    cddbtest::FullListener listener;
    ASSERT_TRUE(listener.Start());
    cddbtest::ScopedProxySetting proxy("127.0.0.1:" + std::to_string(listener.Port()));

    Lookup lookup(cddbtest::DemoDisc());
    lookup.Run();
    EXPECT_EQ(lookup.error, kErrConnectTimedOut);
    EXPECT_GT(lookup.seconds, 19.5);
    EXPECT_LT(lookup.seconds, 25.0);
    EXPECT_TRUE(lookup.matches.empty());
    EXPECT_EQ(RunningConnectThreads(), 1);

    // Once the listener has room again, the abandoned thread's connect goes through;
    // the thread then closes that connection itself and ends.
    const auto start = Clock::now();
    while ((RunningConnectThreads() > 0 || listener.ClosedWithoutData() == 0) &&
           SecondsSince(start) < 120) {
        listener.AcceptQueued();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    EXPECT_EQ(RunningConnectThreads(), 0);
    EXPECT_EQ(listener.ClosedWithoutData(), 1);
}
