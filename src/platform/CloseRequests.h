#pragma once

#include <memory>

class QAbstractNativeEventFilter;

namespace rollkin {

// Lets a close request from the window manager through to a window that a modal dialog blocks
// (Qt drops it), as it goes through while a menu is open: closing the strip ends the program,
// dialog and all. Installed in the application; the filter takes itself out when destroyed.
// With it, a window flagged Qt::WindowDoesNotAcceptFocus takes the keyboard when the desktop
// offers it (the taskbar, the window switcher) but not for a click on it, whoever took the
// click (the window manager's own Alt+click too).
// Null where the window system's requests cannot be seen.
std::unique_ptr<QAbstractNativeEventFilter> PassCloseRequests();

}  // namespace rollkin
