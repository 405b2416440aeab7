"""The strip's window icon reaches the window system, every size of it, once the strip is up."""

import re

from x11 import wait_for

SIZES = [16, 22, 24, 32, 48, 64, 128, 256]


def icon_text(x, window):
    # xprop cuts long properties short unless told their length.
    return x.run("xprop", "-id", hex(window.id), "-notype", "-len", "10000000", "_NET_WM_ICON",
                 check=False)


def icon_sizes(x, window):
    return [int(w) for w, h in re.findall(r"Icon \((\d+) x (\d+)\)", icon_text(x, window))
            if w == h]


def test_strip_gets_its_icon_in_every_size(x, app):
    sizes = wait_for(lambda: icon_sizes(x, app.window), 5, what="_NET_WM_ICON")
    assert sorted(sizes) == SIZES, sizes
    # The picture itself, not an empty frame: the 16 x 16 one has opaque pixels.
    first = icon_text(x, app.window).split("Icon (16 x 16):", 1)[1].split("Icon (", 1)[0]
    assert any(ch not in " \n\t" for ch in first), first[:200]
