"""The strip on real desktops: openbox, xfwm4, fluxbox and KWin in Xvfb, GNOME's mutter and KWin
headless with XWayland; twice the scale; two monitors; a platform Qt cannot start."""

import os
import re
import subprocess
import time

import pytest

from desktops import DESKTOPS, start
from strip import (ABOUT, BOUNDED, CONFIG, FREE, OK, POSITIONS, ROLLS, STRIP, App,
                   anchor_option, choose, click_box, click_button, region, settings_file,
                   typing_window, wait_closed)
from x11 import XServer, wait_for


@pytest.fixture(params=DESKTOPS)
def desktop(request):
    with start(request.param) as x:
        yield x


def test_strip_on_a_desktop(desktop, binary):
    x = desktop
    # Under mutter headless XWayland's root cannot be captured, but XTEST input reaches its X
    # clients: the strip's own window is captured instead of the screen.
    def top_button():
        return x.run("import", "-window", hex(app.window.id), "-crop", "80x40+0+0", "-depth",
                     "8", "rgb:-", text=False)
    # An ordinary window in the corner first, which the user types in (xev reports the keys):
    # a manager that ignored the strip's position would place the strip beside it (fluxbox did).
    other = subprocess.Popen(["xev", "-name", "other", "-geometry", "400x300+0+0", "-event",
                              "keyboard"], env=x.env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, text=True)
    ordinary = x.wait_window("other")
    app = App(x, binary, wait_frame=False)
    try:
        strip = app.window
        assert strip.geometry == (0, 0, 80, 400), strip
        assert x.frame(strip) == strip.geometry, "the strip has a frame"
        assert "_NET_WM_STATE_ABOVE" in x.property(strip, "_NET_WM_STATE")
        # A window beside the strip at the monitor's top keeps its title bar on the screen.
        choose(x, strip, "Roll...")
        x.wait_window(ROLLS)
        wait_for(lambda: (f := x.frame(x.find_window(ROLLS))) and f[1] >= 0, 5,
                 what="the Rolls window's title bar on the screen")
        x.close_request(x.find_window(ROLLS))
        wait_closed(x, ROLLS)
        # The ordinary window, raised over the strip, stays below it.
        x.xdotool("windowactivate", ordinary.id)
        wait_for(lambda: x.focused_window() == ordinary.id, 5, what="the ordinary window raised")
        assert x.above(strip, ordinary), "the strip under an ordinary window"
        # A throw changes the top caption, and the typing stays where it was.
        active = x.run("xprop", "-root", "_NET_ACTIVE_WINDOW")
        label = top_button()
        x.xdotool("type", "ab")
        x.click(40, 20)
        wait_for(lambda: top_button() != label, 5, what="a throw's total")
        x.xdotool("type", "cd")
        assert x.focused_window() == ordinary.id
        assert x.run("xprop", "-root", "_NET_ACTIVE_WINDOW") == active
        # Brought forward as a window, the strip takes the keys: Space throws.
        wait_for(lambda: top_button() == label, 5, what="the face label back")
        x.xdotool("windowactivate", strip.id)
        wait_for(lambda: x.focused_window() == strip.id, 5, what="the strip activated")
        x.xdotool("key", "space")
        wait_for(lambda: top_button() != label, 5, what="a throw by Space")
        # At MC the dialogs the strip opens stack above it, centred with their frames.
        choose(x, strip, "Configure...")
        dialog = x.wait_window(CONFIG)
        click_box(x, dialog, anchor_option(5), POSITIONS)
        assert x.above(dialog, strip), "the dialog under the strip"
        click_button(x, dialog, OK)
        wait_closed(x, CONFIG)
        strip = wait_for(lambda: (s := x.find_window(STRIP)) and s.x == 600 and s, 5,
                         what="the strip at MC")
        for name in (CONFIG, ABOUT):
            choose(x, strip, "Configure..." if name == CONFIG else "About...")
            dialog = x.wait_window(name)
            wait_for(lambda: x.above(x.find_window(name), strip), 5, what=f"{name} on top")
            wait_for(lambda: (f := x.frame(x.find_window(name))) and abs(2 * f[0] + f[2] - x.width)
                     <= 1 and abs(2 * f[1] + f[3] - x.height) <= 1, 5, what=f"{name} centred")
            x.close_request(x.find_window(name))
            wait_closed(x, name)
    finally:
        app.stop()
        other.terminate()
        typed = re.findall(r"KeyPress event.*?keysym 0x\w+, (\w+)\)", other.communicate()[0],
                           re.S)
    # Whole, before and after the click (later the dialogs come and go, and the keys with them);
    # the Shift that opened the menu for the Rolls window is no typing.
    typed = [k for k in typed if not k.startswith("Shift")]
    assert typed[:4] == list("abcd"), typed


@pytest.mark.parametrize("scale", [{"dpi": 192}, {"QT_SCALE_FACTOR": "2"}], ids=["dpi", "qt"])
@pytest.mark.parametrize("manager", ["openbox", "xfwm4", "fluxbox", "kwin_x11"])
def test_twice_the_scale_twice_the_size(manager, scale, binary):
    with start(manager) as x:
        if "dpi" in scale:
            x.set_xft_dpi(scale["dpi"])
        with App(x, binary, {k: v for k, v in scale.items() if k != "dpi"}) as app:
            hints = x.property(app.window, "WM_NORMAL_HINTS")
            wait_for(lambda: x.find_window(STRIP).geometry == (0, 0, 160, 800), 5,
                     what=f"the strip at 160 x 800: {x.find_window(STRIP)}, {hints}")
            assert "size: -" not in hints, hints


@pytest.mark.parametrize("x", [(2048, 768)], indirect=True, ids=["2048x768"])
def test_two_monitors(x, binary):
    x.run("xrandr", "--setmonitor", "left", "1024/270x768/203+0+0", "none")
    x.run("xrandr", "--setmonitor", "*right", "1024/270x768/203+1024+0", "none")
    with App(x, binary) as app:
        assert app.window.geometry == (1024, 0, 80, 400), "not UL on the primary monitor"
        choose(x, app.window, "Configure...")
        click_box(x, x.wait_window(CONFIG), FREE, POSITIONS)
        click_button(x, x.wait_window(CONFIG), OK)
        wait_closed(x, CONFIG)
        # Dragged onto the other monitor, then anchored LR: that monitor's corner.
        x.move(1064, 100)
        x.xdotool("keydown", "ctrl", "mousedown", 1)
        for step in range(1, 11):
            x.move(1064 - 60 * step, 100)
        x.xdotool("mouseup", 1, "keyup", "ctrl")
        strip = wait_for(lambda: (s := x.find_window(STRIP)).x == 424 and s, 10, what="drag")
        choose(x, strip, "Configure...")
        dialog = x.wait_window(CONFIG)
        assert 0 <= dialog.x < 1024 - dialog.w, f"not centred on the strip's monitor: {dialog}"
        click_box(x, dialog, BOUNDED, POSITIONS)
        click_box(x, dialog, anchor_option(9), POSITIONS)
        click_button(x, dialog, OK)
        wait_for(lambda: x.find_window(STRIP).geometry == (944, 368, 80, 400), 5,
                 what="the strip at the left monitor's lower right")
        # Its monitor goes: the strip lands whole on the other, at its anchor.
        x.run("xrandr", "--delmonitor", "left")
        wait_for(lambda: x.find_window(STRIP).geometry == (1968, 368, 80, 400), 10,
                 what="the strip at the remaining monitor's lower right")


@pytest.mark.parametrize("platform", ["wayland", "nonsense"])
def test_a_platform_qt_cannot_start(binary, platform):
    env = dict(os.environ, QT_QPA_PLATFORM=platform)
    result = subprocess.run([binary], env=env, capture_output=True, text=True, timeout=60)
    lines = result.stderr.strip().splitlines()
    assert result.returncode == 1 and len(lines) == 1 and platform in lines[0], result


@pytest.mark.parametrize("manager", [None, "openbox", "kwin_x11"])
def test_hover_details_show_on_the_inactive_strip_and_leave_the_typing(manager, binary):
    with start(manager) if manager else XServer() as x:
        settings_file(x, "[Settings]\nRemember=true\nResultPermanent=true\n"
                         "MultiplierPermanent=true\nMultipliers=1, 1, 1, 1, 3\n")
        other, typing = typing_window(x)
        with App(x, binary):
            x.click(40, 180)  # d6, which throws 3d6
            before = {w.id for w in x.mapped_windows()}
            x.move(42, 182)  # the pointer rests on the button
            tip = wait_for(lambda: next((w for w in x.mapped_windows() if w.id not in before),
                                        None), 2, interval=0.05, what="the tooltip")
            # "3d6: a + b + c = n" by the pointer: much wider than a face label.
            assert tip.w > 80 and abs(tip.y - 182) < 60, tip
            assert x.focused_window() == typing.id
            # A click the window manager takes for itself (openbox's Alt+click) leaves the
            # typing where it is too.
            x.click(40, 20, keys=["alt"])
            time.sleep(0.5)
            assert x.focused_window() == typing.id
        other.terminate()


def test_ctrl_alt_1_throws_the_first_saved_roll_and_leaves_the_typing(binary):
    with start("openbox") as x:
        settings_file(x, "[Settings]\nRemember=true\nResultPermanent=true\nGlobalKeys=true\n"
                         "[Rolls]\n1\\name=Fireball\n1\\roll=8d6\nsize=1\n")
        other, typing = typing_window(x)
        with App(x, binary):
            saved = (0, 400, 80, 40)  # under the ten dice
            name = region(x, saved)
            x.xdotool("type", "ab")
            x.xdotool("key", "ctrl+alt+1")
            wait_for(lambda: region(x, saved) != name, 5, what="the saved roll's total")
            x.xdotool("type", "cd")
            assert x.focused_window() == typing.id
        other.terminate()
        typed = re.findall(r"KeyPress event.*?keysym 0x\w+, (\w+)\)", other.communicate()[0],
                           re.S)
    # The key went to the strip alone: the typing window saw its Ctrl and Alt, never the 1.
    assert [k for k in typed if len(k) == 1] == list("abcd"), typed
