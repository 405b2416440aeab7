#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>

#include "state/AppState.h"

namespace rollkin {

class SavedRollsModel;
class SettingsFile;

// Keeps what the player asked to keep in the settings file: the set-up when "Remember Settings"
// is checked (with a free strip's place), the saved rolls of the model whenever they change, and
// the groups other parts keep (Share's). It holds the one AppState the windows share. What the
// player is told of the file goes out by Notice.
class SettingsKeeper final : public QObject {
    Q_OBJECT

public:
    explicit SettingsKeeper(SavedRollsModel& saved);
    ~SettingsKeeper() override;

    // The settings and per-slot working state, shared by every window.
    AppState& State() { return state_; }
    const AppState& State() const { return state_; }

    // Reads the settings file: its characters and saved rolls into the model, and whether to
    // remember. From now on each write goes to a thread of its own, and no gesture waits on the
    // disk.
    void Open();
    // What the player is told of the file as Open found it; empty when nothing is wrong.
    QString OpenedMessage() const;

    // Where a free strip is to be kept: its place, whole on a monitor.
    void SetPlace(std::function<QPoint()> place) { place_ = std::move(place); }
    bool Remembered() const { return remember_; }
    // The remembered set-up over the start values, while the strip loads. A free strip's
    // remembered place comes back, to be put whole on a monitor.
    std::optional<QPoint> TakeRemembered();
    // Writes the set-up, when the player asked to remember it.
    void KeepSettings();
    // "Remember Settings" checked or not: the set-up is written, or removed from the file.
    void Remember(bool remember);
    // Writes the model's characters and rolls, whatever "Remember Settings" says: a player who
    // makes a saved roll asks to keep it. A roll kept beyond the strip's room may come onto it.
    void KeepSavedRolls();
    // Whether Ctrl+Alt+1 to 9 throw saved rolls from any window, as the player chose; kept
    // whatever "Remember Settings" says, since ticking the box asks for it.
    bool GlobalKeys() const;
    void SetGlobalKeys(bool on);
    // Waits for the file's writes on their way, and tells how they ended.
    void SettleSettings();

    // A group of the file, as read and kept since.
    QVariantMap Group(const QString& name) const;
    // Replaces a group, whatever "Remember Settings" says.
    void KeepGroup(const QString& name, const QVariantMap& values);

signals:
    // A message about the file, for a notice beside the strip.
    void Notice(const QString& message);

private:
    // One message for a file that cannot be written, until a write succeeds again.
    void Written(bool ok);

    AppState state_;
    SavedRollsModel& saved_;
    std::unique_ptr<SettingsFile> file_;
    int opened_ = 0;
    std::function<QPoint()> place_;
    bool remember_ = false;
    bool writeFailing_ = false;
    bool reading_ = false;
};

}  // namespace rollkin
