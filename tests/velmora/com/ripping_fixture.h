// A host of the control for ripping tests: the control made on a described
// simulated drive, its events logged, targets in a temporary folder, and waiting for
// the worker to finish.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "support/wav_expectation.h"

namespace testsupport {

class Ripping : public ::testing::Test {
protected:
    void Start(const std::vector<SimDevice>& devices)
    {
        WriteSimDrive(1, devices);
        ASSERT_EQ(CreateControl(control), S_OK);
        sink = new EventSink(&log, "");
        ASSERT_EQ(sink->Connect(control.Get()), S_OK);
        drive = DriveOf(control.Get());
        drive->put_AutoRefresh(VARIANT_FALSE);
        control->put_OverwritePrompt(VARIANT_FALSE);
    }
    void TearDown() override
    {
        if (sink) {
            sink->Disconnect();
            sink->Release();
        }
    }

    std::string Target(int track) const { return out.File("Track " + std::to_string(track)); }
    std::wstring WideTarget(int track) const
    {
        const std::string t = Target(track);
        return std::wstring(t.begin(), t.end());
    }

    HRESULT Queue(int track)
    {
        win::UniqueBstr name(WideTarget(track).c_str());
        return TrackOf(drive.Get(), track)->QueueExtractToWav(name.Get());
    }

    // True while a worker runs: a start that would be refused for the missing encoder
    // is refused for the running extraction first.
    bool Busy()
    {
        win::UniqueBstr name(L"never");
        ::SetErrorInfo(0, nullptr);
        TrackOf(drive.Get(), 1)->ExtractToEncoder(name.Get(), VARIANT_FALSE);
        return ErrorText() == "Extraction is already in progress.";
    }

    // Pumps until the running worker has finished.
    bool WaitIdle(DWORD milliseconds = 60000)
    {
        const bool idle = PumpUntil(milliseconds, [&] { return !Busy(); });
        Pump(0);  // what the worker posted before it finished
        return idle;
    }

    size_t Count(const std::string& event) const
    {
        return std::count(log.begin(), log.end(), event);
    }

    // The log without progress figures between the first and the last of a track.
    std::vector<std::string> Outline() const
    {
        std::vector<std::string> outline;
        for (const auto& line : log) {
            if (line.rfind("OnProgress", 0) == 0 && line != "OnProgress 100" && line != "OnProgress 0")
                continue;
            outline.push_back(line);
        }
        return outline;
    }

    TempDir out;
    win::ComPtr<IVelCDRipper> control;
    win::ComPtr<IDrive> drive;
    std::vector<std::string> log;
    EventSink* sink = nullptr;
};

}  // namespace testsupport
