#pragma once

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "state/Roll.h"

namespace rollkin {

// Recursive descent over the text, one roll after another; nodes are made children first, so
// the nodes of a roll in order are also the order to throw them in. The rolls, their
// expressions and labels are read in RollParser.cpp, the dice terms and their modifiers in
// RollTerms.cpp.
class RollParser {
public:
    RollParser(DiceRoll& roll, std::string_view text) : roll_(roll), text_(text) {}

    void Run();

private:
    using Op = DiceRoll::Op;
    using Point = DiceRoll::Point;

    static constexpr RollValue Most = std::numeric_limits<RollValue>::max();

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    static char Lower(char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }

    static bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

    static bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u; }

    static std::string Trimmed(std::string_view s) {
        const auto first = s.find_first_not_of(" \t");
        if (first == std::string_view::npos) return {};
        return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
    }

    bool Parts();

    bool Part(std::size_t start);

    // "6x R": the part just read five more times, as its own nodes, terms and groups.
    bool Repeat(RollValue repeats, std::size_t at);

    bool Note();

    // The text from pos_ to `end`: at most RollLimits::Text characters, no control character.
    bool PlainText(std::size_t end, std::size_t start, std::string& out);

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
    bool Digits(RollValue& value, RollValue limit);

    int Sum(int depth);
    // operand (op operand)... joined from the left, `opAt` naming the operator at a character
    // and the next one (Op::Number: none there).
    int Chain(int depth, int (RollParser::*operand)(int), Op (*opAt)(char, char));

    int Product(int depth);

    // Signs in a loop, so that a long run of them cannot deepen the recursion; a plus sign
    // changes nothing.
    int Unary(int depth);

    // a ^ b ^ c is a ^ (b ^ c), and -2 ^ 2 is -(2 ^ 2); read in a loop and joined from the
    // right, so that a long chain cannot deepen the recursion either.
    int Power(int depth);

    int Primary(int depth);

    int Parenthesis(int depth);

    // [text] after an operand: the roll's name when nothing but the roll's end follows it at the
    // top level, else words shown after the operand.
    bool Label(int depth);

    // {a, b, ...} and its keep, drop or count.
    int Group(int depth);

    // Works out the nodes from `first` to `root` now: numbers and arithmetic only.
    bool Constant(int first, int root, RollValue& out);

    int DiceTerm(std::size_t start, RollValue count, int depth);

    // The modifiers after a term, in any order, each once; see DiceRoll::Term.
    bool Modifiers(DiceRoll::Term& term);

    // A compare point right after a modifier: >=T >T <=T <T =T <>T, or a bare number for =;
    // `p` keeps its default when none is written.
    bool PointAfter(Point& p);

    // An optional minus sign and digits, for clamps and compare points.
    bool Signed(RollValue& value);

    bool Selection(DiceRoll::Term& term);

    bool Comparison(DiceRoll::Term& term, bool skip);

    DiceRoll& roll_;
    std::string_view text_;
    std::size_t pos_ = 0;
    RollValue diceWritten_ = 0;
    std::size_t written_ = 0;                 // characters, repeats written out
    bool termLabels_ = false;                 // the part's terms carry labels
    std::vector<std::size_t> continuations_;  // positions of UTF-8 continuation bytes so far
};

}  // namespace rollkin
