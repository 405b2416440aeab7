#pragma once

#include <QCoreApplication>
#include <QVariantMap>
#include <functional>
#include <memory>

#include "platform/Desktop.h"
#include "platform/Units.h"
#include "share/TransportModule.h"
#include "share/Webhook.h"
#include "state/AppState.h"
#include "state/Random.h"
#include "state/Roll.h"
#include "state/SavedRolls.h"

namespace rollkin {

class frmRollkin;
class frmMenu;
class frmScroller;
class frmHistory;
class frmRoll;
class ThrowHistory;
class SettingsFile;
class frmShare;
class ShareQueue;
class TimerClock;

// One run of the program: the shared state, the generator, the desktop, and the windows that
// live for the whole run. The windows say what the user asked for with signals; this is the one
// place that connects them to whoever acts. A window other than the strip is created, hidden,
// at its first reference.
class Program final {
    Q_DECLARE_TR_FUNCTIONS(Program)

public:
    // Where Share's transports come from: the network module in a run, a stand-in in tests.
    // Without one nothing is ever posted: posting stops at the first throw, with a message.
    using Transports = std::function<TransportModule::Loaded()>;

    Program(Desktop& desktop, Random& rng, Transports transports = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Reads the settings file, creates the strip, tells the desktop which window it is, wires
    // it and runs its Form_Load, which shows it.
    void Start();

    // Writes `Saved` to the settings file, whatever "Remember Settings" says: a player who
    // makes a saved roll asks to keep it.
    void KeepSavedRolls();
    // Waits for the settings file's writes on their way, and tells how they ended.
    void SettleSettings();

    AppState State;
    // The player's saved rolls, throwable or not, as kept.
    SavedRolls Saved;
    Random& Rnd;
    Desktop& Screen;

    // The strip, once started.
    frmRollkin& Rollkin();
    // The hidden host of the popup menu and the refresh timers.
    frmMenu& Menu();
    // The multiplier scroller.
    frmScroller& Scroller();
    // The throws of the run, created at the first throw.
    ThrowHistory& Throws();
    // The history window, created at its first opening.
    frmHistory& History();
    // The Roll window, created at its first opening.
    frmRoll& Rolls();
    // The Share window, created at its first opening.
    frmShare& ShareWindow();

    // How throws reach the group's chat. Held for the run; SetSharing changes it.
    const ShareSettings& Sharing() const { return sharing_; }
    void SetSharing(const ShareSettings& settings);
    // Posts a throw (and copies it) as the settings ask. Called once the throw is in History,
    // whose newest line it marks as waiting, then posted or not sent.
    void ShareThrow(const QString& plainLine, ThrowSource source);

    // The scroller beside the strip: following the cursor, opening for a slot.
    void TrackScroller();
    void OpenScroller(int slot);

    // Puts the settings into effect on the strip, the timers and the scroller.
    void ApplyLayout();

    // The strip comes forward, back onto a monitor if it was left off every one: the program
    // was started again.
    void BringForward();

    // The player changed the saved rolls in the Rolls window: they are the program's now, and
    // the strip shows them at once.
    void SavedRollsEdited(const SavedRolls& rolls);

    // Ends the run at once: every window closes. Handlers that return afterwards do nothing more.
    void End();
    bool Ended() const { return ended_; }

private:
    TwipsRect StripRect();
    // Today, as days from 1970-01-01, for the history's dates.
    static std::int32_t Today();
    // A roll's line, from the Roll window or a saved roll's button, into History.
    void AddRoll(const RollLines& lines);
    void ShowAbout();
    void PopupMenuBeside(Long stripLeft, Long stripRight, Long top);
    // The remembered set-up over the start values, while the strip loads.
    void TakeRememberedSettings();
    // What the player is told of the settings file at start; empty when nothing is wrong.
    QString OpenedMessage(int opened) const;
    // Writes the set-up, when the player asked to remember it.
    void KeepSettings();
    // The free strip's place as kept: whole on a monitor.
    QPoint PlaceToRemember();
    void Remember(bool remember);
    // Every message about the settings file passes here: a notice beside the strip, which
    // neither blocks it nor takes the typing.
    void TellAboutFile(const QString& message);
    // One message for a file that cannot be written, until a write succeeds again. Told by the
    // settings file as each write ends.
    void Written(bool ok);
    // None when the network module cannot be loaded: then posting is switched off, and said.
    ShareQueue* Queue();
    TransportModule::Loaded NewTransport() const;
    void PostTest(const QString& webhook, const QByteArray& message);
    void SharingStopped(const QString& message);
    // The Share settings into the settings file, when they differ from what it holds.
    void KeepSharing();
    // Replaces a group of the settings file (Share's), whatever "Remember Settings" says.
    void KeepGroup(const QString& name, const QVariantMap& values);
    // Takes Ctrl+Alt+1 to 9 from the desktop or gives them back; the keys another program holds
    // are said in one notice.
    void TakeGlobalKeys(bool on);
    // Ctrl+Alt+n from any window throws the strip's saved button n as a click on it would.
    void ThrowSavedByKey(int number);

    std::unique_ptr<frmRollkin> rollkin_;
    std::unique_ptr<frmMenu> menu_;
    std::unique_ptr<frmScroller> scroller_;
    std::unique_ptr<ThrowHistory> throws_;
    std::unique_ptr<frmHistory> history_;
    std::unique_ptr<frmRoll> rolls_;
    std::unique_ptr<SettingsFile> file_;
    bool remember_ = false;
    bool writeFailing_ = false;
    std::unique_ptr<frmShare> share_;
    ShareSettings sharing_;
    std::unique_ptr<TimerClock> shareClock_;
    Transports transports_;
    std::unique_ptr<WebhookTransport> transport_;
    std::unique_ptr<WebhookTransport> testTransport_;
    std::unique_ptr<ShareQueue> queue_;
    bool globalKeys_ = false;  // as chosen in the Rolls window
    bool ended_ = false;
};

}  // namespace rollkin
