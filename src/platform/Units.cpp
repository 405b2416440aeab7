#include "platform/Units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rollkin {

namespace {
// A twips value computed as pixels x twips-per-pixel in single precision may come back a hair
// below the pixel it stands for when the twips-per-pixel figure is not a whole number (110 dpi:
// 13.0909...). Rounding such a value down would move a window a pixel at every placement, so
// values within this fraction of a pixel below a whole pixel count as that pixel.
constexpr double PixelSnap = 1.0 / 1024.0;
}  // namespace

Long TwipsToPixels(double twips, float twipsPerPixel) {
    const double pixels = std::floor(twips / static_cast<double>(twipsPerPixel) + PixelSnap);
    // Saturate rather than overflow: no screen is two billion pixels wide.
    if (!(pixels > std::numeric_limits<Long>::min())) {
        return std::isnan(pixels) ? 0 : std::numeric_limits<Long>::min();
    }
    if (pixels >= static_cast<double>(std::numeric_limits<Long>::max())) {
        return std::numeric_limits<Long>::max();
    }
    return static_cast<Long>(pixels);
}

Long WindowCoordinate(Long pixels) {
    constexpr Long Limit = 1 << 24;  // far beyond any screen, far below the 32-bit edge
    return std::clamp(pixels, -Limit, Limit);
}

float PixelsToTwips(Long pixels, float twipsPerPixel) {
    return static_cast<float>(pixels) * twipsPerPixel;
}

Long RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    if (value <= std::numeric_limits<Long>::min()) return std::numeric_limits<Long>::min();
    if (value >= std::numeric_limits<Long>::max()) return std::numeric_limits<Long>::max();
    // The default rounding mode, never changed here, rounds half to even.
    return static_cast<Long>(std::nearbyint(value));
}

QRect ToPixels(const TwipsRect& r, float tppX, float tppY) {
    return {TwipsToPixels(r.Left, tppX), TwipsToPixels(r.Top, tppY), TwipsToPixels(r.Width, tppX),
            TwipsToPixels(r.Height, tppY)};
}

}  // namespace rollkin
