"""A whole session of the sanitizer build, ended through the menu: LeakSanitizer finds nothing."""

import os
import time

from strip import (ABOUT, ABOUT_OK, CANCEL, CONFIG, HISTORY, OK, SCROLLER, App, button_rect,
                   choose, click_button, region, wait_closed)
from x11 import wait_for

D6 = button_rect(5)


def test_a_session_with_every_window_leaks_nothing(x, binary):
    # atexit=1: the sanitizer prints its statistics at exit, which shows it was there to look.
    options = os.environ.get("ASAN_OPTIONS", "")
    env = {"ASAN_OPTIONS": ":".join(filter(None, [options, "detect_leaks=1", "atexit=1"]))}
    with App(x, binary, env) as app:
        # A throw, and its label back.
        pristine = region(x, D6)
        x.click(40, 180)
        x.move(600, 600)  # off the strip, where no tooltip covers the button
        wait_for(lambda: region(x, D6) != pristine, 2, what="the total")
        wait_for(lambda: region(x, D6) == pristine, 3, what="the face label")
        # A right drag with the scroller.
        x.move(40, 180)
        x.xdotool("mousedown", 3)
        x.move(45, 180)
        wait_for(lambda: any((w.w, w.h) == SCROLLER for w in x.mapped_windows()), 5,
                 what="the scroller")
        x.move(150, 185)
        x.xdotool("mouseup", 3)
        wait_for(lambda: all((w.w, w.h) != SCROLLER for w in x.mapped_windows()), 5,
                 what="the scroller to hide")
        # The dialog, cancelled and then confirmed.
        for button in (CANCEL, OK):
            choose(x, app.window, "Configure...")
            click_button(x, x.wait_window(CONFIG), button)
            wait_closed(x, CONFIG)
        # About, from the menu and from F1.
        choose(x, app.window, "About...")
        about = x.wait_window(ABOUT)
        x.click(about.x + ABOUT_OK[0], about.y + ABOUT_OK[1])
        wait_closed(x, ABOUT)
        x.xdotool("windowfocus", "--sync", app.window.id)
        x.xdotool("key", "F1")
        x.wait_window(ABOUT)
        x.xdotool("key", "Return")
        wait_closed(x, ABOUT)
        # The history, left open until the end.
        choose(x, app.window, "History...")
        x.wait_window(HISTORY)
        time.sleep(0.2)
        choose(x, app.window, "Exit")
        status = app.wait_exit(timeout=60)
    errors = app.error_output()
    for report in ("LeakSanitizer", "ERROR: AddressSanitizer", "runtime error"):
        assert report not in errors, errors[-6000:]
    assert "AddressSanitizer exit stats" in errors, "not a sanitizer build: " + errors[-2000:]
    assert status == 0, (status, errors[-3000:])
