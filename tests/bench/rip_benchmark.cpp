// Measures ripping speed: a simulated 74-minute disc (333,000 sectors, 12 tracks) is
// ripped to WAV files through the control, with jitter correction on and off, and the
// parts of the work are timed on their own: reading the sectors, matching the
// overlaps, writing the files. A realistic disc follows: a generated image of music
// with digital silence between the tracks, ripped with correction on and checked
// byte for byte. Also shows that memory does not grow with the disc.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "extract/overlap_match.h"
#include "extract/sector_reader.h"
#include "sim_audio.h"
#include "extract/wav_writer.h"
#include "transport/drive_commands.h"
#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/music_image.h"
#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "transport/scsi_manager.h"

using namespace testsupport;

namespace {

constexpr double kRealTime = 176400.0;  // bytes of CD audio per second

double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

size_t PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

// The drive answers at once, like a disc image: what is measured is the control.
// `image` names the disc's audio, or is empty for the formula.
void WriteDisc(int32_t sectors, const std::string& image = std::string())
{
    SimDevice disc = AudioCd(12, sectors / 12);
    if (!image.empty())
        disc.extra.push_back("image \"" + image + "\"");
    WriteSimDriveText("adapters 1\nimmediate\n" + disc.Text());
    SetEnvironmentVariableA("VELMORA_SIMDRIVE_LOG", nullptr);  // no command log either
}

void Report(const char* what, double seconds, double bytes)
{
    std::printf("  %-38s %7.2f s  %8.1f MB/s  %6.0fx real-time\n", what, seconds,
                bytes / seconds / 1e6, bytes / seconds / kRealTime);
}

// Reads every track with the sector reader alone: the drive's share of the work,
// plus the overlap matching when correction is on.
double ReadDisc(bool correction, double& bytes)
{
    velmora::ScsiManager manager;
    manager.Load();
    auto drive = std::make_shared<velmora::DriveRecord>(0, 0, 0, &manager);
    uint8_t answer[velmora::kTocAnswerSize] = {};
    velmora::ReadToc(*drive, answer);
    velmora::ParseTocAnswer(answer, drive->toc);
    bytes = 0;
    const double start = Now();
    velmora::SectorReader reader;
    for (int track = 0; track < 12; ++track) {
        reader.SetUp(*drive, track);
        for (;;) {
            const velmora::Block block = reader.ReadBlock(correction);
            if (block.result != velmora::Block::Result::Audio)
                break;
            bytes += block.length;
        }
        reader.FreeBuffers();
    }
    return Now() - start;
}

// Runs the overlap matching alone on blocks as an undisturbed stream gives them, on
// blocks of digital silence, and on blocks whose overlap is nowhere (the whole window
// is searched).
enum class Overlap { Found, Silent, Nowhere };
double Match(int blocks, Overlap kind)
{
    std::vector<uint8_t> read(velmora::kBlockSize), overlap(velmora::kSectorSize);
    simdrive::FillAudio(0, read.data(), read.size());
    simdrive::FillAudio(kind == Overlap::Found ? 6 * 2352 : 1000000 * 2352LL, overlap.data(),
                        overlap.size());
    if (kind == Overlap::Silent) {
        std::memset(read.data(), 0, read.size());
        std::memset(overlap.data(), 0, overlap.size());
    }
    bool jitter = false;
    uint32_t sum = 0;
    const double start = Now();
    for (int i = 0; i < blocks; ++i)
        sum += velmora::FindJitterOffset(read.data(), velmora::kBlockSize, overlap.data(), 16464,
                                         jitter);
    const double seconds = Now() - start;
    if (sum == 0)
        std::printf("(no offsets)\n");
    return seconds;
}

// Writes as many bytes as the disc holds into WAV files, without reading.
double WriteFiles(const TempDir& folder, double bytes)
{
    std::vector<uint8_t> block(velmora::kBlockSize, 0x5A);
    const double start = Now();
    const double perTrack = bytes / 12;
    for (int track = 0; track < 12; ++track) {
        velmora::WavWriter writer;
        const std::string name = folder.File("write" + std::to_string(track));
        writer.Open(std::wstring(name.begin(), name.end()), [] { return true; });
        std::wstring error;
        for (double written = 0; written < perTrack; written += block.size())
            writer.Write(block.data(), static_cast<uint32_t>(block.size()), error);
        writer.Close();
        DeleteFileA((name + ".wav").c_str());
    }
    return Now() - start;
}

// Rips the whole disc through the control's queue; `check` sees each WAV file (by
// track number and name) before it is deleted.
using CheckFile = std::function<void(int, const std::string&)>;
double Rip(IVelCDRipper* control, const TempDir& folder, bool correction, std::vector<std::string>& log,
           const CheckFile& check)
{
    control->put_JitterCorrection(correction ? VARIANT_TRUE : VARIANT_FALSE);
    control->put_OverwritePrompt(VARIANT_FALSE);
    win::ComPtr<IDrive> drive = DriveOf(control);
    control->ClearQueue();
    for (int track = 1; track <= 12; ++track) {
        const std::string name = folder.File("Track " + std::to_string(track));
        win::UniqueBstr target(std::wstring(name.begin(), name.end()).c_str());
        TrackOf(drive.Get(), track)->QueueExtractToWav(target.Get());
    }
    log.clear();
    const double start = Now();
    control->RunQueue();
    PumpUntil(600000, [&] {
        size_t ends = 0;
        for (const auto& line : log)
            ends += line == "OnExtractionEnd" || line.rfind("OnExtractionError", 0) == 0;
        return ends >= 12;
    });
    const double seconds = Now() - start;
    for (int track = 1; track <= 12; ++track) {
        const std::string name = folder.File("Track " + std::to_string(track)) + ".wav";
        if (check)
            check(track, name);
        DeleteFileA(name.c_str());
    }
    return seconds;
}

}  // namespace

int main()
{
    if (FAILED(OleInitialize(nullptr)))
        return 1;
    TempDir folder;
    const int32_t fullDisc = 333000;
    std::printf("Simulated disc: %d sectors in 12 tracks (%.1f minutes, %.0f MB of audio)\n",
                fullDisc, fullDisc / 75.0 / 60.0, fullDisc * 2352.0 / 1e6);

    std::vector<std::string> log;
    auto ripDisc = [&](int32_t sectors, bool correction, const std::string& image = std::string(),
                       const CheckFile& check = CheckFile()) {
        WriteDisc(sectors, image);
        win::ComPtr<IVelCDRipper> control;
        if (FAILED(CreateControl(control))) {
            std::printf("The control is not registered.\n");
            std::exit(1);
        }
        auto* sink = new EventSink(&log, "");
        sink->Connect(control.Get());
        const double seconds = Rip(control.Get(), folder, correction, log, check);
        sink->Disconnect();
        sink->Release();
        return seconds;
    };

    // Memory first: a disc a tenth as long, then the whole one.
    ripDisc(fullDisc / 10, true);
    const size_t peakShort = PeakWorkingSet();

    std::printf("\nWhole rips through the control (12 WAV files):\n");
    const double bytes = (fullDisc / 12) * 12 * 2352.0;
    Report("jitter correction on", ripDisc(fullDisc, true), bytes);
    Report("jitter correction off", ripDisc(fullDisc, false), bytes);
    const size_t peakFull = PeakWorkingSet();

    WriteDisc(fullDisc);
    double readBytes = 0, readOnBytes = 0;
    const double readOff = ReadDisc(false, readBytes);
    const double readOn = ReadDisc(true, readOnBytes);
    const double write = WriteFiles(folder, readBytes);
    std::printf("\nParts of the work, each alone:\n");
    Report("reading (correction off)", readOff, readBytes);
    Report("reading and matching (correction on)", readOn, readOnBytes);
    const int blocks = fullDisc / 19;
    std::printf("  %-38s %7.3f s  (%d blocks; %.3f s all silence; %.3f s if no overlap were ever found)\n",
                "matching alone", Match(blocks, Overlap::Found), blocks, Match(blocks, Overlap::Silent),
                Match(blocks, Overlap::Nowhere));
    Report("writing WAV files", write, readBytes);

    // A disc like a real one: music, fades and two seconds of digital silence between
    // the tracks, served from an image.
    const std::string image = folder.File("music.bin");
    const int32_t perTrack = fullDisc / 12;
    std::vector<int32_t> starts;
    for (int track = 0; track < 12; ++track)
        starts.push_back(track * perTrack);
    double started = Now();
    if (!WriteMusicImage(image, starts, perTrack * 12)) {
        std::printf("Cannot write the disc image.\n");
        return 1;
    }
    std::printf("\nA music disc image (%.0f MB, generated in %.1f s), jitter correction on:\n",
                perTrack * 12 * 2352.0 / 1e6, Now() - started);
    int exact = 0;
    const simdrive::DiscAudio audio = [&] {
        simdrive::DiscAudio a;
        a.SetImage(image);
        return a;
    }();
    const double music = ripDisc(fullDisc, true, image, [&](int track, const std::string& name) {
        const std::string wav = ReadFileText(name);
        const size_t data = size_t(perTrack) * 2352;
        std::string expected(data, '\0');
        audio.Fill(int64_t(track - 1) * perTrack * 2352, reinterpret_cast<uint8_t*>(&expected[0]), data);
        exact += wav.size() == 46 + data && std::memcmp(wav.data() + 46, expected.data(), data) == 0;
    });
    Report("whole rip of the music image", music, bytes);
    size_t jitters = 0;
    for (const auto& line : log)
        jitters += line == "OnJitterDetected";
    std::printf("  %d of 12 files byte-exact, %zu jitter reports\n", exact, jitters);
    DeleteFileA(image.c_str());

    std::printf("\nPeak working set: %.1f MB after a 7-minute disc, %.1f MB after 74-minute ones\n",
                peakShort / 1e6, peakFull / 1e6);
    OleUninitialize();
    return 0;
}
