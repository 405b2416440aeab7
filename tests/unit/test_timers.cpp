#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "Gestures.h"

namespace rollkin::test {
namespace {

using Timers = GestureFixture;

TEST_F(Timers, AReleasedThrowStartsItsSlotsTimerAtTheDesignInterval) {
    Down(5, vbLeftButton);
    Up(5, vbLeftButton);
    EXPECT_TRUE(menu().tmrRefresh(5).isActive());
    EXPECT_EQ(menu().tmrRefresh(5).interval(), 1000);
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        EXPECT_EQ(menu().tmrRefresh(i).isActive(), i == 5) << i;
    }
}

TEST_F(Timers, FiringWritesTheFaceLabelOfThatMomentAndStopsTheTimer) {
    state().MultiplierPermanent = True;
    state().DiceMultiplier(9) = 3;
    Down(9, vbLeftButton);
    Up(9, vbLeftButton);
    ASSERT_NE(caption(9), "3d20");
    state().DiceMultiplier(9) = 4;  // changed while the total shows
    menu().tmrRefresh_Timer(9);
    EXPECT_EQ(caption(9), "4d20");
    EXPECT_FALSE(menu().tmrRefresh(9).isActive());
}

TEST_F(Timers, AnOrdinaryThrowReturnsToTheSingleDieLabel) {
    state().DiceMultiplier(9) = 3;
    Down(9, vbLeftButton);
    Up(9, vbLeftButton);
    menu().tmrRefresh_Timer(9);
    EXPECT_EQ(caption(9), "d20");
}

TEST_F(Timers, TwoSlotsRunOnTheirOwnTimers) {
    menu().tmrRefresh(2).setInterval(20);
    menu().tmrRefresh(7).setInterval(150);
    Down(2, vbLeftButton);
    Up(2, vbLeftButton);
    Down(7, vbLeftButton);
    Up(7, vbLeftButton);
    ASSERT_NE(caption(2), "d3");
    ASSERT_NE(caption(7), "d10");
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption(2) == "d3"; }, 2000));
    EXPECT_NE(caption(7), "d10");
    EXPECT_TRUE(menu().tmrRefresh(7).isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption(7) == "d10"; }, 2000));
    EXPECT_FALSE(menu().tmrRefresh(2).isActive());
    EXPECT_FALSE(menu().tmrRefresh(7).isActive());
}

TEST_F(Timers, ATimerFiresOnceThenStays) {
    menu().tmrRefresh(4).setInterval(1);
    Down(4, vbLeftButton);
    Up(4, vbLeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption(4) == "d5"; }, 2000));
    Down(4, vbLeftButton);  // a later total, no release yet: no timer runs
    const QString total = caption(4);
    QTest::qWait(30);
    EXPECT_EQ(caption(4), total);
}

TEST_F(Timers, APermanentResultStartsNoTimerButARunningOneStillFires) {
    menu().tmrRefresh(1).setInterval(30);
    menu().tmrRefresh(3).setInterval(1);  // were it started, it would fire long before slot 1's
    Down(1, vbLeftButton);
    Up(1, vbLeftButton);
    state().ResultPermanent = True;  // set while slot 1's timer runs
    Down(3, vbLeftButton);
    Up(3, vbLeftButton);
    EXPECT_FALSE(menu().tmrRefresh(3).isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return caption(1) == "d2"; }, 2000));
    EXPECT_NE(caption(3), "d4");
}

TEST_F(Timers, TheProgramCanEndWhileTimersRun) {
    Down(1, vbLeftButton);
    Up(1, vbLeftButton);
    program.End();
    EXPECT_EQ(desktop.ends, 1);
    EXPECT_FALSE(menu().tmrRefresh(1).isActive());
}

}  // namespace
}  // namespace rollkin::test
