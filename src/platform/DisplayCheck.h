#pragma once

#include <string>

class QTranslator;

namespace rollkin {

// What start-up makes of the environment's display settings.
struct DisplayChoice {
    std::string platform;  // Qt platform plugin to ask for; empty leaves the user's own choice
    std::string error;     // set when no usable display exists: one line for standard error
};

// The display environment, as read from QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY (null or
// empty when unset), and a probe that tells whether an X server answers on a display.
struct DisplayEnvironment {
    const char* qpaPlatform = nullptr;
    const char* display = nullptr;
    const char* waylandDisplay = nullptr;
    bool (*canConnectX11)(const char* display) = nullptr;
    // The user's catalogue, when one is loaded: the error line is written in their language.
    const QTranslator* catalogue = nullptr;
};

// Chooses how to reach the desktop before QApplication exists (Qt aborts when it finds no
// display). Cursor warping and placing windows at screen coordinates need X11, so X11 is used
// whenever it answers, also through XWayland; an explicit QT_QPA_PLATFORM is respected. A build
// without X11 (src/platform/portable/) leaves the choice to Qt.
DisplayChoice ChooseDisplay(const DisplayEnvironment& env);

// The line for standard error when Qt cannot load or start the chosen platform plugin (empty:
// Qt's own message).
std::string PlatformFailure(const DisplayEnvironment& env, const std::string& platform);

// Whether an X server accepts a connection on the display (null: $DISPLAY); never in a build
// without X11.
bool CanConnectX11(const char* display);

}  // namespace rollkin
