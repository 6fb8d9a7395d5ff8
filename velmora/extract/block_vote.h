// The vote among reads of one block whose place nothing verified shows: reads that
// agree lie in the same place (or hold only audio that is the same in both places).
// A drive lands where it was asked far more often than at any one wrong place, so the
// place most reads agree on is taken once that majority is clear, against the reads
// that disagree with it, for a drive that lands as this one does.
#pragma once

#include <array>
#include <cstdint>

#include "extract/landing_statistics.h"
#include "extract/read_placement.h"

namespace velmora {

constexpr int kVerifyReads = 16;  // reads of one block at most, to find its place

class BlockVote {
public:
    // The block's new audio begins at disc position `from`.
    BlockVote(const LandingStatistics& landings, int64_t from) : landings_(landings), from_(from) {}

    // Adds a read (at most kVerifyReads) taken to lie at `landing`. True when the
    // reads so far decide the block's place: then Decided() is the read to take.
    bool Add(const ReadView& read, int64_t landing);

    struct Choice {
        ReadView read;
        int64_t landing = 0;
        int64_t end = 0;  // where the reads that agree with it agree up to
    };
    const Choice& Decided() const { return decided_; }
    // The first read added that reaches past the block's start, as the block is taken
    // when nothing decides it; false when there is none.
    bool First(Choice& choice) const;

private:
    struct Voter {
        ReadView read;
        int64_t landing = 0;
    };
    const LandingStatistics& landings_;
    int64_t from_;
    int count_ = 0;
    std::array<Voter, kVerifyReads> voters_;
    // agreed_[i][j]: where reads i and j agree up to, 0 when they do not.
    std::array<std::array<int64_t, kVerifyReads>, kVerifyReads> agreed_{};
    Choice decided_;
};

}  // namespace velmora
