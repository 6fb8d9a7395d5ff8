// Measures ripping speed against the floor: for each disc, a plain program that
// reads the same sectors through the same simulated drive in the same request sizes
// and writes them with WriteFile (floor_rip.h) runs side by side with whole rips
// through the control's queue, jitter correction on and off. The discs: a 74-minute
// demo disc (the drive's formula audio) in 12 tracks, a generated image of music of
// the same length, the same length in 99 tracks and in one, and the music image on
// a drive whose reads land off at random. The drive answers at once, like a disc
// image: what is measured is the ripper. Each figure is the median of three runs.
//
// Options: --folder DIR    where the files are written (a RAM disk, ideally)
//          --image FILE    the music image to use (else one is generated)
//          --write-image DIR  writes music.bin and music.cue there and ends
//          --peer LABEL=SECONDS  another ripper's time on the music image
//          --runs N        runs of each figure (3)
//          --only TEXT     measures only the discs whose names hold TEXT
//          --parts         also times reading, matching and writing each alone (on
//                          the demo disc, or on the music image with --only)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_figures.h"
#include "extract/overlap_match.h"
#include "extract/sector_reader.h"
#include "extract/wav_writer.h"
#include "floor_rip.h"
#include "sim_audio.h"
#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/music_image.h"
#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "transport/drive_commands.h"
#include "transport/scsi_manager.h"

using namespace testsupport;
using bench::Now;

namespace {

constexpr double kRealTime = 176400.0;  // bytes of CD audio per second
int g_runs = 3;
constexpr int32_t kFullDisc = 333000;  // sectors of a 74-minute disc

struct Disc {
    const char* name;
    int tracks;
    int32_t perTrack;
    std::string image;    // the audio's image, or empty for the drive's formula
    bool wander = false;  // reads land off at random
    bool plainRips = true;  // also ripped with correction off

    int32_t LeadOut() const { return tracks * perTrack; }
    std::vector<bench::SectorSpan> Spans() const
    {
        std::vector<bench::SectorSpan> spans;
        for (int t = 0; t < tracks; ++t)
            spans.push_back({t * perTrack, (t + 1) * perTrack});
        return spans;
    }
    double Bytes() const { return double(tracks) * perTrack * 2352.0; }
};

void WriteDisc(const Disc& disc)
{
    SimDevice device = AudioCd(disc.tracks, disc.perTrack);
    if (!disc.image.empty())
        device.extra.push_back("image \"" + disc.image + "\"");
    // A fifth of the reads land up to 1000 frames (4000 bytes) off, either way.
    if (disc.wander)
        device.extra.push_back("wander 0 " + std::to_string(disc.LeadOut()) + " 20 1000");
    WriteSimDriveText("adapters 1\nimmediate\n" + device.Text());
    SetEnvironmentVariableA("VELMORA_SIMDRIVE_LOG", nullptr);  // no command log either
}

std::string TrackFile(const TempDir& folder, int track)
{
    return folder.File("Track " + std::to_string(track)) + ".wav";
}

// Waits until the control has let go of the file (the worker closes the last one
// after it posted the last end).
void WaitUntilClosed(const std::string& name)
{
    for (int i = 0; i < 1000000; ++i) {
        HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return;
        }
        SwitchToThread();
    }
}

// The WAV file holds `length` bytes of the disc's audio from `position` (compared a
// piece at a time: the benchmark's own memory stays small).
bool SameAudio(const std::string& wav, const simdrive::DiscAudio& audio, int64_t position, int64_t length)
{
    HANDLE file = CreateFileA(wav.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool same = GetFileSizeEx(file, &size) && size.QuadPart == 46 + length;
    std::vector<uint8_t> read(1 << 20), expected(read.size());
    DWORD got = 0;
    same = same && ReadFile(file, read.data(), 46, &got, nullptr) && got == 46;
    for (int64_t at = 0; same && at < length; at += got) {
        const DWORD piece = DWORD(std::min<int64_t>(length - at, int64_t(read.size())));
        audio.Fill(position + at, expected.data(), piece);
        same = ReadFile(file, read.data(), piece, &got, nullptr) && got == piece &&
               std::memcmp(read.data(), expected.data(), piece) == 0;
    }
    CloseHandle(file);
    return same;
}

struct Measure {
    std::vector<double> seconds;
    uint32_t rereads = 0;
    size_t peak = 0;
    int exact = -1;  // files byte-exact in the last run; -1 when not checked
    bool failed = false;
};

// Rips the whole disc through the control's queue, from RunQueue until the last
// file is closed.
void RipOnce(const Disc& disc, bool correction, const TempDir& folder, Measure& measure)
{
    WriteDisc(disc);
    win::ComPtr<IVelCDRipper> control;
    if (FAILED(CreateControl(control))) {
        std::printf("The control is not registered.\n");
        std::exit(1);
    }
    std::vector<std::string> log;
    auto* sink = new EventSink(&log, "");
    sink->Connect(control.Get());
    control->put_JitterCorrection(correction ? VARIANT_TRUE : VARIANT_FALSE);
    control->put_OverwritePrompt(VARIANT_FALSE);
    win::ComPtr<IDrive> drive = DriveOf(control.Get());
    for (int track = 1; track <= disc.tracks; ++track) {
        const std::string name = TrackFile(folder, track);
        win::UniqueBstr target(std::wstring(name.begin(), name.end()).c_str());
        TrackOf(drive.Get(), track)->QueueExtractToWav(target.Get());
    }
    const bench::ReadCounts before = bench::DriveReadCounts();
    bench::ResetPeakWorkingSet();
    const double start = Now();
    control->RunQueue();
    size_t seen = 0;
    int ends = 0;
    PumpUntil(600000, [&] {
        for (; seen < log.size(); ++seen)
            ends += log[seen] == "OnExtractionEnd" || log[seen].rfind("OnExtractionError", 0) == 0;
        return ends >= disc.tracks;
    });
    WaitUntilClosed(TrackFile(folder, disc.tracks));
    measure.seconds.push_back(Now() - start);
    measure.peak = std::max(measure.peak, bench::PeakWorkingSet());
    measure.rereads = bench::DriveReadCounts().repeats - before.repeats;
    for (const auto& line : log)
        measure.failed |= line.rfind("OnExtractionError", 0) == 0;
    sink->Disconnect();
    sink->Release();

    // Only the music image is checked: its files hold what a ripper must get right.
    if (!disc.image.empty()) {
        simdrive::DiscAudio audio;
        audio.SetImage(disc.image);
        measure.exact = 0;
        for (int track = 1; track <= disc.tracks; ++track)
            measure.exact += SameAudio(TrackFile(folder, track), audio, int64_t(track - 1) * disc.perTrack * 2352,
                                       int64_t(disc.perTrack) * 2352);
    }
    for (int track = 1; track <= disc.tracks; ++track)
        DeleteFileA(TrackFile(folder, track).c_str());
}

void FloorOnce(const Disc& disc, const TempDir& folder, Measure& measure)
{
    WriteDisc(disc);
    bench::ResetPeakWorkingSet();
    const double seconds = bench::FloorRip(disc.Spans(), folder.Path());
    measure.peak = std::max(measure.peak, bench::PeakWorkingSet());
    measure.failed |= seconds < 0;
    measure.seconds.push_back(seconds);
}

void PrintHeader()
{
    std::printf("  %-26s %8s %8s %8s %8s %8s %8s\n", "", "wall s", "MB/s", "x real", "x floor", "re-reads",
                "peak MB");
}

void PrintRow(const char* what, double seconds, double bytes, double floor, const Measure* measure)
{
    std::printf("  %-26s %8.2f %8.1f %8.0f %8.2f", what, seconds, bytes / seconds / 1e6, bytes / seconds / kRealTime,
                seconds / floor);
    if (measure)
        std::printf(" %8u %8.1f", measure->rereads, measure->peak / 1e6);
    std::printf("%s\n", measure && measure->failed ? "  (errors reported)" : "");
}

struct DiscFigures {
    double floor = 0;
    double on = 0;
    double off = 0;
};

DiscFigures MeasureDisc(const Disc& disc, const TempDir& folder)
{
    Measure floor, on, off;
    for (int run = 0; run < g_runs; ++run) {
        FloorOnce(disc, folder, floor);
        RipOnce(disc, true, folder, on);
        if (disc.plainRips)
            RipOnce(disc, false, folder, off);
    }
    DiscFigures figures;
    figures.floor = bench::Median(floor.seconds);
    figures.on = bench::Median(on.seconds);
    std::printf("\n%s: %d tracks, %.1f minutes, %.0f MB\n", disc.name, disc.tracks,
                disc.LeadOut() / 75.0 / 60.0, disc.Bytes() / 1e6);
    PrintHeader();
    PrintRow("floor", figures.floor, disc.Bytes(), figures.floor, &floor);
    PrintRow("control, correction on", figures.on, disc.Bytes(), figures.floor, &on);
    if (on.exact >= 0)
        std::printf("  %-26s %d of %d files byte-exact\n", "", on.exact, disc.tracks);
    if (disc.plainRips) {
        figures.off = bench::Median(off.seconds);
        PrintRow("control, correction off", figures.off, disc.Bytes(), figures.floor, &off);
        if (off.exact >= 0 && !disc.wander)
            std::printf("  %-26s %d of %d files byte-exact\n", "", off.exact, disc.tracks);
    }
    return figures;
}

// Reads every track with the sector reader alone: the drive's share of the work,
// plus the overlap matching when correction is on.
double ReadDisc(const Disc& disc, bool correction, double& bytes)
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
    for (int track = 0; track < disc.tracks; ++track) {
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

// Runs the overlap matching alone on blocks as an undisturbed stream gives them.
double Match(int blocks)
{
    std::vector<uint8_t> read(velmora::kBlockSize), overlap(velmora::kSectorSize);
    simdrive::FillAudio(0, read.data(), read.size());
    simdrive::FillAudio(6 * 2352, overlap.data(), overlap.size());
    bool jitter = false;
    uint32_t sum = 0;
    const double start = Now();
    for (int i = 0; i < blocks; ++i)
        sum += velmora::FindJitterOffset(read.data(), velmora::kBlockSize, overlap.data(), 16464, jitter);
    const double seconds = Now() - start;
    if (sum == 0)
        std::printf("(no offsets)\n");
    return seconds;
}

// Writes as many bytes as the disc holds into WAV files, without reading.
double WriteFiles(const Disc& disc, const TempDir& folder)
{
    std::vector<uint8_t> block(velmora::kBlockSize, 0x5A);
    const double start = Now();
    const double perTrack = disc.Bytes() / disc.tracks;
    for (int track = 0; track < disc.tracks; ++track) {
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

void TimeParts(const Disc& disc, const TempDir& folder)
{
    WriteDisc(disc);
    double bytes = 0, bytesOn = 0;
    const double readOff = ReadDisc(disc, false, bytes);
    const double readOn = ReadDisc(disc, true, bytesOn);
    const double write = WriteFiles(disc, folder);
    const int blocks = kFullDisc / 19;
    const double match = Match(blocks);
    std::printf("\nParts of the work, each alone (%s):\n", disc.name);
    std::printf("  %-38s %7.2f s\n  %-38s %7.2f s\n  %-38s %7.2f s\n  %-38s %7.2f s (%d blocks)\n",
                "reading (correction off)", readOff, "reading and matching (correction on)", readOn,
                "writing WAV files", write, "matching alone", match, blocks);
}

// A disc like a real one: music, fades and two seconds of digital silence between
// the tracks. Also written with a CUE sheet, for rippers that read disc images.
bool WriteImage(const std::string& image, const std::string& cue, int tracks, int32_t perTrack)
{
    std::vector<int32_t> starts;
    for (int track = 0; track < tracks; ++track)
        starts.push_back(track * perTrack);
    if (!WriteMusicImage(image, starts, perTrack * tracks))
        return false;
    if (cue.empty())
        return true;
    std::string sheet = "FILE \"music.bin\" BINARY\n";
    char line[96];
    for (int track = 0; track < tracks; ++track) {
        const int32_t lba = starts[track];
        std::snprintf(line, sizeof line, "  TRACK %02d AUDIO\n    INDEX 01 %02d:%02d:%02d\n", track + 1,
                      lba / 75 / 60, lba / 75 % 60, lba % 75);
        sheet += line;
    }
    WriteFileText(cue, sheet);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string imageArgument, writeImageTo;
    std::vector<std::pair<std::string, double>> peers;
    bool parts = false;
    std::string only;  // measures only the discs whose names hold this
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--folder" && hasValue) {
            SetEnvironmentVariableA("TMP", argv[++i]);  // the temporary folders go there
        } else if (arg == "--image" && hasValue) {
            imageArgument = argv[++i];
        } else if (arg == "--write-image" && hasValue) {
            writeImageTo = argv[++i];
        } else if (arg == "--peer" && hasValue) {
            const std::string peer = argv[++i];
            const size_t equals = peer.rfind('=');
            if (equals != std::string::npos)
                peers.emplace_back(peer.substr(0, equals), std::atof(peer.c_str() + equals + 1));
        } else if (arg == "--runs" && hasValue) {
            g_runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--only" && hasValue) {
            only = argv[++i];
        } else if (arg == "--parts") {
            parts = true;
        } else {
            std::printf("Unknown option %s\n", arg.c_str());
            return 2;
        }
    }
    const int32_t perTrack = kFullDisc / 12;
    if (!writeImageTo.empty()) {
        const bool ok = WriteImage(writeImageTo + "\\music.bin", writeImageTo + "\\music.cue", 12, perTrack);
        std::printf(ok ? "The music image is written.\n" : "Cannot write the music image.\n");
        return ok ? 0 : 1;
    }
    if (FAILED(OleInitialize(nullptr)))
        return 1;
    {
        TempDir folder;
        std::string image = imageArgument;
        if (image.empty()) {
            image = folder.File("music.bin");
            if (!WriteImage(image, std::string(), 12, perTrack)) {
                std::printf("Cannot write the disc image.\n");
                return 1;
            }
        }
        if (!bench::ResetPeakWorkingSet())
            std::printf("(The peak working set cannot be started again here: each figure covers the run so far.)\n");

        // Memory first: a disc a tenth as long.
        Measure shortDisc;
        RipOnce(Disc{"7-minute disc", 12, perTrack / 10, ""}, true, folder, shortDisc);

        const Disc demo{"74-minute demo disc", 12, perTrack, ""};
        const Disc music{"Music image", 12, perTrack, image};
        const int32_t perShortTrack = kFullDisc / 99;
        const Disc many{"99 tracks, same length", 99, perShortTrack, ""};
        const Disc one{"1 track, same length", 1, perShortTrack * 99, ""};
        Disc wandering{"Music image, reads landing off at random", 12, perTrack, image, true, false};

        auto measure = [&](const Disc& disc) {
            return std::string(disc.name).find(only) == std::string::npos ? DiscFigures()
                                                                          : MeasureDisc(disc, folder);
        };
        measure(demo);
        const DiscFigures musicFigures = measure(music);
        const DiscFigures manyFigures = measure(many);
        const DiscFigures oneFigures = measure(one);
        measure(wandering);

        if (manyFigures.floor > 0 && oneFigures.floor > 0) {
            std::printf("\nPer-track overhead (99 tracks against 1 of the same length):\n");
            const auto overhead = [](double many, double one) { return (many - one) / 98 * 1000; };
            std::printf("  %-26s %8.2f ms\n", "floor", overhead(manyFigures.floor, oneFigures.floor));
            std::printf("  %-26s %8.2f ms\n", "control, correction on", overhead(manyFigures.on, oneFigures.on));
            std::printf("  %-26s %8.2f ms\n", "control, correction off", overhead(manyFigures.off, oneFigures.off));
        }

        if (!peers.empty() && musicFigures.floor > 0) {
            std::printf("\nOther rippers on the music image (native, from its CUE sheet):\n");
            PrintHeader();
            for (const auto& peer : peers)
                PrintRow(peer.first.c_str(), peer.second, music.Bytes(), musicFigures.floor, nullptr);
        }
        std::printf("\nPeak working set: %.1f MB for the 7-minute disc\n", shortDisc.peak / 1e6);

        if (parts)
            TimeParts(only.empty() ? demo : music, folder);
        if (imageArgument.empty())
            DeleteFileA(image.c_str());
    }
    OleUninitialize();
    return 0;
}
