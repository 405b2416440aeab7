#include "app/Program.h"

#include <QApplication>
#include <QDate>
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
#include "state/ThrowHistory.h"

namespace rollkin {

namespace {

void ShowCharacters(frmMenu& menu, const SavedRollsModel& saved) {
    QStringList names;
    for (int i = 0; i < static_cast<int>(saved.Characters().size()); ++i)
        names << saved.ShownName(i);
    menu.ShowCharacters(names, saved.CurrentIndex());
}

}  // namespace

Program::Program(Desktop& desktop, Random& rng, Transports transports)
    : rng_(rng),
      screen_(desktop),
      saved_(std::make_unique<SavedRollsModel>()),
      settings_(std::make_unique<SettingsKeeper>(*saved_)),
      share_(std::make_unique<ShareController>(std::move(transports))) {
    WireParts();
}

Program::~Program() {
    screen_.ReleaseGlobalKeys();  // no key reaches a program that is gone
    // The host of the timers goes first, so that no timer can fire into a destroyed strip.
    menu_.reset();
    share_.reset();  // posts on their way are dropped, and mark nothing
    shareWindow_.reset();
    rolls_.reset();
    history_.reset();  // before the throws it shows
    throws_.reset();
    scroller_.reset();
    rollkin_.reset();
}

void Program::WireParts() {
    SettingsKeeper* settings = settings_.get();
    settings->SetPlace([this] { return PlaceToRemember(); });
    QObject::connect(settings, &SettingsKeeper::Notice,
                     [this](const QString& message) { Tell(message); });
    QObject::connect(saved_.get(), &SavedRollsModel::Changed, settings,
                     &SettingsKeeper::KeepSavedRolls);
    QObject::connect(saved_.get(), &SavedRollsModel::Changed, [this] {
        if (rollkin_) rollkin_->ShowSavedRolls(saved_->Rolls());
    });
    ShareController* share = share_.get();
    QObject::connect(saved_.get(), &SavedRollsModel::CharactersChanged, [this] {
        share_->SetCharacterName(QString::fromStdString(saved_->Current().shareName));
        if (menu_) ShowCharacters(*menu_, *saved_);
    });
    QObject::connect(share, &ShareController::KeepAsked, settings, &SettingsKeeper::KeepGroup);
    QObject::connect(share, &ShareController::Stopped,
                     [this](const QString& message) { Tell(message); });
    QObject::connect(share, &ShareController::CopyAsked,
                     [this](const QString& text) { screen_.CopyText(text); });
    QObject::connect(share, &ShareController::Marked,
                     [this](std::uint64_t serial, ThrowHistory::Post post, const QString& why) {
                         Throws().Mark(serial, post, why.toStdString());
                     });
    QObject::connect(share, &ShareController::TestAnswered,
                     [this](const Answer& answer, const QString& webhook) {
                         if (shareWindow_) shareWindow_->ShowAnswer(answer, webhook);
                     });
}

void Program::Start() {
    settings_->Open();
    share_->Start(settings_->Group(ShareController::Group()));
    rollkin_ = std::make_unique<frmRollkin>(settings_->State(), rng_, screen_);
    frmRollkin* strip = rollkin_.get();
    screen_.SetStrip(*strip);
    QObject::connect(strip, &frmRollkin::SettingsStarted, [this] { TakeRememberedSettings(); });
    QObject::connect(strip, &frmRollkin::Moved, [this] { settings_->KeepSettings(); });
    QObject::connect(strip, &frmRollkin::MultipliersChanged, [this] {
        if (settings_->State().MultiplierPermanent) settings_->KeepSettings();
    });
    QObject::connect(strip, &frmRollkin::PopupMenuAsked,
                     [this] { screen_.PopupMenu(*Menu().mnuHidden); });
    QObject::connect(
        strip, &frmRollkin::PopupMenuBesideAsked,
        [this](Long left, Long right, Long top) { PopupMenuBeside(left, right, top); });
    QObject::connect(strip, &frmRollkin::AboutAsked, [this] { ShowAbout(); });
    QObject::connect(strip, &frmRollkin::ExitAsked, [this] { End(); });
    QObject::connect(strip, &frmRollkin::Thrown, [this](const ThrowRecord& record) {
        Throws().Add(record, static_cast<int>(screen_.TimeOfDay()), Today());
        if (share_->Sharing().Posting() || share_->Sharing().copyToClipboard)
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
    strip->SetSavedRolls(saved_->Rolls());
    strip->Form_Load();
    if (settings_->Remembered()) ApplyLayout();  // the remembered dice, height and refresh time
    if (settings_->GlobalKeys()) TakeGlobalKeys(true);
    screen_.WatchMonitors([strip] { strip->MonitorsChanged(); });
    if (const QString prompt = settings_->OpenedMessage(); !prompt.isEmpty()) {
        // Once the strip shows, beside it.
        QTimer::singleShot(0, strip, [this, prompt] { Tell(prompt); });
    }
}

void Program::Tell(const QString& message) {
    if (!ended_) screen_.Notice(message);
}

void Program::TakeRememberedSettings() {
    const std::optional<QPoint> at = settings_->TakeRemembered();
    if (!at) return;
    frmRollkin& strip = Rollkin();
    // Shown whole, on the monitor nearest the place (which may be on one since gone).
    const QPoint to = functions::WholeOnNearestMonitor(*at, strip.size(), screen_.Monitors());
    strip.SetLeft(PixelsToTwips(to.x(), strip.TwipsPerPixelX()));
    strip.SetTop(PixelsToTwips(to.y(), strip.TwipsPerPixelY()));
}

QPoint Program::PlaceToRemember() {
    frmRollkin& strip = Rollkin();
    // A strip dragged partly off every monitor stays there for this run; the next starts with
    // it whole on the nearest.
    return functions::WholeOnNearestMonitor(strip.pos(), strip.size(), screen_.Monitors());
}

frmRollkin& Program::Rollkin() {
    if (!rollkin_) throw std::logic_error("the program has not been started");
    return *rollkin_;
}

frmMenu& Program::Menu() {
    if (menu_) return *menu_;
    menu_ = std::make_unique<frmMenu>(settings_->State(), screen_);
    frmMenu* menu = menu_.get();
    QObject::connect(menu, &frmMenu::RefreshDue,
                     [this](int index) { Rollkin().ShowFaceLabel(index); });
    QObject::connect(menu, &frmMenu::Configured, [this] {
        if (ended_) return;
        ApplyLayout();
        settings_->KeepSettings();
        // On top or not, as the strip.
        if (history_) history_->FollowStrip(Rollkin());
        if (rolls_) FollowStrip(*rolls_, Rollkin());
        if (shareWindow_) FollowStrip(*shareWindow_, Rollkin());
    });
    QObject::connect(menu, &frmMenu::ExitAsked, [this] { End(); });
    QObject::connect(menu, &frmMenu::AboutAsked, [this] { ShowAbout(); });
    QObject::connect(menu, &frmMenu::RollAsked, [this] { Rolls().Open(Rollkin()); });
    QObject::connect(menu, &frmMenu::ShareAsked,
                     [this] { ShareWindow().Open(Rollkin(), share_->Sharing()); });
    QObject::connect(menu, &frmMenu::HistoryAsked, [this] { History().Open(Rollkin()); });
    menu->mnuRemember->setChecked(settings_->Remembered());
    QObject::connect(menu, &frmMenu::RememberAsked, settings_.get(), &SettingsKeeper::Remember);
    ShowCharacters(*menu, *saved_);
    QObject::connect(menu, &frmMenu::CharacterAsked, saved_.get(), &SavedRollsModel::SetCurrent);
    return *menu_;
}

frmScroller& Program::Scroller() {
    if (!scroller_) scroller_ = std::make_unique<frmScroller>(settings_->State(), screen_);
    return *scroller_;
}

ThrowHistory& Program::Throws() {
    if (!throws_) throws_ = std::make_unique<ThrowHistory>();
    return *throws_;
}

frmHistory& Program::History() {
    if (!history_) history_ = std::make_unique<frmHistory>(Throws(), screen_);
    return *history_;
}

frmRoll& Program::Rolls() {
    if (rolls_) return *rolls_;
    rolls_ = std::make_unique<frmRoll>(rng_, screen_, *saved_);
    QObject::connect(rolls_.get(), &frmRoll::Rolled, [this](const RollLines& lines) {
        AddRoll(lines);
        ShareThrow(QString::fromStdString(lines.plain), ThrowSource::RollWindow);
    });
    rolls_->ShowGlobalKeys(settings_->GlobalKeys());
    QObject::connect(rolls_.get(), &frmRoll::GlobalKeysChosen, [this](bool on) {
        settings_->SetGlobalKeys(on);
        TakeGlobalKeys(on);
    });
    return *rolls_;
}

std::int32_t Program::Today() {
    return static_cast<std::int32_t>(QDate(1970, 1, 1).daysTo(QDate::currentDate()));
}

void Program::AddRoll(const RollLines& lines) {
    Throws().Add(lines, static_cast<int>(screen_.TimeOfDay()), Today());
}

void Program::TakeGlobalKeys(bool on) {
    if (!on) return screen_.ReleaseGlobalKeys();
    if (!screen_.CanGrabGlobalKeys(nullptr)) return;  // the Rolls window says why
    const QList<int> refused = screen_.GrabGlobalKeys([this](int n) { ThrowSavedByKey(n); });
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
        if (!ended_) screen_.Notice(message);
    });
}

void Program::ThrowSavedByKey(int number) {
    // The strip's saved buttons in its order, which are the rolls that can be thrown.
    if (ended_ || !rollkin_ || number < 1 || number > rollkin_->SavedButtons()) return;
    // While Configure or About waits for an answer the strip takes no click, nor a key.
    if (QApplication::activeModalWidget() != nullptr) return;
    rollkin_->ThrowDown(LastSlot + number);
    rollkin_->ThrowUp(LastSlot + number);
}

frmShare& Program::ShareWindow() {
    if (shareWindow_) return *shareWindow_;
    shareWindow_ = std::make_unique<frmShare>(screen_);
    QObject::connect(shareWindow_.get(), &frmShare::Changed, share_.get(),
                     &ShareController::Change);
    QObject::connect(shareWindow_.get(), &frmShare::TestAsked, share_.get(),
                     &ShareController::PostTest);
    return *shareWindow_;
}

void Program::ShareThrow(const QString& plainLine, ThrowSource source) {
    share_->ShareThrow(plainLine, source, Throws().Newest());
}

TwipsRect Program::StripRect() {
    const frmRollkin& strip = Rollkin();
    return {strip.Left(), strip.Top(), strip.Width(), strip.Height()};
}

void Program::TrackScroller() {
    Scroller().TrackScroller(StripRect());
}

void Program::OpenScroller(int slot) {
    Scroller().OpenScroller(slot, StripRect(), screen_.MonitorOf(Rollkin()));
}

void Program::ApplyLayout() {
    const functions::StripLayout layout =
        functions::ApplyLayout(settings_->State(), Rollkin().SavedButtons());
    Menu().SetRefreshInterval(layout.refreshInterval);
    Scroller().SetMultiplierRange(layout.multiplierRange);
    Rollkin().ShowLayout(layout);
}

void Program::ShowAbout() {
    frmAbout about(screen_);
    screen_.ShowModal(about);
}

void Program::PopupMenuBeside(Long stripLeft, Long stripRight, Long top) {
    QMenu& menu = *Menu().mnuHidden;
    Menu().StartOnFirstItem();
    const auto screenWidth = static_cast<Long>(screen_.ScreenWidth() / screen_.TwipsPerPixelX());
    screen_.PopupMenuAt(
        menu, functions::MenuLeft(stripLeft, stripRight, menu.sizeHint().width(), screenWidth),
        top);
}

void Program::BringForward() {
    if (ended_) return;
    frmRollkin& strip = Rollkin();
    strip.MonitorsChanged();  // placed again: by its anchor, or onto the nearest monitor
    screen_.BringForward(strip);
}

void Program::End() {
    if (ended_) return;
    ended_ = true;
    if (menu_) menu_->StopTimers();
    screen_.EndProgram();
}

}  // namespace rollkin
