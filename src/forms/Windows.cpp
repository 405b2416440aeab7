#include "forms/Windows.h"

#include "forms/frmMenu.h"
#include "forms/frmRollkin.h"
#include "forms/frmScroller.h"

namespace rollkin {

QWidget& Windows::StripWindow() {
    return Rollkin();
}

TwipsRect Windows::StripRect() {
    const frmRollkin& strip = Rollkin();
    return {strip.Left(), strip.Top(), strip.Width(), strip.Height()};
}

void Windows::ShowButton(int slot, float top) {
    DiceButton& button = Rollkin().cmdDice(slot);
    button.SetTop(top);
    button.SetVisible(true);
}

void Windows::HideButton(int slot) {
    Rollkin().cmdDice(slot).SetVisible(false);
}

void Windows::SetRefreshInterval(int slot, int milliseconds) {
    Menu().tmrRefresh(slot).setInterval(milliseconds);
}

void Windows::SetMultiplierRange(Integer range) {
    Scroller().SetMultiplierRange(range);
}

void Windows::FitStrip(float height) {
    frmRollkin& strip = Rollkin();
    strip.SetHeight(height);
    strip.Refresh();
}

}  // namespace rollkin
