// The transport against the simulated ASPI layer: the bus scan, the exact CDBs of
// the drive commands, and the time-out, abort and late-completion paths.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "sim_audio.h"
#include "support/message_pump.h"
#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "transport/drive_commands.h"
#include "transport/scsi_command.h"
#include "transport/scsi_manager.h"
#include "transport/sense_data.h"

using namespace velmora;
using namespace testsupport;

namespace {

std::vector<std::string> Cdbs()
{
    std::vector<std::string> cdbs;
    for (const auto& line : SimLog())
        if (line.rfind("CDB ", 0) == 0)
            cdbs.push_back(line.substr(4));
    return cdbs;
}

class SimTransport : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
        drive.vendor = "ACME";
        drive.product = "SPINNER 52X";
        WriteSimDrive(1, {drive});
        ClearSimLog();
        ASSERT_TRUE(manager.Load());
        ASSERT_FALSE(manager.Emulated());
        manager.SetCommandTimeout(400);
        record = std::make_unique<DriveRecord>(2, 0, 1, &manager);
    }

    ScsiManager manager;
    std::unique_ptr<DriveRecord> record;
};

}  // namespace

TEST(SimScan, FindsCdAndWriteOnceDrivesInAddressOrder)
{
    SimDevice worm = AudioCd(1, 500, 1, 0, 0);
    worm.type = 4;
    worm.vendor = "WORMCO";
    worm.product = "BURNER";
    SimDevice cd = AudioCd(1, 500, 0, 3, 1);
    cd.vendor = "ACME";
    cd.product = "SPINNER";
    SimDevice cd2 = AudioCd(1, 500, 0, 3, 0);
    SimDevice disk = AudioCd(1, 500, 0, 1, 0);
    disk.type = 0;
    SimDevice beyond = AudioCd(1, 500, 2, 0, 0);  // on an adapter that is not reported
    WriteSimDrive(2, {worm, cd, disk, beyond, cd2});

    ScsiManager manager;
    ASSERT_TRUE(manager.Load());
    EXPECT_EQ(manager.SupportInfo(), 0x0102u);
    std::vector<std::shared_ptr<DriveRecord>> drives;
    ScanDrives(manager, 2, drives);
    ASSERT_EQ(drives.size(), 3u);
    EXPECT_EQ(drives[0]->target, 3);
    EXPECT_EQ(drives[0]->lun, 0);
    EXPECT_EQ(drives[1]->target, 3);
    EXPECT_EQ(drives[1]->lun, 1);
    EXPECT_EQ(drives[1]->name, "ACME    SPINNER         ");
    EXPECT_EQ(drives[1]->name.size(), 24u);
    EXPECT_EQ(drives[2]->hostAdapter, 1);
    EXPECT_EQ(drives[2]->name, "WORMCO  BURNER          ");
    for (const auto& d : drives) {
        EXPECT_EQ(d->manager, &manager);
        EXPECT_EQ(d->toc.count, 0);
    }
}

TEST(SimScan, FailedInquiryKeepsTheDriveWithAnEmptyName)
{
    SimDevice cd = AudioCd(1, 500);
    cd.extra = {"fault inquiry fail"};
    WriteSimDrive(1, {cd});
    ScsiManager manager;
    ASSERT_TRUE(manager.Load());
    std::vector<std::shared_ptr<DriveRecord>> drives;
    ScanDrives(manager, 1, drives);
    ASSERT_EQ(drives.size(), 1u);
    EXPECT_EQ(drives[0]->name, "");
    EXPECT_EQ(drives[0]->lastStatus, SS_ERR);
}

TEST(SimScan, UnansweredDeviceTypeQuestionSkipsTheAddress)
{
    SimDevice cd = AudioCd(1, 500);
    cd.extra = {"fault devtype hang"};
    WriteSimDrive(1, {cd});
    ScsiManager manager;
    ASSERT_TRUE(manager.Load());
    manager.SetCommandTimeout(200);
    DriveRecord record(0, 0, 0, &manager);
    EXPECT_EQ(GetDeviceType(record), 0);
    EXPECT_EQ(record.lastStatus, SS_PENDING);
}

TEST_F(SimTransport, DriveCommandsSendTheirExactBytes)
{
    SetReadSpeed(*record, 0);
    SetReadSpeed(*record, -1);
    SetReadSpeed(*record, 4);
    OpenTray(*record);
    CloseTray(*record);
    EXPECT_EQ(TestUnitReady(*record), SS_COMP);
    uint8_t toc[kTocAnswerSize] = {};
    EXPECT_EQ(ReadToc(*record, toc), SS_COMP);
    InquireDrive(*record);

    const std::vector<std::string> expected = {
        "0.2.1 BB 20 FF FF FF FF 00 00 00 00 00 00",
        "0.2.1 BB 20 02 C0 02 C0 00 00 00 00 00 00",
        "0.2.1 1B 20 00 00 02 00",
        "0.2.1 1B 20 00 00 03 00",
        "0.2.1 00 00 00 00 00 00",
        "0.2.1 43 20 00 00 00 00 01 08 00 00",
        "0.2.1 12 20 00 00 24 00",
    };
    EXPECT_EQ(Cdbs(), expected);
    EXPECT_EQ(record->name, "ACME    SPINNER 52X     ");
    EXPECT_EQ(toc[1], 2 + 4 * 8);  // three tracks and the lead-out
    EXPECT_EQ(toc[6], 1);
}

// A speed beyond what the command's 16 bits hold asks for the drive's maximum, as
// -1 does; so does any other negative speed. Cut to 16 bits, 373x would ask for
// 112 kB/s, a crawl.
TEST_F(SimTransport, ReadSpeedsBeyondTheFieldAskForTheMaximum)
{
    const struct {
        int32_t speed;
        const char* sent;
    } cases[] = {
        {1, "00 B0"}, {372, "FF C0"}, {373, "FF FF"}, {1000, "FF FF"}, {0x7FFFFFFF, "FF FF"},
        {-2, "FF FF"}, {-1000, "FF FF"}, {INT32_MIN, "FF FF"},
    };
    for (const auto& c : cases) {
        ClearSimLog();
        SetReadSpeed(*record, c.speed);
        const std::string both = std::string(c.sent) + " " + c.sent;
        EXPECT_EQ(Cdbs(), std::vector<std::string>{"0.2.1 BB 20 " + both + " 00 00 00 00 00 00"}) << c.speed;
    }
}

TEST_F(SimTransport, FailedReadTocGivesZeroBytes)
{
    SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
    drive.extra = {"fault readtoc fail"};
    WriteSimDrive(1, {drive});
    uint8_t toc[kTocAnswerSize];
    std::memset(toc, 0x5A, sizeof toc);
    EXPECT_EQ(ReadToc(*record, toc), SS_ERR);
    EXPECT_TRUE(std::all_of(toc, toc + sizeof toc, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(record->lastStatus, SS_ERR);

    drive.extra.clear();
    drive.disc = false;
    WriteSimDrive(1, {drive});
    EXPECT_EQ(TestUnitReady(*record), SS_ERR);
}

TEST_F(SimTransport, TimeOutAbortsAndReportsAborted)
{
    SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
    drive.extra = {"fault readtoc hang"};
    WriteSimDrive(1, {drive});
    uint8_t toc[kTocAnswerSize];
    std::memset(toc, 0x5A, sizeof toc);
    const DWORD started = GetTickCount();
    EXPECT_EQ(ReadToc(*record, toc), SS_ABORTED);
    EXPECT_GE(GetTickCount() - started, 350u);
    EXPECT_EQ(record->lastStatus, SS_ABORTED);  // the block's status after the abort
    EXPECT_EQ(toc[0], 0x5A);                    // the caller's copy stays as it was
    EXPECT_EQ(SimLog().back(), "ABORT");
    EXPECT_EQ(manager.AbandonedCount(), 0u);
}

TEST_F(SimTransport, RequestOutlivesATimeOutWhoseAbortFails)
{
    SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
    drive.extra = {"fault readtoc late times 1 delay 1200"};
    WriteSimDrive(1, {drive});
    uint8_t toc[kTocAnswerSize];
    std::memset(toc, 0x5A, sizeof toc);
    EXPECT_EQ(ReadToc(*record, toc), SS_ABORTED);
    EXPECT_EQ(record->lastStatus, SS_PENDING);
    EXPECT_EQ(toc[0], 0x5A);
    // The layer still owns the block; the manager keeps it until the layer is done.
    EXPECT_EQ(manager.AbandonedCount(), 1u);
    // The layer finishes the request some 1.2 s after it began, later on a busy machine.
    EXPECT_TRUE(testsupport::PumpUntil(30000, [&] { return manager.AbandonedCount() == 0; }));

    // The drive answers normally afterwards.
    EXPECT_EQ(ReadToc(*record, toc), SS_COMP);
    EXPECT_EQ(toc[3], 3);
}

// A layer that answers at once may still set the request's event; the next request
// on the same block, answered late, is waited for all the same.
TEST_F(SimTransport, ASignalLeftByAnAnswerAtOnceEndsNoLaterWait)
{
    SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
    drive.extra = {"fault readtoc late times 1 delay 150"};
    WriteSimDriveText("adapters 1\nimmediate signal\n" + drive.Text());
    manager.SetCommandTimeout(30000);  // the late answer comes well within it, however busy the machine
    auto request = std::make_unique<ScsiRequest>(kTocAnswerSize);
    const uint8_t testUnitReady[6] = {};
    const uint8_t readToc[10] = {kOpReadToc, uint8_t(record->lun << 5), 0, 0, 0, 0, 1, 0x08, 0x00, 0};
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(SendScsiCommand(*record, 0, testUnitReady, sizeof testUnitReady, request, 0), SS_COMP);
        std::memset(request->Data(), 0x5A, kTocAnswerSize);
        // Answered late the first time, at once the second.
        EXPECT_EQ(SendScsiCommand(*record, SRB_DIR_IN, readToc, sizeof readToc, request, kTocAnswerSize), SS_COMP);
        EXPECT_EQ(request->Data()[3], 3) << "round " << round;  // the last track's number
    }
    EXPECT_EQ(manager.AbandonedCount(), 0u);
}

TEST_F(SimTransport, CommandsToAMissingDeviceFail)
{
    DriveRecord nowhere(7, 0, 0, &manager);
    uint8_t toc[kTocAnswerSize] = {};
    EXPECT_NE(ReadToc(nowhere, toc), SS_COMP);
    EXPECT_EQ(nowhere.lastStatus, SS_NO_DEVICE);
}

TEST_F(SimTransport, ReadCdServesTheAudioFormulaWithInjectedJitter)
{
    SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
    drive.extra = {"jitter 500 510 -8", "fault readcd fail 900 900 times 1"};
    WriteSimDrive(1, {drive});
    auto request = std::make_unique<ScsiRequest>(3 * simdrive::kSectorBytes);
    auto readCd = [&](int32_t lba, int count) {
        const uint8_t cdb[12] = {kOpReadCd, 0x20, uint8_t(lba >> 24), uint8_t(lba >> 16),
                                 uint8_t(lba >> 8), uint8_t(lba), 0, 0, uint8_t(count), 0xF8, 0, 0};
        return SendScsiCommand(*record, SRB_DIR_IN, cdb, sizeof cdb, request,
                               count * simdrive::kSectorBytes);
    };
    auto matches = [&](int64_t position, int count) {
        std::vector<uint8_t> expected(count * simdrive::kSectorBytes);
        simdrive::FillAudio(position, expected.data(), expected.size());
        return std::memcmp(expected.data(), request->Data(), expected.size()) == 0;
    };

    ASSERT_EQ(readCd(100, 3), SS_COMP);
    EXPECT_TRUE(matches(100 * 2352, 3));
    ASSERT_EQ(readCd(505, 2), SS_COMP);
    EXPECT_TRUE(matches(505 * 2352 - 8, 2));  // lands 8 bytes early
    EXPECT_EQ(readCd(899, 2), SS_ERR);         // touches the failing sector once
    EXPECT_EQ(readCd(899, 2), SS_COMP);
    EXPECT_EQ(readCd(2999, 1), SS_COMP);       // the last sector before the lead-out
    EXPECT_EQ(readCd(2999, 2), SS_ERR);        // beyond the lead-out
}

TEST_F(SimTransport, AnEmptyDriveAnswersMediumNotPresent)
{
    SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
    drive.disc = false;
    drive.extra = {"fault speed fail sense 5 0x24 0"};
    WriteSimDrive(1, {drive});
    auto request = std::make_unique<ScsiRequest>(kTocAnswerSize);
    const uint8_t tur[6] = {kOpTestUnitReady, 0x20, 0, 0, 0, 0};
    const uint8_t toc[10] = {kOpReadToc, 0x20, 0, 0, 0, 0, 1, 0x08, 0x00, 0};
    const uint8_t read[12] = {kOpReadCd, 0x20, 0, 0, 0, 100, 0, 0, 1, 0xF8, 0, 0};
    for (const auto& cdb : {std::vector<uint8_t>(tur, tur + 6), std::vector<uint8_t>(toc, toc + 10),
                            std::vector<uint8_t>(read, read + 12)}) {
        EXPECT_EQ(SendScsiCommand(*record, SRB_DIR_IN, cdb.data(), int(cdb.size()), request, 2352), SS_ERR);
        EXPECT_EQ(request->Srb().SRB_TargStat, 0x02);  // CHECK CONDITION
        const SenseCode sense = SenseOf(request->Srb());
        EXPECT_EQ(sense.key, 0x02);
        EXPECT_EQ(sense.asc, 0x3A);
        EXPECT_EQ(sense.ascq, 0x00);
    }
    // An injected failure carries the sense it was given; a read beyond the disc is
    // an illegal request.
    const uint8_t speed[12] = {kOpSetCdSpeed, 0x20, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(SendScsiCommand(*record, 0, speed, 12, request, 0), SS_ERR);
    EXPECT_EQ(SenseOf(request->Srb()).key, 0x05);
    EXPECT_EQ(SenseOf(request->Srb()).asc, 0x24);
    drive.disc = true;
    drive.extra.clear();
    WriteSimDrive(1, {drive});
    const uint8_t beyond[12] = {kOpReadCd, 0x20, 0, 0, 0x0B, 0xB8, 0, 0, 1, 0xF8, 0, 0};
    EXPECT_EQ(SendScsiCommand(*record, SRB_DIR_IN, beyond, 12, request, 2352), SS_ERR);
    EXPECT_EQ(SenseOf(request->Srb()).key, 0x05);
    EXPECT_EQ(SenseOf(request->Srb()).asc, 0x21);
    EXPECT_EQ(SendScsiCommand(*record, SRB_DIR_IN, read, 12, request, 2352), SS_COMP);
    EXPECT_EQ(SenseOf(request->Srb()).key, 0x00);
}

TEST_F(SimTransport, ReadCdServesAnImageWithStretchesLaidOverIt)
{
    TempDir folder;
    const std::string image = folder.File("disc.bin");
    std::string bytes(40 * simdrive::kSectorBytes, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    WriteFileText(image, bytes);
    SimDevice drive = AudioCd(1, 60, 0, 2, 1);
    drive.extra = {"image \"" + image + "\"", "silence 5 6", "constant 10 10 0x11223344",
                   "period 20 29 3", "sine 30 31 441 1000", "jitter 9 9 -4"};
    WriteSimDrive(1, {drive});
    auto request = std::make_unique<ScsiRequest>(60 * simdrive::kSectorBytes);
    auto readCd = [&](int32_t lba, int count) {
        const uint8_t cdb[12] = {kOpReadCd, 0x20, 0, 0, uint8_t(lba >> 8), uint8_t(lba), 0, 0,
                                 uint8_t(count), 0xF8, 0, 0};
        EXPECT_EQ(SendScsiCommand(*record, SRB_DIR_IN, cdb, sizeof cdb, request,
                                  count * simdrive::kSectorBytes),
                  SS_COMP);
        return std::string(reinterpret_cast<const char*>(request->Data()), count * simdrive::kSectorBytes);
    };
    const simdrive::DiscAudio audio = drive.Audio();
    auto expected = [&](int64_t position, int count) {
        std::string e(count * simdrive::kSectorBytes, '\0');
        audio.Fill(position, reinterpret_cast<uint8_t*>(&e[0]), e.size());
        return e;
    };

    const int s = simdrive::kSectorBytes;
    EXPECT_EQ(readCd(0, 4), bytes.substr(0, 4 * s));                      // the image as it is
    EXPECT_EQ(readCd(4, 3), bytes.substr(4 * s, s) + std::string(2 * s, '\0'));  // silence
    const std::string constant = readCd(10, 1);
    for (int i = 0; i < s; i += 4)
        ASSERT_EQ(constant.substr(i, 4), std::string("\x44\x33\x22\x11", 4));
    const std::string early = readCd(9, 2);  // lands four bytes early
    EXPECT_EQ(early, expected(9 * s - 4, 2));
    EXPECT_EQ(early.substr(0, s), bytes.substr(9 * s - 4, s));
    const std::string looped = readCd(20, 10);
    EXPECT_EQ(looped, expected(20 * s, 10));
    EXPECT_EQ(looped.substr(0, 12), looped.substr(12, 12));  // three frames, over and over
    EXPECT_NE(looped.substr(0, 4), looped.substr(4, 4));
    const std::string tone = readCd(30, 2);
    EXPECT_EQ(tone, expected(30 * s, 2));
    EXPECT_EQ(tone.substr(0, 4), std::string(4, '\0'));     // sin 0
    EXPECT_EQ(tone.substr(100, 4), std::string("\xE8\x03\xE8\x03", 4));  // a quarter cycle: 1000
    EXPECT_EQ(readCd(38, 4), bytes.substr(38 * s) + std::string(2 * s, '\0'));  // past its end
}

TEST_F(SimTransport, ReadCdLandsOffAtRandomWhereTheDriveWanders)
{
    auto request = std::make_unique<ScsiRequest>(2 * simdrive::kSectorBytes);
    auto readCd = [&](int32_t lba) {
        const uint8_t cdb[12] = {kOpReadCd, 0x20, 0, 0, uint8_t(lba >> 8), uint8_t(lba), 0, 0, 2, 0xF8, 0, 0};
        EXPECT_EQ(SendScsiCommand(*record, SRB_DIR_IN, cdb, sizeof cdb, request, 2 * simdrive::kSectorBytes),
                  SS_COMP);
        return std::vector<uint8_t>(request->Data(), request->Data() + 2 * simdrive::kSectorBytes);
    };
    // Where a read of `lba` landed, in bytes, found in the formula's unique words.
    auto landing = [&](int32_t lba) {
        const std::vector<uint8_t> got = readCd(lba);
        std::vector<uint8_t> expected(got.size());
        for (int64_t off = -4000; off <= 4000; off += 4) {
            simdrive::FillAudio(int64_t(lba) * simdrive::kSectorBytes + off, expected.data(), expected.size());
            if (expected == got)
                return off;
        }
        return int64_t(1) << 40;
    };
    struct Case {
        std::vector<std::string> extra;
        int32_t lba;
        int64_t fixed;  // a jitter that applies too
        int percent;
        int64_t maxBytes;
    };
    const Case cases[] = {
        {{"wander 100 200 100 50"}, 150, 0, 100, 200},
        {{"wander 100 200 100 50"}, 250, 0, 0, 0},            // outside the range: exact
        {{"wander 100 200 0 50"}, 150, 0, 0, 0},              // no share: exact
        {{"wander 100 200 40 900", "seed 7"}, 100, 0, 40, 3600},
        {{"jitter 150 150 -8", "wander 100 200 100 3"}, 150, -8, 100, 12},  // both kinds add up
    };
    for (const Case& c : cases) {
        SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
        drive.extra = c.extra;
        WriteSimDrive(1, {drive});
        std::vector<int64_t> seen;
        for (int i = 0; i < 200; ++i)
            seen.push_back(landing(c.lba));
        int off = 0;
        for (int64_t s : seen) {
            const int64_t wander = s - c.fixed;
            off += wander != 0;
            EXPECT_EQ(wander % 4, 0);
            EXPECT_LE(std::abs(wander), c.maxBytes) << c.extra[0];
        }
        // Each try draws anew: the share lands off, at many places, both ways.
        EXPECT_NEAR(off, 2 * c.percent, c.percent % 100 ? 30 : 0) << c.extra[0];
        if (c.percent > 0) {
            EXPECT_GT(std::count_if(seen.begin(), seen.end(), [&](int64_t s) { return s < c.fixed; }), 0);
            EXPECT_GT(std::count_if(seen.begin(), seen.end(), [&](int64_t s) { return s > c.fixed; }), 0);
        }
        // The same description draws the same landings again.
        WriteSimDrive(1, {drive});
        for (size_t i = 0; i < 20; ++i)
            EXPECT_EQ(landing(c.lba), seen[i]);
    }
    // Another seed draws others; the drive still fails where a fault says so.
    SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
    drive.extra = {"wander 0 2999 100 500", "seed 1", "fault readcd fail 600 600"};
    WriteSimDrive(1, {drive});
    std::vector<int64_t> first;
    for (int i = 0; i < 10; ++i)
        first.push_back(landing(300));
    drive.extra[1] = "seed 2";
    WriteSimDrive(1, {drive});
    std::vector<int64_t> second;
    for (int i = 0; i < 10; ++i)
        second.push_back(landing(300));
    EXPECT_NE(first, second);
    const uint8_t failing[12] = {kOpReadCd, 0x20, 0, 0, 0x02, 0x58, 0, 0, 1, 0xF8, 0, 0};
    EXPECT_EQ(SendScsiCommand(*record, SRB_DIR_IN, failing, 12, request, 2352), SS_ERR);
    // Malformed lines are refused.
    simdrive::Config config;
    for (const char* bad : {"wander 0 10 101 5", "wander 0 10 50 0", "wander 0 10 50", "seed"})
        EXPECT_NE(simdrive::ParseConfig(std::string("device 0 0 0\n") + bad + "\n", config), "") << bad;
}

TEST_F(SimTransport, ReadCountsTellReadsThatLookAgain)
{
    typedef void(__cdecl * Counts)(DWORD*, DWORD*);
    const auto counts = reinterpret_cast<Counts>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("wnaspi32.dll"), "SimDriveReadCounts")));
    ASSERT_NE(counts, nullptr);
    auto request = std::make_unique<ScsiRequest>(simdrive::kSectorBytes);
    DWORD reads = 0, repeats = 0, reads0 = 0, repeats0 = 0;
    counts(&reads0, &repeats0);
    // Forward, a look again (within a block), forward, a new pass from the start.
    for (int32_t lba : {100, 119, 116, 119, 138, 10, 29}) {
        const uint8_t cdb[12] = {kOpReadCd, 0x20, 0, 0, 0, uint8_t(lba), 0, 0, 1, 0xF8, 0, 0};
        ASSERT_EQ(SendScsiCommand(*record, SRB_DIR_IN, cdb, 12, request, 2352), SS_COMP);
    }
    counts(&reads, &repeats);
    EXPECT_EQ(reads - reads0, 7u);
    EXPECT_EQ(repeats - repeats0, 2u);
}

TEST(SenseData, FixedAndDescriptorFormatsWithOrWithoutTheValidBit)
{
    struct Case {
        std::vector<uint8_t> bytes;
        SenseCode expected;
    };
    auto fixed = [](uint8_t format) {
        std::vector<uint8_t> b(18, 0);
        b[0] = format;
        b[2] = 0x23;  // a flag above the key
        b[12] = 0x11;
        b[13] = 0x05;
        return b;
    };
    auto descriptor = [](uint8_t format) { return std::vector<uint8_t>{format, 0x46, 0x28, 0x01, 0, 0, 0, 0}; };
    const Case cases[] = {
        {fixed(0x70), {3, 0x11, 0x05}},      {fixed(0xF0), {3, 0x11, 0x05}},
        {fixed(0x71), {3, 0x11, 0x05}},      {fixed(0xF1), {3, 0x11, 0x05}},
        {descriptor(0x72), {6, 0x28, 0x01}}, {descriptor(0xF3), {6, 0x28, 0x01}},
        {fixed(0x7F), {}},                   {fixed(0x00), {}},
        {[&] { auto b = fixed(0xF0); b.resize(13); return b; }(), {}},
        {{0xF2, 0x02, 0x3A}, {}},
    };
    for (const Case& c : cases) {
        const SenseCode sense = ParseSense(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(sense.key, c.expected.key) << std::hex << int(c.bytes[0]) << " of " << c.bytes.size();
        EXPECT_EQ(sense.asc, c.expected.asc) << std::hex << int(c.bytes[0]) << " of " << c.bytes.size();
        EXPECT_EQ(sense.ascq, c.expected.ascq) << std::hex << int(c.bytes[0]) << " of " << c.bytes.size();
    }
}

// A unit attention (a new disc, a reset) is answered to the first command after it,
// which the drive did not carry out: a question about the disc is asked once more.
// Any other failure is the answer.
TEST_F(SimTransport, OnlyAUnitAttentionIsAskedAgainAndOnlyOnce)
{
    struct Case {
        const char* fault;  // on both TEST UNIT READY and READ TOC
        BYTE status;
        size_t commands;    // of each kind sent
    };
    const Case cases[] = {
        {"times 1 sense 6 0x28 0", SS_COMP, 2},  // medium may have changed
        {"times 1 sense 6 0x29 0", SS_COMP, 2},  // reset
        {"times 2 sense 6 0x28 0", SS_ERR, 2},
        {"times 1 sense 2 0x04 1", SS_ERR, 1},   // becoming ready
        {"times 1 sense 3 0x11 0", SS_ERR, 1},
        {"times 1 sense 5 0x24 0", SS_ERR, 1},
        {"times 1", SS_ERR, 1},                  // no sense data at all
    };
    for (const Case& c : cases) {
        SimDevice drive = AudioCd(3, 1000, 0, 2, 1);
        drive.extra = {std::string("fault tur fail ") + c.fault, std::string("fault readtoc fail ") + c.fault};
        WriteSimDrive(1, {drive});
        ClearSimLog();
        EXPECT_EQ(TestUnitReady(*record), c.status) << c.fault;
        uint8_t toc[kTocAnswerSize] = {};
        EXPECT_EQ(ReadToc(*record, toc), c.status) << c.fault;
        const std::vector<std::string> cdbs = Cdbs();
        auto sent = [&](const char* op) {
            return size_t(std::count_if(cdbs.begin(), cdbs.end(), [&](const std::string& cdb) {
                return cdb.compare(6, 2, op) == 0;
            }));
        };
        EXPECT_EQ(sent("00"), c.commands) << c.fault;
        EXPECT_EQ(sent("43"), c.commands) << c.fault;
    }
}
