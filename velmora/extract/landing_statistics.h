// How a drive lands: for consecutive reads placed exactly by their sound, how often
// the second lands where the first did and how often it lands some other given
// distance off. That tells how far a vote among reads whose place nothing else shows
// can be trusted: a drive that lands where it was asked far more often than at any
// one wrong place needs few agreeing reads, one that keeps landing at the same few
// wrong places needs many. Differences, not landings, are counted: audio verified
// against a place that was itself off (which no read can reveal) shifts every
// landing seen after it, but not their differences.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace velmora {

class LandingStatistics {
public:
    void Clear();
    // A read placed exactly `landing` bytes off where it was asked.
    void Add(int64_t landing);
    // The next read placed is not compared with the last one (blocks were placed
    // otherwise in between).
    void Interrupt() { havePrevious_ = false; }
    // True when `votes` reads agreeing on one place, against at most `rival` reads
    // agreeing on any other, make it overwhelmingly likelier that the first place is
    // where the drive was asked to read than that the other is, or that none is.
    bool Convincing(int votes, int rival) const;

private:
    int64_t previous_ = 0;
    bool havePrevious_ = false;
    int same_ = 0;     // consecutive reads that landed at the same place
    int mostOff_ = 0;  // those that landed the most frequent other distance apart
    std::vector<std::pair<int64_t, int>> apart_;
};

}  // namespace velmora
