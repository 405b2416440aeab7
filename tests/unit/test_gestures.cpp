#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <limits>
#include <string>

#include "Gestures.h"

namespace rollkin::test {
namespace {

constexpr int Slot = 5;  // d6

// What one event did, read off the program and the desktop.
struct Observed {
    int popups, draws, pointerCalls, getCursorCalls, placements;
    AppState state;
    QString caption;
    bool timer, scrollerShown;
    QPoint stripAt;
};

class Dispatch : public GestureFixture {
protected:
    void SetUp() override {
        GestureFixture::SetUp();
        state().DiceMultiplier(Slot) = 3;
        state().PressCursor = {10, 10};
        desktop.cursor = {30, 40};  // away from the press point
    }
    Observed Snapshot() {
        return {desktop.popups,
                rng.drawn,
                static_cast<int>(desktop.pointerCalls.size()),
                desktop.getCursorCalls,
                static_cast<int>(desktop.placements.size()),
                state(),
                caption(Slot),
                Loaded("frmMenu") && menu().tmrRefresh(Slot).isActive(),
                !scroller().isHidden(),
                strip().pos()};
    }
    // Checks that the event with this code did exactly its own work:
    //  T throw  M menu  V window move begins  R right press  W window follows
    //  D right drag  E end of throw  P pointer back  A add one  S take one  - nothing
    void Expect(char action, const Observed& before) {
        const Observed after = Snapshot();
        AppState expected = before.state;
        switch (action) {
            case 'T':
                EXPECT_EQ(after.draws, before.draws + 3);
                EXPECT_TRUE(after.caption.toInt() >= 3 && after.caption.toInt() <= 18)
                    << after.caption.toStdString();
                break;
            case 'M':
                EXPECT_EQ(after.popups, before.popups + 1);
                break;
            case 'V':
                expected.PressCursor = {30, 40};
                expected.PressWindowOrigin = {strip().x(), strip().y()};
                ASSERT_FALSE(desktop.pointerCalls.empty());
                EXPECT_EQ(desktop.pointerCalls.back(), PointerMove);
                EXPECT_EQ(after.pointerCalls, before.pointerCalls + 1);
                break;
            case 'R':
                expected.PressCursor = {30, 40};
                expected.RightPressState(Slot) = 1;
                EXPECT_EQ(after.getCursorCalls, before.getCursorCalls + 1);
                break;
            case 'W':
                expected.DragCursor = {30, 40};
                EXPECT_NE(after.stripAt, before.stripAt);
                break;
            case 'D':
                expected.DragCursor = {30, 40};
                expected.DiceDragged(Slot) = True;
                break;
            case 'E':
                expected.DiceMultiplier(Slot) = 1;
                EXPECT_TRUE(after.timer);
                break;
            case 'P':
                ASSERT_FALSE(desktop.pointerCalls.empty());
                EXPECT_EQ(desktop.pointerCalls.back(), PointerDefault);
                EXPECT_EQ(after.pointerCalls, before.pointerCalls + 1);
                break;
            case 'A':
                expected.DiceMultiplier(Slot) = 4;
                EXPECT_EQ(after.caption, "4d6");
                break;
            case 'S':
                expected.DiceMultiplier(Slot) = 2;
                EXPECT_EQ(after.caption, "2d6");
                break;
            case '-':
                break;
            default:
                FAIL() << "unknown action " << action;
        }
        EXPECT_EQ(after.state, expected);
        if (action != 'M') {
            EXPECT_EQ(after.popups, before.popups);
        }
        if (action != 'T') {
            EXPECT_EQ(after.draws, before.draws);
        }
        if (action != 'T' && action != 'A' && action != 'S') {
            EXPECT_EQ(after.caption, before.caption);
        }
        if (action != 'V' && action != 'P') {
            EXPECT_EQ(after.pointerCalls, before.pointerCalls);
        }
        if (action != 'E') {
            EXPECT_EQ(after.timer, before.timer);
        }
        if (action != 'W') {
            EXPECT_EQ(after.stripAt, before.stripAt);
        }
        EXPECT_FALSE(after.scrollerShown);
    }
};

// One row per Button and FreePosition: the action for Shift 0 to 7, in that order.
struct Row {
    Integer button;
    bool free;
    const char* byShift;
};

TEST_F(Dispatch, PressesFirstMatchingRuleWins) {
    const Row rows[] = {
        {1, false, "TMTTTTTT"}, {1, true, "TMVTTTTT"},  {2, false, "RRRRRRRR"},
        {2, true, "RRRRRRRR"},  {4, false, "--------"}, {4, true, "--------"},
        {0, true, "--------"},
    };
    for (const Row& row : rows) {
        for (Integer shift = 0; shift <= 7; ++shift) {
            SCOPED_TRACE("button " + std::to_string(row.button) + " free " +
                         std::to_string(row.free) + " shift " + std::to_string(shift));
            state().FreePosition = row.free ? True : False;
            const Observed before = Snapshot();
            Down(Slot, row.button, shift);
            Expect(row.byShift[shift], before);
            // Put the program back as it was for the next cell.
            state() = before.state;
            strip().cmdDice(Slot).SetCaption(before.caption);
        }
    }
}

TEST_F(Dispatch, MovesFirstMatchingRuleWins) {
    // Button is the mask of the buttons held: 3 is left and right together.
    const Row rows[] = {
        {0, true, "--------"},  {1, false, "--------"}, {1, true, "--W-----"},
        {2, false, "DDDDDDDD"}, {2, true, "DDDDDDDD"},  {3, true, "--------"},
        {4, true, "--------"},  {5, true, "--------"},  {6, true, "--------"},
        {7, true, "--------"},
    };
    for (const Row& row : rows) {
        for (Integer shift = 0; shift <= 7; ++shift) {
            SCOPED_TRACE("buttons " + std::to_string(row.button) + " free " +
                         std::to_string(row.free) + " shift " + std::to_string(shift));
            state().FreePosition = row.free ? True : False;
            const Observed before = Snapshot();
            Move(Slot, row.button, shift, {30, 40});
            Expect(row.byShift[shift], before);
            state() = before.state;
            strip().move(before.stripAt);
        }
    }
}

TEST_F(Dispatch, ReleasesFirstMatchingRuleWins) {
    const Row rows[] = {
        {1, false, "E-------"}, {1, true, "E-P-----"}, {2, false, "ASAAAAAA"},
        {2, true, "ASAAAAAA"},  {4, true, "--------"},
    };
    for (const Row& row : rows) {
        for (Integer shift = 0; shift <= 7; ++shift) {
            SCOPED_TRACE("button " + std::to_string(row.button) + " free " +
                         std::to_string(row.free) + " shift " + std::to_string(shift));
            state().FreePosition = row.free ? True : False;
            const Observed before = Snapshot();
            Up(Slot, row.button, shift);
            Expect(row.byShift[shift], before);
            state() = before.state;
            strip().cmdDice(Slot).SetCaption(before.caption);
            if (Loaded("frmMenu")) menu().tmrRefresh(Slot).stop();
        }
    }
}

using Gestures = GestureFixture;

TEST_F(Gestures, AThrowShowsItsTotalAtThePressAndKeepsItAtThePlainRelease) {
    state().DiceMultiplier(Slot) = 3;
    rng.draws = {0.0f, 0.5f, 0.99f};  // faces 1, 4, 6
    Down(Slot, vbLeftButton);
    EXPECT_EQ(caption(Slot), "11");
    Up(Slot, vbLeftButton);
    EXPECT_EQ(caption(Slot), "11");
    EXPECT_EQ(state().DiceMultiplier(Slot), 1);
    EXPECT_TRUE(menu().tmrRefresh(Slot).isActive());
}

TEST_F(Gestures, PermanentSettingsKeepTheMultiplierAndStartNoTimer) {
    state().MultiplierPermanent = True;
    state().ResultPermanent = True;
    state().DiceMultiplier(Slot) = 3;
    Down(Slot, vbLeftButton);
    Up(Slot, vbLeftButton);
    EXPECT_EQ(state().DiceMultiplier(Slot), 3);
    EXPECT_FALSE(Loaded("frmMenu") && menu().tmrRefresh(Slot).isActive());
}

TEST_F(Gestures, CtrlLeftClickOnAnAnchoredStripThrowsAndItsReleaseChangesNothing) {
    state().DiceMultiplier(Slot) = 2;
    Down(Slot, vbLeftButton, vbCtrlMask);
    const QString total = caption(Slot);
    EXPECT_NE(total, "2d6");
    Up(Slot, vbLeftButton, vbCtrlMask);
    EXPECT_EQ(state().DiceMultiplier(Slot), 2);
    EXPECT_EQ(caption(Slot), total);
    EXPECT_FALSE(Loaded("frmMenu") && menu().tmrRefresh(Slot).isActive());
    EXPECT_TRUE(desktop.pointerCalls.empty());
}

TEST_F(Gestures, ShiftLeftPressPopsUpTheMenuAndThrowsNothing) {
    QMenu* shown = nullptr;
    desktop.onPopup = [&](QMenu& m) { shown = &m; };
    Down(Slot, vbLeftButton, vbShiftMask);
    ASSERT_EQ(shown, menu().mnuHidden);
    EXPECT_EQ(rng.drawn, 0);
    EXPECT_EQ(caption(Slot), "d6");
    QStringList items;  // as shown: a player with one character has no Character submenu
    for (QAction* a : shown->actions()) {
        if (a->isVisible()) items << (a->isSeparator() ? "-" : a->text());
    }
    EXPECT_EQ(items, (QStringList{"Configure...", "Exit", "About...", "-", "Roll...", "Share...",
                                  "History...", "Remember Settings"}));
    EXPECT_EQ(shown->title(), "Hidden");
}

TEST_F(Gestures, RightClicksStepTheMultiplierWithinItsRange) {
    RightClick(Slot);
    EXPECT_EQ(caption(Slot), "2d6");
    RightClick(Slot, vbCtrlMask);
    RightClick(Slot, vbAltMask);
    RightClick(Slot, vbShiftMask | vbCtrlMask);
    EXPECT_EQ(state().DiceMultiplier(Slot), 5);
    for (int k = 0; k < 30; ++k)
        RightClick(Slot);
    EXPECT_EQ(state().DiceMultiplier(Slot), 20);
    EXPECT_EQ(caption(Slot), "20d6");
    for (int k = 0; k < 30; ++k)
        RightClick(Slot, vbShiftMask);
    EXPECT_EQ(state().DiceMultiplier(Slot), 1);
    EXPECT_EQ(caption(Slot), "d6");
    EXPECT_FALSE(scroller().isVisible());
}

TEST_F(Gestures, AMultiplierAboveALoweredRangeIsLeftByAddAndLoweredBySubtract) {
    state().DiceMultiplier(Slot) = 30;
    state().MultiplierRange = 20;
    RightClick(Slot);
    EXPECT_EQ(state().DiceMultiplier(Slot), 30);
    RightClick(Slot, vbShiftMask);
    EXPECT_EQ(state().DiceMultiplier(Slot), 29);
}

TEST_F(Gestures, ARightClickRewritesTheLabelOverATotalAndLeavesTheTimerRunning) {
    Down(Slot, vbLeftButton);
    Up(Slot, vbLeftButton);
    ASSERT_TRUE(menu().tmrRefresh(Slot).isActive());
    RightClick(Slot);
    EXPECT_EQ(caption(Slot), "2d6");
    EXPECT_TRUE(menu().tmrRefresh(Slot).isActive());
}

TEST_F(Gestures, APressAndReleaseWithoutMotionNeverOpensTheScroller) {
    desktop.cursor = {40, 180};
    Down(Slot, vbRightButton);
    Move(Slot, vbRightButton, 0, {40, 180});  // a move event with no pixel of motion
    EXPECT_EQ(state().RightPressState(Slot), 1);
    EXPECT_TRUE(scroller().isHidden());
    Up(Slot, vbRightButton);
    EXPECT_EQ(state().DiceMultiplier(Slot), 2);
    EXPECT_TRUE(desktop.cursorSets.empty());
}

TEST_F(Gestures, OnePixelOfRightDragOpensTheScrollerAtTheCurrentMultiplier) {
    state().DiceMultiplier(Slot) = 7;
    desktop.cursor = {40, 180};
    Down(Slot, vbRightButton);
    Move(Slot, vbRightButton, 0, {41, 180});
    EXPECT_FALSE(scroller().isHidden());
    EXPECT_EQ(state().RightPressState(Slot), 0);
    EXPECT_EQ(state().DiceDragged(Slot), True);
    EXPECT_EQ(scroller().sldScroller->value(), 7);
    Up(Slot, vbRightButton);
    EXPECT_EQ(state().DiceMultiplier(Slot), 7);
    EXPECT_EQ(caption(Slot), "7d6");
    EXPECT_TRUE(scroller().isHidden());
    EXPECT_EQ(state().DiceDragged(Slot), False);
    ASSERT_EQ(desktop.cursorSets.size(), 1u);
    EXPECT_EQ(desktop.cursorSets.back(), (PointL{40, 180}));
}

TEST_F(Gestures, TheScrollerOpensOncePerPressAndTheReleaseTakesItsValue) {
    desktop.cursor = {40, 180};
    Down(Slot, vbRightButton);
    Move(Slot, vbRightButton, 0, {45, 180});
    ASSERT_FALSE(scroller().isHidden());
    // At 15 twips per pixel, x = 180 maps to 11 (see the scroller tests).
    Move(Slot, vbRightButton, vbShiftMask, {180, 300});
    EXPECT_EQ(scroller().sldScroller->value(), 11);
    EXPECT_EQ(scroller().lblValue->text(), "11");
    Up(Slot, vbRightButton, vbShiftMask);  // Shift plays no part after a drag
    EXPECT_EQ(state().DiceMultiplier(Slot), 11);
    EXPECT_EQ(caption(Slot), "11d6");
    EXPECT_EQ(desktop.cursor, (PointL{40, 180}));
}

TEST_F(Gestures, ADragBegunOutsideTheProgramTakesTheScrollerPathAtTheNextRelease) {
    state().PressCursor = {5, 5};  // from some earlier press
    scroller().sldScroller->setValue(4);
    // Right button held since outside the program: a move arrives with no press before it.
    Move(Slot, vbRightButton, 0, {300, 300});
    EXPECT_EQ(state().DiceDragged(Slot), True);
    EXPECT_EQ(state().RightPressState(Slot), 0);
    EXPECT_TRUE(scroller().isHidden());
    // A right press now keeps DiceDragged, and its release takes the slider's value.
    desktop.cursor = {40, 180};
    Down(Slot, vbRightButton);
    EXPECT_EQ(state().RightPressState(Slot), 1);
    EXPECT_EQ(state().DiceDragged(Slot), True);
    const int held = scroller().sldScroller->value();
    Up(Slot, vbRightButton);
    EXPECT_EQ(state().DiceMultiplier(Slot), held);
    EXPECT_EQ(desktop.cursorSets.back(), (PointL{40, 180}));
    EXPECT_EQ(state().DiceDragged(Slot), False);
}

TEST_F(Gestures, ALeftPressDuringARightGestureThrowsAndTheRightReleaseStillEndsIt) {
    desktop.cursor = {40, 180};
    Down(Slot, vbRightButton);
    Down(Slot, vbLeftButton);
    EXPECT_EQ(rng.drawn, 1);
    Move(Slot, vbLeftButton | vbRightButton, 0, {90, 190});  // both held: nothing
    EXPECT_EQ(state().RightPressState(Slot), 1);
    EXPECT_TRUE(scroller().isHidden());
    Up(Slot, vbLeftButton);
    Up(Slot, vbRightButton);
    EXPECT_EQ(state().RightPressState(Slot), 0);
    EXPECT_EQ(caption(Slot), "2d6");
}

TEST_F(Gestures, CursorFailuresAreReportedAndTheHandlerCarriesOn) {
    desktop.cursor = {40, 180};
    desktop.failGetCursor = true;
    state().PressCursor = {7, 8};
    Down(Slot, vbRightButton);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt, "Error getting cursor pos");
    EXPECT_EQ(desktop.messages[0].style, 0);
    EXPECT_EQ(state().RightPressState(Slot), 1);
    EXPECT_EQ(state().PressCursor, (PointL{7, 8}));  // the point keeps what it held

    Move(Slot, vbRightButton, 0, {100, 100});
    EXPECT_EQ(desktop.messages.size(), 2u);
    desktop.failGetCursor = false;
    Move(Slot, vbRightButton, 0, {100, 100});
    ASSERT_FALSE(scroller().isHidden());

    desktop.failSetCursor = true;
    const int value = scroller().sldScroller->value();
    Up(Slot, vbRightButton);
    ASSERT_EQ(desktop.messages.size(), 3u);
    EXPECT_EQ(desktop.messages[2].prompt, "Errore in setting cursor pos");
    EXPECT_EQ(desktop.messages[2].style, 0);
    EXPECT_EQ(state().DiceMultiplier(Slot), value);
    EXPECT_TRUE(scroller().isHidden());
    EXPECT_EQ(state().RightPressState(Slot), 0);
    EXPECT_EQ(caption(Slot), QString::fromStdString(FaceLabel(state(), Slot)));
}

TEST_F(Gestures, AFreeStripFollowsTheCursorPixelForPixel) {
    state().FreePosition = True;
    strip().move(100, 50);
    desktop.cursor = {120, 60};
    Down(Slot, vbLeftButton, vbCtrlMask);
    EXPECT_EQ(state().PressWindowOrigin, (PointL{100, 50}));
    EXPECT_EQ(desktop.MousePointer(), PointerMove);
    EXPECT_EQ(rng.drawn, 0);
    Move(Slot, vbLeftButton, vbCtrlMask, {150, 40});
    EXPECT_EQ(strip().pos(), QPoint(130, 30));
    EXPECT_EQ(strip().Left(), 1950.0f);
    Move(Slot, vbLeftButton, vbCtrlMask, {0, 0});
    EXPECT_EQ(strip().pos(), QPoint(-20, -10));
    // Ctrl let go: the moves stop moving; Ctrl again: back to the offset from the press point.
    Move(Slot, vbLeftButton, 0, {300, 300});
    EXPECT_EQ(strip().pos(), QPoint(-20, -10));
    Move(Slot, vbLeftButton, vbCtrlMask, {121, 62});
    EXPECT_EQ(strip().pos(), QPoint(101, 52));
    Up(Slot, vbLeftButton, vbCtrlMask);
    EXPECT_EQ(desktop.MousePointer(), PointerDefault);
    EXPECT_EQ(state().AnchorPosition, 1);  // the anchor is not touched
}

TEST_F(Gestures, AMoveReleasedWithoutCtrlEndsAsAThrowAndKeepsTheMovePointer) {
    state().FreePosition = True;
    state().DiceMultiplier(Slot) = 4;
    Down(Slot, vbLeftButton, vbCtrlMask);
    Move(Slot, vbLeftButton, vbCtrlMask, {10, 10});
    Up(Slot, vbLeftButton, 0);
    EXPECT_EQ(state().DiceMultiplier(Slot), 1);
    EXPECT_TRUE(menu().tmrRefresh(Slot).isActive());
    EXPECT_EQ(desktop.MousePointer(), PointerMove);
    Down(Slot, vbLeftButton, vbCtrlMask);
    Up(Slot, vbLeftButton, vbCtrlMask);
    EXPECT_EQ(desktop.MousePointer(), PointerDefault);
}

TEST_F(Gestures, AReleaseThatResetsTheMultiplierNeverLeavesAStaleFaceLabel) {
    // A right click shows "2d6"; a Ctrl+left move of a free strip throws nothing, and Ctrl is
    // let go before the button: the release puts the multiplier back to one die, and with no
    // total on the button the label must say so (no timer would, with permanent results).
    state().FreePosition = True;
    state().ResultPermanent = True;
    RightClick(Slot);
    ASSERT_EQ(caption(Slot), "2d6");
    desktop.cursor = {100, 100};
    Down(Slot, vbLeftButton, vbCtrlMask);
    Move(Slot, vbLeftButton, vbCtrlMask, {120, 110});
    Up(Slot, vbLeftButton, 0);
    EXPECT_EQ(state().DiceMultiplier(Slot), 1);
    EXPECT_EQ(caption(Slot), "d6");
    // A total on the button stays until its timer, as always.
    RightClick(Slot);
    Down(Slot, vbLeftButton);
    const QString total = caption(Slot);
    Up(Slot, vbLeftButton);
    EXPECT_EQ(caption(Slot), total);
}

TEST_F(Gestures, CursorReadsAtTheEdgeOfTheRangeKeepEveryWindowPlaceable) {
    constexpr Long Top = std::numeric_limits<Long>::max();
    constexpr Long Bottom = std::numeric_limits<Long>::min();
    desktop.cursor = {40, Top};
    Down(Slot, vbRightButton);
    Move(Slot, vbRightButton, 0, {41, Top});
    ASSERT_FALSE(scroller().isHidden());
    EXPECT_EQ(scroller().height(), 17);
    EXPECT_LE(scroller().y(), 1 << 24);
    Up(Slot, vbRightButton);
    Down(Slot, vbRightButton);
    Move(Slot, vbRightButton, 0, {Bottom, Bottom});
    Move(Slot, vbRightButton, 0, {Top, Bottom});
    EXPECT_EQ(scroller().size(), QSize(234, 17));
    Up(Slot, vbRightButton);
    // A free strip dragged by wild cursor reads stays where a desktop can hold it.
    state().FreePosition = True;
    desktop.cursor = {0, 0};
    Down(Slot, vbLeftButton, vbCtrlMask);
    Move(Slot, vbLeftButton, vbCtrlMask, {Top, Bottom});
    EXPECT_EQ(strip().size(), QSize(80, 400));
    EXPECT_EQ(strip().pos(), QPoint(1 << 24, -(1 << 24)));
    Up(Slot, vbLeftButton, vbCtrlMask);
}

TEST_F(Gestures, MiddleButtonClicksDoNothing) {
    const AppState before = state();
    Down(Slot, vbMiddleButton);
    Move(Slot, vbMiddleButton, 0, {99, 99});
    Up(Slot, vbMiddleButton);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(rng.drawn, 0);
    EXPECT_EQ(caption(Slot), "d6");
}

// Keys on the focused button of a shown strip, as Qt delivers them.
class Keys : public GestureFixture {
protected:
    void SetUp() override {
        GestureFixture::SetUp();
        strip().show();
        strip().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&strip()));
        strip().cmdDice(Slot).setFocus(Qt::TabFocusReason);
    }
    void Key(QEvent::Type type, int key, Qt::KeyboardModifiers mods = {}, bool repeat = false,
             quint64 at = 0) {
        QKeyEvent e(type, key, mods, QString(), repeat);
        e.setTimestamp(at);
        QApplication::sendEvent(QApplication::focusWidget(), &e);
    }
};

TEST_F(Keys, ThrowAndMultiplierKeysDoWhatTheirClicksDo) {
    struct KeyRow {
        int key;
        Qt::KeyboardModifiers mods;
        bool permanent;
        Integer before, draws, after;
        const char* label;  // the caption after the release; nullptr: the press's total
    };
    const KeyRow rows[] = {
        {Qt::Key_Space, {}, false, 3, 3, 1, nullptr},
        {Qt::Key_Return, {}, true, 3, 3, 3, nullptr},
        {Qt::Key_Enter, Qt::KeypadModifier, false, 20, 20, 1, nullptr},
        {Qt::Key_Space, Qt::ControlModifier, false, 3, 0, 3, "3d6"},
        {Qt::Key_Plus, Qt::ShiftModifier, false, 3, 0, 5, "5d6"},  // repeats step
        {Qt::Key_Equal, {}, true, 20, 0, 20, "20d6"},
        {Qt::Key_Plus, Qt::KeypadModifier, false, 19, 0, 20, "20d6"},
        {Qt::Key_Minus, {}, true, 2, 0, 1, "d6"},
        {Qt::Key_Minus, Qt::KeypadModifier, false, 1, 0, 1, "d6"},
        {Qt::Key_Minus, Qt::AltModifier, false, 2, 0, 2, "2d6"},
    };
    for (const KeyRow& r : rows) {
        SCOPED_TRACE("key " + std::to_string(r.key) + " before " + std::to_string(r.before));
        state().MultiplierPermanent = state().ResultPermanent = r.permanent ? True : False;
        state().DiceMultiplier(Slot) = r.before;
        strip().cmdDice(Slot).SetCaption(QString::fromStdString(FaceLabel(state(), Slot)));
        menu().tmrRefresh(Slot).stop();
        const int drawn = rng.drawn;
        Key(QEvent::KeyPress, r.key, r.mods);
        Key(QEvent::KeyPress, r.key, r.mods, true);  // a held key's repeat
        EXPECT_EQ(rng.drawn - drawn, r.draws);
        EXPECT_EQ(strip().cmdDice(Slot).isDown(), r.draws > 0);
        const QString atPress = caption(Slot);
        Key(QEvent::KeyRelease, r.key, r.mods);
        EXPECT_EQ(state().DiceMultiplier(Slot), r.after);
        EXPECT_EQ(caption(Slot), r.label ? QString(r.label) : atPress);
        EXPECT_EQ(menu().tmrRefresh(Slot).isActive(), r.draws > 0 && !r.permanent);
    }
}

TEST_F(Keys, OneThrowPerPressOfTheKeyHoweverItRepeats) {
    constexpr auto P = QEvent::KeyPress, R = QEvent::KeyRelease;
    struct Event {
        QEvent::Type type;
        bool repeat;
        quint64 at;  // X's time stamp; 0: none
    };
    const std::pair<std::vector<Event>, int> rows[] = {
        // X repeats a held key as a release and a press of one time.
        {{{P, false, 100}, {R, false, 140}, {P, false, 140}, {R, false, 170}}, 1},
        {{{P, false, 100}, {P, true, 120}, {R, true, 120}, {R, false, 170}}, 1},  // Qt's repeats
        {{{P, false, 200}, {R, false, 240}, {P, false, 241}, {R, false, 270}}, 2},
        {{{P, false, 0}, {R, false, 0}, {P, false, 0}, {R, false, 0}}, 2},  // no time stamps
    };
    for (const auto& [events, throws] : rows) {
        const int drawn = rng.drawn;  // one die a throw
        for (const Event& e : events) {
            Key(e.type, Qt::Key_Space, {}, e.repeat, e.at);
            EXPECT_EQ(strip().cmdDice(Slot).isDown(), e.type == P || e.repeat) << events.front().at;
        }
        EXPECT_EQ(rng.drawn - drawn, throws) << events.front().at;
    }
}

TEST_F(Keys, MenuKeysOpenTheMenuBesideTheButtonAndArrowsMoveAmongVisibleButtons) {
    Key(QEvent::KeyPress, Qt::Key_Menu);
    Key(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    Key(QEvent::KeyPress, Qt::Key_F10);
    EXPECT_EQ(desktop.popups, 2);
    EXPECT_EQ(desktop.popupAt, (PointL{80, 160}));  // right of the strip, level with d6
    EXPECT_EQ(menu().mnuHidden->activeAction(), menu().mnuConfigure);  // Enter chooses it
    strip().cmdDice(6).SetVisible(false);
    const std::pair<int, int> moves[] = {{Qt::Key_Down, 7},  {Qt::Key_Up, 5},   {Qt::Key_End, 10},
                                         {Qt::Key_Down, 10}, {Qt::Key_Home, 1}, {Qt::Key_Up, 1}};
    for (const auto& [key, slot] : moves) {
        Key(QEvent::KeyPress, key);
        EXPECT_EQ(QApplication::focusWidget(), &strip().cmdDice(slot)) << key;
    }
    EXPECT_EQ(strip().cmdDice(1).grab().toImage().pixelColor(4, 4), QColor(Qt::black));  // frame
}

}  // namespace
}  // namespace rollkin::test
