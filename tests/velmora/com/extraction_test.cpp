// Ripping through the control: byte-exact WAV files from the simulated drive, with
// and without jitter correction, the order of the events, cancelling, the queue,
// refusals, overwriting and destruction during a run.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "velmora/com/ripping_fixture.h"

using namespace testsupport;

namespace {

// Track i of AudioCd(n, length) starts at i * length; each delivers all its length sectors.
constexpr int32_t kTrackLength = 400;
constexpr int kOverlapSectors = 7;

}  // namespace

TEST_F(Ripping, QueueRipsEveryTrackByteExactWithAndWithoutCorrection)
{
    Start({AudioCd(4, kTrackLength)});
    for (VARIANT_BOOL correction : {VARIANT_TRUE, VARIANT_FALSE}) {
        log.clear();
        control->put_JitterCorrection(correction);
        ASSERT_EQ(control->ClearQueue(), S_OK);
        for (int track = 1; track <= 4; ++track)
            ASSERT_EQ(Queue(track), S_OK);
        ASSERT_EQ(control->RunQueue(), S_OK);
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(Count("OnExtractionEnd"), 4u);
        EXPECT_EQ(Count("OnJitterDetected"), 0u);
        EXPECT_EQ(Count("OnProgress 100"), 4u);
        for (int track = 1; track <= 4; ++track)
            EXPECT_EQ(CompareWav(Target(track) + ".wav", (track - 1) * kTrackLength, kTrackLength), "")
                << "correction " << correction;
    }
}

TEST_F(Ripping, EnhancedCdAndShortTracks)
{
    SimDevice disc = EnhancedCd(2, kTrackLength);
    // A third audio track of 5 sectors: at least 10 sectors are read, into the next track.
    disc.tracks = {{1, 0, false}, {2, 400, false}, {3, 800, false}, {4, 805, false},
                   {5, 805 + 400 + 11400, true}};
    disc.leadOut = 805 + 400 + 11400 + 3000;
    Start({disc});
    control->put_JitterCorrection(VARIANT_TRUE);
    for (int track = 1; track <= 5; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionEnd"), 5u);
    EXPECT_EQ(CompareWav(Target(2) + ".wav", 400, 400), "");
    EXPECT_EQ(CompareWav(Target(3) + ".wav", 800, 10), "");               // 10-sector minimum
    EXPECT_EQ(CompareWav(Target(4) + ".wav", 805, 400), "");                // up to the gap
    EXPECT_EQ(CompareWav(Target(5) + ".wav", 805 + 400 + 11400, 3000), ""); // up to the lead-out
    long size = 0;
    TrackOf(drive.Get(), 4)->get_Size(&size);
    EXPECT_EQ(size, 400 * 2352);
}

TEST_F(Ripping, DriveSideJitterIsCorrectedAndOnlyRealMismatchesAreReported)
{
    SimDevice disc = AudioCd(2, 2000);
    // Reads of track 1 start at 0, 19, 38, ...: two of them land off by a few samples.
    disc.extra = {"jitter 19 19 -8", "jitter 57 57 1200",
                  // A read that fails once is retried and then delivered whole.
                  "fault readcd fail 114 114 times 1"};
    Start({disc});
    control->put_JitterCorrection(VARIANT_TRUE);
    win::UniqueBstr name(WideTarget(1).c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnJitterDetected"), 0u);
    EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, 2000), "");

    // A read that keeps failing is delivered as silence and reported; the block after
    // it is placed afresh, by two reads that agree, and the rest stays exact. The
    // track's first block (1993-2018) is placed against the end of track 1, ripped
    // just before from the same disc; the next read (2011-2036) fails: 19 sectors of
    // silence.
    log.clear();
    disc.extra = {"fault readcd fail 2025 2025"};
    WriteSimDrive(1, {disc});
    win::UniqueBstr second(WideTarget(2).c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 2)->ExtractToWav(second.Get()), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnJitterDetected"), 1u);
    EXPECT_EQ(Count("OnExtractionError"), 0u);
    const std::string wav = ReadFileText(Target(2) + ".wav");
    const std::string expected = ExpectedWav(2000, 2000);
    ASSERT_EQ(wav.size(), expected.size());
    const size_t silenceBegin = 46 + 19 * 2352, silenceEnd = 46 + 38 * 2352;
    EXPECT_EQ(wav.substr(0, silenceBegin), expected.substr(0, silenceBegin));
    EXPECT_EQ(wav.substr(silenceBegin, silenceEnd - silenceBegin), std::string(silenceEnd - silenceBegin, '\0'));
    EXPECT_EQ(wav.substr(silenceEnd), expected.substr(silenceEnd));
}

TEST_F(Ripping, EventsOfANormalTrack)
{
    Start({AudioCd(2, kTrackLength)});
    win::UniqueBstr name(WideTarget(1).c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Outline(), (std::vector<std::string>{"OnExtractionStart", "OnProgress 0",
                                                   "OnProgress 100", "OnExtractionEnd"}));
    // Progress only rises and never repeats a figure.
    int last = -1;
    for (const auto& line : log)
        if (line.rfind("OnProgress ", 0) == 0) {
            const int percent = std::stoi(line.substr(11));
            EXPECT_GT(percent, last);
            last = percent;
        }
}

TEST_F(Ripping, RefusalsAndIdleCancel)
{
    Start({AudioCd(2, 3000)});
    ::SetErrorInfo(0, nullptr);
    EXPECT_EQ(control->RunQueue(), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "Extraction queue is empty.");
    win::UniqueBstr name(WideTarget(1).c_str());
    EXPECT_EQ(TrackOf(drive.Get(), 1)->QueueExtractToEncoder(name.Get(), VARIANT_TRUE), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "External encoder is not set.");
    EXPECT_EQ(control->CancelExtraction(), S_FALSE);

    ASSERT_EQ(Queue(1), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    EXPECT_EQ(TrackOf(drive.Get(), 2)->ExtractToWav(name.Get()), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "Extraction is already in progress.");
    EXPECT_EQ(control->RunQueue(), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "Extraction is already in progress.");
    ASSERT_TRUE(WaitIdle());
    // The refused start changed nothing: the queue still holds its task.
    log.clear();
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionEnd"), 1u);
}

TEST_F(Ripping, CancelAfterTheFirstBlockKeepsAValidPartialFile)
{
    Start({AudioCd(3, 3000)});
    struct CancelOnStart : EventSink {
        using EventSink::EventSink;
        IVelCDRipper* control = nullptr;
        void OnEvent(DISPID id) override
        {
            if (id == 1 && control)  // the first progress report: one block is written
                control->CancelExtraction(), control = nullptr;
        }
    };
    auto* canceller = new CancelOnStart(&log, "");
    canceller->control = control.Get();
    sink->Disconnect();
    sink->Release();
    sink = canceller;
    ASSERT_EQ(sink->Connect(control.Get()), S_OK);

    for (int track = 1; track <= 3; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionStart"), 1u);  // no later task
    EXPECT_EQ(Count("OnExtractionEnd"), 1u);
    EXPECT_EQ(Count("OnProgress 100"), 0u);
    const std::string partial = ReadFileText(Target(1) + ".wav");
    ASSERT_GT(partial.size(), 46u);
    const int32_t sectors = static_cast<int32_t>((partial.size() - 46) / 2352);
    EXPECT_EQ((partial.size() - 46) % 2352, 0u);
    EXPECT_LT(sectors, 3000);
    EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, sectors), "");
    EXPECT_EQ(GetFileAttributesA((Target(2) + ".wav").c_str()), INVALID_FILE_ATTRIBUTES);

    // The next run starts uncancelled.
    log.clear();
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionEnd"), 3u);
}

TEST_F(Ripping, RunQueueTwiceAndClearDuringARun)
{
    Start({AudioCd(3, kTrackLength)});
    for (int track = 1; track <= 3; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_EQ(control->ClearQueue(), S_OK);  // the running worker has its own copy
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionEnd"), 3u);
    ::SetErrorInfo(0, nullptr);
    EXPECT_EQ(control->RunQueue(), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "Extraction queue is empty.");

    log.clear();
    ASSERT_EQ(Queue(2), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionEnd"), 2u);
    EXPECT_EQ(CompareWav(Target(2) + ".wav", kTrackLength, kTrackLength), "");
}

// A queued task names a track of the disc that was in the drive when it was queued:
// once another disc has been taken in, the run ends at that task rather than put
// the new disc's audio under the old disc's names. The same disc read again is the
// same disc.
TEST_F(Ripping, TasksQueuedBeforeAnotherDiscWasTakenInAreNotRipped)
{
    const struct {
        const char* what;
        bool otherDisc;
        bool takenOut;    // the drive was seen empty in between
        bool queueAgain;  // cleared and queued anew after the change
        std::vector<std::string> events;
    } cases[] = {
        {"the same disc read again", false, false, false, {"OnExtractionEnd", "OnExtractionEnd"}},
        {"the same disc taken out and put back", false, true, false, {"OnExtractionEnd", "OnExtractionEnd"}},
        {"another disc", true, false, false, {"OnExtractionError The disk was changed."}},
        {"another disc, queued anew", true, false, true, {"OnExtractionEnd", "OnExtractionEnd"}},
    };
    SimDevice first = AudioCd(2, kTrackLength);
    SimDevice other = AudioCd(2, kTrackLength + 50);
    Start({first});
    for (const auto& c : cases) {
        WriteSimDrive(1, {first});
        ASSERT_EQ(drive->Refresh(), S_OK) << c.what;
        DeleteFileA((Target(1) + ".wav").c_str());
        DeleteFileA((Target(2) + ".wav").c_str());
        ASSERT_EQ(control->ClearQueue(), S_OK);
        ASSERT_EQ(Queue(1), S_OK);
        ASSERT_EQ(Queue(2), S_OK);
        if (c.takenOut) {
            SimDevice empty = first;
            empty.disc = false;
            WriteSimDrive(1, {empty});
            ASSERT_EQ(drive->Refresh(), S_OK) << c.what;
            ASSERT_EQ(TrackCount(drive.Get()), 0) << c.what;
        }
        const SimDevice& now = c.otherDisc ? other : first;
        WriteSimDrive(1, {now});
        ASSERT_EQ(drive->Refresh(), S_OK) << c.what;
        if (c.queueAgain) {
            ASSERT_EQ(control->ClearQueue(), S_OK);
            ASSERT_EQ(Queue(1), S_OK);
            ASSERT_EQ(Queue(2), S_OK);
        }
        log.clear();
        ASSERT_EQ(control->RunQueue(), S_OK) << c.what;
        ASSERT_TRUE(WaitIdle()) << c.what;
        std::vector<std::string> events;
        for (const auto& line : log)
            if (line.rfind("OnExtractionE", 0) == 0)
                events.push_back(line);
        EXPECT_EQ(events, c.events) << c.what;
        if (c.events.size() == 2) {
            const int32_t length = now.tracks[1].lba;
            EXPECT_EQ(CompareWav(Target(2) + ".wav", length, length), "") << c.what;
        } else {
            EXPECT_EQ(GetFileAttributesA((Target(1) + ".wav").c_str()), INVALID_FILE_ATTRIBUTES) << c.what;
        }
    }
}

TEST_F(Ripping, ReadOnlyTargetIsReplacedWithoutAQuestion)
{
    Start({AudioCd(1, kTrackLength)});
    WriteFileText(Target(1) + ".WAV", "old");
    SetFileAttributesA((Target(1) + ".WAV").c_str(), FILE_ATTRIBUTE_READONLY);
    win::UniqueBstr name((WideTarget(1) + L".WAV").c_str());  // used as it is
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionError"), 0u);
    EXPECT_EQ(CompareWav(Target(1) + ".WAV", 0, kTrackLength), "");
}

// A host that pumps no messages while it waits (a console program, a script in a
// wait loop) still gets the old file replaced when no question is to be asked.
TEST_F(Ripping, AnExistingFileIsReplacedForAHostThatPumpsNoMessages)
{
    Start({AudioCd(1, kTrackLength)});
    WriteFileText(Target(1) + ".wav", "old");
    win::UniqueBstr name(WideTarget(1).c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
    // Waits as such a host does: it sleeps and asks, and never pumps.
    const DWORD start = ::GetTickCount();
    while (Busy() && ::GetTickCount() - start < 30000)
        ::Sleep(20);
    EXPECT_FALSE(Busy());
    EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, kTrackLength), "");
}

// Switching correction on in the middle of a track leaves that track as it began
// (reads that do not overlap, no mismatch reported); the next track overlaps.
TEST_F(Ripping, JitterCorrectionSwitchedOnDuringATrackAppliesFromTheNext)
{
    SimDevice disc = AudioCd(2, 3000);
    disc.extra = {"fault readcd late 0 2999 delay 10"};  // slow: the switch lands in the track
    Start({disc});
    struct SwitchOnFirstProgress : EventSink {
        using EventSink::EventSink;
        IVelCDRipper* control = nullptr;
        size_t at = 0;
        std::vector<std::string>* lines = nullptr;
        void OnEvent(DISPID id) override
        {
            if (id == 1 && control) {
                control->put_JitterCorrection(VARIANT_TRUE);
                control = nullptr;
                at = lines->size();
            }
        }
    };
    auto* switcher = new SwitchOnFirstProgress(&log, "");
    switcher->control = control.Get();
    switcher->lines = &log;
    sink->Disconnect();
    sink->Release();
    sink = switcher;
    ASSERT_EQ(sink->Connect(control.Get()), S_OK);
    control->put_JitterCorrection(VARIANT_FALSE);
    for (int track = 1; track <= 2; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ClearSimLog();
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    // The switch came while most of the first track was still to be read.
    ASSERT_GT(switcher->at, 0u);
    const auto firstEnd = std::find(log.begin(), log.end(), "OnExtractionEnd");
    EXPECT_GT(std::count_if(log.begin() + switcher->at, firstEnd,
                            [](const std::string& line) {
                                return line.rfind("OnProgress ", 0) == 0 && std::stoi(line.substr(11)) < 50;
                            }),
              0);
    EXPECT_EQ(Count("OnJitterDetected"), 0u);
    EXPECT_EQ(Count("OnExtractionEnd"), 2u);
    EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, 3000), "");
    EXPECT_EQ(CompareWav(Target(2) + ".wav", 3000, 3000), "");
    // The first track's reads tile it without sharing a sector; every read of the
    // second shares sectors with the read before it.
    const auto reads = SimReadCdRequests();
    ASSERT_GT(reads.size(), 200u);
    size_t i = 1;
    for (; i < reads.size() && reads[i - 1].first + reads[i - 1].second < 3000; ++i)
        EXPECT_EQ(reads[i].first, reads[i - 1].first + reads[i - 1].second) << "read " << i;
    ASSERT_LT(i, reads.size());
    for (++i; i < reads.size(); ++i)
        EXPECT_LT(reads[i].first, reads[i - 1].first + reads[i - 1].second) << "read " << i;
}

// The user's answer decides, unless the host cancelled while the question was
// shown: a "yes" given after that replaces nothing.
namespace {

IVelCDRipper* s_cancelling = nullptr;
volatile LONG s_cancelled = 0;

// A timer of the host's thread: cancels the rip once the overwrite question shows.
void CALLBACK CancelWhileAsked(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_cancelling && FindWindowW(L"#32770", L"Quenlit")) {
        s_cancelling->CancelExtraction();
        s_cancelling = nullptr;
        s_cancelled = 1;
    }
}

DWORD WINAPI ReleaseControl(void* object)
{
    static_cast<IVelCDRipper*>(object)->Release();
    return 0;
}

}  // namespace

TEST_F(Ripping, TheOverwriteQuestionAndACancelWhileItIsAsked)
{
    Start({AudioCd(1, kTrackLength)});
    control->put_OverwritePrompt(VARIANT_TRUE);
    const struct {
        const char* what;
        int answer;
        bool cancelFirst;
        std::vector<std::string> events;
        bool replaced;
    } cases[] = {
        {"no", IDNO, false, {"OnExtractionError Cancelled by user."}, false},
        {"yes after a cancel", IDYES, true, {}, false},
        {"yes", IDYES, false, {"OnExtractionStart", "OnProgress 0", "OnProgress 100", "OnExtractionEnd"}, true},
    };
    for (const auto& c : cases) {
        log.clear();
        WriteFileText(Target(1) + ".wav", "keep me");
        // The host cancels from a timer of its own thread, which the message box's
        // loop runs while the question is shown.
        s_cancelling = c.cancelFirst ? control.Get() : nullptr;
        s_cancelled = 0;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, CancelWhileAsked);
        // Answers the control's message box from another thread, as a user would,
        // once it shows its question (and, where the host cancels, after that).
        std::wstring prompt;
        std::thread user([&prompt, &c] {
            const DWORD start = GetTickCount();
            while (GetTickCount() - start < 60000) {
                if (HWND box = FindWindowW(L"#32770", L"Quenlit")) {
                    wchar_t text[128] = {};
                    if (GetDlgItemTextW(box, 0xFFFF, text, 128) > 0 && (!c.cancelFirst || s_cancelled)) {
                        prompt = text;
                        PostMessageW(box, WM_COMMAND, c.answer, 0);
                        return;
                    }
                }
                Sleep(20);
            }
        });
        win::UniqueBstr name(WideTarget(1).c_str());
        ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK) << c.what;
        ASSERT_TRUE(WaitIdle(60000)) << c.what;
        user.join();
        ::KillTimer(nullptr, timer);
        EXPECT_EQ(prompt, L"File already exists. Do you wish to overwrite it?") << c.what;
        EXPECT_EQ(Outline(), c.events) << c.what;
        if (c.replaced)
            EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, kTrackLength), "") << c.what;
        else
            EXPECT_TRUE(ReadFileText(Target(1) + ".wav") == "keep me") << c.what;
    }
}

TEST_F(Ripping, TargetNamesAndFolders)
{
    Start({AudioCd(1, kTrackLength)});
    const std::wstring base(out.Path().begin(), out.Path().end());
    const std::wstring target = base + L"\\ Artist \\Album\\Track.wave";
    win::UniqueBstr name(target.c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(CompareWav(out.File("Artist\\Album\\Track.wave.wav"), 0, kTrackLength), "")
        << (log.empty() ? "" : log.front());

}

// A file that cannot be made is named with the system's reason, whatever the cause:
// no name, a folder, a folder in the way, a drive or share that is not there, a name
// longer than the system takes (shown by its start and end).
TEST_F(Ripping, AFileThatCannotBeMadeIsNamedWithTheSystemsReason)
{
    Start({AudioCd(1, kTrackLength)});
    const std::string base = out.Path();
    ASSERT_TRUE(::CreateDirectoryA(out.File("Taken.wav").c_str(), nullptr));
    const std::string huge = base + "\\" + std::string(40000, 'x');
    const std::string hugeFile = huge + ".wav";
    struct Case {
        std::string target;
        std::string shown;
        std::string code;  // "" for any system error
    };
    // An empty name names the current folder, which is where it is shown to be.
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, current);
    const Case cases[] = {
        {"", std::string(current) + "\\", "0x8007007B"},
        {base + "\\Album\\", base + "\\Album\\", "0x8007007B"},
        {base + "\\Taken", base + "\\Taken.wav", ""},
        {MissingDrive() + "\\Rips\\Track", MissingDrive() + "\\Rips\\Track.wav", ""},
        {"\\\\nohost.invalid\\share\\Track", "\\\\nohost.invalid\\share\\Track.wav", ""},
        {huge, hugeFile.substr(0, 120) + "..." + hugeFile.substr(hugeFile.size() - 120), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.substr(0, 80));
        log.clear();
        win::UniqueBstr name(std::wstring(c.target.begin(), c.target.end()).c_str());
        ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
        ASSERT_TRUE(WaitIdle());
        ASSERT_EQ(log.size(), 1u);
        // The words, the name, then the HRESULT and the system's text for it.
        const std::string head = "OnExtractionError Cannot create wav-file \"" + c.shown + "\": 0x8007";
        const std::string& text = log[0];
        ASSERT_EQ(text.rfind(head, 0), 0u) << text;
        const size_t code = head.size() - 6;
        ASSERT_GT(text.size(), code + 11) << text;  // the system's text
        EXPECT_EQ(text[code + 10], ' ') << text;
        if (!c.code.empty()) {
            EXPECT_EQ(text.substr(code, 10), c.code) << text;
        }
    }
}

TEST_F(Ripping, DestructionDuringARunLeavesNothingRunning)
{
    Start({AudioCd(2, 20000)});
    ASSERT_EQ(Queue(1), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    Pump(300);
    sink->Disconnect();
    drive.Reset();
    control.Reset();  // cancels and waits for the worker
    EXPECT_EQ(ControlCanUnloadNow(), S_OK);
    // The partial file is complete and valid.
    const std::string partial = ReadFileText(Target(1) + ".wav");
    ASSERT_GE(partial.size(), 46u);
    EXPECT_EQ(CompareWav(Target(1) + ".wav", 0, static_cast<int32_t>((partial.size() - 46) / 2352)), "");
}

// The worker's question waits for the control's thread; the control released there,
// or on another thread while its own waits for that one without pumping, ends the
// run without a box, keeps the old file and goes away.
TEST_F(Ripping, DestructionDuringTheOverwriteQuestionShowsNoBox)
{
    for (bool elsewhere : {false, true}) {
        Start({AudioCd(2, kTrackLength)});
        control->put_OverwritePrompt(VARIANT_TRUE);
        WriteFileText(Target(1) + ".wav", "keep me");
        ASSERT_EQ(Queue(1), S_OK);
        ASSERT_EQ(control->RunQueue(), S_OK);
        sink->Disconnect();
        sink->Release();
        sink = nullptr;
        drive.Reset();
        if (!elsewhere) {
            // Release at once, before this thread handles the question.
            control.Reset();
        } else {
            // Once the question waits for this thread, which answers nothing meanwhile.
            const DWORD start = ::GetTickCount();
            while (!(HIWORD(::GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) &&
                   ::GetTickCount() - start < 30000)
                ::Sleep(5);
            IVelCDRipper* released = control.Detach();
            HANDLE thread = ::CreateThread(nullptr, 0, ReleaseControl, released, 0, nullptr);
            ASSERT_NE(thread, nullptr);
            const bool ended = ::WaitForSingleObject(thread, 30000) == WAIT_OBJECT_0;
            // Whatever happened, the thread is not left waiting for this one.
            PumpUntil(60000, [&] { return ::WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; });
            ::CloseHandle(thread);
            EXPECT_TRUE(ended) << "the release waited for the control's thread";
            PumpUntil(10000, [] { return ControlCanUnloadNow() == S_OK; });
        }
        EXPECT_EQ(FindWindowW(L"#32770", L"Quenlit"), nullptr) << elsewhere;
        EXPECT_EQ(ReadFileText(Target(1) + ".wav"), "keep me") << elsewhere;
        EXPECT_EQ(ControlCanUnloadNow(), S_OK) << elsewhere;
    }
}

// Run with the file size limited (VELMORA_FILE_LIMIT_KB says how far): the target
// fills up in the middle of the track.
TEST_F(Ripping, WriteFailureInTheMiddleIsReported)
{
    const char* limit = getenv("VELMORA_FILE_LIMIT_KB");
    if (!limit)
        GTEST_SKIP() << "needs a file size limit";
    Start({AudioCd(2, 3000)});
    for (int track = 1; track <= 2; ++track)
        ASSERT_EQ(Queue(track), S_OK);
    ASSERT_EQ(control->RunQueue(), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Count("OnExtractionStart"), 1u);  // the run ends with the failing track
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
              (std::vector<std::string>{"OnExtractionError Write error", "OnProgress 100",
                                        "OnExtractionEnd"}));
    const std::string partial = ReadFileText(Target(1) + ".wav");
    EXPECT_LE(partial.size(), static_cast<size_t>(atoi(limit)) * 1024);
}

// A host may drop the control from inside an event handler.
TEST_F(Ripping, ReleasingTheControlFromAnEventHandler)
{
    Start({AudioCd(1, kTrackLength)});
    struct Releaser : EventSink {
        using EventSink::EventSink;
        win::ComPtr<IVelCDRipper>* control = nullptr;
        win::ComPtr<IDrive>* drive = nullptr;
        void OnEvent(DISPID id) override
        {
            if (id == 3 && control) {  // OnExtractionEnd
                drive->Reset();
                control->Reset();
                control = nullptr;
            }
        }
    };
    auto* releaser = new Releaser(&log, "");
    releaser->control = &control;
    releaser->drive = &drive;
    ASSERT_EQ(releaser->ConnectWithoutHolding(control.Get()), S_OK);
    sink->Disconnect();

    win::UniqueBstr name(WideTarget(1).c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
    ASSERT_TRUE(PumpUntil(20000, [&] { return !control; }));
    EXPECT_EQ(ControlCanUnloadNow(), S_OK);
    releaser->Release();
}

// Tables of contents as drives report them, odd or nonsensical: each track object
// rips its own row, exactly the bytes its Size gives, or is refused with the error
// (and no file), never ripped as a few sectors of something else.
TEST_F(Ripping, EveryTrackRipsItsOwnRowOrIsRefused)
{
    constexpr uint8_t kAudio = 0x10, kData = 0x14, kAa = 0xAA;
    constexpr int32_t kRefused = -1;
    struct Case {
        const char* what;
        std::vector<RawTocRow> rows;
        std::vector<std::pair<int32_t, int32_t>> ranges;  // per track: [first, last), or kRefused
    };
    const Case cases[] = {
        {"copy-permitted and pre-emphasis bits",
         {{kAudio, 1, 0}, {0x12, 2, 300}, {0x11, 3, 600}, {0x12, kAa, 900}},
         {{0, 300}, {300, 600}, {600, 900}}},
        {"numbered 2 to 5",
         {{kAudio, 2, 0}, {kAudio, 3, 150}, {kAudio, 4, 300}, {kAudio, 5, 450}, {kAudio, kAa, 600}},
         {{0, 150}, {150, 300}, {300, 450}, {450, 600}}},
        {"numbered from 0", {{kAudio, 0, 0}, {kAudio, 1, 200}, {kAudio, 2, 400}, {kAudio, kAa, 600}},
         {{0, 200}, {200, 400}, {400, 600}}},
        {"numbers with gaps", {{kAudio, 1, 0}, {kAudio, 3, 200}, {kAudio, 7, 400}, {kAudio, kAa, 600}},
         {{0, 200}, {200, 400}, {400, 600}}},
        {"a number twice", {{kAudio, 1, 0}, {kAudio, 1, 200}, {kAudio, 2, 400}, {kAudio, kAa, 600}},
         {{0, 200}, {200, 400}, {400, 600}}},
        {"the lead-out row not last", {{kAudio, 1, 0}, {kAudio, kAa, 600}, {kAudio, 2, 300}, {kAudio, 3, 450}},
         {{0, 600}, {kRefused, 0}, {300, 450}}},
        {"descending starts", {{kAudio, 1, 400}, {kAudio, 2, 100}, {kAudio, kAa, 600}},
         {{kRefused, 0}, {100, 600}}},
        {"the lead-out before the last start", {{kAudio, 1, 0}, {kAudio, 2, 500}, {kAudio, kAa, 300}},
         {{0, 300}, {kRefused, 0}}},
        {"a data track closer than the session gap",
         {{kAudio, 1, 0}, {kAudio, 2, 300}, {kData, 3, 5000}, {kData, kAa, 5300}},
         {{0, 300}, {kRefused, 0}, {5000, 5300}}},
        {"a data bit on the lead-out only", {{kAudio, 1, 0}, {kAudio, 2, 300}, {kData, kAa, 600}},
         {{0, 300}, {300, 600}}},
        {"a start before sector 0", {{kAudio, 1, -150}, {kAudio, 2, 300}, {kAudio, kAa, 600}},
         {{0, 300}, {300, 600}}},
        {"a track beyond the lead-out", {{kAudio, 1, 0}, {kAudio, 2, 0x7FFFFFF0}, {kAudio, kAa, 100}},
         {{0, 100}, {kRefused, 0}}},
        {"a lead-out beyond any CD", {{kAudio, 1, 0}, {kAudio, 2, 300}, {kAudio, kAa, 0x7FFFFFF0}},
         {{kRefused, 0}, {kRefused, 0}}},
    };
    // The drive reads every sector up to 6000, whatever its table says.
    auto discOf = [](const Case& c) {
        SimDevice disc;
        disc.tracks = {{1, 0, false}};
        disc.leadOut = 6000;
        disc.extra = {TocRawLine(c.rows)};
        return disc;
    };
    Start({discOf(cases[0])});
    for (const Case& c : cases) {
        WriteSimDrive(1, {discOf(c)});
        ASSERT_EQ(drive->Refresh(), S_OK) << c.what;
        ASSERT_EQ(TrackCount(drive.Get()), long(c.ranges.size())) << c.what;
        for (int track = 1; track <= int(c.ranges.size()); ++track) {
            const std::string what = std::string(c.what) + ", track " + std::to_string(track);
            const int32_t first = c.ranges[track - 1].first, last = c.ranges[track - 1].second;
            const std::string file = Target(track) + ".wav";
            DeleteFileA(file.c_str());
            long size = -1, duration = -1;
            const HRESULT sized = TrackOf(drive.Get(), track)->get_Size(&size);
            const HRESULT timed = TrackOf(drive.Get(), track)->get_Duration(&duration);
            log.clear();
            win::UniqueBstr name(WideTarget(track).c_str());
            ASSERT_EQ(TrackOf(drive.Get(), track)->ExtractToWav(name.Get()), S_OK) << what;
            ASSERT_TRUE(WaitIdle(30000)) << what;
            if (first == kRefused) {
                EXPECT_TRUE(FAILED(sized) && FAILED(timed)) << what << ": Size " << size;
                EXPECT_EQ(log, std::vector<std::string>{"OnExtractionError No such track on the disk"}) << what;
                EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << what;
            } else {
                EXPECT_EQ(sized, S_OK) << what;
                EXPECT_EQ(size, (last - first) * 2352) << what;
                EXPECT_EQ(duration, (last - first) / 75) << what;
                EXPECT_EQ(Count("OnExtractionError"), 0u) << what;
                EXPECT_EQ(CompareWav(file, first, last - first), "") << what;
            }
        }
    }
}
