#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

#include "state/SavedRolls.h"

namespace rollkin {

// A character in a small JSON file, for another player to import:
//   {"format": "dicerollkin-character", "version": 1, "name": "Rogue", "shareName": "Rogue",
//    "rolls": [{"name": "Sneak attack", "roll": "3d6"}]}
// A roll that cannot be thrown is kept as written, as the settings file keeps it. Anything
// else (too large, not JSON, another shape, too many rolls) is refused whole, with the reason.
class CharacterFile {
    Q_DECLARE_TR_FUNCTIONS(CharacterFile)

public:
    static constexpr qint64 MaxBytes = 64 * 1024;
    static constexpr int Version = 1;

    struct Read {
        std::optional<Character> character;  // none when refused
        QString refusal;                     // why, for the player
    };

    // The file's text; the rolls beyond the strip's room are the player's own, not shared.
    static QByteArray Text(const Character& character);
    static Read Parse(const QByteArray& bytes);

    // Writes the file whole or not at all; returns the reason it could not, empty when written.
    static QString Save(const QString& path, const Character& character);
    // Reads at most MaxBytes of the file at `path`.
    static Read Load(const QString& path);
};

}  // namespace rollkin
