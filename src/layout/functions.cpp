#include "layout/functions.h"

#include <algorithm>
#include <cmath>

#include "platform/Desktop.h"

namespace rollkin::functions {

namespace {

enum class Band { Start, Middle, End, None };

// Column (for AnchorLeft) or row (for AnchorTop) of an anchor position; the positions run row by
// row, three to a row.
Band ColumnOf(Integer position) {
    if (position < FirstPosition || position > LastPosition) return Band::None;
    return static_cast<Band>((position - FirstPosition) % 3);
}

Band RowOf(Integer position) {
    if (position < FirstPosition || position > LastPosition) return Band::None;
    return static_cast<Band>((position - FirstPosition) / 3);
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

// The anchor along one axis of the monitor that holds the strip's centre: its size stands for the
// screen's and its origin is added. With one monitor that is the screen, at origin 0.
Long AnchorOn(Band band, int origin, int extent, float tpp, float window) {
    return Origin(origin, tpp) + Anchor(band, static_cast<float>(extent) * tpp, window);
}

}  // namespace

Long AnchorLeft(LayoutHost& host, Integer position) {
    const QRect monitor = host.Display().MonitorOf(host.StripWindow());
    return AnchorOn(ColumnOf(position), monitor.x(), monitor.width(),
                    host.Display().StripTwipsPerPixelX(), host.StripRect().Width);
}

Long AnchorTop(LayoutHost& host, Integer position) {
    const QRect monitor = host.Display().MonitorOf(host.StripWindow());
    return AnchorOn(RowOf(position), monitor.y(), monitor.height(),
                    host.Display().StripTwipsPerPixelY(), host.StripRect().Height);
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
    const float tppX = screen.StripTwipsPerPixelX();
    const float tppY = screen.StripTwipsPerPixelY();
    screen.SetWindowPos(host.StripWindow(), after, TwipsToPixels(left, tppX),
                        TwipsToPixels(top, tppY), TwipsToPixels(form.Width, tppX),
                        TwipsToPixels(form.Height, tppY), PlacementFlags);
}

QPoint OntoNearestMonitor(const QRect& window, const std::vector<QRect>& monitors) {
    QPoint best = window.topLeft();
    qint64 nearest = -1;
    for (const QRect& m : monitors) {
        if (m.intersects(window)) return window.topLeft();
        const QPoint at(
            std::clamp(window.x(), m.x(), std::max(m.x(), m.right() + 1 - window.width())),
            std::clamp(window.y(), m.y(), std::max(m.y(), m.bottom() + 1 - window.height())));
        const QPoint moved = at - window.topLeft();
        const qint64 distance = qint64{moved.x()} * moved.x() + qint64{moved.y()} * moved.y();
        if (nearest < 0 || distance < nearest) {
            nearest = distance;
            best = at;
        }
    }
    return best;
}

float FitScale(float heightTwips, float tppY, int monitorHeight) {
    if (monitorHeight <= 0 || TwipsToPixels(heightTwips, tppY) <= monitorHeight) return 1;
    return static_cast<float>(monitorHeight) * tppY / heightTwips;
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
