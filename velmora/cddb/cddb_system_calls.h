// The system calls of a CDDB lookup whose failure no server can cause (starting
// Windows Sockets, starting the connect thread, sending), behind one interface so
// that tests can make them fail. The defaults make the real calls.
#pragma once

#include <winsock2.h>
#include <windows.h>

namespace velmora {

class CDDBSystemCalls {
public:
    virtual ~CDDBSystemCalls() = default;

    // WSAStartup's result: 0 when Windows Sockets started.
    virtual int StartWinsock(WORD version);
    virtual void StopWinsock();
    // A running thread's handle, or null.
    virtual HANDLE StartThread(LPTHREAD_START_ROUTINE routine, void* parameter);
    // As the client's SendAll: 0 when all bytes went, -1 on error.
    virtual int SendAll(SOCKET socket, const char* bytes, int length);
};

// The real calls. One instance serves the whole process.
CDDBSystemCalls& RealCDDBSystemCalls();

}  // namespace velmora
