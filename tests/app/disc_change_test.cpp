// A disc change reported by the control while the window shows: the list is
// filled anew and the state follows the new disc.
#include "main_window_fixture.h"

namespace apptest {
namespace {

TEST_F(MainWindow, ADiscChangeRefillsTheListAndChoosesTheState)
{
    Start(AudioCd(3, 300));
    ASSERT_EQ(form->skSkinListView_TrackList->RowCount(), 3);

    // The control looks at the drive every 5 seconds.
    WriteSimDrive(1, {AudioCd(5, 300)});
    ASSERT_TRUE(PumpUntil(15000, [&] { return form->skSkinListView_TrackList->RowCount() == 5; }));
    EXPECT_EQ(Names()[4], "Track 05");
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");

    WriteSimDrive(1, {EnhancedCd(0, 0)});
    ASSERT_TRUE(PumpUntil(15000, [&] { return !form->CDRip->Enabled(); }));
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "off/off/50");
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "off/off/50");
    EXPECT_EQ(form->skSkinGauge->Value(), 0);
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace apptest
