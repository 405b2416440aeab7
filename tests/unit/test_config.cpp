#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "ProgramFixture.h"
#include "forms/frmConfig.h"

namespace rollkin::test {
namespace {

class Config : public ProgramFixture {
protected:
    // The settings fields that the dialog edits, as one comparable value.
    struct Settings {
        std::array<Boolean, 10> dice;
        Integer range, seconds;
        Boolean multiplierPermanent, resultPermanent, onTop, free;
        Integer anchor;
        bool operator==(const Settings&) const = default;
    };
    Settings Stored() {
        const AppState& s = state();
        Settings r{};
        for (int i = 1; i <= 10; ++i)
            r.dice[i - 1] = s.DiceEnabled(i);
        r.range = s.MultiplierRange;
        r.seconds = s.RefreshSeconds;
        r.multiplierPermanent = s.MultiplierPermanent;
        r.resultPermanent = s.ResultPermanent;
        r.onTop = s.StayOnTop;
        r.free = s.FreePosition;
        r.anchor = s.AnchorPosition;
        return r;
    }
    void StoreUnusualSettings() {
        AppState& s = state();
        s.DiceEnabled(2) = False;
        s.DiceEnabled(7) = False;
        s.MultiplierRange = 33;
        s.RefreshSeconds = 4;
        s.MultiplierPermanent = True;
        s.ResultPermanent = True;
        s.StayOnTop = False;
        s.FreePosition = True;
        s.AnchorPosition = 6;
    }
    static bool AllOptionsEnabled(frmConfig& d, bool enabled) {
        for (int i = 1; i <= 9; ++i) {
            if (d.optPos(i)->isEnabled() != enabled) return false;
        }
        return true;
    }
};

TEST_F(Config, LoadsTheStoredSettingsIntoItsControls) {
    StoreUnusualSettings();
    frmConfig d(program.Settings().State(), desktop);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(Value(d.chkDice(i)), (i == 2 || i == 7) ? 0 : 1) << i;
    EXPECT_EQ(d.sldMultiplier->value(), 33);
    EXPECT_EQ(d.sldRefresh->value(), 4);
    EXPECT_EQ(Value(d.chkMultipPermanence), 1);
    EXPECT_EQ(Value(d.chkResultPermanence), 1);
    EXPECT_EQ(Value(d.chkStayOnTop), 0);
    EXPECT_EQ(Value(d.chkFreePos), 1);
    EXPECT_EQ(Value(d.chkBoundPos), 0);
    EXPECT_TRUE(d.optPos(6)->isChecked());
    EXPECT_TRUE(AllOptionsEnabled(d, false));
}

TEST_F(Config, OkWritesTheControlsBackAndUnloads) {
    frmConfig d(program.Settings().State(), desktop);
    QSignalSpy finished(&d, &QDialog::finished);
    SetValue(d.chkDice(1), 0);
    SetValue(d.chkDice(10), 0);
    d.sldMultiplier->setValue(40);
    d.sldRefresh->setValue(0);
    SetValue(d.chkMultipPermanence, 1);
    SetValue(d.chkStayOnTop, 0);
    d.optPos(8)->setChecked(true);
    d.cmdOk_Click();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(finished.isEmpty());
    const Settings s = Stored();
    EXPECT_EQ(s.dice[0], False);
    EXPECT_EQ(s.dice[9], False);
    EXPECT_EQ(s.dice[4], True);
    EXPECT_EQ(s.range, 40);
    EXPECT_EQ(s.seconds, 0);
    EXPECT_EQ(s.multiplierPermanent, True);
    EXPECT_EQ(s.resultPermanent, False);
    EXPECT_EQ(s.onTop, False);
    EXPECT_EQ(s.free, False);
    EXPECT_EQ(s.anchor, 8);
}

TEST_F(Config, SliderEndsAreStoredAsTheyAre) {
    for (auto [range, seconds] : {std::pair{5, 5}, std::pair{40, 0}}) {
        frmConfig d(program.Settings().State(), desktop);
        d.sldMultiplier->setValue(range);
        d.sldRefresh->setValue(seconds);
        d.cmdOk_Click();
        EXPECT_EQ(state().MultiplierRange, range);
        EXPECT_EQ(state().RefreshSeconds, seconds);
    }
}

TEST_F(Config, CancelAndTheTitleBarCloseWriteNothing) {
    StoreUnusualSettings();
    const Settings before = Stored();
    {
        frmConfig d(program.Settings().State(), desktop);
        QSignalSpy closed(&d, &QDialog::finished);
        d.cmdDefault_Click();
        SetValue(d.chkDice(3), 0);
        d.cmdCancel_Click();
        EXPECT_FALSE(closed.isEmpty());
    }
    EXPECT_EQ(Stored(), before);
    {
        frmConfig d(program.Settings().State(), desktop);
        QSignalSpy closed(&d, &QDialog::finished);
        d.cmdDefault_Click();
        d.show();
        d.close();  // the title bar's close button
        EXPECT_FALSE(closed.isEmpty());
    }
    EXPECT_EQ(Stored(), before);
}

TEST_F(Config, ApplyDefaultThenOkGivesTheSettingsOfAFreshStart) {
    const Settings fresh = Stored();
    StoreUnusualSettings();
    frmConfig d(program.Settings().State(), desktop);
    QSignalSpy closed(&d, &QDialog::finished);
    d.cmdDefault_Click();
    EXPECT_TRUE(closed.isEmpty());  // the dialog stays open
    d.cmdOk_Click();
    EXPECT_EQ(Stored(), fresh);
}

TEST_F(Config, WithNoDiceCheckedOkShowsTheMessageAndStaysOpen) {
    const Settings before = Stored();
    frmConfig d(program.Settings().State(), desktop);
    QSignalSpy closed(&d, &QDialog::finished);
    for (int i = 1; i <= 10; ++i)
        SetValue(d.chkDice(i), 0);
    d.sldMultiplier->setValue(7);
    d.cmdOk_Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt, "Select at least one dice...");
    EXPECT_EQ(desktop.messages[0].style, 64);
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_EQ(Stored(), before);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(Value(d.chkDice(i)), 0);
    EXPECT_EQ(d.sldMultiplier->value(), 7);
    SetValue(d.chkDice(10), 1);  // the last box is enough
    d.cmdOk_Click();
    EXPECT_FALSE(closed.isEmpty());
    EXPECT_EQ(state().DiceEnabled(10), True);
    EXPECT_EQ(state().DiceEnabled(1), False);
}

TEST_F(Config, FreeAndBoundedCheckEachOtherOut) {
    state().FreePosition = True;
    state().AnchorPosition = 4;
    frmConfig d(program.Settings().State(), desktop);
    EXPECT_EQ(Value(d.chkFreePos), 1);
    EXPECT_EQ(Value(d.chkBoundPos), 0);
    EXPECT_TRUE(AllOptionsEnabled(d, false));
    EXPECT_TRUE(d.optPos(4)->isChecked());
    // Checking "Corner Bounded" unchecks "Free" and enables the options, anchor still selected.
    QTest::mouseClick(d.chkBoundPos, Qt::LeftButton);
    EXPECT_EQ(Value(d.chkBoundPos), 1);
    EXPECT_EQ(Value(d.chkFreePos), 0);
    EXPECT_TRUE(AllOptionsEnabled(d, true));
    EXPECT_TRUE(d.optPos(4)->isChecked());
    // And back: checking "Free" unchecks "Corner Bounded" and disables them again.
    SetValue(d.chkFreePos, 1);
    EXPECT_EQ(Value(d.chkBoundPos), 0);
    EXPECT_TRUE(AllOptionsEnabled(d, false));
}

TEST_F(Config, FreeWithADisabledOptionStoresThatAnchor) {
    frmConfig d(program.Settings().State(), desktop);
    d.optPos(3)->setChecked(true);
    SetValue(d.chkFreePos, 1);
    EXPECT_FALSE(d.optPos(3)->isEnabled());
    EXPECT_TRUE(d.optPos(3)->isChecked());
    d.cmdOk_Click();
    EXPECT_EQ(state().FreePosition, True);
    EXPECT_EQ(state().AnchorPosition, 3);
    frmConfig again(program.Settings().State(), desktop);
    SetValue(again.chkBoundPos, 1);
    EXPECT_TRUE(again.optPos(3)->isChecked());
    EXPECT_TRUE(again.optPos(3)->isEnabled());
}

TEST_F(Config, UncheckingACheckedFreeLeavesBothUncheckedAndStoresAnAnchor) {
    state().FreePosition = True;
    state().AnchorPosition = 2;
    frmConfig d(program.Settings().State(), desktop);
    QTest::mouseClick(d.chkFreePos, Qt::LeftButton);
    EXPECT_EQ(Value(d.chkFreePos), 0);
    EXPECT_EQ(Value(d.chkBoundPos), 0);
    EXPECT_TRUE(AllOptionsEnabled(d, false));
    d.cmdOk_Click();
    EXPECT_EQ(state().FreePosition, False);
    EXPECT_EQ(state().AnchorPosition, 2);
}

TEST_F(Config, ApplyDefaultOnAFreeDialogBindsItToTheUpperLeft) {
    state().FreePosition = True;
    state().AnchorPosition = 9;
    frmConfig d(program.Settings().State(), desktop);
    d.cmdDefault_Click();
    EXPECT_EQ(Value(d.chkBoundPos), 1);
    EXPECT_EQ(Value(d.chkFreePos), 0);
    EXPECT_TRUE(AllOptionsEnabled(d, true));
    EXPECT_TRUE(d.optPos(1)->isChecked());
    EXPECT_FALSE(d.optPos(9)->isChecked());
}

TEST_F(Config, ReopeningShowsWhatOkStoredAndNotWhatCancelDropped) {
    {
        frmConfig d(program.Settings().State(), desktop);
        d.sldRefresh->setValue(3);
        d.cmdOk_Click();
    }
    {
        frmConfig d(program.Settings().State(), desktop);
        EXPECT_EQ(d.sldRefresh->value(), 3);
        d.sldRefresh->setValue(5);
        d.cmdCancel_Click();
    }
    frmConfig d(program.Settings().State(), desktop);
    EXPECT_EQ(d.sldRefresh->value(), 3);
}

TEST_F(Config, HasTheDesignLayoutAndCaptions) {
    frmConfig d(program.Settings().State(), desktop);
    EXPECT_EQ(d.windowTitle(), "Dice Rollkin Configuration");
    EXPECT_EQ(d.size(), QSize(351, 327));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_TRUE(d.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(d.sldRefresh->geometry(), QRect(136, 8, 209, 17));
    EXPECT_EQ(d.sldRefresh->minimum(), 0);
    EXPECT_EQ(d.sldRefresh->maximum(), 5);
    EXPECT_EQ(d.sldMultiplier->minimum(), 5);
    EXPECT_EQ(d.sldMultiplier->maximum(), 40);
    EXPECT_EQ(d.sldMultiplier->pageStep(), 5);
    EXPECT_EQ(d.frmDices->title(), "Dices Availables");
    EXPECT_EQ(d.frmPositions->title(), "Rollkin Position");
    EXPECT_EQ(d.chkDice(10)->text(), "100 sides");
    EXPECT_EQ(d.chkDice(10)->geometry(), QRect(8, 160, 81, 17));
    EXPECT_EQ(d.optPos(9)->text(), "LR");
    EXPECT_EQ(d.optPos(9)->geometry(), QRect(136, 72, 40, 17));
    EXPECT_EQ(d.optPos(2)->text(), "UP");
    EXPECT_EQ(d.chkBoundPos->text(), "Corner Bounded");
    EXPECT_EQ(d.cmdDefault->text(), "Apply Default");
    EXPECT_EQ(d.cmdOk->geometry(), QRect(112, 296, 73, 25));
    EXPECT_EQ(d.cmdCancel->geometry(), QRect(272, 296, 73, 25));
}

TEST_F(Config, NeitherEnterNorEscCloses) {
    frmConfig d(program.Settings().State(), desktop);
    QSignalSpy closed(&d, &QDialog::finished);
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    QTest::keyClick(&d, Qt::Key_Return);
    d.cmdOk->setFocus();
    QTest::keyClick(d.cmdOk, Qt::Key_Return);
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_TRUE(d.isVisible());
    QTest::keyClick(d.cmdCancel, Qt::Key_Space);  // a focused button still answers Space
    EXPECT_FALSE(closed.isEmpty());
}

TEST_F(Config, TabVisitsTheControlsInTheDesignOrder) {
    state().AnchorPosition = 6;  // the option group is entered at the stored anchor, MR
    frmConfig d(program.Settings().State(), desktop);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    EXPECT_EQ(QApplication::focusWidget(), d.sldRefresh);
    QList<QWidget*> expected = {d.sldMultiplier, d.chkMultipPermanence, d.cmdCancel,   d.cmdOk,
                                d.optPos(6),     d.chkResultPermanence, d.chkStayOnTop};
    for (int i = 1; i <= 10; ++i)
        expected << d.chkDice(i);
    expected << d.chkFreePos << d.chkBoundPos << d.cmdDefault << d.sldRefresh;
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next)
            << QApplication::focusWidget()->objectName().toStdString() << " instead of "
            << next->objectName().toStdString();
    }
    // An arrow moves the selection within the group; Tab and Backtab come back to it there.
    d.optPos(6)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.optPos(6), Qt::Key_Down);
    EXPECT_TRUE(d.optPos(9)->isChecked());
    QTest::keyClick(d.optPos(9), Qt::Key_Tab);
    QTest::keyClick(d.chkResultPermanence, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), d.optPos(9));
}

}  // namespace
}  // namespace rollkin::test
