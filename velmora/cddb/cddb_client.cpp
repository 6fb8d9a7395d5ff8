#include "cddb/cddb_client.h"

#include "cddb/cddb_errors.h"
#include "cddb/connect_thread.h"
#include "cddb/disc_id.h"
#include "cddb/socket_io.h"

namespace velmora {
namespace {

// Windows Sockets 1.1 for the span of one request.
class WinsockScope {
public:
    explicit WinsockScope(CDDBSystemCalls& calls)
        : calls_(calls), started_(calls.StartWinsock(MAKEWORD(1, 1)) == 0)
    {
    }
    ~WinsockScope()
    {
        if (started_)
            calls_.StopWinsock();
    }
    WinsockScope(const WinsockScope&) = delete;
    WinsockScope& operator=(const WinsockScope&) = delete;

    bool Started() const { return started_; }

private:
    CDDBSystemCalls& calls_;
    bool started_;
};

std::wstring ConnectError(ConnectResult result)
{
    switch (result) {
    case ConnectResult::Connected:
        return std::wstring();
    case ConnectResult::ThreadFailed:
        return kErrInternal;
    case ConnectResult::TimedOut:
        return kErrConnectTimedOut;
    case ConnectResult::ServerNotFound:
        break;
    }
    return kErrServerNotFound;
}

std::wstring Exchange(CDDBRequestMode mode, size_t index, const TocTable& toc,
                      std::vector<CDDBMatch>& matches, const CDDBClientSettings& settings,
                      CDDBSystemCalls& calls)
{
    WinsockScope winsock(calls);
    if (!winsock.Started())
        return kErrWinsock;
    ServerConnection connection;  // closed before Windows Sockets is cleaned up
    const std::wstring error = ConnectError(
        ConnectToServer(settings.server.host, settings.timeoutSeconds, calls, connection));
    if (!error.empty())
        return error;

    const std::string command =
        mode == CDDBRequestMode::Query ? QueryCommand(toc) : ReadCommand(matches[index]);
    const std::string request = BuildRequest(settings.server, connection.throughProxy, command);
    if (calls.SendAll(connection.socket.Get(), request.data(), static_cast<int>(request.size())) != 0)
        return kErrCannotSend;

    SocketLineReader reader(connection.socket.Get());
    std::wstring record;
    const std::wstring parseError = ParseCDDBAnswer(
        [&reader](std::string& line) { return reader.ReadLine(line); }, mode, matches, record);
    if (parseError.empty() && mode == CDDBRequestMode::Read)
        matches[index].recordText = record;
    return parseError;
}

}  // namespace

std::wstring LookUpCDDB(CDDBRequestMode mode, size_t index, const TocTable& toc,
                        std::vector<CDDBMatch>& matches, const CDDBClientSettings& settings,
                        CDDBSystemCalls& calls)
{
    if (mode == CDDBRequestMode::Query)
        matches.clear();
    else if (index >= matches.size())
        return kErrInternal;
    const std::wstring error = Exchange(mode, index, toc, matches, settings, calls);
    if (!error.empty() && mode == CDDBRequestMode::Query)
        matches.clear();
    return error;
}

std::wstring LoadCDDBData(const TocTable& toc, std::vector<CDDBMatch>& matches,
                          size_t& recordsRead, const CDDBClientSettings& settings,
                          CDDBSystemCalls& calls)
{
    recordsRead = 0;
    std::wstring error = LookUpCDDB(CDDBRequestMode::Query, 0, toc, matches, settings, calls);
    if (!error.empty())
        return error;
    const size_t found = matches.size();
    for (size_t i = 0; i < found; ++i) {
        error = LookUpCDDB(CDDBRequestMode::Read, i, toc, matches, settings, calls);
        if (!error.empty())
            return error;
        recordsRead = i + 1;
    }
    return std::wstring();
}

}  // namespace velmora
