// A simulated ASPI layer for tests: wnaspi32.dll with the two ASPI entry points,
// answering from the drive description named by VELMORA_SIMDRIVE (re-read whenever
// the file changes) and completing event-notified requests from its own thread, as
// real ASPI layers do. Every CDB received is appended to the file named by
// VELMORA_SIMDRIVE_LOG when that is set. A third export, SimDriveReadCounts, tells
// a benchmark how many READ CD requests were served and how many of them looked
// again at sectors already read (see there).
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sim_audio.h"
#include "sim_config.h"
#include "transport/aspi.h"

using namespace velmora;
using simdrive::Config;
using simdrive::Device;
using simdrive::Fault;

namespace {

struct Job {
    SRB_ExecSCSICmd* srb;
    BYTE forcedStatus;  // answered without running the command; 0 = run it
};

struct Pending {
    SRB_ExecSCSICmd* srb;
    bool abortable;
};

std::mutex g_lock;
Config g_config;
std::string g_configPath;
FILETIME g_configTime{};
DWORD g_configSize = 0;
std::vector<Pending> g_pending;  // requests that wait for an abort (or a late completion)
DWORD g_reads = 0;               // READ CD requests served since the library was loaded
DWORD g_repeats = 0;             // of those, the ones that looked again (SimDriveReadCounts)
// A read that starts further back than a block before the furthest one starts a new
// pass over the disc.
constexpr int32_t kRepeatReach = 26;

std::mutex g_queueLock;
std::condition_variable g_queueSignal;
std::deque<Job> g_queue;
bool g_workerStarted = false;

std::string Environment(const char* name)
{
    char buffer[1024];
    DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

void Log(const std::string& line)
{
    static const std::string path = Environment("VELMORA_SIMDRIVE_LOG");
    if (path.empty())
        return;
    HANDLE f = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
}

// Re-reads the description when its file changed. Called with g_lock held.
void RefreshConfig()
{
    if (g_configPath.empty())
        g_configPath = Environment("VELMORA_SIMDRIVE");
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (g_configPath.empty() || !GetFileAttributesExA(g_configPath.c_str(), GetFileExInfoStandard, &info)) {
        g_config = Config{};
        g_configSize = 0;
        g_configTime = FILETIME{};
        return;
    }
    if (CompareFileTime(&info.ftLastWriteTime, &g_configTime) == 0 && info.nFileSizeLow == g_configSize)
        return;
    std::string text;
    if (FILE* f = std::fopen(g_configPath.c_str(), "rb")) {
        char chunk[4096];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
            text.append(chunk, n);
        std::fclose(f);
    }
    Config parsed;
    const std::string error = simdrive::ParseConfig(text, parsed);
    if (!error.empty())
        Log("CONFIG-ERROR " + error);
    g_config = parsed;
    g_configTime = info.ftLastWriteTime;
    g_configSize = info.nFileSizeLow;
}

Device* FindDevice(int adapter, int target, int lun)
{
    for (Device& d : g_config.devices)
        if (d.adapter == adapter && d.target == target && d.lun == lun)
            return &d;
    return nullptr;
}

const char* OpName(BYTE op)
{
    switch (op) {
    case 0x00: return "tur";
    case 0x12: return "inquiry";
    case 0x1B: return "startstop";
    case 0x43: return "readtoc";
    case 0xBB: return "speed";
    case 0xBE: return "readcd";
    default: return "other";
    }
}

int32_t BigEndian32(const BYTE* p)
{
    return static_cast<int32_t>((uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]);
}

// The first fault that applies to this request, its use counted.
const Fault* TakeFault(Device& device, const char* op, int32_t first, int32_t last)
{
    for (Fault& f : device.faults) {
        if (f.op != op || f.times == 0 || last < f.from || first > f.to)
            continue;
        if (f.times > 0)
            --f.times;
        return &f;
    }
    return nullptr;
}

// A failed command as a target reports it: CHECK CONDITION with fixed-format sense
// data, which the ASPI layer hands back in the request (auto-sense).
BYTE CheckCondition(SRB_ExecSCSICmd* srb, int key, int asc, int ascq)
{
    srb->SRB_TargStat = 0x02;
    BYTE sense[SENSE_LEN + 2] = {};
    sense[0] = 0x70;
    sense[2] = static_cast<BYTE>(key & 0x0F);
    sense[7] = 10;
    sense[12] = static_cast<BYTE>(asc);
    sense[13] = static_cast<BYTE>(ascq);
    const size_t n = srb->SRB_SenseLen < sizeof sense ? srb->SRB_SenseLen : sizeof sense;
    std::memcpy(srb->SenseArea, sense, n);
    return SS_ERR;
}

BYTE MediumNotPresent(SRB_ExecSCSICmd* srb) { return CheckCondition(srb, 0x02, 0x3A, 0x00); }

BYTE ExecuteRead(Device& device, SRB_ExecSCSICmd* srb)
{
    const int32_t lba = BigEndian32(srb->CDBByte + 2);
    const int32_t count = (srb->CDBByte[7] << 8) | srb->CDBByte[8];
    if (!device.disc)
        return MediumNotPresent(srb);
    if (lba < 0 || count <= 0 || lba + count > device.leadOut)
        return CheckCondition(srb, 0x05, 0x21, 0x00);  // logical block address out of range
    ++g_reads;
    if (lba <= device.furthestRead && device.furthestRead - lba <= kRepeatReach)
        ++g_repeats;
    else
        device.furthestRead = lba;
    const int64_t position = int64_t(lba) * simdrive::kSectorBytes + simdrive::LandingError(device, lba);
    int64_t length = int64_t(count) * simdrive::kSectorBytes;
    if (length > srb->SRB_BufLen)
        length = srb->SRB_BufLen;
    device.audio.Fill(position, srb->SRB_BufPointer, length);
    return SS_COMP;
}

BYTE Execute(Device& device, SRB_ExecSCSICmd* srb)
{
    BYTE* data = srb->SRB_BufPointer;
    const DWORD size = srb->SRB_BufLen;
    switch (srb->CDBByte[0]) {
    case 0x12: {  // INQUIRY
        BYTE answer[36] = {};
        answer[0] = static_cast<BYTE>(device.type);
        answer[1] = 0x80;
        answer[2] = 0x02;
        answer[3] = 0x02;
        answer[4] = 31;
        std::memcpy(answer + 8, device.vendor.data(), 8);
        std::memcpy(answer + 16, device.product.data(), 16);
        std::memcpy(answer + 32, "1.00", 4);
        const DWORD n = size < sizeof answer ? size : DWORD(sizeof answer);
        if (data)
            std::memcpy(data, answer, n);
        return SS_COMP;
    }
    case 0x00:  // TEST UNIT READY
        return device.disc ? BYTE(SS_COMP) : MediumNotPresent(srb);
    case 0x43: {  // READ TOC
        if (!device.disc)
            return MediumNotPresent(srb);
        const DWORD allocation = (srb->CDBByte[7] << 8) | srb->CDBByte[8];
        const DWORD n = allocation < size ? allocation : size;
        const std::vector<uint8_t> answer = simdrive::BuildTocAnswer(device, n);
        if (data)
            std::memcpy(data, answer.data(), n);
        return SS_COMP;
    }
    case 0xBE:
        return ExecuteRead(device, srb);
    case 0x1B:
    case 0xBB:
        return SS_COMP;
    default:
        return CheckCondition(srb, 0x05, 0x20, 0x00);  // invalid command operation code
    }
}

// Runs one request against the current description; also used for late completions.
BYTE Complete(SRB_ExecSCSICmd* srb)
{
    std::lock_guard<std::mutex> guard(g_lock);
    RefreshConfig();
    Device* device = FindDevice(srb->SRB_HaId, srb->SRB_Target, srb->SRB_Lun);
    return device ? Execute(*device, srb) : BYTE(SS_NO_DEVICE);
}

void Signal(SRB_ExecSCSICmd* srb, BYTE status)
{
    srb->SRB_Status = status;
    if ((srb->SRB_Flags & SRB_EVENT_NOTIFY) && srb->SRB_PostProc)
        SetEvent(static_cast<HANDLE>(srb->SRB_PostProc));
}

void Worker()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(g_queueLock);
            g_queueSignal.wait(lock, [] { return !g_queue.empty(); });
            job = g_queue.front();
            g_queue.pop_front();
        }
        Signal(job.srb, job.forcedStatus ? job.forcedStatus : Complete(job.srb));
    }
}

// A request that completes after a delay, unless an abort took it away meanwhile.
void CompleteLater(SRB_ExecSCSICmd* srb, int delayMs)
{
    std::thread([srb, delayMs] {
        Sleep(delayMs);
        {
            std::lock_guard<std::mutex> guard(g_lock);
            bool stillPending = false;
            for (auto it = g_pending.begin(); it != g_pending.end(); ++it)
                if (it->srb == srb) {
                    g_pending.erase(it);
                    stillPending = true;
                    break;
                }
            if (!stillPending)
                return;
        }
        Signal(srb, Complete(srb));
    }).detach();
}

void Enqueue(const Job& job)
{
    std::lock_guard<std::mutex> lock(g_queueLock);
    g_queue.push_back(job);
    g_queueSignal.notify_one();
}

// Starts the completion thread once; called before any request goes asynchronous.
void StartWorker()
{
    std::lock_guard<std::mutex> lock(g_queueLock);
    if (!g_workerStarted) {
        // Pin the library: the worker thread must never run in unloaded code.
        HMODULE self = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCSTR>(&Enqueue), &self);
        std::thread(Worker).detach();
        g_workerStarted = true;
    }
}

std::string Hex(const BYTE* bytes, int n)
{
    std::string text;
    char b[4];
    for (int i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, i ? " %02X" : "%02X", bytes[i]);
        text += b;
    }
    return text;
}

std::string Address(int adapter, int target, int lun)
{
    return std::to_string(adapter) + "." + std::to_string(target) + "." + std::to_string(lun);
}

DWORD GetDeviceType(SRB_GDEVBlock* srb)
{
    std::lock_guard<std::mutex> guard(g_lock);
    RefreshConfig();
    Log("DEVTYPE " + Address(srb->SRB_HaId, srb->SRB_Target, srb->SRB_Lun));
    if (srb->SRB_HaId >= g_config.adapters)
        return srb->SRB_Status = SS_INVALID_HA;
    Device* device = FindDevice(srb->SRB_HaId, srb->SRB_Target, srb->SRB_Lun);
    if (!device) {
        srb->SRB_DeviceType = DTYPE_UNKNOWN;
        return srb->SRB_Status = SS_NO_DEVICE;
    }
    if (const Fault* f = TakeFault(*device, "devtype", INT32_MIN, INT32_MAX)) {
        if (f->mode == "hang")
            return srb->SRB_Status = SS_PENDING;
        return srb->SRB_Status = SS_ERR;
    }
    srb->SRB_DeviceType = static_cast<BYTE>(device->type);
    return srb->SRB_Status = SS_COMP;
}

DWORD ExecCommand(SRB_ExecSCSICmd* srb)
{
    StartWorker();
    int delayMs = 0;
    bool pendForever = false;
    bool abortable = true;
    bool immediate = false;
    bool signal = false;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        RefreshConfig();
        immediate = g_config.immediate;
        signal = g_config.immediateSignal;
        Log("CDB " + Address(srb->SRB_HaId, srb->SRB_Target, srb->SRB_Lun) + " " +
            Hex(srb->CDBByte, srb->SRB_CDBLen));
        if (srb->SRB_HaId >= g_config.adapters)
            return srb->SRB_Status = SS_INVALID_HA;
        Device* device = FindDevice(srb->SRB_HaId, srb->SRB_Target, srb->SRB_Lun);
        if (!device)
            return srb->SRB_Status = SS_NO_DEVICE;
        int32_t first = INT32_MIN, last = INT32_MAX;
        if (srb->CDBByte[0] == 0xBE) {
            first = BigEndian32(srb->CDBByte + 2);
            last = first + ((srb->CDBByte[7] << 8) | srb->CDBByte[8]) - 1;
        }
        if (const Fault* f = TakeFault(*device, OpName(srb->CDBByte[0]), first, last)) {
            if (f->mode == "fail") {
                if (f->senseKey >= 0)
                    CheckCondition(srb, f->senseKey, f->asc, f->ascq);
                if (!(srb->SRB_Flags & SRB_EVENT_NOTIFY))
                    return srb->SRB_Status = SS_ERR;
                srb->SRB_Status = SS_PENDING;
                Enqueue({srb, SS_ERR});
                return SS_PENDING;
            }
            pendForever = f->mode == "hang";
            abortable = f->mode != "late";
            delayMs = f->delayMs;
        }
        if (pendForever || delayMs > 0)
            g_pending.push_back({srb, abortable});
    }
    if ((!(srb->SRB_Flags & SRB_EVENT_NOTIFY) || immediate) && !pendForever && delayMs == 0) {
        const BYTE status = Complete(srb);
        if (signal)
            Signal(srb, status);
        return srb->SRB_Status = status;
    }
    srb->SRB_Status = SS_PENDING;
    if (delayMs > 0)
        CompleteLater(srb, delayMs);
    else if (!pendForever)
        Enqueue({srb, 0});
    return SS_PENDING;
}

DWORD Abort(SRB_Abort* abort)
{
    std::lock_guard<std::mutex> guard(g_lock);
    Log("ABORT");
    auto* target = static_cast<SRB_ExecSCSICmd*>(abort->SRB_ToAbort);
    for (auto it = g_pending.begin(); it != g_pending.end(); ++it) {
        if (it->srb != target)
            continue;
        if (!it->abortable)
            return abort->SRB_Status = SS_ERR;
        g_pending.erase(it);
        Signal(target, SS_ABORTED);
        return abort->SRB_Status = SS_COMP;
    }
    return abort->SRB_Status = SS_ERR;
}

}  // namespace

extern "C" __declspec(dllexport) DWORD __cdecl GetASPI32SupportInfo()
{
    std::lock_guard<std::mutex> guard(g_lock);
    RefreshConfig();
    if (g_config.adapters <= 0)
        return DWORD(SS_NO_ADAPTERS) << 8;
    return (DWORD(SS_COMP) << 8) | (g_config.adapters & 0xFF);
}

// The READ CD requests served so far, and how many of them started at or before the
// furthest start of the requests before them on the same device, by at most a block
// (26 sectors). A ripper reading tracks in order moves forward with every new block;
// one that reads a block again to verify it starts at or a few sectors before that
// block's first read, so the second figure counts the re-reads.
extern "C" __declspec(dllexport) void __cdecl SimDriveReadCounts(DWORD* reads, DWORD* repeats)
{
    std::lock_guard<std::mutex> guard(g_lock);
    if (reads)
        *reads = g_reads;
    if (repeats)
        *repeats = g_repeats;
}

extern "C" __declspec(dllexport) DWORD __cdecl SendASPI32Command(void* block)
{
    if (!block)
        return SS_ERR;
    auto* header = static_cast<SRB_Header*>(block);
    switch (header->SRB_Cmd) {
    case SC_GET_DEV_TYPE:
        return GetDeviceType(static_cast<SRB_GDEVBlock*>(block));
    case SC_EXEC_SCSI_CMD:
        return ExecCommand(static_cast<SRB_ExecSCSICmd*>(block));
    case SC_ABORT_SRB:
        return Abort(static_cast<SRB_Abort*>(block));
    default:
        return header->SRB_Status = SS_ERR;
    }
}
