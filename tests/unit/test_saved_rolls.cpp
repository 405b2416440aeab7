#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <algorithm>

#include "Gestures.h"
#include "forms/frmRoll.h"
#include "settings/CharacterFile.h"
#include "settings/SettingsFile.h"
#include "state/ThrowHistory.h"

namespace rollkin::test {
namespace {

using SavedRollsOnTheStrip = GestureFixture;

TEST_F(SavedRollsOnTheStrip, ASavedRollShowsItsTotalsUntilTheRefreshBringsItsNameBack) {
    program.Saved().Set({{"Longsword", "d20+7, 1d8+4"}, {"Bad", "d20+"}, {"Fireball", "8d6"}});
    ASSERT_EQ(strip().ButtonCount(), LastSlot + 2);  // the one that cannot be thrown is left off
    EXPECT_EQ(strip().ButtonAt(LastSlot + 2).toolTip(), "Fireball: 8d6 (average 28, 8 to 48)");
    DiceButton& sword = strip().ButtonAt(LastSlot + 1);
    EXPECT_EQ(sword.objectName(), "cmdSaved1");
    EXPECT_EQ(sword.text(), "Longsword");
    rng.draws = {0.99f, 0.0f, 0.5f, 0.0f};  // a d20's 20, a d8's 5
    QTest::keyClick(&sword, Qt::Key_Space);
    EXPECT_EQ(sword.text(), "27 / 9");
    const QString line = "Longsword: d20+7: [20 (natural 20)] + 7 = 27; 1d8+4: [5] + 4 = 9";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&sword)->text(QAccessible::Name), line);
    QTextDocument tooltip;
    tooltip.setHtml(sword.toolTip());
    EXPECT_EQ(tooltip.toPlainText(), line);  // rich, in the same words
    EXPECT_EQ(program.Throws().Line(0), "12:00:00  " + line.toStdString());
    EXPECT_TRUE(menu().tmrRefresh(LastSlot + 1).isActive());
    menu().tmrRefresh_Timer(LastSlot + 1);
    EXPECT_EQ(sword.text(), "Longsword");
    RightClick(LastSlot + 1);  // nothing
    EXPECT_EQ(sword.text(), "Longsword");
    EXPECT_EQ(program.Throws().Count(), 1);
    state().ResultPermanent = True;
    for (int k = 0; k < 200; ++k) {
        Down(LastSlot + 2, vbLeftButton);
        Up(LastSlot + 2, vbLeftButton);
        const int total = strip().ButtonAt(LastSlot + 2).text().toInt();
        ASSERT_TRUE(total >= 8 && total <= 48) << total;
    }
    EXPECT_FALSE(menu().tmrRefresh(LastSlot + 2).isActive());
    strip().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip()));
    for (const auto& [path, throwIt] : ThrowPaths) {
        const int before = program.Throws().Count();
        throwIt(strip().ButtonAt(LastSlot + 2));
        EXPECT_EQ(program.Throws().Count(), before + 1) << path;
    }
}

TEST_F(SavedRollsOnTheStrip, TheRollsWindowEditsTheSavedRollsAndTheStripFollows) {
    program.Saved().Set({{"Bad", "d20+"}});  // as read from a file edited by hand
    frmRoll& window = program.Rolls();
    QTableWidget& list = *window.tblSaved;
    const auto kept = [&](const SavedRolls& rolls) {
        EXPECT_EQ(program.Saved().Rolls(), rolls);
        EXPECT_EQ(strip().ButtonCount() - LastSlot,
                  std::count_if(rolls.begin(), rolls.end(),
                                [](const SavedRoll& r) { return r.roll != "d20+"; }));
    };
    list.setCurrentCell(0, 0);
    const QString error = "a number or a dice term is expected at column 5";
    EXPECT_EQ(window.lblSaved->text(), error);
    EXPECT_EQ(list.item(0, 1)->data(Qt::AccessibleDescriptionRole), error);  // the reader's too
    window.cboRoll->setEditText("d20+");
    window.cmdAdd->click();  // refused with the field's error
    EXPECT_EQ(window.lblSaved->text(), error);
    window.cboRoll->setEditText("8d6");
    window.txtName->setText("Fireball");
    QTest::keyClick(window.txtName, Qt::Key_Return);  // adds, and rolls nothing
    EXPECT_EQ(program.Throws().Count(), 0);
    kept({{"Bad", "d20+"}, {"Fireball", "8d6"}});
    EXPECT_EQ(strip().ButtonAt(LastSlot + 1).text(), "Fireball");
    list.item(1, 1)->setText("6d");  // not taken until it can be thrown
    EXPECT_EQ(window.lblSaved->text(), "a number of faces, % or F is expected at column 3");
    kept({{"Bad", "d20+"}, {"Fireball", "8d6"}});
    list.item(1, 1)->setText("6d6");
    window.cmdUp->click();
    kept({{"Fireball", "6d6"}, {"Bad", "d20+"}});
    window.cmdDown->click();
    kept({{"Bad", "d20+"}, {"Fireball", "6d6"}});
    list.setCurrentCell(0, 0);
    window.cmdRemove->click();
    kept({{"Fireball", "6d6"}});
    window.txtName->clear();
    while (list.rowCount() < MaxSavedRolls)
        window.cmdAdd->click();
    EXPECT_EQ(program.Saved().Rolls().back(), (SavedRoll{"8d6", "8d6"}));  // named by its roll
    window.cmdAdd->click();
    EXPECT_EQ(window.lblSaved->text(), "At most 20 rolls can be saved: remove one to add another.");
    EXPECT_EQ(program.Saved().Rolls().size(), 20u);
    EXPECT_EQ(strip().height(), 768);         // 30 buttons, drawn smaller to fit
    program.Saved().Set({{"Dagger", "d4"}});  // a change from elsewhere: the list shows it
    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.item(0, 0)->text() + ": " + list.item(0, 2)->text(),
              "Dagger: average 2.5, 1 to 4");
}

TEST_F(SavedRollsOnTheStrip, CtrlAltNumbersThrowTheSavedRollsFromAnyWindowOnceChosen) {
    program.Saved().Set({{"Bad", "d20+"}, {"Fireball", "8d6"}, {"Dagger", "d4"}});
    const auto kept = [] {
        SettingsFile file(SettingsFile::DefaultPath());
        file.Open();
        return file.GlobalKeys();
    };
    QCheckBox& box = *program.Rolls().chkGlobalKeys;
    EXPECT_TRUE(box.isEnabled());
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(desktop.globalKeyGrabs, 0);  // off: nothing taken
    desktop.globalKeysHeld = {2, 7};
    box.click();
    EXPECT_EQ(desktop.globalKeyGrabs, 1);
    program.Settings().SettleSettings();
    EXPECT_TRUE(kept());
    QCoreApplication::processEvents();  // the notice comes from the event loop
    ASSERT_EQ(desktop.notices.size(), 1u);
    EXPECT_EQ(desktop.notices[0],
              "Another program holds these keys, so they do not throw saved "
              "rolls: Ctrl+Alt+2, Ctrl+Alt+7.");
    // Key 1 is the strip's first saved button (the roll that cannot be thrown has none).
    rng.draws = std::deque<float>(16, 0.0f);  // every die a 1
    desktop.PressGlobalKey(1);
    EXPECT_EQ(strip().ButtonAt(LastSlot + 1).text(), "8");
    EXPECT_EQ(program.Throws().Line(0), "12:00:00  Fireball: 8d6: [1, 1, 1, 1, 1, 1, 1, 1] = 8");
    EXPECT_TRUE(menu().tmrRefresh(LastSlot + 1).isActive());
    EXPECT_FALSE(strip().ButtonAt(LastSlot + 1).isDown());
    desktop.PressGlobalKey(3);  // no third button
    EXPECT_EQ(program.Throws().Count(), 1);
    {
        QDialog modal;  // Configure or About, waiting for an answer
        modal.setModal(true);
        modal.show();
        desktop.PressGlobalKey(1);
        EXPECT_EQ(program.Throws().Count(), 1);
    }
    box.click();
    EXPECT_FALSE(desktop.globalKeyPressed);
    program.Settings().SettleSettings();
    EXPECT_FALSE(kept());
}

TEST_F(SavedRollsOnTheStrip, WhereNoKeyCanBeTakenTheBoxIsGreyedWithTheReason) {
    desktop.globalKeysRefusal = "Keys from any window need an X11 desktop.";
    QCheckBox& box = *program.Rolls().chkGlobalKeys;
    EXPECT_FALSE(box.isEnabled());
    EXPECT_EQ(box.toolTip(), desktop.globalKeysRefusal);
    EXPECT_EQ(box.accessibleDescription(), desktop.globalKeysRefusal);
}

// An import of a name already there asks, window-modal over the Rolls window, and changes
// nothing until answered; removing asks first too. The strip shows the current one's rolls.
TEST_F(SavedRollsOnTheStrip, CharactersSwitchTheStripAndAnImportNeverOverwritesUnasked) {
    frmRoll& window = program.Rolls();
    const auto answer = [&window](const QString& button) {
        auto* box = window.findChild<QMessageBox*>();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowModality(), Qt::WindowModal);
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == button) b->click();
        }
        delete box;
    };
    const auto names = [this] {
        QStringList shown;
        for (int i = 0; i < static_cast<int>(program.Saved().Characters().size()); ++i)
            shown << program.Saved().ShownName(i);
        return shown.join(',') + " " + program.Saved().ShownName(program.Saved().CurrentIndex());
    };
    program.Saved().Set({{"Axe", "d12"}});
    window.txtCharacter->setText("Rogue");
    window.cmdAddCharacter->click();
    EXPECT_EQ(strip().ButtonCount(), LastSlot);  // the new one has no rolls yet
    const Character rogue{"Rogue", "Sneaky", {{"Sneak", "3d6"}, {"Bad", "d20+"}}, {}};
    window.Import(CharacterFile::Parse("{}"));
    EXPECT_TRUE(window.lblSaved->text().startsWith("Nothing was imported."));
    for (const char* button : {"Cancel", "Keep both", "Replace"}) {
        window.Import(CharacterFile::Parse(CharacterFile::Text(rogue)));
        EXPECT_EQ(program.Saved().Characters().size(), button[0] == 'R' ? 3u : 2u) << "asked";
        answer(button);
    }
    EXPECT_EQ(names(), "Character 1,Rogue,Rogue (2) Rogue");
    EXPECT_EQ(program.Saved().Current(), rogue);
    EXPECT_EQ(strip().ButtonCount(), LastSlot + 1);  // the roll that cannot be thrown is left off
    window.cboCharacter->activated(0);
    EXPECT_EQ(strip().ButtonAt(LastSlot + 1).text(), "Axe");
    window.cmdRemoveCharacter->click();
    answer("&Yes");
    EXPECT_EQ(names(), "Rogue,Rogue (2) Rogue");
}

}  // namespace
}  // namespace rollkin::test
