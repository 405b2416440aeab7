#include "platform/StayOnTop.h"

#include <QWidget>
#include <QWindow>

namespace rollkin {

void SetStaysOnTop(QWidget& window, bool onTop) {
    Qt::WindowFlags wanted = window.windowFlags();
    wanted.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wanted == window.windowFlags()) return;
    if (QWindow* handle = window.windowHandle()) {
        window.overrideWindowFlags(wanted);
        handle->setFlags(wanted);
    } else {
        window.setWindowFlags(wanted);
    }
}

}  // namespace rollkin
