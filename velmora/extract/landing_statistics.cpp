#include "extract/landing_statistics.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// Before a drive has shown how it lands, it is taken to land where asked 32 times as
// often as at any one wrong place: four agreeing reads and no rival then convince.
constexpr double kPriorExact = 32;
// A block's place is decided by a vote perhaps a hundred times a disc: each decision
// must be very unlikely to be wrong.
constexpr double kOdds = 1e5;
// Distinct wrong landings remembered; a drive that lands at more places than this
// lands at each of them too rarely to matter.
constexpr size_t kMaxOffLandings = 4096;

}  // namespace

void LandingStatistics::Clear()
{
    exact_ = 0;
    mostOff_ = 0;
    off_.clear();
}

void LandingStatistics::Add(int64_t landing)
{
    if (landing == 0) {
        ++exact_;
        return;
    }
    auto it = std::find_if(off_.begin(), off_.end(), [&](const auto& e) { return e.first == landing; });
    if (it == off_.end()) {
        if (off_.size() >= kMaxOffLandings)
            return;
        off_.emplace_back(landing, 0);
        it = off_.end() - 1;
    }
    mostOff_ = std::max(mostOff_, ++it->second);
}

bool LandingStatistics::Convincing(int votes, int rival) const
{
    // How much likelier a read lands where asked than at the likeliest wrong place.
    const double ratio = (exact_ + kPriorExact) / (mostOff_ + 1.0);
    return votes >= 2 && votes > rival && ratio > 1 &&
           double(votes - rival) * std::log(ratio) >= std::log(kOdds);
}

}  // namespace velmora
