#include "app/Program.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <stdexcept>

#include "forms/BesideStrip.h"
#include "forms/frmAbout.h"
#include "forms/frmHistory.h"
#include "forms/frmMenu.h"
#include "forms/frmRoll.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "forms/frmShare.h"
#include "layout/StripLayout.h"
#include "share/Network.h"
#include "share/ShareQueue.h"
#include "state/ThrowHistory.h"

namespace rollkin {

Program::Program(Desktop& desktop, Random& rng) : Rnd(rng), Screen(desktop) {}

Program::~Program() {
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
    rollkin_ = std::make_unique<frmRollkin>(State, Rnd, Screen);
    frmRollkin* strip = rollkin_.get();
    Screen.SetStrip(*strip);
    QObject::connect(strip, &frmRollkin::PopupMenuAsked,
                     [this] { Screen.PopupMenu(*Menu().mnuHidden); });
    QObject::connect(
        strip, &frmRollkin::PopupMenuBesideAsked,
        [this](Long left, Long right, Long top) { PopupMenuBeside(left, right, top); });
    QObject::connect(strip, &frmRollkin::AboutAsked, [this] { ShowAbout(); });
    QObject::connect(strip, &frmRollkin::ExitAsked, [this] { End(); });
    QObject::connect(strip, &frmRollkin::Thrown, [this](const ThrowRecord& record) {
        Throws().Add(record, static_cast<int>(Screen.TimeOfDay()));
        if (sharing_.Posting() || sharing_.copyToClipboard)
            ShareThrow(QString::fromStdString(ThrowLine(record)), ThrowSource::DiceButton);
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
    strip->Form_Load();
    Screen.WatchMonitors([strip] { strip->MonitorsChanged(); });
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
    QObject::connect(
        rolls_.get(), &frmRoll::Rolled, [this](const QString& line, const QString& markup) {
            Throws().Add(ThrowHistory::RollLines{line.toStdString(), markup.toStdString()},
                         static_cast<int>(Screen.TimeOfDay()));
            ShareThrow(line, ThrowSource::RollWindow);
        });
    return *rolls_;
}

frmShare& Program::ShareWindow() {
    if (share_) return *share_;
    share_ = std::make_unique<frmShare>(Screen);
    QObject::connect(share_.get(), &frmShare::Changed,
                     [this](const ShareSettings& settings) { SetSharing(settings); });
    QObject::connect(
        share_.get(), &frmShare::TestAsked,
        [this](const QString& webhook, const QByteArray& message) { PostTest(webhook, message); });
    return *share_;
}

void Program::SetSharing(const ShareSettings& settings) {
    sharing_ = settings;
    // An address from the settings file may be one the window would have refused.
    if (const auto refusal = WebhookUrl::Refusal(sharing_.webhook); refusal && sharing_.Posting()) {
        SharingStopped(*refusal);
        return;
    }
    if (!sharing_.Posting()) return;
    Queue();
    transport_->SetUrl(QUrl(sharing_.webhook));
    queue_->Restart();
}

ShareQueue& Program::Queue() {
    if (queue_) return *queue_;
    shareClock_ = std::make_unique<TimerClock>();
    transport_ = std::make_unique<NetworkTransport>();
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
    return *queue_;
}

void Program::ShareThrow(const QString& plainLine, ThrowSource source) {
    if (!sharing_.Wants(source)) return;
    const QString content = ShareContent(sharing_.name, plainLine);
    if (sharing_.copyToClipboard) QGuiApplication::clipboard()->setText(content);
    if (sharing_.Posting()) Queue().Add(WebhookMessage(content), Throws().Newest());
}

void Program::SharingStopped(const QString& message) {
    sharing_.enabled = false;
    // Told from the event loop, not from within the answer that stopped posting.
    QTimer::singleShot(0, &Menu(), [this, message] {
        if (!ended_) Screen.MsgBox(message, MsgOkOnly | MsgInformation);
    });
}

void Program::PostTest(const QString& webhook, const QByteArray& message) {
    if (!testTransport_) testTransport_ = std::make_unique<NetworkTransport>();
    testTransport_->SetUrl(QUrl(webhook));
    testTransport_->Post(message, [this](const Answer& answer) {
        if (share_) share_->ShowAnswer(answer);
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
    const functions::StripLayout layout = functions::ApplyLayout(State);
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

void Program::End() {
    if (ended_) return;
    ended_ = true;
    if (menu_) menu_->StopTimers();
    Screen.EndProgram();
}

}  // namespace rollkin
