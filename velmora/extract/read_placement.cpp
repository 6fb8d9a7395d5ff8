#include "extract/read_placement.h"

#include <algorithm>
#include <cstring>

#include "extract/overlap_match.h"

namespace velmora {
namespace {

// The longest key: one sector of verified audio.
constexpr int64_t kKeyBytes = 2352;

// True when the read, taken to lie at `landing`, holds the verified audio wherever
// both lie between `from` and the verified audio's end.
bool MatchesVerified(const VerifiedAudio& before, const ReadView& read, int64_t landing, int64_t from)
{
    const int64_t begin = std::max(from, read.base + landing);
    const int64_t end = std::min(before.end, read.base + landing + read.length);
    if (end <= begin)
        return true;
    const uint8_t* verified = before.data + (begin - (before.end - before.length));
    return std::memcmp(read.data + (begin - read.base - landing), verified, size_t(end - begin)) == 0;
}

}  // namespace

Placement PlaceRead(const VerifiedAudio& before, const ReadView& read)
{
    Placement placement;
    const int64_t verifiedStart = before.end - before.length;
    // What the read shares with the verified audio when it lies where it was asked.
    const int64_t sharedStart = std::max(verifiedStart, read.base);
    if (before.length == 0 || sharedStart >= before.end) {
        placement.kind = Placement::Kind::Unanchored;
        return placement;
    }
    const uint8_t* shared = before.data + (sharedStart - verifiedStart);
    const uint32_t sharedLength = static_cast<uint32_t>(before.end - sharedStart);
    const uint32_t change = EndOfLastChange(shared, sharedLength);
    if (change == 0) {
        if (MatchesVerified(before, read, 0, sharedStart))
            placement.kind = Placement::Kind::Uniform;
        return placement;
    }
    // The key: up to a sector of the verified audio ending with its last change, so
    // that digital silence after the last sound cannot blind the search.
    const int64_t keyEnd = sharedStart + change;
    const int64_t keyStart = std::max(sharedStart, keyEnd - kKeyBytes);
    const int64_t expected = keyStart - read.base;
    const KeyMatch match = FindKey(read.data, read.length, before.data + (keyStart - verifiedStart),
                                   static_cast<uint32_t>(keyEnd - keyStart), expected, 0, read.length);
    if (match.count == 0)
        return placement;
    const int64_t landing = expected - match.position;
    // The rest of the shared audio (the silence after the key, say) must be there too.
    if (!MatchesVerified(before, read, landing, verifiedStart))
        return placement;
    placement.kind = match.count == 1 ? Placement::Kind::Unique : Placement::Kind::Several;
    placement.landing = landing;
    return placement;
}

int64_t UniformReach(const VerifiedAudio& before, const ReadView& read, bool startEdge, bool endEdge)
{
    const uint32_t uniform = UniformPrefix(read.data, read.length);
    // A drive landing late must still have shown what lies just after the verified
    // audio, and one landing early what lies before the first change it shows.
    if (uniform < kFrameBytes || (read.base + kMaxLanding > before.end && !startEdge))
        return before.end;
    const int64_t verifiedStart = before.end - before.length;
    const int64_t surely = std::max(verifiedStart, read.base + kMaxLanding);
    if (surely < before.end) {
        const uint8_t* verified = before.data + (surely - verifiedStart);
        const uint32_t length = static_cast<uint32_t>(before.end - surely);
        if (!IsUniform(verified, length) || std::memcmp(verified, read.data, kFrameBytes) != 0)
            return before.end;
    }
    const bool throughout = uniform == read.length;
    const int64_t reach = read.base + uniform - (throughout && endEdge ? 0 : kMaxLanding);
    return std::max(reach, before.end);
}

bool Agree(const ReadView& readA, int64_t landingA, const ReadView& readB, int64_t landingB, int64_t from,
           int64_t& end)
{
    const int64_t startA = readA.base + landingA, startB = readB.base + landingB;
    const int64_t begin = std::max(startA, startB);
    const int64_t stop = std::min(startA + readA.length, startB + readB.length);
    if (begin > from || stop <= from)
        return false;
    const uint8_t* first = readA.data + (begin - startA);
    const size_t length = size_t(stop - begin);
    if (std::memcmp(first, readB.data + (begin - startB), length) != 0 ||
        IsUniform(first, static_cast<uint32_t>(length)))
        return false;
    end = stop;
    return true;
}

}  // namespace velmora
