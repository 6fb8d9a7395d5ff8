// The main window against the simulated drive, driven by clicks on its buttons:
// the track list, ripping with the batch's progress, stopping, the states of the
// commands and the settings file.
#include "main_window_fixture.h"

#include <commctrl.h>

#include <cctype>
#include <stdexcept>

#include "skin/forms/form_skin_engine.h"
#include "skinctrls/controls/skin_control_bar.h"
#include "skinctrls/controls/skin_panel.h"
#include "skinctrls/menubar/main_menu_bar.h"
#include "window_driver.h"

namespace apptest {
namespace {

TEST_F(MainWindow, StartsWithTheDiscsTracksAndStoresTheAppliedSettings)
{
    Start(AudioCd(3, 4500));  // 4500 sectors a track: 60 s, 10,584,000 bytes
    EXPECT_EQ(form->Caption(), "Brenvale");
    ASSERT_EQ(form->skSkinListView_TrackList->RowCount(), 3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Track 01", "Track 02", "Track 03"}));
    EXPECT_EQ(form->skSkinListView_TrackList->RowText(1, 1), "1:00");
    EXPECT_EQ(form->skSkinListView_TrackList->RowText(1, 2), "10.1 MB");
    EXPECT_FALSE(form->skSkinListView_TrackList->Checked(0));

    // A disc is present: the CD commands are on, Stop too although nothing runs.
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "on/on/255");
    EXPECT_EQ(CommandState(form->CDGetDataFromCDDB, form->skSkinButton_CDDB), "on/on/255");
    EXPECT_EQ(form->skSkinGauge->Value(), 0);
    EXPECT_EQ(form->QueuedCount(), -1);

    // The first start writes what every apply writes, and nothing of the bounds.
    EXPECT_EQ(Setting("DriveIndex"), "0");
    EXPECT_EQ(Setting("OutputPath"), "C:\\My Music");
    EXPECT_EQ(Setting("MainFormLeft"), "<none>");
    // The window stays where its form put it: centred on the screen.
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(form->Left() + form->Width() / 2, (work.left + work.right) / 2, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, TheKeyboardReachesTheMenuBar)
{
    Start(AudioCd(1, 4501));
    // F10 or Alt alone: the bar takes the keyboard menu mode; again, and it is left.
    ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_TRUE(form->skSkinMainMenuBar1->MenuMode());
    ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_FALSE(form->skSkinMainMenuBar1->MenuMode());
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, WithoutAnAudioDiscTheCdCommandsAreOff)
{
    Start(EnhancedCd(0, 0));  // one data track only
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "off/off/50");
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "off/off/50");
    EXPECT_EQ(CommandState(form->CDCheckAllTracks, form->skSkinButton_SelectAll), "off/off/50");
    EXPECT_EQ(CommandState(form->CDOpenCDTray, form->skSkinButton_OpenCDTray), "on/on/255");
    EXPECT_TRUE(form->CDOptions->Enabled());
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, RipsTheCheckedTracksToWavFilesWithTheBatchsProgress)
{
    WriteSetting("OutputPath", out.Path());  // without the closing "\"
    Start(AudioCd(3, 300));
    form->skSkinListView_TrackList->SetChecked(0, true);
    form->skSkinListView_TrackList->SetChecked(2, true);
    std::vector<std::pair<int, int>> gauge;  // value and maximum at each progress report
    auto progress = form->CDRipper->OnProgress;
    form->CDRipper->OnProgress = [&](gui::TComponent* sender, long percent) {
        progress(sender, percent);
        gauge.emplace_back(form->skSkinGauge->Value(), form->skSkinGauge->MaxValue());
    };

    apptest::Click(*form->skSkinButton_Rip);
    EXPECT_EQ(form->QueuedCount(), 2);
    EXPECT_EQ(form->skSkinGauge->MaxValue(), 200);
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "on/on/255");
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "off/off/50");
    EXPECT_EQ(CommandState(form->CDCloseCDTray, form->skSkinButton_CloseCDTray), "off/off/50");
    EXPECT_TRUE(form->CDOptions->Enabled());
    // The menu follows the actions.
    EXPECT_FALSE(MenuItem("Rip1").Enabled());
    EXPECT_TRUE(MenuItem("Stop1").Enabled());
    EXPECT_TRUE(MenuItem("Option1").Enabled());

    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitWorkerGone());
    EXPECT_EQ(form->DoneCount(), 2);
    EXPECT_EQ(CompareWav(out.File("Track 01.wav"), 0, 300), "");
    EXPECT_EQ(CompareWav(out.File("Track 03.wav"), 600, 300), "");
    EXPECT_FALSE(FileExists(out.File("Track 02.wav")));

    // The gauge counts hundredths of the batch: the second track's progress adds
    // to the hundred of the first.
    ASSERT_FALSE(gauge.empty());
    bool secondTrack = false;
    for (size_t i = 0; i < gauge.size(); ++i) {
        EXPECT_EQ(gauge[i].second, 200);
        EXPECT_LE(gauge[i].first, 200);
        if (i > 0) {
            EXPECT_GE(gauge[i].first, gauge[i - 1].first);
        }
        secondTrack = secondTrack || gauge[i].first > 100;
    }
    EXPECT_TRUE(secondTrack);

    // The batch's end: idle, Stop off without being dimmed, the gauge back to 0.
    EXPECT_EQ(form->skSkinGauge->Value(), 0);
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "off/off/255");
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");
    EXPECT_EQ(CommandState(form->CDOpenCDTray, form->skSkinButton_OpenCDTray), "on/on/255");
    EXPECT_TRUE(MenuItem("Rip1").Enabled());
    EXPECT_FALSE(MenuItem("Stop1").Enabled());
    // The folder took its "\" for good.
    EXPECT_EQ(form->Settings().OutputPath, out.Path() + "\\");
    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Setting("OutputPath"), out.Path() + "\\");
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, StopEndsTheRipAndTheWindowGoesIdle)
{
    WriteSetting("OutputPath", out.Path());
    SimDevice disc = AudioCd(3, 2000);
    disc.extra = {"fault readcd late 0 100000 delay 30"};  // every read takes its time
    Start(disc);

    // Stop while idle: nothing to cancel, the gauge stays at 0, the tray pair is on.
    apptest::Click(*form->skSkinButton_Stop);
    EXPECT_EQ(form->skSkinGauge->Value(), 0);
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "off/off/255");
    EXPECT_EQ(CommandState(form->CDOpenCDTray, form->skSkinButton_OpenCDTray), "on/on/255");

    // A file of the user's under the name of a track the rip will not reach.
    const std::string kept = "not a rip";
    WriteFileText(out.File("Track 03.wav"), kept);
    apptest::Click(*form->skSkinButton_SelectAll);
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(form->skSkinListView_TrackList->Checked(row));
    apptest::Click(*form->skSkinButton_Rip);
    ASSERT_EQ(form->QueuedCount(), 3);
    ASSERT_TRUE(PumpUntil(20000, [&] { return form->skSkinGauge->Value() > 0; }));
    apptest::Click(*form->skSkinButton_Stop);
    EXPECT_EQ(form->skSkinGauge->Value(), 0);
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "off/off/255");
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");
    EXPECT_EQ(CommandState(form->CDCloseCDTray, form->skSkinButton_CloseCDTray), "on/on/255");
    ASSERT_TRUE(WaitWorkerGone());
    Pump(100);
    // What the worker reported before it saw the Stop does not move the gauge again.
    EXPECT_EQ(form->skSkinGauge->Value(), 0);
    // The batch went no further than the track it was on, and that track left no
    // file that would pass for a finished one; the files of the tracks before it,
    // and the user's file, stay.
    EXPECT_LT(form->DoneCount(), 3);
    const int stopped = form->DoneCount() + 1;
    const std::string unfinished = out.File("Track 0" + std::to_string(stopped) + ".wav");
    EXPECT_TRUE(PumpUntil(10000, [&] { return !FileExists(unfinished); })) << unfinished;
    for (int track = 1; track < stopped; ++track)
        EXPECT_EQ(CompareWav(out.File("Track 0" + std::to_string(track) + ".wav"), (track - 1) * 2000, 2000), "");
    EXPECT_EQ(ReadFileText(out.File("Track 03.wav")), kept);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, StoppedAndClosedAtOnceTheRipLeavesNoUnfinishedFile)
{
    WriteSetting("OutputPath", out.Path());
    SimDevice disc = AudioCd(2, 2000);
    disc.extra = {"fault readcd late 0 100000 delay 30"};  // every read takes its time
    Start(disc);
    apptest::Click(*form->skSkinButton_SelectAll);
    apptest::Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(20000, [&] { return form->skSkinGauge->Value() > 0; }));
    apptest::Click(*form->skSkinButton_Stop);
    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(FileExists(out.File("Track 01.wav")));
    EXPECT_FALSE(FileExists(out.File("Track 02.wav")));
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, RipWithNothingCheckedShowsTheMessageAndStartsNothing)
{
    WriteSetting("OutputPath", out.Path());
    Start(AudioCd(2, 300));
    apptest::Click(*form->skSkinButton_SelectAll);
    apptest::Click(*form->skSkinButton_DeselectAll);
    ShownMessages shown;
    AnswerMessageBoxes(shown);
    apptest::Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(5000, [&] { return !shown.texts.empty(); }));
    CancelWhenShown();
    // In the skin, as every message of the program.
    EXPECT_EQ(shown.captions, std::vector<std::string>{"Information"});
    EXPECT_EQ(shown.texts[0],
              "Please insert the music CD into the first CD-ROM and select the track(s) below to rip!");
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "on/on/255");
    EXPECT_EQ(form->skSkinGauge->Value(), 0);
    Pump(300);
    EXPECT_FALSE(FileExists(out.File("Track 01.wav")));
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, TheDataTrackOfAnEnhancedCdIsNotRippedAsAudio)
{
    WriteSetting("OutputPath", out.Path());
    Start(EnhancedCd(2, 300));  // two audio tracks, then a data track
    ASSERT_EQ(form->skSkinListView_TrackList->RowCount(), 3);
    apptest::Click(*form->skSkinButton_SelectAll);
    apptest::Click(*form->skSkinButton_Rip);
    EXPECT_EQ(form->QueuedCount(), 2);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitWorkerGone());
    EXPECT_EQ(CompareWav(out.File("Track 01.wav"), 0, 300), "");
    EXPECT_TRUE(FileExists(out.File("Track 02.wav")));
    EXPECT_FALSE(FileExists(out.File("Track 03.wav")));

    // The data track alone is nothing to rip.
    apptest::Click(*form->skSkinButton_DeselectAll);
    form->skSkinListView_TrackList->SetChecked(2, true);
    ShownMessages shown;
    AnswerMessageBoxes(shown);
    apptest::Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(5000, [&] { return !shown.texts.empty(); }));
    CancelWhenShown();
    Pump(300);
    EXPECT_FALSE(FileExists(out.File("Track 03.wav")));
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, AFailureThatReachesTheLoopIsShownInTheSkin)
{
    Start(AudioCd(1, 300));
    ShownMessages shown;
    AnswerMessageBoxes(shown);
    form->ShowException(std::runtime_error("CDDB error #9: no records for your disk found."));
    CancelWhenShown();
    EXPECT_EQ(shown.captions, std::vector<std::string>{"Error"});
    EXPECT_EQ(shown.texts, std::vector<std::string>{"CDDB error #9: no records for your disk found."});
}

TEST_F(MainWindow, EveryMenuCommandHasAnAccessKeyOfItsOwn)
{
    Start(AudioCd(1, 300));
    gui::TMenuItem& items = form->skSkinMainMenu->Items();
    for (int i = 0; i < items.Count(); ++i) {
        std::string keys;
        for (int j = 0; j < items[i]->Count(); ++j) {
            const gui::TMenuItem& item = *items[i]->Items(j);
            if (item.IsLine())
                continue;
            const std::string& caption = item.Caption();
            const size_t amp = caption.find('&');
            ASSERT_NE(amp, std::string::npos) << caption;
            std::string plain = caption;
            plain.erase(amp, 1);
            EXPECT_EQ(keys.find(char(std::toupper(caption[amp + 1]))), std::string::npos) << caption;
            keys += char(std::toupper(caption[amp + 1]));
            // The rest of the caption is the action's.
            bool found = false;
            for (int a = 0; a < form->ActionList->ActionCount(); ++a)
                found = found || form->ActionList->Actions(a)->Caption() == plain;
            EXPECT_TRUE(found) << caption;
        }
    }
    EXPECT_EQ(MenuItem("Rip1").Caption(), "&Rip CD Now!");
    EXPECT_EQ(MenuItem("Refresh1").Caption(), "Refresh &Track List");
}

// The list's rows that the window shows whole, and whether the tool bar's last
// group lies inside the window.
struct MinimumLook {
    int rows;
    bool toolBarWhole;
};

MinimumLook LookOf(TfrmMain& form)
{
    const int rows = int(ListView_GetCountPerPage(form.skSkinListView_TrackList->Handle()));
    const int toolBarRight = form.skSkinPanel3->Left() + form.skSkinPanel3->Width();
    return {rows, toolBarRight <= form.skSkinControlBar1->Width()};
}

TEST_F(MainWindow, TheWindowKeepsItsMenuToolBarAndRowsAtItsSmallest)
{
    WriteSetting("MainFormWidth", "5");
    WriteSetting("MainFormHeight", "5");
    Start(AudioCd(6, 300));
    const int minWidth = form->Width(), minHeight = form->Height();
    // Opened at the smallest size, which still holds the whole menu bar and tool
    // bar (on one row) and three rows of the list.
    EXPECT_GT(minWidth, 400);
    EXPECT_GT(minHeight, 150);
    EXPECT_EQ(form->skSkinMainMenuBar1->Height(), 22);
    EXPECT_LT(form->skSkinControlBar1->Height(), 2 * form->skSkinPanel3->Height());  // one row
    MinimumLook look = LookOf(*form);
    EXPECT_GE(look.rows, 3);
    EXPECT_TRUE(look.toolBarWhole);

    // Made smaller from either side, it stops there; from the left or the top,
    // its right and bottom edges stay where they were.
    form->SetBounds(100, 100, 700, 500);
    struct Case {
        int left, top, width, height;
        RECT expected;
    };
    const Case cases[] = {
        {100, 100, 50, 20, {100, 100, 100 + minWidth, 100 + minHeight}},
        {700, 500, 100, 100, {800 - minWidth, 600 - minHeight, 800, 600}},
        {100, 100, minWidth + 10, 10, {100, 100, 110 + minWidth, 100 + minHeight}},
    };
    for (const Case& c : cases) {
        form->SetBounds(100, 100, 700, 500);
        form->SetBounds(c.left, c.top, c.width, c.height);
        RECT r{};
        ::GetWindowRect(form->Handle(), &r);
        EXPECT_TRUE(::EqualRect(&r, &c.expected))
            << c.left << "," << c.top << " " << c.width << "x" << c.height << ": " << r.left << "," << r.top << " "
            << r.right - r.left << "x" << r.bottom - r.top;
    }

    // Rolled up it keeps only its caption, all the same.
    form->SetBounds(100, 100, 700, 500);
    form->skFormSkinEngine->RollUpForm(true);
    EXPECT_LT(form->Height(), 100);
    form->skFormSkinEngine->RollUpForm(false);
    EXPECT_EQ(form->Height(), 500);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, ClosingMaximizedOrRolledUpStoresTheBoundsItComesBackTo)
{
    Start(AudioCd(2, 300));
    form->SetBounds(40, 30, 700, 500);
    form->skFormSkinEngine->SetFormState(sk::wsMaximized);
    ASSERT_NE(form->Width(), 700);
    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Setting("MainFormLeft"), "40");
    EXPECT_EQ(Setting("MainFormTop"), "30");
    EXPECT_EQ(Setting("MainFormWidth"), "700");
    EXPECT_EQ(Setting("MainFormHeight"), "500");
    Close();

    Start(AudioCd(2, 300));
    form->skFormSkinEngine->RollUpForm(true);
    ASSERT_LT(form->Height(), 100);
    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Setting("MainFormHeight"), "500");
}

TEST_F(MainWindow, ClosingStoresAllSixSettingsAndTheNextStartTakesThem)
{
    Start(AudioCd(2, 300));
    form->SetBounds(40, 30, 700, 500);
    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(Setting("MainFormLeft"), "40");
    EXPECT_EQ(Setting("MainFormTop"), "30");
    EXPECT_EQ(Setting("MainFormWidth"), "700");
    EXPECT_EQ(Setting("MainFormHeight"), "500");
    EXPECT_EQ(Setting("DriveIndex"), "0");
    EXPECT_EQ(Setting("OutputPath"), "C:\\My Music");

    WriteSetting("OutputPath", "D:\\Rips");
    WriteSetting("DriveIndex", "2");
    Close();
    Start(AudioCd(2, 300));
    EXPECT_EQ(form->Left(), 40);
    EXPECT_EQ(form->Top(), 30);
    EXPECT_EQ(form->Width(), 700);
    EXPECT_EQ(form->Height(), 500);
    EXPECT_EQ(form->Settings().OutputPath, "D:\\Rips");
    EXPECT_EQ(form->Settings().DriveIndex, 2);
    EXPECT_EQ(Setting("DriveIndex"), "2");
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, SettingsThatCannotBeWrittenAreReportedAndTheWindowStillCloses)
{
    // A folder where the settings file belongs: nothing can be written there.
    ASSERT_TRUE(::CreateDirectoryA(settingsFile.c_str(), nullptr));
    Start(AudioCd(2, 300));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Unable to write to"), std::string::npos);
    // The window is ready all the same.
    EXPECT_EQ(form->Settings().OutputPath, "C:\\My Music");
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");

    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(errors.size(), 2u);
    EXPECT_FALSE(form->Visible());
}

}  // namespace
}  // namespace apptest
