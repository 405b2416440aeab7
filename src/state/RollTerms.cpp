#include "state/RollParser.h"
#include "state/RollSpans.h"

// A dice term and its modifiers: keep and drop, counts, explosions, rerolls, clamps, marks.
namespace rollkin {

int RollParser::DiceTerm(std::size_t start, RollValue count, int depth) {
    DiceRoll::Term term;
    term.count = count;
    diceWritten_ += count;
    if (diceWritten_ > RollLimits::Dice) return Fail(RollErrorKind::TooManyDice, start);
    ++pos_;  // the d
    Skip();
    const char f = Peek();
    if (f == '%') {
        term.faces = 100;
        ++pos_;
    } else if (f == 'F' || f == 'f') {
        term.faces = 0;
        ++pos_;
    } else if (IsDigit(f)) {
        const std::size_t at = pos_;
        if (!Digits(term.faces, RollLimits::Faces))
            return Fail(RollErrorKind::NumberTooLarge, at, RollExpected::Nothing,
                        RollLimits::Faces);
        if (term.faces == 0) return Fail(RollErrorKind::NoFaces, at);
    } else if (f == '(') {
        const std::size_t at = pos_;
        const DetailsMark details = Mark();
        const int first = static_cast<int>(roll_.nodes_.size());
        const int node = Parenthesis(depth);
        if (node < 0 || !Constant(first, node, term.faces)) return -1;
        roll_.nodes_.resize(static_cast<std::size_t>(first));
        Restore(details);
        if (term.faces > RollLimits::Faces)
            return Fail(RollErrorKind::NumberTooLarge, at, RollExpected::Nothing,
                        RollLimits::Faces);
        if (term.faces <= 0) return Fail(RollErrorKind::NoFaces, at);
    } else {
        return Fail(RollErrorKind::Syntax, pos_, RollExpected::Faces);
    }
    if (!Modifiers(term)) return -1;
    auto& part = roll_.parts_.back();
    const int local = static_cast<int>(roll_.terms_.size()) - part.firstTerm;
    part.details.push_back({{}, local});
    roll_.terms_.push_back(std::move(term));
    return Add(Op::Dice, start, -1, -1, static_cast<RollValue>(roll_.terms_.size()) - 1);
}

// The modifiers after a term, in any order, each once; see DiceRoll::Term.
bool RollParser::Modifiers(DiceRoll::Term& term) {
    std::size_t explodeAt = 0, rerollAt = 0;
    bool selected = false, clampedLow = false, clampedHigh = false, sorted = false;
    bool critical = false, fumble = false;
    const RollValue lowest = term.faces == 0 ? -1 : 1;
    const RollValue highest = term.faces == 0 ? 1 : term.faces;
    for (;;) {
        const std::size_t end = pos_;
        Skip();
        const std::size_t at = pos_;
        const char c = Lower(Peek());
        const char next = Lower(At(1));
        if (c == '!' && explodeAt == 0) {
            explodeAt = ++pos_;
            term.explode = true;
            term.explosion = DiceRoll::Explode::Each;
            if (Peek() == '!') {
                term.explosion = DiceRoll::Explode::Compound;
                ++pos_;
            } else if (Lower(Peek()) == 'p') {
                term.explosion = DiceRoll::Explode::Penetrate;
                ++pos_;
            }
            term.explodeAt = {DiceRoll::Compare::Equal, highest};
            if (!PointAfter(term.explodeAt)) return false;
        } else if (c == 'r' && rerollAt == 0) {
            rerollAt = ++pos_;
            term.reroll = DiceRoll::Reroll::Always;
            if (Lower(Peek()) == 'o') {
                term.reroll = DiceRoll::Reroll::Once;
                ++pos_;
            }
            term.rerollAt = {DiceRoll::Compare::Equal, lowest};
            if (!PointAfter(term.rerollAt)) return false;
        } else if ((c == 'k' || (c == 'd' && (next == 'h' || next == 'l'))) && !selected) {
            if (!Selection(term)) return false;
            selected = true;
        } else if (c == 'd' && at == end && !selected) {
            // Written against the term, "2d6d1" is most likely a drop without its side.
            return Refuse(RollErrorKind::Syntax, pos_ + 1, RollExpected::HighOrLow);
        } else if (c == 'm' && ((next == 'i' && !clampedLow) || (next == 'a' && !clampedHigh))) {
            pos_ += 2;
            RollValue value;
            if (!Signed(value)) return false;
            if (next == 'i') {
                term.clampLow = value;
                clampedLow = true;
            } else {
                term.clampHigh = value;
                clampedHigh = true;
            }
        } else if (c == 'c' && ((next == 's' && !critical) || (next == 'f' && !fumble))) {
            pos_ += 2;
            Point& point = next == 's' ? term.criticalAt : term.fumbleAt;
            point = {DiceRoll::Compare::Equal, next == 's' ? highest : lowest};
            if (!PointAfter(point)) return false;
            (next == 's' ? critical : fumble) = true;
        } else if (c == 's' && !sorted) {
            ++pos_;
            term.sort = DiceRoll::Sort::Ascending;
            const char third = Lower(At(1));
            if (Lower(Peek()) == 'a') {
                ++pos_;
            } else if (Lower(Peek()) == 'd' && third != 'h' && third != 'l') {
                term.sort = DiceRoll::Sort::Descending;
                ++pos_;
            }
            sorted = true;
        } else if ((c == '>' || c == '<' || c == '=') && term.compare == DiceRoll::Compare::None) {
            if (!Comparison(term, false)) return false;
            term.written += std::string(text_.substr(at, pos_ - at));
        } else if (c == 'f' && term.compare != DiceRoll::Compare::None &&
                   term.failAt.compare == DiceRoll::Compare::None) {
            ++pos_;
            term.failAt = {DiceRoll::Compare::Equal, lowest};
            if (!PointAfter(term.failAt)) return false;
            term.written += std::string(text_.substr(at, pos_ - at));
        } else {
            pos_ = end;
            break;
        }
    }
    term.written.erase(std::remove(term.written.begin(), term.written.end(), ' '),
                       term.written.end());
    if (explodeAt > 0 && term.faces == 0)
        return Refuse(RollErrorKind::CannotExplode, explodeAt - 1);
    if (explodeAt == 0 && rerollAt == 0) return true;
    const spans::Spans values = spans::Values(term);
    if (values.empty()) return Refuse(RollErrorKind::AlwaysRerolls, rerollAt - 1);
    if (explodeAt > 0 && spans::Minus(values, spans::Of(term.explodeAt)).empty())
        return Refuse(
            term.faces == 1 ? RollErrorKind::CannotExplode : RollErrorKind::AlwaysExplodes,
            explodeAt - 1);
    return true;
}

// A compare point right after a modifier: >=T >T <=T <T =T <>T, or a bare number for =;
// `p` keeps its default when none is written.
bool RollParser::PointAfter(Point& p) {
    const char c = Peek();
    if (c == '>' || c == '<' || c == '=') {
        DiceRoll::Term t;
        if (!Comparison(t, false)) return false;
        p = {t.compare, t.target};
    } else if (IsDigit(c)) {  // not "-1": "3d6!-1" is three exploding d6 less one
        if (!Signed(p.target)) return false;
        p.compare = DiceRoll::Compare::Equal;
    }
    return true;
}

// An optional minus sign and digits, for clamps and compare points.
bool RollParser::Signed(RollValue& value) {
    Skip();
    const std::size_t at = pos_;
    const bool negative = Peek() == '-';
    if (negative) ++pos_;
    if (!IsDigit(Peek())) return Refuse(RollErrorKind::Syntax, pos_, RollExpected::Number);
    if (!Digits(value, Most))
        return Refuse(RollErrorKind::NumberTooLarge, at, RollExpected::Nothing, Most);
    if (negative) value = -value;
    return true;
}

bool RollParser::Selection(DiceRoll::Term& term) {
    Skip();
    const char c = Peek();
    const bool keep = c == 'k' || c == 'K';
    if (!keep && c != 'd' && c != 'D') return true;
    ++pos_;
    const char side = Peek();
    const bool high = side == 'h' || side == 'H';
    const bool low = side == 'l' || side == 'L';
    if (!keep && !high && !low) return Refuse(RollErrorKind::Syntax, pos_, RollExpected::HighOrLow);
    if (high || low) ++pos_;
    using S = DiceRoll::Select;
    term.select = keep ? (low ? S::KeepLow : S::KeepHigh) : (low ? S::DropLow : S::DropHigh);
    term.keep = 1;
    Skip();
    const std::size_t at = pos_;
    if (IsDigit(Peek()) && !Digits(term.keep, RollLimits::DiceInATerm))
        return Refuse(RollErrorKind::NumberTooLarge, at, RollExpected::Nothing,
                      RollLimits::DiceInATerm);
    return true;
}

bool RollParser::Comparison(DiceRoll::Term& term, bool skip) {
    using C = DiceRoll::Compare;
    if (skip) Skip();
    const char c = Peek();
    if (c != '>' && c != '<' && c != '=') return true;
    ++pos_;
    const bool orEqual = c != '=' && Peek() == '=';
    const bool notEqual = c == '<' && Peek() == '>';
    if (orEqual || notEqual) ++pos_;
    term.compare = c == '='   ? C::Equal
                   : notEqual ? C::NotEqual
                   : c == '>' ? (orEqual ? C::AtLeast : C::Above)
                              : (orEqual ? C::AtMost : C::Below);
    return Signed(term.target);
}

}  // namespace rollkin
