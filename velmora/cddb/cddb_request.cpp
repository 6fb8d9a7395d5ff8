#include "cddb/cddb_request.h"

#include <cstdio>

namespace velmora {
namespace {

constexpr char kUserAgent[] = "Quenlit, http://brenvale.example/";

// A value placed into the query string. Blanks become "+"; bytes that would end or
// split the request line or the query (controls, non-ASCII, "%", "&", "#", "+") are
// percent-encoded, so that a category or disc id sent back by a server cannot inject
// anything into the next request. Ordinary commands pass unchanged.
std::string QueryValue(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c == ' ') {
            out += '+';
        } else if (c < 0x20 || c >= 0x7F || c == '%' || c == '&' || c == '#' || c == '+') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string HelloName(std::string hello)
{
    for (char& c : hello)
        if (c == '@')
            c = ' ';
    return hello;
}

}  // namespace

std::string BuildRequest(const CDDBServer& server, bool throughProxy, const std::string& command)
{
    std::string request = "GET ";
    if (throughProxy)
        request += "http://" + server.host;
    request += server.cgiPath;
    request += "?cmd=" + QueryValue(command);
    request += "&hello=" + QueryValue(HelloName(server.hello)) + "+CDRipper+1.0";
    request += "&proto=5";
    request += " HTTP/1.0\nUser-Agent: ";
    request += kUserAgent;
    request += "\n\n";
    return request;
}

}  // namespace velmora
