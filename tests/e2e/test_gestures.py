"""Every gesture of the strip, with real input events in a real X server."""

import time

from strip import SCROLLER, button_rect, region
from x11 import wait_for

D6 = button_rect(5)
D6_CENTRE = (40, 180)

def test_left_click_shows_a_total_that_goes_after_about_a_second(x, app):
    pristine = region(x, D6)
    x.click(*D6_CENTRE)
    clicked = time.monotonic()
    wait_for(lambda: region(x, D6) != pristine, 2, what="the total")
    time.sleep(max(0.0, 0.6 - (time.monotonic() - clicked)))
    assert region(x, D6) != pristine, "the total went before its second was up"
    wait_for(lambda: region(x, D6) == pristine, 3, what="the face label to return")
    elapsed = time.monotonic() - clicked
    assert 0.8 <= elapsed <= 2.5, elapsed


def test_right_click_and_shift_right_click_step_the_multiplier(x, app):
    pristine = region(x, D6)
    x.click(*D6_CENTRE, button=3)
    wait_for(lambda: region(x, D6) != pristine, 2, what="the label 2d6")
    two = region(x, D6)
    time.sleep(1.3)  # no timer runs after a right click
    assert region(x, D6) == two
    x.click(*D6_CENTRE, button=3, keys=("shift",))
    wait_for(lambda: region(x, D6) == pristine, 2, what="the label d6")
    x.click(*D6_CENTRE, button=3, keys=("shift",))  # never below 1
    time.sleep(0.2)
    assert region(x, D6) == pristine
    # A right press begun outside the program drags on d6 when it moves there: the next
    # right click takes the slider's value, 1, and adds no die.
    x.move(500, 400)
    x.xdotool("mousedown", 3)
    for px, py in ((40, 180), (45, 185), (500, 400)):
        x.move(px, py)
    x.xdotool("mouseup", 3)
    x.click(*D6_CENTRE, button=3)
    time.sleep(0.2)
    assert region(x, D6) == pristine, "the right click after it added a die"


def test_right_drag_opens_the_scroller_and_returns_the_cursor(x, buttons):
    d6 = buttons[4]  # its label read as a screen reader does
    x.move(*D6_CENTRE)
    x.xdotool("mousedown", 3)
    time.sleep(0.2)  # the press reads the cursor when it is handled
    x.move(41, 180)
    # Beside the strip on the right (it sits left of the screen's centre), centred on
    # the press height: 15 x 180 - 127 twips = 171 px.
    scroller = wait_for(lambda: next((w for w in x.mapped_windows()
                                      if (w.w, w.h) == SCROLLER), None), 5,
                        what="the scroller")
    assert (scroller.x, scroller.y) == (80, 171), scroller
    # Out over the scroller, beyond every window of the program, and back: the pressed
    # button keeps every move and gets the release.
    for px, py in ((60, 185), (100, 185), (600, 500), (900, 700), (140, 185), (180, 185)):
        x.move(px, py)
    x.xdotool("mouseup", 3)
    wait_for(lambda: all((w.w, w.h) != SCROLLER for w in x.mapped_windows()), 5,
             what="the scroller to hide")
    assert x.mouse_location() == D6_CENTRE, x.mouse_location()
    # x = 180 px stands for 11: the button reads 11d6.
    wait_for(lambda: d6.name == "11d6", 2, what=f"11d6, not {d6.name}")


def test_shift_left_press_pops_up_the_menu_at_the_cursor(x, app):
    before = {w.id for w in x.mapped_windows()}
    x.move(40, 100)
    x.xdotool("keydown", "shift", "mousedown", "1")
    menu = wait_for(lambda: next((w for w in x.mapped_windows() if w.id not in before),
                                 None), 5, what="the popup menu")
    x.xdotool("keyup", "shift", "mouseup", "1")
    assert (menu.x, menu.y) == (40, 100), menu
    assert menu.h > 40 and menu.w > 60, menu
    time.sleep(0.2)
    assert any(w.id == menu.id for w in x.mapped_windows()), "the release closed the menu"
    x.xdotool("key", "Escape")
    wait_for(lambda: all(w.id != menu.id for w in x.mapped_windows()), 5,
             what="the menu to close")
