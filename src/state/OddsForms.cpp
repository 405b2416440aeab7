#include <map>

#include "state/OddsDist.h"

namespace rollkin::odds {

namespace {

using Term = DiceRoll::Term;
using Compare = DiceRoll::Compare;
using Select = DiceRoll::Select;

// Below this a run of explosions is not followed further: what is left shows as no total.
constexpr double Negligible = 1e-13;

bool Meets(const DiceRoll::Point& point, RollValue v) {
    return point.compare != Compare::None && odds::Meets(point.compare, v, point.target);
}

// What a die adds to its term: its value, or with a success count 1, -1 (a failure) or 0.
RollValue Worth(const Term& t, RollValue v) {
    if (t.compare == Compare::None) return v;
    if (odds::Meets(t.compare, v, t.target)) return 1;
    return Meets(t.failAt, v) ? -1 : 0;
}

// The chances of d's values mapped through f, on a table of their own.
template <class F>
Dist Mapped(const Dist& d, const F& f) {
    std::map<RollValue, double> to;
    for (std::size_t i = 0; i < d.p.size(); ++i)
        if (d.p[i] != 0) to[f(d.lo + static_cast<RollValue>(i))] += d.p[i];
    if (to.empty()) return {};
    Dist out = Table(to.begin()->first, to.rbegin()->first);
    for (const auto& [v, p] : to)
        out.p[static_cast<std::size_t>(v - out.lo)] += p;
    return out;
}

// The part of d whose values meet (or, with `meeting` false, miss) the point.
Dist Where(const Dist& d, const DiceRoll::Point& point, bool meeting) {
    Dist out = d;
    for (std::size_t i = 0; i < out.p.size(); ++i)
        if (Meets(point, d.lo + static_cast<RollValue>(i)) != meeting) out.p[i] = 0;
    Trim(out);
    return out;
}

double Mass(const Dist& d) {
    double sum = 0;
    for (const double x : d.p)
        sum += x;
    return sum;
}

// A die that keeps throwing while it shows a value of `more`: the sum of the run, `more`'s
// chances being those of one throw that goes on and `last`'s those of the throw that ends it.
Dist Run(const Dist& more, const Dist& last, RollValue most, Work& work) {
    Dist out = last, chain = more;
    for (RollValue k = 1; k <= most && !chain.p.empty() && Mass(chain) >= Negligible; ++k) {
        Mix(out, Convolve(chain, last, work), 1.0);
        chain = Convolve(chain, more, work);
        Trim(chain);
    }
    Trim(out);
    return out;
}

// The sum of n dice alike, by doubling.
Dist Times(Dist one, RollValue n, Work& work) {
    Dist sum = Point(0);
    for (; n > 0; n >>= 1) {
        if (n & 1) sum = Convolve(sum, one, work);
        if (n > 1) one = Convolve(one, one, work);
        Trim(sum);
        Trim(one);
    }
    return sum;
}

// The sum of the worths of the m best (or worst) of n dice alike, with values `die`: through
// the order statistics, each value from the best down taking a binomial share of the dice left.
Dist Kept(const Term& t, const Dist& die, RollValue n, RollValue m, bool highest, Work& work) {
    if (m <= 0) return Point(0);
    const double mass = Mass(die);
    if (mass == 0) return {};
    std::vector<std::pair<RollValue, double>> ranks;  // worst first
    for (std::size_t i = 0; i < die.p.size(); ++i)
        if (die.p[i] != 0) ranks.emplace_back(die.lo + static_cast<RollValue>(i), die.p[i] / mass);
    if (!highest) std::reverse(ranks.begin(), ranks.end());
    RollValue wlo = std::numeric_limits<RollValue>::max(),
              whi = std::numeric_limits<RollValue>::min();
    for (const auto& [v, p] : ranks) {
        wlo = std::min(wlo, Worth(t, v));
        whi = std::max(whi, Worth(t, v));
    }
    const RollValue base = Mul(m, wlo);
    Dist final = Table(base, Mul(m, whi));
    const std::size_t width = final.p.size();
    work.Spend(static_cast<double>(ranks.size()) * static_cast<double>(m) *
               static_cast<double>(n + 1) * static_cast<double>(width));
    // placed[c][s]: c dice above this rank, none the m-th yet, their worths summing to base + s.
    std::vector<std::vector<double>> placed(static_cast<std::size_t>(m),
                                            std::vector<double>(width, 0.0));
    auto next = placed;
    placed[0][0] = 1;
    double below = 1;  // the chance of this rank or a worse one
    for (std::size_t r = ranks.size(); r-- > 0;) {
        const RollValue worth = Worth(t, ranks[r].first);
        const double share = r == 0 ? 1.0 : std::min(1.0, ranks[r].second / below);
        below -= ranks[r].second;
        for (auto& row : next)
            std::fill(row.begin(), row.end(), 0.0);
        for (RollValue c = 0; c < m; ++c) {
            const std::vector<double>& row = placed[static_cast<std::size_t>(c)];
            const RollValue left = n - c;
            const std::vector<double> shows = Binomial(left, share);
            for (RollValue j = 0; j <= left; ++j) {
                const double b = shows[static_cast<std::size_t>(j)];
                if (b == 0) continue;
                const RollValue c2 = c + j;
                const RollValue add = Mul(std::min(j, m - c), worth) - Mul(std::min(j, m - c), wlo);
                std::vector<double>& to = c2 >= m ? final.p : next[static_cast<std::size_t>(c2)];
                for (std::size_t s = 0; s < width; ++s)
                    if (row[s] != 0) to[s + static_cast<std::size_t>(add)] += row[s] * b;
            }
        }
        std::swap(placed, next);
    }
    // Dice that reached no total (a run cut short) leave their chance out.
    const double whole = std::pow(mass, static_cast<double>(n));
    for (double& x : final.p)
        x *= whole;
    Trim(final);
    return final;
}

// Keep or drop among dice that explode at a point, where every value that explodes is above (or
// below) every value that does not: the dice thrown are then e that exploded and `count` that did
// not, each kind alike, e negative binomial; the best of them come from the one kind first.
// Interleaved values, or penetrating dice, would choose across the runs: refused by name.
Dist KeptAcrossRuns(const Term& t, const Dist& die, RollValue most, int column, Work& work) {
    Dist up = Where(die, t.explodeAt, true), down = Where(die, t.explodeAt, false);
    const double q = Mass(up);
    // Each kind's values given the kind; the chance of the kinds is the negative binomial's.
    for (double& x : up.p)
        x /= q;
    for (double& x : down.p)
        x /= 1 - q;
    const bool upper = up.lo > down.Hi(), lower = up.Hi() < down.lo;
    if (t.explosion != DiceRoll::Explode::Each || (!upper && !lower))
        Refuse(OddsErrorKind::UnknownForm, 0, column);
    const bool highest = t.select == Select::KeepHigh || t.select == Select::DropLow;
    // Whether the dice chosen first are those that exploded.
    const bool explodedFirst = highest == upper;
    std::map<std::pair<RollValue, RollValue>, Dist> upKept, downKept;
    const auto kept = [&](std::map<std::pair<RollValue, RollValue>, Dist>& cache, const Dist& d,
                          RollValue n, RollValue m) -> const Dist& {
        auto found = cache.find({n, m});
        if (found == cache.end())
            found = cache.emplace(std::pair{n, m}, Kept(t, d, n, m, highest, work)).first;
        return found->second;
    };
    Dist out;
    double chance = std::pow(1 - q, static_cast<double>(t.count)), left = 1 - chance;
    for (RollValue e = 0; e <= most && (e == 0 || chance > 0); ++e) {
        const RollValue n = t.count + e;
        const RollValue m = t.select == Select::KeepHigh || t.select == Select::KeepLow
                                ? std::min(t.keep, n)
                                : std::max<RollValue>(n - t.keep, 0);
        const RollValue first = std::min(explodedFirst ? e : t.count, m);
        const RollValue ups = explodedFirst ? first : m - first;
        Mix(out, Convolve(kept(upKept, up, e, ups), kept(downKept, down, t.count, m - ups), work),
            chance);
        if (left < 1e-12) break;
        chance *= static_cast<double>(t.count + e) / static_cast<double>(e + 1) * q;
        left -= chance;
    }
    return out;
}

}  // namespace

bool PlainTerm(const Term& t) {
    const bool plainExplosion =
        t.explosion == DiceRoll::Explode::None ||
        (t.explosion == DiceRoll::Explode::Each && t.faces > 0 &&
         t.explodeAt.compare == Compare::Equal && t.explodeAt.target == t.faces);
    return plainExplosion && t.reroll == DiceRoll::Reroll::None && !t.clampLow && !t.clampHigh &&
           t.failAt.compare == Compare::None;
}

Dist DieValues(const Term& t) {
    const RollValue lo = t.faces == 0 ? -1 : 1, hi = t.faces == 0 ? 1 : t.faces;
    Dist d = Table(lo, hi);
    const double each = 1.0 / static_cast<double>(hi - lo + 1);
    std::fill(d.p.begin(), d.p.end(), each);
    if (t.reroll != DiceRoll::Reroll::None) {
        const Dist kept = Where(d, t.rerollAt, false);
        const double again = 1 - Mass(kept);
        if (t.reroll == DiceRoll::Reroll::Always) {
            // Thrown until it misses the point: the faces that miss, alike.
            d = kept;
            for (double& x : d.p)
                if (x != 0) x = each / (1 - again);
        } else {
            // Thrown once more when it meets the point: whatever that throw shows.
            for (std::size_t i = 0; i < d.p.size(); ++i)
                d.p[i] =
                    (Meets(t.rerollAt, lo + static_cast<RollValue>(i)) ? 0 : each) + again * each;
        }
    }
    if (t.clampLow || t.clampHigh) {
        d = Mapped(d, [&](RollValue v) {
            if (t.clampLow) v = std::max(v, *t.clampLow);
            if (t.clampHigh) v = std::min(v, *t.clampHigh);
            return v;
        });
    }
    return d;
}

double ExtraThrowChance(const Term& t) {
    Dist plain = Table(t.faces == 0 ? -1 : 1, t.faces == 0 ? 1 : t.faces);
    std::fill(plain.p.begin(), plain.p.end(), 1.0 / static_cast<double>(plain.p.size()));
    const double reroll =
        t.reroll == DiceRoll::Reroll::None ? 0 : 1 - Mass(Where(plain, t.rerollAt, false));
    const double explode =
        t.explosion == DiceRoll::Explode::None ? 0 : Mass(Where(DieValues(t), t.explodeAt, true));
    // Always: each throw goes on with the one chance; once: the reroll's chance at most added.
    if (t.reroll == DiceRoll::Reroll::Always) return reroll + (1 - reroll) * explode;
    return std::min(1.0, reroll + explode);
}

Dist FormTerm(const Term& t, RollValue most, int column, Work& work) {
    const Dist die = DieValues(t);
    const auto worth = [&](const Dist& d) {
        return Mapped(d, [&](RollValue v) { return Worth(t, v); });
    };
    switch (t.explosion) {
        case DiceRoll::Explode::None:
        case DiceRoll::Explode::Compound: {
            // A compounded die is one die whose value is its run's sum.
            const Dist one = t.explosion == DiceRoll::Explode::None
                                 ? die
                                 : Run(Where(die, t.explodeAt, true),
                                       Where(die, t.explodeAt, false), most, work);
            if (t.select == Select::All) return Times(worth(one), t.count, work);
            const bool highest = t.select == Select::KeepHigh || t.select == Select::DropLow;
            const RollValue m = t.select == Select::KeepHigh || t.select == Select::KeepLow
                                    ? std::min(t.keep, t.count)
                                    : std::max<RollValue>(t.count - t.keep, 0);
            return Kept(t, one, t.count, m, highest, work);
        }
        case DiceRoll::Explode::Each:
        case DiceRoll::Explode::Penetrate:
            break;
    }
    if (t.select != Select::All) return KeptAcrossRuns(t, die, most, column, work);
    // Each added die is a die of its own, worth its value (less one when it penetrates).
    const auto valued = [&](bool meeting, RollValue less) {
        return Mapped(Where(die, t.explodeAt, meeting),
                      [&](RollValue v) { return Worth(t, v - less); });
    };
    const RollValue less = t.explosion == DiceRoll::Explode::Penetrate ? 1 : 0;
    const Dist after = Run(valued(true, less), valued(false, less), most - 1, work);
    Dist run = valued(false, 0);
    Mix(run, Convolve(valued(true, 0), after, work), 1.0);
    Trim(run);
    return Times(run, t.count, work);
}

Dist Pairwise(const Dist& a, const Dist& b, DiceRoll::Op op, Work& work) {
    if (a.p.empty() || b.p.empty()) return {};
    work.Spend(2 * static_cast<double>(a.p.size()) * static_cast<double>(b.p.size()));
    const auto each = [&](const auto& f) {
        for (std::size_t i = 0; i < a.p.size(); ++i) {
            if (a.p[i] == 0) continue;
            for (std::size_t j = 0; j < b.p.size(); ++j) {
                if (b.p[j] == 0) continue;
                const RollValue x = a.lo + static_cast<RollValue>(i);
                const RollValue y = b.lo + static_cast<RollValue>(j);
                RollValue r = 0;
                if (op == DiceRoll::Op::Remainder) {
                    if (y == 0) continue;  // the thrower's division by zero
                    r = DiceRoll::RemainderOf(x, y);
                } else if (!DiceRoll::PowerOf(x, y, r)) {
                    continue;  // an overflow or 0 ^ -n: the thrower's error
                }
                f(r, a.p[i] * b.p[j]);
            }
        }
    };
    RollValue lo = std::numeric_limits<RollValue>::max(),
              hi = std::numeric_limits<RollValue>::min();
    each([&](RollValue r, double) { lo = std::min(lo, r), hi = std::max(hi, r); });
    if (lo > hi) return {};
    Dist out = Table(lo, hi);
    each([&](RollValue r, double p) { out.p[static_cast<std::size_t>(r - lo)] += p; });
    Trim(out);
    return out;
}

Dist GroupDist(const DiceRoll::Group& g, const std::vector<const Dist*>& members, Work& work) {
    const RollValue k = static_cast<RollValue>(members.size());
    for (const Dist* m : members)
        if (m->p.empty()) return {};
    if (g.select == Select::All && g.compare == Compare::None) {
        Dist sum = Point(0);
        for (const Dist* m : members)
            sum = Convolve(sum, *m, work);
        Trim(sum);
        return sum;
    }
    const RollValue kept = g.select == Select::All ? k
                           : g.select == Select::KeepHigh || g.select == Select::KeepLow
                               ? std::min(g.keep, k)
                               : std::max<RollValue>(k - g.keep, 0);
    if (g.select == Select::All) {
        // Each sub-roll meets the point or not, on its own.
        Dist count = Point(0);
        for (const Dist* m : members) {
            double meets = 0, misses = 0;
            for (std::size_t i = 0; i < m->p.size(); ++i)
                (odds::Meets(g.compare, m->lo + static_cast<RollValue>(i), g.target) ? meets
                                                                                     : misses) +=
                    m->p[i];
            count = Convolve(count, Dist{0, {misses, meets}}, work);
        }
        Trim(count);
        return count;
    }
    // Sub-rolls of different odds kept by their totals: every combination of totals, within the
    // steps allowed.
    double combinations = 1;
    for (const Dist* m : members)
        combinations *= static_cast<double>(m->p.size());
    work.Spend(combinations * static_cast<double>(k));
    const bool highest = g.select == Select::KeepHigh || g.select == Select::DropLow;
    std::map<RollValue, double> to;
    std::vector<std::size_t> at(members.size(), 0);
    std::vector<RollValue> totals(members.size());
    for (;;) {
        double p = 1;
        for (std::size_t i = 0; i < members.size() && p != 0; ++i) {
            p *= members[i]->p[at[i]];
            totals[i] = members[i]->lo + static_cast<RollValue>(at[i]);
        }
        if (p != 0) {
            std::sort(totals.begin(), totals.end());
            if (highest) std::reverse(totals.begin(), totals.end());
            RollValue value = 0;
            for (RollValue i = 0; i < kept; ++i) {
                const RollValue v = totals[static_cast<std::size_t>(i)];
                value = g.compare == Compare::None
                            ? Add(value, v)
                            : value + (odds::Meets(g.compare, v, g.target) ? 1 : 0);
            }
            to[value] += p;
        }
        std::size_t i = 0;
        while (i < at.size() && ++at[i] == members[i]->p.size())
            at[i++] = 0;
        if (i == at.size()) break;
    }
    Dist out = Table(to.begin()->first, to.rbegin()->first);
    for (const auto& [v, p] : to)
        out.p[static_cast<std::size_t>(v - out.lo)] += p;
    Trim(out);
    return out;
}

}  // namespace rollkin::odds
