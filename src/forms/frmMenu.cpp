#include "forms/frmMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMouseEvent>

#include "forms/ProgramIcon.h"
#include "forms/frmConfig.h"
#include "layout/StripLayout.h"
#include "platform/Desktop.h"

namespace rollkin {

namespace {

// The menu's items in their order: where each is kept, its name, its text, and what choosing it
// runs (a signal, or a handler that emits one).
struct MenuItem {
    QAction* frmMenu::*action;
    const char* name;
    const char* text;
    void (frmMenu::*chosen)();
    bool separatorBefore = false;
};

const MenuItem MenuItems[] = {
    {&frmMenu::mnuConfigure, "mnuConfigure", QT_TRANSLATE_NOOP("rollkin::frmMenu", "Configure..."),
     &frmMenu::mnuConfigure_Click},
    {&frmMenu::mnuExit, "mnuExit", QT_TRANSLATE_NOOP("rollkin::frmMenu", "Exit"),
     &frmMenu::mnuExit_Click},
    {&frmMenu::mnuAbout, "mnuAbout", QT_TRANSLATE_NOOP("rollkin::frmMenu", "About..."),
     &frmMenu::mnuAbout_Click},
    {&frmMenu::mnuRoll, "mnuRoll", QT_TRANSLATE_NOOP("rollkin::frmMenu", "Roll..."),
     &frmMenu::RollAsked, true},
    {&frmMenu::mnuShare, "mnuShare", QT_TRANSLATE_NOOP("rollkin::frmMenu", "Share..."),
     &frmMenu::ShareAsked},
    {&frmMenu::mnuHistory, "mnuHistory", QT_TRANSLATE_NOOP("rollkin::frmMenu", "History..."),
     &frmMenu::HistoryAsked},
    {&frmMenu::mnuRemember, "mnuRemember",
     QT_TRANSLATE_NOOP("rollkin::frmMenu", "Remember Settings"), &frmMenu::mnuRemember_Click},
};

}  // namespace

frmMenu::frmMenu(AppState& state, Desktop& screen)
    : state_(state), screen_(screen), interval_(functions::DesignRefreshInterval) {
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(ProgramIcon());

    mnuHidden = new QMenu(QStringLiteral("Hidden"), this);
    mnuHidden->setObjectName(QStringLiteral("mnuHidden"));
    mnuHidden->installEventFilter(this);

    // The menu closes before it runs what was chosen in it. An item chosen while the menu is
    // still open came from outside it, from a screen reader: its call is answered first, and the
    // command (perhaps a modal window) runs once the menu has closed.
    for (const MenuItem& item : MenuItems) {
        if (item.separatorBefore) mnuHidden->addSeparator();
        QAction* action = mnuHidden->addAction(tr(item.text));
        action->setObjectName(QString::fromLatin1(item.name));
        this->*item.action = action;
        connect(action, &QAction::triggered, this, [this, chosen = item.chosen] {
            if (!mnuHidden->isVisible()) {
                (this->*chosen)();
                return;
            }
            mnuHidden->close();
            QTimer::singleShot(0, this, chosen);
        });
    }
    mnuRemember->setCheckable(true);

    // After every other item, so that a player with one character has the menu as it was.
    mnuCharacter = new QMenu(tr("Character"), mnuHidden);
    mnuCharacter->setObjectName(QStringLiteral("mnuCharacter"));
    characterItems_ = {mnuHidden->addSeparator(), mnuHidden->addMenu(mnuCharacter)};
    for (QAction* item : characterItems_)
        item->setVisible(false);

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
    qDeleteAll(mnuCharacter->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly));
    // One of them is current: the desktop's style draws them as radio items.
    auto* group = new QActionGroup(mnuCharacter);
    for (int i = 0; i < names.size(); ++i) {
        QAction* item = mnuCharacter->addAction(names[i]);
        item->setCheckable(true);
        item->setActionGroup(group);
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
