"""Where things are on the program's windows, and the gestures the tests repeat."""

from x11 import wait_for

STRIP = "Dice Rollkin"
CONFIG = "Dice Rollkin Configuration"
ABOUT = "About Dice Rollkin"
HISTORY = "Dice Rollkin History"
# The middle of each menu item as a share of the menu's height (four items, a separator above
# the last).
ITEMS = {"Configure...": 0.11, "Exit": 0.35, "About...": 0.59, "History...": 0.87}

# Design places in twips: frames, and controls within them.
DICES = (120, 1440)
POSITIONS = (2160, 2760)
OK = (1680, 4440, 1095, 375)
CANCEL = (4080, 4440, 1095, 375)
FREE, BOUNDED = (120, 240), (1320, 240)


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
