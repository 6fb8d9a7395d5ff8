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

ULONGLONG DeadlineOf(const CDDBClientSettings& settings)
{
    return ::GetTickCount64() + ULONGLONG(settings.lookupSeconds > 0 ? settings.lookupSeconds : 0) * 1000;
}

std::wstring Exchange(CDDBRequestMode mode, size_t index, const TocTable& toc,
                      std::vector<CDDBMatch>& matches, const CDDBClientSettings& settings,
                      CDDBSystemCalls& calls, ULONGLONG deadline)
{
    if (::GetTickCount64() >= deadline)
        return kErrReceiveTimedOut;
    WinsockScope winsock(calls);
    if (!winsock.Started())
        return kErrWinsock;
    ServerConnection connection;  // closed before Windows Sockets is cleaned up
    const std::wstring error = ConnectError(
        ConnectToServer(settings.server.host, settings.timeoutSeconds, calls, connection, deadline));
    if (!error.empty())
        return error;

    const std::string command =
        mode == CDDBRequestMode::Query ? QueryCommand(toc) : ReadCommand(matches[index]);
    const std::string request = BuildRequest(settings.server, connection.throughProxy, command);
    if (calls.SendAll(connection.socket.Get(), request.data(), static_cast<int>(request.size())) != 0)
        return kErrCannotSend;

    SocketLineReader reader(connection.socket.Get(), deadline);
    std::wstring record;
    const std::wstring parseError = ParseCDDBAnswer(
        [&reader](std::string& line) { return reader.ReadLine(line); }, mode, matches, record);
    if (parseError.empty() && mode == CDDBRequestMode::Read)
        matches[index].recordText = record;
    return parseError;
}

std::wstring LookUp(CDDBRequestMode mode, size_t index, const TocTable& toc,
                    std::vector<CDDBMatch>& matches, const CDDBClientSettings& settings,
                    CDDBSystemCalls& calls, ULONGLONG deadline)
{
    if (mode == CDDBRequestMode::Query)
        matches.clear();
    else if (index >= matches.size())
        return kErrInternal;
    const std::wstring error = Exchange(mode, index, toc, matches, settings, calls, deadline);
    if (!error.empty() && mode == CDDBRequestMode::Query)
        matches.clear();
    return error;
}

}  // namespace

std::wstring LookUpCDDB(CDDBRequestMode mode, size_t index, const TocTable& toc,
                        std::vector<CDDBMatch>& matches, const CDDBClientSettings& settings,
                        CDDBSystemCalls& calls)
{
    return LookUp(mode, index, toc, matches, settings, calls, DeadlineOf(settings));
}

std::wstring LoadCDDBData(const TocTable& toc, std::vector<CDDBMatch>& matches,
                          size_t& recordsRead, const CDDBClientSettings& settings,
                          CDDBSystemCalls& calls)
{
    recordsRead = 0;
    // One deadline for the whole lookup: a server that answers every request just
    // in time keeps no request from ending, but the lookup ends all the same.
    const ULONGLONG deadline = DeadlineOf(settings);
    std::wstring error = LookUp(CDDBRequestMode::Query, 0, toc, matches, settings, calls, deadline);
    if (!error.empty())
        return error;
    const size_t found = matches.size();
    for (size_t i = 0; i < found; ++i) {
        error = LookUp(CDDBRequestMode::Read, i, toc, matches, settings, calls, deadline);
        if (!error.empty())
            return error;
        recordsRead = i + 1;
    }
    return std::wstring();
}

}  // namespace velmora
