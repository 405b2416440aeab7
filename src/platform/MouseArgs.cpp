#include "platform/MouseArgs.h"

namespace rollkin {

Integer ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return vbLeftButton;
        case Qt::RightButton:
            return vbRightButton;
        case Qt::MiddleButton:
            return vbMiddleButton;
        default:
            return 0;
    }
}

Integer ButtonsOf(Qt::MouseButtons buttons) {
    Integer mask = 0;
    if (buttons & Qt::LeftButton) mask |= vbLeftButton;
    if (buttons & Qt::RightButton) mask |= vbRightButton;
    if (buttons & Qt::MiddleButton) mask |= vbMiddleButton;
    return mask;
}

Integer ShiftOf(Qt::KeyboardModifiers modifiers) {
    Integer mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= vbShiftMask;
    if (modifiers & Qt::ControlModifier) mask |= vbCtrlMask;
    if (modifiers & Qt::AltModifier) mask |= vbAltMask;
    return mask;
}

Integer KeyCodeOf(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return static_cast<Integer>(vbKeyF1 + (qtKey - Qt::Key_F1));
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<Integer>(qtKey);
    }
    return 0;
}

}  // namespace rollkin
