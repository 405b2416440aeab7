#include "layout/StripLayout.h"

#include <algorithm>
#include <cmath>

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

Long AnchorLeft(Integer position, const QRect& monitor, float tppX, float stripWidth) {
    return AnchorOn(ColumnOf(position), monitor.x(), monitor.width(), tppX, stripWidth);
}

Long AnchorTop(Integer position, const QRect& monitor, float tppY, float stripHeight) {
    return AnchorOn(RowOf(position), monitor.y(), monitor.height(), tppY, stripHeight);
}

Placement PlaceMainWindow(const AppState& s, const TwipsRect& form, const QRect& monitor,
                          float tppX, float tppY) {
    const InsertAfter after = s.StayOnTop ? InsertAfter::Topmost : InsertAfter::NoTopmost;
    // Both candidates are computed; only one is used.
    const Long anchorLeft = AnchorLeft(s.AnchorPosition, monitor, tppX, form.Width);
    const Long anchorTop = AnchorTop(s.AnchorPosition, monitor, tppY, form.Height);
    const double left = s.FreePosition ? static_cast<double>(form.Left) : anchorLeft;
    const double top = s.FreePosition ? static_cast<double>(form.Top) : anchorTop;
    return {after,
            TwipsToPixels(left, tppX),
            TwipsToPixels(top, tppY),
            TwipsToPixels(form.Width, tppX),
            TwipsToPixels(form.Height, tppY),
            PlacementFlags};
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

QPoint WholeOnNearestMonitor(QPoint at, QSize size, const std::vector<QRect>& monitors) {
    // In 64 bits: a hand-edited place may be near the ends of int, where a QRect overflows.
    const auto onto = [](qint64 from, qint64 extent, qint64 start, qint64 length) {
        return std::clamp(from, start, std::max(start, start + length - extent));
    };
    QPoint best = at;
    double nearest = -1;
    for (const QRect& m : monitors) {
        const qint64 x = onto(at.x(), size.width(), m.x(), m.width());
        const qint64 y = onto(at.y(), size.height(), m.y(), m.height());
        const auto dx = static_cast<double>(x - at.x()), dy = static_cast<double>(y - at.y());
        const double distance = dx * dx + dy * dy;
        if (nearest < 0 || distance < nearest) {
            nearest = distance;
            best = QPoint(static_cast<int>(x), static_cast<int>(y));
        }
    }
    return best;
}

float FitScale(float heightTwips, float tppY, int monitorHeight) {
    if (monitorHeight <= 0 || TwipsToPixels(heightTwips, tppY) <= monitorHeight) return 1;
    return static_cast<float>(monitorHeight) * tppY / heightTwips;
}

StripLayout ApplyLayout(const AppState& s, int savedButtons, int columns) {
    StripLayout layout;
    int dice = 0;
    for (int slot = FirstSlot; slot <= LastSlot; ++slot) {
        layout.shown(slot) = s.DiceEnabled(slot) != False;
        if (layout.shown(slot)) {
            layout.top(slot) = static_cast<float>(dice++) * ButtonPitch;
        }  // else the next visible button takes its place
    }
    layout.refreshInterval = RefreshInterval(s.RefreshSeconds);
    layout.multiplierRange = s.MultiplierRange;
    layout.savedTop = static_cast<float>(dice) * ButtonPitch;
    layout.columns = savedButtons > 0 && columns > 1 ? 2 : 1;
    const int rows =
        layout.columns == 1 ? dice + savedButtons : std::max(dice, (dice + savedButtons + 1) / 2);
    layout.savedUnderDice = rows - dice;
    layout.height = static_cast<float>(rows) * ButtonPitch;
    layout.width = static_cast<float>(layout.columns) * StripColumnWidth;
    return layout;
}

int SavedColumns(const AppState& s, int savedButtons, float tppY, int monitorHeight,
                 const std::function<bool(float scale)>& readableAt) {
    if (savedButtons <= 0) return 1;
    const float oneColumn = ApplyLayout(s, savedButtons).height;
    return readableAt(FitScale(oneColumn, tppY, monitorHeight)) ? 1 : 2;
}

int BesideLeft(const QRect& strip, QSize window, const QRect& area,
               const std::vector<QRect>& open) {
    // Steps past each open window in the way, outward from the strip.
    const auto clear = [&](int left, int step) {
        for (bool moved = true; moved;) {
            moved = false;
            for (const QRect& o : open) {
                if (!QRect(QPoint(left, strip.top()), window).intersects(o)) continue;
                left = step > 0 ? o.right() + 1 : o.left() - window.width();
                moved = true;
            }
        }
        return left;
    };
    if (const int right = clear(strip.right() + 1, 1); right + window.width() <= area.right() + 1)
        return right;
    if (const int left = clear(strip.left() - window.width(), -1); left >= area.left()) return left;
    return strip.right() + 1;
}

Long MenuLeft(Long stripLeft, Long stripRight, int menuWidth, Long screenWidth) {
    return stripRight + menuWidth > screenWidth ? stripLeft - menuWidth : stripRight;
}

}  // namespace rollkin::functions
