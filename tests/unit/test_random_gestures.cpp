#include <gtest/gtest.h>

#include <QLabel>
#include <QSlider>
#include <chrono>
#include <cstdlib>
#include <string>

#include "GestureDriver.h"
#include "forms/frmMenu.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "platform/MouseArgs.h"
#include "state/Dice.h"

namespace rollkin::test {
namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::strtoull(v, nullptr, 0) : fallback;
}

struct Screen {
    int w, h;
    float tpp;
};

struct Outcome {
    std::string failure;  // empty when every event kept every invariant
    GestureDriver::Reached reached;
    int dialogs = 0;
    std::uint64_t events = 0;
    AppState finalState;
};

// Runs a seeded sequence and stops at the first broken invariant, with everything needed to
// replay it: the seed, the screen, the event number and the events just before.
Outcome RunSeed(std::uint64_t seed, std::uint64_t events, Screen screen, EventMix mix = {}) {
    Session session(seed, screen.w, screen.h, screen.tpp);
    GestureDriver driver(session, mix);
    SeededChoices choices(seed);
    Outcome out;
    for (std::uint64_t k = 0; k < events; ++k) {
        driver.Step(choices);
        const std::string broken = driver.Check();
        if (!broken.empty()) {
            out.failure = "seed " + std::to_string(seed) + " (screen " + std::to_string(screen.w) +
                          "x" + std::to_string(screen.h) + " at " +
                          std::to_string(static_cast<int>(screen.tpp)) + " twips/px), event #" +
                          std::to_string(k) + ": " + broken + "\nlast events:\n" +
                          driver.RecentEvents() + "replay: unit_tests --replay-gestures " +
                          std::to_string(seed) + " " + std::to_string(k + 1) + " " +
                          std::to_string(screen.w) + " " + std::to_string(screen.h) + " " +
                          std::to_string(static_cast<int>(screen.tpp));
            break;
        }
    }
    out.reached = driver.Coverage();
    out.dialogs = driver.Dialogs();
    out.events = driver.Events();
    out.finalState = session.program->Settings().State();
    return out;
}

// --- the checker itself: each invariant, broken by hand, is reported ------------------------

class Checker : public ::testing::Test {
protected:
    Session session{1};
    GestureDriver driver{session};
    Program& program = *session.program;
    AppState& state = session.program->Settings().State();

    // As a right click or the scroller would: the label follows the multiplier.
    void SetMultiplier(int slot, Integer m) {
        state.DiceMultiplier(slot) = m;
        program.Rollkin().cmdDice(slot).SetCaption(QString::fromStdString(FaceLabel(state, slot)));
    }
};

TEST_F(Checker, HoldsAtStartAndReportsEachBrokenInvariant) {
    EXPECT_EQ(driver.Check(), "");

    state.DiceMultiplier(3) = 0;
    EXPECT_NE(driver.Check().find("slot 3: multiplier 0"), std::string::npos);
    state.DiceMultiplier(3) = 21;  // above the range of 20, which was never lowered
    EXPECT_NE(driver.Check().find("outside 1..20"), std::string::npos);
    state.DiceMultiplier(3) = 1;

    state.RightPressState(7) = 3;
    EXPECT_NE(driver.Check().find("RightPressState 3"), std::string::npos);
    state.RightPressState(7) = 0;

    program.Rollkin().cmdDice(5).SetCaption(QStringLiteral("3d6"));  // stale label
    EXPECT_NE(driver.Check().find("neither the face label"), std::string::npos);
    program.Rollkin().cmdDice(5).SetCaption(QStringLiteral("4"));  // no press threw it
    EXPECT_NE(driver.Check().find("appeared without a left press"), std::string::npos);
    program.Rollkin().cmdDice(5).SetCaption(QStringLiteral("d6"));

    program.Rollkin().SetHeight(5400);
    EXPECT_NE(driver.Check().find("strip height 5400"), std::string::npos);
    program.Rollkin().SetHeight(6000);

    program.Scroller().show();
    EXPECT_EQ(driver.Check(), "the scroller shows with no right button held");
    program.Scroller().hide();

    program.Rollkin().cmdDice(2).SetVisible(false);
    EXPECT_NE(driver.Check().find("slot 2: visible 0"), std::string::npos);
    program.Rollkin().cmdDice(2).SetVisible(true);
    EXPECT_EQ(driver.Check(), "");
}

TEST_F(Checker, AcceptsAValueKeptThroughALoweredRangeButNotARiseAboveIt) {
    SetMultiplier(4, 18);
    EXPECT_EQ(driver.Check(), "");
    ByteChoices none(nullptr, 0);
    driver.Step(none);           // records 18 as this slot's value before the next event
    state.MultiplierRange = 10;  // as OK in the dialog would
    EXPECT_EQ(driver.Check(), "");
    driver.Step(none);
    SetMultiplier(4, 17);  // coming down is fine
    EXPECT_EQ(driver.Check(), "");
    driver.Step(none);
    SetMultiplier(4, 18);  // going back up past the range is not
    EXPECT_NE(driver.Check().find("outside 1..17"), std::string::npos);
}

TEST_F(Checker, BoundsATotalByTheMultiplierAtItsPress) {
    // Fuzz bytes: a press (kind 0), left button (0), no modifier (0), on the first visible slot.
    const std::uint8_t press[] = {0, 0, 0, 0};
    SetMultiplier(1, 3);
    ByteChoices c(press, sizeof press);
    driver.Step(c);
    ASSERT_EQ(driver.Check(), "");
    const int total = program.Rollkin().cmdDice(1).text().toInt();
    EXPECT_GE(total, 3);
    EXPECT_LE(total, 6);
    program.Rollkin().cmdDice(1).SetCaption(QStringLiteral("7"));  // more than 3d2 can throw
    EXPECT_NE(driver.Check().find("total 7 outside 3..6"), std::string::npos);
}

// --- long seeded runs ------------------------------------------------------------------------

TEST(RandomGestures, TheSameSeedReplaysTheSameRun) {
    const Screen screen{1024, 768, 15};
    const EventMix mix = MixFromEnvironment();
    const Outcome a = RunSeed(99, 20000, screen, mix);
    const Outcome b = RunSeed(99, 20000, screen, mix);
    const Outcome c = RunSeed(100, 20000, screen, mix);
    ASSERT_EQ(a.failure, "");
    EXPECT_TRUE(a.finalState == b.finalState);
    EXPECT_EQ(a.reached.totals, b.reached.totals);
    EXPECT_FALSE(a.finalState == c.finalState);
}

struct LongRun {
    std::uint64_t seed;
    Screen screen;
};

// How ctest names each run.
void PrintTo(const LongRun& run, std::ostream* out) {
    *out << "seed " << run.seed << ", " << run.screen.w << "x" << run.screen.h;
}

class RandomGesturesLong : public ::testing::TestWithParam<LongRun> {};

// Two halves of the million events the CI run asks for, so that ctest runs them side by side.
// ROLLKIN_GESTURE_HALF changes the count of each half (e.g. for a longer run by hand).
TEST_P(RandomGesturesLong, EveryInvariantHoldsAfterEveryEvent) {
    const LongRun run = GetParam();
    const std::uint64_t events = EnvNumber("ROLLKIN_GESTURE_HALF", 500000);
    const auto start = std::chrono::steady_clock::now();
    const Outcome out = RunSeed(run.seed, events, run.screen, MixFromEnvironment());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(out.failure, "");
    // The run must have reached the states the invariants are about, or it proved little.
    EXPECT_GT(out.reached.scrollerOpen, events / 1000);
    EXPECT_GT(out.reached.aboveRange, 0u);
    EXPECT_GT(out.reached.totals, events / 10);
    EXPECT_GT(out.reached.freePosition, events / 100);
    EXPECT_GT(out.dialogs, 100);
    std::printf(
        "seed %llu: %llu events in %.1f s (%d dialogs; after-event states seen: %llu "
        "with the scroller open, %llu with a multiplier above the range)\n",
        static_cast<unsigned long long>(run.seed), static_cast<unsigned long long>(out.events),
        seconds, out.dialogs, static_cast<unsigned long long>(out.reached.scrollerOpen),
        static_cast<unsigned long long>(out.reached.aboveRange));
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomGesturesLong,
                         ::testing::Values(LongRun{20240601, {1024, 768, 15}},
                                           LongRun{7001, {1920, 1080, 12}}),
                         [](const ::testing::TestParamInfo<LongRun>& p) {
                             return "Seed" + std::to_string(p.param.seed);
                         });

}  // namespace

// unit_tests --replay-gestures SEED EVENTS [WIDTH HEIGHT TWIPS_PER_PIXEL]: one seeded run, e.g.
// one that a longer run reported; prints where it broke (status 1) or that it held (status 0).
int ReplayGestures(int argc, char** argv) {
    auto arg = [&](int i, std::uint64_t fallback) {
        return argc > i ? std::strtoull(argv[i], nullptr, 0) : fallback;
    };
    const Screen screen{static_cast<int>(arg(4, 1024)), static_cast<int>(arg(5, 768)),
                        static_cast<float>(arg(6, 15))};
    const Outcome out = RunSeed(arg(2, 0), arg(3, 100000), screen, MixFromEnvironment());
    std::printf("%s\n", out.failure.empty() ? "every invariant held" : out.failure.c_str());
    return out.failure.empty() ? 0 : 1;
}
}  // namespace rollkin::test
