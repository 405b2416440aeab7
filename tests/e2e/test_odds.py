"""The Roll window's odds of a typed roll, seen through AT-SPI and on the screen.

Runs inside its own D-Bus session (dbus-run-session); the `buttons` fixture starts its AT-SPI bus.
"""

import time

from strip import ROLLS
from x11 import wait_for


def test_a_typed_roll_shows_its_odds_and_the_chance_against_a_dc(x, buttons):
    import pyatspi
    from gi.repository import GLib

    def pump():
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        time.sleep(0.05)

    def named(node, name):
        if node is None:
            return None
        if node.name == name:
            return node
        for i in range(node.childCount):
            found = named(node.getChildAtIndex(i), name)
            if found is not None:
                return found
        return None

    program = buttons[0].parent.parent
    action = buttons[0].queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("ShowMenu"))
    item = wait_for(lambda: pump() or named(program, "Roll..."), 5, what="the menu's Roll...")
    item.queryAction().doAction(0)
    window = x.wait_window(ROLLS)
    x.xdotool("type", "--delay", "30", "2d20kh1+5")
    chart = wait_for(lambda: pump() or named(program, "Odds of the roll"), 10, what="the chart")
    # The best of two d20 is 10 or more with chance 1 - (9/20)^2 = 79.75 %; its mean 13.825.
    wait_for(lambda: pump() or chart.description == "average 18.8, 6 to 25; DC 15: 79.8%", 10,
             what=f"the odds of 2d20kh1+5, not {chart.description!r}")
    # Drawn: bars below 15 in one colour and from 15 in another, on the chart's ground.
    left, top, width, height = chart.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    assert window.x <= left and width > 20 and height > 20, (left, top, width, height)
    shot = x.screenshot()
    colours = {shot.pixel(left + i, top + height - 3) for i in range(2, width - 2)}
    assert len(colours) >= 3, colours
