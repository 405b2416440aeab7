#include "platform/CloseRequests.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWindow>
#include <cstdint>
#include <cstdlib>

namespace rollkin {

namespace {

// A close request to a window that a modal dialog blocks, which Qt drops.
class X11Events final : public QAbstractNativeEventFilter {
public:
    explicit X11Events(xcb_connection_t* connection) : connection_(connection) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
        return CloseBlocked(*reinterpret_cast<xcb_client_message_event_t*>(event));
    }

private:
    // A close request goes through even while a modal window blocks its window, as it does
    // while a menu is open: closing the strip ends the program, dialog and all.
    bool CloseBlocked(const xcb_client_message_event_t& message) {
        QWindow* modal = QGuiApplication::modalWindow();
        if (modal == nullptr || message.format != 32) return false;
        if (deleteWindow_ == XCB_ATOM_NONE) {
            protocols_ = Atom("WM_PROTOCOLS");
            deleteWindow_ = Atom("WM_DELETE_WINDOW");
        }
        if (message.type != protocols_ || message.data.data32[0] != deleteWindow_) return false;
        for (QWindow* w : QGuiApplication::topLevelWindows()) {
            if (w != modal && w->handle() != nullptr && w->winId() == message.window) {
                // Out of this event's handling; close() passes Qt's modal block.
                QMetaObject::invokeMethod(
                    w, [w] { w->close(); }, Qt::QueuedConnection);
                return true;
            }
        }
        return false;
    }

    xcb_atom_t Atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(qstrlen(name)), name),
            nullptr);
        xcb_atom_t atom = XCB_ATOM_NONE;
        if (reply != nullptr) atom = reply->atom;
        std::free(reply);
        return atom;
    }

    xcb_connection_t* connection_;
    xcb_atom_t protocols_ = XCB_ATOM_NONE;
    xcb_atom_t deleteWindow_ = XCB_ATOM_NONE;
};

}  // namespace

std::unique_ptr<QAbstractNativeEventFilter> PassCloseRequests() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return nullptr;
    auto filter = std::make_unique<X11Events>(x11->connection());
    QCoreApplication::instance()->installNativeEventFilter(filter.get());
    return filter;
}

}  // namespace rollkin
