#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>

#include "ProgramFixture.h"
#include "settings/CharacterFile.h"
#include "settings/IniText.h"
#include "settings/SavedRollsModel.h"
#include "settings/SettingsFile.h"

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
        {"RefreshSeconds=3\nFuture=x\n[General]\nVersion=9", "3 20 1 1111111111 1"},
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
    // Twenty-two kept: removing one from the strip brings the twenty-first onto it.
    SavedRolls many;
    for (int i = 1; i <= MaxSavedRolls + 2; ++i)
        many.push_back({"R" + std::to_string(i), "d" + std::to_string(i)});
    ASSERT_TRUE(again.SetRolls(many));
    SettingsFile program(path);
    program.Open();
    SavedRolls shown = program.Rolls();
    ASSERT_EQ(shown.size(), std::size_t{MaxSavedRolls});
    shown.erase(shown.begin());
    ASSERT_TRUE(program.SetRolls(shown));
    EXPECT_EQ(program.Rolls().back(), (SavedRoll{"R21", "d21"}));
    SettingsFile last(path);
    last.Open();
    EXPECT_EQ(last.Rolls(), program.Rolls());
}

// Written as version 1 (a file without the key has that layout); a later version's number, and
// every key this one does not know, stay as they were.
TEST(SettingsFileWrite, NeverTakesALaterFilesVersionOrKeysAway) {
    const std::pair<QByteArray, int> table[] = {
        {"", 1},
        {"[General]\nVersion=x\n", 1},
        {"[General]\nVersion=0\n[Rolls]\n1\\roll=d6\n", 1},
        {"[General]\nVersion=7\nLayout=new\n[Settings]\nFuture=x\nRemember=true\n", 7},
    };
    const QTemporaryDir dir;
    for (const auto& [text, version] : table) {
        SettingsFile file(dir.filePath(QString::number(qHash(text))));
        if (!text.isEmpty()) Put(file.Path(), text);
        file.Open();
        ASSERT_TRUE(file.KeepSettings(Started(), {}) && file.ForgetSettings());
        const QVariantMap before = ReadIni(text).values;
        const QVariantMap after = ReadIni(Contents(file.Path())).values;
        EXPECT_EQ(IniValueText(after.value("Version")), QString::number(version)) << text.data();
        for (const QString& key : before.keys()) {
            if (key == "Version" || key == "Settings/Remember") continue;  // ours to write
            EXPECT_EQ(after.value(key), before.value(key)) << key.toStdString();
        }
    }
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

// What a hand-edited file keeps: how it opens, the lines passed over, the rolls read, and what
// the first write leaves in the file and beside it (.bad).
TEST(SettingsFileRead, KeepsWhatAHandEditedFileHolds) {
    struct Row {
        QByteArray text;
        SettingsFile::Opened opened;
        std::vector<int> ignored;
        QString rolls;  // name=roll;...
    };
    using O = SettingsFile::Opened;
    const QByteArray long30 = "Savage Worlds Trait Roll + Wild";
    const Row rows[] = {
        {"[Rolls]\n1\\name=Fireball\n1\\roll=8d6\nstray line\nsize=1\n[Settings\n",
         O::Read,
         {4, 6},
         "Fireball=8d6"},
        {"[Rolls]\n1\\roll=2d6+1\n2\\name=" + long30 + "\n2\\roll=d20\n",
         O::Read,
         {},
         "2d6+1=2d6+1;Savage Worlds Trait Roll=d20"},
        {"\xEF\xBB\xBF[Rolls]\r\n1\\name=\"a, b\"\r\n1\\roll=d4, d6\r\n",
         O::Read,
         {},
         "a, b=d4, d6"},
        {"not a settings file\n", O::MovedAside, {}, ""},
        {"[Rolls]\n1\\roll=d6\nnot\nINI\nat all\n", O::MovedAside, {}, ""},
        {QByteArray("[Rolls]\n1\\roll=d6") + '\0' + "\n", O::MovedAside, {}, ""},
        {"x=" + QByteArray(SettingsFile::MaxBytes, 'x'), O::MovedAside, {}, ""},
    };
    for (const Row& r : rows) {
        const QTemporaryDir dir;
        const QString path = dir.filePath("dicerollkin.conf");
        Put(path, r.text);
        SettingsFile file(path);
        const QString row = QString::fromUtf8(r.text.left(60));
        ASSERT_EQ(file.Open(), r.opened) << row.toStdString();
        EXPECT_EQ(file.IgnoredLines(), r.ignored) << row.toStdString();
        QStringList rolls;
        for (const SavedRoll& roll : file.Rolls())
            rolls << QString::fromStdString(roll.name + "=" + roll.roll);
        EXPECT_EQ(rolls.join(';'), r.rolls) << row.toStdString();
        if (r.opened == O::MovedAside) {
            EXPECT_EQ(Contents(path + ".bad"), r.text);
            EXPECT_EQ(QFile::permissions(path + ".bad") & 0x0077, 0);
            continue;
        }
        EXPECT_EQ(Contents(path), r.text) << "not written until something changes";
        ASSERT_TRUE(file.SetGroup("Other", {{"k", "v"}}));
        EXPECT_EQ(Contents(path + ".bad"), r.ignored.empty() ? "(none)" : r.text);
        SettingsFile again(path);
        EXPECT_EQ(again.Open(), O::Read);
        EXPECT_TRUE(again.IgnoredLines().empty());
        EXPECT_EQ(again.Rolls(), file.Rolls()) << row.toStdString();
    }
}

// The program's INI and QSettings' read each other's files alike.
TEST(SettingsFileWrite, WritesAndReadsTheINIQSettingsDoes) {
    const QVariantMap values = {{"Rolls/1/name", "a, b"},
                                {"Share/name", "a \"b\" \\ c\n"},
                                {"Other/k ey/sub", " x "},
                                {"Settings/Dice", QStringList{"4", "6"}},
                                {"root", "@at"},
                                {"General/x", "1"},
                                {"Other/\u00e9t\u00e9", "\u00e9\u20ac"}};
    const QTemporaryDir dir;
    Put(dir.filePath("ours.conf"), WriteIni(values));
    {
        QSettings theirs(dir.filePath("theirs.conf"), QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            theirs.setValue(it.key(), it.value());
    }
    const QSettings readByQt(dir.filePath("ours.conf"), QSettings::IniFormat);
    const IniText readByUs = ReadIni(Contents(dir.filePath("theirs.conf")));
    EXPECT_TRUE(readByUs.ignored.empty());
    EXPECT_EQ(readByQt.allKeys().size(), values.size());
    EXPECT_EQ(readByUs.values.keys(), values.keys());
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        EXPECT_EQ(IniValueText(readByQt.value(it.key())), IniValueText(*it))
            << it.key().toStdString();
        EXPECT_EQ(IniValueText(readByUs.values.value(it.key())), IniValueText(*it))
            << it.key().toStdString();
    }
}

// Two programs on one file: each write changes only its own keys in the file as it is then.
TEST(SettingsFileWrite, TwoProgramsOnOneFileKeepEachOthersKeys) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("dicerollkin.conf");
    // Nothing goes through the temporary folder: one that is not there changes nothing.
    const QByteArray tmp = qgetenv("TMPDIR");
    const bool tmpSet = qEnvironmentVariableIsSet("TMPDIR");
    qputenv("TMPDIR", dir.filePath("none").toUtf8());
    SettingsFile one(path), two(path);
    one.Open(), two.Open();
    ASSERT_TRUE(one.SetGroup("Share", {{"webhook", "https://example.org/hook"}}));
    AppState s = Started();
    s.AnchorPosition = 5;
    ASSERT_TRUE(two.KeepSettings(s, {}) && two.SetRolls({{"Fireball", "8d6"}}));
    ASSERT_TRUE(one.SetRolls({{"Longsword", "d20+7"}, {"Dagger", "d4"}}));
    SettingsFile read(path);
    read.Open();
    EXPECT_EQ(read.Group("Share").value("webhook").toString(), "https://example.org/hook");
    EXPECT_EQ(read.Rolls(), (SavedRolls{{"Longsword", "d20+7"}, {"Dagger", "d4"}}));
    AppState kept = Started();
    read.ReadSettings(kept);
    EXPECT_EQ(kept.AnchorPosition, 5);
    EXPECT_TRUE(read.Remembered());
    EXPECT_EQ(QFile::permissions(path) & 0x0077, 0);
    EXPECT_FALSE(QFile::exists(path + ".lock"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"dicerollkin.conf"});
    tmpSet ? qputenv("TMPDIR", tmp) : qunsetenv("TMPDIR");
}

// Only a regular file is read; what is not is left alone, and nothing is written through a
// link that stands where a .bad would go.
TEST(SettingsFileRead, LeavesAnythingButARegularFileAloneAndNeverWritesThroughALink) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("dicerollkin.conf");
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(SettingsFile(path).Open(), SettingsFile::Opened::NotAFile);
    QFile::remove(path);
    ASSERT_TRUE(QFile::link("/dev/zero", path));
    SettingsFile zero(path);
    EXPECT_EQ(zero.Open(), SettingsFile::Opened::NotAFile);
    EXPECT_FALSE(zero.SetRolls({{"Fireball", "8d6"}}));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    QFile::remove(path);
    Put(path, "[Settings]\nstray\nRemember=true\n");
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere"), path + ".bad"));  // dangling
    SettingsFile file(path);
    ASSERT_EQ(file.Open(), SettingsFile::Opened::Read);
    ASSERT_TRUE(file.ForgetSettings());
    EXPECT_FALSE(QFile::exists(dir.filePath("elsewhere")));
    EXPECT_EQ(Contents(path + ".bad.1"), "[Settings]\nstray\nRemember=true\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 3);
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
        EXPECT_EQ(program.Settings().State().AnchorPosition, anchors[run]);
        EXPECT_EQ(program.Menu().mnuRemember->isChecked(), run == 1);
        EXPECT_EQ(QDir(home.path()).isEmpty(), run == 0);  // nothing asked, nothing made
        program.Settings().State().AnchorPosition = 9;
        program.Menu().mnuRemember->trigger();
    }
}

// A place near int's ends starts whole on the monitor; a drag partly off it stays for the run,
// and the place kept is whole.
TEST_F(KeptSettings, AFreeStripsPlaceIsShownWholeAndKeptWhole) {
    QDir().mkpath(home.filePath("dicerollkin"));
    Put(Conf(), "[Settings]\nstray\nRemember=true\nFreePosition=true\nLeft=2147483647\nTop=-5\n");
    Program program(desktop, rng);
    program.Start();
    QCoreApplication::processEvents();  // the strip shows, then the lines passed over are told
    ASSERT_EQ(desktop.notices.size(), 1u);
    EXPECT_TRUE(desktop.notices[0].contains("line(s) 2 of the settings file " + Conf()));
    EXPECT_EQ(program.Rollkin().pos(), QPoint(1024 - 80, 0));
    program.Rollkin().SetLeft(-30 * 15);
    emit program.Rollkin().Moved();
    program.Settings().SettleSettings();
    EXPECT_EQ(program.Rollkin().x(), -30);
    const QByteArray kept = Contents(Conf());
    EXPECT_TRUE(kept.contains("Left=0\n") && kept.contains("Top=0\n")) << kept.toStdString();
    EXPECT_TRUE(Contents(Conf() + ".bad").contains("\nstray\n"));
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
    SavedRolls saved = {{"Fireball", "8d6"}};
    for (const bool folderInTheWay : {true, true, false, true}) {
        QDir().rmdir(Conf());
        if (folderInTheWay) QFile::remove(Conf()), QDir().mkdir(Conf());
        saved[0].roll += "+1";  // a change each time
        program.Saved().Set(saved);
        program.Settings().SettleSettings();
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

// Today's file is one unnamed character with every roll it held; characters added survive a
// restart, and with one unnamed character left the file is byte for byte as it was.
TEST_F(KeptSettings, CharactersSurviveARestartAndOneUnnamedOneWritesNoNewKey) {
    QVariantMap values{{"Version", "1"}, {"Rolls/size", "22"}, {"Share/name", "Ann"}};
    for (int i = 1; i <= 22; ++i) {
        values.insert(QString("Rolls/%1/name").arg(i), QString("R%1").arg(i));
        values.insert(QString("Rolls/%1/roll").arg(i), QString("d%1").arg(i));
    }
    QDir().mkpath(home.filePath("dicerollkin"));
    Put(Conf(), WriteIni(values));
    const auto names = [](const SavedRollsModel& saved) {
        QStringList shown;
        for (int i = 0; i < static_cast<int>(saved.Characters().size()); ++i) {
            const Character& c = saved.Characters()[static_cast<std::size_t>(i)];
            shown << QString("%1/%2/%3+%4")
                         .arg(saved.ShownName(i))
                         .arg(c.shareName.c_str())
                         .arg(c.rolls.size())
                         .arg(c.kept.size());
        }
        return shown.join(' ') + (saved.CurrentIndex() ? " current 2" : "");
    };
    const SavedRolls rogue = {{"Sneak", "3d6"}, {"Bad", "d20+"}};
    {
        Program program(desktop, rng);
        program.Start();
        EXPECT_EQ(names(program.Saved()), "Character 1//20+2");
        program.Saved().Add({"Rogue", "Sneaky", rogue, {}});
        program.Saved().Rename(0, "Fighter", "");
        program.Settings().SettleSettings();
    }
    {
        Program program(desktop, rng);
        program.Start();
        EXPECT_EQ(names(program.Saved()), "Fighter//20+2 Rogue/Sneaky/2+0 current 2");
        EXPECT_EQ(program.Saved().Rolls(), rogue);
        EXPECT_EQ(program.Menu().mnuCharacter->actions().size(), 2);
        program.Menu().mnuCharacter->actions()[0]->trigger();
        EXPECT_EQ(program.Saved().Rolls().front().name, "R1");
        program.Saved().Remove(1);
        program.Saved().Rename(0, "", "");
        program.Settings().SettleSettings();
        EXPECT_EQ(Contents(Conf()), WriteIni(values)) << "no key of the characters is left";
        program.Saved().Add({"Rogue", "Sneaky", rogue, {}});
        program.Saved().Remove(0);  // the first one's rolls, and those beyond the strip, go
        program.Settings().SettleSettings();
    }
    Program program(desktop, rng);
    program.Start();
    EXPECT_EQ(names(program.Saved()), "Rogue/Sneaky/2+0");
    EXPECT_FALSE(Contents(Conf()).contains("R21"));
}

// Every refusal changes nothing and says why; what is taken is cut as the settings file cuts.
TEST(CharacterFileRead, RefusesAnythingButACharacterAndRoundTrips) {
    const QByteArray head = R"({"format": "dicerollkin-character", "version": 1, )";
    QByteArray many = head + R"("name": "A", "rolls": [)";
    for (int i = 0; i <= MaxSavedRolls; ++i)
        many += QByteArray(i ? "," : "") + R"({"roll": "d6"})";
    const std::pair<QByteArray, const char*> refused[] = {
        {QByteArray(CharacterFile::MaxBytes + 1, ' '), "larger than 64 KiB"},
        {"{\"format\": ", "not JSON"},
        {"[1, 2]", "not a character exported"},
        {R"({"format": "other", "version": 1, "name": "A", "rolls": []})", "not a character"},
        {head.left(head.size() - 16) + R"("version": 0, "name": "A", "rolls": []})", "not a"},
        {head + R"("name": "A", "rolls": {}})", "not a character exported"},
        {head + R"("name": 7, "rolls": []})", "not a character exported"},
        {head + R"("name": " ", "rolls": []})", "has no name"},
        {head + R"("name": "A", "rolls": [{"name": "x"}]})", "not a character exported"},
        {head + R"("name": "A", "rolls": ["d6"]})", "not a character exported"},
        {many + "]}", "more than 20 saved rolls"},
    };
    for (const auto& [bytes, why] : refused) {
        const CharacterFile::Read read = CharacterFile::Parse(bytes);
        EXPECT_FALSE(read.character) << bytes.left(60).toStdString();
        EXPECT_TRUE(read.refusal.contains(why)) << read.refusal.toStdString();
    }
    const Character rogue{"Rogue", "Sneaky", {{"Sneak", "3d6"}, {"Bad", "d20+"}}, {}};
    EXPECT_EQ(CharacterFile::Parse(CharacterFile::Text(rogue)).character, rogue);
    const CharacterFile::Read later = CharacterFile::Parse(
        R"({"format": "dicerollkin-character", "version": 2, "name": "Savage Worlds Trait )"
        R"(Roll + Wild", "rolls": [{"roll": "d20"}], "new": 1})");
    ASSERT_TRUE(later.character);
    EXPECT_EQ(later.character->name, "Savage Worlds Trait Roll");
    EXPECT_EQ(later.character->rolls, (SavedRolls{{"d20", "d20"}}));
    EXPECT_EQ(later.character->shareName, "");
}

}  // namespace
}  // namespace rollkin::test
