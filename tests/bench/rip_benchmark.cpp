// Measures ripping speed: a simulated 74-minute disc (333,000 sectors, 12 tracks) is
// ripped to WAV files through the control, with jitter correction on and off, and the
// parts of the work are timed on their own: reading the sectors, matching the
// overlaps, writing the files. Also shows that memory does not grow with the disc.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
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
void WriteDisc(int32_t sectors)
{
    WriteSimDriveText("adapters 1\nimmediate\n" + AudioCd(12, sectors / 12).Text());
    SetEnvironmentVariableA("VELMORA_SIMDRIVE_LOG", nullptr);  // no command log either
}

void Report(const char* what, double seconds, double bytes)
{
    std::printf("  %-34s %7.2f s  %8.1f MB/s  %6.0fx real-time\n", what, seconds,
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

// Runs the overlap matching alone on blocks as an undisturbed stream gives them, and
// on blocks whose overlap is nowhere (the whole window is searched).
double Match(int blocks, bool found)
{
    std::vector<uint8_t> read(velmora::kBlockSize), overlap(velmora::kSectorSize);
    simdrive::FillAudio(0, read.data(), read.size());
    simdrive::FillAudio(found ? 6 * 2352 : 1000000 * 2352LL, overlap.data(), overlap.size());
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

// Rips the whole disc through the control's queue.
double Rip(IVelCDRipper* control, const TempDir& folder, bool correction, std::vector<std::string>& log)
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
    for (int track = 1; track <= 12; ++track)
        DeleteFileA((folder.File("Track " + std::to_string(track)) + ".wav").c_str());
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
    auto ripDisc = [&](int32_t sectors, bool correction) {
        WriteDisc(sectors);
        win::ComPtr<IVelCDRipper> control;
        if (FAILED(CreateControl(control))) {
            std::printf("The control is not registered.\n");
            std::exit(1);
        }
        auto* sink = new EventSink(&log, "");
        sink->Connect(control.Get());
        const double seconds = Rip(control.Get(), folder, correction, log);
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
    std::printf("  %-34s %7.3f s  (%d blocks; %.3f s if no overlap were ever found)\n",
                "matching alone", Match(blocks, true), blocks, Match(blocks, false));
    Report("writing WAV files", write, readBytes);

    std::printf("\nPeak working set: %.1f MB after a 7-minute disc, %.1f MB after 74-minute ones\n",
                peakShort / 1e6, peakFull / 1e6);
    OleUninitialize();
    return 0;
}
