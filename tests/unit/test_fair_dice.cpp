// Are the dice fair? A chi-square test per slot over a million throws at a fixed seed, with its
// threshold shown to reject a die that favours one face by one percentage point, and the
// generator's edge cases.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

#include "state/Dice.h"
#include "state/Random.h"

namespace rollkin::test {
namespace {

constexpr int ThrowsPerSlot = 1000000;
// Chance that a fair slot fails: one in a million per slot, so the ten slots together fail a
// fair generator about once in 100,000 seeds.
constexpr double Alpha = 1e-6;
// The bias the threshold must catch: one face comes up one percentage point more often than
// 1/k (p = 1/k + 0.01), the other k - 1 faces equally less often. A relative bias of 1 %
// (p = 1.01/k) is out of reach of any test at this count for the larger dice: on the d100 it
// moves the expected statistic by 1, within its noise (standard deviation 14).
constexpr double Bias = 0.01;

// Regularized upper incomplete gamma Q(a, x), by its series below a + 1 and its continued
// fraction above.
double UpperGamma(double a, double x) {
    if (x <= 0) return 1.0;
    const double logFront = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1) {
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 10000 && std::fabs(term) > std::fabs(sum) * 1e-16; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return 1.0 - sum * std::exp(logFront);
    }
    constexpr double Tiny = 1e-300;
    double b = x + 1 - a, c = 1 / Tiny, d = 1 / b, h = d;
    for (int i = 1; i < 10000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < Tiny) d = Tiny;
        c = b + an / c;
        if (std::fabs(c) < Tiny) c = Tiny;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < 1e-16) break;
    }
    return std::exp(logFront) * h;
}

// P(X >= x) for a chi-square variable with df degrees of freedom.
double ChiSquareTail(double x, int df) {
    return UpperGamma(df / 2.0, x / 2.0);
}

// The statistic's value that a fair die exceeds with probability Alpha.
double Threshold(int df) {
    double lo = 0, hi = df + 100.0 * std::sqrt(2.0 * df) + 100;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (ChiSquareTail(mid, df) > Alpha ? lo : hi) = mid;
    }
    return hi;
}

double ChiSquare(const std::vector<long>& counts, long throws) {
    const double expected = static_cast<double>(throws) / static_cast<double>(counts.size());
    double x2 = 0;
    for (long c : counts) {
        const double d = static_cast<double>(c) - expected;
        x2 += d * d / expected;
    }
    return x2;
}

std::vector<long> CountFaces(int slot, Random& rng) {
    AppState state;
    state.DiceSides(slot) = DesignDiceSides[slot - 1];
    state.DiceMultiplier(slot) = 1;
    std::vector<long> counts(static_cast<std::size_t>(state.DiceSides(slot)), 0);
    for (int n = 0; n < ThrowsPerSlot; ++n) {
        const Integer face = Throw(state, slot, rng);
        EXPECT_TRUE(face >= 1 && face <= state.DiceSides(slot)) << face;
        ++counts[static_cast<std::size_t>(face - 1)];
    }
    return counts;
}

// A die loaded on its first face: with probability q the draw is moved into face 1's interval,
// so that face 1 comes up 1/k + Bias of the time and each other face (1 - q)/k.
class LoadedRandom final : public Random {
public:
    LoadedRandom(int sides, std::uint32_t seed)
        : sides_(sides), q_(Bias * sides / (sides - 1.0)), fair_(seed), coin_(seed + 1) {}
    float Rnd() override {
        const float r = DrawFromBits(static_cast<std::uint32_t>(fair_()));
        if (std::uniform_real_distribution<double>(0, 1)(coin_) >= q_) return r;
        return r * 0.5f / static_cast<float>(sides_);  // well inside face 1
    }

private:
    int sides_;
    double q_;
    std::mt19937 fair_;
    std::mt19937_64 coin_;
};

TEST(FairDice, TheTailFunctionMatchesKnownQuantiles) {
    // Printed tables: the 0.999 quantiles for 1 and 99 degrees of freedom; the 1e-6 tail of
    // one degree of freedom (4.8917 standard deviations, squared); and, from integrating the
    // density, P(X >= 99) = 0.4811 for 99 degrees of freedom.
    EXPECT_NEAR(ChiSquareTail(10.828, 1), 0.001, 1e-6);
    EXPECT_NEAR(ChiSquareTail(148.230, 99), 0.001, 1e-6);
    EXPECT_NEAR(Threshold(1), 4.8917 * 4.8917, 0.01);
    EXPECT_NEAR(ChiSquareTail(99, 99), 0.4811, 1e-3);  // near the median
}

TEST(FairDice, EverySlotPassesAtAFixedSeedAndALoadedDieFails) {
    Random rng;
    rng.Randomize(43200.5f);  // noon: a fixed seed, the same every run
    for (int slot = FirstSlot; slot <= LastSlot; ++slot) {
        const int k = DesignDiceSides[slot - 1];
        const int df = k - 1;
        const double threshold = Threshold(df);
        // The threshold is far enough below what the loaded die gives on average: its
        // statistic has mean df + lambda and standard deviation sqrt(2 (df + 2 lambda)).
        const double lambda = ThrowsPerSlot * Bias * Bias * k * k / (k - 1.0);
        const double loadedSd = std::sqrt(2 * (df + 2 * lambda));
        EXPECT_GT(df + lambda - 5 * loadedSd, threshold) << "d" << k;

        const double fair = ChiSquare(CountFaces(slot, rng), ThrowsPerSlot);
        LoadedRandom loaded(k, 1000u + static_cast<unsigned>(slot));
        const double biased = ChiSquare(CountFaces(slot, loaded), ThrowsPerSlot);
        EXPECT_LT(fair, threshold) << "d" << k << " is not fair";
        EXPECT_GT(biased, threshold) << "d" << k << ": the loaded die was not caught";
        std::printf("d%-3d chi-square %8.1f (p = %.3f), threshold %6.1f, loaded die %9.1f\n", k,
                    fair, ChiSquareTail(fair, df), threshold, biased);
    }
}

// --- the generator's edge cases --------------------------------------------------------------

TEST(GeneratorEdges, EveryDrawOfTheTwentyFourBitsLiesInZeroToOneAndRises) {
    float previous = -1;
    for (std::uint32_t m = 0; m < (1u << 24); ++m) {
        // The eight bits below the mantissa must not matter.
        const float low = Random::DrawFromBits(m << 8);
        const float high = Random::DrawFromBits((m << 8) | 0xFFu);
        if (low != high || !(low >= 0.0f) || !(low < 1.0f) || !(low > previous)) {
            FAIL() << "bits " << m << ": " << low << ", " << high << " after " << previous;
        }
        previous = low;
    }
    EXPECT_EQ(previous, 1.0f - 0x1p-24f);  // the largest draw is one step below 1
}

TEST(GeneratorEdges, EachFaceGetsItsShareOfTheDrawsToWithinOne) {
    // DieFace rises with the draw, so the first draw of each face is found by bisection; each
    // face must own floor(2^24 / k) or ceil(2^24 / k) of the 2^24 draws.
    constexpr std::int64_t Draws = 1 << 24;
    for (Integer k : DesignDiceSides) {
        auto face = [&](std::int64_t m) { return DieFace(k, static_cast<float>(m) * 0x1p-24f); };
        EXPECT_EQ(face(0), 1);
        EXPECT_EQ(face(Draws - 1), k);
        std::int64_t start = 0;
        for (Integer f = 2; f <= k + 1; ++f) {
            std::int64_t lo = start, hi = Draws;  // first m with face(m) >= f, or Draws
            while (lo < hi) {
                const std::int64_t mid = (lo + hi) / 2;
                if (face(mid) >= f) {
                    hi = mid;
                } else {
                    lo = mid + 1;
                }
            }
            const std::int64_t share = lo - start;
            EXPECT_TRUE(share == Draws / k || share == Draws / k + 1)
                << "d" << k << " face " << f - 1 << " owns " << share << " draws";
            if (lo < Draws) {
                EXPECT_EQ(face(lo), f) << "d" << k;
            }
            start = lo;
        }
        EXPECT_EQ(start, Draws);
    }
}

TEST(GeneratorEdges, AnySeedGivesDrawsInZeroToOneAndReplays) {
    const float seeds[] = {0.0f,
                           -0.0f,
                           std::numeric_limits<float>::quiet_NaN(),
                           std::numeric_limits<float>::infinity(),
                           -std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::denorm_min(),
                           std::numeric_limits<float>::max(),
                           86399.99f,  // the last moment of a day
                           std::bit_cast<float>(0xFFFFFFFFu)};
    for (float seed : seeds) {
        Random a, b;
        a.Randomize(seed);
        b.Randomize(seed);
        float lowest = 1, highest = 0;
        for (int n = 0; n < 100000; ++n) {
            const float r = a.Rnd();
            ASSERT_EQ(r, b.Rnd()) << "seed bits " << std::bit_cast<std::uint32_t>(seed);
            ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        // Not stuck: a hundred thousand draws spread over the whole interval.
        EXPECT_LT(lowest, 0.001f);
        EXPECT_GT(highest, 0.999f);
    }
}

}  // namespace
}  // namespace rollkin::test
