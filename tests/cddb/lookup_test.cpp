// Whole lookups against the test server, reached through the system proxy setting.
#include <gtest/gtest.h>

#include <memory>

#include "cddb/cddb_client.h"
#include "cddb/cddb_errors.h"
#include "cddb/connect_thread.h"
#include "cddb/file_name_template.h"
#include "cddb/host_address_cache.h"
#include "cddb/proxy_setting.h"
#include "cddb_discs.h"
#include "cddb_test_server.h"
#include "loopback.h"
#include "proxy_registry.h"

using namespace velmora;
using cddbtest::Behaviour;
using cddbtest::CDDBTestServer;
using cddbtest::Record;

namespace {

const std::string kBand = "DISCID=9011580c\nDTITLE=The Band / Greatest Hits\nTTITLE0=Intro\n";

class Lookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server_.Start());
        proxy_ = std::make_unique<cddbtest::ScopedProxySetting>(ProxyText("127.0.0.1"));
    }

    std::string ProxyText(const std::string& host) const
    {
        return host + ":" + std::to_string(server_.Port());
    }

    std::wstring Load(CDDBSystemCalls& calls = RealCDDBSystemCalls())
    {
        return LoadCDDBData(cddbtest::DemoDisc(), matches_, recordsRead_, CDDBClientSettings(), calls);
    }

    std::wstring TrackName(int trackIndex, const std::wstring& templ)
    {
        std::wstring name;
        const std::wstring error = GenerateFilename(ActiveMatch(matches_, 0), trackIndex, templ, name);
        return error.empty() ? name : error;
    }

    CDDBTestServer server_;
    std::unique_ptr<cddbtest::ScopedProxySetting> proxy_;
    std::vector<CDDBMatch> matches_;
    size_t recordsRead_ = 99;
};

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

}  // namespace

TEST_F(Lookup, InexactMatchesGiveARecordEach)
{
    server_.AddRecord({"rock", cddbtest::kDemoDiscId, kBand});
    server_.AddRecord({"misc", cddbtest::kDemoDiscId, "DTITLE=Other / Album\nTTITLE0=Misc one\n"});
    server_.AddRecord({"blues", cddbtest::kDemoDiscId, "DTITLE=Third / Take\n"});

    ASSERT_EQ(Load(), L"");
    ASSERT_EQ(matches_.size(), 3u);
    EXPECT_EQ(recordsRead_, 3u);
    EXPECT_EQ(matches_[0].category, "rock");
    EXPECT_EQ(matches_[1].category, "misc");
    EXPECT_EQ(matches_[2].discId, "9011580c");
    EXPECT_EQ(matches_[1].description, "Other / Album");
    EXPECT_EQ(matches_[0].recordText, Wide(kBand));  // CR LF from the server: LF only
    EXPECT_EQ(matches_[2].recordText, L"DTITLE=Third / Take\n");
    EXPECT_EQ(TrackName(0, L"%1 - %2"), L"The Band - Intro");

    const auto requests = server_.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0],
              "GET http://gnudb.gnudb.org/~cddb/cddb.cgi?cmd=cddb+query+9011580c+12+150+27900+55650+"
              "83400+111150+138900+166650+194400+222150+249900+277650+305400+4442"
              "&hello=cdripper+brenvale.example+CDRipper+1.0&proto=5 HTTP/1.0\n"
              "User-Agent: Quenlit, http://brenvale.example/\n\n");
    EXPECT_EQ(cddbtest::CommandOfRequest(requests[1]), "cddb read rock 9011580c");
    EXPECT_EQ(cddbtest::CommandOfRequest(requests[2]), "cddb read misc 9011580c");
    EXPECT_EQ(cddbtest::CommandOfRequest(requests[3]), "cddb read blues 9011580c");
}

TEST_F(Lookup, DemoDiscIsAnExactMatchOfTheFixtures)
{
    ASSERT_GE(server_.LoadFixtures(cddbtest::WinePath(CDDB_FIXTURES)), 1u);
    ASSERT_EQ(Load(), L"");
    ASSERT_EQ(matches_.size(), 1u);
    EXPECT_EQ(recordsRead_, 1u);
    EXPECT_EQ(matches_[0].description, "The Velmora Ensemble / Demo Disc");
    EXPECT_EQ(TrackName(0, L"%6 %2"), L"01 Opening");
    EXPECT_EQ(TrackName(4, L"%6 %2"), L"05 Interlude_ Rain");
    EXPECT_EQ(TrackName(11, L"%1\\%3\\%2 (%4)"), L"The Velmora Ensemble\\Demo Disc\\Closing Time (2003)");
}

TEST_F(Lookup, ExactMatchListAndDotLines)
{
    server_.SetBehaviour(Behaviour::ExactList);
    server_.AddRecord({"rock", cddbtest::kDemoDiscId, "DTITLE=A / B\n.x marks the end\nTTITLE0=lost\n"});
    ASSERT_EQ(Load(), L"");
    ASSERT_EQ(matches_.size(), 1u);
    EXPECT_EQ(matches_[0].recordText, L"DTITLE=A / B\n");
}

TEST_F(Lookup, ServerRefusalsGiveTheirErrors)
{
    server_.AddRecord({"rock", cddbtest::kDemoDiscId, kBand});
    const std::pair<Behaviour, const wchar_t*> cases[] = {
        {Behaviour::NotHttp, kErrNotHttp},
        {Behaviour::NotFound, kErrHttpStatus},
        {Behaviour::NoMatch, kErrNoMatch},
        {Behaviour::UnknownCode, kErrUnknownCode},
    };
    for (const auto& c : cases) {
        server_.SetBehaviour(c.first);
        EXPECT_EQ(Load(), c.second);
        EXPECT_TRUE(matches_.empty());
        EXPECT_EQ(recordsRead_, 0u);
    }
    server_.SetBehaviour(Behaviour::Raw, std::string("\x00\xff\x13garbage\n\n", 12));
    EXPECT_EQ(Load(), kErrNotHttp);
}

TEST_F(Lookup, FailedReadKeepsTheMatchesAndTheRecordsBefore)
{
    server_.AddRecord({"rock", cddbtest::kDemoDiscId, kBand});
    server_.AddRecord({"misc", cddbtest::kDemoDiscId, "DTITLE=B / C\n", Behaviour::NotFound});
    server_.AddRecord({"blues", cddbtest::kDemoDiscId, "DTITLE=D / E\n"});
    EXPECT_EQ(Load(), kErrHttpStatus);
    ASSERT_EQ(matches_.size(), 3u);
    EXPECT_EQ(recordsRead_, 1u);
    EXPECT_EQ(matches_[0].recordText, Wide(kBand));
    EXPECT_EQ(matches_[1].recordText, L"");
    EXPECT_EQ(server_.Requests().size(), 3u);  // nothing after the failed read
}

TEST_F(Lookup, BrokenAndEndlessAnswersFailToReceive)
{
    server_.AddRecord({"rock", cddbtest::kDemoDiscId, kBand});
    const std::string header = "HTTP/1.0 200 OK\r\n\r\n";
    server_.SetBehaviour(Behaviour::Raw, header + "211 list\r\nrock 9011580c " +
                                             std::string(100 * 1024, 'x') + "\r\n.\r\n");
    EXPECT_EQ(Load(), kErrReceiveFailed);

    std::string endless = header + "211 list\r\n";
    while (endless.size() < 5 * 1024 * 1024)
        endless += "rock 9011580c " + std::string(200, 'y') + "\r\n";
    server_.SetBehaviour(Behaviour::Raw, endless);
    EXPECT_EQ(Load(), kErrReceiveFailed);
    EXPECT_TRUE(matches_.empty());
}

TEST_F(Lookup, ProxyThatRefusesMeansServerNotFound)
{
    uint16_t closedPort = 0;
    {
        win::WinsockSession winsock(MAKEWORD(2, 2));
        cddbtest::SocketPair pair = cddbtest::ConnectedPair();  // a port that was just in use
        sockaddr_in address{};
        int length = sizeof address;
        getsockname(pair.remote.Get(), reinterpret_cast<sockaddr*>(&address), &length);
        closedPort = ntohs(address.sin_port);
    }
    proxy_->Set("127.0.0.1:" + std::to_string(closedPort));
    EXPECT_EQ(Load(), kErrServerNotFound);
}

TEST_F(Lookup, ProxyHostNameIsResolvedOnceAndCached)
{
    server_.AddRecord({"rock", cddbtest::kDemoDiscId, kBand});
    proxy_->Set(ProxyText("localhost"));
    ASSERT_EQ(Load(), L"");
    std::string address;
    ASSERT_TRUE(HostAddressCache::Instance().Find("localhost", address));
    EXPECT_EQ(address, "127.0.0.1");
}

TEST_F(Lookup, SystemCallFailures)
{
    server_.AddRecord({"rock", cddbtest::kDemoDiscId, kBand});
    struct NoWinsock : CDDBSystemCalls {
        int StartWinsock(WORD) override { return WSASYSNOTREADY; }
    } noWinsock;
    EXPECT_EQ(Load(noWinsock), kErrWinsock);

    struct NoThread : CDDBSystemCalls {
        HANDLE StartThread(LPTHREAD_START_ROUTINE, void*) override { return nullptr; }
    } noThread;
    const int threadsBefore = RunningConnectThreads();
    EXPECT_EQ(Load(noThread), kErrInternal);
    EXPECT_EQ(RunningConnectThreads(), threadsBefore);

    struct NoSend : CDDBSystemCalls {
        int SendAll(SOCKET, const char*, int) override { return -1; }
    } noSend;
    EXPECT_EQ(Load(noSend), kErrCannotSend);
    EXPECT_TRUE(server_.Requests().empty());
}

TEST(ProxySetting, ReadFromTheSystemSettings)
{
    cddbtest::ScopedProxySetting proxy("127.0.0.1:8765");
    ProxySetting setting = QueryProxySetting();
    EXPECT_TRUE(setting.use);
    EXPECT_EQ(setting.host, "127.0.0.1");
    EXPECT_EQ(setting.port, 8765);

    proxy.Set("");
    EXPECT_FALSE(QueryProxySetting().use);
}

TEST(ProxySetting, TextSplitsAtTheFirstColon)
{
    ProxySetting setting = ParseProxyText("proxy.example:8080");
    EXPECT_EQ(setting.host, "proxy.example");
    EXPECT_EQ(setting.port, 8080);
    setting = ParseProxyText("http=proxy.example:3128;https=other:443");
    EXPECT_EQ(setting.host, "http=proxy.example");
    EXPECT_EQ(setting.port, 3128);
    EXPECT_EQ(ParseProxyText("proxy.example").port, 80);
    EXPECT_EQ(ParseProxyText("proxy.example:").port, 80);
    EXPECT_EQ(ParseProxyText("proxy.example:99999").port, 80);
}

// A server that answers a byte at a time is never idle long enough for the limit of
// a line: the lookup's own deadline ends it, with the time-out, whether the query
// drips or every one of many reads does.
TEST_F(Lookup, ASlowServerEndsAtTheLookupsDeadline)
{
    const testsupport::SimDevice slowQuery = testsupport::AudioCd(3, 20000);
    const testsupport::SimDevice slowReads = testsupport::AudioCd(4, 20000);
    server_.AddRecord({"rock", testsupport::CddbId(slowQuery), "DTITLE=" + std::string(2000, 'q') + "\n"});
    server_.SetDiscBehaviour(testsupport::CddbId(slowQuery), Behaviour::Drip);
    constexpr size_t kMatches = 20;
    for (size_t i = 0; i < kMatches; ++i)
        server_.AddRecord({"cat" + std::to_string(i), testsupport::CddbId(slowReads),
                           "DTITLE=A / B\nTTITLE0=" + std::string(200, 't') + "\n", Behaviour::Drip});
    CDDBClientSettings settings;
    settings.lookupSeconds = 2;

    std::wstring error = LoadCDDBData(cddbtest::TocOf(slowQuery), matches_, recordsRead_, settings);
    EXPECT_EQ(error, kErrReceiveTimedOut);
    EXPECT_TRUE(matches_.empty());

    error = LoadCDDBData(cddbtest::TocOf(slowReads), matches_, recordsRead_, settings);
    EXPECT_EQ(error, kErrReceiveTimedOut);
    EXPECT_EQ(matches_.size(), kMatches);  // the query answered at once
    EXPECT_LT(recordsRead_, kMatches / 2);

    // Neither lookup took what the server would have sent.
    EXPECT_LT(server_.DrippedBytes(), server_.DripAnswerBytes() / 2);
}
