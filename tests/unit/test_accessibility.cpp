#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "Gestures.h"
#include "forms/frmAbout.h"
#include "forms/frmConfig.h"

namespace rollkin::test {
namespace {

QString AccessibleName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString("<no interface>");
}

QAccessible::Role AccessibleRole(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->role() : QAccessible::NoRole;
}

using Accessibility = GestureFixture;

TEST_F(Accessibility, DiceButtonsSayWhatTheyThrowAndTheirLastTotal) {
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        EXPECT_EQ(AccessibleRole(&strip().cmdDice(i)), QAccessible::Button);
        EXPECT_EQ(AccessibleName(&strip().cmdDice(i)), caption(i));
    }
    RightClick(5);
    RightClick(5);
    EXPECT_EQ(AccessibleName(&strip().cmdDice(5)), "3d6");
    rng.draws = {0.0f, 0.0f, 0.0f};
    Down(5, vbLeftButton);
    EXPECT_EQ(AccessibleName(&strip().cmdDice(5)), "3d6: 3");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&strip().cmdDice(5));
    EXPECT_EQ(iface->text(QAccessible::Description), "3d6: 1 + 1 + 1 = 3, highest 1, lowest 1");
    Up(5, vbLeftButton);
    menu().tmrRefresh_Timer(5);
    EXPECT_EQ(AccessibleName(&strip().cmdDice(5)), "d6");
}

TEST_F(Accessibility, EveryDialogControlIsNamedByItsCaption) {
    frmConfig d(program.Settings().State(), desktop);
    int named = 0;
    for (QAbstractButton* b : d.findChildren<QAbstractButton*>()) {
        // The anchors' short captions are named in words.
        if (!b->objectName().startsWith("optPos")) {
            EXPECT_EQ(AccessibleName(b), b->text()) << b->objectName().toStdString();
        }
        EXPECT_FALSE(b->text().isEmpty());
        ++named;
    }
    EXPECT_EQ(named,
              10 + 3 + 2 + 9 + 3);  // dice, permanence and top, position pair, anchors, buttons
    EXPECT_EQ(AccessibleName(d.sldRefresh), "Throw Refresh Time");
    EXPECT_EQ(AccessibleName(d.sldMultiplier), "Dice Multiplier Range");
    EXPECT_EQ(AccessibleName(scroller().sldScroller), "Dice Multiplier");
    EXPECT_EQ(AccessibleName(d.frmDices), "Dices Availables");
    EXPECT_EQ(AccessibleName(d.frmPositions), "Rollkin Position");
    EXPECT_EQ(AccessibleRole(d.optPos(5)), QAccessible::RadioButton);
    EXPECT_EQ(d.optPos(5)->text(), "MC");
    EXPECT_EQ(AccessibleName(d.optPos(5)), "Centre of the screen");
    EXPECT_EQ(AccessibleName(d.optPos(1)), "Upper left corner");
    EXPECT_EQ(AccessibleRole(d.chkStayOnTop), QAccessible::CheckBox);

    frmAbout a(desktop);
    EXPECT_EQ(AccessibleName(a.cmdOK), "OK");
    EXPECT_EQ(AccessibleName(&a), "About Dice Rollkin");
}

}  // namespace
}  // namespace rollkin::test
