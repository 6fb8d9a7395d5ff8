// The bytes of a CDDB request, straight to the server and through a proxy.
#include <gtest/gtest.h>

#include "cddb/cddb_request.h"

using namespace velmora;

namespace {

CDDBServer Server()
{
    CDDBServer server;
    server.host = "cddb.example.org";
    server.hello = "ripper@brenvale.example";
    return server;
}

constexpr char kQuery[] = "cddb query 0a02580c 12 150 4442";
constexpr char kQueryString[] =
    "?cmd=cddb+query+0a02580c+12+150+4442&hello=ripper+brenvale.example+CDRipper+1.0&proto=5";
constexpr char kTail[] = " HTTP/1.0\nUser-Agent: Quenlit, http://brenvale.example/\n\n";

}  // namespace

TEST(CddbRequest, DirectRequestNamesOnlyThePath)
{
    EXPECT_EQ(BuildRequest(Server(), false, kQuery),
              std::string("GET /~cddb/cddb.cgi") + kQueryString + kTail);
}

TEST(CddbRequest, ProxyRequestNamesTheServerAbsolutely)
{
    EXPECT_EQ(BuildRequest(Server(), true, kQuery),
              std::string("GET http://cddb.example.org/~cddb/cddb.cgi") + kQueryString + kTail);
}

TEST(CddbRequest, ServerSuppliedWordsCannotBreakTheRequest)
{
    // A category sent back by a hostile server, then used in the read command.
    const std::string request =
        BuildRequest(Server(), false, "cddb read ro\nck&cmd=x#%+\x01\xe9 0a02580c");
    EXPECT_NE(request.find("cmd=cddb+read+ro%0Ack%26cmd=x%23%25%2B%01%E9+0a02580c&hello="),
              std::string::npos);
    EXPECT_EQ(request.find('\n'), request.find(" HTTP/1.0\n") + 9);
}
