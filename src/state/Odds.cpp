#include "state/Odds.h"

#include "state/OddsDist.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace rollkin {

// The odds read every field of a parsed term and node. A field added to either changes its size
// and stops the build here, so that a new form of the notation is taught to the odds (a function
// in OddsEngine or state/OddsForms.cpp) before they could give it a wrong answer. The critical
// marks, the sort and the written text change no total.
static_assert(sizeof(DiceRoll::Term) == 216, "a new field of DiceRoll::Term: teach OddsEngine");
static_assert(sizeof(DiceRoll::Node) == 24, "a new field of DiceRoll::Node: teach OddsEngine");

using namespace odds;

// Works out a roll's odds from its parsed nodes: one function for each kind of node and of term.
class OddsEngine {
public:
    explicit OddsEngine(const DiceRoll& roll) : roll_(roll) {
        for (const DiceRoll::Term& t : roll.terms_)
            fixedDice_ += t.count;
    }

    std::vector<PartOdds> Run() {
        std::vector<PartOdds> out;
        Work work;  // for the whole roll: ten rolls are answered in the time of one
        for (const DiceRoll::Part& part : roll_.parts_) {
            PartOdds o;
            o.text = part.text;
            try {
                CheckExplosions();
                const Dist d = PartDist(part, work);
                o.odds.lo = d.lo;
                o.odds.p = d.p;
                double sum = 0;
                for (const double x : d.p)
                    sum += x;
                o.odds.noTotal = std::max(0.0, 1 - sum);
                if (o.odds.noTotal < 1e-15) o.odds.noTotal = 0;
            } catch (const Refused& r) {
                o.odds = {};
                o.error = r.error;
            }
            out.push_back(std::move(o));
        }
        return out;
    }

private:
    using Term = DiceRoll::Term;
    using Op = DiceRoll::Op;
    using Select = DiceRoll::Select;

    // A die as a term counts it: its face (1 to sides), worth its value, or 1 and 0 when the term
    // counts the dice that meet a target.
    struct Die {
        const Term& t;
        RollValue Value(RollValue face) const { return t.faces == 0 ? face - 2 : face; }
        RollValue Worth(RollValue face) const {
            if (t.compare == DiceRoll::Compare::None) return Value(face);
            return Meets(t.compare, Value(face), t.target) ? 1 : 0;
        }
        RollValue Sides() const { return t.faces == 0 ? 3 : t.faces; }
    };

    Dist PartDist(const DiceRoll::Part& part, Work& work) {
        std::vector<Dist> v(static_cast<std::size_t>(part.endNode - part.firstNode));
        const auto at = [&](int node) -> const Dist& {
            return v[static_cast<std::size_t>(node - part.firstNode)];
        };
        for (int i = part.firstNode; i < part.endNode; ++i) {
            const DiceRoll::Node& n = roll_.nodes_[static_cast<std::size_t>(i)];
            Dist& r = v[static_cast<std::size_t>(i - part.firstNode)];
            switch (n.op) {
                case Op::Number:
                    r = Point(n.value);
                    continue;
                case Op::Negate:
                    r = Negate(at(n.a));
                    continue;
                case Op::Add:
                    r = Convolve(at(n.a), at(n.b), work);
                    continue;
                case Op::Subtract:
                    r = Convolve(at(n.a), Negate(at(n.b)), work);
                    continue;
                case Op::Multiply:
                    r = Combine(at(n.a), at(n.b), false, work);
                    continue;
                case Op::Divide:
                    r = Combine(at(n.a), at(n.b), true, work);
                    continue;
                case Op::Remainder:
                case Op::Power:
                    r = Pairwise(at(n.a), at(n.b), n.op, work);
                    continue;
                case Op::Group: {
                    const DiceRoll::Group& g = roll_.groups_[static_cast<std::size_t>(n.value)];
                    std::vector<const Dist*> members;
                    for (const int m : g.members)
                        members.push_back(&at(m));
                    r = GroupDist(g, members, work);
                    continue;
                }
                case Op::Dice:
                    r = TermDist(roll_.terms_[static_cast<std::size_t>(n.value)], n.column, work);
                    continue;
            }
            // A kind of node added since: refused rather than guessed.
            Refuse(OddsErrorKind::UnknownForm, 0, n.column);
        }
        return v.back();
    }

    // a * b or a / b (rounding down) over every pair of totals; a division by zero gives none.
    static Dist Combine(const Dist& a, const Dist& b, bool divide, Work& work) {
        if (a.p.empty() || b.p.empty()) return {};
        work.Spend(static_cast<double>(a.p.size()) * static_cast<double>(b.p.size()));
        // The products' extremes lie at the corners; a quotient's at the ends of either side of
        // a zero divisor, or at the divisors 1 and -1.
        RollValue lo = std::numeric_limits<RollValue>::max();
        RollValue hi = std::numeric_limits<RollValue>::min();
        for (const RollValue x : {a.lo, a.Hi()}) {
            if (!divide) {
                for (const RollValue y : {b.lo, b.Hi()}) {
                    lo = std::min(lo, Mul(x, y));
                    hi = std::max(hi, Mul(x, y));
                }
                continue;
            }
            for (const RollValue y : {b.lo, b.Hi(), RollValue{1}, RollValue{-1}}) {
                if (y == 0 || y < b.lo || y > b.Hi()) continue;
                lo = std::min(lo, FloorDivide(x, y));
                hi = std::max(hi, FloorDivide(x, y));
            }
        }
        if (lo > hi) return {};  // always a division by zero
        Dist out = Table(lo, hi);
        for (std::size_t i = 0; i < a.p.size(); ++i) {
            if (a.p[i] == 0) continue;
            const RollValue x = a.lo + static_cast<RollValue>(i);
            for (std::size_t j = 0; j < b.p.size(); ++j) {
                const RollValue y = b.lo + static_cast<RollValue>(j);
                if (b.p[j] == 0 || (divide && y == 0)) continue;
                const RollValue r = divide ? FloorDivide(x, y) : x * y;
                out.p[static_cast<std::size_t>(r - lo)] += a.p[i] * b.p[j];
            }
        }
        Trim(out);
        return out;
    }

    Dist TermDist(const Term& t, int column, Work& work) {
        if (!PlainTerm(t)) return FormTerm(t, RollLimits::Dice - fixedDice_, column, work);
        const Die die{t};
        if (t.explode) return ExplodingDist(die, work);
        return KeptDist(die, t.count, die.Sides(), Kept(t, t.count), Highest(t), work);
    }

    static bool Highest(const Term& t) {
        return t.select == Select::All || t.select == Select::KeepHigh ||
               t.select == Select::DropLow;
    }

    static RollValue Kept(const Term& t, RollValue n) {
        return DiceRoll::Kept(t.select, t.keep, n);
    }

    // The sum of the worths of n dice, each with faces 1 to `faces`.
    static Dist SumOfDice(const Die& die, RollValue n, RollValue faces, Work& work) {
        if (die.t.compare != DiceRoll::Compare::None) {
            RollValue meeting = 0;
            work.Spend(static_cast<double>(faces));
            for (RollValue f = 1; f <= faces; ++f)
                meeting += die.Worth(f);
            Dist d{0, Binomial(n, static_cast<double>(meeting) / static_cast<double>(faces))};
            Trim(d);
            return d;
        }
        Table(Mul(n, die.Value(1)), Mul(n, die.Value(faces)));  // refuses what is too wide
        // Three passes over a table that grows by a die's faces each time.
        const auto dice = static_cast<double>(n), sides = static_cast<double>(faces);
        work.Spend(3 * sides * dice * (dice + 1) / 2);
        if (n == 1) {  // a die alone: its faces, without the running sums
            Dist d = Table(die.Value(1), die.Value(faces));
            std::fill(d.p.begin(), d.p.end(), 1.0 / static_cast<double>(faces));
            return d;
        }
        Dist d = Point(0);
        std::vector<double> before, after;
        for (RollValue k = 0; k < n; ++k)
            AddUniform(d, die.Value(1), faces, before, after);
        return d;
    }

    // The sum of the m highest (or lowest) worths of n dice with faces 1 to `faces`, through
    // the order statistics: faces are taken from the best down, and for each the number of the
    // dice left that show it is binomial, so no throw is ever listed.
    static Dist KeptDist(const Die& die, RollValue n, RollValue faces, RollValue m, bool highest,
                         Work& work) {
        if (m <= 0) return Point(0);
        if (m >= n) return SumOfDice(die, n, faces, work);
        // The face of rank r, 1 the worst kept last, `faces` the best.
        const auto face = [&](RollValue r) { return highest ? r : faces + 1 - r; };
        if (m == 1) return BestOne(die, n, faces, face, work);
        RollValue wlo = 0, whi = 1;
        if (die.t.compare == DiceRoll::Compare::None) {
            wlo = std::min<RollValue>(0, die.Value(1));
            whi = std::max<RollValue>(0, die.Value(faces));
        }
        const RollValue base = Mul(m, wlo);
        Dist final = Table(base, Mul(m, whi));
        const std::size_t width = final.p.size();
        work.Spend(static_cast<double>(faces) * static_cast<double>(m) *
                   static_cast<double>(n + 1) * static_cast<double>(width));
        // placed[c]: the dice above the current rank were c, none of them the m-th yet.
        std::vector<std::vector<double>> placed(static_cast<std::size_t>(m),
                                                std::vector<double>(width, 0.0));
        auto next = placed;
        placed[0][static_cast<std::size_t>(-base)] = 1;
        for (RollValue r = faces; r >= 1; --r) {
            const RollValue worth = die.Worth(face(r));
            for (auto& row : next)
                std::fill(row.begin(), row.end(), 0.0);
            for (RollValue c = 0; c < m; ++c) {
                const std::vector<double>& row = placed[static_cast<std::size_t>(c)];
                const RollValue left = n - c;
                // Each die left shows rank r with chance 1/r, given it shows r or less.
                const std::vector<double> shows =
                    r == 1 ? std::vector<double>() : Binomial(left, 1.0 / static_cast<double>(r));
                for (RollValue j = r == 1 ? left : 0; j <= left; ++j) {
                    const double b = r == 1 ? 1.0 : shows[static_cast<std::size_t>(j)];
                    if (b == 0) continue;
                    const RollValue c2 = c + j;
                    const auto add = static_cast<std::ptrdiff_t>(std::min(j, m - c) * worth);
                    std::vector<double>& to =
                        c2 >= m ? final.p : next[static_cast<std::size_t>(c2)];
                    for (std::size_t s = 0; s < width; ++s)
                        if (row[s] != 0)
                            to[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(s) + add)] +=
                                row[s] * b;
                }
            }
            std::swap(placed, next);
        }
        Trim(final);
        return final;
    }

    // The best of n dice: its rank is r with chance (r/F)^n - ((r-1)/F)^n, taken as
    // (r/F)^n (1 - (1 - 1/r)^n) so that no digits cancel.
    template <class Face>
    static Dist BestOne(const Die& die, RollValue n, RollValue faces, const Face& face,
                        Work& work) {
        work.Spend(static_cast<double>(faces));
        RollValue lo = std::numeric_limits<RollValue>::max(),
                  hi = std::numeric_limits<RollValue>::min();
        for (const RollValue f : {RollValue{1}, faces}) {
            lo = std::min(lo, die.Worth(f));
            hi = std::max(hi, die.Worth(f));
        }
        if (die.t.compare != DiceRoll::Compare::None) lo = 0, hi = 1;
        Dist d = Table(lo, hi);
        const auto nn = static_cast<double>(n);
        for (RollValue r = 1; r <= faces; ++r) {
            const auto x = static_cast<double>(r);
            const double chance = std::pow(x / static_cast<double>(faces), nn) *
                                  -std::expm1(nn * std::log1p(-1.0 / x));
            d.p[static_cast<std::size_t>(die.Worth(face(r)) - lo)] += chance;
        }
        Trim(d);
        return d;
    }

    // The chances of 0, 1, 2... explosions among `count` exploding dice of `sides` faces, up to
    // where the chance left is under 1e-12 or the dice would pass the limit.
    std::vector<double> Explosions(RollValue count, double up, bool* limited = nullptr) const {
        const RollValue most = RollLimits::Dice - fixedDice_;
        std::vector<double> q{std::pow(1 - up, static_cast<double>(count))};
        double sum = q[0];
        for (RollValue e = 0; e < most && 1 - sum >= 1e-12; ++e) {
            q.push_back(q.back() * static_cast<double>(count + e) / static_cast<double>(e + 1) *
                        up);
            sum += q.back();
        }
        if (limited != nullptr) *limited = 1 - sum >= 1e-12;
        return q;
    }

    // Each exploding die is a run of top faces ended by a face below the top, which is even
    // on 1 to sides - 1 whatever the run's length: so the dice thrown are the e top faces of
    // the explosions and `count` dice of sides - 1 faces.
    Dist ExplodingDist(const Die& die, Work& work) {
        const Term& t = die.t;
        const RollValue sides = die.Sides();
        const RollValue top = die.Worth(sides);
        const std::vector<double> q = Explosions(t.count, 1.0 / static_cast<double>(sides));
        const auto most = static_cast<RollValue>(q.size()) - 1;
        if (t.select == Select::All) {
            Dist tops = Table(0, Mul(most, top));
            for (RollValue e = 0; e <= most; ++e)
                tops.p[static_cast<std::size_t>(e * top)] += q[static_cast<std::size_t>(e)];
            return Convolve(tops, SumOfDice(die, t.count, sides - 1, work), work);
        }
        const bool highest = Highest(t);
        std::map<RollValue, Dist> lower;  // by how many of them are kept
        Dist out;
        for (RollValue e = 0; e <= most; ++e) {
            const RollValue kept = Kept(t, t.count + e);
            const RollValue tops = highest ? std::min(e, kept) : kept - std::min(kept, t.count);
            const RollValue m = kept - tops;
            auto found = lower.find(m);
            if (found == lower.end())
                found = lower.emplace(m, KeptDist(die, t.count, sides - 1, m, highest, work)).first;
            Dist d = found->second;
            d.lo = Add(d.lo, Mul(tops, top));
            work.Spend(static_cast<double>(d.p.size()));
            Mix(out, d, q[static_cast<std::size_t>(e)]);
        }
        return out;
    }

    // Several exploding terms share the dice limit: their odds are exact only while their
    // explosions cannot reach it between them.
    void CheckExplosions() const {
        int exploding = 0;
        bool limited = false;
        RollValue dice = fixedDice_;
        for (const Term& t : roll_.terms_) {
            if (!t.explode && t.reroll == DiceRoll::Reroll::None) continue;
            ++exploding;
            bool reached = false;
            const bool plain = PlainTerm(t);
            const double up = plain ? 1.0 / static_cast<double>(t.faces) : ExtraThrowChance(t);
            dice += static_cast<RollValue>(Explosions(t.count, up, &reached).size()) - 1;
            limited = limited || reached;
            // A lone plain `!` is followed to the limit exactly; the other forms only while the
            // limit cannot matter.
            if (reached && !plain) Refuse(OddsErrorKind::ExplodingTogether, RollLimits::Dice);
        }
        if (exploding > 1 && (limited || dice > RollLimits::Dice))
            Refuse(OddsErrorKind::ExplodingTogether, RollLimits::Dice);
    }

    const DiceRoll& roll_;
    RollValue fixedDice_ = 0;
};

std::vector<PartOdds> RollOdds(const DiceRoll& roll) {
    if (roll.Error()) return {};
    return OddsEngine(roll).Run();
}

}  // namespace rollkin
