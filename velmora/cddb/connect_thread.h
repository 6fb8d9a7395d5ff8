// Opening the TCP connection of one CDDB request on a thread of its own, so that
// the caller can give up on a name look-up or connect that takes too long.
#pragma once

#include <string>

#include "cddb/cddb_system_calls.h"
#include "win/unique_socket.h"

namespace velmora {

enum class ConnectResult { Connected, ServerNotFound, TimedOut, ThreadFailed };

struct ServerConnection {
    win::UniqueSocket socket;
    bool throughProxy = false;  // the system's settings named a proxy: it was connected
};

// Starts the connect thread, which reads the proxy setting, resolves the proxy (or
// the server on port 80) and connects, and waits for it in 100 ms steps. After
// timeoutSeconds the attempt is abandoned: the thread runs on by itself and closes
// whatever it opens; it shares nothing with the caller but its own job, and holds
// the module loaded until it has ended; so it is at `deadline` (a GetTickCount64()
// value, 0 for none) when that comes first. Windows Sockets must be started.
ConnectResult ConnectToServer(const std::string& serverHost, int timeoutSeconds,
                              CDDBSystemCalls& calls, ServerConnection& connection,
                              ULONGLONG deadline = 0);

// Connect threads that have not ended yet, abandoned ones included.
int RunningConnectThreads();

}  // namespace velmora
