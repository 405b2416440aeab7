"""Desktops for end-to-end tests: Xvfb under a window manager, or mutter headless with XWayland."""

import os
import re
import shutil
import signal
import subprocess
import tempfile

from x11 import XServer, Window, wait_for

WINDOW_MANAGERS = {"openbox": ["openbox"], "fluxbox": ["fluxbox", "-rc", "{dir}/init"],
                   # xfwm4 and KWin want a session bus for their settings; KWin's compositing
                   # would want a GPU.
                   "xfwm4": ["dbus-run-session", "--", "xfwm4"],
                   "kwin_x11": ["env", "KWIN_COMPOSE=N", "XDG_CONFIG_HOME={dir}",
                                "dbus-run-session", "--", "kwin_x11"]}
# Wayland compositors running the command given after them, with XWayland for the strip.
COMPOSITORS = {
    "mutter": lambda size, dir: ["mutter", "--headless", "--wayland", "--virtual-monitor",
                                 "x".join(map(str, size)), "--"],
    # A copy of kwin_wayland: the installed one carries file capabilities that a restricted
    # machine refuses to run; the copy keeps the name KWin looks for to use its own platform.
    "kwin_wayland": lambda size, dir: [copy_of("/usr/bin/kwin_wayland", dir), "--virtual",
                                       "--xwayland", "--width", str(size[0]), "--height",
                                       str(size[1]), "--exit-with-session"]}
DESKTOPS = [*WINDOW_MANAGERS, *COMPOSITORS]


def start(desktop):
    """One of DESKTOPS, started: an X display whose windows it manages."""
    return Compositor(desktop) if desktop in COMPOSITORS else WindowManager(desktop)


def copy_of(path, folder):
    target = os.path.join(folder, os.path.basename(path))
    shutil.copy(path, target)
    return target


class Managed:
    """What an X display under a window manager answers: clients, their frames and stacking."""

    def wm_ready(self):
        # openbox names itself before it manages windows; the work area comes last (KWin sets
        # none without a panel).
        props = self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", "_NET_WORKAREA")
        return "window id #" in props and ("_NET_WORKAREA(CARDINAL)" in props or
                                           self.wm_name() == "KWin")

    def wm_name(self):
        check = re.search(r"window id # (0x[0-9a-f]+)",
                          self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        name = check and re.search(r'"(.*)"', self.run("xprop", "-id", check.group(1),
                                                       "_NET_WM_NAME", check=False))
        return name and name.group(1)

    def find_window(self, name):
        ids = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(name)}$",
                       check=False).split()
        for wid in ids:
            info = self.run("xwininfo", "-id", wid, check=False)
            if "IsViewable" in info:
                num = [int(re.search(rf"{k}:\s+(-?\d+)", info).group(1)) for k in
                       ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
                return Window(int(wid), name, *num)
        return None

    def frame(self, window):
        """The window as the user sees it, frame included."""
        extents = self.property(window, "_NET_FRAME_EXTENTS")
        l, r, t, b = map(int, extents.split("=")[1].split(",")) if "=" in extents else [0] * 4
        return (window.x - l, window.y - t, window.w + l + r, window.h + t + b)

    def above(self, upper, lower):
        """Whether a client shows above another, by the X stacking of their frames (fluxbox's
        _NET_CLIENT_LIST_STACKING ignores its layers)."""
        order = re.findall(r"^\s+(0x[0-9a-f]+)", self.run("xwininfo", "-root", "-children"),
                           re.M)  # top to bottom
        return order.index(self.frame_of(upper)) < order.index(self.frame_of(lower))

    def frame_of(self, window):
        wid = hex(window.id)
        while True:
            tree = self.run("xwininfo", "-tree", "-id", wid)
            if "Parent window id: " + self.run("xwininfo", "-root").split()[3] in tree:
                return wid
            wid = re.search(r"Parent window id: (0x[0-9a-f]+)", tree).group(1)


class WindowManager(Managed, XServer):
    def __init__(self, wm, width=1280, height=800):
        XServer.__init__(self, width, height)
        # fluxbox gets settings of its own: no wallpaper (fbsetbg would open a window to say it
        # has no tool to set one), and the current version (else it rewrites them and reloads
        # while the test runs).
        self.settings = tempfile.TemporaryDirectory()
        for name, text in (("init", "session.configVersion: 13\n"
                                    f"session.styleOverlay: {self.settings.name}/overlay\n"),
                           ("overlay", "background: none\n")):
            with open(os.path.join(self.settings.name, name), "w") as f:
                f.write(text)
        command = [a.format(dir=self.settings.name) for a in WINDOW_MANAGERS[wm]]
        self.wm = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True)
        wait_for(self.wm_ready, 20, what=f"{wm} to start")

    def close(self):
        end_group(self.wm)
        XServer.close(self)
        self.settings.cleanup()


class Compositor(Managed, XServer):
    """mutter --headless or kwin_wayland --virtual with one virtual monitor; the program talks to
    its XWayland. Its root window cannot be captured, and XTEST input reaches only X clients:
    enough for the strip."""

    def __init__(self, name, width=1280, height=800):
        self.runtime = tempfile.TemporaryDirectory()
        os.chmod(self.runtime.name, 0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY")}
        env.update(XDG_RUNTIME_DIR=self.runtime.name, XDG_CONFIG_HOME=self.runtime.name)
        found = os.path.join(self.runtime.name, "env")
        session = f"env > {found}.tmp && mv {found}.tmp {found} && exec sleep 3600"
        command = COMPOSITORS[name]((width, height), self.runtime.name)
        # mutter runs the words after "--"; kwin_wayland one command line.
        command += ["sh", "-c", session] if command[-1] == "--" else [f"sh -c '{session}'"]
        self.proc = subprocess.Popen(["dbus-run-session", "--", *command], env=env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     start_new_session=True)
        wait_for(lambda: os.path.exists(found), 30, what=f"{name} and XWayland")
        with open(found) as f:
            given = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        self.display = given["DISPLAY"]
        self.env = dict(env, DISPLAY=self.display, XAUTHORITY=given.get("XAUTHORITY", ""))
        self.width, self.height = width, height
        wait_for(self.wm_ready, 20, what=f"{name} to manage XWayland")

    def close(self):
        end_group(self.proc)
        self.runtime.cleanup()


def end_group(proc):
    """Ends a desktop and all it started (its D-Bus daemon, XWayland): fluxbox ignores SIGTERM."""
    os.killpg(proc.pid, signal.SIGKILL)
    proc.wait(timeout=10)
