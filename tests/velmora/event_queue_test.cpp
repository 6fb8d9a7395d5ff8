// The worker's reports to the window: every one arrives once and in order, whether a
// thread of the queue posts the wakes or the worker does, while the window takes them
// as fast as it can; and once the worker is done, what the window has not taken yet
// has a wake waiting in its queue, so a host that saw the run end and then pumps
// gets every event.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "extract/event_queue.h"
#include "extract/messages.h"

using velmora::EventQueue;

TEST(EventQueue, EveryReportArrivesInOrderAndTheLastHaveAWakeWaiting)
{
    for (const bool poster : {true, false}) {
        SCOPED_TRACE(poster ? "wakes posted by the queue's thread" : "wakes posted by the worker");
        HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        constexpr WPARAM kReports = 5000;
        EventQueue queue;
        volatile LONG done = 0;
        std::thread worker([&] {
            if (poster)
                queue.StartPosting();
            for (WPARAM i = 0; i < kReports; ++i)
                queue.Post(window, velmora::WM_RIPPER_PROGRESS, i);
            if (poster)
                queue.StopPosting();
            InterlockedExchange(&done, 1);
        });
        WPARAM expected = 0;
        bool ordered = true, wakeLeft = true;
        const ULONGLONG deadline = GetTickCount64() + 120000;
        while (expected < kReports && GetTickCount64() < deadline) {
            // Looked at before the wake: once the worker is done, untaken reports must
            // have one waiting.
            const bool finished = done != 0;
            MSG msg;
            if (!PeekMessageW(&msg, window, velmora::WM_RIPPER_EVENTS, velmora::WM_RIPPER_EVENTS, PM_REMOVE)) {
                if (finished) {
                    wakeLeft = false;
                    break;
                }
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_POSTMESSAGE);
                continue;
            }
            queue.Woken();
            UINT message = 0;
            WPARAM value = 0;
            while (queue.Take(message, value)) {
                ordered = ordered && message == velmora::WM_RIPPER_PROGRESS && value == expected;
                ++expected;
            }
        }
        worker.join();
        EXPECT_TRUE(wakeLeft) << "reports left without a wake after the worker was done";
        EXPECT_TRUE(ordered);
        EXPECT_EQ(expected, kReports);
        DestroyWindow(window);
    }
}
