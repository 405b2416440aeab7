#include "platform/CloseRequests.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <cstdlib>

namespace rollkin {

namespace {

// A close request to a window that a modal dialog blocks, which Qt drops; the focus offered to a
// window that takes it only from the keyboard.
class X11Events final : public QObject, public QAbstractNativeEventFilter {
public:
    explicit X11Events(xcb_connection_t* connection) : connection_(connection) {
        qApp->installEventFilter(this);
    }

    // The clock of the clicks on such a window and of its showing, by which an offer is judged.
    // A click elsewhere (a dialog's OK) leaves the offer that follows to be taken.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::Show)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (w == nullptr || !w->window()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
            return false;
        if (type != QEvent::Show) {
            lastClick_ = clock_.elapsed();
        } else if (w->isWindow()) {
            lastShown_ = clock_.elapsed();
        }
        return false;
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
            case XCB_CLIENT_MESSAGE: {
                const auto& m = *reinterpret_cast<xcb_client_message_event_t*>(event);
                return CloseBlocked(m) || FocusOffered(m);
            }
            case XCB_LEAVE_NOTIFY:
                GrabbedAway(*reinterpret_cast<xcb_leave_notify_event_t*>(event));
                return false;
            default:
                return false;
        }
    }

private:
    // A close request goes through even while a modal window blocks its window, as it does
    // while a menu is open: closing the strip ends the program, dialog and all.
    bool CloseBlocked(const xcb_client_message_event_t& message) {
        QWindow* modal = QGuiApplication::modalWindow();
        if (modal == nullptr || message.format != 32) return false;
        InternAtoms();
        if (message.type != protocols_ || message.data.data32[0] != deleteWindow_) return false;
        QWindow* w = TopLevel(message.window);
        if (w == nullptr || w == modal) return false;
        // Out of this event's handling; close() passes Qt's modal block.
        QMetaObject::invokeMethod(
            w, [w] { w->close(); }, Qt::QueuedConnection);
        return true;
    }

    // A window that takes no focus on a click (its input hint is false) is offered the focus
    // with WM_TAKE_FOCUS, and decides. Offered for a click on it, or as it is shown (fluxbox
    // focuses new windows), it leaves the typing where it is; offered otherwise (the taskbar,
    // the window switcher, an activation request), it takes the keyboard. Managers offer it as
    // the button goes down, and the press reaches the program just before or just after: the
    // answer waits a moment for it.
    bool FocusOffered(const xcb_client_message_event_t& message) {
        if (message.format != 32) return false;
        InternAtoms();
        if (message.type != protocols_ || message.data.data32[0] != takeFocus_) return false;
        QWindow* window = TopLevel(message.window);
        if (window == nullptr || !window->flags().testFlag(Qt::WindowDoesNotAcceptFocus) ||
            QGuiApplication::modalWindow() != nullptr)
            return false;  // Qt's own handling: a modal window takes it
        const xcb_timestamp_t time = message.data.data32[1];
        const xcb_window_t id = message.window;
        const qint64 offered = clock_.elapsed();
        QTimer::singleShot(AnswerMs, this, [this, id, time, offered] {
            const auto near = [offered](qint64 at) {
                return at >= 0 && std::abs(at - offered) < NearMs;
            };
            if (near(lastClick_) || near(lastShown_)) return;
            xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, id, time);
            xcb_flush(connection_);
        });
        return true;
    }

    // A click on such a window that the window manager takes for itself (openbox's Alt+click)
    // never reaches the program; but the pointer leaves the window for the manager's grab as
    // the button goes down, and that is a click as well.
    void GrabbedAway(const xcb_leave_notify_event_t& leave) {
        if (leave.mode != XCB_NOTIFY_MODE_GRAB) return;
        const QWindow* w = TopLevel(leave.event);
        if (w != nullptr && w->flags().testFlag(Qt::WindowDoesNotAcceptFocus))
            lastClick_ = clock_.elapsed();
    }

    static QWindow* TopLevel(xcb_window_t id) {
        for (QWindow* w : QGuiApplication::topLevelWindows()) {
            if (w->handle() != nullptr && w->winId() == id) return w;
        }
        return nullptr;
    }

    void InternAtoms() {
        if (protocols_ != XCB_ATOM_NONE) return;
        protocols_ = Atom("WM_PROTOCOLS");
        deleteWindow_ = Atom("WM_DELETE_WINDOW");
        takeFocus_ = Atom("WM_TAKE_FOCUS");
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
    xcb_atom_t takeFocus_ = XCB_ATOM_NONE;
    // How long an offer waits for a click to arrive, and how near in time a click or the
    // window's showing must be to the offer to be its cause, in milliseconds.
    static constexpr int AnswerMs = 100;
    static constexpr qint64 NearMs = 400;
    QElapsedTimer clock_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    qint64 lastClick_ = -1;
    qint64 lastShown_ = -1;
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
