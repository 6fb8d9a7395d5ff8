#include "floor_rip.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "bench_figures.h"
#include "transport/aspi.h"

namespace bench {
namespace {

constexpr int kRequestSectors = 26;
constexpr DWORD kSectorBytes = 2352;

bool ReadSectors(velmora::SendASPI32CommandFn send, int32_t lba, int count, uint8_t* out)
{
    velmora::SRB_ExecSCSICmd srb{};
    srb.SRB_Cmd = velmora::SC_EXEC_SCSI_CMD;
    srb.SRB_Flags = velmora::SRB_DIR_IN;
    srb.SRB_BufLen = count * kSectorBytes;
    srb.SRB_BufPointer = out;
    srb.SRB_SenseLen = velmora::SENSE_LEN;
    srb.SRB_CDBLen = 12;
    const uint8_t cdb[12] = {0xBE, 0, uint8_t(lba >> 24), uint8_t(lba >> 16), uint8_t(lba >> 8), uint8_t(lba),
                             0, uint8_t(count >> 8), uint8_t(count), 0xF8, 0, 0};
    std::memcpy(srb.CDBByte, cdb, sizeof cdb);
    return send(&srb) == velmora::SS_COMP;
}

}  // namespace

double FloorRip(const std::vector<SectorSpan>& tracks, const std::string& folder)
{
    HMODULE aspi = ::LoadLibraryA("wnaspi32.dll");
    auto send = aspi ? reinterpret_cast<velmora::SendASPI32CommandFn>(
                           reinterpret_cast<void*>(::GetProcAddress(aspi, "SendASPI32Command")))
                     : nullptr;
    if (!send)
        return -1;
    std::vector<uint8_t> buffer(kRequestSectors * kSectorBytes);
    bool ok = true;
    const double start = Now();
    for (size_t t = 0; t < tracks.size() && ok; ++t) {
        const std::string name = folder + "\\floor" + std::to_string(t + 1) + ".raw";
        HANDLE file = ::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ok = file != INVALID_HANDLE_VALUE;
        for (int32_t lba = tracks[t].first; ok && lba < tracks[t].end; lba += kRequestSectors) {
            const int count = tracks[t].end - lba < kRequestSectors ? tracks[t].end - lba : kRequestSectors;
            DWORD written = 0;
            ok = ReadSectors(send, lba, count, buffer.data()) &&
                 ::WriteFile(file, buffer.data(), count * kSectorBytes, &written, nullptr) &&
                 written == count * kSectorBytes;
        }
        if (file != INVALID_HANDLE_VALUE)
            ok = ::CloseHandle(file) && ok;
    }
    const double seconds = Now() - start;
    for (size_t t = 0; t < tracks.size(); ++t)
        ::DeleteFileA((folder + "\\floor" + std::to_string(t + 1) + ".raw").c_str());
    ::FreeLibrary(aspi);
    return ok ? seconds : -1;
}

}  // namespace bench
