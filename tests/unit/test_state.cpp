#include <gtest/gtest.h>

#include <QTime>
#include <cmath>
#include <limits>
#include <set>

#include "ProgramFixture.h"
#include "platform/QtDesktop.h"
#include "state/Dice.h"

namespace rollkin::test {
namespace {

// A bare state with the dice table, for the throw and label tests.
AppState DiceTable() {
    AppState s;
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        s.DiceSides(i) = DesignDiceSides[i - 1];
        s.DiceMultiplier(i) = 1;
    }
    return s;
}

using StartValues = ProgramFixture;

TEST_F(StartValues, FormLoadGivesEveryFieldItsStartValue) {
    const AppState& s = state();
    const Integer sides[] = {2, 3, 4, 5, 6, 8, 10, 12, 20, 100};
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.DiceSides(i), sides[i - 1]);
        EXPECT_EQ(s.DiceMultiplier(i), 1);
        EXPECT_EQ(s.DiceDragged(i), False);
        EXPECT_EQ(s.RightPressState(i), 0);
        EXPECT_EQ(s.DiceEnabled(i), True);
    }
    EXPECT_EQ(s.RefreshSeconds, 1);
    EXPECT_EQ(s.MultiplierRange, 20);
    EXPECT_EQ(s.MultiplierPermanent, False);
    EXPECT_EQ(s.ResultPermanent, False);
    EXPECT_EQ(s.StayOnTop, True);
    EXPECT_EQ(s.ScrollerMirrored, False);
    EXPECT_EQ(s.AnchorPosition, 1);
    EXPECT_EQ(s.FreePosition, False);
}

TEST_F(StartValues, EveryButtonShowsItsFaceLabelAtStart) {
    const char* labels[] = {"d2", "d3", "d4", "d5", "d6", "d8", "d10", "d12", "d20", "d100"};
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        EXPECT_EQ(caption(i), QString::fromStdString(FaceLabel(state(), i)));
        EXPECT_EQ(caption(i), QString::fromLatin1(labels[i - 1]));
    }
}

TEST(StartValuesAcrossRuns, ASecondRunStartsFromTheSameSettings) {
    FakeDesktop desktop;
    ScriptedRandom rng;
    {
        Program first(desktop, rng);
        first.Start();
        first.Settings().State().MultiplierRange = 40;
        first.Settings().State().DiceEnabled(3) = False;
        first.Settings().State().AnchorPosition = 9;
    }
    Program second(desktop, rng);
    second.Start();
    EXPECT_EQ(second.Settings().State().MultiplierRange, 20);
    EXPECT_EQ(second.Settings().State().DiceEnabled(3), True);
    EXPECT_EQ(second.Settings().State().AnchorPosition, 1);
}

TEST(SlotArrays, IndicesRunFromOneToTen) {
    AppState s;
    s.DiceSides(1) = 7;
    s.DiceSides(10) = 9;
    EXPECT_EQ(s.DiceSides(1), 7);
    EXPECT_EQ(s.DiceSides(10), 9);
    EXPECT_THROW(s.DiceSides(0), std::out_of_range);
    EXPECT_THROW(s.DiceSides(11), std::out_of_range);
}

TEST(FaceLabels, NameTheDiceWithoutSpaces) {
    AppState s = DiceTable();
    EXPECT_EQ(FaceLabel(s, 9), "d20");
    EXPECT_EQ(FaceLabel(s, 10), "d100");
    s.DiceMultiplier(5) = 3;
    EXPECT_EQ(FaceLabel(s, 5), "3d6");
    s.DiceMultiplier(10) = 40;
    EXPECT_EQ(FaceLabel(s, 10), "40d100");
    EXPECT_EQ(ResultCaption(7), "7");
    EXPECT_EQ(ResultCaption(4000), "4000");
}

TEST(Throws, StayWithinTheirBoundsAndEveryFaceOccurs) {
    AppState s = DiceTable();
    Random rng;
    rng.Randomize(12345.5f);
    for (int slot = FirstSlot; slot <= LastSlot; ++slot) {
        SCOPED_TRACE(slot);
        const int sides = s.DiceSides(slot);
        std::set<int> seen;
        for (int k = 0; k < sides * 200; ++k) {
            const int total = Throw(s, slot, rng);
            ASSERT_GE(total, 1);
            ASSERT_LE(total, sides);
            seen.insert(total);
        }
        EXPECT_EQ(static_cast<int>(seen.size()), sides);
    }
}

TEST(Throws, FortyHundredSidedDiceTotalFortyToFourThousand) {
    AppState s = DiceTable();
    s.DiceMultiplier(10) = 40;
    ScriptedRandom low, high;
    low.draws.assign(40, 0.0f);
    high.draws.assign(40, std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(Throw(s, 10, low), 40);
    EXPECT_EQ(Throw(s, 10, high), 4000);
    EXPECT_EQ(low.drawn, 40);
    Random rng;
    rng.Randomize(1.0f);
    for (int k = 0; k < 2000; ++k) {
        const int total = Throw(s, 10, rng);
        ASSERT_GE(total, 40);
        ASSERT_LE(total, 4000);
    }
}

TEST(Throws, ADrawJustBelowAWholeProductGivesTheLowerFace) {
    // 6 x 0x1.aaaaaap-1 is 4.99999988 exactly; rounded to single precision it would be 5.0 and
    // throw a six. The exact product gives the face 5.
    const float r = 0x1.aaaaaap-1f;
    ASSERT_EQ(6.0f * r, 5.0f);
    EXPECT_EQ(DieFace(6, r), 5);
    // Likewise 10 x 0x1.666666p-1 = 6.99999988 gives 7, not 8; and 100 faces take the top draw
    // to 100, never 101.
    EXPECT_EQ(DieFace(10, 0x1.666666p-1f), 7);
    EXPECT_EQ(DieFace(100, std::nextafter(1.0f, 0.0f)), 100);

    AppState s = DiceTable();
    ScriptedRandom rng;
    rng.draws = {r};
    EXPECT_EQ(Throw(s, 5, rng), 5);
}

TEST(Throws, AD2GivesOnlyOneAndTwo) {
    AppState s = DiceTable();
    Random rng;
    rng.Randomize(42.0f);
    int ones = 0, twos = 0;
    for (int k = 0; k < 10000; ++k) {
        const int total = Throw(s, 1, rng);
        ASSERT_TRUE(total == 1 || total == 2) << total;
        (total == 1 ? ones : twos)++;
    }
    EXPECT_GT(ones, 4500);
    EXPECT_GT(twos, 4500);
}

TEST(Generator, DrawsStayInsideZeroToOne) {
    EXPECT_EQ(Random::DrawFromBits(0), 0.0f);
    EXPECT_LT(Random::DrawFromBits(std::numeric_limits<std::uint32_t>::max()), 1.0f);
    EXPECT_EQ(Random::DrawFromBits(std::numeric_limits<std::uint32_t>::max()),
              std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(Random::DrawFromBits(0xFFu), 0.0f);  // bits below the mantissa are dropped
    Random rng;
    rng.Randomize(0.0f);
    for (int k = 0; k < 100000; ++k) {
        const float r = rng.Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(Generator, TheSameSeedGivesTheSameSequenceAndNearSeedsDiffer) {
    Random a, b, c;
    a.Randomize(43200.25f);
    b.Randomize(43200.25f);
    c.Randomize(std::nextafter(43200.25f, 1e9f));
    int same = 0;
    for (int k = 0; k < 100; ++k) {
        const float x = a.Rnd();
        EXPECT_EQ(x, b.Rnd());
        if (x == c.Rnd()) ++same;
    }
    EXPECT_LT(same, 5);
}

TEST(Generator, TheLoadHandlerSeedsItWithTheTimeOfDay) {
    FakeDesktop desktop;
    desktop.timeOfDay = 45296.75f;  // 12:34:56.75
    Random rng, expected;
    Program(desktop, rng).Start();
    expected.Randomize(45296.75f);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(rng.Rnd(), expected.Rnd());
    const double qtSeconds = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    EXPECT_NEAR(std::remainder(QtDesktop().TimeOfDay() - qtSeconds, 86400.0), 0.0, 1.0);
}

}  // namespace
}  // namespace rollkin::test
