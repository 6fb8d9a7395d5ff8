// Where the audio of one READ CD lies on the disc, judged against the audio already
// verified before it, and what a read (or two reads) prove about the audio after it.
// Positions are bytes on the disc: sector x 2352 + byte. A drive is taken to land
// at most kMaxLanding bytes from where it was asked, in whole frames.
#pragma once

#include <cstdint>

namespace velmora {

// The verified audio that ends where the track's next byte begins.
struct VerifiedAudio {
    const uint8_t* data = nullptr;  // the `length` bytes before `end`
    uint32_t length = 0;
    int64_t end = 0;
};

// One read: `length` bytes asked for from disc position `base`.
struct ReadView {
    const uint8_t* data = nullptr;
    uint32_t length = 0;
    int64_t base = 0;
};

struct Placement {
    enum class Kind {
        // The last sound of the verified audio the read shares lies in it in one
        // place only: the read is placed exactly.
        Unique,
        // That sound lies in it in several places (a short repeated period): the
        // nearest to where it was asked is taken, to be confirmed by another read.
        Several,
        // The verified audio the read shares holds one sample throughout, and the
        // read agrees with it where it was asked to lie: taken there, to be confirmed.
        Uniform,
        // Nothing verified lies before the read: taken where it was asked to lie, to
        // be confirmed.
        Unanchored,
        // The read contradicts the verified audio wherever it may lie.
        None,
    };
    Kind kind = Kind::None;
    int64_t landing = 0;  // the read's first byte lies at base + landing
};

Placement PlaceRead(const VerifiedAudio& before, const ReadView& read);

// A read that holds one sample from its start up to some point shows that the disc
// holds it from where the verified audio ends to a landing's reach before that
// point, as long as the read began at least that reach before the verified audio's
// end and agrees with it where it surely overlaps it. A read that starts where
// nothing before it can be read (`startEdge`), or holds the sample throughout and
// ends where nothing after it can be read (`endEdge`, the lead-out), is taken to
// continue that sample across the edge: a pregap and a lead-out are silence.
// Returns where the proven audio ends, `before.end` when the read proves nothing.
int64_t UniformReach(const VerifiedAudio& before, const ReadView& read, bool startEdge, bool endEdge);

// Two reads taken to lie at their landings agree when both reach past `from`, hold
// the same bytes wherever both lie, and those bytes are not one sample throughout:
// a change of sound that two reads show in the same place puts them in the same
// place. `end` is then where the shorter one ends.
bool Agree(const ReadView& readA, int64_t landingA, const ReadView& readB, int64_t landingB, int64_t from,
           int64_t& end);

}  // namespace velmora
