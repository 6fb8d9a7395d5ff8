#include "extract/block_vote.h"

#include <algorithm>

namespace velmora {

bool BlockVote::Add(const ReadView& read, int64_t landing)
{
    if (count_ == kVerifyReads)
        return false;
    const int added = count_++;
    voters_[added] = {read, landing};
    for (int k = 0; k < added; ++k) {
        int64_t end = 0;
        if (Agree(read, landing, voters_[k].read, voters_[k].landing, from_, end))
            agreed_[added][k] = agreed_[k][added] = end;
    }
    // Each read against the read most reads agree with among those that disagree
    // with it. A read that agrees with both (it holds only audio that is the same in
    // both places) counts for both, so it moves neither ahead.
    for (int r = 0; r < count_; ++r) {
        int votes = 1, rival = 0;
        int64_t end = voters_[r].read.base + voters_[r].landing + voters_[r].read.length;
        for (int k = 0; k < count_; ++k) {
            if (k == r)
                continue;
            if (agreed_[r][k]) {
                ++votes;
                end = std::min(end, agreed_[r][k]);
                continue;
            }
            int theirs = 1;
            for (int j = 0; j < count_; ++j)
                theirs += j != k && agreed_[k][j] != 0;
            rival = std::max(rival, theirs);
        }
        if (landings_.Convincing(votes, rival)) {
            decided_ = {voters_[r].read, voters_[r].landing, end};
            return true;
        }
    }
    return false;
}

bool BlockVote::First(Choice& choice) const
{
    for (int i = 0; i < count_; ++i) {
        const Voter& v = voters_[i];
        const int64_t end = v.read.base + v.landing + v.read.length;
        if (end > from_) {
            choice = {v.read, v.landing, end};
            return true;
        }
    }
    return false;
}

}  // namespace velmora
