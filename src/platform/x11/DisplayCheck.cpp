#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>

#include "text/TranslateEarly.h"

#include <string_view>

namespace rollkin {

namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

bool WantsX11(std::string_view platform) {
    return platform == "xcb" || platform.substr(0, 4) == "xcb:";
}

// One line for standard error: the program's name, then the text in the user's language with
// %1 standing for `argument`.
std::string Line(const DisplayEnvironment& env, const char* text, const std::string& argument) {
    QString line = TranslateEarly(env.catalogue, "DisplayCheck", text);
    // Not every line names the display: arg() would warn about the missing %1.
    if (line.contains(QLatin1String("%1"))) line = line.arg(QString::fromStdString(argument));
    return "dicerollkin: " + line.toStdString();
}

}  // namespace

DisplayChoice ChooseDisplay(const DisplayEnvironment& env) {
    auto error = [&env](const char* text) -> DisplayChoice {
        return {{}, Line(env, text, IsSet(env.display) ? env.display : "")};
    };
    const char* const unreachable = QT_TRANSLATE_NOOP(
        "DisplayCheck",
        "cannot open the X display \"%1\" (is the X server running, and may this user use it?).");
    if (IsSet(env.qpaPlatform)) {
        if (WantsX11(env.qpaPlatform)) {
            if (!IsSet(env.display)) {
                return error(QT_TRANSLATE_NOOP(
                    "DisplayCheck", "QT_QPA_PLATFORM asks for X11 but DISPLAY is not set."));
            }
            if (!env.canConnectX11(env.display)) return error(unreachable);
        }
        return {env.qpaPlatform, {}};
    }
    if (IsSet(env.display)) {
        if (env.canConnectX11(env.display)) return {"xcb", {}};
        return error(unreachable);
    }
    if (IsSet(env.waylandDisplay)) {
        return error(QT_TRANSLATE_NOOP("DisplayCheck",
                                       "needs X11 to place its windows and move the cursor, and "
                                       "this Wayland session offers no XWayland (DISPLAY is not "
                                       "set)."));
    }
    return error(QT_TRANSLATE_NOOP("DisplayCheck",
                                   "no display found (DISPLAY is not set); start it from a "
                                   "graphical session, or under xvfb-run."));
}

std::string PlatformFailure(const DisplayEnvironment& env, const std::string& platform) {
    if (IsSet(env.qpaPlatform)) {
        return Line(env,
                    QT_TRANSLATE_NOOP("DisplayCheck",
                                      "Qt cannot start its platform \"%1\" that QT_QPA_PLATFORM "
                                      "asks for; unset QT_QPA_PLATFORM, or set it to an installed "
                                      "platform such as xcb."),
                    platform);
    }
    return Line(env,
                QT_TRANSLATE_NOOP("DisplayCheck",
                                  "Qt cannot start its platform \"%1\"; check that Qt's xcb "
                                  "platform plugin and the libraries it needs are installed."),
                platform);
}

bool CanConnectX11(const char* display) {
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display, &screen);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

}  // namespace rollkin
