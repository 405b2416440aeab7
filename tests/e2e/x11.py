"""A private X server for end-to-end tests, and the few things the tests do with it."""

import ctypes
import ctypes.util
import os
import re
import shutil
import subprocess
import tempfile
import time

SCREEN_W, SCREEN_H = 1024, 768


def wait_for(predicate, timeout=10.0, interval=0.02, what="condition"):
    """Polls until predicate() is truthy; returns its value or raises after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class Window:
    def __init__(self, wid, name, x, y, w, h):
        self.id, self.name, self.x, self.y, self.w, self.h = wid, name, x, y, w, h

    @property
    def geometry(self):
        return (self.x, self.y, self.w, self.h)

    def __repr__(self):
        return f"Window({self.id:#x}, {self.name!r}, {self.w}x{self.h}+{self.x}+{self.y})"


class XServer:
    """Xvfb on a free display number, without a window manager."""

    def __init__(self, width=SCREEN_W, height=SCREEN_H, dpi=None):
        read_fd, write_fd = os.pipe()
        args = ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
                "-noreset", "-nolisten", "tcp"]
        if dpi:
            args += ["-dpi", str(dpi)]
        self.proc = subprocess.Popen(args, pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"
        # A configuration folder of the server's own, not yet made: the program makes it only
        # when asked to keep something.
        self.home = tempfile.mkdtemp(prefix="rollkin-")
        self.env = dict(os.environ, DISPLAY=self.display,
                        XDG_CONFIG_HOME=os.path.join(self.home, "config"))
        for var in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"):
            self.env.pop(var, None)
        self.width, self.height = width, height

    def close(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)
        shutil.rmtree(self.home, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # --- commands --------------------------------------------------------------------------
    def run(self, *args, check=True, text=True):
        result = subprocess.run(list(args), env=self.env, capture_output=True, text=text,
                                timeout=60)
        if check and result.returncode != 0:
            raise RuntimeError(f"{args} failed: {result.stderr.strip()}")
        return result.stdout

    def xdotool(self, *args):
        return self.run("xdotool", *[str(a) for a in args])

    def set_xft_dpi(self, dpi):
        subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {dpi}\n", env=self.env, text=True,
                       check=True, timeout=30)

    # --- windows ---------------------------------------------------------------------------
    def mapped_windows(self):
        """Top-level windows that are viewable, front-most first (as xwininfo lists them)."""
        tree = self.run("xwininfo", "-root", "-children")
        windows = []
        for line in tree.splitlines():
            m = re.match(r'\s+(0x[0-9a-f]+) (\(has no name\)|"(.*)"):.*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)',
                         line)
            if not m:
                continue
            wid = int(m.group(1), 16)
            info = self.run("xwininfo", "-id", hex(wid), check=False)
            if "IsViewable" not in info:
                continue
            ax = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
            ay = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
            w = int(re.search(r"Width:\s+(\d+)", info).group(1))
            h = int(re.search(r"Height:\s+(\d+)", info).group(1))
            windows.append(Window(wid, m.group(3), ax, ay, w, h))
        return windows

    def find_window(self, name):
        return next((w for w in self.mapped_windows() if w.name == name), None)

    def wait_window(self, name, timeout=20.0):
        return wait_for(lambda: self.find_window(name), timeout, what=f"window {name!r}")

    def property(self, window, name):
        return self.run("xprop", "-id", hex(window.id), name, check=False)

    def focused_window(self):
        return int(self.xdotool("getwindowfocus", "-f").strip() or 0)

    # --- pointer and keys ------------------------------------------------------------------
    def mouse_location(self):
        out = self.xdotool("getmouselocation")
        m = re.match(r"x:(-?\d+) y:(-?\d+)", out)
        return int(m.group(1)), int(m.group(2))

    def move(self, x, y):
        self.xdotool("mousemove", x, y)
        time.sleep(0.03)  # back-to-back moves may be merged into one

    def click(self, x, y, button=1, keys=()):
        self.move(x, y)
        for k in keys:
            self.xdotool("keydown", k)
        self.xdotool("click", button)
        for k in reversed(keys):
            self.xdotool("keyup", k)
        time.sleep(0.03)

    def close_request(self, window):
        """Sends WM_DELETE_WINDOW, as a window manager or taskbar does to close a window."""
        os.environ["XAUTHORITY"] = self.env.get("XAUTHORITY", "")
        _send_close_request(self.display, window.id)

    # --- pixels ----------------------------------------------------------------------------
    def screenshot(self):
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                             env=self.env, capture_output=True, check=True, timeout=60).stdout
        return Image(raw, self.width, self.height)

    def save_screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True, timeout=60)


class Image:
    def __init__(self, raw, width, height):
        self.raw, self.width, self.height = raw, width, height

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.raw[i:i + 3])

    def region(self, x, y, w, h):
        return bytes(b"".join(self.raw[((y + r) * self.width + x) * 3:
                                       ((y + r) * self.width + x + w) * 3] for r in range(h)))


# --- WM_DELETE_WINDOW through libX11 -----------------------------------------------------------
class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def _send_close_request(display_name, window_id):
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(_XEvent)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = xlib.XOpenDisplay(display_name.encode())
    if not dpy:
        raise RuntimeError(f"cannot open {display_name}")
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window_id
        event.xclient.message_type = xlib.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = xlib.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        xlib.XSendEvent(dpy, window_id, 0, 0, ctypes.byref(event))
        xlib.XFlush(dpy)
    finally:
        xlib.XCloseDisplay(dpy)
