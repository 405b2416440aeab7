#include "platform/QtDesktop.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace rollkin {

namespace {

constexpr float TwipsPerInch = 1440.0f;

QScreen* PrimaryScreen() {
    return QGuiApplication::primaryScreen();
}

float TwipsPerPixel(qreal logicalDpi) {
    // A screen that reports no dpi is taken as the common 96.
    return TwipsPerInch / static_cast<float>(logicalDpi > 0 ? logicalDpi : 96.0);
}

}  // namespace

float QtDesktop::TwipsPerPixelX() const {
    QScreen* s = PrimaryScreen();
    return TwipsPerPixel(s ? s->logicalDotsPerInchX() : 96.0);
}

float QtDesktop::TwipsPerPixelY() const {
    QScreen* s = PrimaryScreen();
    return TwipsPerPixel(s ? s->logicalDotsPerInchY() : 96.0);
}

float QtDesktop::ScreenWidth() const {
    QScreen* s = PrimaryScreen();
    return s ? static_cast<float>(s->geometry().width()) * TwipsPerPixelX() : 0.0f;
}

float QtDesktop::ScreenHeight() const {
    QScreen* s = PrimaryScreen();
    return s ? static_cast<float>(s->geometry().height()) * TwipsPerPixelY() : 0.0f;
}

bool QtDesktop::GetCursorPos(PointL& pt) {
    if (PrimaryScreen() == nullptr) return false;
    const QPoint p = QCursor::pos();
    pt = {p.x(), p.y()};
    return true;
}

bool QtDesktop::SetCursorPos(Long x, Long y) {
    if (PrimaryScreen() == nullptr) return false;
    QCursor::setPos(x, y);
    // An X server warps the pointer unconditionally; reading it back there would only race the
    // hand that moves it on, and report that as a failure.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) return true;
    // Elsewhere (a compositor may refuse) Qt reports nothing: read the cursor back. A pixel of
    // slack allows for a fractional scale factor rounding through device pixels and back.
    const QPoint p = QCursor::pos();
    return std::abs(p.x() - x) <= 1 && std::abs(p.y() - y) <= 1;
}

void QtDesktop::SetWindowPos(QWidget& window, InsertAfter after, Long x, Long y, Long cx, Long cy,
                             unsigned flags) {
    const bool topmost = after == InsertAfter::Topmost;
    Qt::WindowFlags wanted = window.windowFlags();
    wanted.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wanted != window.windowFlags()) {
        if (QWindow* handle = window.windowHandle()) {
            // Changing a created window's flags through QWidget would hide and recreate it;
            // the platform window takes the stay-on-top change as it is.
            window.overrideWindowFlags(wanted);
            handle->setFlags(wanted);
        } else {
            window.setWindowFlags(wanted);
        }
    }
    window.setGeometry(x, y, cx, cy);
    if (flags & SWP_NOACTIVATE) window.setAttribute(Qt::WA_ShowWithoutActivating);
    if (flags & SWP_SHOWWINDOW) window.show();
    if (topmost) window.raise();
}

void QtDesktop::SetMousePointer(int pointer) {
    // Qt's override cursor stacks; the program's pointer is one setting, so keep at most one.
    if (pointer == PointerMove) {
        if (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::changeOverrideCursor(Qt::SizeAllCursor);
        } else {
            QGuiApplication::setOverrideCursor(Qt::SizeAllCursor);
        }
    } else {
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
    }
    pointer_ = pointer;
}

void QtDesktop::MsgBox(const QString& prompt, int style) {
    const auto icon = (style & MsgInformation) ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromLatin1(AppTitle), prompt, QMessageBox::Ok);
    box.exec();
}

void QtDesktop::PopupMenu(QMenu& menu) {
    menu.exec(QCursor::pos());
}

void QtDesktop::PopupMenuAt(QMenu& menu, Long x, Long y) {
    menu.exec(QPoint(x, y));
}

void QtDesktop::ShowModal(QDialog& dialog) {
    if (QScreen* s = PrimaryScreen()) {
        const QRect screen = s->geometry();
        const QSize size = dialog.size();
        dialog.move(screen.x() + (screen.width() - size.width()) / 2,
                    screen.y() + (screen.height() - size.height()) / 2);
    }
    dialog.exec();
}

void QtDesktop::EndProgram() {
    // Every window goes at once; exit() also leaves any menu or dialog loop still running.
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

}  // namespace rollkin
