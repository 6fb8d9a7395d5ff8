// Which back end the SCSI manager binds to.
#include <gtest/gtest.h>

#include "fake_system_calls.h"
#include "transport/scsi_manager.h"

using namespace velmora;
using testsupport::FakeSystemCalls;

namespace {

const std::vector<std::string> kBothEntries = {"GetASPI32SupportInfo", "SendASPI32Command"};

}  // namespace

TEST(ScsiManagerBinding, LibraryFoundBySearchOrderIsUsedEvenOnNt)
{
    FakeSystemCalls calls;
    calls.libraries["wnaspi32.dll"] = kBothEntries;
    calls.AddCdLetter(3, 1, 0, 0, "DRIVE");  // the emulation would find a drive too
    ScsiManager manager(calls);
    ASSERT_TRUE(manager.Load());
    EXPECT_TRUE(manager.Bound());
    EXPECT_FALSE(manager.Emulated());
    EXPECT_EQ(calls.loadAttempts, std::vector<std::string>{"wnaspi32.dll"});
    EXPECT_TRUE(calls.opens.empty());  // no drive letter was touched
    manager.Release();
    EXPECT_EQ(calls.freed, std::vector<std::string>{"wnaspi32.dll"});
}

TEST(ScsiManagerBinding, FallsBackToSystemThenWindowsDirectory)
{
    FakeSystemCalls calls;
    calls.libraries["C:\\windows\\wnaspi32.dll"] = kBothEntries;
    ScsiManager manager(calls);
    ASSERT_TRUE(manager.Load());
    EXPECT_FALSE(manager.Emulated());
    const std::vector<std::string> expected = {"wnaspi32.dll", "C:\\windows\\system32\\wnaspi32.dll",
                                               "C:\\windows\\wnaspi32.dll"};
    EXPECT_EQ(calls.loadAttempts, expected);
}

TEST(ScsiManagerBinding, SystemDirectoryLibraryStopsTheSearch)
{
    FakeSystemCalls calls;
    calls.libraries["C:\\windows\\system32\\wnaspi32.dll"] = kBothEntries;
    calls.libraries["C:\\windows\\wnaspi32.dll"] = kBothEntries;
    ScsiManager manager(calls);
    ASSERT_TRUE(manager.Load());
    EXPECT_EQ(calls.loadAttempts.size(), 2u);
}

TEST(ScsiManagerBinding, LibraryWithoutBothEntryPointsFailsWithoutEmulation)
{
    for (const auto& only : kBothEntries) {
        FakeSystemCalls calls;
        calls.libraries["wnaspi32.dll"] = {only};
        calls.AddCdLetter(3, 0, 0, 0, "DRIVE");
        ScsiManager manager(calls);
        EXPECT_FALSE(manager.Load());
        EXPECT_FALSE(manager.Bound());
        EXPECT_EQ(calls.freed, std::vector<std::string>{"wnaspi32.dll"});
        EXPECT_TRUE(calls.opens.empty());
    }
}

TEST(ScsiManagerBinding, EmulationOnlyWhenNoLibraryLoads)
{
    FakeSystemCalls calls;
    calls.platformId = VER_PLATFORM_WIN32_WINDOWS;  // the system version plays no part
    calls.majorVersion = 4;
    calls.AddCdLetter(4, 2, 1, 0, "DRIVE");
    ScsiManager manager(calls);
    ASSERT_TRUE(manager.Load());
    EXPECT_TRUE(manager.Emulated());
    EXPECT_EQ(calls.loadAttempts.size(), 3u);
    EXPECT_EQ(manager.SupportInfo(), 0x0102u);  // SS_COMP, adapters for ports 0 and 2
}

TEST(ScsiManagerBinding, NoLibraryAndNoUsableLetterFails)
{
    FakeSystemCalls calls;
    calls.AddCdLetter(3, 0, 0, 0, "DRIVE");
    calls.letters[3].inquiryAnswers = false;
    calls.letters[5].driveType = DRIVE_FIXED;
    ScsiManager manager(calls);
    EXPECT_FALSE(manager.Load());
    EXPECT_FALSE(manager.Bound());
    EXPECT_EQ(manager.SupportInfo(), 0xE800u);
}
