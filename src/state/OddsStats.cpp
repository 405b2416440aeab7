#include <algorithm>
#include <cmath>

#include "state/Odds.h"

// Reading a roll's odds: the chances of a total, its mean and spread, a total's mid-rank, and the
// luck of an evening's throws.
namespace rollkin {

double Odds::Equal(RollValue v) const {
    if (v < lo || v > Max()) return 0;
    return p[static_cast<std::size_t>(v - lo)];
}

// By index from lo, so that totals at either end of 64 bits are never stepped past.
double Odds::AtLeast(RollValue v) const {
    if (p.empty() || v > Max()) return 0;
    const std::size_t first = v <= lo ? 0 : static_cast<std::size_t>(v - lo);
    double sum = 0;
    for (std::size_t i = p.size(); i-- > first;)  // the small chances of the top first
        sum += p[i];
    return sum;
}

double Odds::Below(RollValue v) const {
    if (p.empty() || v <= lo) return 0;
    const std::size_t end = v > Max() ? p.size() : static_cast<std::size_t>(v - lo);
    double sum = 0;
    for (std::size_t i = 0; i < end; ++i)
        sum += p[i];
    return sum;
}

namespace {

double Shown(const std::vector<double>& p) {
    double sum = 0;
    for (const double x : p)
        sum += x;
    return sum;
}

}  // namespace

double Odds::Mean() const {
    const double shown = Shown(p);
    if (shown == 0) return 0;
    // From lo, so that totals near 64 bits keep their digits.
    double m = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        m += static_cast<double>(i) * p[i];
    return static_cast<double>(lo) + m / shown;
}

double Odds::Sd() const {
    const double shown = Shown(p);
    if (shown == 0) return 0;
    const double mean = Mean() - static_cast<double>(lo);
    double v = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        v += (static_cast<double>(i) - mean) * (static_cast<double>(i) - mean) * p[i];
    return std::sqrt(v / shown);
}

double Odds::MidRank(RollValue v) const {
    const double shown = Shown(p);
    if (shown == 0) return 0.5;
    return (Below(v) + Equal(v) / 2) / shown;
}

double Odds::MidRankVariance() const {
    const double shown = Shown(p);
    if (shown == 0) return 0;
    double cubes = 0;
    for (const double x : p)
        cubes += (x / shown) * (x / shown) * (x / shown);
    return std::max(0.0, (1 - cubes) / 12);
}

LuckTest TestLuck(const std::vector<LuckSample>& samples) {
    LuckTest test;
    test.throws = static_cast<int>(samples.size());
    if (samples.empty()) return test;
    double sum = 0, variance = 0;
    for (const LuckSample& s : samples) {
        sum += s.midRank;
        variance += s.variance;
    }
    test.meanMidRank = sum / static_cast<double>(samples.size());
    if (variance <= 0) return test;
    test.z = (sum - static_cast<double>(samples.size()) / 2) / std::sqrt(variance);
    test.p = std::erfc(std::abs(test.z) / std::sqrt(2.0));
    return test;
}

}  // namespace rollkin
