#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <map>
#include <vector>

#include "state/Odds.h"

namespace rollkin::test {
namespace {

// Hands the thrower chosen faces (for dice of `sides` faces) and notes when it wants more.
class Faces final : public Random {
public:
    Faces(std::vector<int> faces, int sides) : faces_(std::move(faces)), sides_(sides) {}
    float Rnd() override {
        // A face takes two draws; the second adds nothing.
        if (draws_++ % 2 == 1) return 0;
        const std::size_t k = used_++;
        const int face = k < faces_.size() ? faces_[k] : 1;
        return static_cast<float>((face - 0.5) / sides_);
    }
    std::size_t Used() const { return used_; }

private:
    std::vector<int> faces_;
    int sides_;
    std::size_t used_ = 0, draws_ = 0;
};

// Every face combination of a roll's dice, up to `most` dice, thrown by the roll itself: the
// chance of each total, and of the combinations cut short (none without explosions).
struct Enumerated {
    std::map<RollValue, double> p;
    double noTotal = 0, cut = 0;
};
void Enumerate(const DiceRoll& roll, int sides, std::size_t most, std::vector<int>& prefix,
               Enumerated& out) {
    Faces rng(prefix, sides);
    const RollOutcome thrown = roll.Throw(rng);
    const double chance = std::pow(1.0 / sides, static_cast<double>(prefix.size()));
    if (rng.Used() <= prefix.size()) {
        if (thrown.error) {
            out.noTotal += chance;
        } else {
            out.p[thrown.parts[0].total] += chance;
        }
        return;
    }
    if (prefix.size() == most) {
        out.cut += chance;
        return;
    }
    for (int f = 1; f <= sides; ++f) {
        prefix.push_back(f);
        Enumerate(roll, sides, most, prefix, out);
        prefix.pop_back();
    }
}

TEST(Odds, SmallRollsMatchEveryFaceCombination) {
    struct Row {
        const char* roll;
        int sides;  // of every die in the roll (3 for Fate dice)
        std::size_t most = 10;
    };
    const Row rows[] = {
        {"3d6", 6},
        {"2d20kh1+5", 20},
        {"2d20kl1", 20},
        {"4d6dl1", 6},
        {"4d6dh1", 6},
        {"5d4kh2", 4},
        {"5d4kl3", 4},
        {"4dF", 3},
        {"4dFkl2", 3},
        {"5d6>=5", 6},
        {"4d6kh2>4", 6},
        {"4d6dl1<=2", 6},
        {"3dF=0", 3},
        {"3d3!", 3, 11},
        {"2d4!kh1", 4, 8},
        {"3d3!dl1", 3, 11},
        {"2d4!kl1", 4, 8},
        {"3d3!dh2", 3, 11},
        {"2d3!>=3", 3, 11},
        {"-2d6+d6", 6},
        {"(2d4-3)*(d4-2)", 4},
        {"3d4/(d4-2)", 4},
        {"d6*d6/d6", 6},
        {"3d6-3d6*2", 6},
        // Rerolls, clamps, points, compounding and penetrating dice, failures, groups, % and ^.
        {"3d4r1", 4},
        {"3d4ro<2", 4},
        {"3dFr", 3},
        {"3d4mi2ma3", 4},
        {"4dF<>0", 3},
        {"2d3!!", 3, 11},
        {"2d3!p", 3, 11},
        {"3d4!>=3", 4, 9},
        {"4d4>=3f1", 4},
        {"2d3!>=3>=2f1", 3, 11},
        {"3d4!!kh2", 4, 9},
        {"3d4r1kl2", 4},
        {"{2d4, d4+2}kh1", 4},
        {"{d4, d4, d4}>2", 4},
        {"{2d4, 3d4}dl1", 4},
        {"{d4, 2d4}>=4", 4},
        {"d4%(d4-2)", 4},
        {"d4^(d4-2)", 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.roll);
        const DiceRoll roll(row.roll);
        ASSERT_FALSE(roll.Error());
        const std::vector<PartOdds> odds = RollOdds(roll);
        ASSERT_EQ(odds.size(), 1U);
        ASSERT_FALSE(odds[0].error);
        const Odds& o = odds[0].odds;
        Enumerated e;
        std::vector<int> prefix;
        Enumerate(roll, row.sides, row.most, prefix, e);
        // Cut combinations are part of the engine's totals or of its tail.
        const double tolerance = 1e-12 + e.cut;
        double sum = o.noTotal;
        for (RollValue v = o.Min(); v <= o.Max(); ++v) {
            const auto found = e.p.find(v);
            EXPECT_NEAR(o.Equal(v), found == e.p.end() ? 0 : found->second, tolerance) << v;
            sum += o.Equal(v);
        }
        EXPECT_NEAR(sum, 1, 1e-12);
        EXPECT_NEAR(o.noTotal, e.noTotal, tolerance);
        for (const auto& [v, p] : e.p)
            EXPECT_TRUE(v >= o.Min() && v <= o.Max()) << v << " with " << p;
    }
}

// Large rolls against the thrower itself: the distance between the sampled and the exact
// cumulative chances stays under 1.95 / sqrt(throws), a Kolmogorov test at the 0.1 % level.
TEST(Odds, LargeRollsMatchSampledThrows) {
    const char* rolls[] = {"100d100",     "10d10!",         "1000d6",
                           "20d6kh10",    "50d10>=7",       "12d6!dl4",
                           "30dF",        "10d10!>=9>=8f1", "{4d6+2d8, 3d20+3}kh1",
                           "6d6r<3!!kh4", "8d6!p"};
    constexpr int Throws = 2000;
    for (const char* text : rolls) {
        SCOPED_TRACE(text);
        const DiceRoll roll(text);
        const std::vector<PartOdds> odds = RollOdds(roll);
        ASSERT_EQ(odds.size(), 1U);
        ASSERT_FALSE(odds[0].error);
        const Odds& o = odds[0].odds;
        double sum = o.noTotal;
        for (const double p : o.p)
            sum += p;
        EXPECT_NEAR(sum, 1, 1e-12);
        Random rng;
        rng.Randomize(std::bit_cast<float>(20261208U));
        std::map<RollValue, int> seen;
        for (int k = 0; k < Throws; ++k)
            ++seen[roll.Throw(rng).parts.at(0).total];
        double worst = 0;
        int below = 0;
        for (const auto& [v, n] : seen) {
            below += n;
            worst = std::max(worst, std::abs(below / double(Throws) - (1 - o.AtLeast(v + 1))));
        }
        EXPECT_LT(worst, 1.95 / std::sqrt(Throws));
    }
}

TEST(Odds, TooLargeRollsAreRefusedQuicklyWithTheLimit) {
    struct Row {
        const char* roll;
        OddsErrorKind kind;
        RollValue limit;
    };
    const Row rows[] = {
        {"1000d1000", OddsErrorKind::TooManySteps, OddsLimits::Steps},
        {"d1000000*d1000000", OddsErrorKind::TooManySteps, OddsLimits::Steps},
        {"200d1000000", OddsErrorKind::TooManyValues, OddsLimits::Values},
        {"400d2!+400d2!", OddsErrorKind::ExplodingTogether, RollLimits::Dice},
        {"9223372036854775807+d2", OddsErrorKind::Overflow, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.roll);
        const auto start = std::chrono::steady_clock::now();
        const std::vector<PartOdds> odds = RollOdds(DiceRoll(row.roll));
        // Refused before the work: far under the 100 ms that bench_roll holds optimised builds
        // to, even in a sanitizer build on a busy machine.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
        ASSERT_EQ(odds.size(), 1U);
        ASSERT_TRUE(odds[0].error);
        EXPECT_EQ(odds[0].error->kind, row.kind);
        EXPECT_EQ(odds[0].error->limit, row.limit);
    }
    // One exploding term meets the dice limit: the throws past it are the tail, not refused.
    const std::vector<PartOdds> d2 = RollOdds(DiceRoll("600d2!"));
    ASSERT_FALSE(d2[0].error);
    EXPECT_GT(d2[0].odds.noTotal, 0.5);
}

// A total's mid-rank: the lowest and highest values, ties, and the test built on them.
TEST(Odds, MidRanksAtTheEdgesAndTheLuckTest) {
    const Odds d6 = RollOdds(DiceRoll("d6"))[0].odds;
    EXPECT_NEAR(d6.MidRank(1), 1.0 / 12, 1e-15);
    EXPECT_NEAR(d6.MidRank(6), 11.0 / 12, 1e-15);
    EXPECT_NEAR(d6.MidRankVariance(), (1 - 6 / 216.0) / 12, 1e-15);
    const Odds twoD6 = RollOdds(DiceRoll("2d6"))[0].odds;
    EXPECT_NEAR(twoD6.MidRank(2), 1.0 / 72, 1e-15);
    EXPECT_NEAR(twoD6.MidRank(7), 0.5, 1e-15);  // the middle of a symmetric roll
    // Every throw ties: the one total sits at one half and weighs nothing.
    const Odds never = RollOdds(DiceRoll("3d6>=7"))[0].odds;
    EXPECT_EQ(never.MidRank(0), 0.5);
    EXPECT_EQ(never.MidRankVariance(), 0);
    // A fair die's mid-ranks average one half exactly.
    double mean = 0;
    for (RollValue v = 2; v <= 12; ++v)
        mean += twoD6.Equal(v) * twoD6.MidRank(v);
    EXPECT_NEAR(mean, 0.5, 1e-15);

    const double v = d6.MidRankVariance();
    EXPECT_EQ(TestLuck({}).p, 1);
    const LuckTest fair = TestLuck({{1.0 / 12, v}, {11.0 / 12, v}});
    EXPECT_NEAR(fair.z, 0, 1e-12);
    EXPECT_NEAR(fair.p, 1, 1e-12);
    // Nine sixes in a row: z = 9 (11/12 - 1/2) / sqrt(9 v).
    const LuckTest sixes = TestLuck(std::vector<LuckSample>(9, {11.0 / 12, v}));
    EXPECT_NEAR(sixes.z, 9 * (5.0 / 12) / std::sqrt(9 * v), 1e-12);
    EXPECT_NEAR(sixes.p, std::erfc(sixes.z / std::sqrt(2.0)), 1e-15);
    EXPECT_LT(sixes.p, 1e-4);
}

}  // namespace
}  // namespace rollkin::test
