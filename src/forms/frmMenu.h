#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "state/AppState.h"

class QAction;
class QMenu;

namespace rollkin {

class Windows;

// A timer of the forms kind: fires every Interval milliseconds while Enabled.
class FormTimer {
public:
    explicit FormTimer(std::function<void()> onTimer);

    bool Enabled() const { return timer_.isActive(); }
    // Enabling a running timer starts its count afresh, so a second throw's total stays the
    // full interval too.
    void SetEnabled(bool enabled);
    int Interval() const { return timer_.interval(); }
    void SetInterval(int milliseconds) { timer_.setInterval(milliseconds); }

private:
    QTimer timer_;
};

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

    FormTimer& tmrRefresh(int index) { return *timers_(index); }

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
    SlotArray<std::unique_ptr<FormTimer>> timers_;
};

// The timers' interval until the configuration dialog has first closed, in milliseconds.
constexpr int DesignRefreshInterval = 1000;

}  // namespace rollkin
