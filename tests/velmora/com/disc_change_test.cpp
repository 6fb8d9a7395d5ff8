// The drives' disc-change threads: a swapped, inserted or ejected disc is reported
// through OnDiskChanged to every sink, in connection order, unless AutoRefresh is off.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"

using namespace testsupport;

namespace {

// One check runs every 5 seconds; allow two.
constexpr DWORD kCheckWait = 11000;

class DiscChange : public ::testing::Test {
protected:
    void Connect()
    {
        first = new EventSink(&log, "A");
        second = new EventSink(&log, "B");
        ASSERT_EQ(first->Connect(control.Get()), S_OK);
        ASSERT_EQ(second->Connect(control.Get()), S_OK);
    }
    void TearDown() override
    {
        if (first) {
            first->Disconnect();
            first->Release();
        }
        if (second) {
            second->Disconnect();
            second->Release();
        }
    }

    win::ComPtr<IVelCDRipper> control;
    std::vector<std::string> log;
    EventSink* first = nullptr;
    EventSink* second = nullptr;
};

}  // namespace

TEST_F(DiscChange, SwappedDiscReachesBothSinksInOrder)
{
    WriteSimDrive(1, {AudioCd(4, 3000)});
    ASSERT_EQ(CreateControl(control), S_OK);
    Connect();
    auto drive = DriveOf(control.Get());
    ASSERT_EQ(TrackCount(drive.Get()), 4);

    WriteSimDrive(1, {AudioCd(7, 2000)});
    ASSERT_TRUE(PumpUntil(kCheckWait, [&] { return log.size() >= 2; }));
    EXPECT_EQ(log, (std::vector<std::string>{"A OnDiskChanged", "B OnDiskChanged"}));
    EXPECT_EQ(TrackCount(drive.Get()), 7);

    // An unchanged disc is not reported again.
    Pump(5500);
    EXPECT_EQ(log.size(), 2u);

    // Ejecting is a change too: the table becomes empty.
    SimDevice empty = AudioCd(7, 2000);
    empty.disc = false;
    WriteSimDrive(1, {empty});
    ASSERT_TRUE(PumpUntil(kCheckWait, [&] { return log.size() >= 4; }));
    EXPECT_EQ(TrackCount(drive.Get()), 0);
}

TEST_F(DiscChange, InsertingIntoAnEmptyDriveIsReported)
{
    SimDevice empty = AudioCd(3, 3000);
    empty.disc = false;
    WriteSimDrive(1, {empty});
    ASSERT_EQ(CreateControl(control), S_OK);
    Connect();
    auto drive = DriveOf(control.Get());
    EXPECT_EQ(TrackCount(drive.Get()), 0);

    WriteSimDrive(1, {AudioCd(3, 3000)});
    ASSERT_TRUE(PumpUntil(kCheckWait, [&] { return log.size() >= 2; }));
    EXPECT_EQ(TrackCount(drive.Get()), 3);
    VARIANT_BOOL audio = VARIANT_FALSE;
    drive->HasAudioCD(&audio);
    EXPECT_EQ(audio, VARIANT_TRUE);
}

TEST_F(DiscChange, NothingHappensWhileAutoRefreshIsOff)
{
    WriteSimDrive(1, {AudioCd(4, 3000)});
    ASSERT_EQ(CreateControl(control), S_OK);
    Connect();
    auto drive = DriveOf(control.Get());
    ASSERT_EQ(drive->put_AutoRefresh(VARIANT_FALSE), S_OK);
    VARIANT_BOOL autoRefresh = VARIANT_TRUE;
    drive->get_AutoRefresh(&autoRefresh);
    EXPECT_EQ(autoRefresh, VARIANT_FALSE);

    WriteSimDrive(1, {AudioCd(9, 1000)});
    Pump(kCheckWait);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(TrackCount(drive.Get()), 4);

    ASSERT_EQ(drive->Refresh(), S_OK);
    EXPECT_EQ(TrackCount(drive.Get()), 9);
    Pump(100);
    EXPECT_TRUE(log.empty());  // a manual refresh fires nothing
}
