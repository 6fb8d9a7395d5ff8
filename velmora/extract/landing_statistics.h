// How a drive lands: the landings seen for reads placed exactly by their sound. They
// tell how far a vote among reads whose place nothing else shows can be trusted: a
// drive that lands where it was asked far more often than at any one wrong place
// needs few agreeing reads, one that keeps landing at the same few wrong places
// needs many.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace velmora {

class LandingStatistics {
public:
    void Clear();
    void Add(int64_t landing);
    // True when `votes` reads agreeing on one place, against at most `rival` reads
    // agreeing on any other, make it overwhelmingly likelier that the first place is
    // where the drive was asked to read than that the other is, or that none is.
    bool Convincing(int votes, int rival) const;

private:
    int exact_ = 0;
    int mostOff_ = 0;  // reads at the wrong place seen most often
    std::vector<std::pair<int64_t, int>> off_;
};

}  // namespace velmora
