#include "state/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>

#include "state/WholeFile.h"

namespace rollkin {

namespace {

const QString SettingsGroup = QStringLiteral("Settings/");
const QString RollsGroup = QStringLiteral("Rolls/");
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// A value as text: QSettings reads an unquoted value with commas as a list.
QString Text(const QVariant& v) {
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", "))
                                                : v.toString();
}

QStringList Items(const QVariant& v) {
    QStringList items = Text(v).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    return items;
}

// Every line of an INI file is blank, a comment, a section, a key with its value, or the
// continuation of one. QSettings passes over any other line; such a file is not this one's.
bool LooksLikeIni(const QByteArray& bytes) {
    bool continued = false;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        const bool ok = continued || line.isEmpty() || line.startsWith(';') ||
                        line.startsWith('#') || line.contains('=') ||
                        (line.startsWith('[') && line.endsWith(']'));
        if (!ok) return false;
        continued = line.endsWith('\\');
    }
    return true;
}

std::optional<QVariantMap> ReadIni(const QString& file) {
    const QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) return std::nullopt;
    QVariantMap values;
    for (const QString& key : ini.allKeys())
        values.insert(key, ini.value(key));
    return values;
}

// QSettings writes INI only into a file: a private scratch one, read back to be sure it is
// whole (QSettings reports no error for a write a full disk has cut short).
std::optional<QByteArray> Serialize(const QVariantMap& values) {
    if (values.isEmpty()) return QByteArray();
    const QTemporaryDir scratch;
    if (!scratch.isValid()) return std::nullopt;
    const QString written = scratch.filePath(QStringLiteral("written.conf"));
    {
        QSettings ini(written, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError) return std::nullopt;
    }
    QFile in(written);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = in.readAll();
    // Read back from a copy: QSettings would answer for `written` from its cache, not the disk.
    const QString check = scratch.filePath(QStringLiteral("check.conf"));
    if (!WriteWholeFile(check, bytes).isEmpty()) return std::nullopt;
    const std::optional<QVariantMap> back = ReadIni(check);
    if (!back || back->keys() != values.keys()) return std::nullopt;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (Text(back->value(it.key())) != Text(it.value())) return std::nullopt;
    }
    return bytes;
}

QString Flag(Boolean b) {
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

void ReadFlag(const QVariant& v, Boolean& field) {
    const QString t = Text(v).trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) field = True;
    if (t == QLatin1String("false") || t == QLatin1String("0")) field = False;
}

void ReadNumber(const QVariant& v, Integer& field, int lo, int hi) {
    bool ok = false;
    const int n = Text(v).trimmed().toInt(&ok);
    if (ok) field = static_cast<Integer>(std::clamp(n, lo, hi));
}

// The keys of the Settings group that this file writes; any other is kept.
const QStringList SettingKeys = {QStringLiteral("Remember"),
                                 QStringLiteral("RefreshSeconds"),
                                 QStringLiteral("MultiplierRange"),
                                 QStringLiteral("MultiplierPermanent"),
                                 QStringLiteral("ResultPermanent"),
                                 QStringLiteral("StayOnTop"),
                                 QStringLiteral("FreePosition"),
                                 QStringLiteral("AnchorPosition"),
                                 QStringLiteral("Dice"),
                                 QStringLiteral("Multipliers"),
                                 QStringLiteral("Left"),
                                 QStringLiteral("Top")};

QVariantMap WithoutSettings(QVariantMap values) {
    for (const QString& key : SettingKeys)
        values.remove(SettingsGroup + key);
    return values;
}

}  // namespace

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

QString SettingsFile::DefaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/dicerollkin/dicerollkin.conf");
}

SettingsFile::Opened SettingsFile::Open() {
    QFile file(path_);
    if (!file.exists()) return Opened::Missing;
    std::optional<QVariantMap> values;
    if (file.open(QIODevice::ReadOnly) && LooksLikeIni(file.readAll())) values = ReadIni(path_);
    file.close();
    if (!values) {
        QString to = path_ + QStringLiteral(".bad");
        for (int n = 1; QFileInfo::exists(to); ++n)
            to = path_ + QStringLiteral(".bad.%1").arg(n);
        unreadable_ = !QFile::rename(path_, to);
        if (unreadable_) return Opened::Unreadable;
        movedTo_ = to;
        return Opened::MovedAside;
    }
    values_ = std::move(*values);
    if (Secret(values_)) QFile::setPermissions(path_, OwnerOnly);
    SavedRolls all;
    int size = values_.value(RollsGroup + QStringLiteral("size")).toInt();
    // Written by hand without a size: as many as are numbered from 1.
    if (size <= 0) {
        while (values_.contains(RollsGroup + QStringLiteral("%1/roll").arg(size + 1)))
            ++size;
    }
    for (int i = 1; i <= size; ++i) {
        const QString at = RollsGroup + QString::number(i) + QLatin1Char('/');
        all.push_back({Text(values_.value(at + QStringLiteral("name"))).toStdString(),
                       Text(values_.value(at + QStringLiteral("roll"))).toStdString()});
    }
    const auto shown = std::min(all.size(), static_cast<std::size_t>(MaxSavedRolls));
    rolls_.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(shown));
    beyondStrip_.assign(all.begin() + static_cast<std::ptrdiff_t>(shown), all.end());
    return Opened::Read;
}

bool SettingsFile::SetRolls(const SavedRolls& rolls) {
    static const QRegularExpression known(QStringLiteral("^Rolls/(size|\\d+/(name|roll))$"));
    QVariantMap next = values_;
    next.removeIf([](const auto& it) { return known.match(it.key()).hasMatch(); });
    int i = 0;
    for (const SavedRolls* part : {&rolls, static_cast<const SavedRolls*>(&beyondStrip_)}) {
        for (const SavedRoll& r : *part) {
            const QString at = RollsGroup + QString::number(++i) + QLatin1Char('/');
            next.insert(at + QStringLiteral("name"), QString::fromStdString(r.name));
            next.insert(at + QStringLiteral("roll"), QString::fromStdString(r.roll));
        }
    }
    next.insert(RollsGroup + QStringLiteral("size"), i);
    if (!Write(next)) return false;
    rolls_ = rolls;
    return true;
}

bool SettingsFile::Remembered() const {
    Boolean on = False;
    ReadFlag(values_.value(SettingsGroup + QStringLiteral("Remember")), on);
    return on != False;
}

void SettingsFile::ReadSettings(AppState& s) const {
    const auto value = [this](const char* key) {
        return values_.value(SettingsGroup + QLatin1String(key));
    };
    ReadNumber(value("RefreshSeconds"), s.RefreshSeconds, MinRefreshSeconds, MaxRefreshSeconds);
    ReadNumber(value("MultiplierRange"), s.MultiplierRange, MinMultiplierRange, MaxMultiplierRange);
    ReadNumber(value("AnchorPosition"), s.AnchorPosition, FirstPosition, LastPosition);
    ReadFlag(value("MultiplierPermanent"), s.MultiplierPermanent);
    ReadFlag(value("ResultPermanent"), s.ResultPermanent);
    ReadFlag(value("StayOnTop"), s.StayOnTop);
    ReadFlag(value("FreePosition"), s.FreePosition);
    // The dice offered, by their sides; the dialog offers none of them unchecked all at once.
    const QStringList dice = Items(value("Dice"));
    bool anyDice = false;
    for (int i = FirstSlot; i <= LastSlot; ++i)
        anyDice = anyDice || dice.contains(QString::number(DesignDiceSides[i - FirstSlot]));
    for (int i = FirstSlot; i <= LastSlot && anyDice; ++i)
        s.DiceEnabled(i) =
            dice.contains(QString::number(DesignDiceSides[i - FirstSlot])) ? True : False;
    if (!s.MultiplierPermanent) return;
    const QStringList multipliers = Items(value("Multipliers"));
    for (int i = FirstSlot; i <= LastSlot && i - FirstSlot < multipliers.size(); ++i)
        ReadNumber(multipliers[i - FirstSlot], s.DiceMultiplier(i), 1, s.MultiplierRange);
}

std::optional<QPoint> SettingsFile::Position() const {
    bool okX = false, okY = false;
    const int x = Text(values_.value(SettingsGroup + QStringLiteral("Left"))).toInt(&okX);
    const int y = Text(values_.value(SettingsGroup + QStringLiteral("Top"))).toInt(&okY);
    if (!okX || !okY) return std::nullopt;
    return QPoint(x, y);
}

bool SettingsFile::KeepSettings(const AppState& s, QPoint position) {
    QVariantMap next = WithoutSettings(values_);
    const auto set = [&next](const char* key, const QVariant& v) {
        next.insert(SettingsGroup + QLatin1String(key), v);
    };
    set("Remember", Flag(True));
    set("RefreshSeconds", QString::number(s.RefreshSeconds));
    set("MultiplierRange", QString::number(s.MultiplierRange));
    set("MultiplierPermanent", Flag(s.MultiplierPermanent));
    set("ResultPermanent", Flag(s.ResultPermanent));
    set("StayOnTop", Flag(s.StayOnTop));
    set("FreePosition", Flag(s.FreePosition));
    set("AnchorPosition", QString::number(s.AnchorPosition));
    QStringList dice, multipliers;
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        if (s.DiceEnabled(i)) dice << QString::number(DesignDiceSides[i - FirstSlot]);
        multipliers << QString::number(s.DiceMultiplier(i));
    }
    set("Dice", dice);
    if (s.MultiplierPermanent) set("Multipliers", multipliers);
    if (s.FreePosition) {
        set("Left", QString::number(position.x()));
        set("Top", QString::number(position.y()));
    }
    return Write(next);
}

bool SettingsFile::ForgetSettings() {
    const QVariantMap next = WithoutSettings(values_);
    return next == values_ || Write(next);
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
    const QString prefix = name + QLatin1Char('/');
    QVariantMap next = values_;
    next.removeIf([&prefix](const auto& it) { return it.key().startsWith(prefix); });
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        next.insert(prefix + it.key(), it.value());
    return Write(next);
}

bool SettingsFile::Secret(const QVariantMap& values) const {
    return !Text(values.value(QStringLiteral("Share/webhook"))).isEmpty();
}

bool SettingsFile::Write(const QVariantMap& next) {
    if (unreadable_) return false;  // what it holds is the player's; nothing writes over it
    const std::optional<QByteArray> bytes = Serialize(next);
    if (!bytes || !QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
    if (!WriteWholeFile(path_, *bytes, Secret(next) ? OwnerOnly : QFileDevice::Permissions())
             .isEmpty())
        return false;
    values_ = next;
    return true;
}

}  // namespace rollkin
