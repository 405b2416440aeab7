#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <memory>

#include "platform/Desktop.h"
#include "platform/Units.h"
#include "settings/SavedRollsModel.h"
#include "settings/SettingsKeeper.h"
#include "share/ShareController.h"
#include "state/AppState.h"
#include "state/Random.h"
#include "state/Roll.h"

namespace rollkin {

class frmRollkin;
class frmMenu;
class frmScroller;
class frmHistory;
class frmRoll;
class ThrowHistory;
class frmShare;

// One run of the program: the desktop, the generator, and the parts that live for the whole
// run: the settings keeper (with the shared state), the saved rolls, Share's posting and the
// windows. The windows and the parts say what happened with signals; this is the one place that
// creates them and connects them to whoever acts. A window other than the strip is created,
// hidden, at its first reference.
class Program final {
    Q_DECLARE_TR_FUNCTIONS(Program)

public:
    // Where Share's transports come from: the network module in a run, a stand-in in tests.
    using Transports = ShareController::Transports;

    Program(Desktop& desktop, Random& rng, Transports transports = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Reads the settings file, creates the strip, tells the desktop which window it is, wires
    // it and runs its Form_Load, which shows it.
    void Start();

    // The settings file's keeper, and the state every window shares.
    SettingsKeeper& Settings() { return *settings_; }
    // The player's saved rolls, throwable or not, as kept.
    SavedRollsModel& Saved() { return *saved_; }
    // Posting throws to the group's chat.
    ShareController& Share() { return *share_; }

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

    // A throw, once in History as its newest line, to Share.
    void ShareThrow(const QString& plainLine, ThrowSource source);

    // The scroller beside the strip: following the cursor, opening for a slot.
    void TrackScroller();
    void OpenScroller(int slot);

    // Puts the settings into effect on the strip, the timers and the scroller.
    void ApplyLayout();

    // The strip comes forward, back onto a monitor if it was left off every one: the program
    // was started again.
    void BringForward();

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
    // The remembered set-up over the start values, while the strip loads; a free strip whole on
    // the monitor nearest its remembered place.
    void TakeRememberedSettings();
    // The free strip's place as kept: whole on a monitor.
    QPoint PlaceToRemember();
    // A notice beside the strip, which neither blocks it nor takes the typing.
    void Tell(const QString& message);
    // The parts' signals to whoever acts.
    void WireParts();
    // Takes Ctrl+Alt+1 to 9 from the desktop or gives them back; the keys another program holds
    // are said in one notice.
    void TakeGlobalKeys(bool on);
    // Ctrl+Alt+n from any window throws the strip's saved button n as a click on it would.
    void ThrowSavedByKey(int number);

    Random& rng_;
    Desktop& screen_;
    std::unique_ptr<SavedRollsModel> saved_;
    std::unique_ptr<SettingsKeeper> settings_;
    std::unique_ptr<ShareController> share_;
    std::unique_ptr<frmRollkin> rollkin_;
    std::unique_ptr<frmMenu> menu_;
    std::unique_ptr<frmScroller> scroller_;
    std::unique_ptr<ThrowHistory> throws_;
    std::unique_ptr<frmHistory> history_;
    std::unique_ptr<frmRoll> rolls_;
    std::unique_ptr<frmShare> shareWindow_;
    bool ended_ = false;
};

}  // namespace rollkin
