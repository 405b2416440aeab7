#include "platform/DisplayCheck.h"

namespace rollkin {

// A build without X11 checks no display of its own: Qt's choice of platform stands, and so does
// its own message when it cannot start one.
DisplayChoice ChooseDisplay(const DisplayEnvironment& env) {
    return {env.qpaPlatform != nullptr ? env.qpaPlatform : "", {}};
}

std::string PlatformFailure(const DisplayEnvironment&, const std::string&) {
    return {};
}

bool CanConnectX11(const char*) {
    return false;
}

}  // namespace rollkin
