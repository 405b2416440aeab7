#include "platform/CloseRequests.h"

#include <QAbstractNativeEventFilter>

namespace rollkin {

// A build without X11 reads no window-system events of its own: Qt's handling stands.
std::unique_ptr<QAbstractNativeEventFilter> PassCloseRequests() {
    return nullptr;
}

}  // namespace rollkin
