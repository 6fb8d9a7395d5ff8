// Tables of contents of the discs the CDDB tests look up.
#pragma once

#include <string>
#include <vector>

#include "disc/toc_table.h"
#include "sim_config.h"
#include "support/sim_disc.h"

namespace cddbtest {

inline velmora::TocTable TocOf(const std::vector<simdrive::TocRow>& rows, int32_t leadOut)
{
    simdrive::Device device;
    device.tracks = rows;
    device.leadOut = leadOut;
    const auto answer = simdrive::BuildTocAnswer(device, velmora::kTocAnswerSize);
    velmora::TocTable toc;
    velmora::ParseTocAnswer(answer.data(), toc);
    return toc;
}

inline velmora::TocTable TocOf(const testsupport::SimDevice& disc)
{
    return TocOf(disc.tracks, disc.leadOut);
}

// The demo disc: 12 audio tracks of 27,750 sectors (6 min 10 s) each.
inline velmora::TocTable DemoDisc()
{
    return TocOf(testsupport::AudioCd(12, 27750));
}
constexpr char kDemoDiscId[] = "9011580c";

// A path under Wine's Z: drive, which maps the Linux root.
inline std::string WinePath(std::string path)
{
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return "Z:" + path;
}

}  // namespace cddbtest
