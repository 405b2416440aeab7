#pragma once

#include <QPoint>
#include <QString>
#include <QVariantMap>
#include <optional>

#include "state/AppState.h"
#include "state/SavedRolls.h"

namespace rollkin {

// The file that keeps what the player asked to keep: the saved rolls (the array `Rolls`), the
// remembered set-up (the group `Settings`) and any other part's group (`Group`, `SetGroup`).
// Qt's INI format, so that it can be edited by hand. Nothing is created until something is
// written; every write replaces the file whole or not at all; a key it does not know is kept.
class SettingsFile {
public:
    explicit SettingsFile(QString path);

    // $XDG_CONFIG_HOME/dicerollkin/dicerollkin.conf, ~/.config/... when the variable is unset.
    static QString DefaultPath();

    enum class Opened {
        Missing,     // no file: nothing kept yet
        Read,        // read whole
        MovedAside,  // not readable as INI: moved to MovedTo(), the program starts afresh
        Unreadable,  // not readable and not movable: left alone, and never written over
    };
    Opened Open();
    const QString& Path() const { return path_; }
    const QString& MovedTo() const { return movedTo_; }

    // The first MaxSavedRolls rolls, as written (a name may be longer than the strip shows).
    const SavedRolls& Rolls() const { return rolls_; }
    // Writes the rolls; those beyond MaxSavedRolls that the file held at Open stay after them.
    bool SetRolls(const SavedRolls& rolls);

    // Whether the player asked to remember the set-up.
    bool Remembered() const;
    // Puts the remembered settings over `s`, which holds the start values; a value out of its
    // control's range is brought into it, one that is not a number is left at the start value.
    void ReadSettings(AppState& s) const;
    // A free strip's remembered upper left corner, in pixels.
    std::optional<QPoint> Position() const;
    // Remembers the settings (and a free strip's position); ForgetSettings removes them again.
    bool KeepSettings(const AppState& s, QPoint position);
    bool ForgetSettings();

    // Every key of a group, for a part with keys of its own; SetGroup replaces the group whole.
    QVariantMap Group(const QString& name) const;
    bool SetGroup(const QString& name, const QVariantMap& values);

private:
    bool Write(const QVariantMap& next);
    // A file that holds a secret (a webhook's address) is readable by its owner alone.
    bool Secret(const QVariantMap& values) const;

    QString path_;
    QString movedTo_;
    QVariantMap values_;  // every key of the file, "Group/key"
    SavedRolls rolls_;
    SavedRolls beyondStrip_;  // rolls the file held beyond MaxSavedRolls
    bool unreadable_ = false;
};

}  // namespace rollkin
