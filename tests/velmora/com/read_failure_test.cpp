// Read failures during a rip reach the host: a disc taken out of the drive ends the
// track and the queue with the error event and leaves no file of silence; sectors the
// drive cannot read are reported and counted per track.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "velmora/com/ripping_fixture.h"

using namespace testsupport;

namespace {

constexpr int32_t kTrackLength = 3000;

// Takes the disc out of the simulated drive when a track of the rip is a third done:
// the drive's description is rewritten while the worker reads.
struct RemoveDiscOn : EventSink {
    explicit RemoveDiscOn(std::vector<std::string>* log) : EventSink(log, ""), events(log) {}
    std::vector<std::string>* events;
    SimDevice emptied;
    int startsBefore = 0;  // the disc goes during the track started after this many
    int starts = 0;
    bool removed = false;
    void OnEvent(DISPID id) override
    {
        if (id == 2)  // OnExtractionStart
            ++starts;
        if (id == 1 && !removed && starts > startsBefore &&
            std::stoi(events->back().substr(11)) >= 33) {  // "OnProgress N" of that track
            WriteSimDrive(1, {emptied});
            removed = true;
        }
    }
};

long Unreadable(IDrive* drive, int track)
{
    long sectors = -1;
    EXPECT_EQ(TrackOf(drive, track)->get_UnreadableSectors(&sectors), S_OK);
    return sectors;
}

}  // namespace

TEST_F(Ripping, RemovingTheDiscEndsTheTrackAndTheQueueWithTheErrorEvent)
{
    const SimDevice disc = AudioCd(3, kTrackLength);
    Start({disc});
    control->put_JitterCorrection(VARIANT_TRUE);
    auto* remover = new RemoveDiscOn(&log);
    remover->emptied = disc;
    remover->emptied.disc = false;
    remover->startsBefore = 1;  // in the middle of the second track
    sink->Disconnect();
    sink->Release();
    sink = remover;
    ASSERT_EQ(sink->Connect(control.Get()), S_OK);

    for (int track = 1; track <= 3; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle(30000));
    ASSERT_TRUE(remover->removed);

    EXPECT_EQ(Count("OnExtractionStart"), 2u);  // the third track never starts
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
              (std::vector<std::string>{"OnExtractionError The disk was removed.", "OnProgress 100",
                                        "OnExtractionEnd"}));
    EXPECT_EQ(Count("OnExtractionError The disk was removed."), 1u);
    EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, kTrackLength), "");
    // The interrupted track keeps a valid file of the audio read before the disc
    // went: no silence stands in for what could not be read.
    const std::string partial = ReadFileText(Target(2) + ".wav");
    ASSERT_GT(partial.size(), 46u);
    ASSERT_EQ((partial.size() - 46) % 2352, 0u);
    const int32_t sectors = static_cast<int32_t>((partial.size() - 46) / 2352);
    EXPECT_GT(sectors, kTrackLength / 3);
    EXPECT_LT(sectors, kTrackLength);
    EXPECT_EQ(CompareWav(Target(2) + ".wav", kTrackLength, sectors), "");
    EXPECT_EQ(GetFileAttributesA((Target(3) + ".wav").c_str()), INVALID_FILE_ATTRIBUTES);

    // The control is idle and usable: with the disc back the queue runs again.
    WriteSimDrive(1, {disc});
    log.clear();
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle(30000));
    EXPECT_EQ(Count("OnExtractionEnd"), 3u);
    EXPECT_EQ(CompareWav(Target(3) + ".wav", 2 * kTrackLength, kTrackLength), "");
}

TEST_F(Ripping, AnEmptyDriveFailsTheFirstBlockWithoutWritingSilence)
{
    SimDevice disc = AudioCd(2, kTrackLength);
    Start({disc});
    disc.disc = false;
    WriteSimDrive(1, {disc});
    ASSERT_EQ(Queue(1), S_OK);
    ASSERT_EQ(Queue(2), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle(30000));
    EXPECT_EQ(Outline(), (std::vector<std::string>{"OnExtractionStart",
                                                   "OnExtractionError The disk was removed.",
                                                   "OnProgress 100", "OnExtractionEnd"}));
    EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, 0), "");  // a valid file without audio
    EXPECT_EQ(GetFileAttributesA((Target(2) + ".wav").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Ripping, UnreadableSectorsAreReportedAndCountedPerTrack)
{
    SimDevice disc = AudioCd(3, 2000);
    // A medium error that no retry overcomes in the second track's second read
    // (sectors 2011-2036); the first track has one that the first retry overcomes.
    disc.extra = {"fault readcd fail 2025 2025 sense 3 0x11 0",
                  "fault readcd fail 300 300 times 1 sense 3 0x11 0"};
    Start({disc});
    control->put_JitterCorrection(VARIANT_TRUE);
    for (int track = 1; track <= 3; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionEnd"), 3u);
    EXPECT_EQ(Count("OnExtractionError"), 0u);
    // The failed block only: the next one is placed afresh, by two reads that agree.
    EXPECT_EQ(Count("OnJitterDetected"), 1u);
    EXPECT_EQ(Unreadable(drive.Get(), 1), 0);
    EXPECT_EQ(Unreadable(drive.Get(), 2), 19);  // the failed read's new sectors, as silence
    EXPECT_EQ(Unreadable(drive.Get(), 3), 0);
    EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, 2000), "");
    EXPECT_EQ(CompareWav(Target(3) + ".wav", 4000, 2000), "");

    // Ripping the track again on a drive that reads it counts afresh.
    disc.extra.clear();
    WriteSimDrive(1, {disc});
    win::UniqueBstr name(WideTarget(2).c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 2)->ExtractToWav(name.Get()), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Unreadable(drive.Get(), 2), 0);
    EXPECT_EQ(CompareWav(Target(2) + ".wav", 2000, 2000), "");

    // Through the dispatch half too, by name, as a script host would.
    DISPID id = 0;
    LPOLESTR member = const_cast<LPOLESTR>(L"UnreadableSectors");
    win::ComPtr<ITrack> track = TrackOf(drive.Get(), 2);
    ASSERT_EQ(track->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(track->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                            nullptr, nullptr),
              S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 0);
}
