#include "forms/BesideStrip.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "forms/ProgramIcon.h"
#include "layout/StripLayout.h"
#include "platform/Desktop.h"
#include "platform/StayOnTop.h"
#include "platform/Units.h"

namespace rollkin {

namespace {

// How long a window manager may take to frame a new window.
constexpr int FramedMs = 300;

// A window that opens beside the strip, and the desktop it was set up on.
struct Beside {
    QPointer<QWidget> window;
    const Desktop* screen;
};

// The windows that open beside the strip, for each to keep clear of the others.
std::vector<Beside>& BesideWindows() {
    static std::vector<Beside> windows;
    return windows;
}

// To the strip's right, or its left where the monitor ends, its top level with the strip's;
// past the windows already open there.
void PlaceBesideStrip(QWidget& window, const QWidget& strip) {
    const QRect s = strip.frameGeometry();
    const auto setUp = std::find_if(BesideWindows().begin(), BesideWindows().end(),
                                    [&window](const Beside& b) { return b.window == &window; });
    QRect area = setUp != BesideWindows().end() ? setUp->screen->WorkAreaOf(strip) : QRect();
    if (area.isNull()) area = s;
    const int width = window.width();
    const int height = window.height();
    std::vector<QRect> open;
    for (const Beside& b : BesideWindows()) {
        if (b.window && b.window != &window && b.window->isVisible())
            open.push_back(b.window->frameGeometry());
    }
    int left = functions::BesideLeft(s, window.frameGeometry().size(), area, open);
    left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - width));
    const int top =
        std::clamp(s.top(), area.top(), std::max(area.top(), area.bottom() + 1 - height));
    window.move(left, top);
}

}  // namespace

void SetUpBesideStrip(QWidget& window, const char* name, const QString& title, float width,
                      float height, const Desktop& screen) {
    BesideWindows().push_back({&window, &screen});
    window.setObjectName(QString::fromLatin1(name));
    window.setWindowTitle(title);
    window.setWindowIcon(ProgramIcon());
    window.resize(TwipsToPixels(width, screen.TwipsPerPixelX()),
                  TwipsToPixels(height, screen.TwipsPerPixelY()));
}

void FollowStrip(QWidget& window, const QWidget& strip) {
    SetStaysOnTop(window, strip.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void OpenBesideStrip(QWidget& window, const QWidget& strip, bool& placed) {
    FollowStrip(window, strip);
    if (!placed || window.isVisible()) {
        PlaceBesideStrip(window, strip);
        placed = true;
    }
    if (window.isMinimized()) window.showNormal();
    const bool first = !window.testAttribute(Qt::WA_WState_Created);
    window.show();
    window.raise();
    window.activateWindow();
    // The frame is unknown until the window manager has framed the window: placed at the top
    // of the monitor, its title bar would be above it, out of reach. Once framed, it comes down.
    if (first) {
        QTimer::singleShot(FramedMs, &window, [&window, &strip] {
            const auto setUp =
                std::find_if(BesideWindows().begin(), BesideWindows().end(),
                             [&window](const Beside& b) { return b.window == &window; });
            if (setUp == BesideWindows().end()) return;
            const QRect area = setUp->screen->WorkAreaOf(strip);
            const QRect frame = window.frameGeometry();
            if (!area.isNull() && frame.top() < area.top()) window.move(frame.left(), area.top());
        });
    }
}

}  // namespace rollkin
