#include "support/sim_disc.h"

#include <windows.h>

#include <cstdio>
#include <sstream>

#include "cddb/disc_id.h"
#include "support/temp_dir.h"

namespace testsupport {
namespace {

struct SimFiles {
    TempDir folder;
    std::string config = folder.File("simdrive.txt");
    std::string log = folder.File("simdrive.log");
    ULONGLONG stamp = 0;

    SimFiles()
    {
        SetEnvironmentVariableA("VELMORA_SIMDRIVE", config.c_str());
        SetEnvironmentVariableA("VELMORA_SIMDRIVE_LOG", log.c_str());
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        stamp = (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    }
};

SimFiles& Files()
{
    static SimFiles files;
    return files;
}

}  // namespace

std::string SimDevice::Text() const
{
    std::ostringstream out;
    out << "device " << adapter << ' ' << target << ' ' << lun << "\n";
    out << "type " << type << "\n";
    out << "vendor \"" << vendor << "\"\n";
    out << "product \"" << product << "\"\n";
    if (!disc)
        out << "nodisc\n";
    for (const auto& row : tracks)
        out << "track " << row.number << ' ' << row.lba << (row.data ? " data\n" : " audio\n");
    if (!tracks.empty())
        out << "leadout " << leadOut << "\n";
    for (const auto& line : extra)
        out << line << "\n";
    return out.str();
}

simdrive::DiscAudio SimDevice::Audio() const
{
    simdrive::Config config;
    simdrive::ParseConfig(Text(), config);
    return config.devices.empty() ? simdrive::DiscAudio() : config.devices.front().audio;
}

std::string TocRawLine(const std::vector<RawTocRow>& rows)
{
    std::vector<uint8_t> bytes(4);
    const size_t length = 2 + rows.size() * 8;
    bytes[0] = uint8_t(length >> 8);
    bytes[1] = uint8_t(length);
    bytes[2] = rows.empty() ? 0 : rows.front().number;
    bytes[3] = rows.size() < 2 ? 0 : rows[rows.size() - 2].number;
    for (const RawTocRow& row : rows) {
        const uint32_t u = uint32_t(row.lba);
        const uint8_t d[8] = {0, row.control, row.number, 0, uint8_t(u >> 24), uint8_t(u >> 16), uint8_t(u >> 8),
                              uint8_t(u)};
        bytes.insert(bytes.end(), d, d + 8);
    }
    std::string line = "tocraw";
    char hex[4];
    for (uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    return line;
}

void WriteSimDriveText(const std::string& text)
{
    SimFiles& files = Files();
    WriteFileText(files.config, text);
    // A strictly later time stamp on every write, however fast the writes follow.
    files.stamp += 10000000;
    FILETIME time{static_cast<DWORD>(files.stamp), static_cast<DWORD>(files.stamp >> 32)};
    HANDLE f = CreateFileA(files.config.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        SetFileTime(f, nullptr, nullptr, &time);
        CloseHandle(f);
    }
}

void WriteSimDrive(int adapters, const std::vector<SimDevice>& devices)
{
    std::ostringstream out;
    out << "adapters " << adapters << "\n";
    for (const auto& d : devices)
        out << d.Text();
    WriteSimDriveText(out.str());
}

void ClearSimLog() { DeleteFileA(Files().log.c_str()); }

std::vector<std::string> SimLog()
{
    std::vector<std::string> lines;
    std::istringstream in(ReadFileText(Files().log));
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::vector<std::pair<int32_t, int>> SimReadCdRequests()
{
    std::vector<std::pair<int32_t, int>> reads;
    for (const std::string& line : SimLog()) {
        unsigned b[9];
        if (line.rfind("CDB ", 0) != 0 || line.find(' ', 4) == std::string::npos ||
            std::sscanf(line.c_str() + line.find(' ', 4) + 1, "%x %x %x %x %x %x %x %x %x", &b[0], &b[1],
                        &b[2], &b[3], &b[4], &b[5], &b[6], &b[7], &b[8]) != 9 ||
            b[0] != 0xBE)
            continue;
        reads.push_back({int32_t((b[2] << 24) | (b[3] << 16) | (b[4] << 8) | b[5]), int((b[7] << 8) | b[8])});
    }
    return reads;
}

SimDevice AudioCd(int tracks, int32_t sectors, int adapter, int target, int lun)
{
    SimDevice d;
    d.adapter = adapter;
    d.target = target;
    d.lun = lun;
    for (int i = 0; i < tracks; ++i)
        d.tracks.push_back({i + 1, i * sectors, false});
    d.leadOut = tracks * sectors;
    return d;
}

SimDevice EnhancedCd(int audioTracks, int32_t sectors)
{
    SimDevice d = AudioCd(audioTracks, sectors);
    const int32_t dataStart = audioTracks * sectors + 11400;
    d.tracks.push_back({audioTracks + 1, dataStart, true});
    d.leadOut = dataStart + 5000;
    return d;
}

std::string CddbId(const SimDevice& disc)
{
    velmora::TocTable toc;
    for (const auto& row : disc.tracks) {
        toc.trackNumber[toc.count] = uint8_t(row.number);
        toc.startAddress[toc.count++] = row.lba;
    }
    toc.trackNumber[toc.count] = velmora::kLeadOutTrack;
    toc.startAddress[toc.count++] = disc.leadOut;
    char id[16];
    std::snprintf(id, sizeof id, "%08x", unsigned(velmora::ComputeDiscId(toc)));
    return id;
}

}  // namespace testsupport
