#include "state/Roll.h"

#include "state/RollSpans.h"

#include <algorithm>
#include <limits>

// A parsed roll's arithmetic and the least and most each roll can give; the throw is in
// RollThrow.cpp, the line in RollLine.cpp, the parser in RollParser.cpp and RollTerms.cpp.
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
    const RollValue few = DiceRoll::Kept(t.select, t.keep, t.count),
                    many = DiceRoll::Kept(t.select, t.keep, dice);
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

std::optional<RollErrorKind> DiceRoll::Arithmetic(const Node& n, RollValue x, RollValue y,
                                                  RollValue& r) {
    const Op op = n.op;
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
            r = n.value;
            break;
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

RollValue DiceRoll::Kept(Select select, RollValue keep, RollValue n) {
    switch (select) {
        case Select::KeepHigh:
        case Select::KeepLow:
            return std::min(keep, n);
        case Select::DropHigh:
        case Select::DropLow:
            return std::max<RollValue>(n - keep, 0);
        case Select::All:
            break;
    }
    return n;
}

bool DiceRoll::KeepsHighest(Select select) {
    return select == Select::KeepHigh || select == Select::DropLow;
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

}  // namespace rollkin
