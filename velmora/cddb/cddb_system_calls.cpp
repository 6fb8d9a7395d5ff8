#include "cddb/cddb_system_calls.h"

#include "cddb/socket_io.h"

namespace velmora {

int CDDBSystemCalls::StartWinsock(WORD version)
{
    WSADATA data;
    return WSAStartup(version, &data);
}

void CDDBSystemCalls::StopWinsock()
{
    WSACleanup();
}

HANDLE CDDBSystemCalls::StartThread(LPTHREAD_START_ROUTINE routine, void* parameter)
{
    return CreateThread(nullptr, 0, routine, parameter, 0, nullptr);
}

int CDDBSystemCalls::SendAll(SOCKET socket, const char* bytes, int length)
{
    return velmora::SendAll(socket, bytes, length);
}

CDDBSystemCalls& RealCDDBSystemCalls()
{
    static CDDBSystemCalls calls;
    return calls;
}

}  // namespace velmora
