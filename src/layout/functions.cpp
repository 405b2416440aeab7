#include "layout/functions.h"

#include <cmath>

#include "platform/Desktop.h"

namespace rollkin::functions {

namespace {

enum class Band { Start, Middle, End, None };

// Column (for AnchorLeft) or row (for AnchorTop) of an anchor position.
Band ColumnOf(Integer position) {
    switch (position) {
        case 1:
        case 4:
        case 7:
            return Band::Start;
        case 2:
        case 5:
        case 8:
            return Band::Middle;
        case 3:
        case 6:
        case 9:
            return Band::End;
        default:
            return Band::None;
    }
}

Band RowOf(Integer position) {
    switch (position) {
        case 1:
        case 2:
        case 3:
            return Band::Start;
        case 4:
        case 5:
        case 6:
            return Band::Middle;
        case 7:
        case 8:
        case 9:
            return Band::End;
        default:
            return Band::None;
    }
}

Long Anchor(Band band, float screen, float window) {
    const double free = static_cast<double>(screen) - static_cast<double>(window);
    switch (band) {
        case Band::Middle:
            return RoundHalfEven(free / 2);
        case Band::End:
            return RoundHalfEven(free);
        default:
            return 0;
    }
}

// A monitor's origin in twips, rounded up so that the pixel division lands on its first pixel.
Long Origin(int pixels, float tpp) {
    return static_cast<Long>(std::ceil(static_cast<double>(pixels) * tpp));
}

}  // namespace

// The anchors lie on the monitor that holds the strip's centre: its size stands for the screen's
// and its origin is added. With one monitor that is the screen, at origin 0.
Long AnchorLeft(LayoutHost& host, Integer position) {
    const QRect monitor = host.Display().MonitorOf(host.StripWindow());
    const float tpp = host.Display().TwipsPerPixelX();
    return Origin(monitor.x(), tpp) + Anchor(ColumnOf(position),
                                             static_cast<float>(monitor.width()) * tpp,
                                             host.StripRect().Width);
}

Long AnchorTop(LayoutHost& host, Integer position) {
    const QRect monitor = host.Display().MonitorOf(host.StripWindow());
    const float tpp = host.Display().TwipsPerPixelY();
    return Origin(monitor.y(), tpp) + Anchor(RowOf(position),
                                             static_cast<float>(monitor.height()) * tpp,
                                             host.StripRect().Height);
}

void PlaceMainWindow(LayoutHost& host) {
    const AppState& s = host.Settings();
    Desktop& screen = host.Display();
    const InsertAfter after = s.StayOnTop ? InsertAfter::Topmost : InsertAfter::NoTopmost;
    // Both candidates are computed; only one is used.
    const Long anchorLeft = AnchorLeft(host, s.AnchorPosition);
    const Long anchorTop = AnchorTop(host, s.AnchorPosition);
    const TwipsRect form = host.StripRect();
    const double left = s.FreePosition ? static_cast<double>(form.Left) : anchorLeft;
    const double top = s.FreePosition ? static_cast<double>(form.Top) : anchorTop;
    const float tppX = screen.TwipsPerPixelX();
    const float tppY = screen.TwipsPerPixelY();
    screen.SetWindowPos(host.StripWindow(), after, TwipsToPixels(left, tppX),
                        TwipsToPixels(top, tppY), TwipsToPixels(form.Width, tppX),
                        TwipsToPixels(form.Height, tppY), PlacementFlags);
}

int RefreshInterval(Integer refreshSeconds) {
    return refreshSeconds * 1000 + 1;
}

void ApplyLayout(LayoutHost& host) {
    const AppState& s = host.Settings();
    float top = 0;
    for (int slot = FirstSlot; slot <= LastSlot; ++slot) {
        if (s.DiceEnabled(slot)) {
            host.ShowButton(slot, top);
            top += ButtonPitch;
        } else {
            host.HideButton(slot);  // the next visible button takes its place
        }
        host.SetRefreshInterval(slot, RefreshInterval(s.RefreshSeconds));
    }
    host.SetMultiplierRange(s.MultiplierRange);
    host.FitStrip(top);
    PlaceMainWindow(host);
}

}  // namespace rollkin::functions
