"""A long evening at the table: 10,000 mixed gestures on the real program, in bounded time and
with bounded memory, and the program still answers afterwards.

    python3 -m pytest -s test_soak.py --binary BINARY [--gestures N]
"""

import random
import time

from strip import App, button_rect, region
from x11 import wait_for

GESTURES = 10000
BATCH = 50          # gestures per xdotool run: one process start for many gestures
SYNC_EVERY = 500    # gestures between waits for the program to catch up
SEED = 20240607
TIME_LIMIT = 240    # seconds for all the gestures
RSS_LIMIT_KIB = 1024
PAUSE = "0.002"     # seconds after each step
SLOT1 = button_rect(1)  # the d2 button, used to tell when the program has caught up
AWAY = (600, 600)       # a place off the strip


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS")


def button_point(rng):
    slot = rng.randrange(1, 10)  # d2, at the top, is left for catch_up()
    return rng.randrange(5, 75), 40 * slot + rng.randrange(5, 35)


def click(button):
    # Not xdotool's "click", which sleeps 100 ms after each.
    return ["mousedown", button, "mouseup", button]


def with_key(key, commands):
    return ["keydown", "--delay", 0, key] + commands + ["keyup", "--delay", 0, key]


def gesture(rng):
    """One gesture as xdotool commands; never one that opens a window (that needs a wait).
    The pauses keep the program in step: it reads the cursor when it handles an event, so a
    drag sent faster than that would read where a later gesture has put the cursor."""
    x, y = button_point(rng)
    at = ["mousemove", x, y]
    pause = ["sleep", PAUSE]
    kind = rng.random()
    if kind < 0.38:  # a throw
        return at + click(1) + pause
    if kind < 0.55:  # one die more
        return at + click(3) + pause
    if kind < 0.67:  # one die fewer
        return at + with_key("shift", click(3)) + pause
    if kind < 0.77:  # a right drag with the scroller
        return at + ["mousedown", 3] + pause + ["mousemove", x + 3, y] + pause + [
            "mousemove", 80 + rng.randrange(0, 240), y + rng.randrange(-5, 6)] + pause + [
            "mouseup", 3] + pause * 3
    if kind < 0.87:  # a throw with a modifier the strip ignores
        return at + with_key(rng.choice(["ctrl", "alt"]), click(1)) + pause
    if kind < 0.94:  # a double click
        return at + click(1) + click(1) + pause
    return at + click(2) + pause  # the middle button does nothing


def catch_up(x):
    """Returns once the program has handled every event sent so far: a right click on d2 and a
    Shift+right click back must each show on the screen, and they come after all the others."""
    before = region(x, SLOT1)
    # The pointer leaves the strip at once, so that no tooltip covers what is compared.
    x.xdotool("mousemove", 40, 20, *click(3), "mousemove", *AWAY)
    wait_for(lambda: region(x, SLOT1) != before, 30, what="the program to catch up")
    x.xdotool("mousemove", 40, 20, *with_key("shift", click(3)), "mousemove", *AWAY)
    wait_for(lambda: region(x, SLOT1) == before, 30, what="the program to catch up")


def dismiss_message_boxes(x):
    """Clicks OK on any message box; returns how many there were."""
    boxes = [w for w in x.mapped_windows() if w.name == "DiceRollkin"]
    for box in boxes:
        x.xdotool("mousemove", box.x + box.w - 52, box.y + box.h - 24, *click(1))
        wait_for(lambda: all(w.id != box.id for w in x.mapped_windows()), 10,
                 what="the message box to close")
    return len(boxes)


def open_and_close_the_menu(x):
    before = {w.id for w in x.mapped_windows()}
    x.xdotool("mousemove", 40, 100, "keydown", "shift", "mousedown", 1)
    menu = wait_for(lambda: next((w for w in x.mapped_windows() if w.id not in before), None),
                    10, what="the menu")
    x.xdotool("keyup", "--delay", 0, "shift", "mouseup", 1, "key", "--delay", 0, "Escape")
    wait_for(lambda: all(w.id != menu.id for w in x.mapped_windows()), 10,
             what="the menu to close")


def test_ten_thousand_gestures_in_bounded_time_and_memory(x, binary, pytestconfig):
    gestures = pytestconfig.getoption("gestures") or GESTURES
    rng = random.Random(SEED)
    with App(x, binary) as app:
        pid = app.proc.pid
        samples = []  # (gestures done, RSS in KiB)
        start = time.monotonic()
        done = 0
        boxes = 0  # message boxes: none may come up (a hand moving on is no cursor failure)
        while done < gestures:
            commands = []
            for _ in range(BATCH):
                commands += gesture(rng)
            x.xdotool(*commands)
            done += BATCH
            boxes += dismiss_message_boxes(x)
            if done % SYNC_EVERY == 0:
                catch_up(x)
                open_and_close_the_menu(x)
                samples.append((done, rss_kib(pid)))
            assert app.proc.poll() is None, app.error_output()[-3000:]
            assert time.monotonic() - start < TIME_LIMIT, f"{done} gestures took too long"
        elapsed = time.monotonic() - start

        # Still answering: a throw shows a total, and its face label comes back.
        catch_up(x)
        pristine = region(x, SLOT1)
        x.xdotool("mousemove", 40, 20, *click(1), "mousemove", *AWAY)
        clicked = time.monotonic()
        wait_for(lambda: region(x, SLOT1) != pristine, 2, what="a total after the soak")
        wait_for(lambda: region(x, SLOT1) == pristine, 3, what="the label after the soak")
        answer = time.monotonic() - clicked

        at = dict(samples)
        first = at.get(1000, samples[0][1])
        growth = samples[-1][1] - first
        print(f"{done} gestures in {elapsed:.1f} s ({done / elapsed:.0f}/s); "
              f"RSS {first} KiB at gesture 1000, {samples[-1][1]} KiB at {samples[-1][0]}: "
              f"growth {growth} KiB; a throw and its label back {answer:.2f} s after; "
              f"{boxes} cursor-setting message boxes", flush=True)
        print("RSS samples (gesture: KiB): " + ", ".join(f"{g}: {r}" for g, r in samples),
              flush=True)
        assert growth < RSS_LIMIT_KIB, samples
        assert boxes == 0, f"{boxes} message boxes came up during the soak"
