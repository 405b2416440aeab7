#include <gtest/gtest.h>

#include <limits>

#include "ProgramFixture.h"
#include "forms/frmScroller.h"
#include "layout/StripLayout.h"
#include "platform/Monitors.h"
#include "settings/SettingsFile.h"

namespace rollkin::test {
namespace {

class Placement : public ProgramFixture {
protected:
    // Where PlaceMainWindow puts the strip for an anchor position, in pixels.
    QPoint PlacedAt(Integer position) {
        state().AnchorPosition = position;
        strip().PlaceMainWindow();
        const auto& p = desktop.placements.back();
        return {p.x, p.y};
    }
    Long AnchorLeft(Integer position) {
        return functions::AnchorLeft(position, desktop.MonitorOf(strip()), desktop.tppX,
                                     strip().Width());
    }
    Long AnchorTop(Integer position) {
        return functions::AnchorTop(position, desktop.MonitorOf(strip()), desktop.tppY,
                                    strip().Height());
    }
};

TEST_F(Placement, StartUpPlacesTheStripTopmostInTheUpperLeftCornerWithoutFocus) {
    ASSERT_EQ(desktop.placements.size(), 1u);
    const auto& p = desktop.placements.front();
    EXPECT_EQ(p.window, &strip());
    EXPECT_EQ(p.after, InsertAfter::Topmost);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.cx, 80);
    EXPECT_EQ(p.cy, 400);
    EXPECT_EQ(p.flags, 0x50u);
    EXPECT_EQ(strip().Width(), 1200.0f);
    EXPECT_EQ(strip().Height(), 6000.0f);
}

TEST_F(Placement, TheNineAnchorsOnA1024By768Screen) {
    EXPECT_EQ(PlacedAt(1), QPoint(0, 0));
    EXPECT_EQ(PlacedAt(2), QPoint(472, 0));
    EXPECT_EQ(PlacedAt(3), QPoint(944, 0));
    EXPECT_EQ(PlacedAt(4), QPoint(0, 184));
    EXPECT_EQ(PlacedAt(5), QPoint(472, 184));
    EXPECT_EQ(PlacedAt(6), QPoint(944, 184));
    EXPECT_EQ(PlacedAt(7), QPoint(0, 368));
    EXPECT_EQ(PlacedAt(8), QPoint(472, 368));
    EXPECT_EQ(PlacedAt(9), QPoint(944, 368));
    EXPECT_EQ(AnchorLeft(9), 14160);
    EXPECT_EQ(AnchorTop(9), 5520);
}

TEST_F(Placement, AShorterStripKeepsItsBottomEdgeOnTheScreensBottom) {
    strip().SetHeight(3000);
    EXPECT_EQ(PlacedAt(9), QPoint(944, 568));
    EXPECT_EQ(desktop.placements.back().cy, 200);
    EXPECT_EQ(PlacedAt(5), QPoint(472, 284));
}

TEST_F(Placement, PositionsOutsideOneToNineGiveTheUpperLeftCorner) {
    EXPECT_EQ(PlacedAt(0), QPoint(0, 0));
    EXPECT_EQ(PlacedAt(10), QPoint(0, 0));
    EXPECT_EQ(PlacedAt(-1), QPoint(0, 0));
    EXPECT_EQ(AnchorLeft(10), 0);
    EXPECT_EQ(AnchorTop(0), 0);
}

TEST_F(Placement, AnOddDifferenceRoundsHalfToEvenBeforeThePixelDivision) {
    // 1025 px: (15375 - 1200) / 2 = 7087.5 -> 7088; 1023 px: 7072.5 -> 7072.
    desktop.screenWidthPixels = 1025;
    EXPECT_EQ(AnchorLeft(2), 7088);
    EXPECT_EQ(PlacedAt(2).x(), 472);
    desktop.screenWidthPixels = 1023;
    EXPECT_EQ(AnchorLeft(5), 7072);
    // At one twip per pixel the half-even step is visible in pixels: 1001 - 80 = 921 -> 460.5.
    desktop.tppX = desktop.tppY = 1;
    desktop.screenWidthPixels = 1001;
    strip().resize(80, 400);
    EXPECT_EQ(AnchorLeft(2), 460);
    desktop.screenWidthPixels = 1003;  // 923 / 2 = 461.5 -> 462
    EXPECT_EQ(AnchorLeft(2), 462);
}

TEST_F(Placement, AFreeStripStaysWhereItWasEvenPartlyOffTheScreen) {
    state().FreePosition = True;
    state().AnchorPosition = 9;
    strip().move(-7, 123);
    strip().PlaceMainWindow();
    const auto& p = desktop.placements.back();
    EXPECT_EQ(p.x, -7);
    EXPECT_EQ(p.y, 123);
    EXPECT_EQ(strip().Left(), -105.0f);
    // A left edge of -1 twip is floored to pixel -1, not truncated to 0.
    strip().SetLeft(-1);
    strip().PlaceMainWindow();
    EXPECT_EQ(desktop.placements.back().x, -1);
}

TEST_F(Placement, WithoutStayOnTopTheStripLeavesTheTopmostBand) {
    state().StayOnTop = False;
    strip().PlaceMainWindow();
    EXPECT_EQ(desktop.placements.back().after, InsertAfter::NoTopmost);
    state().StayOnTop = 1;  // any non-zero value tests true
    strip().PlaceMainWindow();
    EXPECT_EQ(desktop.placements.back().after, InsertAfter::Topmost);
}

TEST_F(Placement, AnchorsAndTheScrollersSideFollowTheMonitorHoldingTheStripsCentre) {
    // A larger primary monitor right of the one the strip stands on.
    desktop.monitors = {QRect(1024, 0, 1280, 1024), QRect(0, 0, 1024, 768)};
    EXPECT_EQ(PlacedAt(9), QPoint(944, 368));
    state().FreePosition = True;
    strip().SetLeft(1100 * 15);
    EXPECT_EQ(PlacedAt(9), QPoint(1100, 368));
    state().FreePosition = False;
    EXPECT_EQ(PlacedAt(9), QPoint(2224, 624));
    EXPECT_EQ(PlacedAt(5), QPoint(1624, 312));
    // Left of that monitor's centre: the scroller opens to the right.
    strip().SetLeft(1500 * 15);
    program.OpenScroller(1);
    EXPECT_EQ(state().ScrollerMirrored, False);
}

TEST_F(Placement, WhenTheMonitorsChangeTheStripComesBackOntoThem) {
    // Off every monitor a window goes to the nearest place on the nearest monitor that holds it
    // whole; with any part on a monitor it stays.
    const std::vector<QRect> two = {QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
    const std::pair<QRect, QPoint> moves[] = {
        {QRect(1912, 0, 80, 400), QPoint(1912, 0)},   {QRect(1020, 700, 80, 400), {1020, 700}},
        {QRect(2400, 50, 80, 400), QPoint(2224, 50)}, {QRect(100, 800, 80, 400), {100, 368}},
        {QRect(-300, 900, 80, 400), QPoint(0, 368)},  {QRect(3000, 0, 80, 2000), {2224, 0}},
        {QRect(-90, -500, 80, 400), QPoint(0, 0)}};
    for (const auto& [window, to] : moves)
        EXPECT_EQ(functions::OntoNearestMonitor(window, two), to)
            << window.x() << "," << window.y();
    // A remembered place is shown whole, whatever int the file held.
    constexpr int Max = std::numeric_limits<int>::max(), Min = std::numeric_limits<int>::min();
    const std::pair<QPoint, QPoint> whole[] = {
        {{1912, 0}, {1912, 0}}, {{1020, 700}, {1024, 624}}, {{Max, Max}, {2224, 624}},
        {{Min, Min}, {0, 0}},   {{Max, 10}, {2224, 10}},    {{-40, Min}, {0, 0}},
        {{1000, -1}, {1024, 0}}};
    for (const auto& [at, to] : whole)
        EXPECT_EQ(functions::WholeOnNearestMonitor(at, {80, 400}, two), to)
            << at.x() << "," << at.y();
    EXPECT_EQ(functions::WholeOnNearestMonitor({5, 5}, {80, 4000}, two), QPoint(5, 0));

    // The monitor on the right, which holds the anchored strip, goes: the strip follows its anchor
    // onto the one left; a free strip left off it comes back whole, and one on it stays.
    desktop.monitors = {two[1], two[0]};
    strip().SetLeft(1500 * 15);
    ASSERT_EQ(PlacedAt(9), QPoint(2224, 624));
    desktop.monitors = {two[0]};
    desktop.monitorsChanged();
    EXPECT_EQ(strip().geometry(), QRect(944, 368, 80, 400));
    state().FreePosition = True;
    strip().SetLeft(1500 * 15);
    strip().SetTop(100 * 15);
    desktop.monitorsChanged();
    EXPECT_EQ(strip().pos(), QPoint(944, 100));
    const size_t placed = desktop.placements.size();
    desktop.monitorsChanged();
    EXPECT_EQ(desktop.placements.size(), placed);  // on a monitor: nothing moves
}

TEST_F(Placement, AStripTallerThanItsMonitorIsDrawnAtTheLargestScaleThatFits) {
    const std::tuple<float, float, int, float> scales[] = {
        {6000, 15, 768, 1},        {6000, 7.5f, 800, 1},        {6000, 7.5f, 600, 0.75f},
        {1200, 7.5f, 100, 0.625f}, {6000, 7.5f, 799, 0.99875f}, {6000, 7.5f, 0, 1}};
    for (const auto& [height, tpp, monitor, scale] : scales)
        EXPECT_FLOAT_EQ(functions::FitScale(height, tpp, monitor), scale)
            << height << " " << monitor;

    // 800 x 600 at 192 dpi: the 800-pixel strip, its buttons and the scroller at three quarters.
    desktop.tppX = desktop.tppY = 7.5f;
    desktop.screenWidthPixels = 800;
    desktop.screenHeightPixels = 600;
    program.ApplyLayout();
    EXPECT_EQ(strip().geometry(), QRect(0, 0, 120, 600));
    EXPECT_EQ(strip().cmdDice(10).geometry(), QRect(0, 540, 121, 61));
    EXPECT_EQ(strip().cmdDice(10).font().pointSizeF(), 18);
    EXPECT_EQ(scroller().size(), QSize(351, 25));
    // Fewer dice offered fit again: drawn exactly at the desktop's size.
    state().DiceEnabled(1) = state().DiceEnabled(2) = state().DiceEnabled(3) = 0;
    program.ApplyLayout();
    EXPECT_EQ(strip().geometry(), QRect(0, 0, 160, 560));
    EXPECT_EQ(strip().cmdDice(10).font().pointSizeF(), 24);
}

TEST(SavedRollsAtStart, TwoThrowableOnesMakeTheFirstPlacement80By480) {
    FakeDesktop desktop;
    ScriptedRandom rng;
    Program program{desktop, rng};
    ASSERT_TRUE(
        SettingsFile(SettingsFile::DefaultPath())
            .SetRolls({{"Fireball", "8d6"}, {"Bad", "d20+"}, {"Longsword", "d20+7, 1d8+4"}}));
    program.Start();
    ASSERT_EQ(desktop.placements.size(), 1u);  // placed once, at its whole height
    const auto& p = desktop.placements.front();
    EXPECT_EQ(QRect(p.x, p.y, p.cx, p.cy), QRect(0, 0, 80, 480));
    EXPECT_EQ(program.Rollkin().ButtonAt(LastSlot + 2).text(), "Longsword");
}

TEST(MenuBeside, RightOfTheStripUnlessTheScreenEndsFirst) {
    struct Row {
        Long stripLeft, stripRight;
        int menuWidth;
        Long screenWidth, menuLeft;
    };
    const Row rows[] = {
        {0, 80, 100, 1024, 80},     {924, 1004, 20, 1024, 1004},  // fits to the last pixel
        {924, 1004, 21, 1024, 903}, {944, 1024, 100, 1024, 844},
        {-40, 40, 100, 1024, 40},   {500, 580, 100, 600, 400},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(functions::MenuLeft(r.stripLeft, r.stripRight, r.menuWidth, r.screenWidth),
                  r.menuLeft)
            << r.stripLeft << " " << r.menuWidth << " " << r.screenWidth;
    }
}

// History and the Rolls window open beside each other, not over each other.
TEST(BesideStrip, PastTheWindowsOpenThereOrOnTheOtherSide) {
    const QRect area(0, 0, 1024, 768), strip(0, 0, 80, 400), history(80, 0, 400, 300);
    const QRect right(944, 0, 80, 400), rolls(544, 0, 400, 300);
    const std::tuple<QRect, std::vector<QRect>, int> rows[] = {
        {strip, {}, 80},  {strip, {history}, 480}, {strip, {QRect(80, 350, 400, 300)}, 80},
        {right, {}, 544}, {right, {rolls}, 144},   {strip, {QRect(80, 0, 900, 300)}, 80},
    };
    for (const auto& [at, open, left] : rows)
        EXPECT_EQ(functions::BesideLeft(at, {400, 300}, area, open), left) << open.size();
}

TEST(MonitorHolding, TheCentresMonitorOnceThePrimaryOtherwise) {
    const QRect primary(1024, 0, 1280, 1024), left(0, 0, 1024, 768);
    struct Row {
        QPoint centre;
        bool placed;
        QRect monitor;
    };
    const Row rows[] = {
        {{40, 200}, false, primary},  // not placed yet
        {{40, 200}, true, left},     {{1023, 767}, true, left},
        {{1024, 0}, true, primary},  {{500, 900}, true, primary},  // in no monitor
        {{-1, 200}, true, primary},  {{2303, 1023}, true, primary},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(MonitorHolding({primary, left}, r.centre, r.placed), r.monitor)
            << r.centre.x() << "," << r.centre.y() << " placed " << r.placed;
    }
    EXPECT_EQ(MonitorHolding({}, {40, 200}, true), QRect());
}

}  // namespace
}  // namespace rollkin::test
