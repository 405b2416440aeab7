#include "settings/SettingValues.h"

#include <QStringList>
#include <algorithm>

#include "settings/IniText.h"

namespace rollkin {

namespace {

QStringList Items(const QVariant& v) {
    QStringList items = IniValueText(v).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    return items;
}

void ReadNumber(const QVariant& v, Integer& field, int lo, int hi) {
    bool ok = false;
    const int n = IniValueText(v).trimmed().toInt(&ok);
    if (ok) field = static_cast<Integer>(std::clamp(n, lo, hi));
}

}  // namespace

QString Flag(Boolean b) {
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

void ReadFlag(const QVariant& v, Boolean& field) {
    const QString t = IniValueText(v).trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) field = True;
    if (t == QLatin1String("false") || t == QLatin1String("0")) field = False;
}

QVariant KeyValue(const SettingKey& key, const AppState& s) {
    if (key.when != nullptr && !(s.*key.when)) return {};
    switch (key.kind) {
        case SettingKey::Kind::Number:
            return QString::number(s.*key.field);
        case SettingKey::Kind::Flag:
            return Flag(s.*key.field);
        case SettingKey::Kind::Dice:
        case SettingKey::Kind::Multipliers:
            break;
    }
    QStringList items;
    for (int i = FirstSlot; i <= LastSlot; ++i) {
        const Integer value = (s.*key.perSlot)(i);
        if (key.kind == SettingKey::Kind::Multipliers)
            items << QString::number(value);
        else if (value)
            items << QString::number(DesignDiceSides[i - FirstSlot]);
    }
    return items;
}

void ReadKey(const SettingKey& key, const QVariant& v, AppState& s) {
    if (key.when != nullptr && !(s.*key.when)) return;
    switch (key.kind) {
        case SettingKey::Kind::Number:
            return ReadNumber(v, s.*key.field, key.lo, key.hi);
        case SettingKey::Kind::Flag:
            return ReadFlag(v, s.*key.field);
        case SettingKey::Kind::Dice:
            break;
        case SettingKey::Kind::Multipliers: {
            const QStringList items = Items(v);
            for (int i = FirstSlot; i <= LastSlot && i - FirstSlot < items.size(); ++i)
                ReadNumber(items[i - FirstSlot], (s.*key.perSlot)(i), key.lo, s.*key.hiFrom);
            return;
        }
    }
    // The dice offered, by their sides; the dialog offers none of them unchecked all at once.
    const QStringList dice = Items(v);
    bool anyDice = false;
    for (int i = FirstSlot; i <= LastSlot; ++i)
        anyDice = anyDice || dice.contains(QString::number(DesignDiceSides[i - FirstSlot]));
    for (int i = FirstSlot; i <= LastSlot && anyDice; ++i)
        (s.*key.perSlot)(i) =
            dice.contains(QString::number(DesignDiceSides[i - FirstSlot])) ? True : False;
}

}  // namespace rollkin
