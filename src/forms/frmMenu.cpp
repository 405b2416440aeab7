#include "forms/frmMenu.h"

#include <QMenu>
#include <QMouseEvent>

#include "forms/ProgramIcon.h"
#include "forms/Windows.h"
#include "forms/frmAbout.h"
#include "forms/frmConfig.h"
#include "forms/frmHistory.h"
#include "forms/frmRollkin.h"
#include "state/Dice.h"

namespace rollkin {

frmMenu::frmMenu(Windows& windows) : program_(windows) {
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(ProgramIcon());

    mnuHidden = new QMenu(QStringLiteral("Hidden"), this);
    mnuHidden->setObjectName(QStringLiteral("mnuHidden"));
    mnuHidden->installEventFilter(this);
    mnuConfigure = mnuHidden->addAction(tr("Configure..."));
    mnuConfigure->setObjectName(QStringLiteral("mnuConfigure"));
    mnuExit = mnuHidden->addAction(tr("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuAbout = mnuHidden->addAction(tr("About..."));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    mnuHidden->addSeparator();
    mnuHistory = mnuHidden->addAction(tr("History..."));
    mnuHistory->setObjectName(QStringLiteral("mnuHistory"));

    // The menu closes before it runs what was chosen in it. An item chosen while the menu is
    // still open came from outside it, from a screen reader: its call is answered first, and the
    // command (perhaps a modal window) runs once the menu has closed.
    const auto command = [this](void (frmMenu::*click)()) {
        return [this, click] {
            if (!mnuHidden->isVisible()) {
                (this->*click)();
                return;
            }
            mnuHidden->close();
            QTimer::singleShot(0, this, click);
        };
    };
    connect(mnuConfigure, &QAction::triggered, this, command(&frmMenu::mnuConfigure_Click));
    connect(mnuExit, &QAction::triggered, this, command(&frmMenu::mnuExit_Click));
    connect(mnuAbout, &QAction::triggered, this, command(&frmMenu::mnuAbout_Click));
    connect(mnuHistory, &QAction::triggered, this, command(&frmMenu::mnuHistory_Click));

    for (int i = FirstSlot; i <= LastSlot; ++i) {
        timers_(i) = new QTimer(this);
        timers_(i)->setTimerType(Qt::PreciseTimer);
        timers_(i)->setInterval(DesignRefreshInterval);
        connect(timers_(i), &QTimer::timeout, this, [this, i] { tmrRefresh_Timer(i); });
    }
}

frmMenu::~frmMenu() = default;

void frmMenu::tmrRefresh_Timer(int index) {
    program_.Rollkin().cmdDice(index).SetCaption(
        QString::fromStdString(FaceLabel(program_.State, index)));
    tmrRefresh(index).stop();
}

void frmMenu::mnuConfigure_Click() {
    {
        frmConfig config(program_.State,
                         program_.Screen);  // loaded, hidden: Form_Load has filled its controls
        program_.Screen.ShowModal(config);
    }  // unloaded
    if (program_.Ended()) return;
    functions::ApplyLayout(program_);
    if (program_.HistoryLoaded()) program_.History().FollowStrip();  // on top or not, as the strip
}

void frmMenu::mnuExit_Click() {
    program_.End();
}

void frmMenu::mnuAbout_Click() {
    frmAbout about(program_.Screen);
    program_.Screen.ShowModal(about);
}

void frmMenu::mnuHistory_Click() {
    program_.History().Open();
}

bool frmMenu::eventFilter(QObject* watched, QEvent* event) {
    // Items are chosen with the left button: the release of another chooses nothing, and the
    // menu stays open.
    if (watched == mnuHidden && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return true;
    return QWidget::eventFilter(watched, event);
}

void frmMenu::StopTimers() {
    for (int i = FirstSlot; i <= LastSlot; ++i)
        tmrRefresh(i).stop();
}

}  // namespace rollkin
