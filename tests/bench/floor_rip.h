// The floor a ripper is measured against: a plain program that reads the same
// sectors through the same ASPI layer in the same request sizes and writes them with
// WriteFile, one file per track, with no matching and no WAV framing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// The sectors [first, end) of one track.
struct SectorSpan {
    int32_t first = 0;
    int32_t end = 0;
};

// Reads every span in 26-sector requests from the first device of the simulated
// drive (adapter 0, target 0, LUN 0) and writes each to its own file in `folder`.
// Returns the seconds taken, or a negative figure when the ASPI layer is missing or
// a read or write fails.
double FloorRip(const std::vector<SectorSpan>& tracks, const std::string& folder);

}  // namespace bench
