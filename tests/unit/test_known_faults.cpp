// Faults the randomized gesture run found in the program, each as its shortest sequence of
// events. They are disabled until the program is fixed; the randomized run leaves the kind of
// event out (EventMix) so that it still checks everything else. Run them with
//   unit_tests --gtest_also_run_disabled_tests --gtest_filter='KnownFaults.*'
#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <limits>

#include "Gestures.h"

namespace rollkin::test {
namespace {

using KnownFaults = GestureFixture;

// Randomized run: ROLLKIN_GESTURE_MIX=label, seeds 1, 2, 3 break at events #581, #165, #200.
// A plain left release puts the multiplier back to one die but leaves the label as it was, so a
// button reads "2d6" and throws one die. It happens whenever the press did not throw (a Ctrl+left
// drag of a free strip let go of Ctrl first) or a right click put the label back in between, and
// with "Dice Result Permanent" no timer ever corrects it.
TEST_F(KnownFaults, DISABLED_APlainLeftReleaseAfterAMoveLeavesAStaleMultiplierLabel) {
    state().FreePosition = True;
    state().ResultPermanent = True;
    RightClick(5);
    ASSERT_EQ(caption(5), "2d6");
    desktop.cursor = {100, 100};
    Down(5, vbLeftButton, vbCtrlMask);  // moves the strip, throws nothing
    Move(5, vbLeftButton, vbCtrlMask, {120, 110});
    Up(5, vbLeftButton, 0);  // Ctrl let go before the button
    EXPECT_EQ(state().DiceMultiplier(5), 1);
    EXPECT_EQ(caption(5).toStdString(), "d6");  // fails: still "2d6"
}

// Randomized run: ROLLKIN_GESTURE_MIX=drag, seeds 1, 2, 3 break at events #1111, #1075, #2386.
// The menu (Shift+left press) or the About window (F1) opened during a right drag takes the
// mouse: the releases go to it, the strip never hears of them, and the scroller stays on the
// screen with no button held, until the next right release on that button. Seen on the real
// program under Xvfb too. The releases are taken by a window of Qt's, so this goes through Qt's
// mouse events rather than the handlers.
TEST_F(KnownFaults, DISABLED_TheMenuOpenedDuringARightDragLeavesTheScrollerOpen) {
    strip().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip()));
    QWidget menuWindow;  // where the releases go
    menuWindow.setGeometry(300, 300, 50, 50);
    menuWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menuWindow));
    DiceButton& d6 = strip().cmdDice(5);
    desktop.cursor = {40, 180};
    QTest::mousePress(&d6, Qt::RightButton, {}, QPoint(20, 20));
    desktop.cursor = {60, 180};
    QTest::mouseMove(&d6, QPoint(40, 20));
    ASSERT_TRUE(scroller().isVisible());
    desktop.onPopup = [&](QMenu&) {
        QTest::mouseRelease(&menuWindow, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&menuWindow, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
    };
    QTest::mousePress(&d6, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 20));
    ASSERT_EQ(desktop.popups, 1);
    EXPECT_FALSE(scroller().isVisible());  // fails: still shown
}

// Randomized run: ROLLKIN_GESTURE_MIX=wide, seeds 1, 2, 3 stop at once under UBSan.
// A cursor read near the top of the 32-bit range places the scroller (or a free strip) at the
// saturated pixel 2147483647; Qt keeps the right or bottom edge as left + width - 1, which
// wraps, and the next Height() or Width() of that window is a signed overflow
// (qrect.h: y2 - y1 + 1). X reports 16-bit coordinates, so only a broken cursor read gets here.
TEST_F(KnownFaults, DISABLED_ACursorAtTheTopOfTheRangeOverflowsTheScrollersGeometry) {
    constexpr Long Top = std::numeric_limits<Long>::max();
    desktop.cursor = {40, Top};
    Down(5, vbRightButton);
    Move(5, vbRightButton, 0, {41, Top});  // opens the scroller at y = 2147483647
    Up(5, vbRightButton);
    Down(5, vbRightButton);
    Move(5, vbRightButton, 0, {42, Top});  // OpenScroller reads Height(): overflow
    EXPECT_EQ(scroller().height(), 17);
}

}  // namespace
}  // namespace rollkin::test
