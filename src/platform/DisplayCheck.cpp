#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>

#include <string_view>

namespace rollkin {

namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

bool WantsX11(std::string_view platform) {
    return platform == "xcb" || platform.substr(0, 4) == "xcb:";
}

}  // namespace

DisplayChoice ChooseDisplay(const DisplayEnvironment& env) {
    const std::string prefix = "dicerollkin: ";
    if (IsSet(env.qpaPlatform)) {
        if (WantsX11(env.qpaPlatform)) {
            if (!IsSet(env.display)) {
                return {{}, prefix + "QT_QPA_PLATFORM asks for X11 but DISPLAY is not set."};
            }
            if (!env.canConnectX11(env.display)) {
                return {{},
                        prefix + "cannot open the X display \"" + env.display +
                            "\" (is the X server running, and may this user use it?)."};
            }
        }
        return {env.qpaPlatform, {}};
    }
    if (IsSet(env.display)) {
        if (env.canConnectX11(env.display)) return {"xcb", {}};
        return {{},
                prefix + "cannot open the X display \"" + env.display +
                    "\" (is the X server running, and may this user use it?)."};
    }
    if (IsSet(env.waylandDisplay)) {
        return {{},
                prefix +
                    "needs X11 to place its windows and move the cursor, and this "
                    "Wayland session offers no XWayland (DISPLAY is not set)."};
    }
    return {{},
            prefix +
                "no display found (DISPLAY is not set); start it from a graphical "
                "session, or under xvfb-run."};
}

std::string PlatformFailure(const DisplayEnvironment& env, const std::string& platform) {
    const std::string head = "dicerollkin: Qt cannot start its platform \"" + platform + "\"";
    if (IsSet(env.qpaPlatform)) {
        return head +
               " that QT_QPA_PLATFORM asks for; unset QT_QPA_PLATFORM, or set it to an installed "
               "platform such as xcb.";
    }
    return head + "; check that Qt's xcb platform plugin and the libraries it needs are installed.";
}

bool CanConnectX11(const char* display) {
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display, &screen);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

}  // namespace rollkin
