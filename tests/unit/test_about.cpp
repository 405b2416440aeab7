#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "ProgramFixture.h"
#include "forms/frmAbout.h"

namespace rollkin::test {
namespace {

using About = ProgramFixture;

TEST_F(About, ShowsTheHelpTableRowByRow) {
    frmAbout a(desktop);
    std::vector<std::pair<int, QString>> rows;  // (top, "action gesture")
    for (int k = 0; k < 8; ++k) {
        QLabel* action = a.Label1(k);
        QLabel* gesture = a.Label1(k + 8);
        EXPECT_EQ(action->y(), gesture->y()) << k;
        EXPECT_EQ(action->x(), 8);
        EXPECT_EQ(gesture->x(), 160);
        rows.emplace_back(action->y(), action->text() + " " + gesture->text());
    }
    std::sort(rows.begin(), rows.end());
    const QStringList expected = {
        "ThrowDice - LeftClick",
        "Add 1 Dice to multiplier - Rigth Click",
        "Subtract 1 Dice to multiplier - Rigth Click + SHIFT",
        "Dice Multiplier - RigthDrag",
        "Move Rollkin (if enabled) - LeftPress + CTRL",
        "Config Menu - LeftPress + SHIFT",
        "About... - F1 or LeftPress + SHIFT",
        "Exit - LeftPress + SHIFT",
    };
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(rows[r].second, expected[r]);
        EXPECT_EQ(rows[r].first, 104 + 16 * r);  // 1560 twips, then every 240
    }
}

TEST_F(About, HasItsTitleIconAndOneFocusableButton) {
    frmAbout a(desktop);
    EXPECT_EQ(a.windowTitle(), "About Dice Rollkin");
    EXPECT_EQ(a.size(), QSize(307, 243));
    EXPECT_EQ(a.minimumSize(), a.maximumSize());
    EXPECT_EQ(a.lblRollkin->text(), "Dice Rollkin v. 1.1");
    EXPECT_EQ(a.lblRollkin->font().pointSizeF(), 14.25);
    EXPECT_FALSE(a.lblCopyright->text().isEmpty());
    EXPECT_EQ(a.Label1(16)->text(), "Help: man dicerollkin");
    EXPECT_EQ(a.Label1(16)->font(), a.font());
    EXPECT_EQ(a.Label1(16)->geometry(), QRect(48, 64, 217, 17));
    ASSERT_FALSE(a.imgIcon->pixmap().isNull());
    EXPECT_EQ(a.imgIcon->pixmap().size(), QSize(16, 16));
    EXPECT_EQ(a.cmdOK->geometry(), QRect(232, 8, 65, 25));
    int focusable = 0;
    for (QWidget* w : a.findChildren<QWidget*>())
        focusable += w->focusPolicy() != Qt::NoFocus;
    EXPECT_EQ(focusable, 1);
}

TEST_F(About, OkEnterAndSpaceCloseItEscDoesNot) {
    for (int key : {0, int{Qt::Key_Return}, int{Qt::Key_Space}, int{Qt::Key_Escape}}) {
        frmAbout a(desktop);
        a.show();
        a.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
        ASSERT_EQ(QApplication::focusWidget(), a.cmdOK);
        if (key == 0) {
            QTest::mouseClick(a.cmdOK, Qt::LeftButton);
        } else {
            QTest::keyClick(a.cmdOK, static_cast<Qt::Key>(key));
        }
        EXPECT_EQ(a.isVisible(), key == Qt::Key_Escape) << key;
        EXPECT_EQ(a.result() == QDialog::Accepted, key != Qt::Key_Escape) << key;
    }
}

}  // namespace
}  // namespace rollkin::test
