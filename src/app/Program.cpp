#include "app/Program.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <stdexcept>
#include <utility>

#include "forms/BesideStrip.h"
#include "forms/frmAbout.h"
#include "forms/frmHistory.h"
#include "forms/frmMenu.h"
#include "forms/frmRoll.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "forms/frmShare.h"
#include "layout/StripLayout.h"
#include "share/ShareQueue.h"
#include "share/TimerClock.h"
#include "state/SettingsFile.h"
#include "state/ThrowHistory.h"

namespace rollkin {

Program::Program(Desktop& desktop, Random& rng, Transports transports)
    : Rnd(rng), Screen(desktop), transports_(std::move(transports)) {}

Program::~Program() {
    if (globalKeys_) Screen.ReleaseGlobalKeys();  // no key reaches a program that is gone
    // The host of the timers goes first, so that no timer can fire into a destroyed strip.
    menu_.reset();
    // Posts on their way are dropped: the transports go before the queue they answer.
    testTransport_.reset();
    transport_.reset();
    queue_.reset();
    share_.reset();
    rolls_.reset();
    history_.reset();  // before the throws it shows
    throws_.reset();
    scroller_.reset();
    rollkin_.reset();
}

void Program::Start() {
    file_ = std::make_unique<SettingsFile>(SettingsFile::DefaultPath());
    const SettingsFile::Opened opened = file_->Open();
    // No gesture waits on the disk: each write goes to a thread of its own.
    file_->WriteInBackground([this](bool ok) { Written(ok); });
    Saved = file_->Rolls();
    remember_ = file_->Remembered();
    globalKeys_ = file_->GlobalKeys();
    if (const QVariantMap share = file_->Group(QStringLiteral("Share")); !share.isEmpty())
        SetSharing(ShareSettings::FromMap(share));
    rollkin_ = std::make_unique<frmRollkin>(State, Rnd, Screen);
    frmRollkin* strip = rollkin_.get();
    Screen.SetStrip(*strip);
    QObject::connect(strip, &frmRollkin::SettingsStarted, [this] { TakeRememberedSettings(); });
    QObject::connect(strip, &frmRollkin::Moved, [this] { KeepSettings(); });
    QObject::connect(strip, &frmRollkin::MultipliersChanged, [this] {
        if (State.MultiplierPermanent) KeepSettings();
    });
    QObject::connect(strip, &frmRollkin::PopupMenuAsked,
                     [this] { Screen.PopupMenu(*Menu().mnuHidden); });
    QObject::connect(
        strip, &frmRollkin::PopupMenuBesideAsked,
        [this](Long left, Long right, Long top) { PopupMenuBeside(left, right, top); });
    QObject::connect(strip, &frmRollkin::AboutAsked, [this] { ShowAbout(); });
    QObject::connect(strip, &frmRollkin::ExitAsked, [this] { End(); });
    QObject::connect(strip, &frmRollkin::Thrown, [this](const ThrowRecord& record) {
        Throws().Add(record, static_cast<int>(Screen.TimeOfDay()), Today());
        if (sharing_.Posting() || sharing_.copyToClipboard)
            ShareThrow(QString::fromStdString(ThrowLine(record)), ThrowSource::DiceButton);
    });
    // A saved roll's line, with its name, as the Roll window's rolls.
    QObject::connect(strip, &frmRollkin::Rolled, [this](const RollLines& lines) {
        AddRoll(lines);
        ShareThrow(QString::fromStdString(lines.plain), ThrowSource::SavedRoll);
    });
    QObject::connect(strip, &frmRollkin::RefreshAsked,
                     [this](int index) { Menu().tmrRefresh(index).start(); });
    QObject::connect(strip, &frmRollkin::ScrollerRangeAsked,
                     [this](Integer range) { Scroller().SetMultiplierRange(range); });
    QObject::connect(strip, &frmRollkin::TrackScrollerAsked, [this] { TrackScroller(); });
    QObject::connect(strip, &frmRollkin::OpenScrollerAsked,
                     [this](int slot) { OpenScroller(slot); });
    QObject::connect(strip, &frmRollkin::EndScrollerDragAsked,
                     [this](int slot) { Scroller().EndScrollerDrag(slot); });
    QObject::connect(strip, &frmRollkin::HideScrollerAsked, [this] {
        if (scroller_) scroller_->hide();
    });
    QObject::connect(strip, &frmRollkin::ScaleChanged, [this] {
        if (scroller_) scroller_->FitScale();
    });
    strip->SetSavedRolls(Saved);
    strip->Form_Load();
    if (remember_) ApplyLayout();  // the remembered dice, height and refresh time
    if (globalKeys_) TakeGlobalKeys(true);
    Screen.WatchMonitors([strip] { strip->MonitorsChanged(); });
    if (const QString prompt = OpenedMessage(static_cast<int>(opened)); !prompt.isEmpty()) {
        // Once the strip shows, beside it.
        QTimer::singleShot(0, strip, [this, prompt] { TellAboutFile(prompt); });
    }
}

void Program::TellAboutFile(const QString& message) {
    if (!ended_) Screen.Notice(message);
}

QString Program::OpenedMessage(int opened) const {
    const QString path = file_->Path();
    switch (static_cast<SettingsFile::Opened>(opened)) {
        case SettingsFile::Opened::MovedAside:
            return tr("The settings file %1 could not be read. It has been moved to %2, and Dice "
                      "Rollkin starts with its default settings.")
                .arg(path, file_->MovedTo());
        case SettingsFile::Opened::Unreadable:
            return tr("The settings file %1 could not be read, nor moved aside. Dice Rollkin "
                      "starts with its default settings and leaves the file as it is.")
                .arg(path);
        case SettingsFile::Opened::NotAFile:
            return tr("The settings file %1 is not a regular file. Dice Rollkin starts with its "
                      "default settings and leaves it as it is.")
                .arg(path);
        case SettingsFile::Opened::FolderUnreadable:
            return tr("The folder of the settings file %1 cannot be read. Dice Rollkin starts "
                      "with its default settings and leaves the folder as it is.")
                .arg(path);
        case SettingsFile::Opened::Missing:
        case SettingsFile::Opened::Read:
            break;
    }
    const std::vector<int>& ignored = file_->IgnoredLines();
    if (ignored.empty()) return {};
    QStringList lines;
    constexpr std::size_t Listed = 10;
    for (std::size_t i = 0; i < std::min(ignored.size(), Listed); ++i)
        lines << QString::number(ignored[i]);
    if (ignored.size() > Listed) lines << QStringLiteral("...");
    return tr("Dice Rollkin could not read line(s) %2 of the settings file %1 and ignores them; "
              "everything else in it is kept. The file stays as it is until a setting changes; "
              "then it is first copied whole beside itself, to a name ending in .bad.")
        .arg(path, lines.join(QStringLiteral(", ")));
}

void Program::TakeRememberedSettings() {
    if (!remember_) return;
    file_->ReadSettings(State);
    const std::optional<QPoint> at = file_->Position();
    if (!State.FreePosition || !at) return;
    frmRollkin& strip = Rollkin();
    // Shown whole, on the monitor nearest the place (which may be on one since gone).
    const QPoint to = functions::WholeOnNearestMonitor(*at, strip.size(), Screen.Monitors());
    strip.SetLeft(PixelsToTwips(to.x(), strip.TwipsPerPixelX()));
    strip.SetTop(PixelsToTwips(to.y(), strip.TwipsPerPixelY()));
}

QPoint Program::PlaceToRemember() {
    frmRollkin& strip = Rollkin();
    // A strip dragged partly off every monitor stays there for this run; the next starts with
    // it whole on the nearest.
    return functions::WholeOnNearestMonitor(strip.pos(), strip.size(), Screen.Monitors());
}

void Program::KeepSettings() {
    if (remember_) file_->KeepSettings(State, PlaceToRemember());
}

void Program::Remember(bool remember) {
    remember_ = remember;
    if (remember)
        file_->KeepSettings(State, PlaceToRemember());
    else
        file_->ForgetSettings();
}

void Program::KeepSavedRolls() {
    file_->SetRolls(Saved);
    // A roll kept beyond the strip's room takes a place that came free.
    if (file_->Rolls() == Saved) return;
    Saved = file_->Rolls();
    if (rollkin_) rollkin_->ShowSavedRolls(Saved);
    if (rolls_) rolls_->ShowSavedRolls(Saved);
}

void Program::SettleSettings() {
    if (file_) file_->Settle();
}

void Program::KeepGroup(const QString& name, const QVariantMap& values) {
    file_->SetGroup(name, values);
}

void Program::Written(bool ok) {
    if (!ok && !writeFailing_) {
        TellAboutFile(tr("The settings file %1 could not be written. Dice Rollkin goes on and "
                         "tries again at the next change.")
                          .arg(file_->Path()));
    }
    writeFailing_ = !ok;
}

frmRollkin& Program::Rollkin() {
    if (!rollkin_) throw std::logic_error("the program has not been started");
    return *rollkin_;
}

frmMenu& Program::Menu() {
    if (menu_) return *menu_;
    menu_ = std::make_unique<frmMenu>(State, Screen);
    frmMenu* menu = menu_.get();
    QObject::connect(menu, &frmMenu::RefreshDue,
                     [this](int index) { Rollkin().ShowFaceLabel(index); });
    QObject::connect(menu, &frmMenu::Configured, [this] {
        if (ended_) return;
        ApplyLayout();
        KeepSettings();
        // On top or not, as the strip.
        if (history_) history_->FollowStrip(Rollkin());
        if (rolls_) FollowStrip(*rolls_, Rollkin());
        if (share_) FollowStrip(*share_, Rollkin());
    });
    QObject::connect(menu, &frmMenu::ExitAsked, [this] { End(); });
    QObject::connect(menu, &frmMenu::AboutAsked, [this] { ShowAbout(); });
    QObject::connect(menu, &frmMenu::RollAsked, [this] { Rolls().Open(Rollkin()); });
    QObject::connect(menu, &frmMenu::ShareAsked,
                     [this] { ShareWindow().Open(Rollkin(), sharing_); });
    QObject::connect(menu, &frmMenu::HistoryAsked, [this] { History().Open(Rollkin()); });
    menu->mnuRemember->setChecked(remember_);
    QObject::connect(menu, &frmMenu::RememberAsked, [this](bool remember) { Remember(remember); });
    return *menu_;
}

frmScroller& Program::Scroller() {
    if (!scroller_) scroller_ = std::make_unique<frmScroller>(State, Screen);
    return *scroller_;
}

ThrowHistory& Program::Throws() {
    if (!throws_) throws_ = std::make_unique<ThrowHistory>();
    return *throws_;
}

frmHistory& Program::History() {
    if (!history_) history_ = std::make_unique<frmHistory>(Throws(), Screen);
    return *history_;
}

frmRoll& Program::Rolls() {
    if (rolls_) return *rolls_;
    rolls_ = std::make_unique<frmRoll>(Rnd, Screen);
    QObject::connect(rolls_.get(), &frmRoll::Rolled, [this](const RollLines& lines) {
        AddRoll(lines);
        ShareThrow(QString::fromStdString(lines.plain), ThrowSource::RollWindow);
    });
    QObject::connect(rolls_.get(), &frmRoll::SavedRollsEdited,
                     [this](const SavedRolls& rolls) { SavedRollsEdited(rolls); });
    rolls_->ShowSavedRolls(Saved);
    rolls_->ShowGlobalKeys(globalKeys_);
    QObject::connect(rolls_.get(), &frmRoll::GlobalKeysChosen, [this](bool on) {
        globalKeys_ = on;
        file_->SetGlobalKeys(on);
        TakeGlobalKeys(on);
    });
    return *rolls_;
}

std::int32_t Program::Today() {
    return static_cast<std::int32_t>(QDate(1970, 1, 1).daysTo(QDate::currentDate()));
}

void Program::AddRoll(const RollLines& lines) {
    Throws().Add(lines, static_cast<int>(Screen.TimeOfDay()), Today());
}

void Program::TakeGlobalKeys(bool on) {
    if (!on) return Screen.ReleaseGlobalKeys();
    if (!Screen.CanGrabGlobalKeys(nullptr)) return;  // the Rolls window says why
    const QList<int> refused = Screen.GrabGlobalKeys([this](int n) { ThrowSavedByKey(n); });
    if (refused.isEmpty()) return;
    QStringList keys;
    for (const int n : refused)
        //: A key that throws a saved roll from any window; %1 is its digit, 1 to 9.
        keys << tr("Ctrl+Alt+%1").arg(n);
    const QString message =
        tr("Another program holds these keys, so they do not throw saved rolls: %1.")
            .arg(keys.join(QStringLiteral(", ")));
    // From the event loop: at start, once the strip shows, beside it.
    QTimer::singleShot(0, &Rollkin(), [this, message] {
        if (!ended_) Screen.Notice(message);
    });
}

void Program::ThrowSavedByKey(int number) {
    // The strip's saved buttons in its order, which are the rolls that can be thrown.
    if (ended_ || !rollkin_ || number < 1 || number > rollkin_->SavedButtons()) return;
    rollkin_->ThrowDown(LastSlot + number);
    rollkin_->ThrowUp(LastSlot + number);
}

void Program::SavedRollsEdited(const SavedRolls& rolls) {
    Saved = rolls;
    Rollkin().ShowSavedRolls(Saved);
    KeepSavedRolls();
}

frmShare& Program::ShareWindow() {
    if (share_) return *share_;
    share_ = std::make_unique<frmShare>(Screen);
    QObject::connect(share_.get(), &frmShare::Changed, [this](const ShareSettings& settings) {
        SetSharing(settings);
        KeepSharing();
    });
    QObject::connect(
        share_.get(), &frmShare::TestAsked,
        [this](const QString& webhook, const QByteArray& message) { PostTest(webhook, message); });
    return *share_;
}

void Program::KeepSharing() {
    // Kept whatever "Remember Settings" says: entering an address is asking to keep it.
    // Nothing changed (the defaults and no file among them) writes nothing.
    if (file_ && sharing_ != ShareSettings::FromMap(file_->Group(QStringLiteral("Share"))))
        KeepGroup(QStringLiteral("Share"), sharing_.ToMap());
}

void Program::SetSharing(const ShareSettings& settings) {
    sharing_ = settings;
    // An address from the settings file may be one the window would have refused.
    if (const auto refusal = WebhookUrl::Refusal(sharing_.webhook); refusal && sharing_.Posting()) {
        SharingStopped(*refusal);
        return;
    }
    // The queue and its transport come at the first throw posted, not before.
    if (!sharing_.Posting() || !queue_) return;
    transport_->SetUrl(QUrl(sharing_.webhook));
    queue_->Restart();
}

TransportModule::Loaded Program::NewTransport() const {
    return transports_ ? transports_() : TransportModule::New({});
}

ShareQueue* Program::Queue() {
    if (queue_) return queue_.get();
    TransportModule::Loaded loaded = NewTransport();
    if (!loaded.transport) {
        SharingStopped(loaded.message);
        return nullptr;
    }
    transport_ = std::move(loaded.transport);
    shareClock_ = std::make_unique<TimerClock>();
    transport_->SetUrl(QUrl(sharing_.webhook));
    const auto report = [this](std::uint64_t serial, ShareQueue::State state, const QString& why) {
        using Post = ThrowHistory::Post;
        const Post post = state == ShareQueue::State::Sent      ? Post::Sent
                          : state == ShareQueue::State::Waiting ? Post::Waiting
                                                                : Post::NotSent;
        Throws().Mark(serial, post, why.toStdString());
    };
    queue_ =
        std::make_unique<ShareQueue>(*shareClock_, *transport_, report,
                                     [this](const QString& message) { SharingStopped(message); });
    return queue_.get();
}

void Program::ShareThrow(const QString& plainLine, ThrowSource source) {
    if (!sharing_.Wants(source)) return;
    const QString content = ShareContent(sharing_.name, plainLine);
    if (sharing_.copyToClipboard) QGuiApplication::clipboard()->setText(content);
    if (ShareQueue* queue = sharing_.Posting() ? Queue() : nullptr)
        queue->Add(WebhookMessage(content), Throws().Newest());
}

void Program::SharingStopped(const QString& message) {
    sharing_.enabled = false;
    KeepSharing();  // switched off until the player saves the Share window again
    // Told from the event loop, not from within the answer that stopped posting.
    QTimer::singleShot(0, &Menu(), [this, message] {
        if (!ended_) Screen.Notice(message);
    });
}

void Program::PostTest(const QString& webhook, const QByteArray& message) {
    if (!testTransport_) {
        TransportModule::Loaded loaded = NewTransport();
        if (!loaded.transport) {
            if (share_) share_->ShowAnswer(Answer{0, loaded.error, {}, {}, {}, {}}, webhook);
            return;
        }
        testTransport_ = std::move(loaded.transport);
    }
    testTransport_->SetUrl(QUrl(webhook));
    testTransport_->Post(message, [this, webhook](const Answer& answer) {
        if (share_) share_->ShowAnswer(answer, webhook);
    });
}

TwipsRect Program::StripRect() {
    const frmRollkin& strip = Rollkin();
    return {strip.Left(), strip.Top(), strip.Width(), strip.Height()};
}

void Program::TrackScroller() {
    Scroller().TrackScroller(StripRect());
}

void Program::OpenScroller(int slot) {
    Scroller().OpenScroller(slot, StripRect(), Screen.MonitorOf(Rollkin()));
}

void Program::ApplyLayout() {
    const functions::StripLayout layout = functions::ApplyLayout(State, Rollkin().SavedButtons());
    Menu().SetRefreshInterval(layout.refreshInterval);
    Scroller().SetMultiplierRange(layout.multiplierRange);
    Rollkin().ShowLayout(layout);
}

void Program::ShowAbout() {
    frmAbout about(Screen);
    Screen.ShowModal(about);
}

void Program::PopupMenuBeside(Long stripLeft, Long stripRight, Long top) {
    QMenu& menu = *Menu().mnuHidden;
    Menu().StartOnFirstItem();
    const auto screenWidth = static_cast<Long>(Screen.ScreenWidth() / Screen.TwipsPerPixelX());
    Screen.PopupMenuAt(
        menu, functions::MenuLeft(stripLeft, stripRight, menu.sizeHint().width(), screenWidth),
        top);
}

void Program::BringForward() {
    if (ended_) return;
    frmRollkin& strip = Rollkin();
    strip.MonitorsChanged();  // placed again: by its anchor, or onto the nearest monitor
    Screen.BringForward(strip);
}

void Program::End() {
    if (ended_) return;
    ended_ = true;
    if (menu_) menu_->StopTimers();
    Screen.EndProgram();
}

}  // namespace rollkin
