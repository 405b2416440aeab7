#include "app/Program.h"

#include "forms/frmHistory.h"
#include "forms/frmMenu.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"
#include "state/ThrowHistory.h"

namespace rollkin {

Program::Program(Desktop& desktop, Random& rng) : Windows(desktop, rng) {}

Program::~Program() {
    // The host of the timers goes first, so that no timer can fire into a destroyed strip.
    menu_.reset();
    history_.reset();  // before the throws it shows
    throws_.reset();
    scroller_.reset();
    rollkin_.reset();
}

frmRollkin& Program::Rollkin() {
    if (!rollkin_) {
        rollkin_ = std::make_unique<frmRollkin>(*this);
        rollkin_->Form_Load();
        Screen.WatchMonitors([this] { rollkin_->MonitorsChanged(); });
    }
    return *rollkin_;
}

frmMenu& Program::Menu() {
    if (!menu_) menu_ = std::make_unique<frmMenu>(*this);
    return *menu_;
}

frmScroller& Program::Scroller() {
    if (!scroller_) scroller_ = std::make_unique<frmScroller>(*this);
    return *scroller_;
}

ThrowHistory& Program::Throws() {
    if (!throws_) throws_ = std::make_unique<ThrowHistory>();
    return *throws_;
}

frmHistory& Program::History() {
    if (!history_) history_ = std::make_unique<frmHistory>(*this);
    return *history_;
}

void Program::End() {
    if (ended_) return;
    ended_ = true;
    if (menu_) menu_->StopTimers();
    Screen.EndProgram();
}

}  // namespace rollkin
