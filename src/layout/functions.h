#pragma once

#include "state/AppState.h"

namespace rollkin {
class Program;
}

// The program's module of free procedures: anchoring, placing and laying out the strip.
namespace rollkin::functions {

// Left edge in twips of the strip at anchor position 1..9 (row by row from the upper left);
// any other position gives 0.
Long AnchorLeft(Program& program, Integer position);
// Top edge in twips of the strip at the anchor position.
Long AnchorTop(Program& program, Integer position);

// Shows the strip at its anchor (or where it was dragged, when free), at its current size, in or
// out of the topmost band, without taking the focus.
void PlaceMainWindow(Program& program);

// Puts the settings into effect on the strip: packs the offered buttons from the top in slot
// order, sets every refresh timer's interval and the scroller's range, sizes the strip to its
// buttons, repaints it and places it again.
void ApplyLayout(Program& program);

// The refresh timers' interval for a refresh time in seconds: one millisecond more than the
// whole seconds, so that 0 seconds still gives a timer that fires.
int RefreshInterval(Integer refreshSeconds);

}  // namespace rollkin::functions
