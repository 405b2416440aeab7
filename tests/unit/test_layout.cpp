#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "Gestures.h"
#include "forms/frmConfig.h"
#include "layout/StripLayout.h"

namespace rollkin::test {
namespace {

using Layout = GestureFixture;

std::vector<float> VisibleTops(frmRollkin& strip) {
    std::vector<float> tops;
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        if (strip.cmdDice(i).Visible())
            tops.push_back(static_cast<float>(strip.cmdDice(i).y()) * strip.TwipsPerPixelY());
    }
    return tops;
}

TEST_F(Layout, EverySlotOfferedStacksTheTenButtonsAtTheDesignPitch) {
    program.ApplyLayout();
    EXPECT_EQ(VisibleTops(strip()),
              (std::vector<float>{0, 600, 1200, 1800, 2400, 3000, 3600, 4200, 4800, 5400}));
    EXPECT_EQ(strip().Height(), 6000.0f);
    EXPECT_EQ(desktop.placements.back().cy, 400);
}

TEST_F(Layout, HiddenSlotsTakeNoSpace) {
    for (int i = FirstSlot; i <= LastSlot; ++i)
        state().DiceEnabled(i) = (i == 3 || i == 9);
    program.ApplyLayout();
    EXPECT_EQ(top(3), 0.0f);
    EXPECT_EQ(top(9), 600.0f);
    EXPECT_EQ(strip().cmdDice(9).y(), 40);
    EXPECT_EQ(VisibleTops(strip()).size(), 2u);
    EXPECT_FALSE(strip().cmdDice(1).Visible());
    EXPECT_EQ(top(10), 5400.0f);  // a hidden button keeps its place
    EXPECT_EQ(strip().Height(), 1200.0f);
    EXPECT_EQ(strip().height(), 80);
    // Offered again, a slot takes the place its rank among the visible slots gives it.
    state().DiceEnabled(5) = True;
    program.ApplyLayout();
    EXPECT_EQ(top(5), 600.0f);
    EXPECT_EQ(top(9), 1200.0f);
    EXPECT_EQ(strip().Height(), 1800.0f);
}

TEST_F(Layout, TimersOfEverySlotGetTheRefreshInterval) {
    EXPECT_EQ(menu().tmrRefresh(1).interval(), 1000);  // design value until the first layout
    state().DiceEnabled(4) = False;
    for (auto [seconds, interval] : {std::pair{0, 1}, std::pair{1, 1001}, std::pair{5, 5001}}) {
        state().RefreshSeconds = static_cast<Integer>(seconds);
        program.ApplyLayout();
        for (int i = FirstSlot; i <= LastSlot; ++i) {
            EXPECT_EQ(menu().tmrRefresh(i).interval(), interval) << i;
        }
    }
}

TEST_F(Layout, LayoutNeverStartsOrStopsATimerNorTouchesACaption) {
    Down(2, vbLeftButton);
    Up(2, vbLeftButton);
    const QString total = caption(2);
    program.ApplyLayout();
    EXPECT_TRUE(menu().tmrRefresh(2).isActive());
    EXPECT_FALSE(menu().tmrRefresh(3).isActive());
    EXPECT_EQ(caption(2), total);
}

TEST_F(Layout, TheScrollersRangeFollowsTheMultiplierRange) {
    for (Integer range : {5, 40}) {
        state().MultiplierRange = range;
        program.ApplyLayout();
        EXPECT_EQ(scroller().sldScroller->minimum(), 1);
        EXPECT_EQ(scroller().sldScroller->maximum(), range);
    }
}

TEST_F(Layout, ABottomAnchorKeepsTheStripsBottomOnTheScreensBottom) {
    for (int i = 1; i <= 5; ++i)
        state().DiceEnabled(i) = False;
    state().AnchorPosition = 9;
    program.ApplyLayout();
    const auto& p = desktop.placements.back();
    EXPECT_EQ(QPoint(p.x, p.y), QPoint(944, 568));
    EXPECT_EQ(p.cy, 200);
    EXPECT_EQ(p.y + p.cy, 768);
}

TEST_F(Layout, AFreeStripIsResizedWhereItStands) {
    state().FreePosition = True;
    strip().move(300, 200);
    state().DiceEnabled(1) = False;
    program.ApplyLayout();
    const auto& p = desktop.placements.back();
    EXPECT_EQ(QPoint(p.x, p.y), QPoint(300, 200));
    EXPECT_EQ(p.cy, 360);
}

// Each saved roll's button lengthens the strip by a pitch; the anchors take the whole height, and
// twenty of them (18000 twips) are drawn at 0.64 to fit the 768 pixels. Names too long to read
// at that size take a second column: 15 rows, at full size, the long name on two lines.
TEST_F(Layout, SavedRollsLengthenTheStripAndTheAnchorsTakeItWhole) {
    struct Row {
        int saved;
        const char* name;
        int columns;
        float height;
        int cx, cy, x[3], y[3];
    };
    const Row rows[] = {
        {0, "Fire", 1, 6000, 80, 400, {0, 472, 944}, {0, 184, 368}},
        {2, "Fire", 1, 7200, 80, 480, {0, 472, 944}, {0, 144, 288}},
        {20, "Fire", 1, 18000, 51, 768, {0, 486, 973}, {0, 0, 0}},
        {20, "Savage Worlds Trait Roll", 2, 9000, 160, 600, {0, 432, 864}, {0, 84, 168}},
        {0, "Fire", 1, 6000, 80, 400, {0, 472, 944}, {0, 184, 368}}};
    for (const Row& r : rows) {
        program.Saved().Set(SavedRolls(static_cast<std::size_t>(r.saved), {r.name, "8d6"}));
        EXPECT_EQ(functions::ApplyLayout(state(), r.saved, r.columns).height, r.height);
        if (r.columns == 2) {
            EXPECT_EQ(strip().ButtonAt(LastSlot + 1).ShownCaption(), "Savage Worlds\nTrait Roll");
        }
        EXPECT_EQ(strip().ButtonAt(strip().ButtonCount()).Top(), r.height - 600) << r.saved;
        for (int position = FirstPosition; position <= LastPosition; ++position) {
            state().AnchorPosition = position;
            strip().PlaceMainWindow();
            const auto& p = desktop.placements.back();
            EXPECT_EQ(QRect(p.x, p.y, p.cx, p.cy),
                      QRect(r.x[(position - 1) % 3], r.y[(position - 1) / 3], r.cx, r.cy))
                << r.saved << " saved, position " << position;
        }
    }
}

// --- the menu's commands and F1 ------------------------------------------------------------

using Commands = GestureFixture;

TEST_F(Commands, ConfigureThenCancelChangesNoSettingButAppliesTheLayout) {
    const AppState before = state();
    desktop.onModal = [](QDialog& d) {
        auto& config = dynamic_cast<frmConfig&>(d);
        SetValue(config.chkDice(1), 0);
        config.cmdCancel->click();
    };
    desktop.onPopup = [this](QMenu&) { menu().mnuConfigure->trigger(); };
    const size_t placed = desktop.placements.size();
    Down(5, vbLeftButton, vbShiftMask);
    EXPECT_EQ(desktop.modals, (std::vector<QString>{"Dice Rollkin Configuration"}));
    EXPECT_EQ(state(), before);
    EXPECT_EQ(menu().tmrRefresh(7).interval(), 1001);
    EXPECT_EQ(desktop.placements.size(), placed + 1);
}

TEST_F(Commands, ConfigureThenOkPutsTheSettingsIntoEffect) {
    desktop.onModal = [](QDialog& d) {
        auto& config = dynamic_cast<frmConfig&>(d);
        for (int i = 6; i <= 10; ++i)
            SetValue(config.chkDice(i), 0);
        config.optPos(9)->setChecked(true);
        config.cmdOk->click();
    };
    menu().mnuConfigure->trigger();
    EXPECT_EQ(strip().Height(), 3000.0f);
    const auto& p = desktop.placements.back();
    EXPECT_EQ(QPoint(p.x, p.y), QPoint(944, 568));
}

TEST_F(Commands, ExitEndsTheProgramEvenWhileTimersRun) {
    Down(1, vbLeftButton);
    Up(1, vbLeftButton);
    menu().mnuExit->trigger();
    EXPECT_EQ(desktop.ends, 1);
    EXPECT_TRUE(program.Ended());
}

TEST_F(Commands, AboutAndF1ShowTheSameWindow) {
    bool okClosed = false;
    desktop.onModal = [&](QDialog& d) {
        d.findChild<QPushButton*>("cmdOK")->click();
        okClosed = d.result() == QDialog::Accepted;
    };
    QMenu& m = *menu().mnuHidden;
    m.popup({0, 0});
    const QPoint about = m.actionGeometry(menu().mnuAbout).center();
    QTest::mouseClick(&m, Qt::RightButton, {}, about);  // chooses nothing; the menu stays
    EXPECT_TRUE(m.isVisible() && desktop.modals.empty());
    QTest::mouseClick(&m, Qt::LeftButton, {}, about);
    EXPECT_TRUE(okClosed);
    strip().Form_KeyDown(vbKeyF1, 0);
    strip().Form_KeyDown(vbKeyF1, vbShiftMask);
    strip().Form_KeyDown(vbKeyF1, vbCtrlMask);
    strip().Form_KeyDown(65, 0);
    EXPECT_EQ(desktop.modals, std::vector<QString>(4, "About Dice Rollkin"));
}

TEST_F(Commands, F1ReachesTheStripWhicheverButtonHasTheFocus) {
    strip().show();
    strip().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&strip()));
    strip().cmdDice(7).setFocus(Qt::TabFocusReason);
    QTest::keyClick(&strip().cmdDice(7), Qt::Key_F1, Qt::ShiftModifier);
    strip().cmdDice(2).setFocus(Qt::TabFocusReason);
    QTest::keyClick(&strip().cmdDice(2), Qt::Key_F1);
    strip().cmdDice(2).clearFocus();
    QTest::keyClick(&strip(), Qt::Key_F1, Qt::ControlModifier);
    QTest::keyClick(&strip(), Qt::Key_Escape);
    EXPECT_EQ(desktop.modals.size(), 3u);
}

}  // namespace
}  // namespace rollkin::test
