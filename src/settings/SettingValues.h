#pragma once

#include <QString>
#include <QVariant>

#include "state/AppState.h"

namespace rollkin {

// The settings file's values of the Settings group, as text, for the keys of SettingKeys.

QString Flag(Boolean b);
// true or 1, false or 0 (any case); anything else leaves the field as it is.
void ReadFlag(const QVariant& v, Boolean& field);

// A key's value as the file keeps it; none when the key is not kept.
QVariant KeyValue(const SettingKey& key, const AppState& s);
// Puts a value read over the key's field, brought into the key's range.
void ReadKey(const SettingKey& key, const QVariant& v, AppState& s);

}  // namespace rollkin
