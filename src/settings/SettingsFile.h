#pragma once

#include <QObject>
#include <QPoint>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "state/AppState.h"
#include "state/SavedRolls.h"

namespace rollkin {

// A name cut to MaxSavedRollName characters, never between the halves of one.
QString CutName(QString name);
// A saved roll as the strip shows it: named (by its roll when it has no name), and by a name it
// has room for.
SavedRoll ShownRoll(QString name, const QString& roll);

// The file that keeps what the player asked to keep: the saved rolls (the array `Rolls`), the
// remembered set-up (the group `Settings`) and any other part's group (`Group`, `SetGroup`).
// Qt's INI format, so that it can be edited by hand. Nothing is created until something is
// written; every write replaces the file whole or not at all. A write changes only the keys this
// program changed, in the file as it is at that moment, under a lock beside it: two strips on
// one file, or a hand edit, keep what the other wrote.
class SettingsFile {
public:
    // A larger file is not read: it is moved aside as a broken one.
    static constexpr qint64 MaxBytes = 1 << 20;

    explicit SettingsFile(QString path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // $XDG_CONFIG_HOME/dicerollkin/dicerollkin.conf, ~/.config/... when the variable is unset.
    static QString DefaultPath();

    enum class Opened {
        Missing,          // no file: nothing kept yet
        Read,             // read whole, or but for IgnoredLines()
        MovedAside,       // not INI, or larger than MaxBytes: moved to MovedTo(), starts afresh
        Unreadable,       // not readable and not movable: left alone, and never written over
        NotAFile,         // a folder, a pipe, a device...: left alone, and never written over
        FolderUnreadable  // its folder cannot be searched: left alone, nothing written
    };
    Opened Open();
    const QString& Path() const { return path_; }
    const QString& MovedTo() const { return movedTo_; }
    // The lines (from 1) that Open passed over. The file stays as it is until the next write,
    // which first keeps it whole beside itself, as MovedTo() would be named.
    const std::vector<int>& IgnoredLines() const { return ignored_; }

    // From now on a write goes to a thread of its own, and returns at once; `written` is told
    // on this thread how each ended.
    void WriteInBackground(std::function<void(bool)> written);
    // Waits for the writes on their way, and tells their ends.
    void Settle();

    // The first MaxSavedRolls rolls. One without a name is named by its roll, as the Rolls
    // window names it; a longer name than MaxSavedRollName is cut.
    const SavedRolls& Rolls() const { return rolls_; }
    // Writes the rolls; those beyond MaxSavedRolls that the file held at Open stay after them,
    // and the first of them moves onto the strip where the strip has room.
    bool SetRolls(const SavedRolls& rolls);
    // The rolls held beyond MaxSavedRolls, shown nowhere.
    const SavedRolls& BeyondStrip() const { return beyondStrip_; }
    // Writes `all` in place of every roll, those beyond the strip's room included.
    bool ReplaceRolls(const SavedRolls& all);

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

    // Whether Ctrl+Alt+1 to 9 throw the saved rolls from any window; off unless chosen. Kept
    // whatever "Remember Settings" says: ticking the box is asking for it.
    bool GlobalKeys() const;
    bool SetGlobalKeys(bool on);

    // Every key of a group, for a part with keys of its own; SetGroup replaces the group whole.
    QVariantMap Group(const QString& name) const;
    bool SetGroup(const QString& name, const QVariantMap& values);

private:
    // Keys to values; an invalid QVariant removes its key.
    using Changes = QVariantMap;
    void Change(Changes& changes, const QString& key, const QVariant& value);
    // `rolls`, when given, replaces every saved roll: one removed or added moves those after it.
    bool Write(Changes changes, std::shared_ptr<const SavedRolls> rolls = {});
    void Written(bool ok, const Changes& changes, bool rolls);
    // A saved roll's key (Rolls/N/name, Rolls/N/roll, Rolls/size) as the rolls hold it now.
    QVariant RollValue(const QString& key) const;

    QString path_;
    QString movedTo_;
    // Every key of the file, "Group/key", with this program's changes; the saved rolls' are in
    // rolls_ and beyondStrip_ alone, so that thousands of them cost a change nothing.
    QVariantMap values_;
    SavedRolls rolls_;
    SavedRolls beyondStrip_;  // rolls the file held beyond MaxSavedRolls
    std::vector<int> ignored_;
    QSet<QString> unwritten_;      // keys whose last write failed: written again at the next
    bool rollsUnwritten_ = false;  // so were all the rolls
    bool leftAlone_ = false;
    std::function<void(bool)> written_;
    QObject receiver_;  // told of the background's ends, on this thread
    QThreadPool writer_;
};

}  // namespace rollkin
