// Where ripped files go: names made from hostile CDDB titles stay inside the output
// folder, relative targets mean the current directory of the moment they are queued,
// and nothing a target says makes the worker open a device, hang, or leave an empty
// file behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "cddb_test_server.h"
#include "proxy_registry.h"
#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "support/wav_expectation.h"

using namespace testsupport;

namespace {

constexpr int32_t kTrackLength = 40;  // track i starts at i * 40 and delivers its 40 sectors

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// One error: a file that cannot be created (its name and the reason follow the words).
bool OnlyCannotCreate(const std::vector<std::string>& log)
{
    return log.size() == 1 && log[0].rfind("OnExtractionError Cannot create wav-file \"", 0) == 0;
}

std::string CurrentDirectory()
{
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, path);
    return path;
}

// Every file below `folder`, as paths relative to it, found through "\\?\" names so
// that nothing Windows would read otherwise is missed.
void ListFiles(const std::wstring& folder, const std::wstring& relative, std::set<std::string>& files)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(folder + L"\\" + name, path, files);
        else
            files.insert(Narrow(path.c_str()));
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::set<std::string> FilesBelow(const std::string& folder)
{
    std::set<std::string> files;
    ListFiles(L"\\\\?\\" + Wide(folder), L"", files);
    return files;
}

class TargetNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start());
        proxy.Set("127.0.0.1:" + std::to_string(server.Port()));
        initialDirectory = CurrentDirectory();
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(initialDirectory.c_str());  // the folders can go then
        if (sink) {
            sink->Disconnect();
            sink->Release();
        }
    }
    void Start(const SimDevice& disc)
    {
        WriteSimDrive(1, {disc});
        ASSERT_EQ(CreateControl(control), S_OK);
        sink = new EventSink(&log, "");
        ASSERT_EQ(sink->Connect(control.Get()), S_OK);
        drive = DriveOf(control.Get());
        drive->put_AutoRefresh(VARIANT_FALSE);
        control->put_OverwritePrompt(VARIANT_FALSE);
    }
    HRESULT Queue(int track, const std::wstring& target)
    {
        win::UniqueBstr name(target.c_str(), UINT(target.size()));
        return TrackOf(drive.Get(), track)->QueueExtractToWav(name.Get());
    }
    // Runs the queue and pumps until the batch has ended, one way or the other.
    bool RunAndWait(size_t tracks)
    {
        log.clear();
        if (control->RunQueue() != S_OK)
            return false;
        const bool ended = PumpUntil(60000, [&] {
            const size_t ends = std::count(log.begin(), log.end(), "OnExtractionEnd");
            return ends == tracks || std::any_of(log.begin(), log.end(), [](const std::string& line) {
                       return line.rfind("OnExtractionError", 0) == 0;
                   });
        });
        return ended && WaitWorkerGone();
    }
    // A start is refused for the running worker before it is refused for the missing
    // encoder: once it is refused for the encoder, the worker is gone.
    bool WaitWorkerGone()
    {
        const bool gone = PumpUntil(10000, [&] {
            win::UniqueBstr name(L"never");
            ::SetErrorInfo(0, nullptr);
            TrackOf(drive.Get(), 1)->ExtractToEncoder(name.Get(), VARIANT_FALSE);
            return ErrorText() == "External encoder is not set.";
        });
        Pump(0);
        return gone;
    }
    std::vector<std::string> Errors() const
    {
        std::vector<std::string> errors;
        for (const auto& line : log)
            if (line.rfind("OnExtractionError", 0) == 0)
                errors.push_back(line);
        return errors;
    }

    cddbtest::CDDBTestServer server;
    cddbtest::ScopedProxySetting proxy{""};
    std::string initialDirectory;
    TempDir out;
    win::ComPtr<IVelCDRipper> control;
    win::ComPtr<IDrive> drive;
    std::vector<std::string> log;
    EventSink* sink = nullptr;
};

}  // namespace

TEST_F(TargetNames, HostileCddbTitlesAllLandInsideTheOutputFolder)
{
    struct Title {
        std::string value;
        std::string file;  // where it must land, below the output folder
    };
    const std::vector<Title> titles = {
        {"..\\..\\x", "__\\__\\x.wav"},
        {"AC/DC", "AC\\DC.wav"},
        {"/abs/x", "abs\\x.wav"},
        {"C:\\Windows\\x", "C_\\Windows\\x.wav"},
        {"What?*<now>|\"\x01\x1f\tend", "What___now______end.wav"},
        {"CON", "CON_.wav"},
        {"NUL", "NUL_.wav"},
        {"com1", "com1_.wav"},
        {"AUX.txt", "AUX_.txt.wav"},
        {std::string(400, 'L'), std::string(120, 'L') + ".wav"},
        {"..", "__.wav"},
        {"\\\\?\\x", "_\\x.wav"},
        {"Rock + Roll ", "Rock + Roll .wav"},
        {"P.S.", "P.S..wav"},
        {"R.E.M./Out of Time", "R.E.M\\Out of Time.wav"},
        {"Wait... /x", "Wait\\x.wav"},
    };
    const int count = int(titles.size());
    const SimDevice disc = AudioCd(count, kTrackLength);
    std::string record = "# xmcd\n#\nDISCID=" + CddbId(disc) + "\nDTITLE=Hostile / Titles\n";
    for (int i = 0; i < count; ++i)
        record += "TTITLE" + std::to_string(i) + "=" + titles[i].value + "\n";
    server.AddRecord({"misc", CddbId(disc), record});
    Start(disc);
    ASSERT_EQ(drive->LoadCDDBData(), S_OK);

    // Ripped as a host names tracks: the output folder followed by the title.
    const std::string folder = out.File("Music");
    for (int track = 1; track <= count; ++track) {
        win::UniqueBstr templ(L"%2"), name;
        ASSERT_EQ(TrackOf(drive.Get(), track)->GenerateFilename(templ.Get(), name.Put()), S_OK);
        ASSERT_EQ(Queue(track, Wide(folder) + L"\\" + name.Get()), S_OK);
    }
    ASSERT_TRUE(RunAndWait(size_t(count)));
    EXPECT_EQ(Errors(), std::vector<std::string>{});

    std::set<std::string> expected;
    for (const auto& title : titles)
        expected.insert(title.file);
    EXPECT_EQ(FilesBelow(folder), expected);
    EXPECT_EQ(FilesBelow(out.Path()).size(), expected.size());  // nothing beside the folder
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(CompareWav(folder + "\\" + titles[i].file, i * kTrackLength, kTrackLength), "")
            << titles[i].file;
}

TEST_F(TargetNames, RelativeTargetsMeanTheDirectoryOfWhenTheyWereQueued)
{
    Start(AudioCd(4, kTrackLength));
    ASSERT_TRUE(SetCurrentDirectoryA(out.Path().c_str()));
    ASSERT_EQ(Queue(1, L"01"), S_OK);
    ASSERT_EQ(Queue(2, L"Album\\02"), S_OK);
    ASSERT_EQ(Queue(3, L"Artist/Album\\03"), S_OK);
    ASSERT_EQ(Queue(4, L".\\Artist\\ Live \\..\\Other\\04"), S_OK);

    // The host moves on before the queue runs; the targets stay where they were meant.
    const std::string elsewhere = out.File("elsewhere");
    ASSERT_TRUE(CreateDirectoryA(elsewhere.c_str(), nullptr));
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.c_str()));
    ASSERT_TRUE(RunAndWait(4));
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    EXPECT_EQ(CurrentDirectory(), elsewhere);  // the rip never moved it
    EXPECT_EQ(CompareWav(out.File("01.wav"), 0, kTrackLength), "");
    EXPECT_EQ(CompareWav(out.File("Album\\02.wav"), kTrackLength, kTrackLength), "");
    EXPECT_EQ(CompareWav(out.File("Artist\\Album\\03.wav"), 2 * kTrackLength, kTrackLength), "");
    EXPECT_EQ(CompareWav(out.File("Artist\\Other\\04.wav"), 3 * kTrackLength, kTrackLength), "");
    EXPECT_EQ(FilesBelow(elsewhere).size(), 0u);

    // One level up from where the host is now.
    win::UniqueBstr up(L"..\\Up\\05");
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(up.Get()), S_OK);
    ASSERT_TRUE(WaitWorkerGone());
    EXPECT_EQ(CompareWav(out.File("Up\\05.wav"), 0, kTrackLength), "");
    EXPECT_EQ(CurrentDirectory(), elsewhere);
}

TEST_F(TargetNames, DeviceNamesAndLongPathsGivenByTheHostMakeFiles)
{
    Start(AudioCd(4, kTrackLength));
    const std::wstring base = Wide(out.Path());
    ASSERT_EQ(Queue(1, base + L"\\CON"), S_OK);
    ASSERT_EQ(Queue(2, base + L"\\lpt1 \\nul.txt"), S_OK);
    // Deeper than MAX_PATH.
    const std::wstring deep = base + L"\\" + std::wstring(100, L'a') + L"\\" + std::wstring(100, L'b') +
                              L"\\" + std::wstring(100, L'c');
    ASSERT_EQ(Queue(3, deep + L"\\03"), S_OK);
    ASSERT_EQ(Queue(4, base + L"\\Rock+Roll"), S_OK);
    ASSERT_TRUE(RunAndWait(4));
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    const std::string deepFile = std::string(100, 'a') + "\\" + std::string(100, 'b') + "\\" +
                                 std::string(100, 'c') + "\\03.wav";
    EXPECT_EQ(FilesBelow(out.Path()),
              (std::set<std::string>{"CON_.wav", "lpt1_\\nul_.txt.wav", deepFile, "Rock+Roll.wav"}));
    EXPECT_EQ(CompareWav(out.File("CON_.wav"), 0, kTrackLength), "");
    EXPECT_EQ(CompareWav(out.File("Rock+Roll.wav"), 3 * kTrackLength, kTrackLength), "");
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW((L"\\\\?\\" + deep + L"\\03.wav").c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 46u + kTrackLength * 2352u);
}

TEST_F(TargetNames, ATargetThatIsNoFileEndsTheBatchWithAnError)
{
    Start(AudioCd(2, kTrackLength));
    ASSERT_EQ(Queue(1, L"\\\\.\\NUL"), S_OK);
    ASSERT_EQ(Queue(2, Wide(out.File("never"))), S_OK);
    ASSERT_TRUE(RunAndWait(2));
    EXPECT_TRUE(OnlyCannotCreate(log)) << (log.empty() ? "" : log[0]);
    EXPECT_EQ(FilesBelow(out.Path()).size(), 0u);
}

TEST_F(TargetNames, ATargetWithoutAFileNameIsRefusedAndLeavesNothing)
{
    Start(AudioCd(1, kTrackLength));
    ASSERT_TRUE(SetCurrentDirectoryA(out.Path().c_str()));
    const std::wstring base = Wide(out.Path());
    // Folders given with their final separator, absolute or relative, by either
    // separator; no name at all; and names that Windows cuts to nothing or reads as
    // folders.
    const std::wstring targets[] = {base + L"\\Music\\", L"dir/",          L"",
                                    base + L"\\Sub\\..",  base + L"\\Sub\\.", base + L"\\Sub\\ . . ",
                                    L"Rel\\..."};
    auto nothingBelow = [&] {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(out.File("*").c_str(), &found);
        bool empty = true;
        if (search != INVALID_HANDLE_VALUE) {
            do
                empty = empty && (std::string(found.cFileName) == "." || std::string(found.cFileName) == "..");
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        return empty;
    };
    for (const std::wstring& target : targets) {
        for (bool queued : {false, true}) {
            const std::string what = "\"" + Narrow(target.c_str()) + (queued ? "\" queued" : "\" extracted");
            if (queued) {
                ASSERT_EQ(control->ClearQueue(), S_OK);
                ASSERT_EQ(Queue(1, target), S_OK);
                ASSERT_TRUE(RunAndWait(1)) << what;
            } else {
                log.clear();
                win::UniqueBstr name(target.c_str(), UINT(target.size()));
                ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK) << what;
                ASSERT_TRUE(WaitWorkerGone()) << what;
            }
            EXPECT_TRUE(OnlyCannotCreate(log)) << what << (log.empty() ? "" : log[0]);
            EXPECT_TRUE(nothingBelow()) << what;  // no file, no folder
            EXPECT_EQ(GetFileAttributesA((out.Path() + ".wav").c_str()), INVALID_FILE_ATTRIBUTES) << what;
        }
    }
}

TEST_F(TargetNames, ATrackThatIsGoneLeavesNoFile)
{
    Start(AudioCd(3, kTrackLength));
    const win::ComPtr<ITrack> one = TrackOf(drive.Get(), 1), three = TrackOf(drive.Get(), 3);
    // Another disc, of one track, before the held tracks are queued: they answer
    // for the tracks of their index on it.
    WriteSimDrive(1, {AudioCd(1, kTrackLength)});
    ASSERT_EQ(drive->Refresh(), S_OK);
    win::UniqueBstr oneName(Wide(out.File("one")).c_str()), threeName(Wide(out.File("three")).c_str());
    ASSERT_EQ(one->QueueExtractToWav(oneName.Get()), S_OK);
    ASSERT_EQ(three->QueueExtractToWav(threeName.Get()), S_OK);
    ASSERT_TRUE(RunAndWait(2));
    EXPECT_EQ(Errors(), std::vector<std::string>{"OnExtractionError No such track on the disk"});
    EXPECT_EQ(FilesBelow(out.Path()), std::set<std::string>{"one.wav"});
}

// Titles of nested folders without end make names of a bounded depth and length,
// ripped quickly and inside the output folder; a target the system cannot take
// whole (it would cut it to another name, beside the folder) is refused.
TEST_F(TargetNames, RunawayNamesStayInsideTheFolderOrAreRefused)
{
    std::string nested, deep;
    // As long as a line of the server's answer may be.
    while (nested.size() < 65525)
        nested += "d/";
    nested.resize(65525);
    for (int i = 0; i < 300; ++i)
        deep += "a/";
    const SimDevice disc = AudioCd(3, kTrackLength);
    server.AddRecord({"misc", CddbId(disc),
                      "DISCID=" + CddbId(disc) + "\nDTITLE=Deep / Titles\nTTITLE0=" + nested + "\nTTITLE1=" +
                          deep + "song\nTTITLE2=two\n"});
    Start(disc);
    ASSERT_EQ(drive->LoadCDDBData(), S_OK);
    const std::string folder = out.File("Music");
    for (int track = 1; track <= 2; ++track) {
        win::UniqueBstr templ(L"%2"), name;
        ASSERT_EQ(TrackOf(drive.Get(), track)->GenerateFilename(templ.Get(), name.Put()), S_OK);
        EXPECT_LE(name.Length(), 1024u);
        ASSERT_EQ(Queue(track, Wide(folder) + L"\\" + name.Get()), S_OK);
    }
    ASSERT_TRUE(RunAndWait(2));
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    std::string sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen += "d\\";
    std::string sixteenA;
    for (int i = 0; i < 16; ++i)
        sixteenA += "a\\";
    EXPECT_EQ(FilesBelow(out.Path()), (std::set<std::string>{"Music\\" + sixteen + "d.wav",
                                                             "Music\\" + sixteenA + "song.wav"}));
    EXPECT_EQ(CompareWav(folder + "\\" + sixteenA + "song.wav", kTrackLength, kTrackLength), "");

    // Folders of 250 characters, then a name that takes the whole over the system's
    // limit by as much as the system would keep of it: the output folder, "\Mu".
    const std::wstring kept = L"\\\\?\\" + Wide(out.Path()) + L"\\Mu";
    std::wstring target = Wide(folder) + L"\\";
    while (target.size() < 30000)
        target += std::wstring(250, L'f') + L"\\";
    const size_t length = 32768 + kept.size() - 4 - 4;  // less the prefix and ".wav"
    target += std::wstring(length - target.size(), L'g');
    control->ClearQueue();
    ASSERT_EQ(Queue(3, target), S_OK);
    ASSERT_TRUE(RunAndWait(1));
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0].rfind("OnExtractionError Cannot create wav-file \"", 0), 0u) << Errors()[0];
    EXPECT_NE(Errors()[0].find(": 0x800700CE "), std::string::npos) << Errors()[0];
    EXPECT_EQ(FilesBelow(out.Path()).size(), 2u);
    EXPECT_EQ(GetFileAttributesW(kept.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW((L"\\\\?\\" + Wide(folder) + L"\\" + std::wstring(250, L'f')).c_str()),
              INVALID_FILE_ATTRIBUTES);
}

// Making the folders of a very deep target stops at a cancel, without an error and
// without a file.
TEST_F(TargetNames, ACancelStopsTheFoldersOfADeepTarget)
{
    Start(AudioCd(1, kTrackLength));
    const std::wstring folder = L"\\\\?\\" + Wide(out.File("Deep"));
    std::wstring target = folder;
    for (int i = 0; i < 2000; ++i)
        target += L"\\a";
    target += L"\\x";
    win::UniqueBstr name(target.c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
    ASSERT_TRUE(PumpUntil(60000, [&] { return GetFileAttributesW((folder + L"\\a").c_str()) != INVALID_FILE_ATTRIBUTES; }));
    ASSERT_EQ(control->CancelExtraction(), S_OK);
    ASSERT_TRUE(WaitWorkerGone());
    EXPECT_EQ(log, std::vector<std::string>{});
    int depth = 0;
    for (std::wstring level = folder + L"\\a"; depth < 2000 && GetFileAttributesW(level.c_str()) != INVALID_FILE_ATTRIBUTES;
         level += L"\\a")
        ++depth;
    EXPECT_LT(depth, 2000);
    EXPECT_EQ(FilesBelow(out.Path()).size(), 0u);
}
