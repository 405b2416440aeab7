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
    };
    for (const Row& row : rows) {
        const DiceRoll roll(row.roll);
        ASSERT_FALSE(roll.Error()) << row.roll;
        const RollBounds b = roll.Bounds(0);
        EXPECT_EQ(b.min, row.min) << row.roll;
        EXPECT_EQ(b.max, row.max) << row.roll;
        Random rng = Seeded(42);
        EXPECT_EQ(RollLine(roll.Throw(rng)), row.line) << row.roll;
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
        {"d6 7", Err(K::Syntax, 4, E::OperatorOrEnd)},
        {"d6kh1!", Err(K::Syntax, 6, E::OperatorOrEnd)},  // the modifiers' order is fixed
        {"d20>=", Err(K::Syntax, 6, E::Number)},
        {"d20\xC3\xA9", Err(K::Syntax, 4, E::OperatorOrEnd)},
        {"+1", Err(K::Syntax, 1, E::NumberOrDice)},
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
        {"1,2,3,4,5,6,7,8,9,10", std::nullopt},
        {"1,2,3,4,5,6,7,8,9,10,11", Err(K::TooManyRolls, 21)},
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
}

}  // namespace
}  // namespace rollkin::test
