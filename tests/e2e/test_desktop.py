"""The program on other desktops: Wayland sessions, an explicit platform, and 96 to 192 dpi."""

import os
import subprocess
import time

import pytest

from strip import (ABOUT, COLOURS, CONFIG, OK, POSITIONS, SCROLLER, STRIP, App, anchor_option,
                   choose, click_box, click_button, wait_closed)
from x11 import wait_for


def test_a_wayland_session_with_xwayland_runs_through_x11(x, binary):
    with App(x, binary, {"WAYLAND_DISPLAY": "wayland-rollkin-test",
                         "XDG_SESSION_TYPE": "wayland"}) as app:
        assert app.window.geometry == (0, 0, 80, 400), app.window
        # Cursor warping works there: a right drag ends with the cursor back at the press.
        x.move(40, 180)
        x.xdotool("mousedown", 3)
        x.move(120, 300)
        x.xdotool("mouseup", 3)
        wait_for(lambda: x.mouse_location() == (40, 180), 5, what="the cursor to return")


def test_an_explicit_platform_is_respected(x, binary):
    env = dict(x.env, QT_QPA_PLATFORM="offscreen")
    proc = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        time.sleep(1.5)
        assert proc.poll() is None, "the program ended on the offscreen platform"
        assert x.find_window(STRIP) is None, "it used X11 though told otherwise"
    finally:
        proc.kill()
        proc.wait(timeout=10)


def test_wayland_without_xwayland_is_one_clear_line_and_status_1(binary):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    env["WAYLAND_DISPLAY"] = "wayland-rollkin-test"
    result = subprocess.run([binary], env=env, capture_output=True, text=True, timeout=60)
    assert result.returncode == 1, (result.returncode, result.stderr)
    lines = result.stderr.strip().splitlines()
    assert len(lines) == 1 and "XWayland" in lines[0], result.stderr


def centred(window, width=2048, height=1536):
    # Qt centres in its own (scaled) pixels: a half pixel there is a whole one here.
    return (abs(window.x - (width - window.w) / 2) <= 1
            and abs(window.y - (height - window.h) / 2) <= 1)


@pytest.mark.parametrize("x", [(2048, 1536)], indirect=True, ids=["2048x1536"])
@pytest.mark.parametrize("dpi, extra_env, full", [
    (96, None, True), (192, None, True),
    # Without Qt's scaling the program sees 192 logical dpi: 7.5 twips to the pixel.
    (192, {"QT_ENABLE_HIGHDPI_SCALING": "0"}, True), (120, None, False), (144, None, False)],
    ids=["96", "192", "192-device-pixels", "120", "144"])
def test_proportions_at_dpi(x, binary, dpi, extra_env, full):
    """At `dpi`, every window keeps its proportions: s physical pixels for each 96-dpi pixel."""
    s = dpi / 96
    x.set_xft_dpi(dpi)
    with App(x, binary, extra_env) as app:
        px = lambda v: round(v * s)  # noqa: E731
        assert app.window.geometry == (0, 0, px(80), px(400)), (dpi, app.window)
        shot = x.screenshot()
        for i, colour in enumerate(COLOURS):
            assert shot.pixel(px(4), px(40 * i + 20)) == colour, (dpi, i)
        # The scroller: beside the strip at the press height, and its value under the
        # cursor (x = 180 at 96 dpi stands for 11).
        pristine = x.screenshot().region(0, px(160), px(80), px(40))
        x.move(px(40), px(180))
        x.xdotool("mousedown", 3)
        # The press takes the cursor's position when it is handled: let it be handled
        # before the cursor moves on.
        time.sleep(0.2)
        x.move(px(40) + 1, px(180))
        scroller = wait_for(lambda: next((w for w in x.mapped_windows()
                                          if w.x == px(80) and w.w > px(200)), None), 5,
                            what="the scroller")
        assert abs(scroller.w - SCROLLER[0] * s) <= 1, scroller
        assert abs(scroller.h - SCROLLER[1] * s) <= 1, scroller
        assert abs(scroller.y - (171 * s)) <= 1, scroller
        x.move(px(180), px(185))
        x.xdotool("mouseup", 3)
        wait_for(lambda: x.mouse_location() == (px(40), px(180)), 5, what="cursor back")
        for _ in range(10):
            x.click(px(40), px(180), button=3, keys=("shift",))
        wait_for(lambda: x.screenshot().region(0, px(160), px(80), px(40)) == pristine, 5,
                 what="11d6 taken back to d6 by ten Shift+right clicks")
        # "20d100" reads whole: its ink stays off the button's edges.
        for _ in range(19):
            x.click(px(40), px(380), button=3)
        time.sleep(0.3)
        shot = x.screenshot()
        ink = [c for c in range(px(80)) for r in range(px(362), px(398), 2)
               if sum(shot.pixel(c, r)) < 150]
        assert ink and min(ink) > px(2) and max(ink) < px(77), (dpi, min(ink), max(ink))
        if not full:
            return
        # The dialog, centred at its design size; the anchor chosen there lands exactly.
        choose(x, app.window, "Configure...", s)
        dialog = x.wait_window(CONFIG)
        assert (dialog.w, dialog.h) == (px(351), px(327)), (dpi, dialog)
        assert centred(dialog), (dpi, dialog)
        click_box(x, dialog, anchor_option(9), POSITIONS, s)
        click_button(x, dialog, OK, s)
        wait_closed(x, CONFIG)
        wait_for(lambda: x.find_window(STRIP).geometry
                 == (2048 - px(80), 1536 - px(400), px(80), px(400)), 5,
                 what="the strip at the lower right")
        # The About window, centred at its design size.
        x.xdotool("windowfocus", "--sync", app.window.id)
        x.xdotool("key", "F1")
        about = x.wait_window(ABOUT)
        assert (about.w, about.h) == (px(307), px(243)), (dpi, about)
        assert centred(about), (dpi, about)
        x.xdotool("key", "Return")
        wait_closed(x, ABOUT)
