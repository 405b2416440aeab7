#pragma once

#include <QRect>

#include "state/AppState.h"

namespace rollkin {

// Twips to whole pixels, rounded down (toward minus infinity).
Long TwipsToPixels(double twips, float twipsPerPixel);

// Whole pixels to twips, as the single-precision value the windows report.
float PixelsToTwips(Long pixels, float twipsPerPixel);

// A window's pixel coordinate kept within what a desktop can hold: a cursor read gone wrong
// must not place a window where its far edge overflows.
Long WindowCoordinate(Long pixels);

// Nearest whole number, an exact half going to the even neighbour (12.5 -> 12, 13.5 -> 14).
Long RoundHalfEven(double value);

// A rectangle in twips.
struct TwipsRect {
    float Left = 0, Top = 0, Width = 0, Height = 0;
};

// Where a control laid out in twips lands in pixels: each edge rounded down.
QRect ToPixels(const TwipsRect& r, float tppX, float tppY);

}  // namespace rollkin
