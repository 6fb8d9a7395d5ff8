#include "extract/landing_statistics.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// Before a drive has shown how it lands, it is taken to land where asked 32 times as
// often as at any one wrong place: four agreeing reads and no rival then convince.
constexpr double kPriorSame = 16;
// A block's place is decided by a vote perhaps a hundred times a disc: each decision
// must be very unlikely to be wrong.
constexpr double kOdds = 1e5;
// Distinct distances remembered; a drive that lands at more places than this lands
// at each of them too rarely to matter.
constexpr size_t kMaxDistances = 4096;

}  // namespace

void LandingStatistics::Clear()
{
    *this = LandingStatistics();
}

void LandingStatistics::Add(int64_t landing)
{
    const bool compare = havePrevious_;
    const int64_t apart = landing - previous_;
    previous_ = landing;
    havePrevious_ = true;
    if (!compare)
        return;
    if (apart == 0) {
        ++same_;
        return;
    }
    auto it = std::find_if(apart_.begin(), apart_.end(), [&](const auto& e) { return e.first == apart; });
    if (it == apart_.end()) {
        if (apart_.size() >= kMaxDistances)
            return;
        apart_.emplace_back(apart, 0);
        it = apart_.end() - 1;
    }
    mostOff_ = std::max(mostOff_, ++it->second);
}

bool LandingStatistics::Convincing(int votes, int rival) const
{
    // Two reads land the same place about as often as both land where asked, and a
    // given distance apart about twice as often as one lands where asked and the
    // other that far off: this estimates how much likelier a read lands where asked
    // than at the likeliest wrong place.
    const double ratio = 2 * (same_ + kPriorSame) / (mostOff_ + 1.0);
    return votes >= 2 && votes > rival && ratio > 1 &&
           double(votes - rival) * std::log(ratio) >= std::log(kOdds);
}

}  // namespace velmora
