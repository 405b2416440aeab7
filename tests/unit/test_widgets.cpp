#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include "ProgramFixture.h"
#include "platform/QtDesktop.h"

namespace rollkin::test {
namespace {

using Strip = ProgramFixture;

TEST_F(Strip, IsABorderlessTopmostWindowNamedDiceRollkin) {
    EXPECT_EQ(strip().windowTitle(), "Dice Rollkin");
    EXPECT_TRUE(strip().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(strip().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(strip().size(), QSize(80, 400));
}

// The design colour of each slot's button, slot 1 first.
const QColor Colours[] = {{224, 224, 224}, {192, 255, 192}, {255, 255, 128}, {255, 192, 255},
                          {0, 255, 255},   {128, 255, 128}, {255, 128, 128}, {192, 192, 0},
                          {128, 128, 255}, {0, 192, 0}};

TEST_F(Strip, ButtonsSitAtTheDesignPitchInTheDesignColours) {
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        SCOPED_TRACE(i);
        const DiceButton& b = strip().cmdDice(i);
        EXPECT_EQ(b.geometry(), QRect(0, (i - 1) * 40, 81, 41));
        EXPECT_EQ(static_cast<float>(b.y()) * desktop.tppY, static_cast<float>((i - 1) * 600));
        EXPECT_EQ(b.palette().color(QPalette::Button), Colours[i - 1]);
        EXPECT_EQ(b.font().family(), "Arial Narrow");
        EXPECT_EQ(b.font().pointSize(), 24);
        EXPECT_TRUE(b.font().bold());
    }
    // Later buttons lie above earlier ones, so each covers the one-pixel overhang above it.
    EXPECT_EQ(strip().childAt(40, 40), &strip().cmdDice(2));
}

TEST_F(Strip, PaintsEachButtonInItsOwnColour) {
    const QImage image = strip().grab().toImage();
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        EXPECT_EQ(image.pixelColor(5, (i - 1) * 40 + 20), Colours[i - 1]) << i;
    }
}

TEST_F(Strip, ALongCaptionShrinksToReadWholeBetweenTheEdges) {
    strip().cmdDice(10).SetCaption(QStringLiteral("40d100"));
    const QImage image = strip().grab(QRect(0, 360, 80, 40)).toImage();
    int first = 80, last = -1;
    for (int x = 0; x < 80; ++x)
        for (int y = 5; y < 35; ++y)
            if (qGray(image.pixel(x, y)) < 50) first = std::min(first, x), last = std::max(last, x);
    EXPECT_GT(first, 2);
    EXPECT_LT(last, 77);
}

TEST_F(Strip, ACloseRequestUnloadsTheStripAndEndsTheProgram) {
    strip().close();
    EXPECT_EQ(desktop.ends, 1);
    EXPECT_TRUE(program.Ended());
}

TEST_F(Strip, QtMouseEventsReachTheHandlersAsButtonAndShift) {
    DiceButton& d6 = strip().cmdDice(5);
    QTest::mouseClick(&d6, Qt::RightButton);
    EXPECT_EQ(d6.text(), "2d6");
    QTest::mouseClick(&d6, Qt::RightButton, Qt::ControlModifier | Qt::MetaModifier);
    EXPECT_EQ(d6.text(), "3d6");
    QTest::mouseClick(&d6, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(d6.text(), "2d6");
    QTest::mouseClick(&d6, Qt::LeftButton);
    EXPECT_EQ(rng.drawn, 2);
    EXPECT_EQ(state().DiceMultiplier(5), 1);
    EXPECT_TRUE(menu().tmrRefresh(5).isActive());
    EXPECT_FALSE(d6.isDown());
}

TEST_F(Strip, TheSecondClickOfADoubleClickThrowsToo) {
    // What the window system delivers for a double click: press, release, double click, release.
    DiceButton& d20 = strip().cmdDice(9);
    QTest::mouseClick(&d20, Qt::LeftButton);
    const QPointF at(10, 10);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, d20.mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&d20, &dbl);
    QTest::mouseRelease(&d20, Qt::LeftButton);
    EXPECT_EQ(rng.drawn, 2);
    EXPECT_FALSE(d20.isDown());
}

TEST_F(Strip, ALeftPressShowsTheButtonDownUntilItsRelease) {
    DiceButton& d4 = strip().cmdDice(3);
    QTest::mousePress(&d4, Qt::LeftButton);
    EXPECT_TRUE(d4.isDown());
    QTest::mouseRelease(&d4, Qt::LeftButton);
    EXPECT_FALSE(d4.isDown());
    QTest::mousePress(&d4, Qt::RightButton);
    EXPECT_FALSE(d4.isDown());
    QTest::mouseRelease(&d4, Qt::RightButton);
}

TEST_F(Strip, AMenuThatTakesTheRightReleaseEndsTheRightGesture) {
    // Shift+left press during a right drag pops up the menu, and the right button is let go
    // over it: the strip never hears that release, yet the scroller must not stay behind.
    strip().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip()));
    QWidget elsewhere;  // stands for the menu's window
    elsewhere.setGeometry(300, 300, 50, 50);
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
    DiceButton& d6 = strip().cmdDice(5);
    desktop.cursor = {40, 180};
    QTest::mousePress(&d6, Qt::RightButton, {}, QPoint(20, 20));
    desktop.cursor = {60, 180};
    QTest::mouseMove(&d6, QPoint(40, 20));
    ASSERT_FALSE(scroller().isHidden());
    desktop.onPopup = [&](QMenu&) {
        QTest::mouseRelease(&elsewhere, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&elsewhere, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
    };
    QTest::mousePress(&d6, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 20));
    EXPECT_EQ(desktop.popups, 1);
    EXPECT_TRUE(scroller().isHidden());
    EXPECT_EQ(state().RightPressState(5), 0);
    EXPECT_EQ(state().DiceDragged(5), False);
    EXPECT_EQ(state().DiceMultiplier(5), 1);  // abandoned, not applied
    EXPECT_FALSE(d6.isDown());
    // The next right click works as ever.
    QTest::mouseClick(&d6, Qt::RightButton);
    EXPECT_EQ(d6.text(), "2d6");
}

TEST(QtDesktopPlacement, LeavesAndRejoinsTheTopmostBandWithoutHidingTheWindow) {
    QtDesktop desktop;
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    desktop.SetWindowPos(window, InsertAfter::Topmost, 10, 20, 80, 400, PlacementFlags);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QWindow* native = window.windowHandle();
    struct : QObject {
        int raises = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            raises += e->type() == QEvent::ZOrderChange;
            return false;
        }
    } stacking;
    window.installEventFilter(&stacking);
    desktop.SetWindowPos(window, InsertAfter::NoTopmost, 30, 40, 80, 200, PlacementFlags);
    EXPECT_EQ(stacking.raises, 1);  // out of the topmost band, above the other windows
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowHandle(), native);  // the same native window, not a new one
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(native->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.geometry(), QRect(30, 40, 80, 200));
    desktop.SetWindowPos(window, InsertAfter::Topmost, 30, 40, 80, 200, PlacementFlags);
    EXPECT_TRUE(native->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST(QtDesktopPointer, TheProgramsPointerDoesNotStack) {
    QtDesktop desktop;
    desktop.SetMousePointer(PointerMove);
    desktop.SetMousePointer(PointerMove);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
    desktop.SetMousePointer(PointerDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtDesktopCursor, SetsAndReadsTheCursorInScreenPixels) {
    QtDesktop desktop;
    ASSERT_TRUE(desktop.SetCursorPos(123, 45));
    PointL p;
    ASSERT_TRUE(desktop.GetCursorPos(p));
    EXPECT_EQ(p, (PointL{123, 45}));
    EXPECT_EQ(desktop.TwipsPerPixelX(), 15.0f);  // the offscreen screen's 96 dpi
}

}  // namespace
}  // namespace rollkin::test
