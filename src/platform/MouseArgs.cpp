#include "platform/MouseArgs.h"

#include <initializer_list>
#include <utility>

namespace rollkin {

namespace {

// The handlers' bit mask of the Qt flags that are set, each flag with its bit.
template <typename Flags, typename Flag>
Integer MaskOf(Flags flags, std::initializer_list<std::pair<Flag, Integer>> bits) {
    Integer mask = 0;
    for (const auto& [flag, bit] : bits) {
        if (flags & flag) mask |= bit;
    }
    return mask;
}

}  // namespace

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
    return MaskOf<Qt::MouseButtons, Qt::MouseButton>(buttons, {{Qt::LeftButton, vbLeftButton},
                                                               {Qt::RightButton, vbRightButton},
                                                               {Qt::MiddleButton, vbMiddleButton}});
}

Integer ShiftOf(Qt::KeyboardModifiers modifiers) {
    return MaskOf<Qt::KeyboardModifiers, Qt::KeyboardModifier>(modifiers,
                                                               {{Qt::ShiftModifier, vbShiftMask},
                                                                {Qt::ControlModifier, vbCtrlMask},
                                                                {Qt::AltModifier, vbAltMask}});
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
