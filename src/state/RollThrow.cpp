#include <algorithm>
#include <numeric>

#include "state/Roll.h"

// Throwing a parsed roll: each term's dice, rerolled, exploded, kept or dropped, counted.
namespace rollkin {

namespace {

bool Meets(const DiceRoll::Point& p, RollValue face) {
    return DiceRoll::Meets(p.compare, face, p.target);
}

// One die: thrown, rerolled as the term asks (each rerolled die shown in `shown` when given),
// clamped. False when the dice limit is reached.
bool ThrowDie(const DiceRoll::Term& t, Random& rng, int& diceLeft, std::vector<RollDie>* shown,
              RollDie& die) {
    const RollValue sides = t.faces == 0 ? 3 : t.faces;
    for (bool first = true;; first = false) {
        if (diceLeft == 0) return false;
        --diceLeft;
        // Two draws: 24 bits would give the faces of a d1,000,000 shares 6 % apart.
        const float r = rng.Rnd();
        RollValue face = DieFace(sides, r, rng.Rnd());
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
    const RollValue drop = n - DiceRoll::Kept(t.select, t.keep, n);
    if (drop > 0) {
        std::vector<std::size_t> order;
        order.reserve(dice.size());
        for (std::size_t i = 0; i < dice.size(); ++i)
            if (!dice[i].rerolled) order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&dice](std::size_t a, std::size_t b) {
            return dice[a].face < dice[b].face;
        });
        const bool lowest = DiceRoll::KeepsHighest(t.select);
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
                default:
                    if (const auto failed = Arithmetic(n, x, y, r)) {
                        out.error = RollError{*failed, n.column};
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

}  // namespace rollkin
