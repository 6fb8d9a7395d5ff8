// What a ripped WAV file must hold: the 46-byte header with the exact sizes, then
// the simulated drive's audio for the track's sectors.
#pragma once

#include <cstdint>
#include <string>

namespace testsupport {

// The expected file for `sectors` sectors from `firstLba`.
std::string ExpectedWav(int32_t firstLba, int32_t sectors);

// Describes the first difference between a file and its expectation ("" when equal).
std::string CompareWav(const std::string& path, int32_t firstLba, int32_t sectors);

}  // namespace testsupport
