#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/Roll.h"

namespace rollkin {

// The exact odds of a roll: for each of its totals, the chance of it. Worked out from the parsed
// roll (sums by convolution, keep and drop through order statistics), never by sampling. No Qt:
// the caller words the errors.

// What the odds of one roll are: p[i] is the chance of the total lo + i.
struct Odds {
    RollValue lo = 0;
    std::vector<double> p;
    // The chance of no total: explosions not followed past a tail under 1e-12, a throw past the
    // dice limit, a division by zero. Shown to the player, never folded into the totals.
    double noTotal = 0;

    RollValue Min() const { return lo; }
    RollValue Max() const { return lo + (static_cast<RollValue>(p.size()) - 1); }
    double Equal(RollValue v) const;
    double AtLeast(RollValue v) const;
    double Below(RollValue v) const;
    // Over the totals shown.
    double Mean() const;
    double Sd() const;
    // Where a total lies among the totals: P(below) + P(equal) / 2, from 0 to 1, so that a fair
    // die's throws average one half. The chances are taken among the totals shown.
    double MidRank(RollValue v) const;
    // The variance of MidRank over one fair throw: (1 - sum of p cubed) / 12.
    double MidRankVariance() const;
};

enum class OddsErrorKind : std::uint8_t {
    Roll,               // the roll itself cannot be thrown
    TooManySteps,       // working it out would take more than `limit` steps
    TooManyValues,      // more than `limit` possible totals
    Overflow,           // totals past 64 bits
    ExplodingTogether,  // several exploding terms that can reach the dice limit between them
    UnknownForm,        // a form of the notation the odds do not cover yet, at `column`
};

struct OddsError {
    OddsErrorKind kind = OddsErrorKind::Roll;
    RollValue limit = 0;
    int column = 0;
};

struct OddsLimits {
    // About 100 ms of work on a slow machine.
    static constexpr RollValue Steps = 20000000;
    static constexpr RollValue Values = 2000000;
};

struct PartOdds {
    std::string text;  // the roll as written
    Odds odds;
    std::optional<OddsError> error;
};

// The odds of each roll of `roll`, in the order written; none when it cannot be thrown.
std::vector<PartOdds> RollOdds(const DiceRoll& roll);

// Whether a run of throws looks fair: a z-test of the mean mid-rank against one half, each throw
// weighing with its own variance, which is right for dice with few faces as for many.
struct LuckTest {
    int throws = 0;
    double meanMidRank = 0.5;
    double z = 0;
    double p = 1;  // two-sided
};
struct LuckSample {
    double midRank = 0.5;
    double variance = 1.0 / 12;
};
LuckTest TestLuck(const std::vector<LuckSample>& samples);

}  // namespace rollkin
