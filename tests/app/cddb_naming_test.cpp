// Naming the tracks from the local CDDB server, and ripping what it left untitled.
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
    EXPECT_EQ(CompareWav(out.File("First.wav"), 0, 299), "");
    EXPECT_EQ(CompareWav(out.File("Track 02.wav"), 300, 299), "");
    EXPECT_EQ(CompareWav(out.File("Track 03.wav"), 600, 299), "");
    EXPECT_FALSE(FileExists(out.File(".wav")));
    EXPECT_TRUE(errors.empty());
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
    // The file of the track, with or without the track's last sector.
    auto holds = [this](const std::string& name, int32_t firstLba) {
        const std::string path = out.File(name);
        return CompareWav(path, firstLba, 300) == "" || CompareWav(path, firstLba, 299) == "";
    };
    // Names that differ only in the letters' case are one name to the file system.
    EXPECT_TRUE(holds("Interlude.wav", 0));
    EXPECT_TRUE(holds("Song.wav", 300));
    EXPECT_TRUE(holds("INTERLUDE (2).wav", 600));
    EXPECT_TRUE(holds("Interlude (2) (2).wav", 900));
    EXPECT_TRUE(holds("Interlude (3).wav", 1200));
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace apptest
