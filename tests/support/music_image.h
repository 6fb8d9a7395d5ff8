// A raw disc image that looks like a music CD to a ripper: tones that change every
// fraction of a second with their own loudness, a little noise, the channels mixed
// differently, and two seconds of digital silence between tracks (each track opens
// and ends with one). Generated, never stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

constexpr int32_t kSilentEdgeSectors = 75;  // silence at each end of a track

// Writes sectors [0, leadOut) of a disc whose tracks start at `trackStarts`, 2352
// bytes a sector (the layout of a BIN file). False when the file cannot be written.
bool WriteMusicImage(const std::string& path, const std::vector<int32_t>& trackStarts, int32_t leadOut);

}  // namespace testsupport
