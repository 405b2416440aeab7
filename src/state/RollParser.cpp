#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "state/Roll.h"

namespace rollkin {

namespace {

constexpr RollValue Most = std::numeric_limits<RollValue>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

}  // namespace

// Recursive descent over the text, one roll after another; nodes are made children first, so
// the nodes of a roll in order are also the order to throw them in.
class RollParser {
public:
    RollParser(DiceRoll& roll, std::string_view text) : roll_(roll), text_(text) {}

    void Run() {
        std::size_t characters = 0;
        for (const char c : text_)
            if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++characters;
        if (characters > RollLimits::Characters) {
            roll_.error_ = RollError{RollErrorKind::TooLong, RollLimits::Characters + 1};
            return;
        }
        for (;;) {
            const std::size_t start = pos_;
            DiceRoll::Part part;
            part.firstNode = static_cast<int>(roll_.nodes_.size());
            part.firstTerm = static_cast<int>(roll_.terms_.size());
            roll_.parts_.push_back(std::move(part));
            if (Sum(0) < 0) break;
            Skip();
            DiceRoll::Part& done = roll_.parts_.back();
            done.text = Trimmed(text_.substr(start, pos_ - start));
            done.endNode = static_cast<int>(roll_.nodes_.size());
            done.endTerm = static_cast<int>(roll_.terms_.size());
            if (pos_ == text_.size()) return;
            if (text_[pos_] != ',') {
                Fail(RollErrorKind::Syntax, pos_, RollExpected::OperatorOrEnd);
                break;
            }
            if (roll_.parts_.size() == RollLimits::Rolls) {
                Fail(RollErrorKind::TooManyRolls, pos_);
                break;
            }
            ++pos_;
        }
        roll_.parts_.clear();
        roll_.nodes_.clear();
        roll_.terms_.clear();
    }

private:
    int Fail(RollErrorKind kind, std::size_t at, RollExpected expected = RollExpected::Nothing,
             RollValue limit = 0) {
        if (!roll_.error_) roll_.error_ = RollError{kind, Column(at), expected, limit};
        return -1;
    }

    bool Refuse(RollErrorKind kind, std::size_t at, RollExpected expected = RollExpected::Nothing,
                RollValue limit = 0) {
        Fail(kind, at, expected, limit);
        return false;
    }

    // The parser takes nothing but ASCII, so every byte before a position it reached is one
    // character.
    static int Column(std::size_t at) { return static_cast<int>(at) + 1; }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void Skip() {
        while (Peek() == ' ' || Peek() == '\t')
            ++pos_;
    }

    // Text between the dice terms of the roll's details.
    void Emit(std::string_view s) {
        auto& details = roll_.parts_.back().details;
        if (details.empty() || details.back().term >= 0) details.push_back({});
        details.back().text += s;
    }

    int Add(DiceRoll::Op op, std::size_t at, int a, int b = -1, RollValue value = 0) {
        roll_.nodes_.push_back({op, Column(at), a, b, value});
        return static_cast<int>(roll_.nodes_.size()) - 1;
    }

    // Digits at pos_, as many as there are; false when they are past `limit`.
    bool Digits(RollValue& value, RollValue limit) {
        value = 0;
        bool fits = true;
        while (IsDigit(Peek())) {
            const RollValue digit = text_[pos_++] - '0';
            if (fits && (__builtin_mul_overflow(value, 10, &value) ||
                         __builtin_add_overflow(value, digit, &value) || value > limit))
                fits = false;
        }
        return fits;
    }

    // One level of precedence: next, then any number of `first` or `second` and next again.
    int Chain(int depth, char first, char second, DiceRoll::Op onFirst, DiceRoll::Op onSecond,
              int (RollParser::*next)(int)) {
        int left = (this->*next)(depth);
        for (;;) {
            if (left < 0) return -1;
            Skip();
            const char c = Peek();
            if (c != first && c != second) return left;
            const std::size_t at = pos_++;
            Emit(std::string{' ', c, ' '});
            const int right = (this->*next)(depth);
            if (right < 0) return -1;
            left = Add(c == first ? onFirst : onSecond, at, left, right);
        }
    }

    int Sum(int depth) {
        return Chain(depth, '+', '-', DiceRoll::Op::Add, DiceRoll::Op::Subtract,
                     &RollParser::Product);
    }

    int Product(int depth) {
        return Chain(depth, '*', '/', DiceRoll::Op::Multiply, DiceRoll::Op::Divide,
                     &RollParser::Unary);
    }

    // Minus signs in a loop, so that a long run of them cannot deepen the recursion.
    int Unary(int depth) {
        std::vector<std::size_t> minus;
        for (Skip(); Peek() == '-'; Skip()) {
            minus.push_back(pos_++);
            Emit("-");
        }
        int node = Primary(depth);
        for (auto at = minus.rbegin(); node >= 0 && at != minus.rend(); ++at)
            node = Add(DiceRoll::Op::Negate, *at, node);
        return node;
    }

    int Primary(int depth) {
        Skip();
        const std::size_t start = pos_;
        const char c = Peek();
        if (c == '(') {
            if (depth == RollLimits::Depth) return Fail(RollErrorKind::TooDeep, pos_);
            ++pos_;
            Emit("(");
            const int inner = Sum(depth + 1);
            if (inner < 0) return -1;
            Skip();
            if (Peek() != ')') return Fail(RollErrorKind::Syntax, pos_, RollExpected::CloseParen);
            ++pos_;
            Emit(")");
            return inner;
        }
        if (c == 'd' || c == 'D') return DiceTerm(start, 1);
        if (!IsDigit(c)) return Fail(RollErrorKind::Syntax, pos_, RollExpected::NumberOrDice);
        RollValue value;
        const bool fits = Digits(value, Most);
        Skip();
        if (Peek() == 'd' || Peek() == 'D') {
            if (!fits || value > RollLimits::DiceInATerm)
                return Fail(RollErrorKind::NumberTooLarge, start, RollExpected::Nothing,
                            RollLimits::DiceInATerm);
            if (value == 0) return Fail(RollErrorKind::NoDice, start);
            return DiceTerm(start, value);
        }
        if (!fits) return Fail(RollErrorKind::NumberTooLarge, start, RollExpected::Nothing, Most);
        Emit(std::to_string(value));
        return Add(DiceRoll::Op::Number, start, -1, -1, value);
    }

    int DiceTerm(std::size_t start, RollValue count) {
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
        } else {
            return Fail(RollErrorKind::Syntax, pos_, RollExpected::Faces);
        }
        Skip();
        if (Peek() == '!') {
            if (term.faces <= 1) return Fail(RollErrorKind::CannotExplode, pos_);
            term.explode = true;
            ++pos_;
            Skip();
        }
        if (!Selection(term)) return -1;
        if (!Comparison(term)) return -1;
        auto& part = roll_.parts_.back();
        const int local = static_cast<int>(roll_.terms_.size()) - part.firstTerm;
        part.details.push_back({{}, local});
        if (term.compare != DiceRoll::Compare::None) {
            static constexpr const char* Signs[] = {"", ">=", ">", "<=", "<", "="};
            Emit(Signs[static_cast<int>(term.compare)] + std::to_string(term.target));
        }
        roll_.terms_.push_back(term);
        return Add(DiceRoll::Op::Dice, start, -1, -1,
                   static_cast<RollValue>(roll_.terms_.size()) - 1);
    }

    bool Selection(DiceRoll::Term& term) {
        const char c = Peek();
        const bool keep = c == 'k' || c == 'K';
        if (!keep && c != 'd' && c != 'D') return true;
        ++pos_;
        const char side = Peek();
        const bool high = side == 'h' || side == 'H';
        const bool low = side == 'l' || side == 'L';
        if (!keep && !high && !low)
            return Refuse(RollErrorKind::Syntax, pos_, RollExpected::HighOrLow);
        if (high || low) ++pos_;
        using S = DiceRoll::Select;
        term.select = keep ? (low ? S::KeepLow : S::KeepHigh) : (low ? S::DropLow : S::DropHigh);
        term.keep = 1;
        Skip();
        const std::size_t at = pos_;
        if (IsDigit(Peek()) && !Digits(term.keep, RollLimits::DiceInATerm))
            return Refuse(RollErrorKind::NumberTooLarge, at, RollExpected::Nothing,
                          RollLimits::DiceInATerm);
        Skip();
        return true;
    }

    bool Comparison(DiceRoll::Term& term) {
        using C = DiceRoll::Compare;
        const char c = Peek();
        if (c != '>' && c != '<' && c != '=') return true;
        ++pos_;
        const bool orEqual = c != '=' && Peek() == '=';
        if (orEqual) ++pos_;
        term.compare = c == '='   ? C::Equal
                       : c == '>' ? (orEqual ? C::AtLeast : C::Above)
                                  : (orEqual ? C::AtMost : C::Below);
        Skip();
        const std::size_t at = pos_;
        const bool negative = Peek() == '-';
        if (negative) ++pos_;
        if (!IsDigit(Peek())) return Refuse(RollErrorKind::Syntax, pos_, RollExpected::Number);
        if (!Digits(term.target, Most))
            return Refuse(RollErrorKind::NumberTooLarge, at, RollExpected::Nothing, Most);
        if (negative) term.target = -term.target;
        return true;
    }

    DiceRoll& roll_;
    std::string_view text_;
    std::size_t pos_ = 0;
    RollValue diceWritten_ = 0;
};

DiceRoll::DiceRoll(std::string_view text) {
    RollParser(*this, text).Run();
}

}  // namespace rollkin
