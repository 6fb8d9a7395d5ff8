// Naming the tracks from the local CDDB server, and ripping what it left untitled.
#include <algorithm>

#include "cddb_test_server.h"
#include "main_window_fixture.h"
#include "proxy_registry.h"
#include "window_driver.h"

namespace apptest {
namespace {

class MainWindowWithCddb : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        ASSERT_TRUE(server.Start());
        proxy.Set("127.0.0.1:" + std::to_string(server.Port()));
    }
    cddbtest::CDDBTestServer server;
    cddbtest::ScopedProxySetting proxy{""};
};

TEST_F(MainWindowWithCddb, NamesTheTracksFromTheLookupAndShowsItsFailures)
{
    const SimDevice disc = AudioCd(12, 27750);
    server.AddRecord({"rock", CddbId(disc),
                      "# xmcd\n#\nDISCID=" + CddbId(disc) +
                          "\nDTITLE=The Velmora Ensemble / Demo Disc\nDYEAR=2003\nDGENRE=Chamber Pop\n"
                          "TTITLE0=Opening\nTTITLE1=Glass Harbour: Live?\nTTITLE11=Closing Time\n"});
    Start(disc);
    EXPECT_EQ(Names()[0], "Track 01");

    apptest::Click(*form->skSkinButton_CDDB);
    std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 12u);
    EXPECT_EQ(names[0], "Opening");
    EXPECT_EQ(names[1], "Glass Harbour_ Live_");  // what a file name cannot hold
    EXPECT_EQ(names[2], "");                      // the record has no title for it
    EXPECT_EQ(names[11], "Closing Time");
    EXPECT_FALSE(form->frmLoadCDDBDataMsg->Visible());
    EXPECT_FALSE(form->frmLoadCDDBDataMsg->Animate->Active());
    EXPECT_TRUE(errors.empty());

    // A failed lookup refills the list all the same and shows the control's text.
    server.SetBehaviour(cddbtest::Behaviour::NoMatch);
    apptest::Click(*form->skSkinButton_CDDB);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "CDDB error #9: no records for your disk found.");
    EXPECT_EQ(Names()[0], "Track 01");
    EXPECT_FALSE(form->frmLoadCDDBDataMsg->Visible());
}

TEST_F(MainWindowWithCddb, TracksWithoutACddbTitleAreRippedUnderTheirTrackNames)
{
    WriteSetting("OutputPath", out.Path());
    const SimDevice disc = AudioCd(3, 300);
    server.AddRecord({"misc", CddbId(disc),
                      "# xmcd\n#\nDISCID=" + CddbId(disc) + "\nDTITLE=Someone / Something\nTTITLE0=First\n"});
    Start(disc);
    form->CDGetDataFromCDDBExecute(form.get());
    ASSERT_EQ(Names(), (std::vector<std::string>{"First", "", ""}));
    form->CDCheckAllTracksExecute(form.get());
    form->CDRipExecute(form.get());
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitWorkerGone());
    // Each untitled track has a file of its own instead of all sharing ".wav".
    EXPECT_EQ(CompareWav(out.File("First.wav"), 0, 300), "");
    EXPECT_EQ(CompareWav(out.File("Track 02.wav"), 300, 300), "");
    EXPECT_EQ(CompareWav(out.File("Track 03.wav"), 600, 300), "");
    EXPECT_FALSE(FileExists(out.File(".wav")));
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindowWithCddb, TitlesThatNameNoFileAreRippedUnderTheirTrackNames)
{
    WriteSetting("OutputPath", out.Path());
    const SimDevice disc = AudioCd(5, 300);
    server.AddRecord({"misc", CddbId(disc),
                      "# xmcd\n#\nDISCID=" + CddbId(disc) +
                          "\nDTITLE=Someone / Something\nTTITLE0=First\nTTITLE1=   \nTTITLE2=...\n"
                          "TTITLE3=/\nTTITLE4=Live/ . \n"});
    Start(disc);
    form->CDGetDataFromCDDBExecute(form.get());
    ASSERT_EQ(Names().size(), 5u);
    EXPECT_EQ(Names()[0], "First");
    form->CDCheckAllTracksExecute(form.get());
    form->CDRipExecute(form.get());
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitWorkerGone());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(CompareWav(out.File("First.wav"), 0, 300), "");
    for (int track = 2; track <= 5; ++track)
        EXPECT_EQ(CompareWav(out.File("Track 0" + std::to_string(track) + ".wav"), (track - 1) * 300, 300), "")
            << track << " \"" << Names()[track - 1] << '"';
    // Nothing else: no ".wav", no file of blanks, dots or "_" alone, no folder.
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(out.File("*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
            files.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"First.wav", "Track 02.wav", "Track 03.wav", "Track 04.wav",
                                               "Track 05.wav"}));
}

TEST_F(MainWindowWithCddb, TracksOfOneTitleAreRippedToFilesOfTheirOwn)
{
    WriteSetting("OutputPath", out.Path());
    const SimDevice disc = AudioCd(5, 300);
    server.AddRecord({"misc", CddbId(disc),
                      "DISCID=" + CddbId(disc) +
                          "\nDTITLE=Someone / Something\nTTITLE0=Interlude\nTTITLE1=Song\n"
                          "TTITLE2=INTERLUDE\nTTITLE3=Interlude (2)\nTTITLE4=Interlude\n"});
    Start(disc);
    form->CDGetDataFromCDDBExecute(form.get());
    form->CDCheckAllTracksExecute(form.get());
    form->CDRipExecute(form.get());
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(WaitWorkerGone());
    // Names that differ only in the letters' case are one name to the file system.
    EXPECT_EQ(CompareWav(out.File("Interlude.wav"), 0, 300), "");
    EXPECT_EQ(CompareWav(out.File("Song.wav"), 300, 300), "");
    EXPECT_EQ(CompareWav(out.File("INTERLUDE (2).wav"), 600, 300), "");
    EXPECT_EQ(CompareWav(out.File("Interlude (2) (2).wav"), 900, 300), "");
    EXPECT_EQ(CompareWav(out.File("Interlude (3).wav"), 1200, 300), "");
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace apptest
