#include "forms/TwipsWindow.h"

#include <QEvent>
#include <QWindow>

#include "platform/Desktop.h"

namespace rollkin {

TwipsWindow::TwipsWindow(Desktop& screen, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), screen_(screen) {}

bool TwipsWindow::event(QEvent* event) {
    // Under a scale factor Qt tells the window manager a size increment and, with no base size
    // of the window's own, a negative one, which fluxbox takes literally: a window as large as
    // X allows. Set before the first map, where the hints are read.
    if (event->type() == QEvent::WinIdChange && windowHandle() != nullptr)
        windowHandle()->setBaseSize(QSize(0, 0));
    return QWidget::event(event);
}

float TwipsWindow::TwipsPerPixelX() const {
    return screen_.StripTwipsPerPixelX();
}
float TwipsWindow::TwipsPerPixelY() const {
    return screen_.StripTwipsPerPixelY();
}

float TwipsWindow::Left() const {
    return PixelsToTwips(x(), TwipsPerPixelX());
}
float TwipsWindow::Top() const {
    return PixelsToTwips(y(), TwipsPerPixelY());
}
float TwipsWindow::Width() const {
    return PixelsToTwips(width(), TwipsPerPixelX());
}
float TwipsWindow::Height() const {
    return PixelsToTwips(height(), TwipsPerPixelY());
}

void TwipsWindow::SetLeft(float twips) {
    move(WindowCoordinate(TwipsToPixels(twips, TwipsPerPixelX())), y());
}
void TwipsWindow::SetTop(float twips) {
    move(x(), WindowCoordinate(TwipsToPixels(twips, TwipsPerPixelY())));
}

void PlaceControl(QWidget* control, const char* name, const TwipsRect& design, float tppX,
                  float tppY) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(ToPixels(design, tppX, tppY));
}

}  // namespace rollkin
