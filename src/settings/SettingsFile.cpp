#include "settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

#include "settings/IniText.h"
#include "settings/SettingValues.h"
#include "settings/WholeFile.h"

namespace rollkin {

namespace {

const QString SettingsGroup = QStringLiteral("Settings/");
const QString RollsGroup = QStringLiteral("Rolls/");
const QString RollsSize = QStringLiteral("Rolls/size");
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// How long a write waits for another strip's to end.
constexpr int LockWaitMs = 5000;

// The keys of the Settings group beside SettingKeys' (the set-up): whether to remember, and a
// free strip's place. Any other key of the group is kept.
const QString RememberKey = QStringLiteral("Remember");
const QString LeftKey = QStringLiteral("Left");
const QString TopKey = QStringLiteral("Top");

// The layout of the file this program writes. A file without the key has the layout of 1.
// One from a later version is read for the keys this one knows; what it does not know stays in
// the file as it was, and so does the later number.
const QString VersionKey = QStringLiteral("Version");
constexpr int FileVersion = 1;

QString RollKey(int index, const char* field) {
    return RollsGroup + QString::number(index) + QLatin1Char('/') + QLatin1String(field);
}

// A file that holds a secret (a webhook's address) is readable by its owner alone.
bool Secret(const QVariantMap& values) {
    return !IniValueText(values.value(QStringLiteral("Share/webhook"))).isEmpty();
}

// The file as it is now: read only when it is a regular file of at most MaxBytes, without
// waiting on whatever else stands in its place.
struct Loaded {
    SettingsFile::Opened kind = SettingsFile::Opened::Missing;
    bool tooLarge = false;
    QByteArray bytes;
};

Loaded Load(const QString& path) {
    using Opened = SettingsFile::Opened;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return {errno == EACCES ? Opened::FolderUnreadable : Opened::Missing, false, {}};
    if (!S_ISREG(st.st_mode)) return {Opened::NotAFile, false, {}};
    if (st.st_size > SettingsFile::MaxBytes) return {Opened::MovedAside, true, {}};
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {Opened::Unreadable, false, {}};
    Loaded loaded{Opened::Read, false, {}};
    // Swapped for something else since the stat: looked at again through what was opened.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) loaded.kind = Opened::NotAFile;
    char buffer[65536];
    while (loaded.kind == Opened::Read) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) loaded.kind = Opened::Unreadable;
        if (n <= 0) break;
        loaded.bytes.append(buffer, n);
        // Grown while read: as large as one that was that size to begin with.
        if (loaded.bytes.size() > SettingsFile::MaxBytes) loaded = {Opened::MovedAside, true, {}};
    }
    ::close(fd);
    return loaded;
}

// One write: the file as it is now, with `changes` over it. Touches nothing but the file, its
// lock and what is kept aside, so that it can run on any thread.
bool Merge(const QString& path, const QVariantMap& changes, const SavedRolls* rolls) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) return false;
    const Loaded now = Load(path);
    QVariantMap values;
    if (now.kind == SettingsFile::Opened::Read) {
        IniText ini = ReadIni(now.bytes);
        // Made into something else since it was read: not this program's to write over.
        if (ini.NotIni()) return false;
        // Lines passed over are kept as they were, beside the file, before it is replaced.
        if (!ini.ignored.empty() && !KeepAside(path, now.bytes)) return false;
        values = std::move(ini.values);
    } else if (now.kind != SettingsFile::Opened::Missing) {
        return false;
    }
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it.value().isValid())
            values.insert(it.key(), it.value());
        else
            values.remove(it.key());
    }
    // Never below the version of the file written over, whose keys it may not know.
    bool numbered = false;
    if (IniValueText(values.value(VersionKey)).trimmed().toInt(&numbered) < FileVersion ||
        !numbered)
        values.insert(VersionKey, QString::number(FileVersion));
    if (rolls) {
        int had = values.value(RollsSize).toInt();
        while (values.contains(RollKey(had + 1, "roll")) ||
               values.contains(RollKey(had + 1, "name")))
            ++had;
        int i = 0;
        for (const SavedRoll& r : *rolls) {
            values.insert(RollKey(++i, "name"), QString::fromStdString(r.name));
            values.insert(RollKey(i, "roll"), QString::fromStdString(r.roll));
        }
        for (int gone = i + 1; gone <= had; ++gone) {
            values.remove(RollKey(gone, "name"));
            values.remove(RollKey(gone, "roll"));
        }
        values.insert(RollsSize, QString::number(i));
    }
    const QByteArray bytes = WriteIni(values);
    if (bytes.size() > SettingsFile::MaxBytes) return false;
    return WriteWholeFile(path, bytes, Secret(values) ? OwnerOnly : QFileDevice::Permissions())
        .isEmpty();
}

}  // namespace

QString CutName(QString name) {
    if (name.size() > MaxSavedRollName) {
        name.truncate(MaxSavedRollName);
        if (name.back().isHighSurrogate()) name.chop(1);
    }
    return name;
}

SavedRoll ShownRoll(QString name, const QString& roll) {
    if (name.trimmed().isEmpty()) name = roll;
    return {CutName(name).toStdString(), roll.toStdString()};
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {
    writer_.setMaxThreadCount(1);  // one write after the other, in order
}

SettingsFile::~SettingsFile() {
    writer_.waitForDone();  // a change made just before the end is kept
}

QString SettingsFile::DefaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/dicerollkin/dicerollkin.conf");
}

SettingsFile::Opened SettingsFile::Open() {
    Loaded loaded = Load(path_);
    IniText ini;
    if (loaded.kind == Opened::Read) {
        ini = ReadIni(loaded.bytes);
        if (ini.NotIni()) loaded.kind = Opened::MovedAside;
    }
    switch (loaded.kind) {
        case Opened::Missing:
        case Opened::Read:
            break;
        case Opened::MovedAside:
        case Opened::Unreadable:
            movedTo_ = MoveAside(path_);
            leftAlone_ = movedTo_.isEmpty();
            return leftAlone_ ? Opened::Unreadable : Opened::MovedAside;
        case Opened::NotAFile:
        case Opened::FolderUnreadable:
            leftAlone_ = true;
            return loaded.kind;
    }
    if (loaded.kind == Opened::Missing) return Opened::Missing;
    values_ = std::move(ini.values);
    ignored_ = std::move(ini.ignored);
    if (Secret(values_)) QFile::setPermissions(path_, OwnerOnly);
    SavedRolls all;
    int size = values_.value(RollsSize).toInt();
    // Written by hand without a size: as many as are numbered from 1.
    if (size <= 0) {
        while (values_.contains(RollKey(size + 1, "roll")))
            ++size;
    }
    // Each roll needs a key of its own: a larger size is a hand edit's slip.
    size = std::min(size, static_cast<int>(values_.size()));
    for (int i = 1; i <= size; ++i) {
        all.push_back(ShownRoll(IniValueText(values_.value(RollKey(i, "name"))),
                                IniValueText(values_.value(RollKey(i, "roll")))));
    }
    for (int i = 1; i <= size; ++i) {
        values_.remove(RollKey(i, "name"));
        values_.remove(RollKey(i, "roll"));
    }
    values_.remove(RollsSize);
    const auto shown = std::min(all.size(), static_cast<std::size_t>(MaxSavedRolls));
    rolls_.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(shown));
    beyondStrip_.assign(all.begin() + static_cast<std::ptrdiff_t>(shown), all.end());
    return Opened::Read;
}

void SettingsFile::WriteInBackground(std::function<void(bool)> written) {
    written_ = std::move(written);
}

void SettingsFile::Settle() {
    writer_.waitForDone();
    QCoreApplication::sendPostedEvents(&receiver_, QEvent::MetaCall);
}

void SettingsFile::Change(Changes& changes, const QString& key, const QVariant& value) {
    const auto it = values_.constFind(key);
    const bool there = it != values_.cend();
    if (value.isValid() ? there && IniValueText(*it) == IniValueText(value) : !there) return;
    changes.insert(key, value);
    if (value.isValid())
        values_.insert(key, value);
    else
        values_.remove(key);
}

bool SettingsFile::Write(Changes changes, std::shared_ptr<const SavedRolls> rolls) {
    if (leftAlone_) {  // what it holds is the player's; nothing writes over it
        if (written_) written_(false);
        return false;
    }
    // What a failed write left behind goes with this one, as it is now.
    static const QRegularExpression rollKey(QStringLiteral("^Rolls/(size|\\d+/(name|roll))$"));
    for (const QString& key : std::as_const(unwritten_)) {
        if (!changes.contains(key))
            changes.insert(key,
                           rollKey.match(key).hasMatch() ? RollValue(key) : values_.value(key));
    }
    unwritten_.clear();
    if (rollsUnwritten_ && !rolls) {
        auto all = std::make_shared<SavedRolls>(rolls_);
        all->insert(all->end(), beyondStrip_.begin(), beyondStrip_.end());
        rolls = std::move(all);
    }
    rollsUnwritten_ = false;
    if (changes.isEmpty() && !rolls) return true;
    // A small file is written as the change is made, so that a kill a moment later keeps it;
    // only a large one, whose write would hold the gesture, goes to the writer's thread.
    constexpr qint64 SmallFile = 16 * 1024;
    if (!written_ || QFileInfo(path_).size() <= SmallFile) {
        Settle();  // after any write still on its way, in order
        const bool ok = Merge(path_, changes, rolls.get());
        Written(ok, changes, rolls != nullptr);
        return ok;
    }
    writer_.start([this, path = path_, changes, rolls] {
        const bool ok = Merge(path, changes, rolls.get());
        const bool all = rolls != nullptr;
        QMetaObject::invokeMethod(
            &receiver_, [this, ok, changes, all] { Written(ok, changes, all); },
            Qt::QueuedConnection);
    });
    return true;
}

void SettingsFile::Written(bool ok, const Changes& changes, bool rolls) {
    if (ok) {
        ignored_.clear();  // kept aside by the write
    } else {
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            unwritten_.insert(it.key());
        rollsUnwritten_ = rollsUnwritten_ || rolls;
    }
    if (written_) written_(ok);
}

QVariant SettingsFile::RollValue(const QString& key) const {
    const auto count = static_cast<int>(rolls_.size() + beyondStrip_.size());
    if (key == RollsSize) return QString::number(count);
    const QStringList parts = key.split(QLatin1Char('/'));
    const int index = parts.value(1).toInt();
    if (index < 1 || index > count) return {};
    const auto at = static_cast<std::size_t>(index - 1);
    const SavedRoll& r = at < rolls_.size() ? rolls_[at] : beyondStrip_[at - rolls_.size()];
    return QString::fromStdString(parts.value(2) == QLatin1String("name") ? r.name : r.roll);
}

bool SettingsFile::SetRolls(const SavedRolls& rolls) {
    // As many as the strip had: only those that differ are written, those beyond stay.
    if (rolls.size() == rolls_.size()) {
        Changes changes;
        for (std::size_t i = 0; i < rolls.size(); ++i) {
            if (rolls[i] == rolls_[i]) continue;
            const int n = static_cast<int>(i) + 1;
            changes.insert(RollKey(n, "name"), QString::fromStdString(rolls[i].name));
            changes.insert(RollKey(n, "roll"), QString::fromStdString(rolls[i].roll));
        }
        rolls_ = rolls;
        return Write(std::move(changes));
    }
    // One removed or added moves every roll after it; the first beyond the strip takes a place
    // that came free.
    auto all = std::make_shared<SavedRolls>();
    all->reserve(rolls.size() + beyondStrip_.size());
    all->insert(all->end(), rolls.begin(), rolls.end());
    all->insert(all->end(), beyondStrip_.begin(), beyondStrip_.end());
    const auto shown = std::min(all->size(), static_cast<std::size_t>(MaxSavedRolls));
    rolls_.assign(all->begin(), all->begin() + static_cast<std::ptrdiff_t>(shown));
    beyondStrip_.erase(
        beyondStrip_.begin(),
        beyondStrip_.begin() +
            static_cast<std::ptrdiff_t>(
                std::min(beyondStrip_.size(), shown > rolls.size() ? shown - rolls.size() : 0)));
    if (rolls.size() > shown)  // more than the strip holds: the rest goes before the others
        beyondStrip_.insert(beyondStrip_.begin(),
                            rolls.begin() + static_cast<std::ptrdiff_t>(shown), rolls.end());
    return Write({}, std::move(all));
}

bool SettingsFile::ReplaceRolls(const SavedRolls& all) {
    const auto shown = std::min(all.size(), static_cast<std::size_t>(MaxSavedRolls));
    rolls_.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(shown));
    beyondStrip_.assign(all.begin() + static_cast<std::ptrdiff_t>(shown), all.end());
    return Write({}, std::make_shared<SavedRolls>(all));
}

bool SettingsFile::Remembered() const {
    Boolean on = False;
    ReadFlag(values_.value(SettingsGroup + RememberKey), on);
    return on != False;
}

void SettingsFile::ReadSettings(AppState& s) const {
    for (const SettingKey& key : SettingKeys)
        ReadKey(key, values_.value(SettingsGroup + QLatin1String(key.name)), s);
}

std::optional<QPoint> SettingsFile::Position() const {
    bool okX = false, okY = false;
    const int x = IniValueText(values_.value(SettingsGroup + LeftKey)).toInt(&okX);
    const int y = IniValueText(values_.value(SettingsGroup + TopKey)).toInt(&okY);
    if (!okX || !okY) return std::nullopt;
    return QPoint(x, y);
}

bool SettingsFile::KeepSettings(const AppState& s, QPoint position) {
    Changes changes;
    Change(changes, SettingsGroup + RememberKey, Flag(True));
    for (const SettingKey& key : SettingKeys)
        Change(changes, SettingsGroup + QLatin1String(key.name), KeyValue(key, s));
    const auto place = [&s](int at) {
        return s.FreePosition ? QVariant(QString::number(at)) : QVariant();
    };
    Change(changes, SettingsGroup + LeftKey, place(position.x()));
    Change(changes, SettingsGroup + TopKey, place(position.y()));
    return Write(std::move(changes));
}

bool SettingsFile::ForgetSettings() {
    Changes changes;
    for (const QString& key : {RememberKey, LeftKey, TopKey})
        Change(changes, SettingsGroup + key, {});
    for (const SettingKey& key : SettingKeys)
        Change(changes, SettingsGroup + QLatin1String(key.name), {});
    return Write(std::move(changes));
}

bool SettingsFile::GlobalKeys() const {
    Boolean on = False;
    ReadFlag(values_.value(SettingsGroup + QStringLiteral("GlobalKeys")), on);
    return on != False;
}

bool SettingsFile::SetGlobalKeys(bool on) {
    Changes changes;
    Change(changes, SettingsGroup + QStringLiteral("GlobalKeys"), Flag(on ? True : False));
    return Write(std::move(changes));
}

QVariantMap SettingsFile::Group(const QString& name) const {
    QVariantMap group;
    const QString prefix = name + QLatin1Char('/');
    for (auto it = values_.lowerBound(prefix); it != values_.cend() && it.key().startsWith(prefix);
         ++it)
        group.insert(it.key().mid(prefix.size()), it.value());
    return group;
}

bool SettingsFile::SetGroup(const QString& name, const QVariantMap& values) {
    Changes changes;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        Change(changes, name + QLatin1Char('/') + it.key(), it.value());
    for (const QString& key : Group(name).keys()) {
        if (!values.contains(key)) Change(changes, name + QLatin1Char('/') + key, {});
    }
    return Write(std::move(changes));
}

}  // namespace rollkin
