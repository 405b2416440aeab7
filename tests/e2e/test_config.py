"""Configuration dialog, layout refresh, menu commands and the About window, with real clicks."""

import os
import re
import time

from strip import (ABOUT, ABOUT_OK, BOUNDED, CANCEL, COLOURS, CONFIG, DICES, FREE, HISTORY, OK,
                   POSITIONS, ROLLS, STRIP, App, anchor_option, choose, click_box, click_button, dice_box,
                   settings_file, wait_closed)
from x11 import wait_for


def strip_at(x):
    return x.find_window(STRIP)


def test_dice_and_anchor_chosen_with_real_clicks_take_effect_at_ok(x, app):
    choose(x, app.window, "Configure...")
    dialog = x.wait_window(CONFIG)
    assert dialog.geometry == (336, 220, 351, 327), dialog  # centred, design size
    for i in range(1, 6):  # d2 .. d6 off
        click_box(x, dialog, dice_box(i), DICES)
    click_box(x, dialog, anchor_option(9), POSITIONS)
    click_button(x, dialog, OK)
    wait_closed(x, CONFIG)
    strip = wait_for(lambda: (s := strip_at(x)) and s.geometry == (944, 568, 80, 200)
                     and s, 5, what="the strip at the lower right")
    shot = x.screenshot()
    for row, colour in enumerate(COLOURS[5:]):
        assert shot.pixel(strip.x + 4, strip.y + 40 * row + 20) == colour, row
    assert "_NET_WM_STATE_ABOVE" in x.property(strip, "_NET_WM_STATE")


def test_a_free_strip_is_dragged_and_cancel_places_it_where_it_stands(x, app):
    choose(x, app.window, "Configure...")
    dialog = x.wait_window(CONFIG)
    click_box(x, dialog, FREE, POSITIONS)
    click_button(x, dialog, OK)
    wait_closed(x, CONFIG)
    # Ctrl+left drag: the strip follows the cursor pixel for pixel.
    x.move(40, 100)
    x.xdotool("keydown", "ctrl", "mousedown", 1)
    for step in range(1, 11):
        x.move(40 + 30 * step, 100 + 20 * step)
    x.xdotool("mouseup", 1, "keyup", "ctrl")
    wait_for(lambda: strip_at(x).geometry == (300, 200, 80, 400), 5,
             what="the strip to follow the drag")
    choose(x, strip_at(x), "Configure...")
    dialog = x.wait_window(CONFIG)
    click_button(x, dialog, CANCEL)
    wait_closed(x, CONFIG)
    time.sleep(0.2)
    assert strip_at(x).geometry == (300, 200, 80, 400), strip_at(x)
    # Bound again: back to its anchor.
    choose(x, strip_at(x), "Configure...")
    dialog = x.wait_window(CONFIG)
    click_box(x, dialog, BOUNDED, POSITIONS)
    click_button(x, dialog, OK)
    wait_for(lambda: strip_at(x).geometry == (0, 0, 80, 400), 5,
             what="the strip back at the upper left")


def test_f1_maps_the_about_window_centred_and_its_ok_closes_it(x, app):
    x.xdotool("windowfocus", "--sync", app.window.id)
    x.xdotool("key", "shift+F1")
    about = x.wait_window(ABOUT)
    assert about.geometry == (358, 262, 307, 243), about
    x.click(about.x + ABOUT_OK[0], about.y + ABOUT_OK[1])
    wait_closed(x, ABOUT)
    choose(x, app.window, "About...")
    about = x.wait_window(ABOUT)
    assert about.geometry == (358, 262, 307, 243), about
    x.xdotool("key", "Return")
    wait_closed(x, ABOUT)


def test_exit_ends_the_program_with_status_0_while_a_total_shows(x, app):
    x.click(40, 180)  # a total shows and its timer runs
    choose(x, app.window, "Exit")
    status = app.wait_exit()
    assert status == 0, (status, app.error_output()[-3000:])


def test_history_lists_both_throws_of_3d6_and_copy_puts_them_on_the_clipboard(x, app):
    for _ in range(2):  # each throw sets the multiplier back to one
        x.click(40, 180, button=3)
        x.click(40, 180, button=3)
        x.click(40, 180)
    choose(x, app.window, "History...")
    history = x.wait_window(HISTORY)
    assert history.x == app.window.x + app.window.w, history  # beside the strip
    assert "_NET_WM_STATE_ABOVE" in x.property(history, "_NET_WM_STATE")
    x.click(history.x + history.w - 224, history.y + history.h - 22)  # Copy
    text = wait_for(lambda: x.run("xclip", "-o", "-selection", "clipboard",
                                  check=False), 5, what="the clipboard")
    lines = text.split("\n")
    assert len(lines) == 2, text
    for line in lines:
        m = re.fullmatch(r"\d\d:\d\d:\d\d  3d6: (\d) \+ (\d) \+ (\d) = (\d+)", line)
        assert m and sum(int(d) for d in m.groups()[:3]) == int(m.group(4)), line
    assert lines[0][:8] >= lines[1][:8], lines  # newest first
    x.xdotool("key", "Escape")
    wait_closed(x, HISTORY)


def thrown_into_history(x, app, rolls, roll):
    """Types the roll into the Roll window's field, enters it, and gives History's copied text."""
    x.click(rolls.x + rolls.w // 2, rolls.y + 20)  # the field
    x.xdotool("type", "--delay", "30", roll)
    x.xdotool("key", "Return")
    choose(x, app.window, "History...")
    history = x.wait_window(HISTORY)
    x.click(history.x + history.w - 224, history.y + history.h - 22)  # Copy
    return wait_for(lambda: x.run("xclip", "-o", "-selection", "clipboard", check=False), 5,
                    what="the clipboard")


def test_a_roll_typed_in_the_roll_window_and_entered_lands_in_history(x, app):
    choose(x, app.window, "Roll...")
    rolls = x.wait_window(ROLLS)
    assert rolls.x == app.window.x + app.window.w, rolls  # beside the strip
    assert "_NET_WM_STATE_ABOVE" in x.property(rolls, "_NET_WM_STATE")
    text = thrown_into_history(x, app, rolls, "4d6dl1 + 2")
    m = re.fullmatch(r"\d\d:\d\d:\d\d  4d6dl1 \+ 2: \[([~\d, ]+)\] \+ 2 = (\d+)", text)
    assert m, text
    dice = m.group(1).split(", ")
    assert len(dice) == 4 and sum(d.startswith("~") for d in dice) == 1, dice
    kept = [int(d) for d in dice if not d.startswith("~")]
    dropped = int(dice[[d.startswith("~") for d in dice].index(True)].strip("~"))
    assert dropped <= min(kept) and sum(kept) + 2 == int(m.group(2)), text


def test_a_grouped_labelled_roll_typed_in_the_roll_window_keeps_the_higher_sub_roll(x, app):
    choose(x, app.window, "Roll...")
    rolls = x.wait_window(ROLLS)
    text = thrown_into_history(x, app, rolls, "{2d6+1, 1d4}kh1 [best]")
    m = re.fullmatch(r"\d\d:\d\d:\d\d  best: \{(~?)\[(\d), (\d)\] \+ 1~?, (~?)\[(\d)\]~?\}kh1 = (\d+)",
                     text)
    assert m, text
    pair, single = int(m[2]) + int(m[3]) + 1, int(m[5])
    # The lower sub-roll is struck through (the first of equal totals), the higher is the total.
    assert (m[1], m[4]) == (("~", "") if pair <= single else ("", "~")), text
    assert int(m[6]) == max(pair, single), text


def test_saved_rolls_from_a_hand_written_file_and_a_remembered_anchor_survive_a_restart(x, binary):
    folder = os.path.join(x.env["XDG_CONFIG_HOME"], "dicerollkin")
    os.makedirs(folder)
    with open(os.path.join(folder, "dicerollkin.conf"), "w", encoding="utf-8") as f:
        f.write('[Rolls]\n1\\name=Fireball\n1\\roll=8d6\n2\\name=Longsword\n'
                '2\\roll="d20+7, 1d8+4"\nsize=2\n')
    lower_right = (1024 - 80, 768 - 480, 80, 480)
    with App(x, binary) as app:
        assert app.window.geometry == (0, 0, 80, 480), app.window
        for _ in range(3):
            x.click(40, 420)  # Fireball, under the ten dice
        choose(x, app.window, "History...")
        history = x.wait_window(HISTORY)
        x.click(history.x + history.w - 224, history.y + history.h - 22)  # Copy
        text = wait_for(lambda: x.run("xclip", "-o", "-selection", "clipboard",
                                      check=False), 5, what="the clipboard")
        totals = [int(m.group(1))
                  for m in re.finditer(r"  Fireball: 8d6: .* = (\d+)$", text, re.M)]
        assert len(totals) == 3 and all(8 <= t <= 48 for t in totals), text
        x.xdotool("key", "Escape")
        wait_closed(x, HISTORY)
        choose(x, app.window, "Remember Settings")
        choose(x, app.window, "Configure...")
        dialog = x.wait_window(CONFIG)
        click_box(x, dialog, anchor_option(9), POSITIONS)
        click_button(x, dialog, OK)
        wait_closed(x, CONFIG)
        wait_for(lambda: strip_at(x).geometry == lower_right, 5, what="the strip at the lower right")
    with App(x, binary) as app:  # the anchor and the rolls kept
        assert app.window.geometry == lower_right, app.window
    with open(os.path.join(folder, "dicerollkin.conf"), encoding="utf-8") as f:
        kept = f.read()
    assert "1\\name=Fireball" in kept and "AnchorPosition=9" in kept, kept


def test_remembered_multipliers_are_what_the_buttons_show(x, binary):
    settings_file(x, "[Settings]\nRemember=true\nMultiplierPermanent=true\n"
                     "Multipliers=1, 1, 1, 1, 4, 1, 1, 1, 1, 50\n")
    with App(x, binary):
        shot = x.screenshot()

        def extent(slot):
            dark = [xx for yy in range(40 * slot - 30, 40 * slot - 10) for xx in range(2, 78)
                    if sum(shot.pixel(xx, yy)) < 150]
            return max(dark) - min(dark)
        # "4d6" is wider than "d5" above it, "20d100" (50 brought into the range) than "d20".
        assert extent(5) > extent(4) + 5 and extent(10) > extent(9) + 10, \
            [extent(s) for s in (4, 5, 9, 10)]


def test_two_strips_on_two_displays_sharing_one_file_keep_each_others_changes(x, binary):
    from x11 import XServer
    folder = os.path.join(x.env["XDG_CONFIG_HOME"], "dicerollkin")
    os.makedirs(folder)
    conf = os.path.join(folder, "dicerollkin.conf")
    with open(conf, "w", encoding="utf-8") as f:
        f.write("[Settings]\nRemember=true\nMultiplierPermanent=true\nAnchorPosition=1\n"
                "[Share]\nwebhook=http://127.0.0.1:9/hook\nenabled=false\n")
    with XServer() as y:
        y.env["XDG_CONFIG_HOME"] = x.env["XDG_CONFIG_HOME"]
        with App(x, binary) as one, App(y, binary) as two:
            choose(x, one.window, "Configure...")  # the first strip: its anchor
            dialog = x.wait_window(CONFIG)
            click_box(x, dialog, anchor_option(9), POSITIONS)
            click_button(x, dialog, OK)
            wait_for(lambda: "AnchorPosition=9" in open(conf, encoding="utf-8").read(), 5,
                     what="the first strip's anchor in the file")
            y.click(40, 180, button=3)  # the second strip: one more d6, a key of its own
            wait_for(lambda: "Multipliers=1, 1, 1, 1, 2" in open(conf, encoding="utf-8").read(),
                     5, what="the second strip's multiplier in the file")
            assert two.proc.poll() is None and one.proc.poll() is None
    with open(conf, encoding="utf-8") as f:
        kept = f.read()
    assert "AnchorPosition=9" in kept and "webhook=http://127.0.0.1:9/hook" in kept, kept
    assert not os.path.exists(conf + ".lock"), os.listdir(folder)
