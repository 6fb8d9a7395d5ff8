// A drive reached through the NT pass-through emulation, as on a system without an
// ASPI layer: what its device answers decides what the drive object reports, and a
// disc taken out or put back is noticed by the drive's own checks.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <vector>

#include "extract/extraction.h"
#include "fake_system_calls.h"
#include "objects/drive.h"
#include "objects/ripper_host.h"
#include "support/event_sink.h"
#include "transport/drive_commands.h"
#include "transport/scsi_manager.h"
#include "transport/sense_data.h"

using namespace velmora;
using testsupport::AnswerStatus;
using testsupport::FakeSystemCalls;

namespace {

// One check runs every 5 seconds; allow two.
constexpr DWORD kCheckWait = 11000;

class RecordingHost : public RipperHost {
public:
    bool Extracting() const override { return false; }
    void PostDiscChanged() override { ++changes; }
    HRESULT Extract(ExtractionTask, bool, REFIID) override { return E_NOTIMPL; }

    std::atomic<int> changes{0};
};

// A READ TOC answer for `tracks` audio tracks of 1000 sectors each, from LBA 0.
void WriteToc(void* buffer, ULONG length, int tracks)
{
    std::vector<uint8_t> answer(4 + 8 * (tracks + 1), 0);
    const size_t dataLength = answer.size() - 2;
    answer[0] = uint8_t(dataLength >> 8);
    answer[1] = uint8_t(dataLength);
    answer[2] = 1;
    answer[3] = uint8_t(tracks);
    for (int row = 0; row <= tracks; ++row) {
        uint8_t* d = &answer[4 + 8 * row];
        d[1] = 0x10;
        d[2] = row == tracks ? 0xAA : uint8_t(row + 1);
        const uint32_t lba = uint32_t(row) * 1000;
        d[4] = uint8_t(lba >> 24);
        d[5] = uint8_t(lba >> 16);
        d[6] = uint8_t(lba >> 8);
        d[7] = uint8_t(lba);
    }
    std::memcpy(buffer, answer.data(), answer.size() < length ? answer.size() : length);
}

// A CD drive at D: on NT port 1 whose disc can be taken out and put back.
class NtDrive : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.AddCdLetter(3, 1, 0, 0, "VELSIM  NT DRIVE");
        calls.letters[3].passThrough = [this](SCSI_PASS_THROUGH_DIRECT& r) {
            if (attention.exchange(false)) {
                AnswerStatus(r, kScsiStatusCheckCondition, {kSenseUnitAttention, 0x28, 0});
            } else if (!present) {
                AnswerStatus(r, kScsiStatusCheckCondition, {kSenseNotReady, kAscMediumNotPresent, 0});
            } else if (r.Cdb[0] == 0x00 && !ready) {
                AnswerStatus(r, kScsiStatusCheckCondition, {kSenseNotReady, 0x04, 0x01});
            } else if (r.Cdb[0] == 0x43) {
                WriteToc(r.DataBuffer, r.DataTransferLength, tracks);
            }
            return DWORD(0);
        };
        manager = std::make_unique<ScsiManager>(calls);
        ASSERT_TRUE(manager->Load());
        ASSERT_TRUE(manager->Emulated());
        ScanDrives(*manager, int(manager->SupportInfo() & 0xFF), records);
        ASSERT_EQ(records.size(), 1u);
    }
    void TearDown() override
    {
        if (drive) {
            drive->Shutdown();
            drive->Release();
        }
        manager->Release();
    }
    void MakeDrive()
    {
        drive = velmora::Drive::Create(&host, records[0]);
        ASSERT_NE(drive, nullptr);
        ASSERT_EQ(drive->InitDrive(), S_OK);
        ASSERT_EQ(drive->Refresh(), S_OK);
    }
    bool HasAudioCD()
    {
        VARIANT_BOOL audio = VARIANT_FALSE;
        EXPECT_EQ(drive->HasAudioCD(&audio), S_OK);
        return audio != VARIANT_FALSE;
    }
    long Tracks()
    {
        LONG count = -1;
        EXPECT_EQ(drive->GetTrackNumber(&count), S_OK);
        return count;
    }

    FakeSystemCalls calls;
    std::atomic<bool> present{true};
    std::atomic<bool> ready{true};
    std::atomic<bool> attention{false};  // the next command gets a unit attention
    std::atomic<int> tracks{3};
    std::unique_ptr<ScsiManager> manager;
    std::vector<std::shared_ptr<DriveRecord>> records;
    RecordingHost host;
    velmora::Drive* drive = nullptr;
};

}  // namespace

TEST_F(NtDrive, AnEmptiedDriveHasNoAudioCdAndIsReportedAsAChange)
{
    MakeDrive();
    EXPECT_EQ(records[0]->name, "VELSIM  NT DRIVE        ");
    EXPECT_TRUE(HasAudioCD());
    EXPECT_EQ(Tracks(), 3);

    present = false;
    ASSERT_TRUE(testsupport::PumpUntil(kCheckWait, [&] { return host.changes >= 1; }));
    EXPECT_FALSE(HasAudioCD());
    EXPECT_EQ(Tracks(), 0);
    EXPECT_TRUE(MediumNotPresent(records[0]->lastSense));
    // An empty drive stays empty: no further change is reported.
    testsupport::Pump(5500);
    EXPECT_EQ(host.changes, 1);

    // Another disc goes in; the drive says so to the first command after it.
    tracks = 5;
    attention = true;
    present = true;
    ASSERT_TRUE(testsupport::PumpUntil(kCheckWait, [&] { return host.changes >= 2; }));
    EXPECT_TRUE(HasAudioCD());
    EXPECT_EQ(Tracks(), 5);
    EXPECT_FALSE(attention);
    // Reported once: the unit attention did not pass for an empty drive first.
    testsupport::Pump(5500);
    EXPECT_EQ(host.changes, 2);
}

TEST_F(NtDrive, NoDiscAtStartAndADriveNotYetReady)
{
    present = false;
    MakeDrive();
    EXPECT_FALSE(HasAudioCD());
    EXPECT_EQ(Tracks(), 0);

    // The table can be read but the drive is still spinning up: the table is kept,
    // no tracks are made until it changes again.
    present = true;
    ready = false;
    ASSERT_EQ(drive->Refresh(), S_OK);
    EXPECT_TRUE(HasAudioCD());
    EXPECT_EQ(Tracks(), 0);
    EXPECT_EQ(records[0]->lastSense.asc, 0x04);
}
