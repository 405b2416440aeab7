#include "forms/frmMenu.h"

#include <QMenu>
#include <QMouseEvent>

#include "forms/ProgramIcon.h"
#include "forms/frmConfig.h"
#include "layout/StripLayout.h"
#include "platform/Desktop.h"

namespace rollkin {

frmMenu::frmMenu(AppState& state, Desktop& screen)
    : state_(state), screen_(screen), interval_(functions::DesignRefreshInterval) {
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
    mnuRoll = mnuHidden->addAction(tr("Roll..."));
    mnuRoll->setObjectName(QStringLiteral("mnuRoll"));
    mnuShare = mnuHidden->addAction(tr("Share..."));
    mnuShare->setObjectName(QStringLiteral("mnuShare"));
    mnuHistory = mnuHidden->addAction(tr("History..."));
    mnuHistory->setObjectName(QStringLiteral("mnuHistory"));
    mnuRemember = mnuHidden->addAction(tr("Remember Settings"));
    mnuRemember->setObjectName(QStringLiteral("mnuRemember"));
    mnuRemember->setCheckable(true);

    // After every other item, so that a player with one character has the menu as it was.
    mnuCharacter = new QMenu(tr("Character"), mnuHidden);
    mnuCharacter->setObjectName(QStringLiteral("mnuCharacter"));
    characterItems_ = {mnuHidden->addSeparator(), mnuHidden->addMenu(mnuCharacter)};
    for (QAction* item : characterItems_)
        item->setVisible(false);

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
    connect(mnuRoll, &QAction::triggered, this, command(&frmMenu::mnuRoll_Click));
    connect(mnuShare, &QAction::triggered, this, command(&frmMenu::mnuShare_Click));
    connect(mnuHistory, &QAction::triggered, this, command(&frmMenu::mnuHistory_Click));
    connect(mnuRemember, &QAction::triggered, this, command(&frmMenu::mnuRemember_Click));

    for (int i = FirstSlot; i <= LastSlot; ++i)
        timers_(i) = NewTimer(i);
}

frmMenu::~frmMenu() = default;

QTimer* frmMenu::NewTimer(int index) {
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval_);
    connect(timer, &QTimer::timeout, this, [this, index] { tmrRefresh_Timer(index); });
    return timer;
}

QTimer& frmMenu::tmrRefresh(int index) {
    if (index <= LastSlot) return *timers_(index);
    const auto at = static_cast<std::size_t>(index - LastSlot - 1);
    while (savedTimers_.size() <= at)
        savedTimers_.push_back(NewTimer(LastSlot + 1 + static_cast<int>(savedTimers_.size())));
    return *savedTimers_[at];
}

void frmMenu::tmrRefresh_Timer(int index) {
    emit RefreshDue(index);
    tmrRefresh(index).stop();
}

void frmMenu::mnuConfigure_Click() {
    {
        frmConfig config(state_, screen_);  // loaded, hidden: Form_Load has filled its controls
        screen_.ShowModal(config);
    }  // unloaded
    emit Configured();
}

void frmMenu::mnuExit_Click() {
    emit ExitAsked();
}

void frmMenu::mnuAbout_Click() {
    emit AboutAsked();
}

void frmMenu::mnuRoll_Click() {
    emit RollAsked();
}

void frmMenu::mnuShare_Click() {
    emit ShareAsked();
}

void frmMenu::mnuHistory_Click() {
    emit HistoryAsked();
}

void frmMenu::mnuRemember_Click() {
    // The item has already taken its new check mark.
    emit RememberAsked(mnuRemember->isChecked());
}

bool frmMenu::eventFilter(QObject* watched, QEvent* event) {
    // Items are chosen with the left button: the release of another chooses nothing, and the
    // menu stays open.
    if (watched == mnuHidden && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return true;
    return QWidget::eventFilter(watched, event);
}

void frmMenu::SetRefreshInterval(int milliseconds) {
    interval_ = milliseconds;
    for (int i = FirstSlot; i <= LastSlot; ++i)
        tmrRefresh(i).setInterval(milliseconds);
    for (QTimer* timer : savedTimers_)
        timer->setInterval(milliseconds);
}

void frmMenu::ShowCharacters(const QStringList& names, int current) {
    mnuCharacter->clear();
    for (int i = 0; i < names.size(); ++i) {
        QAction* item = mnuCharacter->addAction(names[i]);
        item->setCheckable(true);
        item->setChecked(i == current);
        connect(item, &QAction::triggered, this, [this, i] { emit CharacterAsked(i); });
    }
    for (QAction* item : characterItems_)
        item->setVisible(names.size() > 1);
}

void frmMenu::StartOnFirstItem() {
    for (QAction* item : mnuHidden->actions()) {
        if (!item->isSeparator() && item->isEnabled() && item->isVisible()) {
            mnuHidden->setActiveAction(item);
            break;
        }
    }
}

void frmMenu::StopTimers() {
    for (int i = FirstSlot; i <= LastSlot; ++i)
        tmrRefresh(i).stop();
    for (QTimer* timer : savedTimers_)
        timer->stop();
}

}  // namespace rollkin
