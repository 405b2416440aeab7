#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <optional>
#include <string>

#include "FakeDesktop.h"
#include "state/Roll.h"

namespace rollkin::test {
namespace {

Random Seeded(std::uint32_t seed) {
    Random rng;
    rng.Randomize(std::bit_cast<float>(seed));  // as --seed does
    return rng;
}

std::string Repeated(const std::string& s, int times) {
    std::string out;
    for (int k = 0; k < times; ++k)
        out += s;
    return out;
}

// Each roll's bounds, its line at seed 42, and every total of many throws within the bounds.
TEST(Roll, BoundsHoldAndAFixedSeedGivesItsLine) {
    struct Row {
        const char* roll;
        RollValue min, max;
        const char* line;
    };
    const Row rows[] = {
        {"7", 7, 7, "7: 7 = 7"},
        {"d20+7", 8, 27, "d20+7: [8] + 7 = 15"},
        {"2d20kh1", 1, 20, "2d20kh1: [~8~, 20 (natural 20)] = 20"},
        {"2d20kl1", 1, 20, "2d20kl1: [8, ~20~] = 8"},
        {"4d6dl1", 3, 18, "4d6dl1: [~3~, 6, 5, 4] = 15"},
        {"4d6 k3 + 1d8 + 3", 7, 29, "4d6 k3 + 1d8 + 3: [~3~, 6, 5, 4] + [2] + 3 = 20"},
        {"3d6!", 3, 6000, "3d6!: [3, 6!, 5, 4] = 18"},
        {"5d10>=7", 0, 5, "5d10>=7: [4, 10, 8, 6, 2]>=7 = 2"},
        {"3d6>=1", 3, 3, "3d6>=1: [3, 6, 5]>=1 = 3"},
        {"2d6=13", 0, 0, "2d6=13: [3, 6]=13 = 0"},
        {"4dF", -4, 4, "4dF: [0, +1, +1, 0] = 2"},
        {"D%", 1, 100, "D%: [38] = 38"},
        {"-(2d6)*3", -36, -6, "-(2d6)*3: -([3, 6]) * 3 = -27"},
        {"-7/2", -4, -4, "-7/2: -7 / 2 = -4"},
        {"10/(d5-3)", -10, 10, "10/(d5-3): 10 / ([2] - 3) = -10"},
        {"d20+5, 2d6+3", 6, 25, "d20+5: [8] + 5 = 13; 2d6+3: [6, 5] + 3 = 14"},
        {"9223372036854775807*d2", INT64_MAX, INT64_MAX,  // a 2 overflows
         "9223372036854775807*d2: 9223372036854775807 * [1] = 9223372036854775807"},
        {"d2 - (-9223372036854775807-1)", INT64_MAX, INT64_MAX, nullptr},  // always overflows
        {"4d6r<4", 16, 24, "4d6r<4: [3r, 6, 5, 4, 1r, 1r, 1r, 6] = 21"},
        {"4d6ro<4", 4, 24, "4d6ro<4: [3r, 6, 5, 4, 1r, 1] = 16"},
        {"d6r<=2", 3, 6, "d6r<=2: [3] = 3"},
        {"d6r>5", 1, 5, nullptr},
        {"d6r<>3", 3, 3, "d6r<>3: [3] = 3"},
        {"5d10<=3", 0, 5, "5d10<=3: [4, 10, 8, 6, 2]<=3 = 1"},
        {"10d10!>=9", 10, 10000,
         "10d10!>=9: [4, 10!, 8, 6, 2, 2, 1, 9!, 7, 8, 1, 10!, 9!, 3] = 80"},
        {"3d6!!>=5", 3, 3 * 998 * 6, "3d6!!>=5: [3, 15!!, 1] = 19"},
        {"3d6!p", 0, 6000, "3d6!p: [3, 6!p, 4, 4] = 17"},
        {"2d20cs>=18cf<=8", 2, 40,
         "2d20cs>=18cf<=8: [8 (critical failure 8), 20 (natural 20)] = 28"},
        {"10d10>=7f1", -10, 10,
         "10d10>=7f1: [4, 10, 8, 6, 2, 2, 1, 9, 7, 8]>=7f1 (successes 5, failures 1) = 4"},
        {"3d6>=4f<=6", -3, 3, "3d6>=4f<=6: [3, 6, 5]>=4f<=6 (successes 2, failures 1) = 1"},
        {"3d6>=7f<3", -3, 0, nullptr},
        {"8d6s", 8, 48, "8d6s: [1, 1, 1, 3, 4, 5, 6, 6] = 27"},
        {"6d6sd", 6, 36, "6d6sd: [6, 5, 4, 3, 1, 1] = 20"},
        {"10d6mi2", 20, 60, "10d6mi2: [3, 6, 5, 4, 2, 2, 2, 6, 4, 5] = 39"},
        {"4d6mi7", 28, 28, "4d6mi7: [7, 7, 7, 7] = 28"},
        {"d6mi3ma4", 3, 4, nullptr},
        {"{4d6+2d8, 3d20+3}kh1", 6, 63,
         "{4d6+2d8, 3d20+3}kh1: {~[3, 6, 5, 4] + [2, 2]~, [2, 18, 13] + 3}kh1 = 36"},
        {"{d8!, d6!}kh1", 1, 8000, "{d8!, d6!}kh1: {~[3]~, [6!, 5]}kh1 = 11"},
        {"{d6, 10}dl1", 10, 10, "{d6, 10}dl1: {~[3]~, 10}dl1 = 10"},
        {"{d6, 10}kl1", 1, 6, nullptr},
        {"{3d6, 3d6, 3d6}>10", 0, 3, nullptr},
        {"{d6, d6}kh1>=6", 0, 1, nullptr},
        {"-7%3", 2, 2, "-7%3: -7 % 3 = 2"},
        {"7%-3", -2, -2, "7%-3: 7 % -3 = -2"},
        {"d10%3", 0, 2, "d10%3: [4] % 3 = 1"},
        {"d6%10", 1, 6, nullptr},
        {"9223372036854775807%-2", -1, -1, nullptr},
        {"(d2*4611686018427387903+1)%-2", -1, 0, nullptr},
        {"-d6%-10", -6, -1, nullptr},
        {"2^-1", 0, 0, "2^-1: 2 ^ -1 = 0"},
        {"(-2)^-1", -1, -1, "(-2)^-1: (-2) ^ -1 = -1"},
        {"-2^2", -4, -4, "-2^2: -2 ^ 2 = -4"},
        {"2^d6", 2, 64, nullptr},
        {"(-2)^d3", -8, 4, "(-2)^d3: (-2) ^ [2] = 4"},
        {"+3", 3, 3, "+3: +3 = 3"},
        {"(2+1)d(2*3)", 3, 18, "(2+1)d(2*3): [3, 6, 5] = 14"},
        {"2x d6, 1d4", 1, 6, "d6: [3] = 3; d6: [6] = 6; 1d4: [3] = 3"},
        {"d20+7 [to hit], 1d8+4 [slashing] # first round", 8, 27,
         "to hit: [8] + 7 = 15; slashing: [8] + 4 = 12 # first round"},
        {"1d8 [fire] + 2d6 [cold]", 3, 20, "1d8 [fire] + 2d6 [cold]: [3] fire + [6, 5] cold = 14"},
    };
    for (const Row& row : rows) {
        const DiceRoll roll(row.roll);
        ASSERT_FALSE(roll.Error()) << row.roll;
        const RollBounds b = roll.Bounds(0);
        EXPECT_EQ(b.min, row.min) << row.roll;
        EXPECT_EQ(b.max, row.max) << row.roll;
        Random rng = Seeded(42);
        if (row.line != nullptr) {
            EXPECT_EQ(RollLine(roll.Throw(rng)), row.line) << row.roll;
        }
        for (int k = 0; k < 2000; ++k) {
            const RollOutcome o = roll.Throw(rng);
            if (o.error) {  // only an overflow or a zero divisor may stop these
                ASSERT_TRUE(o.error->kind == RollErrorKind::Overflow ||
                            o.error->kind == RollErrorKind::DivisionByZero)
                    << row.roll;
                continue;
            }
            ASSERT_GE(o.parts[0].total, row.min) << row.roll;
            ASSERT_LE(o.parts[0].total, row.max) << row.roll;
        }
    }
}

TEST(Roll, BadInputNamesItsColumn) {
    using K = RollErrorKind;
    using E = RollExpected;
    const auto Err = [](K kind, int column, E expected = E::Nothing, RollValue limit = 0) {
        return std::optional<RollError>(RollError{kind, column, expected, limit});
    };
    struct Row {
        std::string roll;
        std::optional<RollError> error;  // none: just within a limit
    };
    const Row rows[] = {
        {"d20+", Err(K::Syntax, 5, E::NumberOrDice)},
        {"", Err(K::Syntax, 1, E::NumberOrDice)},
        {"2d", Err(K::Syntax, 3, E::Faces)},
        {"2d6d1", Err(K::Syntax, 5, E::HighOrLow)},
        {"(1+2", Err(K::Syntax, 5, E::CloseParen)},
        {"d6 7", Err(K::Syntax, 4, E::Operator)},
        {"d20 d20", Err(K::Syntax, 5, E::Operator)},
        {"d6kh1kh1", Err(K::Syntax, 6, E::OperatorOrEnd)},  // each modifier once
        {"d20f1", Err(K::Syntax, 4, E::OperatorOrEnd)},     // failures only after successes
        {"d20>=", Err(K::Syntax, 6, E::Number)},
        {"d20\xC3\xA9", Err(K::Syntax, 4, E::OperatorOrEnd)},
        {"+", Err(K::Syntax, 2, E::NumberOrDice)},
        {"{d6, d8", Err(K::Syntax, 8, E::CloseBrace)},
        {"{d6 d8}", Err(K::Syntax, 5, E::Operator)},
        {"d20 [to hit", Err(K::Syntax, 12, E::CloseBracket)},
        {"d20 [\xC3\xA9] d6", Err(K::Syntax, 9, E::Operator)},
        {"d20 [" + std::string(40, 'a') + "]", std::nullopt},
        {"d20 [" + std::string(41, 'a') + "]", Err(K::TextTooLong, 5)},
        {"d20 # " + std::string(41, 'a'), Err(K::TextTooLong, 6)},
        {"d20 # a\x01", Err(K::ControlCharacter, 8)},
        {"d1r1", Err(K::AlwaysRerolls, 3)},
        {"d20r<21", Err(K::AlwaysRerolls, 4)},
        {"d20ro<21", std::nullopt},
        {"d6!>=1", Err(K::AlwaysExplodes, 3)},
        {"d6!>=2", std::nullopt},
        {"d6mi6!", Err(K::AlwaysExplodes, 6)},
        {"(d6)d6", Err(K::DiceInCount, 2)},
        {"(1001)d6", Err(K::NumberTooLarge, 1, E::Nothing, 1000)},
        {"(2-2)d6", Err(K::NoDice, 1)},
        {"d(0)", Err(K::NoFaces, 2)},
        {"d(1/0)", Err(K::DivisionByZero, 4)},
        {"2^63", Err(K::Overflow, 2)},
        {"(-2)^63", std::nullopt},
        {"0^-1", Err(K::DivisionByZero, 2)},
        {"(-9223372036854775807-1) % -1", std::nullopt},
        {"20x d6", std::nullopt},
        {"21x d6", Err(K::TooManyRolls, 1)},
        {"0x d6", Err(K::NoRepeats, 1)},
        {"11x d6, 10x d6", Err(K::TooManyRolls, 9)},
        {"7x 200d6", Err(K::TooManyDice, 1)},
        // Repeats written out ("1+1...+1, 1+1...+1, ...") must fit in 1,000 characters.
        {"19x 1" + Repeated("+1", 24), std::nullopt},
        {"20x 1" + Repeated("+1", 24), Err(K::TooLong, 1)},
        {"0d6", Err(K::NoDice, 1)},
        {"2d0", Err(K::NoFaces, 3)},
        {"1001d6", Err(K::NumberTooLarge, 1, E::Nothing, 1000)},
        {"d1000001", Err(K::NumberTooLarge, 2, E::Nothing, 1000000)},
        {"2d6kh1001", Err(K::NumberTooLarge, 6, E::Nothing, 1000)},
        {"1+9223372036854775808", Err(K::NumberTooLarge, 3, E::Nothing, INT64_MAX)},
        {"d1!", Err(K::CannotExplode, 3)},
        {"4dF!", Err(K::CannotExplode, 4)},
        {"500d6+501d6", Err(K::TooManyDice, 7)},
        {"1000d6!", Err(K::TooManyDice, 1)},  // its sixes explode past 1,000 dice
        {"1/(2-2)", Err(K::DivisionByZero, 2)},
        {"9223372036854775807+1", Err(K::Overflow, 20)},
        {"-9223372036854775807-2", Err(K::Overflow, 21)},
        {"-(-9223372036854775807-1)", Err(K::Overflow, 1)},
        {"(-9223372036854775807-1)/-1", Err(K::Overflow, 25)},
        {"3037000500*3037000500", Err(K::Overflow, 11)},
        {std::string(32, '(') + "1" + std::string(32, ')'), std::nullopt},
        {std::string(33, '(') + "1" + std::string(33, ')'), Err(K::TooDeep, 33)},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20", std::nullopt},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21", Err(K::TooManyRolls, 51)},
        {std::string(1000, '1'), Err(K::NumberTooLarge, 1, E::Nothing, INT64_MAX)},
        {std::string(1001, '1'), Err(K::TooLong, 1001)},
    };
    for (const Row& row : rows) {
        Random rng = Seeded(1);
        const RollOutcome o = DiceRoll(row.roll).Throw(rng);
        EXPECT_EQ(o.error, row.error) << row.roll << ": column " << (o.error ? o.error->column : 0);
    }
}

// Means over many throws, within six standard errors of the exact means (sums over the faces).
TEST(Roll, KeepAndDropGiveTheirMeans) {
    const struct {
        const char* roll;
        double mean;
    } rows[] = {{"2d20kh1", 13.825}, {"2d20kl1", 7.175}, {"4d6dl1", 15869.0 / 1296.0}};
    constexpr int Throws = 200000;
    Random rng = Seeded(7);
    for (const auto& row : rows) {
        const DiceRoll roll(row.roll);
        double sum = 0, squares = 0;
        for (int k = 0; k < Throws; ++k) {
            const auto t = static_cast<double>(roll.Throw(rng).parts.at(0).total);
            sum += t;
            squares += t * t;
        }
        const double mean = sum / Throws;
        const double error = std::sqrt((squares / Throws - mean * mean) / Throws);
        EXPECT_NEAR(mean, row.mean, 6 * error) << row.roll;
        EXPECT_LT(6 * error, 0.07) << row.roll;  // tight enough to tell a wrong die dropped
    }
}

// Marks: dropped struck through, the highest kept bold, the lowest underlined, naturals named.
TEST(Roll, TheRichLineMarksTheDice) {
    ScriptedRandom rng;
    // Two draws a die: the first gives the face, floor(r * faces) + 1.
    rng.draws = {0.99f, 0, 0.0f, 0, 0.5f, 0, 0.99f, 0, 0.0f, 0};
    const RollOutcome o = DiceRoll("3d6kh2 + 2d20>=2").Throw(rng);
    const RollWords words{"nat 20", "nat <1>"};
    EXPECT_EQ(RollLine(o, words),
              "3d6kh2 + 2d20>=2: [6, ~1~, 4] + [20 (nat 20), 1 (nat <1>)]>=2 = 11");
    EXPECT_EQ(RollLineMarkup(o, words),
              "<nobr>3d6kh2 + 2d20&gt;=2: [<b>6</b>, <s>1</s>, <u>4</u>] + "
              "[<b>20</b> (nat 20), <u>1</u> (nat &lt;1&gt;)]&gt;=2 = 11</nobr>");
    // A rerolled 1, a 6 compounding a 4, a d20's critical 19.
    rng.draws = {0.0f, 0, 0.99f, 0, 0.5f, 0, 0.2f, 0, 0.92f, 0};
    const RollOutcome more = DiceRoll("2d6r1!! + d20cs>=19").Throw(rng);
    EXPECT_EQ(RollLine(more), "2d6r1!! + d20cs>=19: [1r, 10!!, 2] + [19 (critical 19)] = 31");
    EXPECT_EQ(RollLineMarkup(more),
              "<nobr>2d6r1!! + d20cs&gt;=19: [<s>1r</s>, <b><i>10!!</i></b>, <u>2</u>] + "
              "[19 (<i>critical 19</i>)] = 31</nobr>");
}

}  // namespace
}  // namespace rollkin::test
