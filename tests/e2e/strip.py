"""The program under test: started in an X server, where things are on its windows, their colours,
and the gestures the tests repeat."""

import os
import subprocess
import tempfile

from x11 import wait_for

STRIP = "Dice Rollkin"
CONFIG = "Dice Rollkin Configuration"
ABOUT = "About Dice Rollkin"
HISTORY = "Dice Rollkin History"
ROLLS = "Dice Rollkin Rolls"
SHARE = "Dice Rollkin Share"
# The middle of each menu item as a share of the menu's height (seven items, a separator above
# the fourth).
ITEMS = {"Configure...": 0.069, "Exit": 0.207, "About...": 0.345, "Roll...": 0.517,
         "Share...": 0.655, "History...": 0.793, "Remember Settings": 0.931}

# The buttons' colours, top to bottom.
COLOURS = [
    (224, 224, 224), (192, 255, 192), (255, 255, 128), (255, 192, 255), (0, 255, 255),
    (128, 255, 128), (255, 128, 128), (192, 192, 0), (128, 128, 255), (0, 192, 0),
]
# In pixels at 96 dpi: the scroller's size, and About's OK button within its window.
SCROLLER = (234, 17)
ABOUT_OK = (264, 20)

# Design places in twips: frames, and controls within them.
DICES = (120, 1440)
POSITIONS = (2160, 2760)
OK = (1680, 4440, 1095, 375)
CANCEL = (4080, 4440, 1095, 375)
FREE, BOUNDED = (120, 240), (1320, 240)
PERMANENT = (2160, 1920)  # results stay until the next throw


class App:
    """The program, started in an X server; a `with` block ends it."""

    def __init__(self, server, binary, extra_env=None, wait_frame=True):
        self.server = server
        env = dict(server.env)
        env.update(extra_env or {})
        self.stderr = tempfile.TemporaryFile()
        self.proc = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                                     stderr=self.stderr)
        try:
            self.window = server.wait_window(STRIP, timeout=30)
            # The first frame: the top button painted in its colour.
            wait_for(lambda: not wait_frame or server.screenshot().pixel(
                self.window.x + 5, self.window.y + 20) == COLOURS[0], 20,
                what="the strip's first frame")
        except BaseException:
            self.stop()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def wait_exit(self, timeout=20):
        return self.proc.wait(timeout=timeout)

    def error_output(self):
        self.stderr.seek(0)
        return self.stderr.read().decode(errors="replace")

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(timeout=10)


def settings_file(server, text):
    folder = os.path.join(server.env["XDG_CONFIG_HOME"], "dicerollkin")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "dicerollkin.conf"), "w") as f:
        f.write(text)


def typing_window(x):
    """An ordinary window the user types in, focused (xev reports its keys): (process, window)."""
    other = subprocess.Popen(["xev", "-name", "other", "-geometry", "300x200+400+300", "-event",
                              "keyboard"], env=x.env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, text=True)
    window = x.wait_window("other")
    # A window manager is asked to activate it; without one it takes the focus itself.
    x.xdotool("windowactivate" if hasattr(x, "wm_name") else "windowfocus", window.id)
    wait_for(lambda: x.focused_window() == window.id, 5, what="the typing window focused")
    return other, window


def button_rect(slot):
    """The visible region (x, y, w, h) of a button of the strip at the upper left, slot 1 on top."""
    return (0, 40 * (slot - 1), 80, 40)


def anchor_option(position):
    """optPos(position) within the positions frame."""
    return ((120, 1080, 2040)[(position - 1) % 3], (600, 840, 1080)[(position - 1) // 3])


def dice_box(slot):
    return (120, 240 * slot)


def choose(x, strip, item, scale=1):
    """Shift+left press on the strip's top button, then a left click on the menu item."""
    before = {w.id for w in x.mapped_windows()}
    x.move(strip.x + int(40 * scale), strip.y + int(20 * scale))
    x.xdotool("keydown", "shift", "mousedown", 1)
    menu = wait_for(lambda: next((w for w in x.mapped_windows() if w.id not in before), None),
                    5, what="the menu")
    x.xdotool("keyup", "shift", "mouseup", 1)
    x.click(menu.x + menu.w // 2, menu.y + int(menu.h * ITEMS[item]))


def click_box(x, dialog, box, frame=None, scale=1):
    """Clicks a check box or option button near its left end, by its design place in twips."""
    left = box[0] + (frame[0] if frame else 0)
    top = box[1] + (frame[1] if frame else 0)
    x.click(dialog.x + int((left // 15 + 7) * scale), dialog.y + int((top // 15 + 8) * scale))


def click_button(x, dialog, button, scale=1):
    left, top, width, height = button
    x.click(dialog.x + int((left + width / 2) / 15 * scale),
            dialog.y + int((top + height / 2) / 15 * scale))


def region(x, rect):
    """The pixels of a rectangle (x, y, w, h) of the screen, for comparing before and after."""
    return x.screenshot().region(*rect)


def wait_closed(x, name):
    wait_for(lambda: x.find_window(name) is None, 5, what=f"{name!r} to close")
