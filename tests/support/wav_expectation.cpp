#include "support/wav_expectation.h"

#include <cstring>

#include "support/temp_dir.h"

namespace testsupport {
namespace {

void PutLittleEndian(std::string& out, size_t at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<char>(value >> (8 * i));
}

}  // namespace

std::string ExpectedWav(int32_t firstLba, int32_t sectors)
{
    return ExpectedWav(simdrive::DiscAudio(), firstLba, sectors);
}

std::string ExpectedWav(const simdrive::DiscAudio& audio, int32_t firstLba, int32_t sectors)
{
    const uint32_t data = static_cast<uint32_t>(sectors) * simdrive::kSectorBytes;
    std::string wav(46 + data, '\0');
    std::memcpy(&wav[0], "RIFF", 4);
    PutLittleEndian(wav, 4, 38 + data, 4);
    std::memcpy(&wav[8], "WAVEfmt ", 8);
    PutLittleEndian(wav, 16, 18, 4);
    PutLittleEndian(wav, 20, 1, 2);       // PCM
    PutLittleEndian(wav, 22, 2, 2);       // channels
    PutLittleEndian(wav, 24, 44100, 4);
    PutLittleEndian(wav, 28, 176400, 4);
    PutLittleEndian(wav, 32, 4, 2);
    PutLittleEndian(wav, 34, 16, 2);
    PutLittleEndian(wav, 36, 0, 2);       // cbSize
    std::memcpy(&wav[38], "data", 4);
    PutLittleEndian(wav, 42, data, 4);
    audio.Fill(int64_t(firstLba) * simdrive::kSectorBytes, reinterpret_cast<uint8_t*>(&wav[46]), data);
    return wav;
}

std::string CompareWav(const std::string& path, int32_t firstLba, int32_t sectors)
{
    return CompareWav(path, simdrive::DiscAudio(), firstLba, sectors);
}

std::string CompareWav(const std::string& path, const simdrive::DiscAudio& audio, int32_t firstLba,
                       int32_t sectors)
{
    const std::string actual = ReadFileText(path);
    const std::string expected = ExpectedWav(audio, firstLba, sectors);
    if (actual.size() != expected.size())
        return path + ": " + std::to_string(actual.size()) + " bytes, expected " +
               std::to_string(expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        if (actual[i] != expected[i])
            return path + ": first difference at byte " + std::to_string(i) + " (sector " +
                   std::to_string(i < 46 ? -1 : static_cast<long>((i - 46) / 2352)) + ")";
    return std::string();
}

}  // namespace testsupport
