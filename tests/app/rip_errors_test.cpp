// A rip that goes wrong, as the user meets it: the control's text in a skinned
// message box, and a window that is ready for the next command afterwards.
#include <algorithm>

#include "main_window_fixture.h"

namespace apptest {
namespace {

class RipErrors : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        AnswerMessageBoxes(shown);
    }
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
    Click(*form->skSkinButton_SelectAll);
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(20000, [&] { return shown.texts.size() == 1; }));
    EXPECT_EQ(shown.captions[0], "Error");
    EXPECT_EQ(shown.texts[0].rfind("Cannot create wav-file \"" + MissingDrive() + "\\Music\\", 0), 0u) << shown.texts[0];
    ASSERT_TRUE(WaitWorkerGone());
    Pump(100);
    ExpectIdle();

    // The commands work again: the next rip starts, and says the same.
    Click(*form->skSkinButton_Rip);
    EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop), "on/on/255");
    ASSERT_TRUE(PumpUntil(20000, [&] { return shown.texts.size() == 2; }));
    EXPECT_EQ(shown.texts[1].rfind("Cannot create wav-file \"" + MissingDrive() + "\\Music\\", 0), 0u) << shown.texts[1];
    ASSERT_TRUE(WaitWorkerGone());
    Pump(100);
    ExpectIdle();
    EXPECT_TRUE(errors.empty());
}

TEST_F(RipErrors, WithoutAnOutputFolderRipAsksForOneAndWritesNothing)
{
    // Without a folder a target would be "\" and the name: a file at the root of the
    // drive of the current directory.
    char initial[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, initial);
    ASSERT_TRUE(::SetCurrentDirectoryA(out.Path().c_str()));
    const std::string root = out.Path().substr(0, 3);
    for (const char* folder : {"", "   "}) {
        WriteSetting("OutputPath", folder);
        Start(AudioCd(3, 300));
        const std::string before = CommandState(form->CDStop, form->skSkinButton_Stop) + " " +
                                   CommandState(form->CDRip, form->skSkinButton_Rip);
        shown.texts.clear();
        Click(*form->skSkinButton_SelectAll);
        Click(*form->skSkinButton_Rip);
        PumpUntil(30000, [&] { return !shown.texts.empty(); });
        Pump(100);
        EXPECT_EQ(shown.texts.size(), 1u) << '"' << folder << '"';
        if (!shown.texts.empty()) {
            EXPECT_NE(shown.texts[0].find("output folder"), std::string::npos) << shown.texts[0];
        }
        WaitWorkerGone();
        // Nothing was queued, nothing runs, nothing was written, the window is as it was.
        EXPECT_EQ(form->CDRipper->Ripper()->CancelExtraction(), S_FALSE);
        ::SetErrorInfo(0, nullptr);
        EXPECT_EQ(form->CDRipper->Ripper()->RunQueue(), DISP_E_EXCEPTION);
        EXPECT_EQ(ErrorText(), "Extraction queue is empty.");
        EXPECT_EQ(CommandState(form->CDStop, form->skSkinButton_Stop) + " " +
                      CommandState(form->CDRip, form->skSkinButton_Rip),
                  before);
        EXPECT_EQ(form->skSkinGauge->Value(), 0);
        EXPECT_FALSE(FileExists(root + "Track 01.wav"));
        EXPECT_FALSE(FileExists(out.File("Track 01.wav")));
        EXPECT_TRUE(errors.empty());
        Close();
    }
    for (const char* name : {"Track 01.wav", "Track 02.wav", "Track 03.wav"})
        ::DeleteFileA((root + name).c_str());
    ::SetCurrentDirectoryA(initial);
}

TEST_F(RipErrors, ADiscChangeDuringARipEndsItAndLeavesTheTrayWorking)
{
    WriteSetting("OutputPath", out.Path());
    SimDevice disc = AudioCd(3, 2000);
    disc.extra = {"fault readcd late 0 100000 delay 30"};  // every read takes its time
    Start(disc);
    // What the control itself reports, beside what the window shows of it.
    std::vector<std::string> events;
    auto* sink = new EventSink(&events, "");
    ASSERT_EQ(sink->Connect(form->CDRipper->Ripper().Get()), S_OK);
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
    // The worker may have seen the empty drive before the cancel reached it: then,
    // and only then, the window says so, once.
    const auto reported = std::count(events.begin(), events.end(), "OnExtractionError The disk was removed.");
    EXPECT_LE(reported, 1);
    EXPECT_EQ(shown.texts.size(), size_t(reported));
    for (const auto& text : shown.texts)
        EXPECT_EQ(text, "The disk was removed.");
    sink->Disconnect();
    sink->Release();
    // The track it was on leaves no file that looks finished.
    EXPECT_TRUE(PumpUntil(10000, [&] { return !FileExists(out.File("Track 01.wav")); }));
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
    EXPECT_EQ(CompareWav(out.File("Track 02.wav"), 300, 300), "");
    EXPECT_TRUE(errors.empty());
}

TEST_F(RipErrors, ADiscTakenOutDuringARipIsReportedAndTheWindowHasNoDisc)
{
    WriteSetting("OutputPath", out.Path());
    SimDevice disc = AudioCd(3, 600);
    disc.extra = {"fault readcd late 0 100000 delay 30"};  // every read takes its time
    Start(disc);
    // The disc goes when the second track is a third done.
    SimDevice empty = disc;
    empty.disc = false;
    bool removed = false;
    auto progress = form->CDRipper->OnProgress;
    form->CDRipper->OnProgress = [&](gui::TComponent* sender, long percent) {
        progress(sender, percent);
        if (!removed && form->skSkinGauge->Value() >= 133) {
            WriteSimDrive(1, {empty});
            removed = true;
        }
    };
    Click(*form->skSkinButton_SelectAll);
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(30000, [&] { return shown.texts.size() == 1; }));
    ASSERT_TRUE(removed);
    EXPECT_EQ(shown.captions[0], "Error");
    EXPECT_EQ(shown.texts[0], "The disk was removed.");
    EXPECT_FALSE(form->CDStop->Enabled());
    EXPECT_EQ(form->skSkinGauge->Value(), 0);

    // The control notices the empty drive once the rip is over.
    ASSERT_TRUE(PumpUntil(15000, [&] { return form->skSkinListView_TrackList->RowCount() == 0; }));
    ExpectNoDisc();
    EXPECT_EQ(CompareWav(out.File("Track 01.wav"), 0, 600), "");
    // The second track, a third done, leaves no file that looks finished.
    EXPECT_TRUE(PumpUntil(10000, [&] { return !FileExists(out.File("Track 02.wav")); }));
    EXPECT_FALSE(FileExists(out.File("Track 03.wav")));

    // The disc goes back in: the window takes it and its commands work.
    form->CDRipper->OnProgress = progress;
    disc.extra.clear();
    WriteSimDrive(1, {disc});
    ASSERT_TRUE(PumpUntil(15000, [&] { return form->skSkinListView_TrackList->RowCount() == 3; }));
    EXPECT_EQ(CommandState(form->CDRip, form->skSkinButton_Rip), "on/on/255");
    Click(*form->skSkinButton_SelectAll);
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitWorkerGone());
    for (int track = 1; track <= 3; ++track)
        EXPECT_EQ(CompareWav(out.File("Track 0" + std::to_string(track) + ".wav"), (track - 1) * 600, 600), "");
    EXPECT_EQ(shown.texts.size(), 1u);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RipErrors, TracksWithUnreadableSectorsAreListedWhenTheRipEnds)
{
    WriteSetting("OutputPath", out.Path());
    SimDevice disc = AudioCd(3, 2000);
    // A medium error that no retry overcomes, in the second track.
    disc.extra = {"fault readcd fail 2030 2030 sense 3 0x11 0"};
    Start(disc);
    Click(*form->skSkinButton_SelectAll);
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(30000, [&] { return shown.texts.size() == 1; }));
    EXPECT_EQ(shown.captions[0], "Warning");
    long sectors = 0;
    auto drive = brenvale::DriveOf(form->CDRipper->Ripper().Get(), 1);
    ASSERT_EQ(brenvale::TrackOf(drive.Get(), 2)->get_UnreadableSectors(&sectors), S_OK);
    ASSERT_GT(sectors, 0);
    EXPECT_EQ(shown.texts[0], "Some sectors could not be read or verified and may not be exact:\nTrack 02: " +
                                  std::to_string(sectors) + " sectors");
    ExpectIdle();
    ASSERT_TRUE(WaitWorkerGone());

    // A rip that reads every sector says nothing.
    disc.extra.clear();
    WriteSimDrive(1, {disc});
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitWorkerGone());
    Pump(200);
    EXPECT_EQ(shown.texts.size(), 1u);
    EXPECT_EQ(CompareWav(out.File("Track 02.wav"), 2000, 2000), "");

    // Sectors read but not verified are listed too (with jitter correction, which the
    // program leaves off, on): the third track opens with silence, and every read
    // near its first sound lands somewhere else, no two alike.
    disc.extra = {"silence 4000 4299", "wander 4250 4330 100 2000"};
    WriteSimDrive(1, {disc});
    ASSERT_EQ(form->CDRipper->Ripper()->put_JitterCorrection(VARIANT_TRUE), S_OK);
    Click(*form->skSkinButton_Rip);
    ASSERT_TRUE(PumpUntil(30000, [&] { return shown.texts.size() == 2; }));
    ASSERT_EQ(brenvale::TrackOf(drive.Get(), 3)->get_UnreadableSectors(&sectors), S_OK);
    ASSERT_GT(sectors, 0);
    EXPECT_EQ(shown.texts[1], "Some sectors could not be read or verified and may not be exact:\nTrack 03: " +
                                  std::to_string(sectors) + " sectors");
    ExpectIdle();
    ASSERT_TRUE(WaitWorkerGone());
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace apptest
