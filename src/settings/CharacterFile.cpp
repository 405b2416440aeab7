#include "settings/CharacterFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "settings/SettingsFile.h"

namespace rollkin {

namespace {

const QString FormatKey = QStringLiteral("format");
const QString Format = QStringLiteral("dicerollkin-character");
const QString VersionKey = QStringLiteral("version");
const QString NameKey = QStringLiteral("name");
const QString ShareNameKey = QStringLiteral("shareName");
const QString RollsKey = QStringLiteral("rolls");
const QString RollKey = QStringLiteral("roll");

// A text field that may be missing; nullopt when it is there but not text.
std::optional<QString> Field(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) return QString();
    if (!value.isString()) return std::nullopt;
    return value.toString();
}

}  // namespace

QByteArray CharacterFile::Text(const Character& character) {
    QJsonArray rolls;
    for (const SavedRoll& r : character.rolls) {
        rolls.append(QJsonObject{{NameKey, QString::fromStdString(r.name)},
                                 {RollKey, QString::fromStdString(r.roll)}});
    }
    const QJsonObject object{{FormatKey, Format},
                             {VersionKey, Version},
                             {NameKey, QString::fromStdString(character.name)},
                             {ShareNameKey, QString::fromStdString(character.shareName)},
                             {RollsKey, rolls}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

CharacterFile::Read CharacterFile::Parse(const QByteArray& bytes) {
    if (bytes.size() > MaxBytes)
        return {std::nullopt,
                tr("The file is larger than %1 KiB: it is not a character.").arg(MaxBytes / 1024)};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, tr("The file is not JSON, so it is not a character.")};
    const QJsonObject object = document.object();
    const Read otherShape{std::nullopt,
                          tr("The file is JSON, but not a character exported by Dice Rollkin.")};
    const QJsonValue version = object.value(VersionKey);
    // A later version's file is read for the fields this one knows.
    if (!document.isObject() || object.value(FormatKey).toString() != Format ||
        !version.isDouble() || version.toDouble() < Version)
        return otherShape;
    const std::optional<QString> name = Field(object, NameKey);
    const std::optional<QString> shareName = Field(object, ShareNameKey);
    const QJsonValue rolls = object.value(RollsKey);
    if (!name || !shareName || !rolls.isArray()) return otherShape;
    if (name->trimmed().isEmpty())
        return {std::nullopt, tr("The character in the file has no name.")};
    if (rolls.toArray().size() > MaxSavedRolls)
        return {std::nullopt,
                tr("The character in the file has more than %1 saved rolls.").arg(MaxSavedRolls)};
    Character character{CutName(name->trimmed()).toStdString(),
                        CutName(shareName->trimmed()).toStdString(),
                        {},
                        {}};
    for (const QJsonValue& value : rolls.toArray()) {
        const std::optional<QString> rollName = Field(value.toObject(), NameKey);
        const std::optional<QString> roll = Field(value.toObject(), RollKey);
        if (!value.isObject() || !rollName || !roll || roll->trimmed().isEmpty()) return otherShape;
        character.rolls.push_back(ShownRoll(rollName->trimmed(), roll->trimmed()));
    }
    return {std::move(character), {}};
}

QString CharacterFile::Save(const QString& path, const Character& character) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Text(character)) < 0 || !file.commit())
        return file.errorString();
    return {};
}

CharacterFile::Read CharacterFile::Load(const QString& path) {
    // Never waits on a pipe or a device in a regular file's place.
    if (!QFileInfo(path).isFile())
        return {std::nullopt, tr("The file could not be read: it is not a regular file.")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, tr("The file could not be read: %1").arg(file.errorString())};
    // One byte more than allowed says the file is too large, without reading the rest.
    return Parse(file.read(MaxBytes + 1));
}

}  // namespace rollkin
