#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>

#include "ProgramFixture.h"
#include "state/SettingsFile.h"

namespace rollkin::test {
namespace {

void Put(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

// The start values, over which a file's settings go.
AppState Started() {
    AppState s;
    ResetSettings(s);
    for (int i = FirstSlot; i <= LastSlot; ++i)
        s.DiceMultiplier(i) = 1;
    return s;
}

// Out of range: the nearest value the control allows; not a number: the start value.
TEST(SettingsFileRead, BringsEachValueIntoItsControlsRange) {
    const std::pair<const char*, const char*> table[] = {
        {"RefreshSeconds=9", "5 20 1 1111111111 1"},
        {"RefreshSeconds=go", "1 20 1 1111111111 1"},
        {"MultiplierRange=2", "1 5 1 1111111111 1"},
        {"AnchorPosition=12", "1 20 9 1111111111 1"},
        {"Dice=7, 9", "1 20 1 1111111111 1"},
        {"Dice=2, 100, 6", "1 20 1 1000100001 1"},
        {"Multipliers=5, 50", "1 20 1 1111111111 1"},
        {"MultiplierPermanent=true\nMultipliers=5, 50", "1 20 1 1111111111 20"},
    };
    const QTemporaryDir dir;
    for (const auto& [lines, expected] : table) {
        // A file of its own: QSettings takes a file of the same size and time for the one read.
        const QString path = dir.filePath(QString::number(qHash(QString(lines))));
        Put(path, QByteArray("[Settings]\nRemember=true\n") + lines + "\n");
        SettingsFile file(path);
        ASSERT_EQ(file.Open(), SettingsFile::Opened::Read);
        AppState s = Started();
        file.ReadSettings(s);
        QString dice;
        for (int i = FirstSlot; i <= LastSlot; ++i)
            dice += s.DiceEnabled(i) ? '1' : '0';
        EXPECT_EQ(QString::asprintf("%d %d %d %s %d", s.RefreshSeconds, s.MultiplierRange,
                                    s.AnchorPosition, qPrintable(dice), s.DiceMultiplier(2)),
                  expected)
            << lines;
    }
}

TEST(SettingsFileWrite, KeepsRollsAsWrittenAndKeysItDoesNotKnow) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("dicerollkin.conf");
    Put(path,
        "[Rolls]\n1\\name=Longsword\n1\\roll=d20+7, 1d8+4\n2\\name=Bad\n2\\roll=2d\nsize=2\n"
        "[Other]\ncolour=red\n[Settings]\nExtra=1\n");
    SettingsFile file(path);
    ASSERT_EQ(file.Open(), SettingsFile::Opened::Read);
    const SavedRolls rolls{{"Longsword", "d20+7, 1d8+4"}, {"Bad", "2d"}};
    EXPECT_EQ(file.Rolls(), rolls);
    AppState kept = Started();
    kept.RefreshSeconds = 3, kept.FreePosition = True, kept.DiceEnabled(4) = False;
    kept.MultiplierPermanent = True, kept.DiceMultiplier(7) = 12;
    ASSERT_TRUE(file.KeepSettings(kept, {300, 200}) && file.SetRolls(file.Rolls()));
    ASSERT_TRUE(file.SetGroup("Share", {{"webhook", "https://example.org/secret"}}));
    SettingsFile again(path);
    ASSERT_EQ(again.Open(), SettingsFile::Opened::Read);
    EXPECT_EQ(again.Rolls(), rolls);
    AppState read = Started();
    again.ReadSettings(read);
    EXPECT_EQ(read, kept);
    EXPECT_EQ(again.Position(), QPoint(300, 200));
    EXPECT_EQ(again.Group("Other").value("colour").toString(), "red");
    EXPECT_EQ(QFile::permissions(path) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(again.ForgetSettings());
    EXPECT_FALSE(SettingsFile(path).Remembered());
    EXPECT_EQ(again.Group("Settings"), (QVariantMap{{"Extra", "1"}}));
}

// A full disk: every file stops at 200 bytes (root writes into a read-only folder too).
TEST(SettingsFileWrite, AnInterruptedWriteLeavesTheOldFileWhole) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("dicerollkin.conf");
    const QByteArray old = "[Rolls]\n1\\name=Fireball\n1\\roll=8d6\nsize=1\n";
    Put(path, old);
    SettingsFile file(path);
    file.Open();
    const SavedRolls more(MaxSavedRolls, SavedRoll{"Longsword", "d20+7, 1d8+4"});
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    const rlimit full{200, was.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    const bool written = file.SetRolls(more);
    setrlimit(RLIMIT_FSIZE, &was);
    EXPECT_FALSE(written);
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"dicerollkin.conf"});
    EXPECT_TRUE(file.SetRolls(more));  // the next change tries again
}

// Programs one after another, with a configuration folder of the test's own.
class KeptSettings : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", home.path().toUtf8()); }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previous); }
    QString Conf() const { return home.filePath("dicerollkin/dicerollkin.conf"); }

    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    const QTemporaryDir home;
    FakeDesktop desktop;
    ScriptedRandom rng;
};

// The first run asks to remember, the second finds it and asks to forget, the third forgets.
TEST_F(KeptSettings, RememberedSettingsSurviveARestartAndUncheckingForgetsThem) {
    const Integer anchors[] = {1, 9, 1};
    for (int run = 0; run < 3; ++run) {
        Program program(desktop, rng);
        program.Start();
        EXPECT_EQ(program.State.AnchorPosition, anchors[run]);
        EXPECT_EQ(program.Menu().mnuRemember->isChecked(), run == 1);
        EXPECT_EQ(QDir(home.path()).isEmpty(), run == 0);  // nothing asked, nothing made
        program.State.AnchorPosition = 9;
        program.Menu().mnuRemember->trigger();
    }
}

TEST_F(KeptSettings, ABrokenFileMovesAsideAnUnwritableOneIsToldOnceUntilAWriteSucceeds) {
    QDir().mkpath(home.filePath("dicerollkin"));
    Put(Conf(), "not a settings file\n");
    Put(Conf() + ".bad", "an earlier one");
    Program program(desktop, rng);
    program.Start();
    QCoreApplication::processEvents();      // the strip shows
    EXPECT_TRUE(desktop.messages.empty());  // a notice beside the strip, never a box
    ASSERT_EQ(desktop.notices.size(), 1u);
    EXPECT_TRUE(desktop.notices[0].contains(Conf() + " "));
    EXPECT_TRUE(desktop.notices[0].contains(Conf() + ".bad.1"));
    EXPECT_EQ(Contents(Conf() + ".bad.1"), "not a settings file\n");
    program.Saved = {{"Fireball", "8d6"}};
    for (const bool folderInTheWay : {true, true, false, true}) {
        QDir().rmdir(Conf());
        if (folderInTheWay) QFile::remove(Conf()), QDir().mkdir(Conf());
        program.KeepSavedRolls();
    }
    EXPECT_EQ(desktop.notices.size(), 3u);
}

// Each button says what it throws from the start: caption, tooltip and spoken name.
TEST_F(KeptSettings, RememberedMultipliersShowOnTheirButtonsAtStart) {
    QDir().mkpath(home.filePath("dicerollkin"));
    Put(Conf(),
        "[Settings]\nRemember=true\nMultiplierPermanent=true\n"
        "Multipliers=1, 50, 1, 1, 4, 1, 1, 1, 1, 3\n");
    Program program(desktop, rng);
    program.Start();
    for (const auto& [slot, shown] : {std::pair{2, "20d3"}, {5, "4d6"}, {10, "3d100"}}) {
        const DiceButton& b = program.Rollkin().cmdDice(slot);
        EXPECT_EQ(QStringList({b.text(), b.toolTip(), b.SpokenName()}), QStringList(3, shown));
    }
}

}  // namespace
}  // namespace rollkin::test
