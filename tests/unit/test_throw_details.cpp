#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <numeric>

#include "Gestures.h"
#include "forms/frmHistory.h"
#include "forms/frmRoll.h"
#include "state/LineText.h"
#include "state/ThrowHistory.h"

namespace rollkin::test {
namespace {

TEST(ThrowFaces, SumToTheTotalAndLeaveTheTotalAsItWas) {
    AppState s;
    for (int i = FirstSlot; i <= LastSlot; ++i)
        s.DiceSides(i) = DesignDiceSides[i - 1];
    for (int seed = 1; seed <= 200; ++seed) {
        const int slot = 1 + seed % 10;
        s.DiceMultiplier(slot) = static_cast<Integer>(1 + (seed * 7) % 40);
        Random a, b;
        a.Randomize(static_cast<float>(seed) * 3.25f);
        b.Randomize(static_cast<float>(seed) * 3.25f);
        std::vector<Integer> faces;
        const Integer total = Throw(s, slot, a, &faces);
        ASSERT_EQ(total, Throw(s, slot, b)) << seed;  // the same draws, the same total
        ASSERT_EQ(static_cast<int>(faces.size()), s.DiceMultiplier(slot));
        EXPECT_EQ(std::accumulate(faces.begin(), faces.end(), 0), total) << seed;
        for (Integer f : faces) {
            ASSERT_GE(f, 1);
            ASSERT_LE(f, s.DiceSides(slot));
        }
        EXPECT_EQ(a.Rnd(), b.Rnd());  // both generators moved on by the same draws
    }
}

TEST(ThrowFaces, KeepTheOrderOfTheDraws) {
    AppState s;
    s.DiceSides(5) = 6;
    s.DiceMultiplier(5) = 3;
    ScriptedRandom rng;
    rng.draws = {0.99f, 0.0f, 0.5f};
    std::vector<Integer> faces;
    EXPECT_EQ(Throw(s, 5, rng, &faces), 11);
    EXPECT_EQ(faces, (std::vector<Integer>{6, 1, 4}));
}

TEST(ThrowTexts, OneDieNamesItsFaceOnly) {
    EXPECT_EQ(ThrowTooltip({"d20", {17}, 17}), "d20: 17");
    EXPECT_EQ(ThrowDescription({"d20", {17}, 17}), "d20: 17");
}

TEST(ThrowTexts, TwoDiceMarkTheHighestAndTheLowest) {
    EXPECT_EQ(ThrowTooltip({"2d20", {3, 18}, 21}), "<nobr>2d20: <u>3</u> + <b>18</b> = 21</nobr>");
    EXPECT_EQ(ThrowDescription({"2d20", {3, 18}, 21}), "2d20: 3 + 18 = 21, highest 18, lowest 3");
    // Equal faces have no highest or lowest to mark.
    EXPECT_EQ(ThrowTooltip({"2d6", {4, 4}, 8}), "<nobr>2d6: 4 + 4 = 8</nobr>");
    // Every face that ties for highest or lowest is marked.
    EXPECT_EQ(ThrowTooltip({"3d6", {6, 1, 6}, 13}),
              "<nobr>3d6: <b>6</b> + <u>1</u> + <b>6</b> = 13</nobr>");
}

TEST(ThrowTexts, WordingFillsEachNumberOnceWhereverATranslationPutsIt) {
    const struct {
        const char* format;
        const char* worded;
    } rows[] = {
        {"%1, highest %2", "%2a, highest b"},  // an argument is not worded again
        {"%2 before %1", "b before %2a"},
        {"%1 and %1", "%2a and %2a"},
        {"%3 has no argument, 100% stays", "%3 has no argument, 100% stays"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Worded(row.format, {"%2a", "b"}), row.worded) << row.format;
}

TEST(ThrowTexts, FortyDiceWrapTenToALine) {
    ThrowRecord r{"40d6", {}, 0};
    for (int k = 0; k < 40; ++k)
        r.faces.push_back(static_cast<Integer>(1 + k % 6));
    r.total = static_cast<Integer>(std::accumulate(r.faces.begin(), r.faces.end(), 0));
    QTextDocument doc;
    doc.setHtml(QString::fromStdString(ThrowTooltip(r)));
    const QStringList lines = doc.toPlainText().split(QRegularExpression("[\n\u2028]"));
    ASSERT_EQ(lines.size(), 4) << doc.toPlainText().toStdString();
    EXPECT_TRUE(lines[0].startsWith("40d6: 1 + 2 + 3 + 4 + 5 + 6 + 1 + 2 + 3 + 4 +"));
    EXPECT_EQ(lines[3], "1 + 2 + 3 + 4 + 5 + 6 + 1 + 2 + 3 + 4 = " + QString::number(r.total));
    EXPECT_TRUE(Qt::mightBeRichText(QString::fromStdString(ThrowTooltip(r))));
}

TEST(ThrowHistory, KeepsTheNewestThousandNewestFirst) {
    // Throw k has the total k: how many throws are kept, and the oldest one kept.
    const std::tuple<int, int, int> rows[] = {
        {1, 1, 1}, {999, 999, 1}, {1000, 1000, 1}, {2500, 1000, 1501}, {1001, 1000, 2}};
    ThrowHistory h;
    for (const auto& [added, kept, oldest] : rows) {
        h.Clear();
        for (int k = 1; k <= added; ++k) {
            const auto face = static_cast<Integer>(1 + k % 6);
            h.Add({"2d6", {face, 1}, static_cast<Integer>(k)}, k);
        }
        ASSERT_EQ(h.Count(), kept) << added;
        EXPECT_EQ(h.Record(0).total, static_cast<Integer>(added)) << added;
        EXPECT_EQ(h.Record(kept - 1).total, oldest) << added;
    }
    EXPECT_EQ(h.Record(999).faces, (std::vector<Integer>{3, 1}));  // of the 1001: the first went
    EXPECT_EQ(h.Line(999), "00:00:02  2d6: 3 + 1 = 2");
}

TEST(ThrowHistory, CopiesTheChosenLinesInTheirOrderOrAll) {
    ThrowHistory h;
    h.Add({"3d6", {2, 5, 6}, 13}, 14 * 3600 + 2 * 60 + 11);
    h.Add({"d20", {17}, 17}, 14 * 3600 + 2 * 60 + 15);
    h.Add({"2d4", {1, 4}, 5}, 9 * 3600 + 5 * 60);
    EXPECT_EQ(h.Text({}),
              "09:05:00  2d4: 1 + 4 = 5\n14:02:15  d20: 17\n14:02:11  3d6: 2 + 5 + 6 = 13");
    EXPECT_EQ(h.Text({2, 0}), "09:05:00  2d4: 1 + 4 = 5\n14:02:11  3d6: 2 + 5 + 6 = 13");
    h.Clear();
    EXPECT_EQ(h.Count(), 0);
    EXPECT_EQ(h.Text({}), "");
}

class ThrowOnTheStrip : public GestureFixture {
protected:
    void ThrowD6() {
        state().DiceMultiplier(5) = 3;
        rng.draws = {0.2f, 0.7f, 0.9f};  // faces 2, 5, 6
        Down(5, vbLeftButton);
        Up(5, vbLeftButton);
    }
    DiceButton& d6() { return strip().cmdDice(5); }
};

TEST_F(ThrowOnTheStrip, TheButtonKeepsItsDiceUntilTheFaceLabelReturns) {
    EXPECT_EQ(d6().toolTip(), "d6");
    ThrowD6();
    EXPECT_EQ(d6().text(), "13");
    EXPECT_EQ(d6().toolTip(), "<nobr>3d6: <u>2</u> + 5 + <b>6</b> = 13</nobr>");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&d6())->text(QAccessible::Name), "3d6: 13");
    EXPECT_EQ(d6().accessibleDescription(), "3d6: 2 + 5 + 6 = 13, highest 6, lowest 2");
    menu().tmrRefresh_Timer(5);
    EXPECT_EQ(d6().text(), "d6");
    EXPECT_EQ(d6().toolTip(), "d6");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&d6())->text(QAccessible::Name), "d6");
    EXPECT_FALSE(d6().ShowsThrow());
}

TEST_F(ThrowOnTheStrip, ARightClickOverATotalNamesTheNewDice) {
    ThrowD6();
    RightClick(5);
    EXPECT_EQ(d6().toolTip(), "2d6");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&d6())->text(QAccessible::Name), "2d6");
}

TEST_F(ThrowOnTheStrip, NoTooltipWhileAButtonIsHeld) {
    strip().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip()));
    ThrowD6();
    const QPoint at(20, 20);
    auto hover = [&] {
        QHelpEvent help(QEvent::ToolTip, at, d6().mapToGlobal(at));
        QApplication::sendEvent(&d6(), &help);
    };
    QTest::mousePress(&d6(), Qt::RightButton, {}, at);
    hover();
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::mouseRelease(&d6(), Qt::RightButton, {}, at);
    ThrowD6();
    hover();
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), d6().toolTip());
    // A press hides it at once.
    QTest::mousePress(&d6(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::mouseRelease(&d6(), Qt::LeftButton, {}, at);
    menu().tmrRefresh_Timer(5);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(ThrowOnTheStrip, EveryThrowLandsInTheHistoryWhichTheMenuOpens) {
    strip().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip()));
    for (const auto& [path, throwIt] : ThrowPaths) {
        state().DiceMultiplier(5) = 3;
        rng.draws = {0.2f, 0.7f, 0.9f};
        const int before = program.Throws().Count();
        throwIt(d6());
        EXPECT_EQ(program.Throws().Count(), before + 1) << path;
        EXPECT_EQ(program.Throws().Line(0), "12:00:00  3d6: 2 + 5 + 6 = 13") << path;
    }
    EXPECT_FALSE(Loaded("frmHistory"));  // no window until it is opened

    menu().mnuHistory->trigger();
    frmHistory& window = program.History();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QAbstractItemModel& model = *window.lstThrows->model();
    QAbstractItemModelTester tester(&model);  // every change announced as Qt's views need
    EXPECT_EQ(window.windowTitle(), "Dice Rollkin History");
    EXPECT_EQ(window.x(), strip().frameGeometry().right() + 1);  // beside the strip
    strip().move(strip().x() + 300, strip().y() + 40);
    menu().mnuHistory->trigger();  // asked for again while open: beside the strip as it is now
    EXPECT_EQ(window.pos(), strip().frameGeometry().topRight() + QPoint(1, 0));
    const int rows = program.Throws().Count();
    ThrowD6();  // shows at once, on top
    ThrowD6();
    ASSERT_EQ(model.rowCount(), rows + 2);
    const QModelIndex newest = model.index(0, 0);
    EXPECT_EQ(newest.data(), QString::fromStdString(program.Throws().Line(0)));
    EXPECT_EQ(newest.data(Qt::UserRole).toString().section("&nbsp;&nbsp;", 1),
              "<nobr>3d6: <u>2</u> + 5 + <b>6</b> = 13</nobr>");
    EXPECT_EQ(newest.data(Qt::AccessibleDescriptionRole),
              "3d6: 2 + 5 + 6 = 13, highest 6, lowest 2");

    desktop.copied.clear();
    window.cmdCopy->click();
    window.lstThrows->setCurrentIndex(model.index(2, 0));
    window.lstThrows->selectionModel()->select(newest, QItemSelectionModel::Select);
    QTest::keyClick(window.lstThrows, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop.copied,
              (std::vector<QString>{QString::fromStdString(program.Throws().Text({})),
                                    QString::fromStdString(program.Throws().Text({0, 2}))}));

    // Tab goes round the list and the buttons.
    window.lstThrows->setFocus();
    for (QWidget* next :
         std::initializer_list<QWidget*>{window.cmdCopy, window.cmdSave, window.cmdClear}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    for (int k = 0; k <= ThrowHistory::Capacity; ++k)
        ThrowD6();
    EXPECT_EQ(model.rowCount(), ThrowHistory::Capacity);
    window.cmdClear->click();
    EXPECT_EQ(model.rowCount(), 0);
    QTest::keyClick(window.lstThrows, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    menu().mnuHistory->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(&program.History(), &window);
    window.close();  // the title bar's close only hides it too
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(desktop.ends, 0);
}

TEST_F(ThrowOnTheStrip, ARollTypedInTheRollWindowIsThrownAndLandsInTheHistory) {
    menu().mnuRoll->trigger();
    frmRoll& window = program.Rolls();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Dice Rollkin Rolls");
    EXPECT_EQ(window.x(), strip().frameGeometry().right() + 1);  // beside the strip
    auto* field = window.findChild<QComboBox*>("cboRoll");
    auto* roll = window.findChild<QPushButton*>("cmdRoll");
    auto* error = window.findChild<QLabel*>("lblError");
    auto* result = window.findChild<QLabel*>("lblResult");
    ASSERT_TRUE(field && roll && error && result);
    EXPECT_EQ(QApplication::focusWidget(), field);

    QTest::keyClicks(field, "d20+");
    EXPECT_EQ(error->text(), "a number or a dice term is expected at column 5");
    EXPECT_FALSE(roll->isEnabled());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(program.Throws().Count(), 0);
    EXPECT_EQ(field->currentText(), "d20+");  // nothing typed is lost

    QTest::keyClicks(field, "3d20kh1");
    EXPECT_EQ(error->text(), "");
    ASSERT_TRUE(roll->isEnabled());
    const QString line = "d20+3d20kh1: [1 (natural 1)] + [20 (natural 20), ~11~, ~1~] = 21";
    // A screen reader hears the dropped dice in words, where the reader is.
    const QString spoken =
        "d20+3d20kh1: [1 (natural 1)] + [20 (natural 20), 11, dropped, 1, dropped] = 21";
    rng.draws = {0.0f, 0.0f, 0.99f, 0.0f, 0.5f, 0.0f, 0.0f, 0.0f};
    QTest::keyClick(field, Qt::Key_Return);  // the default button
    EXPECT_EQ(result->accessibleName(), spoken);
    EXPECT_EQ(field->accessibleDescription(), spoken);
    const QString markup =
        "d20+3d20kh1: [1 (natural 1)] + [20 (natural 20), <s>11</s>, <s>1</s>] = 21";
    EXPECT_EQ(result->text(), markup);  // wrapping in the window, whole in History
    ASSERT_EQ(program.Throws().Count(), 1);
    EXPECT_EQ(program.Throws().Line(0), "12:00:00  " + line.toStdString());
    const QModelIndex newest = program.History().lstThrows->model()->index(0, 0);
    EXPECT_EQ(newest.data(Qt::UserRole).toString().section("&nbsp;&nbsp;", 1),
              "<nobr>" + markup + "</nobr>");
    EXPECT_EQ(newest.data(Qt::AccessibleDescriptionRole), spoken);
    // A long line wraps: the window keeps its width.
    const int width = window.width();
    field->setEditText("100d6, 100d6");
    roll->click();
    QApplication::processEvents();
    EXPECT_EQ(window.width(), width);

    // The drop-down: the last twenty, newest first, a roll thrown again moved to the top.
    for (int faces = 1; faces <= 25; ++faces) {
        field->setEditText(QString("d%1").arg(faces));
        roll->click();
    }
    field->setEditText("d10");
    roll->click();
    QStringList rolls;
    for (int k = 0; k < field->count(); ++k)
        rolls << field->itemText(k);
    EXPECT_EQ(rolls,
              (QStringList{"d10", "d25", "d24", "d23", "d22", "d21", "d20", "d19", "d18", "d17",
                           "d16", "d15", "d14", "d13", "d12", "d11", "d9",  "d8",  "d7",  "d6"}));
    EXPECT_EQ(program.Throws().Count(), 2 + 26);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(desktop.ends, 0);
}

// A strip throw, a roll of two with its totals, and a field with a comma and quotes (a named
// roll's), in each format; then a write that fails.
TEST_F(ThrowOnTheStrip, SaveWritesTheLinesAsCopiedOrAsCsvAndAFailureLosesNothing) {
    frmHistory& window = program.History();
    EXPECT_FALSE(window.cmdSave->isEnabled());  // nothing to save yet
    ThrowD6();
    desktop.timeOfDay = 43201;
    rng.draws = {0.5f, 0.0f, 0.0f, 0.0f, 0.99f, 0.0f};  // 11, then 1 and 6
    program.Rolls().cboRoll->setEditText("d20+7, 2d6");
    program.Rolls().cmdRoll->click();
    program.Throws().Add({"Say \"hi\", Bo: [3] = 3", "", "Say \"hi\", Bo", "[3]", "3"}, 43262);
    // Cells a spreadsheet would run as formulas start with an apostrophe; a number stays one.
    program.Throws().Add({"x", "", "-d4+2", "[3] + 2", "-1", "=cmd|' /C calc'!A0"}, 43263, 20795);
    ASSERT_TRUE(window.cmdSave->isEnabled());
    QTemporaryDir dir;
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const std::string csv =
        "time,name,roll,dice,total,percentile\r\n"
        "2026-12-08T12:01:03,'=cmd|' /C calc'!A0,'-d4+2,[3] + 2,-1,37.5\r\n"
        "1970-01-01T12:01:02,,\"Say \"\"hi\"\", Bo\",[3],3,\r\n" +
        today + "T12:00:01,,\"d20+7, 2d6\",\"[11] + 7; [1, 6]\",18 / 7,52.5 / 50.0\r\n" + today +
        "T12:00:00,,3d6,2 + 5 + 6,13,78.9\r\n";
    const std::pair<const char*, std::string> files[] = {
        {"throws.txt",
         "12:01:03  x\n12:01:02  Say \"hi\", Bo: [3] = 3\n"
         "12:00:01  d20+7: [11] + 7 = 18; 2d6: [1, 6] = 7\n12:00:00  3d6: 2 + 5 + 6 = 13\n"},
        {"throws.CsV", csv},
    };
    for (const auto& [name, expected] : files) {
        desktop.saveAnswer = dir.filePath(name);
        window.cmdSave->click();
        QFile saved(desktop.saveAnswer);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(saved.readAll().toStdString(), expected) << name;
    }
    // Opened in the documents folder, or home, at a name of the day.
    const QFileInfo suggested(desktop.saveSuggested);
    EXPECT_EQ(suggested.fileName().toStdString(), "dicerollkin-history-" + today + ".txt");
    EXPECT_TRUE(suggested.dir().exists());
    desktop.saveAnswer = dir.filePath("gone/throws.txt");  // a folder that is not there
    window.cmdSave->click();
    ASSERT_EQ(desktop.messages.size(), 1U);
    EXPECT_TRUE(desktop.messages[0].prompt.startsWith("The history could not be saved in \"" +
                                                      desktop.saveAnswer + "\": "));
    EXPECT_EQ(program.Throws().Count(), 4);
    // The throws whose rolls are known: mid-ranks 0.789, 0.525 and 0.5, and 0.375 against one
    // half.
    window.ShowLuck();
    EXPECT_EQ(window.lblLuck->text(),
              "3 throws, average percentile 55: the dice look fair, "
              "p = 0.74 (z-test of the percentiles)");
    // Clear asks nothing and can be undone until the next throw.
    window.cmdClear->click();
    EXPECT_FALSE(window.cmdSave->isEnabled());
    EXPECT_EQ(window.cmdClear->text(), "Undo Clear");
    window.cmdClear->click();
    EXPECT_EQ(program.Throws().Count(), 4);
    window.cmdClear->click();
    ThrowD6();
    EXPECT_EQ(program.Throws().Count(), 1);
    EXPECT_EQ(window.cmdClear->text(), "Clear");
}

}  // namespace
}  // namespace rollkin::test
