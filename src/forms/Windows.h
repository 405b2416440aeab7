#pragma once

#include "layout/functions.h"
#include "platform/Desktop.h"
#include "state/AppState.h"
#include "state/Random.h"

namespace rollkin {

class frmRollkin;
class frmMenu;
class frmScroller;
class frmHistory;
class ThrowHistory;

// What the windows that reach one another see of a run: the shared state, the generator, the
// desktop and the windows that live for the whole run. The program object above the forms owns
// and creates them; the layout module reaches them through the LayoutHost part, answered here.
class Windows : public functions::LayoutHost {
public:
    Windows(Desktop& desktop, Random& rng) : Rnd(rng), Screen(desktop) {}

    AppState State;
    Random& Rnd;
    Desktop& Screen;

    // The main window; the first reference creates it and runs its Form_Load.
    virtual frmRollkin& Rollkin() = 0;
    // The hidden host of the popup menu and the refresh timers.
    virtual frmMenu& Menu() = 0;
    // The multiplier scroller.
    virtual frmScroller& Scroller() = 0;
    // The throws of the run, created at the first throw.
    virtual ThrowHistory& Throws() = 0;
    // The history window, created at its first opening.
    virtual frmHistory& History() = 0;

    virtual bool MenuLoaded() const = 0;
    virtual bool ScrollerLoaded() const = 0;
    virtual bool HistoryLoaded() const = 0;

    // Ends the run at once: every window closes. Handlers that return afterwards do nothing more.
    virtual void End() = 0;
    virtual bool Ended() const = 0;

    const AppState& Settings() override { return State; }
    Desktop& Display() override { return Screen; }
    QWidget& StripWindow() override;
    TwipsRect StripRect() override;
    void ShowButton(int slot, float top) override;
    void HideButton(int slot) override;
    void SetRefreshInterval(int slot, int milliseconds) override;
    void SetMultiplierRange(Integer range) override;
    void FitStrip(float height) override;

protected:
    ~Windows() override = default;
};

}  // namespace rollkin
