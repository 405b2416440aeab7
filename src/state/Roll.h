#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/Random.h"

namespace rollkin {

// Rolls in dice notation: "d20+7", "4d6dl1", "3d6!", "5d10>=7", "4dF", several separated by
// commas. No Qt here: what is worded in a language (the errors, "natural 20") is passed in or
// worded by the caller, so the Qt layer can translate it.

using RollValue = std::int64_t;

// The notation's limits; going past any of them is an error, never a clamp.
struct RollLimits {
    static constexpr int Characters = 1000;
    static constexpr int Dice = 1000;  // in all, explosions included
    static constexpr RollValue DiceInATerm = 1000;
    static constexpr RollValue Faces = 1000000;
    static constexpr int Depth = 32;  // parentheses
    static constexpr int Rolls = 10;
};

enum class RollErrorKind : std::uint8_t {
    Syntax,          // `expected` says what would have fitted
    TooLong,         // more than RollLimits::Characters characters
    TooManyRolls,    // more than RollLimits::Rolls rolls
    TooDeep,         // parentheses nested past RollLimits::Depth
    TooManyDice,     // past RollLimits::Dice, explosions included
    NumberTooLarge,  // past `limit`
    NoDice,          // 0dM
    NoFaces,         // Nd0
    CannotExplode,   // d1! or dF!
    DivisionByZero,
    Overflow,  // a value past 64 bits
};

enum class RollExpected : std::uint8_t {
    Nothing,
    NumberOrDice,  // an operand
    Number,        // a target after a comparison
    Faces,         // after d: a number, % or F
    HighOrLow,     // after a drop's d: h or l
    CloseParen,
    OperatorOrEnd,  // + - * / , or the end
};

struct RollError {
    RollErrorKind kind = RollErrorKind::Syntax;
    int column = 1;  // 1-based, in characters
    RollExpected expected = RollExpected::Nothing;
    RollValue limit = 0;  // NumberTooLarge's limit
    bool operator==(const RollError&) const = default;
};

// One die as thrown.
struct RollDie {
    RollValue face = 0;
    bool dropped = false;   // left out by keep or drop
    bool exploded = false;  // showed its highest face and so added a die
};

// What the line words in the reader's language.
struct RollWords {
    std::string natural20 = "natural 20";
    std::string natural1 = "natural 1";
};

struct RolledTerm {
    RollValue faces = 0;  // 0: Fate dice
    std::vector<RollDie> dice;
};

// One roll of a throw: its text, its dice and its total; the details are text pieces and
// dice terms in the order written.
struct RolledPart {
    std::string text;
    struct Piece {
        std::string text;  // an operator, a number, a parenthesis, or after a term its target
        int term = -1;     // else an index into terms
    };
    std::vector<Piece> details;
    std::vector<RolledTerm> terms;
    RollValue total = 0;
};

struct RollOutcome {
    std::vector<RolledPart> parts;
    std::optional<RollError> error;  // a throw that failed (too many dice, an overflow)
};

struct RollBounds {
    RollValue min = 0;
    RollValue max = 0;
};

// Parsed rolls, ready to throw any number of times.
class DiceRoll {
public:
    explicit DiceRoll(std::string_view text);

    const std::optional<RollError>& Error() const { return error_; }
    int Count() const { return static_cast<int>(parts_.size()); }

    // The least and the most each roll can give. An exploding term is bounded by the dice limit.
    RollBounds Bounds(int part) const;

    // Throws every roll with dice from rng, in the order written.
    RollOutcome Throw(Random& rng) const;

    // How the parser and the thrower see a roll; public for the implementation's helpers.
    enum class Op : std::uint8_t { Number, Dice, Negate, Add, Subtract, Multiply, Divide };
    enum class Select : std::uint8_t { All, KeepHigh, KeepLow, DropHigh, DropLow };
    enum class Compare : std::uint8_t { None, AtLeast, Above, AtMost, Below, Equal };
    struct Term {
        RollValue count = 1;
        RollValue faces = 0;  // 0: Fate
        bool explode = false;
        Select select = Select::All;
        RollValue keep = 0;
        Compare compare = Compare::None;
        RollValue target = 0;
    };
    struct Node {
        Op op = Op::Number;
        int column = 1;       // where a failure at throw time is reported
        int a = -1, b = -1;   // operands, always earlier nodes
        RollValue value = 0;  // a number, or a term's index
    };
    struct Part {
        std::string text;
        int firstNode = 0, endNode = 0;          // the root is endNode - 1
        std::vector<RolledPart::Piece> details;  // terms indexed from the part's first term
        int firstTerm = 0, endTerm = 0;
    };

private:
    friend class RollParser;
    friend class OddsEngine;   // reads the parsed roll to work out its odds (state/Odds.cpp)
    std::vector<Node> nodes_;  // children before parents: thrown in this order
    std::vector<Term> terms_;
    std::vector<Part> parts_;
    std::optional<RollError> error_;
};

// "d20+7: [14] + 7 = 21", several rolls joined by "; ". Dropped dice read ~3~, a die that
// exploded 6!, a kept d20's 20 or 1 gets its word.
std::string RollLine(const RollOutcome& outcome, const RollWords& words = {});
// The same as Qt rich text: in each term the highest kept dice bold, the lowest underlined (when
// they differ), the dropped struck through.
std::string RollLineMarkup(const RollOutcome& outcome, const RollWords& words = {});

// A throw of rolls as History keeps it: its line, the line as rich text, and its columns in a
// table of throws: the rolls ("d20+7, 1d8+4"), their dice ("[14] + 7; [3] + 4") and totals
// ("21 / 7").
struct RollLines {
    std::string plain;
    std::string markup;
    std::string roll;
    std::string dice;
    std::string total;
};
RollLines RollLinesOf(const RollOutcome& outcome, const RollWords& words = {});

// A face of a die with `faces` faces, 1 to faces, from two draws.
RollValue RollDieFace(Random& rng, RollValue faces);

}  // namespace rollkin
