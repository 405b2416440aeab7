#include "forms/BesideStrip.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "forms/ProgramIcon.h"
#include "platform/Desktop.h"
#include "platform/StayOnTop.h"
#include "platform/Units.h"

namespace rollkin {

namespace {

// To the strip's right, or its left where the monitor ends, its top level with the strip's.
void PlaceBesideStrip(QWidget& window, const QWidget& strip) {
    const QRect s = strip.frameGeometry();
    const QScreen* screen = strip.screen();
    const QRect area = screen ? screen->availableGeometry() : s;
    const int width = window.width();
    const int height = window.height();
    int left = s.right() + 1;
    if (left + width > area.right() + 1) left = s.left() - width;
    left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - width));
    const int top =
        std::clamp(s.top(), area.top(), std::max(area.top(), area.bottom() + 1 - height));
    window.move(left, top);
}

}  // namespace

void SetUpBesideStrip(QWidget& window, const char* name, const QString& title, float width,
                      float height, const Desktop& screen) {
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
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace rollkin
