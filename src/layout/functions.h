#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

#include "platform/Units.h"
#include "state/AppState.h"

class QWidget;

namespace rollkin {
class Desktop;
}

// The program's module of free procedures: anchoring, placing and laying out the strip.
namespace rollkin::functions {

// The distance in twips from one shown button's top edge to the next one's.
constexpr float ButtonPitch = 600;

// What the layout reads and sets of the windows. The module sits below the windows and knows
// none of them: they answer through this, the strip, its buttons, the menu host's timers and
// the scroller's slider each doing their own part.
class LayoutHost {
public:
    virtual ~LayoutHost() = default;

    virtual const AppState& Settings() = 0;
    virtual Desktop& Display() = 0;
    // The strip's window, for the desktop's calls, and its geometry in twips.
    virtual QWidget& StripWindow() = 0;
    virtual TwipsRect StripRect() = 0;
    // A slot's button shown at a top edge in twips, or hidden (keeping its top edge).
    virtual void ShowButton(int slot, float top) = 0;
    virtual void HideButton(int slot) = 0;
    // The slot's refresh timer's interval.
    virtual void SetRefreshInterval(int slot, int milliseconds) = 0;
    // The scroller's slider runs 1..range.
    virtual void SetMultiplierRange(Integer range) = 0;
    // The strip's height in twips, repainted at once.
    virtual void FitStrip(float height) = 0;
};

// Left edge in twips of the strip at anchor position 1..9 (row by row from the upper left);
// any other position gives 0.
Long AnchorLeft(LayoutHost& host, Integer position);
// Top edge in twips of the strip at the anchor position.
Long AnchorTop(LayoutHost& host, Integer position);

// Shows the strip at its anchor (or where it was dragged, when free), at its current size, in or
// out of the topmost band, without taking the focus.
void PlaceMainWindow(LayoutHost& host);

// Puts the settings into effect on the strip: packs the offered buttons from the top in slot
// order, sets every refresh timer's interval and the scroller's range, sizes the strip to its
// buttons, repaints it and places it again.
void ApplyLayout(LayoutHost& host);

// Where a window whose rectangle (in pixels) lies off every monitor goes: the nearest corner of
// the nearest monitor that holds it whole (its upper left where it is larger). A window with any
// part on a monitor stays where it is.
QPoint OntoNearestMonitor(const QRect& window, const std::vector<QRect>& monitors);

// The largest scale, at most 1, at which a strip heightTwips high fits a monitor of that many
// pixels: below 1 only when the strip at the desktop's twips per pixel does not fit.
float FitScale(float heightTwips, float tppY, int monitorHeight);

// The refresh timers' interval for a refresh time in seconds: one millisecond more than the
// whole seconds, so that 0 seconds still gives a timer that fires.
int RefreshInterval(Integer refreshSeconds);

}  // namespace rollkin::functions
