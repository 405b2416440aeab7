#include "state/Roll.h"

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

bool Meets(DiceRoll::Compare compare, RollValue face, RollValue target) {
    using C = DiceRoll::Compare;
    switch (compare) {
        case C::AtLeast:
            return face >= target;
        case C::Above:
            return face > target;
        case C::AtMost:
            return face <= target;
        case C::Below:
            return face < target;
        case C::Equal:
            return face == target;
        case C::None:
            break;
    }
    return true;
}

// How many of n dice the selection keeps.
RollValue Kept(const DiceRoll::Term& t, RollValue n) {
    using S = DiceRoll::Select;
    switch (t.select) {
        case S::KeepHigh:
        case S::KeepLow:
            return std::min(t.keep, n);
        case S::DropHigh:
        case S::DropLow:
            return std::max<RollValue>(n - t.keep, 0);
        case S::All:
            break;
    }
    return n;
}

}  // namespace

RollBounds DiceRoll::Bounds(int index) const {
    if (index < 0 || index >= Count()) return {};
    const Part& part = parts_[static_cast<std::size_t>(index)];
    std::vector<RollBounds> b(nodes_.size());
    for (int i = part.firstNode; i < part.endNode; ++i) {
        const Node& n = nodes_[static_cast<std::size_t>(i)];
        const RollBounds x = n.a >= 0 ? b[static_cast<std::size_t>(n.a)] : RollBounds{};
        const RollBounds y = n.b >= 0 ? b[static_cast<std::size_t>(n.b)] : RollBounds{};
        RollBounds& r = b[static_cast<std::size_t>(i)];
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
            case Op::Dice: {
                const Term& t = terms_[static_cast<std::size_t>(n.value)];
                // Explosions can add dice up to the limit on all of them.
                const RollValue few = Kept(t, t.count);
                const RollValue many = Kept(t, t.explode ? RollLimits::Dice : t.count);
                const RollValue low = t.faces == 0 ? -1 : 1;
                const RollValue high = t.faces == 0 ? 1 : t.faces;
                if (t.compare == Compare::None) {
                    r = {std::min(few * low, many * low), std::max(few * high, many * high)};
                } else {
                    bool all = true, none = true;
                    // Every face between low and high meets the target when both ends do, as
                    // long as the test is one-sided; = is decided by the ends too.
                    const bool lowMeets = Meets(t.compare, low, t.target);
                    const bool highMeets = Meets(t.compare, high, t.target);
                    if (t.compare == Compare::Equal) {
                        all = low == high && lowMeets;
                        none = t.target < low || t.target > high;
                    } else {
                        all = lowMeets && highMeets;
                        none = !lowMeets && !highMeets;
                    }
                    r = {all ? few : 0, none ? 0 : many};
                }
                break;
            }
        }
    }
    return b[static_cast<std::size_t>(part.endNode - 1)];
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

// Throws one term into `out`; false when a die would pass the limit on dice.
bool ThrowTerm(const DiceRoll::Term& t, Random& rng, int& diceLeft, RolledTerm& out,
               RollValue& value) {
    out.faces = t.faces;
    const RollValue sides = t.faces == 0 ? 3 : t.faces;
    auto& dice = out.dice;
    for (RollValue k = 0; k < t.count; ++k) {
        do {
            if (diceLeft == 0) return false;
            --diceLeft;
            RollDie die;
            die.face = RollDieFace(rng, sides);
            die.exploded = t.explode && die.face == sides;
            if (t.faces == 0) die.face -= 2;
            dice.push_back(die);
        } while (dice.back().exploded);
    }
    const auto n = static_cast<RollValue>(dice.size());
    const RollValue drop = n - Kept(t, n);
    if (drop > 0) {
        // Lowest first; among equal faces the first thrown first.
        std::vector<std::size_t> order(dice.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(), [&dice](std::size_t a, std::size_t b) {
            return dice[a].face < dice[b].face;
        });
        using S = DiceRoll::Select;
        const bool lowest = t.select == S::KeepHigh || t.select == S::DropLow;
        for (RollValue k = 0; k < drop; ++k)
            dice[order[static_cast<std::size_t>(lowest ? k : n - 1 - k)]].dropped = true;
    }
    value = 0;
    for (const RollDie& d : dice)
        if (!d.dropped)
            value += t.compare == DiceRoll::Compare::None ? d.face
                     : Meets(t.compare, d.face, t.target) ? 1
                                                          : 0;
    return true;
}

}  // namespace

RollOutcome DiceRoll::Throw(Random& rng) const {
    RollOutcome out;
    if (error_) {
        out.error = error_;
        return out;
    }
    std::vector<RollValue> v(nodes_.size());
    int diceLeft = RollLimits::Dice;
    for (const Part& part : parts_) {
        RolledPart rolled{part.text, part.details, {}, 0};
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
                    if (y == 0) {
                        out.error = RollError{RollErrorKind::DivisionByZero, n.column};
                        return out;
                    }
                    overflow = x == Least && y == -1;
                    if (!overflow) r = FloorDivide(x, y);
                    break;
                case Op::Dice:
                    rolled.terms.emplace_back();
                    if (!ThrowTerm(terms_[static_cast<std::size_t>(n.value)], rng, diceLeft,
                                   rolled.terms.back(), r)) {
                        out.error = RollError{RollErrorKind::TooManyDice, n.column};
                        return out;
                    }
                    break;
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

std::string Term(const RolledTerm& t, const RollWords& words, bool markup) {
    RollValue low = Most, high = Least;
    for (const RollDie& d : t.dice) {
        if (d.dropped) continue;
        low = std::min(low, d.face);
        high = std::max(high, d.face);
    }
    const bool marked = markup && low < high;
    std::string out = "[";
    for (std::size_t k = 0; k < t.dice.size(); ++k) {
        const RollDie& d = t.dice[k];
        if (k > 0) out += ", ";
        // Appended rather than "+" + to_string(): GCC 12 at -O3 warns falsely (-Wrestrict) on that.
        std::string face = t.faces == 0 && d.face > 0 ? "+" : "";
        face += std::to_string(d.face);
        if (d.exploded) face += '!';
        if (d.dropped) {
            out += markup ? "<s>" + face + "</s>" : "~" + face + "~";
            continue;
        }
        if (marked && d.face == high) {
            face = "<b>" + face + "</b>";
        } else if (marked && d.face == low) {
            face = "<u>" + face + "</u>";
        }
        out += face;
        if (t.faces == 20 && (d.face == 20 || d.face == 1)) {
            const std::string& word = d.face == 20 ? words.natural20 : words.natural1;
            out += " (" + (markup ? Escaped(word) : word) + ")";
        }
    }
    return out + "]";
}

// A roll's dice and numbers as written, "[14] + 7".
std::string Details(const RolledPart& part, const RollWords& words, bool markup) {
    std::string out;
    for (const RolledPart::Piece& piece : part.details) {
        if (piece.term >= 0) {
            out += Term(part.terms[static_cast<std::size_t>(piece.term)], words, markup);
        } else {
            out += markup ? Escaped(piece.text) : piece.text;
        }
    }
    return out;
}

std::string Line(const RollOutcome& outcome, const RollWords& words, bool markup) {
    std::string out;
    for (const RolledPart& part : outcome.parts) {
        if (!out.empty()) out += "; ";
        out += (markup ? Escaped(part.text) : part.text) + ": " + Details(part, words, markup) +
               " = " + std::to_string(part.total);
    }
    return out;
}

}  // namespace

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
