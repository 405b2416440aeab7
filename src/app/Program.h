#pragma once

#include <memory>

#include "platform/Desktop.h"
#include "state/AppState.h"
#include "state/Random.h"

namespace rollkin {

class frmRollkin;
class frmMenu;
class frmScroller;
class frmHistory;
class ThrowHistory;

// One run of the program: the shared state, the generator, the desktop, and the windows that
// live for the whole run. A window is created, hidden, at its first reference.
class Program {
public:
    Program(Desktop& desktop, Random& rng);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AppState State;
    Random& Rnd;
    Desktop& Screen;

    // The main window; the first reference creates it and runs its Form_Load.
    frmRollkin& Rollkin();
    // The hidden host of the popup menu and the refresh timers.
    frmMenu& Menu();
    // The multiplier scroller.
    frmScroller& Scroller();

    // The throws of the run, created at the first throw.
    ThrowHistory& Throws();
    // The history window, created at its first opening.
    frmHistory& History();

    bool MenuLoaded() const { return menu_ != nullptr; }
    bool ScrollerLoaded() const { return scroller_ != nullptr; }
    bool HistoryLoaded() const { return history_ != nullptr; }

    // Ends the run at once: every window closes. Handlers that return afterwards do nothing more.
    void End();
    bool Ended() const { return ended_; }

private:
    std::unique_ptr<frmRollkin> rollkin_;
    std::unique_ptr<frmMenu> menu_;
    std::unique_ptr<frmScroller> scroller_;
    std::unique_ptr<ThrowHistory> throws_;
    std::unique_ptr<frmHistory> history_;
    bool ended_ = false;
};

}  // namespace rollkin
