/* The window system's floor: bare Xlib, one 80 x 400 window at the strip's place, drawn on each
 * exposure, with the benchmark's gestures: a press darkens the 40-pixel band under the pointer
 * until its release; a right drag maps a second 234 x 17 window beside it, created at start. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

static void fill(Display* dpy, Window w, GC gc, unsigned long pixel, int y, unsigned width,
                 unsigned height) {
    XSetForeground(dpy, gc, pixel);
    XFillRectangle(dpy, w, gc, 0, y, width, height);
}

int main(void) {
    Display* dpy = XOpenDisplay(NULL);
    if (dpy == NULL) return 1;
    const int screen = XDefaultScreen(dpy);
    const Window root = XRootWindow(dpy, screen);
    const unsigned long cyan = 0x00ffff, dark = 0x008080, green = 0x008000;

    /* No background: the first frame is the program's own drawing, as with Qt. */
    XSetWindowAttributes a;
    a.background_pixmap = None;
    a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | ButtonMotionMask;
    Window strip = XCreateWindow(dpy, root, 0, 0, 80, 400, 0, CopyFromParent, InputOutput,
                                 CopyFromParent, CWBackPixmap | CWEventMask, &a);
    XStoreName(dpy, strip, "Bench X11 floor");
    Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(dpy, strip, &deleteWindow, 1);

    a.override_redirect = True;
    a.event_mask = ExposureMask;
    Window popup =
        XCreateWindow(dpy, root, 80, 171, 234, 17, 0, CopyFromParent, InputOutput, CopyFromParent,
                      CWBackPixmap | CWEventMask | CWOverrideRedirect, &a);
    GC gc = XCreateGC(dpy, strip, 0, NULL);
    XMapWindow(dpy, strip);

    int pressed = -1, popupShown = 0;
    for (;;) {
        XEvent e;
        XNextEvent(dpy, &e);
        switch (e.type) {
            case Expose:
                if (e.xexpose.count != 0) break;
                if (e.xexpose.window == popup) {
                    fill(dpy, popup, gc, green, 0, 234, 17);
                } else {
                    fill(dpy, strip, gc, cyan, 0, 80, 400);
                    if (pressed >= 0) fill(dpy, strip, gc, dark, pressed * 40, 80, 40);
                }
                break;
            case ButtonPress:
                pressed = e.xbutton.y / 40;
                fill(dpy, strip, gc, dark, pressed * 40, 80, 40);
                break;
            case MotionNotify:
                if ((e.xmotion.state & Button3Mask) && !popupShown) {
                    XMapRaised(dpy, popup);
                    popupShown = 1;
                }
                break;
            case ButtonRelease:
                if (popupShown) {
                    XUnmapWindow(dpy, popup);
                    popupShown = 0;
                }
                if (pressed >= 0) fill(dpy, strip, gc, cyan, pressed * 40, 80, 40);
                pressed = -1;
                break;
            case ClientMessage:
                if ((Atom)e.xclient.data.l[0] == deleteWindow) {
                    XCloseDisplay(dpy);
                    return 0;
                }
                break;
            default:
                break;
        }
        XFlush(dpy);
    }
}
