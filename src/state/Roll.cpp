#include "state/Roll.h"

#include "state/RollSpans.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace rollkin {

namespace {

constexpr RollValue Most = std::numeric_limits<RollValue>::max();
constexpr RollValue Least = std::numeric_limits<RollValue>::min();

// Floor division; the caller has ruled out b == 0 and Least / -1.
RollValue FloorDivide(RollValue a, RollValue b) {
    RollValue q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) --q;
    return q;
}

// Saturating arithmetic for the bounds: a bound past 64 bits is as good as the 64-bit end, since
// a throw that passes it fails with an overflow instead of giving a total.
RollValue SatAdd(RollValue a, RollValue b) {
    RollValue r;
    if (__builtin_add_overflow(a, b, &r)) return a > 0 ? Most : Least;
    return r;
}
RollValue SatSub(RollValue a, RollValue b) {
    RollValue r;
    if (__builtin_sub_overflow(a, b, &r)) return a >= 0 ? Most : Least;
    return r;
}
RollValue SatMul(RollValue a, RollValue b) {
    RollValue r;
    if (__builtin_mul_overflow(a, b, &r)) return (a < 0) != (b < 0) ? Least : Most;
    return r;
}
RollValue SatDiv(RollValue a, RollValue b) {
    if (a == Least && b == -1) return Most;
    return FloorDivide(a, b);
}

}  // namespace

namespace {

bool Meets(const DiceRoll::Point& p, RollValue face) {
    return DiceRoll::Meets(p.compare, face, p.target);
}

// How many of n dice or sub-rolls a selection keeps.
RollValue Kept(DiceRoll::Select select, RollValue keep, RollValue n) {
    using S = DiceRoll::Select;
    switch (select) {
        case S::KeepHigh:
        case S::KeepLow:
            return std::min(keep, n);
        case S::DropHigh:
        case S::DropLow:
            return std::max<RollValue>(n - keep, 0);
        case S::All:
            break;
    }
    return n;
}

RollValue Kept(const DiceRoll::Term& t, RollValue n) {
    return Kept(t.select, t.keep, n);
}

// Whether a selection keeps the highest (drops the lowest first).
bool KeepsHighest(DiceRoll::Select select) {
    return select == DiceRoll::Select::KeepHigh || select == DiceRoll::Select::DropLow;
}

// The least and the most of one term. Each kept die adds a value from W, the values a die can
// count (for !! the sum of as many throws as the dice limit leaves it), or with a count -1, 0
// or +1; between few and many dice are kept.
RollBounds TermBounds(const DiceRoll::Term& t) {
    using spans::Spans;
    const Spans values = spans::Values(t);
    if (values.empty()) return {};
    constexpr RollValue Limit = RollLimits::Dice;
    const bool explodes = t.explode && !spans::Intersect(values, spans::Of(t.explodeAt)).empty();
    RollValue dice = t.count;
    Spans w = values;
    if (explodes) {
        switch (t.explosion) {
            case DiceRoll::Explode::Each:
                dice = Limit;
                break;
            case DiceRoll::Explode::Penetrate:
                dice = Limit;
                for (const spans::Span& v : values)
                    w.push_back({SatSub(v.lo, 1), SatSub(v.hi, 1)});
                break;
            case DiceRoll::Explode::Compound: {
                const RollValue throws = Limit - t.count + 1;
                const RollValue lo = values.front().lo, hi = values.back().hi;
                w = {{lo >= 0 ? lo : SatMul(lo, throws), hi > 0 ? SatMul(hi, throws) : hi}};
                break;
            }
            case DiceRoll::Explode::None:
                break;
        }
    }
    RollValue low = Most, high = Least;
    if (t.compare == DiceRoll::Compare::None) {
        for (const spans::Span& v : w) {
            low = std::min(low, v.lo);
            high = std::max(high, v.hi);
        }
    } else {
        const Spans successes = spans::Of({t.compare, t.target});
        const Spans failures =
            t.failAt.compare == DiceRoll::Compare::None ? Spans{} : spans::Of(t.failAt);
        const Spans rest = spans::Minus(w, successes);
        const bool plus = !spans::Intersect(w, successes).empty();
        const bool minus = !spans::Intersect(rest, failures).empty();
        const bool zero = !spans::Minus(rest, failures).empty();
        low = minus ? -1 : zero ? 0 : 1;
        high = plus ? 1 : zero ? 0 : -1;
    }
    const RollValue few = Kept(t, t.count), many = Kept(t, dice);
    return {std::min(SatMul(few, low), SatMul(many, low)),
            std::max(SatMul(few, high), SatMul(many, high))};
}

// The least and the most of base ^ exponent over both ranges: for a fixed exponent the extremes
// lie at the base's ends or at -1, 0 or 1; for a fixed base at the exponent's two smallest or
// two largest values (both parities).
RollBounds PowerBounds(RollBounds x, RollBounds y) {
    RollBounds r{Most, Least};
    // Negative exponents first, then the others; a base of -2 or 2 stands for every base past
    // 1 in size, whose negative powers round to 0 or -1.
    const RollBounds sides[] = {{y.min, std::min<RollValue>(y.max, -1)},
                                {std::max<RollValue>(y.min, 0), y.max}};
    for (const RollBounds e : sides) {
        if (e.min > e.max) continue;
        for (const RollValue b : {x.min, x.max, RollValue{-2}, RollValue{-1}, RollValue{0},
                                  RollValue{1}, RollValue{2}}) {
            if (b < x.min || b > x.max) continue;
            for (const RollValue n : {e.min, SatAdd(e.min, 1), SatSub(e.max, 1), e.max}) {
                if (n < e.min || n > e.max) continue;
                RollValue v;
                if (DiceRoll::PowerOf(b, n, v)) {
                    r.min = std::min(r.min, v);
                    r.max = std::max(r.max, v);
                } else if (n >= 0) {
                    const RollValue past = b < 0 && n % 2 != 0 ? Least : Most;
                    r.min = std::min(r.min, past);
                    r.max = std::max(r.max, past);
                }
            }
        }
    }
    if (r.min > r.max) return {};
    return r;
}

// x % y with the divisor's sign: below y on a positive divisor, above it on a negative one.
// With one divisor and x within one multiple of it, x % y grows with x.
RollBounds RemainderBounds(RollBounds x, RollBounds y) {
    if (y.min == y.max && y.min != 0 && !(x.min == Least && y.min == -1) &&
        FloorDivide(x.min, y.min) == FloorDivide(x.max, y.min))
        return {DiceRoll::RemainderOf(x.min, y.min), DiceRoll::RemainderOf(x.max, y.min)};
    RollBounds r{Most, Least};
    if (y.max > 0) {
        r = {0, y.max - 1};
        if (x.min >= 0) r.max = std::min(r.max, x.max);
    }
    if (y.min < 0) {
        RollBounds n{y.min + 1, 0};
        if (x.max <= 0) n.min = std::max(n.min, x.min);
        r = {std::min(r.min, n.min), std::max(r.max, n.max)};
    }
    if (r.min > r.max) return {};  // always a division by zero
    return r;
}

// Keeping k of values, highest or lowest: the sum of the k highest (or lowest) of `ends`.
RollValue SumOfKept(std::vector<RollValue> ends, RollValue k, bool highest) {
    std::sort(ends.begin(), ends.end());
    if (highest) std::reverse(ends.begin(), ends.end());
    RollValue sum = 0;
    for (RollValue i = 0; i < k; ++i)
        sum = SatAdd(sum, ends[static_cast<std::size_t>(i)]);
    return sum;
}

}  // namespace

bool DiceRoll::Meets(Compare compare, RollValue value, RollValue target) {
    switch (compare) {
        case Compare::AtLeast:
            return value >= target;
        case Compare::Above:
            return value > target;
        case Compare::AtMost:
            return value <= target;
        case Compare::Below:
            return value < target;
        case Compare::Equal:
            return value == target;
        case Compare::NotEqual:
            return value != target;
        case Compare::None:
            break;
    }
    return true;
}

std::optional<RollErrorKind> DiceRoll::Arithmetic(Op op, RollValue x, RollValue y, RollValue& r) {
    bool overflow = false;
    switch (op) {
        case Op::Negate:
            overflow = __builtin_sub_overflow(RollValue{0}, x, &r);
            break;
        case Op::Add:
            overflow = __builtin_add_overflow(x, y, &r);
            break;
        case Op::Subtract:
            overflow = __builtin_sub_overflow(x, y, &r);
            break;
        case Op::Multiply:
            overflow = __builtin_mul_overflow(x, y, &r);
            break;
        case Op::Divide:
        case Op::Remainder:
            if (y == 0) return RollErrorKind::DivisionByZero;
            if (x == Least && y == -1) {
                overflow = op == Op::Divide;
                r = 0;
            } else {
                r = op == Op::Divide ? FloorDivide(x, y) : RemainderOf(x, y);
            }
            break;
        case Op::Power:
            if (!PowerOf(x, y, r))
                return y < 0 ? RollErrorKind::DivisionByZero : RollErrorKind::Overflow;
            break;
        case Op::Number:
        case Op::Dice:
        case Op::Group:
            break;
    }
    if (overflow) return RollErrorKind::Overflow;
    return std::nullopt;
}

RollValue DiceRoll::RemainderOf(RollValue a, RollValue b) {
    if (b == -1) return 0;  // Least % -1 would trap
    const RollValue r = a % b;
    return r != 0 && ((r < 0) != (b < 0)) ? r + b : r;
}

bool DiceRoll::PowerOf(RollValue base, RollValue exponent, RollValue& out) {
    if (base == 0) {
        if (exponent < 0) return false;
        out = exponent == 0 ? 1 : 0;
    } else if (base == 1) {
        out = 1;
    } else if (base == -1) {
        out = exponent % 2 == 0 ? 1 : -1;
    } else if (exponent < 0) {
        out = base > 0 || exponent % 2 == 0 ? 0 : -1;  // 1 / base^n rounded down
    } else {
        // |base| >= 2 overflows within 64 steps.
        out = 1;
        for (RollValue e = 0; e < exponent; ++e)
            if (__builtin_mul_overflow(out, base, &out)) return false;
    }
    return true;
}

RollBounds DiceRoll::Bounds(int index) const {
    if (index < 0 || index >= Count()) return {};
    const Part& part = parts_[static_cast<std::size_t>(index)];
    // The part's nodes only, from its first.
    std::vector<RollBounds> b(static_cast<std::size_t>(part.endNode - part.firstNode));
    const auto at = [&b, &part](int node) -> RollBounds& {
        return b[static_cast<std::size_t>(node - part.firstNode)];
    };
    for (int i = part.firstNode; i < part.endNode; ++i) {
        const Node& n = nodes_[static_cast<std::size_t>(i)];
        const RollBounds x = n.a >= 0 ? at(n.a) : RollBounds{};
        const RollBounds y = n.b >= 0 ? at(n.b) : RollBounds{};
        RollBounds& r = at(i);
        switch (n.op) {
            case Op::Number:
                r = {n.value, n.value};
                break;
            case Op::Negate:
                r = {SatSub(0, x.max), SatSub(0, x.min)};
                break;
            case Op::Add:
                r = {SatAdd(x.min, y.min), SatAdd(x.max, y.max)};
                break;
            case Op::Subtract:
                r = {SatSub(x.min, y.max), SatSub(x.max, y.min)};
                break;
            case Op::Multiply: {
                const RollValue p[] = {SatMul(x.min, y.min), SatMul(x.min, y.max),
                                       SatMul(x.max, y.min), SatMul(x.max, y.max)};
                r = {*std::min_element(p, p + 4), *std::max_element(p, p + 4)};
                break;
            }
            case Op::Divide: {
                // Floor division is monotone in each operand on either side of a zero divisor,
                // so the extremes lie at the ends of those sides.
                r = {Most, Least};
                for (const RollValue d : {y.min, y.max, RollValue{1}, RollValue{-1}}) {
                    if (d == 0 || d < y.min || d > y.max) continue;
                    for (const RollValue v : {x.min, x.max}) {
                        r.min = std::min(r.min, SatDiv(v, d));
                        r.max = std::max(r.max, SatDiv(v, d));
                    }
                }
                if (r.min > r.max) r = {};  // always a division by zero
                break;
            }
            case Op::Remainder:
                r = RemainderBounds(x, y);
                break;
            case Op::Power:
                r = PowerBounds(x, y);
                break;
            case Op::Dice:
                r = TermBounds(terms_[static_cast<std::size_t>(n.value)]);
                break;
            case Op::Group: {
                const Group& g = groups_[static_cast<std::size_t>(n.value)];
                const auto count = static_cast<RollValue>(g.members.size());
                const RollValue kept = Kept(g.select, g.keep, count);
                std::vector<RollValue> lows, highs;
                RollValue must = 0, can = 0;
                const spans::Spans meets = spans::Of({g.compare, g.target});
                for (const int m : g.members) {
                    const RollBounds mb = at(m);
                    lows.push_back(mb.min);
                    highs.push_back(mb.max);
                    const spans::Spans range{{mb.min, mb.max}};
                    if (spans::Minus(range, meets).empty()) ++must;
                    if (!spans::Intersect(range, meets).empty()) ++can;
                }
                if (g.compare == Compare::None) {
                    const bool highest = KeepsHighest(g.select);
                    r = {SumOfKept(lows, kept, highest), SumOfKept(highs, kept, highest)};
                } else {
                    r = {std::max<RollValue>(must - (count - kept), 0), std::min(kept, can)};
                }
                break;
            }
        }
    }
    return at(part.endNode - 1);
}

RollValue RollDieFace(Random& rng, RollValue faces) {
    // One draw has 24 bits: a d1,000,000 would get 16 or 17 of them a face, 6 % apart. Two
    // draws make 48 bits, and the face is floor(bits * faces / 2^48), worked out exactly in
    // 64-bit integers (a double's 53 bits would round bits * faces): every face then owns
    // floor or ceil of 2^48 / faces of the draws.
    const auto high = static_cast<std::uint64_t>(rng.Rnd() * 16777216.0f);
    const auto low = static_cast<std::uint64_t>(rng.Rnd() * 16777216.0f);
    const auto f = static_cast<std::uint64_t>(faces);
    return static_cast<RollValue>((high * f + ((low * f) >> 24)) >> 24) + 1;
}

namespace {

// One die: thrown, rerolled as the term asks (each rerolled die shown in `shown` when given),
// clamped. False when the dice limit is reached.
bool ThrowDie(const DiceRoll::Term& t, Random& rng, int& diceLeft, std::vector<RollDie>* shown,
              RollDie& die) {
    const RollValue sides = t.faces == 0 ? 3 : t.faces;
    for (bool first = true;; first = false) {
        if (diceLeft == 0) return false;
        --diceLeft;
        RollValue face = RollDieFace(rng, sides);
        if (t.faces == 0) face -= 2;
        RollValue value = face;
        if (t.clampLow) value = std::max(value, *t.clampLow);
        if (t.clampHigh) value = std::min(value, *t.clampHigh);
        die = RollDie{};
        die.face = value;
        die.altered = value != face;
        const bool again = t.reroll != DiceRoll::Reroll::None &&
                           (first || t.reroll == DiceRoll::Reroll::Always) &&
                           Meets(t.rerollAt, face);
        if (!again) return true;
        // Rerolled on its face as thrown, and shown so.
        die.face = face;
        die.altered = false;
        die.rerolled = true;
        if (shown != nullptr) shown->push_back(die);
    }
}

// Throws one term into `out`: its value, or the error that stopped it.
std::optional<RollErrorKind> ThrowTerm(const DiceRoll::Term& t, Random& rng, int& diceLeft,
                                       RolledTerm& out, RollValue& value) {
    using X = DiceRoll::Explode;
    out.faces = t.faces;
    out.after = t.written;
    auto& dice = out.dice;
    RollDie die;
    for (RollValue k = 0; k < t.count; ++k) {
        if (!ThrowDie(t, rng, diceLeft, &dice, die)) return RollErrorKind::TooManyDice;
        if (t.explosion == X::Compound) {
            for (RollValue last = die.face; Meets(t.explodeAt, last);) {
                RollDie more;
                if (!ThrowDie(t, rng, diceLeft, nullptr, more)) return RollErrorKind::TooManyDice;
                if (__builtin_add_overflow(die.face, more.face, &die.face))
                    return RollErrorKind::Overflow;
                ++die.compounded;
                die.exploded = die.altered = true;
                last = more.face;
            }
            dice.push_back(die);
            continue;
        }
        for (;;) {
            // A die added by !p explodes on its face before the one it loses.
            const RollValue judged = die.penetrated ? die.face + 1 : die.face;
            die.exploded = t.explode && Meets(t.explodeAt, judged);
            dice.push_back(die);
            if (!die.exploded) break;
            if (!ThrowDie(t, rng, diceLeft, &dice, die)) return RollErrorKind::TooManyDice;
            if (t.explosion == X::Penetrate) {
                die.face -= 1;
                die.penetrated = die.altered = true;
            }
        }
    }
    // Keep or drop among the dice that count: lowest first, among equal faces the first thrown.
    const auto n = static_cast<RollValue>(
        std::count_if(dice.begin(), dice.end(), [](const RollDie& d) { return !d.rerolled; }));
    const RollValue drop = n - Kept(t, n);
    if (drop > 0) {
        std::vector<std::size_t> order;
        order.reserve(dice.size());
        for (std::size_t i = 0; i < dice.size(); ++i)
            if (!dice[i].rerolled) order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&dice](std::size_t a, std::size_t b) {
            return dice[a].face < dice[b].face;
        });
        const bool lowest = KeepsHighest(t.select);
        for (RollValue k = 0; k < drop; ++k)
            dice[order[static_cast<std::size_t>(lowest ? k : n - 1 - k)]].dropped = true;
    }
    value = 0;
    RollValue successes = 0, failures = 0;
    for (RollDie& d : dice) {
        if (d.rerolled) continue;
        d.critical = t.criticalAt.compare != DiceRoll::Compare::None && Meets(t.criticalAt, d.face);
        d.fumble = t.fumbleAt.compare != DiceRoll::Compare::None && Meets(t.fumbleAt, d.face);
        if (d.dropped) continue;
        if (t.compare == DiceRoll::Compare::None) {
            if (__builtin_add_overflow(value, d.face, &value)) return RollErrorKind::Overflow;
        } else if (DiceRoll::Meets(t.compare, d.face, t.target)) {
            ++successes;
        } else if (t.failAt.compare != DiceRoll::Compare::None && Meets(t.failAt, d.face)) {
            ++failures;
        }
    }
    if (t.compare != DiceRoll::Compare::None) {
        value = successes - failures;
        if (t.failAt.compare != DiceRoll::Compare::None) {
            out.successes = successes;
            out.failures = failures;
        }
    }
    if (t.sort != DiceRoll::Sort::None) {
        // Each die moves with the rerolled dice it replaced: units [begin, end) of the dice.
        std::vector<std::pair<std::size_t, std::size_t>> units;
        for (std::size_t i = 0, begin = 0; i < dice.size(); ++i)
            if (!dice[i].rerolled) {
                units.emplace_back(begin, i + 1);
                begin = i + 1;
            }
        const bool down = t.sort == DiceRoll::Sort::Descending;
        std::stable_sort(units.begin(), units.end(), [&dice, down](const auto& a, const auto& b) {
            const RollValue x = dice[a.second - 1].face, y = dice[b.second - 1].face;
            return down ? x > y : x < y;
        });
        std::vector<RollDie> sorted;
        sorted.reserve(dice.size());
        for (const auto& [begin, end] : units)
            sorted.insert(sorted.end(), dice.begin() + static_cast<std::ptrdiff_t>(begin),
                          dice.begin() + static_cast<std::ptrdiff_t>(end));
        dice.swap(sorted);
    }
    return std::nullopt;
}

}  // namespace

RollOutcome DiceRoll::Throw(Random& rng) const {
    RollOutcome out;
    if (error_) {
        out.error = error_;
        return out;
    }
    out.note = note_;
    std::vector<RollValue> v(nodes_.size());
    int diceLeft = RollLimits::Dice;
    for (const Part& part : parts_) {
        RolledPart rolled{part.text, part.label, part.details, {}, {}, 0};
        rolled.groups.resize(static_cast<std::size_t>(part.endGroup - part.firstGroup));
        for (int i = part.firstNode; i < part.endNode; ++i) {
            const Node& n = nodes_[static_cast<std::size_t>(i)];
            const RollValue x = n.a >= 0 ? v[static_cast<std::size_t>(n.a)] : 0;
            const RollValue y = n.b >= 0 ? v[static_cast<std::size_t>(n.b)] : 0;
            RollValue& r = v[static_cast<std::size_t>(i)];
            bool overflow = false;
            switch (n.op) {
                case Op::Number:
                    r = n.value;
                    break;
                case Op::Negate:
                case Op::Add:
                case Op::Subtract:
                case Op::Multiply:
                case Op::Divide:
                case Op::Remainder:
                case Op::Power:
                    if (const auto failed = Arithmetic(n.op, x, y, r)) {
                        out.error = RollError{*failed, n.column};
                        return out;
                    }
                    break;
                case Op::Dice:
                    rolled.terms.emplace_back();
                    if (const auto failed = ThrowTerm(terms_[static_cast<std::size_t>(n.value)],
                                                      rng, diceLeft, rolled.terms.back(), r)) {
                        out.error = RollError{*failed, n.column};
                        return out;
                    }
                    break;
                case Op::Group: {
                    const Group& g = groups_[static_cast<std::size_t>(n.value)];
                    RolledGroup& shown =
                        rolled.groups[static_cast<std::size_t>(n.value - part.firstGroup)];
                    const auto count = static_cast<RollValue>(g.members.size());
                    shown.dropped.assign(g.members.size(), false);
                    std::vector<std::size_t> order(g.members.size());
                    std::iota(order.begin(), order.end(), std::size_t{0});
                    const auto total = [&](std::size_t m) {
                        return v[static_cast<std::size_t>(g.members[m])];
                    };
                    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
                        return total(a) < total(b);
                    });
                    const RollValue drop = count - Kept(g.select, g.keep, count);
                    const bool lowest = KeepsHighest(g.select);
                    for (RollValue k = 0; k < drop; ++k)
                        shown.dropped[order[static_cast<std::size_t>(lowest ? k : count - 1 - k)]] =
                            true;
                    r = 0;
                    for (std::size_t m = 0; m < g.members.size() && !overflow; ++m) {
                        if (shown.dropped[m]) continue;
                        if (g.compare == Compare::None) {
                            overflow = __builtin_add_overflow(r, total(m), &r);
                        } else if (Meets(g.compare, total(m), g.target)) {
                            ++r;
                        }
                    }
                    break;
                }
            }
            if (overflow) {
                out.error = RollError{RollErrorKind::Overflow, n.column};
                return out;
            }
        }
        rolled.total = v[static_cast<std::size_t>(part.endNode - 1)];
        out.parts.push_back(std::move(rolled));
    }
    return out;
}

namespace {

std::string Escaped(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '&') {
            out += "&amp;";
        } else {
            out += c;
        }
    }
    return out;
}

// `format` with %1 and %2 replaced.
std::string Worded(std::string format, const std::string& one, const std::string& two = {}) {
    for (const auto& [mark, by] : {std::pair{"%1", &one}, std::pair{"%2", &two}}) {
        const auto at = format.find(mark);
        if (at != std::string::npos) format.replace(at, 2, *by);
    }
    return format;
}

std::string Term(const RolledTerm& t, const RollWords& words, bool markup) {
    RollValue low = Most, high = Least;
    for (const RollDie& d : t.dice) {
        if (d.dropped || d.rerolled) continue;
        low = std::min(low, d.face);
        high = std::max(high, d.face);
    }
    const bool marked = markup && low < high;
    const auto text = [markup](const std::string& s) { return markup ? Escaped(s) : s; };
    std::string out = "[";
    for (std::size_t k = 0; k < t.dice.size(); ++k) {
        const RollDie& d = t.dice[k];
        if (k > 0) out += ", ";
        // Appended rather than "+" + to_string(): GCC 12 at -O3 warns falsely (-Wrestrict) on that.
        std::string face = t.faces == 0 && d.face > 0 ? "+" : "";
        face += std::to_string(d.face);
        const bool penetrates = k + 1 < t.dice.size() && t.dice[k + 1].penetrated;
        if (d.rerolled) {
            face += 'r';
        } else if (d.compounded > 0) {
            face += "!!";
        } else if (d.exploded) {
            face += penetrates ? "!p" : "!";
        }
        if (d.dropped || d.rerolled) {
            out += markup ? "<s>" + face + "</s>" : d.dropped ? "~" + face + "~" : face;
            continue;
        }
        if (markup && (d.compounded > 0 || d.penetrated)) face = "<i>" + face + "</i>";
        if (marked && d.face == high) {
            face = "<b>" + face + "</b>";
        } else if (marked && d.face == low) {
            face = "<u>" + face + "</u>";
        }
        out += face;
        if (t.faces == 20 && !d.altered && (d.face == 20 || d.face == 1)) {
            out += " (" + text(d.face == 20 ? words.natural20 : words.natural1) + ")";
        } else if (d.critical || d.fumble) {
            const std::string word =
                text(Worded(d.critical ? words.critical : words.fumble, std::to_string(d.face)));
            out += markup ? " (<i>" + word + "</i>)" : " (" + word + ")";
        }
    }
    out += "]" + text(t.after);
    if (t.successes >= 0)
        out += " (" +
               text(Worded(words.counts, std::to_string(t.successes), std::to_string(t.failures))) +
               ")";
    return out;
}

// A roll's dice and numbers as written, "[14] + 7".
std::string Details(const RolledPart& part, const RollWords& words, bool markup) {
    std::string out;
    for (const RolledPart::Piece& piece : part.details) {
        if (piece.term >= 0) {
            out += Term(part.terms[static_cast<std::size_t>(piece.term)], words, markup);
        } else if (piece.group >= 0) {
            const auto& dropped = part.groups[static_cast<std::size_t>(piece.group)].dropped;
            if (static_cast<std::size_t>(piece.member) < dropped.size() &&
                dropped[static_cast<std::size_t>(piece.member)])
                out += markup ? (piece.ends ? "</s>" : "<s>") : "~";
        } else {
            out += markup ? Escaped(piece.text) : piece.text;
        }
    }
    return out;
}

std::string Line(const RollOutcome& outcome, const RollWords& words, bool markup) {
    std::string out;
    const auto text = [markup](const std::string& s) { return markup ? Escaped(s) : s; };
    for (const RolledPart& part : outcome.parts) {
        if (!out.empty()) out += "; ";
        out += text(part.label.empty() ? part.text : part.label) + ": " +
               Details(part, words, markup) + " = " + std::to_string(part.total);
    }
    if (!outcome.note.empty()) out += " # " + text(outcome.note);
    return out;
}

}  // namespace

std::string EscapedControls(std::string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (u < 0x20 || u == 0x7f) {
            out += "\\x";
            out += Hex[u >> 4];
            out += Hex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::string RollLine(const RollOutcome& outcome, const RollWords& words) {
    return Line(outcome, words, false);
}

std::string RollLineMarkup(const RollOutcome& outcome, const RollWords& words) {
    return "<nobr>" + Line(outcome, words, true) + "</nobr>";
}

RollLines RollLinesOf(const RollOutcome& outcome, const RollWords& words) {
    RollLines lines{RollLine(outcome, words), RollLineMarkup(outcome, words), {}, {}, {}};
    for (const RolledPart& part : outcome.parts) {
        if (&part != &outcome.parts.front()) {
            lines.roll += ", ";
            lines.dice += "; ";
            lines.total += " / ";
        }
        lines.roll += part.text;
        lines.dice += Details(part, words, false);
        lines.total += std::to_string(part.total);
    }
    return lines;
}

}  // namespace rollkin
