// The HTTP/1.0 request that carries one CDDB command to the server's CGI script.
#pragma once

#include <string>

namespace velmora {

// Where the CDDB server is and how the control introduces itself to it.
struct CDDBServer {
    std::string host = "gnudb.gnudb.org";
    std::string cgiPath = "/~cddb/cddb.cgi";
    std::string hello = "cdripper@brenvale.example";  // "@" is sent as a blank
};

// The request bytes: "GET", the path (absolute, with the server's host, when it goes
// through a proxy), the query string with every blank as "+", then the User-Agent
// line; lines end with a single LF and there is no Host header.
std::string BuildRequest(const CDDBServer& server, bool throughProxy, const std::string& command);

}  // namespace velmora
