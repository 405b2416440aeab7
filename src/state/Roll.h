#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/Random.h"

namespace rollkin {

// Rolls in dice notation: "d20+7", "4d6dl1", "3d6!", "5d10>=7", "4dF", "4d6r1", "{d8!, d6!}kh1",
// "6x 4d6dl1", "d20+7 [to hit]", several separated by commas, a note after "#" or "//" at the
// end. No Qt here: what is worded in a language (the errors, "natural 20") is passed in or
// worded by the caller, so the Qt layer can translate it.

using RollValue = std::int64_t;

// The notation's limits; going past any of them is an error, never a clamp.
struct RollLimits {
    static constexpr int Characters = 1000;
    static constexpr int Dice = 1000;  // in all, explosions included
    static constexpr RollValue DiceInATerm = 1000;
    static constexpr RollValue Faces = 1000000;
    static constexpr int Depth = 32;  // parentheses and braces
    static constexpr int Rolls = 20;
    static constexpr int Text = 40;  // characters of a label or a note
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
    Overflow,          // a value past 64 bits
    AlwaysRerolls,     // a reroll that every face meets
    AlwaysExplodes,    // an explosion that every value meets (a d1's is CannotExplode)
    TextTooLong,       // a label or a note past RollLimits::Text characters
    ControlCharacter,  // in a label or a note
    DiceInCount,       // a parenthesised count or number of faces holding dice
    NoRepeats,         // 0x
};

enum class RollExpected : std::uint8_t {
    Nothing,
    NumberOrDice,  // an operand
    Number,        // a target after a comparison
    Faces,         // after d: a number, % or F
    HighOrLow,     // after a drop's d: h or l
    CloseParen,
    OperatorOrEnd,  // + - * / % ^ , or the end
    Operator,       // an operand followed another
    CloseBrace,
    CloseBracket,  // the end of a label
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
    RollValue face = 0;       // what it counts: after clamps, compounding or penetration
    bool dropped = false;     // left out by keep or drop
    bool exploded = false;    // met the explosion's point and so added a die (or a throw, !!)
    bool rerolled = false;    // replaced by the next die of the term; counts for nothing
    int compounded = 0;       // throws added into this die by !!
    bool penetrated = false;  // a die added by !p: counts its throw less one
    bool altered = false;     // face is not the face thrown (clamped, compounded, penetrated)
    bool critical = false;    // met cs
    bool fumble = false;      // met cf
};

// What the line words in the reader's language; %1 and %2 stand for numbers.
struct RollWords {
    std::string natural20 = "natural 20";
    std::string natural1 = "natural 1";
    std::string critical = "critical %1";
    std::string fumble = "critical failure %1";
    std::string counts = "successes %1, failures %2";
};

struct RolledTerm {
    RollValue faces = 0;  // 0: Fate dice
    std::vector<RollDie> dice;
    std::string after;         // what the term counts, ">=7f1", or empty
    RollValue successes = -1;  // with failures counted (f): both, else -1
    RollValue failures = -1;
};

// A group's sub-rolls as thrown: which were dropped by keep or drop.
struct RolledGroup {
    std::vector<bool> dropped;
};

// One roll of a throw: its text, its dice and its total; the details are text pieces and
// dice terms in the order written.
struct RolledPart {
    std::string text;
    std::string label;  // "to hit" of "d20+7 [to hit]": names the roll in the line
    struct Piece {
        std::string text;  // an operator, a number, a parenthesis, a brace, a label
        int term = -1;     // else an index into terms
        int group = -1;    // else with member >= 0: where that sub-roll of a group begins
        int member = -1;   //   (or ends, with `ends`)
        bool ends = false;
    };
    std::vector<Piece> details;
    std::vector<RolledTerm> terms;
    std::vector<RolledGroup> groups;
    RollValue total = 0;
};

struct RollOutcome {
    std::vector<RolledPart> parts;
    std::string note;                // after # or // at the end
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
    const std::string& Note() const { return note_; }

    // The least and the most each roll can give. An exploding term is bounded by the dice limit.
    RollBounds Bounds(int part) const;

    // Throws every roll with dice from rng, in the order written.
    RollOutcome Throw(Random& rng) const;

    // base ^ exponent, a negative exponent rounding down; false on an overflow or 0 ^ -n.
    static bool PowerOf(RollValue base, RollValue exponent, RollValue& out);
    // a % b with b's sign; b is not 0.
    static RollValue RemainderOf(RollValue a, RollValue b);

    // How the parser and the thrower see a roll; public for the implementation's helpers.
    //
    // Remainder (%) takes the sign of the divisor, as / rounds down: a = (a / b) * b + a % b.
    // Power (^) with a negative exponent rounds 1 / a^n down too (2^-1 is 0, (-2)^-1 is -1).
    // Group's value is a groups_ index (see Group).
    enum class Op : std::uint8_t {
        Number,
        Dice,
        Negate,
        Add,
        Subtract,
        Multiply,
        Divide,
        Remainder,
        Power,
        Group,
    };
    enum class Select : std::uint8_t { All, KeepHigh, KeepLow, DropHigh, DropLow };
    // NotEqual is <>. Compare::None meets every value.
    enum class Compare : std::uint8_t { None, AtLeast, Above, AtMost, Below, Equal, NotEqual };
    // Whether a value meets (compare, target); Compare::None meets every value.
    static bool Meets(Compare compare, RollValue value, RollValue target);
    // How many of n dice or sub-rolls a selection keeps, and whether it keeps the highest (drops
    // the lowest first).
    static RollValue Kept(Select select, RollValue keep, RollValue n);
    static bool KeepsHighest(Select select);
    // A compare point: the values that meet it.
    struct Point {
        Compare compare = Compare::None;
        RollValue target = 0;
    };
    // Each: ! (a die meeting the point adds a die); Compound: !! (the added throws add into the
    // die that exploded, one die in all); Penetrate: !p (each added die counts its face less one;
    // whether it explodes again is judged on the face before that).
    enum class Explode : std::uint8_t { None, Each, Compound, Penetrate };
    enum class Reroll : std::uint8_t { None, Always, Once };  // r, ro
    enum class Sort : std::uint8_t { None, Ascending, Descending };

    // One dice term. Each die is thrown (1..faces, Fate -1..1), rerolled (r: while its face as
    // thrown meets rerollAt; ro: once; every die thrown counts towards RollLimits::Dice), then
    // clamped (face = min(max(face, clampLow), clampHigh)); the clamped face is what the
    // explosion, keep or drop, the counts and the critical marks judge. Keep and drop choose
    // among the dice after explosions (a compounded die is one die). The term's value is the sum
    // of its kept dice, or, with `compare` set, the kept dice meeting (compare, target) less
    // those meeting failAt (a die meeting both is a success only). The modifiers may be written
    // in any order, each once; they always act in this order.
    struct Term {
        RollValue count = 1;
        RollValue faces = 0;   // 0: Fate
        bool explode = false;  // any explosion: `explosion` says which, `explodeAt` when
        Select select = Select::All;
        RollValue keep = 0;
        Compare compare = Compare::None;  // successes counted: the dice meeting target
        RollValue target = 0;
        Explode explosion = Explode::None;
        Point explodeAt;  // always set when explode: `!` alone is =faces
        Reroll reroll = Reroll::None;
        Point rerollAt;              // always set with reroll: `r` alone is =1 (=-1 on Fate dice)
        Point failAt;                // f: failures subtracted from the successes; None: not counted
        Point criticalAt, fumbleAt;  // cs, cf: marks in the line only
        Sort sort = Sort::None;      // the line's order only
        std::optional<RollValue> clampLow, clampHigh;  // mi, ma
        std::string written;  // what the line shows after the dice: ">=7f1"
    };
    struct Node {
        Op op = Op::Number;
        int column = 1;       // where a failure at throw time is reported
        int a = -1, b = -1;   // operands, always earlier nodes
        RollValue value = 0;  // a number, a term's index, or a group's index
    };
    // A number's value, or x op y for the arithmetic nodes (Negate takes x alone): the error
    // that stops the throw, or none with the result in r. Dice and groups are left to the caller.
    static std::optional<RollErrorKind> Arithmetic(const Node& n, RollValue x, RollValue y,
                                                   RollValue& r);
    // {a, b, ...}: sub-rolls, each an expression whose root is one of `members` (earlier nodes
    // of the same part). Keep and drop choose sub-rolls by total; the group's value is the sum
    // of the kept totals, or with `compare` set the number of kept sub-rolls meeting target.
    struct Group {
        std::vector<int> members;
        Select select = Select::All;
        RollValue keep = 0;
        Compare compare = Compare::None;
        RollValue target = 0;
    };
    struct Part {
        std::string text;                        // as written, its label included
        std::string label;                       // [text] at the part's end, or empty
        int firstNode = 0, endNode = 0;          // the root is endNode - 1
        std::vector<RolledPart::Piece> details;  // terms and groups indexed from the part's first
        int firstTerm = 0, endTerm = 0;
        int firstGroup = 0, endGroup = 0;
    };

private:
    friend class RollParser;
    friend class OddsEngine;   // reads the parsed roll to work out its odds (state/Odds.cpp)
    std::vector<Node> nodes_;  // children before parents: thrown in this order
    std::vector<Term> terms_;
    std::vector<Group> groups_;
    std::vector<Part> parts_;  // "6x R" is six parts, each with nodes and terms of its own
    std::string note_;
    std::optional<RollError> error_;
};

// "d20+7: [14] + 7 = 21", several rolls joined by "; ", then " # note". A labelled roll is
// named by its label. Dropped dice read ~3~, a die that exploded 6! (that penetrated 6!p, a
// compounded die its sum and !!), a rerolled die 1r before its replacement; a kept d20's
// natural 20 or 1 and the critical dice get their words; a dropped sub-roll reads ~[3] + 2~.
std::string RollLine(const RollOutcome& outcome, const RollWords& words = {});
// The same as Qt rich text: in each term the highest kept dice bold, the lowest underlined (when
// they differ), the dropped and rerolled struck through, compounded and penetrating dice and the
// critical words in italics.
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
    std::string name = {};  // a saved roll's; empty for a roll typed in
};
RollLines RollLinesOf(const RollOutcome& outcome, const RollWords& words = {});

// The text with each control character written as an escape (\n, \t, \x1b), so that it stays
// one line and prints nothing but itself.
std::string EscapedControls(std::string_view text);

}  // namespace rollkin
