#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

#include "platform/Desktop.h"
#include "platform/Units.h"
#include "state/AppState.h"

// The program's module of free procedures: anchoring, placing and laying out the strip, as plain
// arithmetic on the settings, the monitor and the twips per pixel. The windows apply the results.
namespace rollkin::functions {

// The distance in twips from one shown button's top edge to the next one's.
constexpr float ButtonPitch = 600;
// The strip's design width: one column of buttons.
constexpr float StripColumnWidth = 1200;
// The strip's design height: every slot's button at the pitch.
constexpr float StripHeight = static_cast<float>(LastSlot - FirstSlot + 1) * ButtonPitch;

// The refresh timers' interval for a refresh time in seconds: one millisecond more than the
// whole seconds, so that 0 seconds still gives a timer that fires.
constexpr int RefreshInterval(Integer refreshSeconds) {
    return refreshSeconds * 1000 + 1;
}
// The timers' interval until the configuration dialog has first closed: the design's whole
// second, without the millisecond the layout adds.
constexpr int DesignRefreshInterval = RefreshInterval(1) - 1;

// Left edge in twips of a strip stripWidth twips wide at anchor position 1..9 (row by row from
// the upper left) on the monitor (in pixels); any other position gives the monitor's left edge.
Long AnchorLeft(Integer position, const QRect& monitor, float tppX, float stripWidth);
// Top edge in twips of a strip stripHeight twips high at the anchor position.
Long AnchorTop(Integer position, const QRect& monitor, float tppY, float stripHeight);

// Where and how the strip is shown: the placement call's arguments, in pixels.
struct Placement {
    InsertAfter after;
    Long x, y, cx, cy;
    unsigned flags;
};

// The strip at its anchor on the monitor (or where it stands, when free), at its current size, in
// or out of the topmost band, without taking the focus.
Placement PlaceMainWindow(const AppState& settings, const TwipsRect& strip, const QRect& monitor,
                          float tppX, float tppY);

// What the settings make of the strip: the offered buttons packed from the top in slot order
// (a hidden one keeps its top edge), the saved rolls' buttons under them at the same pitch,
// every refresh timer's interval, the scroller's range and the strip's height in twips.
// In two columns the saved buttons fill the first column under the dice as far as the second
// needs, and the rest stand in the second from the top: the strip is as low as it can be.
struct StripLayout {
    SlotArray<bool> shown;
    SlotArray<float> top;
    float savedTop = 0;      // the first saved roll's button
    int savedUnderDice = 0;  // how many saved buttons stand in the first column
    int columns = 1;
    int refreshInterval = DesignRefreshInterval;
    Integer multiplierRange = 0;
    float height = 0;
    float width = 0;
};

StripLayout ApplyLayout(const AppState& settings, int savedButtons = 0, int columns = 1);

// The saved buttons' columns: one while their names read at the scale the strip in one column
// is drawn at on a monitor of that height, else two; none saved, always one.
int SavedColumns(const AppState& settings, int savedButtons, float tppY, int monitorHeight,
                 const std::function<bool(float scale)>& readableAt);

// Where a window whose rectangle (in pixels) lies off every monitor goes: the nearest corner of
// the nearest monitor that holds it whole (its upper left where it is larger). A window with any
// part on a monitor stays where it is.
QPoint OntoNearestMonitor(const QRect& window, const std::vector<QRect>& monitors);

// Where a window of `size` whose upper left corner is at `at` (in pixels, any int) is shown whole:
// unmoved when it is whole on a monitor, else moved the least onto one (to its upper left where
// it is larger than every monitor). Unmoved without monitors.
QPoint WholeOnNearestMonitor(QPoint at, QSize size, const std::vector<QRect>& monitors);

// The largest scale, at most 1, at which a strip heightTwips high fits a monitor of that many
// pixels: below 1 only when the strip at the desktop's twips per pixel does not fit.
float FitScale(float heightTwips, float tppY, int monitorHeight);

// The left edge of a window of that size (frame included) opening beside the strip, level with
// its top: right of it, past the windows already open there, or else left of it the same way,
// within the area; right of the strip when neither side has the room.
int BesideLeft(const QRect& strip, QSize window, const QRect& area, const std::vector<QRect>& open);

// The left edge in pixels of the keyboard's menu, menuWidth pixels wide: right of the strip,
// or left of it where the screen (screenWidth pixels from 0) ends first.
Long MenuLeft(Long stripLeft, Long stripRight, int menuWidth, Long screenWidth);

}  // namespace rollkin::functions
