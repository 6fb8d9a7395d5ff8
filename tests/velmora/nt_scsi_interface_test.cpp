// The emulation of ASPI over NT pass-through: the drive-letter map, addressing,
// INQUIRY from stored data, the device's status and sense, and the media-change retry.
#include <gtest/gtest.h>

#include <cstring>

#include "fake_system_calls.h"
#include "transport/aspi.h"
#include "transport/nt_scsi_interface.h"
#include "transport/sense_data.h"

using namespace velmora;
using testsupport::FakeLetter;
using testsupport::FakeSystemCalls;

namespace {

SRB_ExecSCSICmd Exec(BYTE adapter, BYTE target, BYTE lun, BYTE op, BYTE* buffer, DWORD length,
                     BYTE flags = SRB_DIR_IN)
{
    SRB_ExecSCSICmd srb{};
    srb.SRB_Cmd = SC_EXEC_SCSI_CMD;
    srb.SRB_HaId = adapter;
    srb.SRB_Target = target;
    srb.SRB_Lun = lun;
    srb.SRB_Flags = flags;
    srb.SRB_BufPointer = buffer;
    srb.SRB_BufLen = length;
    srb.SRB_SenseLen = SENSE_LEN;
    srb.SRB_CDBLen = 10;
    srb.CDBByte[0] = op;
    return srb;
}

BYTE DeviceType(NtScsiInterface& nt, BYTE adapter, BYTE target, BYTE lun, BYTE* type = nullptr)
{
    SRB_GDEVBlock srb{};
    srb.SRB_Cmd = SC_GET_DEV_TYPE;
    srb.SRB_HaId = adapter;
    srb.SRB_Target = target;
    srb.SRB_Lun = lun;
    const BYTE status = static_cast<BYTE>(nt.SendSrb(&srb));
    EXPECT_EQ(status, srb.SRB_Status);
    if (type)
        *type = srb.SRB_DeviceType;
    return status;
}

}  // namespace

TEST(NtScsiLetterMap, AdaptersAreTheUsedPortsInOrderWithPortZeroAlways)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(4, 3, 1, 0, "E DRIVE");  // E: on port 3
    calls.AddCdLetter(3, 1, 0, 0, "D DRIVE");  // D: on port 1
    calls.letters[2].driveType = DRIVE_FIXED;  // C: is a hard disk
    NtScsiInterface nt(calls);
    EXPECT_EQ(nt.BuildLetterMap(), 2);
    EXPECT_EQ(nt.AdapterPorts(), (std::vector<uint32_t>{0, 1, 3}));
    EXPECT_EQ(nt.SupportInfo(), 0x0103u);
    EXPECT_EQ(calls.openHandles, 0);  // the map closes what it opened
    EXPECT_EQ(nt.BuildLetterMap(), 0);  // built once

    BYTE type = 0;
    EXPECT_EQ(DeviceType(nt, 0, 0, 0, &type), SS_NO_DEVICE);  // port 0 exists but is empty
    EXPECT_EQ(type, DTYPE_UNKNOWN);
    EXPECT_EQ(DeviceType(nt, 1, 0, 0, &type), SS_COMP);       // adapter 1 = port 1 = D:
    EXPECT_EQ(type, DTYPE_CDROM);
    EXPECT_EQ(DeviceType(nt, 2, 1, 0), SS_COMP);              // adapter 2 = port 3 = E:
    EXPECT_EQ(DeviceType(nt, 2, 0, 0), SS_NO_DEVICE);
    // An adapter number beyond the list is taken as port 0.
    EXPECT_EQ(DeviceType(nt, 9, 0, 0), SS_NO_DEVICE);
}

TEST(NtScsiLetterMap, DeviceWithoutAddressQueryUsesItsLetterAsPort)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(5, 0, 0, 0, "F DRIVE");  // F: = letter index 5
    calls.letters[5].addressError = ERROR_NOT_SUPPORTED;
    calls.AddCdLetter(6, 2, 0, 0, "G DRIVE");
    calls.letters[6].addressError = ERROR_ACCESS_DENIED;  // any other failure: unusable
    NtScsiInterface nt(calls);
    EXPECT_EQ(nt.BuildLetterMap(), 1);
    EXPECT_EQ(nt.AdapterPorts(), (std::vector<uint32_t>{0, 5}));
    EXPECT_TRUE(nt.Letter(5).valid);
    EXPECT_EQ(nt.Letter(5).port, 5);
    EXPECT_FALSE(nt.Letter(6).valid);
    EXPECT_EQ(DeviceType(nt, 1, 0, 0), SS_COMP);
}

TEST(NtScsiLetterMap, BusCountOtherThanOneOrOddOffsetsSkipTheLetter)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(3, 1, 0, 0, "TWO BUSES");
    calls.letters[3].busCount = 2;
    calls.AddCdLetter(4, 1, 1, 0, "NO BUS");
    calls.letters[4].busCount = 0;
    calls.AddCdLetter(5, 1, 2, 0, "FAR OFFSET");
    calls.letters[5].inquiryOffset = 4000;  // beyond the 2048-byte answer
    calls.AddCdLetter(7, 1, 3, 0, "NOT OPENED");
    calls.letters[7].opens = false;
    NtScsiInterface nt(calls);
    EXPECT_EQ(nt.BuildLetterMap(), 0);
    EXPECT_EQ(nt.AdapterPorts(), std::vector<uint32_t>{0});
    EXPECT_EQ(calls.openHandles, 0);
}

TEST(NtScsiLetterMap, OpensReadWriteOnNt5AndToggleOnFailure)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(3, 1, 0, 0, "D DRIVE");
    NtScsiInterface nt(calls);
    nt.BuildLetterMap();
    ASSERT_FALSE(calls.opens.empty());
    EXPECT_EQ(calls.opens[0], "\\\\.\\D: " + std::to_string(GENERIC_READ | GENERIC_WRITE) + " " +
                                  std::to_string(FILE_SHARE_READ | FILE_SHARE_WRITE));

    FakeSystemCalls old;
    old.platformId = VER_PLATFORM_WIN32_NT;
    old.majorVersion = 4;
    old.letters[3].opens = false;
    NtScsiInterface nt4(old);
    nt4.BuildLetterMap();
    ASSERT_EQ(old.opens.size(), 2u);
    EXPECT_EQ(old.opens[0], "\\\\.\\D: " + std::to_string(GENERIC_READ) + " " +
                                std::to_string(FILE_SHARE_READ));
    EXPECT_EQ(old.opens[1], "\\\\.\\D: " + std::to_string(GENERIC_READ | GENERIC_WRITE) + " " +
                                std::to_string(FILE_SHARE_READ | FILE_SHARE_WRITE));
}

TEST(NtScsiCommands, InquiryIsAnsweredFromTheMapWithoutTheDevice)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(3, 1, 0, 0, "VENDOR  PRODUCT NAME    ");
    int passThroughs = 0;
    calls.letters[3].passThrough = [&](SCSI_PASS_THROUGH_DIRECT&) { return ++passThroughs, 0; };
    NtScsiInterface nt(calls);
    nt.BuildLetterMap();
    const size_t opensBefore = calls.opens.size();

    BYTE buffer[64];
    std::memset(buffer, 0xEE, sizeof buffer);
    SRB_ExecSCSICmd srb = Exec(1, 0, 0, 0x12, buffer, 20);  // shorter than 36 bytes
    EXPECT_EQ(nt.SendSrb(&srb), SS_COMP);
    EXPECT_EQ(std::memcmp(buffer + 8, "VENDOR  PRODUC", 12), 0);
    EXPECT_EQ(buffer[20], 0xEE);  // nothing beyond the buffer length
    EXPECT_EQ(passThroughs, 0);
    EXPECT_EQ(calls.opens.size(), opensBefore);
}

TEST(NtScsiCommands, PassThroughCarriesTheRequest)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(3, 1, 2, 0, "D");
    SCSI_PASS_THROUGH_DIRECT seen{};
    calls.letters[3].passThrough = [&](SCSI_PASS_THROUGH_DIRECT& r) {
        seen = r;
        return DWORD(0);
    };
    NtScsiInterface nt(calls);
    nt.BuildLetterMap();

    BYTE buffer[2048];
    SRB_ExecSCSICmd srb = Exec(1, 2, 0, 0x43, buffer, sizeof buffer);
    srb.CDBByte[7] = 0x08;
    EXPECT_EQ(nt.SendSrb(&srb), SS_COMP);
    EXPECT_EQ(srb.SRB_Status, SS_COMP);
    EXPECT_EQ(srb.SRB_TargStat, 0);
    EXPECT_EQ(seen.Length, sizeof(SCSI_PASS_THROUGH_DIRECT));
    EXPECT_EQ(seen.DataIn, SCSI_IOCTL_DATA_IN);
    EXPECT_EQ(seen.DataTransferLength, sizeof buffer);
    EXPECT_EQ(seen.DataBuffer, buffer);
    EXPECT_EQ(seen.TimeOutValue, 15u);
    EXPECT_EQ(seen.CdbLength, 10);
    EXPECT_EQ(seen.Cdb[0], 0x43);
    EXPECT_EQ(seen.Cdb[7], 0x08);
    EXPECT_EQ(seen.PathId + seen.TargetId + seen.Lun, 0);
    EXPECT_EQ(seen.SenseInfoOffset, sizeof(SCSI_PASS_THROUGH_DIRECT) + 4);
    EXPECT_EQ(seen.SenseInfoLength, 32);  // sense bytes are asked for
    EXPECT_EQ(calls.openHandles, 1);  // opened on first use and kept

    SRB_ExecSCSICmd out = Exec(1, 2, 0, 0x1B, nullptr, 0, SRB_DIR_OUT);
    nt.SendSrb(&out);
    EXPECT_EQ(seen.DataIn, SCSI_IOCTL_DATA_OUT);
    SRB_ExecSCSICmd none = Exec(1, 2, 0, 0x00, nullptr, 0, 0);
    nt.SendSrb(&none);
    EXPECT_EQ(seen.DataIn, SCSI_IOCTL_DATA_UNSPECIFIED);
    EXPECT_EQ(calls.openHandles, 1);

    nt.Release();
    EXPECT_EQ(calls.openHandles, 0);
}

// The device control succeeds whenever it carried the command; what the device made
// of it is in its status byte and sense bytes.
TEST(NtScsiCommands, DeviceStatusOtherThanGoodIsAFailureWithItsSense)
{
    struct Case {
        BYTE op;
        BYTE status;
        SenseCode sense;
    };
    const Case cases[] = {
        {0xBE, 0x02, {kSenseMediumError, 0x11, 0x05}},  // READ CD: unrecovered read error
        {0x00, 0x02, {kSenseNotReady, 0x3A, 0x01}},     // TEST UNIT READY: no disc, tray closed
        {0x43, 0x02, {kSenseNotReady, 0x3A, 0x02}},     // READ TOC: no disc, tray open
        {0xBE, 0x02, {kSenseUnitAttention, 0x28, 0x00}}, // READ CD: another disc went in
        {0xBE, 0x08, {}},                               // BUSY
    };
    for (const Case& c : cases) {
        FakeSystemCalls calls;
        calls.AddCdLetter(3, 1, 0, 0, "D");
        int attempts = 0;
        calls.letters[3].passThrough = [&](SCSI_PASS_THROUGH_DIRECT& r) {
            ++attempts;
            testsupport::AnswerStatus(r, c.status, c.sense);
            return DWORD(0);
        };
        NtScsiInterface nt(calls);
        nt.BuildLetterMap();
        BYTE buffer[2352];
        std::memset(buffer, 0x55, sizeof buffer);
        SRB_ExecSCSICmd srb = Exec(1, 0, 0, c.op, buffer, sizeof buffer);
        EXPECT_EQ(nt.SendSrb(&srb), SS_ERR) << int(c.op);
        EXPECT_EQ(srb.SRB_Status, SS_ERR);
        EXPECT_EQ(srb.SRB_TargStat, c.status);
        const SenseCode sense = SenseOf(srb);
        EXPECT_EQ(sense.key, c.sense.key);
        EXPECT_EQ(sense.asc, c.sense.asc);
        EXPECT_EQ(sense.ascq, c.sense.ascq);
        EXPECT_EQ(MediumNotPresent(sense), c.sense.asc == 0x3A);
        EXPECT_EQ(attempts, 1);  // a refusal is the caller's to judge
    }
}

TEST(NtScsiCommands, AFailedReopenLeavesTheDriveForTheNextCommand)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(3, 1, 0, 0, "D");
    FakeLetter& letter = calls.letters[3];
    bool changed = true;
    letter.passThrough = [&](SCSI_PASS_THROUGH_DIRECT&) {
        return changed ? DWORD(ERROR_MEDIA_CHANGED) : DWORD(0);
    };
    NtScsiInterface nt(calls);
    ASSERT_EQ(nt.BuildLetterMap(), 1);

    // The reopen after the media change cannot ask the device, then cannot open it.
    BYTE buffer[16];
    letter.inquiryAnswers = false;
    SRB_ExecSCSICmd srb = Exec(1, 0, 0, 0x43, buffer, sizeof buffer);
    EXPECT_EQ(nt.SendSrb(&srb), SS_ERR);
    EXPECT_EQ(srb.SRB_Hdr_Rsvd, DWORD(ERROR_MEDIA_CHANGED));
    EXPECT_TRUE(nt.Letter(3).valid);
    EXPECT_EQ(DeviceType(nt, 1, 0, 0), SS_COMP);
    letter.inquiryAnswers = true;
    letter.opens = false;
    srb = Exec(1, 0, 0, 0x43, buffer, sizeof buffer);
    EXPECT_EQ(nt.SendSrb(&srb), SS_ERR);
    EXPECT_EQ(calls.openHandles, 0);

    // The drive answers again: so does the emulation, at the same address.
    letter.opens = true;
    changed = false;
    srb = Exec(1, 0, 0, 0x43, buffer, sizeof buffer);
    EXPECT_EQ(nt.SendSrb(&srb), SS_COMP);
    EXPECT_EQ(std::memcmp(nt.Letter(3).inquiry + 8, "D", 1), 0);
}

TEST(NtScsiCommands, MediaChangeReopensAndRetriesExactlyOnce)
{
    for (DWORD error : {DWORD(ERROR_MEDIA_CHANGED), DWORD(ERROR_INVALID_HANDLE)}) {
        FakeSystemCalls calls;
        calls.AddCdLetter(3, 1, 0, 0, "D");
        int attempts = 0;
        calls.letters[3].passThrough = [&](SCSI_PASS_THROUGH_DIRECT&) {
            ++attempts;
            return error;  // fails every time
        };
        NtScsiInterface nt(calls);
        nt.BuildLetterMap();
        BYTE buffer[16];
        SRB_ExecSCSICmd srb = Exec(1, 0, 0, 0x43, buffer, sizeof buffer);
        EXPECT_EQ(nt.SendSrb(&srb), SS_ERR);
        EXPECT_EQ(attempts, 2);
        EXPECT_EQ(srb.SRB_Hdr_Rsvd, error);
        EXPECT_EQ(srb.SRB_TargStat, 4);
        EXPECT_EQ(calls.openHandles, 1);  // the stale handle was closed, one is open
    }

    FakeSystemCalls calls;
    calls.AddCdLetter(3, 1, 0, 0, "D");
    int attempts = 0;
    calls.letters[3].passThrough = [&](SCSI_PASS_THROUGH_DIRECT&) {
        return ++attempts == 1 ? DWORD(ERROR_MEDIA_CHANGED) : DWORD(0);
    };
    NtScsiInterface nt(calls);
    nt.BuildLetterMap();
    BYTE buffer[16];
    SRB_ExecSCSICmd srb = Exec(1, 0, 0, 0x43, buffer, sizeof buffer);
    EXPECT_EQ(nt.SendSrb(&srb), SS_COMP);
    EXPECT_EQ(attempts, 2);
}

TEST(NtScsiCommands, OtherErrorsAreFinalAndUnknownAddressesFail)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(3, 1, 0, 0, "D");
    int attempts = 0;
    calls.letters[3].passThrough = [&](SCSI_PASS_THROUGH_DIRECT&) {
        ++attempts;
        return DWORD(ERROR_IO_DEVICE);
    };
    NtScsiInterface nt(calls);
    nt.BuildLetterMap();
    BYTE buffer[16];
    SRB_ExecSCSICmd srb = Exec(1, 0, 0, 0x43, buffer, sizeof buffer);
    EXPECT_EQ(nt.SendSrb(&srb), SS_ERR);
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(srb.SRB_Hdr_Rsvd, DWORD(ERROR_IO_DEVICE));

    SRB_ExecSCSICmd nowhere = Exec(1, 5, 0, 0x43, buffer, sizeof buffer);
    EXPECT_EQ(nt.SendSrb(&nowhere), SS_ERR);
    EXPECT_EQ(nt.SendSrb(nullptr), SS_ERR);

    SRB_Abort abort{};
    abort.SRB_Cmd = SC_ABORT_SRB;
    abort.SRB_ToAbort = &srb;
    EXPECT_EQ(nt.SendSrb(&abort), SS_ERR);
}

TEST(NtScsiCommands, SenseBytesAreCopiedBackWithinTheBlock)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(3, 1, 0, 0, "D");
    calls.letters[3].passThrough = [&](SCSI_PASS_THROUGH_DIRECT& r) {
        auto* sense = reinterpret_cast<BYTE*>(&r) + r.SenseInfoOffset;
        for (int i = 0; i < 32; ++i)
            sense[i] = static_cast<BYTE>(0xA0 + i);
        return DWORD(0);
    };
    NtScsiInterface nt(calls);
    nt.BuildLetterMap();
    BYTE buffer[16];
    SRB_ExecSCSICmd srb = Exec(1, 0, 0, 0x43, buffer, sizeof buffer);
    srb.SRB_SenseLen = 200;  // more than the block holds: bounded
    EXPECT_EQ(nt.SendSrb(&srb), SS_COMP);
    EXPECT_EQ(srb.SenseArea[0], 0xA0);
    EXPECT_EQ(srb.SenseArea[SENSE_LEN + 1], 0xA0 + SENSE_LEN + 1);
}
