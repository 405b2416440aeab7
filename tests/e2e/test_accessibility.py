"""What a screen reader sees of the strip, through AT-SPI: names, and the announcement of each throw.

Runs inside its own D-Bus session (dbus-run-session); the `buttons` fixture starts its AT-SPI bus.
"""

import re
import time

from strip import CONFIG, STRIP
from x11 import wait_for

LABELS = ["d2", "d3", "d4", "d5", "d6", "d8", "d10", "d12", "d20", "d100"]


def test_buttons_are_named_and_each_throw_is_announced(x, buttons):
    import pyatspi
    from gi.repository import GLib

    assert [b.name for b in buttons] == LABELS, [b.name for b in buttons]
    assert all(b.getRoleName() == "push button" for b in buttons)

    events = []

    def on_change(event):
        if event.source is not None:
            events.append((event.type, event.source.name, event.source.description))

    pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-name")

    def pump(seconds):
        end = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while time.monotonic() < end:
            while context.iteration(False):
                pass
            time.sleep(0.01)

    def seen(pattern):
        return [e for e in events if re.fullmatch(pattern, e[1] or "")]

    x.click(40, 180, button=3)  # d6 -> 2d6
    pump(0.5)
    assert seen(r"2d6"), events
    events.clear()
    x.click(40, 180)  # throw 2d6
    deadline = time.monotonic() + 5
    while not seen(r"2d6: \d+") and time.monotonic() < deadline:
        pump(0.1)
    thrown = seen(r"2d6: \d+")
    assert thrown, events
    total = int(thrown[-1][1].split(": ")[1])
    assert 2 <= total <= 12, thrown
    description = buttons[4].description
    m = re.fullmatch(r"2d6: (\d) \+ (\d) = (\d+), highest (\d), lowest (\d)", description)
    assert m and int(m.group(1)) + int(m.group(2)) == total == int(m.group(3)), description
    # About a second later the face label is back, and that is announced too.
    deadline = time.monotonic() + 5
    while not seen(r"d6") and time.monotonic() < deadline:
        pump(0.1)
    assert seen(r"d6"), events
    # Told once of the total and once of the label.
    assert len(events) == 2, events

    # The same with the button's actions alone, as a screen reader without a mouse does.
    action = buttons[4].queryAction()
    names = [action.getName(i) for i in range(action.nActions)]

    def act(name, pattern):
        events.clear()
        assert action.doAction(names.index(name))
        return wait_for(lambda: pump(0.1) or seen(pattern), 5, what=pattern)[-1][1]

    assert 1 <= int(act("Press", r"d6: \d+").split(": ")[1]) <= 6
    act("Increase", r"2d6")
    act("Decrease", r"d6")
    # The program's windows are those on the screen: the strip, a window, and the menu when
    # it is open; never the hidden host of the menu.
    program = buttons[0].parent.parent
    assert buttons[0].parent.getRoleName() == "frame"

    def windows():
        return {w.name: w for w in (program.getChildAtIndex(i) for i in range(program.childCount))}
    assert list(windows()) == [STRIP], windows()
    before = {w.id for w in x.mapped_windows()}
    action.doAction(names.index("ShowMenu"))
    menu = wait_for(lambda: [w for w in x.mapped_windows() if w.id not in before], 5,
                    what="the menu")
    assert [(w.x, w.y) for w in menu] == [(80, 160)], menu  # beside d6
    popup = wait_for(lambda: [w for w in windows().values() if "menu" in w.getRoleName()], 5,
                     what="the menu in the tree")[0]
    items = {popup.getChildAtIndex(i).name: popup.getChildAtIndex(i)
             for i in range(popup.childCount)}
    assert {"Configure...", "Exit", "About...", "History...",
            "Remember Settings"} <= set(items), items
    assert "Form1" not in windows()
    # A command that opens a modal window answers first: the reader does not wait on it.
    started = time.monotonic()
    items["Configure..."].queryAction().doAction(0)
    assert time.monotonic() - started < 2
    x.close_request(x.wait_window(CONFIG))
    wait_for(lambda: x.find_window(CONFIG) is None, 5, what="the dialog closed")
    assert list(windows()) == [STRIP], windows()
    pyatspi.Registry.deregisterEventListener(on_change, "object:property-change:accessible-name")
