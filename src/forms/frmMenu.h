#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "state/AppState.h"

class QAction;
class QMenu;

namespace rollkin {

class Desktop;

// The hidden host of the popup menu and of the refresh timers that say when a button's face
// label (or a saved roll's name) comes back after a throw. Never shown.
class frmMenu final : public QWidget {
    Q_OBJECT

public:
    frmMenu(AppState& state, Desktop& screen);
    ~frmMenu() override;

    QMenu* mnuHidden;
    QAction* mnuConfigure;
    QAction* mnuExit;
    QAction* mnuAbout;
    QAction* mnuRoll;
    QAction* mnuShare;
    QAction* mnuHistory;
    QAction* mnuRemember;  // checkable
    // Which character's saved rolls the strip shows, the current one checked; shown only when
    // there are two or more.
    QMenu* mnuCharacter;

    // Started by a throw's release, and started afresh by the next one, so that a second
    // throw's total stays the full interval too. Past LastSlot, a saved roll's button's timer,
    // made at its first throw.
    QTimer& tmrRefresh(int index);

    void tmrRefresh_Timer(int index);
    // Opens the configuration dialog and says when it has closed; the other items emit their
    // signals directly.
    void mnuConfigure_Click();
    void mnuRemember_Click();
    // The run ends at once; About opens modally. Said to whoever acts.
    void mnuExit_Click() { emit ExitAsked(); }
    void mnuAbout_Click() { emit AboutAsked(); }

    // Opened from the keyboard, the menu starts on its first item, as desktop menus do: Enter
    // chooses it at once.
    void StartOnFirstItem();
    // Stops every timer; the program is ending.
    void StopTimers();
    void SetRefreshInterval(int milliseconds);
    // The characters by name, and which is current.
    void ShowCharacters(const QStringList& names, int current);

signals:
    // The configuration dialog has closed (its settings taken or dropped).
    void Configured();
    void ExitAsked();
    void AboutAsked();
    void RollAsked();
    void ShareAsked();
    void HistoryAsked();
    // "Remember Settings" was checked (true) or unchecked.
    void RememberAsked(bool remember);
    // A character of the Character submenu was chosen, by its place in it.
    void CharacterAsked(int index);
    // The slot's total has been shown long enough.
    void RefreshDue(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppState& state_;
    Desktop& screen_;
    // Another button's timer, firing RefreshDue(index).
    QTimer* NewTimer(int index);

    std::vector<QAction*> characterItems_;  // the submenu and the separator above it
    SlotArray<QTimer*> timers_;
    std::vector<QTimer*> savedTimers_;  // LastSlot + 1 first
    int interval_;
};

}  // namespace rollkin
