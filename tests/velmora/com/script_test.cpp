// The control late-bound from real automation clients: VBScript and JScript run by
// the system's script host.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "support/wav_expectation.h"
#include "support/test_encoder_server.h"

using namespace testsupport;

namespace {

// Runs a script with cscript and returns what it printed.
std::string RunScript(const std::string& file, const std::string& argument = std::string())
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ::CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::string command = "cscript.exe //nologo \"" + std::string(SCRIPTS_DIR) + "\\" + file + "\"";
    if (!argument.empty())
        command += " \"" + argument + "\"";
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process)) {
        ::CloseHandle(readEnd);
        ::CloseHandle(writeEnd);
        return "cannot start cscript";
    }
    ::CloseHandle(writeEnd);
    std::string output;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
        output.append(buffer, read);
    ::WaitForSingleObject(process.hProcess, 60000);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    ::CloseHandle(readEnd);
    std::string clean;
    for (char c : output)
        if (c != '\r')
            clean += c;
    return clean;
}

}  // namespace

TEST(Scripts, VbScriptWalksDrivesAndTracksWithForEach)
{
    SimDevice cd = AudioCd(3, 1500);
    cd.vendor = "SCRIPTED";
    cd.product = "DRIVE";
    SimDevice data;
    data.target = 2;
    data.tracks = {{1, 0, true}};
    data.leadOut = 9000;
    WriteSimDrive(1, {cd, data});
    const std::string output = RunScript("walk_drives.vbs");
    const std::string expected =
        "drives 2 2\n"
        "drive [SCRIPTEDDRIVE           ] tracks 3 audio True\n"
        "track 20 3528000 True\n"
        "track 20 3528000 True\n"
        "track 20 3528000 True\n"
        "drive [VELSIM  VIRTUAL CD-ROM  ] tracks 1 audio False\n"
        "track 120 21168000 False\n"
        "default member 3528000\n"
        "jitter False prompt True\n"
        "jitter True\n"
        "beyond count 8002000B\n"
        "DONE\n";
    EXPECT_EQ(output, expected);
}

TEST(Scripts, JScriptEnumeratesThroughNewEnum)
{
    WriteSimDrive(1, {AudioCd(2, 750)});
    EXPECT_EQ(RunScript("walk_drives.js"), "drive 2 1764000,1764000\nDONE\n");
}

TEST(Scripts, VbScriptSetsAndClearsTheEncoderAndReadsWhyAnIndexIsRefused)
{
    ScopedTestEncoderRegistration encoderClass;
    ASSERT_TRUE(encoderClass.Registered());
    WriteSimDrive(1, {AudioCd(3, 1500)});
    const std::string expected =
        "none True\n"
        "set True\n"
        "cleared True\n"
        "emptied True\n"
        "not an encoder 80020005 The object is not an audio encoder: it has no IVelAudioEncoder interface.\n"
        "track 8002000B Index 99 is out of range: the tracks run from 1 to 3. [VELMORALib.Drive]\n"
        "item 8002000B Index 4 is out of range: the tracks run from 1 to 3. [VELMORALib.TracksCollection]\n"
        "drive 8002000B Index 2 is out of range: the drives run from 1 to 1. [ORVEK.CDRipper.1]\n"
        "record 8002000B Index 1 is out of range: there are no CDDB records.\n"
        "DONE\n";
    EXPECT_EQ(RunScript("encoder.vbs"), expected);
}

TEST(Scripts, JScriptNullAndUndefinedClearTheEncoder)
{
    ScopedTestEncoderRegistration encoderClass;
    ASSERT_TRUE(encoderClass.Registered());
    WriteSimDrive(1, {AudioCd(2, 750)});
    EXPECT_EQ(RunScript("encoder.js"),
              "set true\nnull true\nundefined true\nnumber refused\n"
              "beyond: Index 2147483647 is out of range: the tracks run from 1 to 2.\n"
              "no encoder to index\nsecond 24\nDONE\n");
}

// A script hands the control a free-threaded encoder, which it holds through a proxy:
// the encoder gets the whole track, although the script pumps no messages.
TEST(Scripts, VbScriptRipsIntoAFreeThreadedEncoder)
{
    ScopedTestEncoderRegistration encoderClass("Free");
    ASSERT_TRUE(encoderClass.Registered());
    WriteSimDrive(1, {AudioCd(2, 1500)});
    TempDir out;
    const std::string target = out.File("encoded");
    EXPECT_EQ(RunScript("encoder_rip.vbs", target), "idle True\nDONE\n");
    EXPECT_TRUE(ReadFileText(target) == ExpectedWav(0, 1500).substr(46)) << "the audio differs";
    EXPECT_NE(ReadFileText(target + ".calls").find("Close "), std::string::npos);
}

// A script host that quits during a rip ends its process without releasing the
// control: the file keeps the audio written so far, with sizes that say so.
TEST(Scripts, QuittingDuringARipLeavesAValidPartialFile)
{
    SimDevice cd = AudioCd(2, 3000);
    cd.extra = {"fault readcd late delay 20"};
    WriteSimDrive(1, {cd});
    TempDir out;
    const std::string target = out.File("quit");
    EXPECT_EQ(RunScript("quit_during_rip.vbs", target), "quitting\n");
    const std::string file = ReadFileText(target + ".wav");
    ASSERT_GT(file.size(), 200046u);
    ASSERT_LT(file.size(), 46u + 3000u * 2352u);  // the rip was still running
    auto size = [&](size_t at) {
        uint32_t value = 0;
        std::memcpy(&value, file.data() + at, 4);
        return value;
    };
    const uint32_t data = static_cast<uint32_t>(file.size() - 46);
    EXPECT_EQ(size(4), data + 38);
    EXPECT_EQ(size(42), data);
    EXPECT_EQ(data % 4, 0u);
    const std::string expected = ExpectedWav(0, 3000);
    EXPECT_TRUE(file.compare(46, data, expected, 46, data) == 0);
}
