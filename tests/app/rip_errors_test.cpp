// A rip that goes wrong, as the user meets it: the control's text in a skinned
// message box, and a window that is ready for the next command afterwards.
#include "main_window_fixture.h"

#include <cstdlib>

#include "skinctrls/skin_message.h"
#include "skinctrls/skin_std_label.h"

namespace apptest {
namespace {

// What the skinned message boxes said, in order.
struct ShownMessages {
    std::vector<std::string> captions;
    std::vector<std::string> texts;
};

// Answers the next skinned message box with its OK button, from inside its modal
// loop, keeping its caption and text. APPTEST_HOLD_MS keeps it on the screen that
// long first, for a look at it.
void AnswerMessageBox(ShownMessages& shown)
{
    WhenShown<sk::TskMessageForm>([&shown](sk::TskMessageForm& box) {
        shown.captions.push_back(box.Caption());
        shown.texts.push_back(box.MessageLabel() ? box.MessageLabel()->Caption() : "<no label>");
        if (const char* hold = std::getenv("APPTEST_HOLD_MS"))
            Pump(DWORD(std::atoi(hold)));
        for (int i = 0; i < box.ComponentCount(); ++i)
            if (box.Components(i)->Name() == "OK")
                if (auto* ok = dynamic_cast<gui::TWinControl*>(box.Components(i)))
                    Click(*ok);
    });
}

// A drive letter that names no drive here.
std::string MissingDrive()
{
    for (char letter = 'Q'; letter <= 'Y'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (::GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR)
            return std::string(1, letter) + ":";
    }
    return "Q:";
}

class RipErrors : public MainWindow {
protected:
    void TearDown() override
    {
        CancelWhenShown();
        MainWindow::TearDown();
    }
    // Idle, with a disc: every command on but Stop.
    void ExpectIdle()
    {
        EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "off/off/255");
        EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");
        EXPECT_EQ(CommandState(form->CDRefresh, form->skSkinButton_Refresh), "on/on/255");
        EXPECT_EQ(CommandState(form->CDGetDataFromCDDB, form->skSkinButton_CDDB), "on/on/255");
        EXPECT_EQ(CommandState(form->CDOpenCDTray, form->skSkinButton_OpenCDTray), "on/on/255");
        EXPECT_EQ(CommandState(form->CDCloseCDTray, form->skSkinButton_CloseCDTray), "on/on/255");
        EXPECT_EQ(form->skSkinGauge->Value(), 0);
    }
    // No disc: the CD commands off, the tray's on, so that a disc can go in.
    void ExpectNoDisc()
    {
        EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "off/off/50");
        EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "off/off/50");
        EXPECT_EQ(CommandState(form->CDRefresh, form->skSkinButton_Refresh), "off/off/50");
        EXPECT_EQ(CommandState(form->CDOpenCDTray, form->skSkinButton_OpenCDTray), "on/on/255");
        EXPECT_EQ(CommandState(form->CDCloseCDTray, form->skSkinButton_CloseCDTray), "on/on/255");
        EXPECT_EQ(form->skSkinGauge->Value(), 0);
    }

    ShownMessages shown;
};

TEST_F(RipErrors, AFolderThatCannotBeReachedIsReportedAndTheWindowGoesIdle)
{
    WriteSetting("OutputPath", MissingDrive() + "\\Music");
    Start(AudioCd(3, 300));
    AnswerMessageBox(shown);
    Click(*form->skSkinButton_SelectAll);
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(20000, [&] { return shown.texts.size() == 1; }));
    EXPECT_EQ(shown.captions[0], "Error");
    EXPECT_EQ(shown.texts[0], "Cannot create wav-file");
    ASSERT_TRUE(WaitWorkerGone());
    Pump(100);
    ExpectIdle();

    // The commands work again: the next rip starts, and says the same.
    AnswerMessageBox(shown);
    Click(*form->skSkinButton_Rip);
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "on/on/255");
    ASSERT_TRUE(PumpUntil(20000, [&] { return shown.texts.size() == 2; }));
    EXPECT_EQ(shown.texts[1], "Cannot create wav-file");
    ASSERT_TRUE(WaitWorkerGone());
    Pump(100);
    ExpectIdle();
    EXPECT_TRUE(errors.empty());
}

TEST_F(RipErrors, ADiscChangeDuringARipEndsItAndLeavesTheTrayWorking)
{
    WriteSetting("OutputPath", out.Path());
    SimDevice disc = AudioCd(3, 2000);
    disc.extra = {"fault readcd late 0 100000 delay 30"};  // every read takes its time
    Start(disc);
    Click(*form->skSkinButton_SelectAll);
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(20000, [&] { return form->skSkinGauge->Value() > 0; }));

    // The disc goes, and the control reports it while the rip runs.
    SimDevice empty = disc;
    empty.disc = false;
    WriteSimDrive(1, {empty});
    auto drive = brenvale::DriveOf(form->CDRipper->Ripper().Get(), 1);
    ASSERT_EQ(drive->Refresh(), S_OK);
    form->CDRipper->OnDiskChanged(form->CDRipper);
    ExpectNoDisc();
    EXPECT_EQ(form->skSkinListView_TrackList->RowCount(), 0);
    ASSERT_TRUE(WaitWorkerGone());
    Pump(100);
    ExpectNoDisc();
    EXPECT_FALSE(FileExists(out.File("Track 03.wav")));

    // A disc goes in again: the window takes it and rips it.
    WriteSimDrive(1, {AudioCd(2, 300)});
    ASSERT_EQ(drive->Refresh(), S_OK);
    form->CDRipper->OnDiskChanged(form->CDRipper);
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");
    EXPECT_EQ(CommandState(form->CDOpenCDTray, form->skSkinButton_OpenCDTray), "on/on/255");
    Click(*form->skSkinButton_SelectAll);
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitWorkerGone());
    EXPECT_EQ(CompareWav(out.File("Track 02.wav"), 300, 299), "");
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace apptest
