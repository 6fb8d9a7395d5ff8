// What a ripped WAV file must hold: the 46-byte header with the exact sizes, then
// the simulated drive's audio for the track's sectors (the formula, or the audio of
// a described disc).
#pragma once

#include <cstdint>
#include <string>

#include "sim_audio.h"

namespace testsupport {

// The expected file for `sectors` sectors from `firstLba`.
std::string ExpectedWav(int32_t firstLba, int32_t sectors);
std::string ExpectedWav(const simdrive::DiscAudio& audio, int32_t firstLba, int32_t sectors);

// Describes the first difference between a file and its expectation ("" when equal).
std::string CompareWav(const std::string& path, int32_t firstLba, int32_t sectors);
std::string CompareWav(const std::string& path, const simdrive::DiscAudio& audio, int32_t firstLba,
                       int32_t sectors);

}  // namespace testsupport
