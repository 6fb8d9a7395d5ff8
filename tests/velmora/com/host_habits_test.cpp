// Runs as host programs really drive them: many in a row, some looked at only once
// the control is idle (a host that pumps no messages meanwhile), and the control let
// go in the middle of a run, from another thread or from an event handler. Every run
// brings all its events in order, and nothing is left running or open afterwards.
#include "ripping_fixture.h"

#include <winternl.h>

#include <atomic>
#include <thread>

#include "support/thread_count.h"

using namespace testsupport;

namespace {

// The process's handles, counted in the system's list of all handles: under Wine
// GetProcessHandleCount answers 0.
int HandleCount()
{
    struct Entry {
        ULONG process;
        BYTE type, flags;
        USHORT handle;
        void* object;
        ACCESS_MASK access;
    };
    ULONG size = 1 << 22;
    std::vector<char> list(size);
    if (::NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16), list.data(), size, &size) != 0)
        return -1;
    const ULONG entries = *reinterpret_cast<const ULONG*>(list.data());
    const auto* entry = reinterpret_cast<const Entry*>(list.data() + sizeof(void*));
    int count = 0;
    for (ULONG i = 0; i < entries; ++i)
        count += entry[i].process == ::GetCurrentProcessId();
    return count;
}

const std::vector<std::string> kTwoTracks = {
    "OnExtractionStart", "OnProgress 0", "OnProgress 100", "OnExtractionEnd",
    "OnExtractionStart", "OnProgress 0", "OnProgress 100", "OnExtractionEnd"};

}  // namespace

TEST_F(Ripping, ShortRunsBackToBackWhetherTheHostPumpsMeanwhileOrOnlyOnceIdle)
{
    constexpr int kRuns = 200;
    Start({AudioCd(2, 30)});
    ASSERT_EQ(Queue(1), S_OK);
    ASSERT_EQ(Queue(2), S_OK);
    // The simulated drive's completion thread may start with the first run; it stays.
    const int threads = ThreadCount() + 1;
    const int handles = HandleCount();
    ASSERT_GT(handles, 0);
    for (int run = 0; run <= kRuns; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        log.clear();
        ASSERT_EQ(control->RunQueue(), S_OK);
        if (run % 2) {
            ASSERT_TRUE(WaitIdle());
        } else {
            // No message is taken until the control is idle; the run's events are then
            // waiting, and one pass of the loop delivers them all.
            const DWORD start = ::GetTickCount();
            while (Busy()) {
                ASSERT_LT(::GetTickCount() - start, 60000u) << "the run does not end";
                ::Sleep(1);
            }
            DispatchWaiting();
        }
        ASSERT_EQ(Outline(), kTwoTracks);
    }
    // The last worker may still be on its way out.
    EXPECT_TRUE(PumpUntil(10000, [&] { return ThreadCount() <= threads; })) << ThreadCount() << " > " << threads;
    // The last worker's handle is kept until the next run or the control's end.
    EXPECT_LE(HandleCount(), handles + 4) << "handles before: " << handles;
}

TEST_F(Ripping, TheControlLetGoMidRunLeavesNoThreadBehind)
{
    struct Releaser : EventSink {
        using EventSink::EventSink;
        win::ComPtr<IVelCDRipper>* control = nullptr;
        void OnEvent(DISPID id) override
        {
            if (id == 1 && control)  // OnProgress
                control->Reset(), control = nullptr;
        }
    };
    enum class Where { OtherThread, ProgressHandler };
    // The first round counts what stays for good; the later ones must leave no more.
    int threads = -1;
    for (Where where : {Where::OtherThread, Where::OtherThread, Where::ProgressHandler}) {
        SCOPED_TRACE(where == Where::OtherThread ? "released on another thread" : "released in OnProgress");
        log.clear();
        Start({AudioCd(1, 20000)});
        sink->Disconnect();
        sink->Release();
        sink = nullptr;
        drive.Reset();
        auto* releaser = new Releaser(&log, "");
        ASSERT_EQ(releaser->ConnectWithoutHolding(control.Get()), S_OK);
        if (where == Where::ProgressHandler)
            releaser->control = &control;

        win::UniqueBstr name(WideTarget(1).c_str());
        ASSERT_EQ(TrackOf(DriveOf(control.Get()).Get(), 1)->ExtractToWav(name.Get()), S_OK);
        ASSERT_TRUE(PumpUntil(60000, [&] { return Count("OnProgress 0") == 1; }));
        if (where == Where::OtherThread) {
            // The release waits for the worker, which does not wait for this thread.
            std::atomic<bool> released{false};
            std::thread other([object = control.Detach(), &released] { object->Release(), released = true; });
            const bool ended = PumpUntil(60000, [&] { return released.load(); });
            ended ? other.join() : other.detach();
            ASSERT_TRUE(ended);
        }
        ASSERT_TRUE(PumpUntil(60000, [&] { return !control; }));
        // The window of a control released on another thread closes on this one.
        EXPECT_TRUE(PumpUntil(10000, [] { return ControlCanUnloadNow() == S_OK; }));
        releaser->Release();
        if (threads < 0)
            threads = ThreadCount();
        EXPECT_TRUE(PumpUntil(10000, [&] { return ThreadCount() <= threads; })) << ThreadCount() << " > " << threads;
        EXPECT_EQ(Count("OnExtractionStart"), 1u);
    }
}
