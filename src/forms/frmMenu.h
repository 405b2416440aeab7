#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "state/AppState.h"

class QAction;
class QMenu;

namespace rollkin {

class Windows;

// The hidden host of the popup menu and of the ten refresh timers that put a button's face label
// back after a throw. Never shown.
class frmMenu final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(frmMenu)

public:
    explicit frmMenu(Windows& windows);
    ~frmMenu() override;

    QMenu* mnuHidden;
    QAction* mnuConfigure;
    QAction* mnuExit;
    QAction* mnuAbout;
    QAction* mnuHistory;

    // Started by a throw's release, and started afresh by the next one, so that a second
    // throw's total stays the full interval too.
    QTimer& tmrRefresh(int index) { return *timers_(index); }

    void tmrRefresh_Timer(int index);
    void mnuConfigure_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuHistory_Click();

    // Stops every timer; the program is ending.
    void StopTimers();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Windows& program_;
    SlotArray<QTimer*> timers_;
};

// The timers' interval until the configuration dialog has first closed, in milliseconds.
constexpr int DesignRefreshInterval = 1000;

}  // namespace rollkin
