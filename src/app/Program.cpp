#include "app/Program.h"

#include "forms/frmMenu.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"

namespace rollkin {

Program::Program(Desktop& desktop, Random& rng) : Rnd(rng), Screen(desktop) {}

Program::~Program() {
    // The host of the timers goes first, so that no timer can fire into a destroyed strip.
    menu_.reset();
    scroller_.reset();
    rollkin_.reset();
}

frmRollkin& Program::Rollkin() {
    if (!rollkin_) {
        rollkin_ = std::make_unique<frmRollkin>(*this);
        rollkin_->Form_Load();
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

void Program::End() {
    if (ended_) return;
    ended_ = true;
    if (menu_) menu_->StopTimers();
    Screen.EndProgram();
}

}  // namespace rollkin
