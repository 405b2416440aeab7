#include "platform/StayOnTop.h"

#include <QWidget>
#include <QWindow>

namespace rollkin {

void SetStaysOnTop(QWidget& window, bool onTop) {
    ChangeWindowFlags(window, window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop));
}

void ChangeWindowFlags(QWidget& window, Qt::WindowFlags wanted) {
    if (wanted == window.windowFlags()) return;
    if (QWindow* handle = window.windowHandle()) {
        window.overrideWindowFlags(wanted);
        handle->setFlags(wanted);
    } else {
        window.setWindowFlags(wanted);
    }
}

}  // namespace rollkin
