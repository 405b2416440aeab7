#pragma once

#include <QObject>

#include "forms/DiceButton.h"
#include "forms/TwipsWindow.h"
#include "layout/StripLayout.h"
#include "state/AppState.h"
#include "state/Dice.h"
#include "state/Roll.h"
#include "state/SavedRolls.h"

namespace rollkin {

class Random;
class SavedStrip;

// The main window: a borderless strip of the ten dice buttons, slot 1 at the top, and the saved
// rolls' buttons under them (numbered on from LastSlot + 1). What it cannot
// do itself (the menu, the scroller, the refresh timers, the history, ending the run) it asks
// for with a signal.
class frmRollkin final : public TwipsWindow {
    Q_OBJECT

public:
    frmRollkin(AppState& state, Random& rng, Desktop& screen);
    ~frmRollkin() override;

    DiceButton& cmdDice(int index) const { return *buttons_(index); }
    // A dice button or, past LastSlot, a saved roll's button; ButtonCount() is the last index.
    DiceButton& ButtonAt(int index) const;
    int ButtonCount() const;
    int SavedButtons() const;

    // The saved rolls' buttons, before Form_Load: Form_Load shows them.
    void SetSavedRolls(const SavedRolls& rolls);
    // The saved rolls' buttons now: the strip grows or shrinks and keeps its anchor (a free
    // strip its upper left corner).
    void ShowSavedRolls(const SavedRolls& rolls);

    void SetHeight(float twips);
    // Draws the strip at the largest scale at which heightTwips fits its monitor (1 when it
    // fits at the desktop's size).
    void FitMonitor(float heightTwips);

    // Repaints at once.
    void Refresh();

    void Form_Load();
    // The monitors changed: an anchored strip goes to its anchor on the monitor that now holds
    // it; a free one left off every monitor comes onto the nearest.
    void MonitorsChanged();
    void Form_KeyDown(Integer keyCode, Integer shift);
    void Form_Unload();

    void cmdDice_MouseDown(int index, Integer button, Integer shift, float x, float y);
    void cmdDice_MouseMove(int index, Integer button, Integer shift, float x, float y);
    void cmdDice_MouseUp(int index, Integer button, Integer shift, float x, float y);
    // Hands a button's gesture to its handler.
    void cmdDice_Mouse(MouseAction action, int index, Integer button, Integer shift, float x,
                       float y);

    // Shows the strip where the settings put it, through the desktop.
    void PlaceMainWindow();
    // Shows and hides the buttons as laid out, sizes the strip, repaints and places it.
    void ShowLayout(const functions::StripLayout& layout);
    // The slot's face label (or a saved roll's name) again, in place of a total.
    void ShowFaceLabel(int index);

    // A right gesture whose release went to a menu or dialog opened meanwhile is abandoned:
    // the slot's drag state is cleared and the scroller hidden; the multiplier stays.
    void RightGestureLost(int index);
    // Asks every button to forget releases that a menu or dialog took.
    void SettleLostReleases();

    // The keyboard's and screen readers' ways to the gestures of one button.
    // A plain left press (the throw) and a plain left release, through the mouse handlers.
    void ThrowDown(int index);
    void ThrowUp(int index);
    // One die more (as a right click) or one fewer (as a Shift+right click); the face label at
    // once.
    void StepDice(int index, bool takeOne);
    // The command menu beside the button, on the side of the strip where it fits.
    void ShowMenuBeside(int index);
    // Moves the focus from a button to the previous, next, first or last visible one.
    void MoveFocus(int index, DiceKey where);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // GetCursorPos into pt; on failure the message, then the handler goes on.
    void GetCursorPosInto(PointL& pt);
    // A key's plain left press or release at the button's centre, shown on the button.
    void KeyThrow(int index, MouseAction action);
    // The multiplier step of a right release without drag.
    void StepMultiplier(int index, bool takeOne);
    // Connects a button's gestures and keys to the strip.
    void Wire(DiceButton* button);
    // One column for the saved buttons, or two where one would draw their names too small.
    int SavedColumns() const;
    // The buttons where the layout (in the columns the strip needs) puts them, the strip at its
    // size; not yet placed on the screen.
    functions::StripLayout Arrange(const functions::StripLayout& given);

    AppState& state_;
    Random& rng_;
    SlotArray<DiceButton*> buttons_;
    SavedStrip* saved_;
    float heightTwips_ = 0;  // as the layout made it, whatever the scale
    float widthTwips_ = functions::StripColumnWidth;
    int columns_ = 1;

signals:
    // The command menu at the cursor; returns once it has closed.
    void PopupMenuAsked();
    // The command menu with its top at `top` (pixels), right of stripRight or left of stripLeft.
    void PopupMenuBesideAsked(Long stripLeft, Long stripRight, Long top);
    void AboutAsked();
    void ExitAsked();
    // A throw was shown on its button.
    void Thrown(const ThrowRecord& record);
    // A saved roll was thrown: its line with the name, as copied and as Qt rich text.
    void Rolled(const rollkin::RollLines& lines);
    // The slot's refresh timer starts (again) for the total now shown.
    void RefreshAsked(int index);
    // The scroller: its range, following the cursor, opening beside the strip for a slot,
    // taking the slider's multiplier for a slot, hiding.
    void ScrollerRangeAsked(Integer range);
    void TrackScrollerAsked();
    void OpenScrollerAsked(int slot);
    void EndScrollerDragAsked(int slot);
    void HideScrollerAsked();
    // The settings have their start values: a remembered set-up is put over them now, before
    // the strip is placed.
    void SettingsStarted();
    // A free strip's move by the player has ended.
    void Moved();
    // A slot's multiplier was stepped or taken from the scroller.
    void MultipliersChanged();
    // The strip is drawn at another scale (Desktop::StripScale), the scroller with it.
    void ScaleChanged();
};

// Design values of the strip, in twips.
constexpr float StripWidth = functions::StripColumnWidth;  // of one column
constexpr float DiceButtonWidth = 1215;
constexpr float DiceButtonHeight = 615;
// The captions' design size, in points.
constexpr qreal CaptionPoints = 24;
using functions::ButtonPitch;
using functions::StripHeight;

}  // namespace rollkin
