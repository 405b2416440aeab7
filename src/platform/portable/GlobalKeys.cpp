#include "platform/GlobalKeys.h"

#include <QCoreApplication>

namespace rollkin {

// Taking keys from other windows is the window system's own business: a build without X11 has
// no way to it.
std::unique_ptr<GlobalKeys> NewGlobalKeys(QString& reason) {
    reason = QCoreApplication::translate(
        "GlobalKeys",
        "This build of Dice Rollkin has no X11 support, which keys from any window need.");
    return nullptr;
}

}  // namespace rollkin
