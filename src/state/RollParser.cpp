#include "state/RollParser.h"

namespace rollkin {

void RollParser::Run() {
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

bool RollParser::Parts() {
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
            return Refuse(RollErrorKind::Syntax, pos_, AfterOperand(RollExpected::OperatorOrEnd));
        if (roll_.parts_.size() >= static_cast<std::size_t>(RollLimits::Rolls))
            return Refuse(RollErrorKind::TooManyRolls, pos_);
        ++pos_;
    }
}

bool RollParser::Part(std::size_t start) {
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
bool RollParser::Repeat(RollValue repeats, std::size_t at) {
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

bool RollParser::Note() {
    pos_ += Peek() == '#' ? 1 : 2;
    const std::size_t at = pos_;
    std::string note;
    if (!PlainText(text_.size(), at, note)) return false;
    roll_.note_ = Trimmed(note);
    pos_ = text_.size();
    return true;
}

// The text from pos_ to `end`: at most RollLimits::Text characters, no control character.
bool RollParser::PlainText(std::size_t end, std::size_t start, std::string& out) {
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

// Digits at pos_, as many as there are; false when they are past `limit`.
bool RollParser::Digits(RollValue& value, RollValue limit) {
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

int RollParser::Sum(int depth) {
    return Chain(depth, &RollParser::Product, [](char c, char) {
        return c == '+' ? Op::Add : c == '-' ? Op::Subtract : Op::Number;
    });
}

int RollParser::Product(int depth) {
    return Chain(depth, &RollParser::Unary, [](char c, char next) {
        if (c == '/' && next == '/') return Op::Number;  // "//" begins a note
        return c == '*'   ? Op::Multiply
               : c == '/' ? Op::Divide
               : c == '%' ? Op::Remainder
                          : Op::Number;
    });
}

int RollParser::Chain(int depth, int (RollParser::*operand)(int), Op (*opAt)(char, char)) {
    int left = (this->*operand)(depth);
    for (;;) {
        if (left < 0) return -1;
        Skip();
        const char c = Peek();
        const Op op = opAt(c, At(1));
        if (op == Op::Number) return left;
        const std::size_t at = pos_++;
        Emit(std::string{' ', c, ' '});
        const int right = (this->*operand)(depth);
        if (right < 0) return -1;
        left = Add(op, at, left, right);
    }
}

// Signs in a loop, so that a long run of them cannot deepen the recursion; a plus sign
// changes nothing.
int RollParser::Unary(int depth) {
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
int RollParser::Power(int depth) {
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

int RollParser::Primary(int depth) {
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

int RollParser::Parenthesis(int depth) {
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
bool RollParser::Label(int depth) {
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
int RollParser::Group(int depth) {
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
bool RollParser::Constant(int first, int root, RollValue& out) {
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

DiceRoll::DiceRoll(std::string_view text) {
    RollParser(*this, text).Run();
}

}  // namespace rollkin
