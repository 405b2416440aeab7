#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "state/AppState.h"

class QDialog;
class QMenu;
class QWidget;

namespace rollkin {

// Insert-after handles of the placement call.
enum class InsertAfter { Topmost = -1, NoTopmost = -2 };

// Placement flags.
constexpr unsigned SWP_NOACTIVATE = 0x10;
constexpr unsigned SWP_SHOWWINDOW = 0x40;
constexpr unsigned PlacementFlags = SWP_SHOWWINDOW | SWP_NOACTIVATE;

// Program-wide mouse pointers.
constexpr int PointerDefault = 0;
constexpr int PointerMove = 5;

// Message box styles.
constexpr int MsgOkOnly = 0;
constexpr int MsgInformation = 64;

// Every window title of a message box.
inline constexpr const char* AppTitle = "DiceRollkin";

// What the program needs of the desktop, in the units it needs: screens, the cursor, the
// clipboard, window placement, menus, dialogs and messages. The windows reach the screens and the
// clipboard through it alone; tests use a recording double.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The strip: the window that MonitorOf follows and that the dialogs and message boxes open
    // over.
    virtual void SetStrip(QWidget& strip) = 0;

    // Screen width in twips (full screen, no allowance for panels).
    virtual float ScreenWidth() const = 0;
    // The monitor, in pixels of the whole desktop, that holds the centre of the window; the
    // primary monitor while the window has not been placed yet, or when no monitor holds it.
    virtual QRect MonitorOf(const QWidget& window) const = 0;
    // Every monitor, in pixels of the whole desktop, the primary first.
    virtual std::vector<QRect> Monitors() const = 0;
    // Calls `changed` once the monitors have changed (one added, removed or resized, or the
    // screen resized), once for a burst of changes. Then brings back any other window of the
    // program left off every monitor, centred on the monitor of the window placed last.
    virtual void WatchMonitors(std::function<void()> changed) = 0;
    // Twips per pixel: 1440 / the desktop's logical dots per inch.
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;

    // The strip and its scroller are drawn smaller, in proportion, while the strip's design
    // height does not fit its monitor: their twips per pixel are the desktop's over this scale,
    // which is 1 whenever the strip fits.
    float StripScale() const { return stripScale_; }
    void SetStripScale(float scale) { stripScale_ = scale; }
    float StripTwipsPerPixelX() const { return TwipsPerPixelX() / stripScale_; }
    float StripTwipsPerPixelY() const { return TwipsPerPixelY() / stripScale_; }

    // Cursor position in screen pixels; false when it cannot be read (pt is then left as it was).
    virtual bool GetCursorPos(PointL& pt) = 0;
    // Moves the cursor; false when it did not get there.
    virtual bool SetCursorPos(Long x, Long y) = 0;
    // The time of day in seconds since local midnight, the generator's seed at start-up.
    virtual float TimeOfDay() const = 0;

    // Shows, moves and sizes a top-level window in pixels, in or out of the topmost band.
    virtual void SetWindowPos(QWidget& window, InsertAfter after, Long x, Long y, Long cx, Long cy,
                              unsigned flags) = 0;

    // Shows the window and raises it above the others: the strip, when the program is started
    // again while it runs.
    virtual void BringForward(QWidget& window) = 0;

    // The pointer shape for every window of the program (PointerDefault or PointerMove).
    virtual void SetMousePointer(int pointer) = 0;

    // A message box titled AppTitle; returns when dismissed.
    virtual void MsgBox(const QString& prompt, int style) = 0;
    // A message beside the strip, as plain text, that neither takes the focus nor blocks
    // anything: throws, keys and a screen reader's actions go on while it shows. Returns at once;
    // a second notice joins the one showing. Gone on a click.
    virtual void Notice(const QString& text) = 0;

    // Pops the menu's items up at the cursor; returns once the menu has closed and the chosen
    // item's handler has run.
    virtual void PopupMenu(QMenu& menu) = 0;
    // The same, with the menu's top left corner at a screen point in pixels (a menu opened from
    // the keyboard, where the cursor may be anywhere).
    virtual void PopupMenuAt(QMenu& menu, Long x, Long y) = 0;

    // Shows a dialog modally, centred on the strip's monitor (the primary one before there is a
    // strip); returns once it has been closed.
    virtual void ShowModal(QDialog& dialog) = 0;
    // Asks for a file to write, with a dialog over the window offering the name filters ("Text
    // (*.txt);;CSV (*.csv)"), opened at `suggested` (a folder and a name). The name gets the
    // suffix of the type chosen when it has none, or another type's. Empty when the player
    // cancels.
    virtual QString SaveFileName(QWidget& over, const QString& caption, const QString& suggested,
                                 const QString& filters) = 0;

    // Ends the run: every window closes and the event loop returns with status 0.
    virtual void EndProgram() = 0;

    // Keys from anywhere: Ctrl+Alt+1 to Ctrl+Alt+9 taken from the whole desktop, so that they
    // reach the program while another window keeps the focus.
    // Whether this desktop lets the program take them; if not, *reason (when given) says why,
    // in words for the player.
    virtual bool CanGrabGlobalKeys(QString* reason) const = 0;
    // Takes the keys, with NumLock and CapsLock on or off, in place of any taken before; then
    // `pressed` is called with 1 to 9 at each press. Returns the numbers of those another
    // program holds, which stay unheard; the others work.
    virtual QList<int> GrabGlobalKeys(std::function<void(int)> pressed) = 0;
    // Gives back every key taken; `pressed` is not called again.
    virtual void ReleaseGlobalKeys() = 0;

    // The part of the monitor the window is on that other windows may take (without the
    // desktop's panels), in pixels of the whole desktop; null when there is no screen.
    virtual QRect WorkAreaOf(const QWidget& window) const = 0;
    // Puts the text on the clipboard, in place of what was there.
    virtual void CopyText(const QString& text) = 0;

private:
    float stripScale_ = 1;
};

}  // namespace rollkin
