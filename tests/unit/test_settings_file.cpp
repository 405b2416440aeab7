#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
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

AppState Started() {
    AppState s;
    ResetSettings(s);
    for (int i = FirstSlot; i <= LastSlot; ++i)
        s.DiceMultiplier(i) = 1;
    return s;
}

int Offered(const AppState& s) {
    int n = 0;
    for (int i = FirstSlot; i <= LastSlot; ++i)
        n += s.DiceEnabled(i) ? 1 : 0;
    return n;
}

struct Clamp {
    const char* lines;
    int (*field)(const AppState&);
    int expected;
};

// A value out of range takes the nearest one its control allows; one that is no number keeps
// the start value.
TEST(SettingsFileRead, BringsEachValueIntoItsControlsRange) {
    const auto refresh = [](const AppState& s) { return int{s.RefreshSeconds}; };
    const auto range = [](const AppState& s) { return int{s.MultiplierRange}; };
    const auto anchor = [](const AppState& s) { return int{s.AnchorPosition}; };
    const auto second = [](const AppState& s) { return int{s.DiceMultiplier(2)}; };
    const Clamp table[] = {
        {"RefreshSeconds=9", refresh, 5},
        {"RefreshSeconds=-3", refresh, 0},
        {"RefreshSeconds=soon", refresh, 1},
        {"RefreshSeconds=4", refresh, 4},
        {"MultiplierRange=2", range, 5},
        {"MultiplierRange=99", range, 40},
        {"AnchorPosition=0", anchor, 1},
        {"AnchorPosition=12", anchor, 9},
        {"Dice=7, 9", Offered, 10},
        {"Dice=20", Offered, 1},
        {"Dice=2, 100, 6", Offered, 3},
        {"Multipliers=5, 50", second, 1},
        {"MultiplierPermanent=true\nMultipliers=5, 50", second, 20},
        {"MultiplierPermanent=true\nMultipliers=5, 0", second, 1},
    };
    const QTemporaryDir dir;
    const QString path = dir.filePath("dicerollkin.conf");
    for (const Clamp& row : table) {
        SCOPED_TRACE(row.lines);
        Put(path, QByteArray("[Settings]\nRemember=true\n") + row.lines + "\n");
        SettingsFile file(path);
        ASSERT_EQ(file.Open(), SettingsFile::Opened::Read);
        AppState s = Started();
        file.ReadSettings(s);
        EXPECT_EQ(row.field(s), row.expected);
    }
}

TEST(SettingsFileWrite, KeepsRollsAsWrittenAndKeysItDoesNotKnow) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("dicerollkin.conf");
    Put(path,
        "[Rolls]\n1\\name=Longsword\n1\\roll=d20+7, 1d8+4\n2\\name=Broken\n2\\roll=2d\nsize=2\n"
        "[Other]\ncolour=red\n[Settings]\nExtra=1\n");
    SettingsFile file(path);
    ASSERT_EQ(file.Open(), SettingsFile::Opened::Read);
    const SavedRolls rolls{{"Longsword", "d20+7, 1d8+4"}, {"Broken", "2d"}};
    EXPECT_EQ(file.Rolls(), rolls);
    AppState kept = Started();
    kept.RefreshSeconds = 3, kept.FreePosition = True, kept.DiceEnabled(4) = False;
    kept.MultiplierPermanent = True, kept.DiceMultiplier(7) = 12;
    ASSERT_TRUE(file.KeepSettings(kept, {300, 200}));
    ASSERT_TRUE(file.SetRolls(file.Rolls()));
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

TEST(SettingsFileRead, MovesAFileThatIsNotIniAsideNumberingItsPlace) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("dicerollkin.conf");
    const char* broken[] = {"{\"rolls\": [\"8d6\"]}\n", "[Rolls\n1\\roll=8d6\n"};
    const char* aside[] = {".bad", ".bad.1"};
    for (int k = 0; k < 2; ++k) {
        Put(path, broken[k]);
        SettingsFile file(path);
        EXPECT_EQ(file.Open(), SettingsFile::Opened::MovedAside);
        EXPECT_EQ(file.MovedTo(), path + aside[k]);
        EXPECT_EQ(Contents(path + aside[k]), broken[k]);
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(file.Rolls().empty());
    }
}

// A full disk: writes of more than a few bytes fail (root writes into any folder, so a
// read-only one would not stop it).
TEST(SettingsFileWrite, AnInterruptedWriteLeavesTheOldFileWhole) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("dicerollkin.conf");
    Put(path, "[Rolls]\n1\\name=Fireball\n1\\roll=8d6\nsize=1\n");
    const QByteArray old = Contents(path);
    SettingsFile file(path);
    ASSERT_EQ(file.Open(), SettingsFile::Opened::Read);
    const SavedRolls more(MaxSavedRolls, SavedRoll{"Longsword", "d20+7, 1d8+4"});
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = was;
    full.rlim_cur = 200;
    setrlimit(RLIMIT_FSIZE, &full);
    const bool written = file.SetRolls(more);
    setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"dicerollkin.conf"});
    ASSERT_TRUE(file.SetRolls(more));  // the next change tries again
    SettingsFile again(path);
    again.Open();
    EXPECT_EQ(again.Rolls(), more);
}

// Programs started one after another, with a configuration folder of the test's own.
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

TEST_F(KeptSettings, RememberedSettingsSurviveARestartAndUncheckingForgetsThem) {
    {
        Program first(desktop, rng);
        first.Start();
        first.Menu();
        EXPECT_TRUE(QDir(home.path()).isEmpty());  // nothing asked, nothing created
        first.State.AnchorPosition = 9;
        first.Menu().mnuRemember->trigger();
    }
    Program second(desktop, rng);
    second.Start();
    EXPECT_EQ(second.State.AnchorPosition, 9);
    EXPECT_TRUE(second.Menu().mnuRemember->isChecked());
    second.Menu().mnuRemember->trigger();
    Program third(desktop, rng);
    third.Start();
    EXPECT_EQ(third.State.AnchorPosition, 1);
    EXPECT_FALSE(third.Menu().mnuRemember->isChecked());
}

TEST_F(KeptSettings, ABrokenFileIsNamedWithItsNewPlaceOnceTheStripShows) {
    QDir().mkpath(home.filePath("dicerollkin"));
    Put(Conf(), "not a settings file\n");
    Program program(desktop, rng);
    program.Start();
    EXPECT_TRUE(desktop.messages.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].prompt.contains(Conf() + " "));
    EXPECT_TRUE(desktop.messages[0].prompt.contains(Conf() + ".bad"));
}

TEST_F(KeptSettings, AFileThatCannotBeWrittenGivesOneMessageUntilAWriteSucceeds) {
    Put(home.filePath("dicerollkin"), "a file where the folder belongs");
    Program program(desktop, rng);
    program.Start();
    program.Saved = {{"Fireball", "8d6"}};
    program.KeepSavedRolls();
    program.KeepSavedRolls();
    EXPECT_EQ(desktop.messages.size(), 1u);
    QFile::remove(home.filePath("dicerollkin"));
    program.KeepSavedRolls();
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(Contents(Conf()).contains("1\\roll=8d6"));
    QFile::remove(Conf());
    QDir().mkdir(Conf());  // a folder where the file belongs
    program.KeepSavedRolls();
    EXPECT_EQ(desktop.messages.size(), 2u);
}

}  // namespace
}  // namespace rollkin::test
