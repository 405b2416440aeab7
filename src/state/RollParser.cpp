#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "state/Roll.h"
#include "state/RollSpans.h"

namespace rollkin {

namespace {

constexpr RollValue Most = std::numeric_limits<RollValue>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
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
            if (!IsContinuation(c)) ++characters;
        written_ = characters;
        if (characters > RollLimits::Characters) {
            roll_.error_ = RollError{RollErrorKind::TooLong, RollLimits::Characters + 1};
            return;
        }
        if (!Parts()) {
            roll_.parts_.clear();
            roll_.nodes_.clear();
            roll_.terms_.clear();
            roll_.groups_.clear();
            roll_.note_.clear();
        }
    }

private:
    using Op = DiceRoll::Op;
    using Point = DiceRoll::Point;

    bool Parts() {
        for (;;) {
            Skip();
            const std::size_t start = pos_;
            RollValue repeats = 1;
            if (IsDigit(Peek())) {
                const std::size_t at = pos_;
                RollValue n;
                const bool fits = Digits(n, RollLimits::Rolls);
                if (Lower(Peek()) == 'x') {
                    if (!fits) return Refuse(RollErrorKind::TooManyRolls, at);
                    if (n == 0) return Refuse(RollErrorKind::NoRepeats, at);
                    repeats = n;
                    ++pos_;
                } else {
                    pos_ = at;
                }
            }
            if (!Part(pos_)) return false;
            if (repeats > 1 && !Repeat(repeats, start)) return false;
            Skip();
            if (pos_ == text_.size()) return true;
            if (Peek() == '#' || (Peek() == '/' && At(1) == '/')) return Note();
            if (Peek() != ',')
                return Refuse(RollErrorKind::Syntax, pos_,
                              AfterOperand(RollExpected::OperatorOrEnd));
            if (roll_.parts_.size() >= static_cast<std::size_t>(RollLimits::Rolls))
                return Refuse(RollErrorKind::TooManyRolls, pos_);
            ++pos_;
        }
    }

    bool Part(std::size_t start) {
        termLabels_ = false;
        DiceRoll::Part part;
        part.firstNode = static_cast<int>(roll_.nodes_.size());
        part.firstTerm = static_cast<int>(roll_.terms_.size());
        part.firstGroup = static_cast<int>(roll_.groups_.size());
        roll_.parts_.push_back(std::move(part));
        if (Sum(0) < 0) return false;
        Skip();
        DiceRoll::Part& done = roll_.parts_.back();
        done.text = Trimmed(text_.substr(start, pos_ - start));
        done.endNode = static_cast<int>(roll_.nodes_.size());
        done.endTerm = static_cast<int>(roll_.terms_.size());
        done.endGroup = static_cast<int>(roll_.groups_.size());
        return true;
    }

    // "6x R": the part just read five more times, as its own nodes, terms and groups.
    bool Repeat(RollValue repeats, std::size_t at) {
        const DiceRoll::Part source = roll_.parts_.back();
        if (roll_.parts_.size() + static_cast<std::size_t>(repeats - 1) >
            static_cast<std::size_t>(RollLimits::Rolls))
            return Refuse(RollErrorKind::TooManyRolls, at);
        // As long as the rolls written out, comma and space between: within the same limit.
        written_ += static_cast<std::size_t>(repeats - 1) * (source.text.size() + 2);
        if (written_ > static_cast<std::size_t>(RollLimits::Characters))
            return Refuse(RollErrorKind::TooLong, at);
        RollValue dice = 0;
        for (int t = source.firstTerm; t < source.endTerm; ++t)
            dice += roll_.terms_[static_cast<std::size_t>(t)].count;
        diceWritten_ += dice * (repeats - 1);
        if (diceWritten_ > RollLimits::Dice) return Refuse(RollErrorKind::TooManyDice, at);
        for (RollValue k = 1; k < repeats; ++k) {
            DiceRoll::Part part = source;
            const int dn = static_cast<int>(roll_.nodes_.size()) - source.firstNode;
            const int dt = static_cast<int>(roll_.terms_.size()) - source.firstTerm;
            const int dg = static_cast<int>(roll_.groups_.size()) - source.firstGroup;
            for (int i = source.firstNode; i < source.endNode; ++i) {
                DiceRoll::Node n = roll_.nodes_[static_cast<std::size_t>(i)];
                if (n.a >= 0) n.a += dn;
                if (n.b >= 0) n.b += dn;
                if (n.op == Op::Dice) n.value += dt;
                if (n.op == Op::Group) n.value += dg;
                roll_.nodes_.push_back(n);
            }
            for (int t = source.firstTerm; t < source.endTerm; ++t)
                roll_.terms_.push_back(roll_.terms_[static_cast<std::size_t>(t)]);
            for (int g = source.firstGroup; g < source.endGroup; ++g) {
                DiceRoll::Group group = roll_.groups_[static_cast<std::size_t>(g)];
                for (int& m : group.members)
                    m += dn;
                roll_.groups_.push_back(std::move(group));
            }
            part.firstNode += dn;
            part.endNode += dn;
            part.firstTerm += dt;
            part.endTerm += dt;
            part.firstGroup += dg;
            part.endGroup += dg;
            roll_.parts_.push_back(std::move(part));
        }
        return true;
    }

    bool Note() {
        pos_ += Peek() == '#' ? 1 : 2;
        const std::size_t at = pos_;
        std::string note;
        if (!PlainText(text_.size(), at, note)) return false;
        roll_.note_ = Trimmed(note);
        pos_ = text_.size();
        return true;
    }

    // The text from pos_ to `end`: at most RollLimits::Text characters, no control character.
    bool PlainText(std::size_t end, std::size_t start, std::string& out) {
        for (; pos_ < end; ++pos_) {
            const char c = text_[pos_];
            if (IsControl(c)) return Refuse(RollErrorKind::ControlCharacter, pos_);
            if (IsContinuation(c)) continuations_.push_back(pos_);
            out += c;
        }
        out = Trimmed(out);
        int characters = 0;
        for (const char c : out)
            if (!IsContinuation(c)) ++characters;
        if (characters > RollLimits::Text) return Refuse(RollErrorKind::TextTooLong, start);
        return true;
    }

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

    // Outside labels and notes the parser takes nothing but ASCII, so a column is the byte's
    // position less the continuation bytes of the labels before it.
    int Column(std::size_t at) const {
        const auto before = std::lower_bound(continuations_.begin(), continuations_.end(), at) -
                            continuations_.begin();
        return static_cast<int>(at) + 1 - static_cast<int>(before);
    }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    char At(std::size_t ahead) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void Skip() {
        while (Peek() == ' ' || Peek() == '\t')
            ++pos_;
    }

    // What to ask for where an operator or `otherwise` would fit: a second operand there is
    // most likely a missing operator.
    RollExpected AfterOperand(RollExpected otherwise) const {
        const char c = Lower(Peek());
        return IsDigit(c) || c == 'd' || c == '(' || c == '{' ? RollExpected::Operator : otherwise;
    }

    // Text between the dice terms of the roll's details.
    void Emit(std::string_view s) {
        auto& details = roll_.parts_.back().details;
        if (details.empty() || details.back().term >= 0 || details.back().group >= 0)
            details.push_back({});
        details.back().text += s;
    }

    // Where the details stood, to take back a parenthesised count's text.
    struct DetailsMark {
        std::size_t size;
        std::size_t text;
    };
    DetailsMark Mark() const {
        const auto& details = roll_.parts_.back().details;
        return {details.size(), details.empty() ? 0 : details.back().text.size()};
    }
    void Restore(const DetailsMark& mark) {
        auto& details = roll_.parts_.back().details;
        details.resize(mark.size);
        if (!details.empty()) details.back().text.resize(mark.text);
    }

    int Add(Op op, std::size_t at, int a, int b = -1, RollValue value = 0) {
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

    int Sum(int depth) {
        int left = Product(depth);
        for (;;) {
            if (left < 0) return -1;
            Skip();
            const char c = Peek();
            if (c != '+' && c != '-') return left;
            const std::size_t at = pos_++;
            Emit(std::string{' ', c, ' '});
            const int right = Product(depth);
            if (right < 0) return -1;
            left = Add(c == '+' ? Op::Add : Op::Subtract, at, left, right);
        }
    }

    int Product(int depth) {
        int left = Unary(depth);
        for (;;) {
            if (left < 0) return -1;
            Skip();
            const char c = Peek();
            // "//" begins a note.
            if ((c != '*' && c != '/' && c != '%') || (c == '/' && At(1) == '/')) return left;
            const std::size_t at = pos_++;
            Emit(std::string{' ', c, ' '});
            const int right = Unary(depth);
            if (right < 0) return -1;
            left = Add(c == '*'   ? Op::Multiply
                       : c == '/' ? Op::Divide
                                  : Op::Remainder,
                       at, left, right);
        }
    }

    // Signs in a loop, so that a long run of them cannot deepen the recursion; a plus sign
    // changes nothing.
    int Unary(int depth) {
        std::vector<std::size_t> minus;
        for (Skip(); Peek() == '-' || Peek() == '+'; Skip()) {
            if (Peek() == '-') minus.push_back(pos_);
            Emit(std::string(1, Peek()));
            ++pos_;
        }
        int node = Power(depth);
        for (auto at = minus.rbegin(); node >= 0 && at != minus.rend(); ++at)
            node = Add(Op::Negate, *at, node);
        return node;
    }

    // a ^ b ^ c is a ^ (b ^ c), and -2 ^ 2 is -(2 ^ 2); read in a loop and joined from the
    // right, so that a long chain cannot deepen the recursion either.
    int Power(int depth) {
        const int base = Primary(depth);
        Skip();
        if (base < 0 || Peek() != '^') return base;
        struct Operand {
            int node;
            std::size_t at;  // of the ^ before it
            std::vector<std::size_t> minus;
        };
        std::vector<Operand> chain{{base, 0, {}}};
        for (;;) {
            Skip();
            if (Peek() != '^') break;
            Operand next{-1, pos_++, {}};
            Emit(" ^ ");
            for (Skip(); Peek() == '-' || Peek() == '+'; Skip()) {
                if (Peek() == '-') next.minus.push_back(pos_);
                Emit(std::string(1, Peek()));
                ++pos_;
            }
            next.node = Primary(depth);
            if (next.node < 0) return -1;
            chain.push_back(std::move(next));
        }
        int right = -1;
        for (auto o = chain.rbegin(); o != chain.rend(); ++o) {
            int node = o->node;
            for (auto at = o->minus.rbegin(); at != o->minus.rend(); ++at)
                node = Add(Op::Negate, *at, node);
            if (right >= 0) node = Add(Op::Power, (o - 1)->at, node, right);
            right = node;
        }
        return right;
    }

    int Primary(int depth) {
        Skip();
        const std::size_t start = pos_;
        const char c = Peek();
        int node = -1;
        if (c == '(') {
            const DetailsMark details = Mark();
            const int first = static_cast<int>(roll_.nodes_.size());
            node = Parenthesis(depth);
            if (node < 0) return -1;
            if (Lower(Peek()) == 'd') {
                // A count in parentheses: worked out now, so the term is like any other.
                RollValue count;
                if (!Constant(first, node, count)) return -1;
                roll_.nodes_.resize(static_cast<std::size_t>(first));
                Restore(details);
                if (count > RollLimits::DiceInATerm)
                    return Fail(RollErrorKind::NumberTooLarge, start, RollExpected::Nothing,
                                RollLimits::DiceInATerm);
                if (count <= 0) return Fail(RollErrorKind::NoDice, start);
                node = DiceTerm(start, count, depth);
            }
        } else if (c == '{') {
            node = Group(depth);
        } else if (c == 'd' || c == 'D') {
            node = DiceTerm(start, 1, depth);
        } else if (IsDigit(c)) {
            RollValue value;
            const bool fits = Digits(value, Most);
            Skip();
            if (Peek() == 'd' || Peek() == 'D') {
                if (!fits || value > RollLimits::DiceInATerm)
                    return Fail(RollErrorKind::NumberTooLarge, start, RollExpected::Nothing,
                                RollLimits::DiceInATerm);
                if (value == 0) return Fail(RollErrorKind::NoDice, start);
                node = DiceTerm(start, value, depth);
            } else {
                if (!fits)
                    return Fail(RollErrorKind::NumberTooLarge, start, RollExpected::Nothing, Most);
                Emit(std::to_string(value));
                node = Add(Op::Number, start, -1, -1, value);
            }
        } else {
            return Fail(RollErrorKind::Syntax, pos_, RollExpected::NumberOrDice);
        }
        if (node < 0) return -1;
        return Label(depth) ? node : -1;
    }

    int Parenthesis(int depth) {
        if (depth == RollLimits::Depth) return Fail(RollErrorKind::TooDeep, pos_);
        ++pos_;
        Emit("(");
        const int inner = Sum(depth + 1);
        if (inner < 0) return -1;
        Skip();
        if (Peek() != ')')
            return Fail(RollErrorKind::Syntax, pos_, AfterOperand(RollExpected::CloseParen));
        ++pos_;
        Emit(")");
        return inner;
    }

    // [text] after an operand: the roll's name when nothing but the roll's end follows it at the
    // top level, else words shown after the operand.
    bool Label(int depth) {
        Skip();
        if (Peek() != '[') return true;
        const std::size_t at = pos_++;
        const std::size_t close = text_.find(']', pos_);
        if (close == std::string_view::npos) {
            // Where the label's text runs out, for the column.
            std::string ignored;
            if (!PlainText(text_.size(), at, ignored)) return false;
            return Refuse(RollErrorKind::Syntax, pos_, RollExpected::CloseBracket);
        }
        std::string text;
        if (!PlainText(close, at, text)) return false;
        ++pos_;
        text = Trimmed(text);
        Skip();
        const bool ends =
            Peek() == '\0' || Peek() == ',' || Peek() == '#' || (Peek() == '/' && At(1) == '/');
        // "1d8 [fire] + 2d6 [cold]" labels its terms, the last one too.
        if (depth == 0 && ends && !termLabels_) {
            roll_.parts_.back().label = text;
        } else if (!text.empty()) {
            Emit(" " + text);
            termLabels_ = depth == 0 || termLabels_;
        }
        return true;
    }

    // {a, b, ...} and its keep, drop or count.
    int Group(int depth) {
        if (depth == RollLimits::Depth) return Fail(RollErrorKind::TooDeep, pos_);
        const std::size_t start = pos_++;
        Emit("{");
        auto& part = roll_.parts_.back();
        const auto index = roll_.groups_.size();
        const int local = static_cast<int>(index) - part.firstGroup;
        roll_.groups_.emplace_back();
        for (int member = 0;; ++member) {
            roll_.parts_.back().details.push_back({{}, -1, local, member, false});
            const int root = Sum(depth + 1);
            if (root < 0) return -1;
            roll_.parts_.back().details.push_back({{}, -1, local, member, true});
            roll_.groups_[index].members.push_back(root);
            Skip();
            if (Peek() == '}') break;
            if (Peek() != ',')
                return Fail(RollErrorKind::Syntax, pos_, AfterOperand(RollExpected::CloseBrace));
            ++pos_;
            Emit(", ");
        }
        ++pos_;
        Emit("}");
        DiceRoll::Group& group = roll_.groups_[index];
        const std::size_t modifiers = pos_;
        DiceRoll::Term choice;
        if (!Selection(choice) || !Comparison(choice, true)) return -1;
        group.select = choice.select;
        group.keep = choice.keep;
        group.compare = choice.compare;
        group.target = choice.target;
        std::string written;
        for (std::size_t i = modifiers; i < pos_; ++i)
            if (text_[i] != ' ' && text_[i] != '\t') written += text_[i];
        if (!written.empty()) Emit(written);
        return Add(Op::Group, start, -1, -1, static_cast<RollValue>(index));
    }

    // Works out the nodes from `first` to `root` now: numbers and arithmetic only.
    bool Constant(int first, int root, RollValue& out) {
        std::vector<RollValue> v(static_cast<std::size_t>(root - first + 1));
        const auto at = [&](int i) { return v[static_cast<std::size_t>(i - first)]; };
        for (int i = first; i <= root; ++i) {
            const DiceRoll::Node& n = roll_.nodes_[static_cast<std::size_t>(i)];
            const RollValue x = n.a >= 0 ? at(n.a) : 0, y = n.b >= 0 ? at(n.b) : 0;
            RollValue& r = v[static_cast<std::size_t>(i - first)];
            if (n.op == Op::Dice || n.op == Op::Group) {
                roll_.error_ = RollError{RollErrorKind::DiceInCount, n.column};
                return false;
            }
            if (const auto failed = DiceRoll::Arithmetic(n, x, y, r)) {
                roll_.error_ = RollError{*failed, n.column};
                return false;
            }
        }
        out = at(root);
        return true;
    }

    int DiceTerm(std::size_t start, RollValue count, int depth) {
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
    bool Modifiers(DiceRoll::Term& term) {
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
            } else if (c == 'm' &&
                       ((next == 'i' && !clampedLow) || (next == 'a' && !clampedHigh))) {
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
            } else if ((c == '>' || c == '<' || c == '=') &&
                       term.compare == DiceRoll::Compare::None) {
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
    bool PointAfter(Point& p) {
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
    bool Signed(RollValue& value) {
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

    bool Selection(DiceRoll::Term& term) {
        Skip();
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
        return true;
    }

    bool Comparison(DiceRoll::Term& term, bool skip) {
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

    DiceRoll& roll_;
    std::string_view text_;
    std::size_t pos_ = 0;
    RollValue diceWritten_ = 0;
    std::size_t written_ = 0;                 // characters, repeats written out
    bool termLabels_ = false;                 // the part's terms carry labels
    std::vector<std::size_t> continuations_;  // positions of UTF-8 continuation bytes so far
};

DiceRoll::DiceRoll(std::string_view text) {
    RollParser(*this, text).Run();
}

}  // namespace rollkin
