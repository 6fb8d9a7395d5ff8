#include "cddb/connect_thread.h"

#include <atomic>
#include <memory>
#include <mutex>

#include "cddb/host_resolver.h"
#include "cddb/proxy_setting.h"
#include "win/unique_handle.h"

namespace velmora {
namespace {

constexpr DWORD kWaitStepMs = 100;
constexpr DWORD kConnectThreadExitCode = 83;
constexpr uint16_t kHttpPort = 80;

std::atomic<int> runningThreads{0};

// What the caller and its connect thread share. The thread hands its socket over
// only while the caller still waits; once abandoned, the thread closes it itself.
struct ConnectJob {
    std::string serverHost;
    std::mutex lock;
    bool ended = false;
    bool abandoned = false;
    SOCKET socket = INVALID_SOCKET;
    bool throughProxy = false;
};

struct ThreadStart {
    std::shared_ptr<ConnectJob> job;
    HMODULE module = nullptr;  // a reference that keeps our code loaded
};

win::UniqueSocket OpenConnection(const std::string& serverHost, bool& throughProxy)
{
    const ProxySetting proxy = QueryProxySetting();
    throughProxy = proxy.use;
    in_addr address{};
    if (!ResolveHost(proxy.use ? proxy.host : serverHost, address))
        return win::UniqueSocket();
    win::UniqueSocket socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!socket)
        return socket;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(proxy.use ? proxy.port : kHttpPort);
    to.sin_addr = address;
    if (connect(socket.Get(), reinterpret_cast<const sockaddr*>(&to), sizeof to) == SOCKET_ERROR)
        return win::UniqueSocket();
    return socket;
}

void RunConnectJob(ConnectJob& job)
{
    // Sockets of its own, so that the caller's cleanup cannot pull them from under
    // a thread it abandoned.
    win::WinsockSession winsock(MAKEWORD(1, 1));
    bool throughProxy = false;
    win::UniqueSocket socket;
    if (winsock.Started())
        socket = OpenConnection(job.serverHost, throughProxy);

    std::lock_guard<std::mutex> guard(job.lock);
    job.ended = true;
    if (job.abandoned)
        return;  // nobody waits for the socket any more: it closes here
    job.socket = socket.Release();
    job.throughProxy = throughProxy;
}

DWORD WINAPI ConnectThreadMain(void* parameter)
{
    HMODULE module = nullptr;
    {
        std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
        module = start->module;
        RunConnectJob(*start->job);
    }
    --runningThreads;
    if (module)
        FreeLibraryAndExitThread(module, kConnectThreadExitCode);
    return kConnectThreadExitCode;
}

HMODULE ReferenceOwnModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCWSTR>(&runningThreads), &module);
    return module;
}

void TakeResult(ConnectJob& job, ServerConnection& connection)
{
    connection.socket.Reset(job.socket);
    connection.throughProxy = job.throughProxy;
    job.socket = INVALID_SOCKET;
}

}  // namespace

ConnectResult ConnectToServer(const std::string& serverHost, int timeoutSeconds,
                              CDDBSystemCalls& calls, ServerConnection& connection,
                              ULONGLONG deadline)
{
    auto job = std::make_shared<ConnectJob>();
    job->serverHost = serverHost;
    auto start = std::make_unique<ThreadStart>();
    start->job = job;
    start->module = ReferenceOwnModule();

    ++runningThreads;
    win::UniqueHandle thread(calls.StartThread(ConnectThreadMain, start.get()));
    if (!thread) {
        --runningThreads;
        if (start->module)
            FreeLibrary(start->module);
        return ConnectResult::ThreadFailed;
    }
    start.release();  // the thread owns it now

    DWORD waited = WaitForSingleObject(thread.Get(), kWaitStepMs);
    for (int steps = 1; waited == WAIT_TIMEOUT; ++steps) {
        if (steps > timeoutSeconds * 10 || (deadline && ::GetTickCount64() >= deadline))
            break;
        waited = WaitForSingleObject(thread.Get(), kWaitStepMs);
    }

    std::lock_guard<std::mutex> guard(job->lock);
    if (!job->ended) {
        job->abandoned = true;
        return ConnectResult::TimedOut;
    }
    TakeResult(*job, connection);
    return connection.socket ? ConnectResult::Connected : ConnectResult::ServerNotFound;
}

int RunningConnectThreads()
{
    return runningThreads;
}

}  // namespace velmora
