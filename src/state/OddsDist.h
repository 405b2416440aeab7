#pragma once

// The odds engine's own pieces, shared by its files: distributions as dense tables, the work
// they may take, and the arithmetic that refuses rather than overflows. Not for other callers.

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "state/Odds.h"

namespace rollkin::odds {

// The distribution of a sub-result; its mass may be under 1 where throws give no total.
struct Dist {
    RollValue lo = 0;
    std::vector<double> p;
    RollValue Hi() const { return lo + (static_cast<RollValue>(p.size()) - 1); }
};

struct Refused {
    OddsError error;
};

[[noreturn]] inline void Refuse(OddsErrorKind kind, RollValue limit = 0, int column = 0) {
    throw Refused{OddsError{kind, limit, column}};
}

inline RollValue Add(RollValue a, RollValue b) {
    RollValue r = 0;
    if (__builtin_add_overflow(a, b, &r)) Refuse(OddsErrorKind::Overflow);
    return r;
}

inline RollValue Mul(RollValue a, RollValue b) {
    RollValue r = 0;
    if (__builtin_mul_overflow(a, b, &r)) Refuse(OddsErrorKind::Overflow);
    return r;
}

inline RollValue FloorDivide(RollValue a, RollValue b) {
    if (a == std::numeric_limits<RollValue>::min() && b == -1) Refuse(OddsErrorKind::Overflow);
    RollValue q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) --q;
    return q;
}

// A dense table from lo to hi, refused past the limit on values.
inline Dist Table(RollValue lo, RollValue hi) {
    RollValue width = 0;
    if (__builtin_sub_overflow(hi, lo, &width) || width >= OddsLimits::Values)
        Refuse(OddsErrorKind::TooManyValues, OddsLimits::Values);
    return {lo, std::vector<double>(static_cast<std::size_t>(width) + 1, 0.0)};
}

// Cuts the values that cannot come out at either end.
inline void Trim(Dist& d) {
    std::size_t first = 0, end = d.p.size();
    while (first < end && d.p[first] == 0)
        ++first;
    while (end > first && d.p[end - 1] == 0)
        --end;
    if (first == end) {
        d = {0, {}};
        return;
    }
    d.p = std::vector<double>(d.p.begin() + static_cast<std::ptrdiff_t>(first),
                              d.p.begin() + static_cast<std::ptrdiff_t>(end));
    d.lo += static_cast<RollValue>(first);
}

class Work {
public:
    void Spend(double steps) {
        spent_ += steps;
        if (spent_ > static_cast<double>(OddsLimits::Steps))
            Refuse(OddsErrorKind::TooManySteps, OddsLimits::Steps);
    }

private:
    double spent_ = 0;
};

// Binomial(n, q) chances of 0..n successes, by the ratio of neighbours: accurate to a few ulps
// for n up to the dice limit. Worked from the likelier side so that the start does not
// underflow.
inline std::vector<double> Binomial(RollValue n, double q) {
    const bool flip = q > 0.5;
    const double r = flip ? 1 - q : q;
    std::vector<double> b(static_cast<std::size_t>(n) + 1, 0.0);
    b[0] = std::pow(1 - r, static_cast<double>(n));
    for (RollValue j = 0; j < n; ++j)
        b[static_cast<std::size_t>(j) + 1] = b[static_cast<std::size_t>(j)] *
                                             static_cast<double>(n - j) /
                                             static_cast<double>(j + 1) * r / (1 - r);
    if (flip) std::reverse(b.begin(), b.end());
    return b;
}

inline Dist Convolve(const Dist& a, const Dist& b, Work& work) {
    if (a.p.empty() || b.p.empty()) return {};
    Dist out = Table(Add(a.lo, b.lo), Add(a.Hi(), b.Hi()));
    work.Spend(static_cast<double>(a.p.size()) * static_cast<double>(b.p.size()));
    for (std::size_t i = 0; i < a.p.size(); ++i) {
        if (a.p[i] == 0) continue;
        const double x = a.p[i];
        double* o = out.p.data() + i;
        for (std::size_t j = 0; j < b.p.size(); ++j)
            o[j] += x * b.p[j];
    }
    return out;
}

// Adds to a one die that shows `width` consecutive values from lo with equal chances: each
// total is a window of a's chances, taken as a difference of running sums from whichever end
// leaves the smaller sum, so that small chances in either tail keep their digits. The caller has
// checked the range; `before` and `after` are room for the running sums, kept between dice.
inline void AddUniform(Dist& a, RollValue lo, RollValue width, std::vector<double>& before,
                       std::vector<double>& after) {
    const std::size_t n = a.p.size(), w = static_cast<std::size_t>(width);
    before.assign(n + 1, 0.0);  // before[k]: the sum of a.p[0..k); after[k]: of a.p[k..n)
    after.assign(n + 1, 0.0);
    for (std::size_t k = 0; k < n; ++k)
        before[k + 1] = before[k] + a.p[k];
    for (std::size_t k = n; k-- > 0;)
        after[k] = after[k + 1] + a.p[k];
    const double each = 1.0 / static_cast<double>(width);
    a.p.resize(n + w - 1);
    for (std::size_t i = 0; i < a.p.size(); ++i) {
        // The window a.p[first..last) of the chances before this die.
        const std::size_t last = std::min(i + 1, n);
        const std::size_t first = i + 1 > w ? i + 1 - w : 0;
        a.p[i] = each * (before[last] < after[first] ? before[last] - before[first]
                                                     : after[first] - after[last]);
    }
    a.lo += lo;
}

inline Dist Point(RollValue v) {
    return {v, {1.0}};
}

inline Dist Negate(const Dist& a) {
    if (a.p.empty()) return {};
    if (a.Hi() == std::numeric_limits<RollValue>::min()) Refuse(OddsErrorKind::Overflow);
    return {-a.Hi(), std::vector<double>(a.p.rbegin(), a.p.rend())};
}

// Chances of a and b on one table.
inline void Mix(Dist& into, const Dist& d, double weight) {
    if (d.p.empty() || weight == 0) return;
    if (into.p.empty()) {
        into = Table(d.lo, d.Hi());
    } else if (d.lo < into.lo || d.Hi() > into.Hi()) {
        Dist wider = Table(std::min(into.lo, d.lo), std::max(into.Hi(), d.Hi()));
        for (std::size_t i = 0; i < into.p.size(); ++i)
            wider.p[static_cast<std::size_t>(into.lo - wider.lo) + i] = into.p[i];
        into = std::move(wider);
    }
    for (std::size_t i = 0; i < d.p.size(); ++i)
        into.p[static_cast<std::size_t>(d.lo - into.lo) + i] += weight * d.p[i];
}

inline bool Meets(DiceRoll::Compare compare, RollValue face, RollValue target) {
    return DiceRoll::Meets(compare, face, target);
}

// The forms past plain dice (state/OddsForms.cpp).

// A die's values after its reroll and its clamp.
Dist DieValues(const DiceRoll::Term& t);
// The chance that a die thrown brings another throw (a reroll or an explosion); for the dice
// limit, an upper bound where the reroll happens once.
double ExtraThrowChance(const DiceRoll::Term& t);
// Whether plain dice suffice: no reroll, clamp, failures, nor an explosion but `!` on the top.
bool PlainTerm(const DiceRoll::Term& t);
// A term with rerolls, clamps, failures, an explosion at a point, compounding or penetrating
// dice. `most`: the extra dice the limit leaves; `column` where a refusal points.
Dist FormTerm(const DiceRoll::Term& t, RollValue most, int column, Work& work);
// a % b or a ^ b over every pair of totals; what the thrower refuses gives no total.
Dist Pairwise(const Dist& a, const Dist& b, DiceRoll::Op op, Work& work);
// A group's total from its sub-rolls' odds.
Dist GroupDist(const DiceRoll::Group& g, const std::vector<const Dist*>& members, Work& work);

}  // namespace rollkin::odds
