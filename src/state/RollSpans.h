#pragma once

#include <algorithm>
#include <limits>
#include <vector>

#include "state/Roll.h"

// Sets of die values as sorted, disjoint ranges: what a term's dice can show once rerolled and
// clamped, and which of those meet a compare point. Shared by the parser, which refuses a
// reroll or an explosion that would never end, and by the bounds.
namespace rollkin::spans {

constexpr RollValue Most = std::numeric_limits<RollValue>::max();
constexpr RollValue Least = std::numeric_limits<RollValue>::min();

struct Span {
    RollValue lo, hi;
};
using Spans = std::vector<Span>;

inline Spans Of(const DiceRoll::Point& p) {
    using C = DiceRoll::Compare;
    const RollValue t = p.target;
    switch (p.compare) {
        case C::AtLeast:
            return {{t, Most}};
        case C::Above:
            return t == Most ? Spans{} : Spans{{t + 1, Most}};
        case C::AtMost:
            return {{Least, t}};
        case C::Below:
            return t == Least ? Spans{} : Spans{{Least, t - 1}};
        case C::Equal:
            return {{t, t}};
        case C::NotEqual: {
            Spans s;
            if (t != Least) s.push_back({Least, t - 1});
            if (t != Most) s.push_back({t + 1, Most});
            return s;
        }
        case C::None:
            break;
    }
    return {{Least, Most}};
}

inline Spans Intersect(const Spans& a, const Spans& b) {
    Spans out;
    for (const Span& x : a)
        for (const Span& y : b) {
            const RollValue lo = std::max(x.lo, y.lo), hi = std::min(x.hi, y.hi);
            if (lo <= hi) out.push_back({lo, hi});
        }
    std::sort(out.begin(), out.end(), [](const Span& x, const Span& y) { return x.lo < y.lo; });
    return out;
}

inline Spans Complement(const Spans& a) {
    Spans out;
    RollValue from = Least;
    bool open = true;  // whether values from `from` on are still to be placed
    for (const Span& x : a) {
        if (x.lo > from) out.push_back({from, x.lo - 1});
        if (x.hi == Most) {
            open = false;
            break;
        }
        from = x.hi + 1;
    }
    if (open) out.push_back({from, Most});
    return out;
}

inline Spans Minus(const Spans& a, const Spans& b) {
    return Intersect(a, Complement(b));
}

// Each value v becomes min(max(v, low), high); ranges that meet are joined.
inline Spans Clamped(const Spans& a, const std::optional<RollValue>& low,
                     const std::optional<RollValue>& high) {
    const auto clamp = [&](RollValue v) {
        if (low) v = std::max(v, *low);
        if (high) v = std::min(v, *high);
        return v;
    };
    Spans out;
    for (const Span& x : a) {
        const Span y{clamp(x.lo), clamp(x.hi)};
        if (!out.empty() && y.lo <= out.back().hi) {
            out.back().hi = std::max(out.back().hi, y.hi);
        } else {
            out.push_back(y);
        }
    }
    return out;
}

// The values a die of the term can show: its faces less those `r` always rerolls, clamped.
inline Spans Values(const DiceRoll::Term& t) {
    Spans faces{t.faces == 0 ? Span{-1, 1} : Span{1, t.faces}};
    if (t.reroll == DiceRoll::Reroll::Always) faces = Minus(faces, Of(t.rerollAt));
    return Clamped(faces, t.clampLow, t.clampHigh);
}

}  // namespace rollkin::spans
