#include "settings/SettingsKeeper.h"

#include <QStringList>
#include <algorithm>

#include "settings/IniText.h"
#include "settings/SavedRollsModel.h"
#include "settings/SettingsFile.h"

namespace rollkin {

namespace {

// The characters beside the first, whose rolls are the array Rolls as they always were: a file
// of one character, unnamed, holds no key of this group, and reads as it did before there were
// characters. The group holds the first one's name and Share name, which is current (from 1),
// and the others (size) with their names and rolls (N/name, N/share, N/rolls/M/name...).
const QString CharactersGroup = QStringLiteral("Characters");

QString Text(const QVariantMap& group, const QString& key) {
    return IniValueText(group.value(key));
}

SavedRolls GroupRolls(const QVariantMap& group, const QString& prefix) {
    const auto key = [&prefix](int i, const char* field) {
        return prefix + QString::number(i) + QLatin1Char('/') + QLatin1String(field);
    };
    int size = Text(group, prefix + QStringLiteral("size")).toInt();
    if (size <= 0) {  // written by hand without a size: as many as are numbered from 1
        while (group.contains(key(size + 1, "roll")))
            ++size;
    }
    size = std::min(size, static_cast<int>(group.size()));
    SavedRolls all;
    for (int i = 1; i <= size; ++i)
        all.push_back(ShownRoll(Text(group, key(i, "name")), Text(group, key(i, "roll"))));
    return all;
}

std::vector<Character> ReadCharacters(const SettingsFile& file, int& current) {
    const QVariantMap group = file.Group(CharactersGroup);
    const auto name = [&group](const QString& key) {
        return CutName(Text(group, key).trimmed()).toStdString();
    };
    std::vector<Character> all{{name(QStringLiteral("name")), name(QStringLiteral("share")),
                                file.Rolls(), file.BeyondStrip()}};
    const int size =
        std::min(Text(group, QStringLiteral("size")).toInt(), static_cast<int>(group.size()));
    for (int n = 1; n <= size; ++n) {
        const QString prefix = QString::number(n) + QLatin1Char('/');
        // A larger size than there are characters is a hand edit's slip.
        const auto at = group.lowerBound(prefix);
        if (at == group.cend() || !at.key().startsWith(prefix)) break;
        Character c{name(prefix + QStringLiteral("name")),
                    name(prefix + QStringLiteral("share")),
                    GroupRolls(group, prefix + QStringLiteral("rolls/")),
                    {}};
        if (c.rolls.size() > static_cast<std::size_t>(MaxSavedRolls)) {
            c.kept.assign(c.rolls.begin() + MaxSavedRolls, c.rolls.end());
            c.rolls.resize(MaxSavedRolls);
        }
        all.push_back(std::move(c));
    }
    current = Text(group, QStringLiteral("current")).toInt() - 1;
    return all;
}

QVariantMap CharactersValues(const SavedRollsModel& saved) {
    const std::vector<Character>& all = saved.Characters();
    QVariantMap group;
    const auto put = [&group](const QString& key, const std::string& value) {
        if (!value.empty()) group.insert(key, QString::fromStdString(value));
    };
    put(QStringLiteral("name"), all.front().name);
    put(QStringLiteral("share"), all.front().shareName);
    if (saved.CurrentIndex() > 0)
        group.insert(QStringLiteral("current"), QString::number(saved.CurrentIndex() + 1));
    if (all.size() > 1) group.insert(QStringLiteral("size"), QString::number(all.size() - 1));
    for (std::size_t n = 1; n < all.size(); ++n) {
        const QString prefix = QString::number(n) + QLatin1Char('/');
        put(prefix + QStringLiteral("name"), all[n].name);
        put(prefix + QStringLiteral("share"), all[n].shareName);
        SavedRolls rolls = all[n].rolls;
        rolls.insert(rolls.end(), all[n].kept.begin(), all[n].kept.end());
        group.insert(prefix + QStringLiteral("rolls/size"), QString::number(rolls.size()));
        for (std::size_t i = 0; i < rolls.size(); ++i) {
            const QString at = prefix + QStringLiteral("rolls/") + QString::number(i + 1);
            group.insert(at + QStringLiteral("/name"), QString::fromStdString(rolls[i].name));
            group.insert(at + QStringLiteral("/roll"), QString::fromStdString(rolls[i].roll));
        }
    }
    return group;
}

}  // namespace

SettingsKeeper::SettingsKeeper(SavedRollsModel& saved) : saved_(saved) {}

SettingsKeeper::~SettingsKeeper() = default;

void SettingsKeeper::Open() {
    file_ = std::make_unique<SettingsFile>(SettingsFile::DefaultPath());
    opened_ = static_cast<int>(file_->Open());
    file_->WriteInBackground([this](bool ok) { Written(ok); });
    int current = 0;
    std::vector<Character> characters = ReadCharacters(*file_, current);
    reading_ = true;  // what was just read is nothing to write
    saved_.SetCharacters(std::move(characters), current);
    reading_ = false;
    remember_ = file_->Remembered();
}

QString SettingsKeeper::OpenedMessage() const {
    const QString path = file_->Path();
    switch (static_cast<SettingsFile::Opened>(opened_)) {
        case SettingsFile::Opened::MovedAside:
            return tr("The settings file %1 could not be read. It has been moved to %2, and Dice "
                      "Rollkin starts with its default settings.")
                .arg(path, file_->MovedTo());
        case SettingsFile::Opened::Unreadable:
            return tr("The settings file %1 could not be read, nor moved aside. Dice Rollkin "
                      "starts with its default settings and leaves the file as it is.")
                .arg(path);
        case SettingsFile::Opened::NotAFile:
            return tr("The settings file %1 is not a regular file. Dice Rollkin starts with its "
                      "default settings and leaves it as it is.")
                .arg(path);
        case SettingsFile::Opened::FolderUnreadable:
            return tr("The folder of the settings file %1 cannot be read. Dice Rollkin starts "
                      "with its default settings and leaves the folder as it is.")
                .arg(path);
        case SettingsFile::Opened::Missing:
        case SettingsFile::Opened::Read:
            break;
    }
    const std::vector<int>& ignored = file_->IgnoredLines();
    if (ignored.empty()) return {};
    QStringList lines;
    constexpr std::size_t Listed = 10;
    for (std::size_t i = 0; i < std::min(ignored.size(), Listed); ++i)
        lines << QString::number(ignored[i]);
    if (ignored.size() > Listed) lines << QStringLiteral("...");
    return tr("Dice Rollkin could not read line(s) %2 of the settings file %1 and ignores them; "
              "everything else in it is kept. The file stays as it is until a setting changes; "
              "then it is first copied whole beside itself, to a name ending in .bad.")
        .arg(path, lines.join(QStringLiteral(", ")));
}

std::optional<QPoint> SettingsKeeper::TakeRemembered() {
    if (!remember_) return std::nullopt;
    file_->ReadSettings(state_);
    if (!state_.FreePosition) return std::nullopt;
    return file_->Position();
}

void SettingsKeeper::KeepSettings() {
    if (remember_) file_->KeepSettings(state_, place_ ? place_() : QPoint());
}

void SettingsKeeper::Remember(bool remember) {
    remember_ = remember;
    if (!file_) return;  // not opened yet: nothing to write into
    if (remember)
        file_->KeepSettings(state_, place_ ? place_() : QPoint());
    else
        file_->ForgetSettings();
}

void SettingsKeeper::KeepSavedRolls() {
    if (!file_ || reading_) return;
    const Character& first = saved_.Characters().front();
    if (file_->Rolls() != first.rolls || file_->BeyondStrip() != first.kept) {
        if (file_->BeyondStrip() == first.kept) {
            file_->SetRolls(first.rolls);
        } else {  // another character became the first
            SavedRolls all = first.rolls;
            all.insert(all.end(), first.kept.begin(), first.kept.end());
            file_->ReplaceRolls(all);
        }
        // A roll kept beyond the strip's room takes a place that came free.
        saved_.SetKept(0, file_->Rolls(), file_->BeyondStrip());
    }
    file_->SetGroup(CharactersGroup, CharactersValues(saved_));
}

bool SettingsKeeper::GlobalKeys() const {
    return file_ && file_->GlobalKeys();
}

void SettingsKeeper::SetGlobalKeys(bool on) {
    if (file_) file_->SetGlobalKeys(on);
}

void SettingsKeeper::SettleSettings() {
    if (file_) file_->Settle();
}

QVariantMap SettingsKeeper::Group(const QString& name) const {
    return file_ ? file_->Group(name) : QVariantMap();
}

void SettingsKeeper::KeepGroup(const QString& name, const QVariantMap& values) {
    if (file_) file_->SetGroup(name, values);
}

void SettingsKeeper::Written(bool ok) {
    if (!ok && !writeFailing_) {
        emit Notice(tr("The settings file %1 could not be written. Dice Rollkin goes on and "
                       "tries again at the next change.")
                        .arg(file_->Path()));
    }
    writeFailing_ = !ok;
}

}  // namespace rollkin
