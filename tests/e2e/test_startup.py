"""The strip starts: where, how big, on top, in which colours; how it ends."""

import os
import re
import shutil
import socket
import subprocess
import tempfile
import time

import pytest

from strip import (ABOUT, COLOURS, CONFIG, HISTORY, STRIP, App, button_rect, choose, region,
                   settings_file)
from x11 import wait_for


def test_strip_appears_topmost_in_the_upper_left_corner(x, app):
    assert app.window.geometry == (0, 0, 80, 400), app.window
    state = x.property(app.window, "_NET_WM_STATE")
    assert "_NET_WM_STATE_ABOVE" in state, state
    assert "_MOTIF_WM_HINTS" in x.property(app.window, "_MOTIF_WM_HINTS")
    # The taskbar icon follows the first frame.
    wait_for(lambda: "Icon (16 x 16)" in x.property(app.window, "_NET_WM_ICON"), 5,
             what="the taskbar icon")
    # Shown without taking the keyboard focus.
    assert x.focused_window() != app.window.id
    shot = x.screenshot()
    for i, colour in enumerate(COLOURS):
        row = [shot.pixel(px, 40 * i + 20) for px in (4, 75)]
        assert row == [colour, colour], f"row {i + 1}: {row} != {colour}"
    # Each row carries its caption: dark text pixels across the middle of the button.
    for i in range(10):
        line = [shot.pixel(px, 40 * i + 20) for px in range(10, 70)]
        assert any(sum(p) < 150 for p in line), f"no caption on row {i + 1}"
    # A run that asks to keep nothing writes no file and makes no folder.
    app.stop()
    assert not os.path.exists(x.env["XDG_CONFIG_HOME"])


# Also while a modal window is open, which goes with it.
@pytest.mark.parametrize("item, modal", [(None, None), ("About...", ABOUT),
                                         ("Configure...", CONFIG)],
                         ids=["strip", "about", "config"])
def test_close_request_ends_the_program_with_status_0(x, app, item, modal):
    if item:
        choose(x, app.window, item)
        x.wait_window(modal)
    x.close_request(app.window)
    status = app.wait_exit()
    assert status == 0, (item, status, app.error_output()[-3000:])
    wait_for(lambda: x.find_window(STRIP) is None, what="the strip to go")


def test_a_second_start_brings_the_strip_forward_and_ends_at_once(x, app, binary):
    choose(x, app.window, "History...")
    x.xdotool("windowraise", x.wait_window(HISTORY).id)  # over the strip
    x.xdotool("windowmove", app.window.id, 2000, 2000)  # off every monitor

    def front():
        return [w.name for w in x.mapped_windows() if w.name in (STRIP, HISTORY)]
    wait_for(lambda: front() == [HISTORY, STRIP] and x.find_window(STRIP).x == 2000, 5,
             what="the strip behind History and off the screen")

    def run(*args):
        started = time.monotonic()
        done = subprocess.run([binary, *args], env=x.env, capture_output=True, text=True,
                              timeout=30)
        return done, time.monotonic() - started
    # --version answers as ever; a start takes no longer than that, give or take the load.
    (version, plain), (second, took) = run("--version"), run()
    assert version.returncode == 0 and version.stdout.startswith("dicerollkin "), version
    assert (second.returncode, second.stdout, second.stderr) == (0, "", "") and \
        took < plain + 0.5, (second, took, plain)
    # No second strip; the first is back where it belongs, in front.
    wait_for(lambda: front() == [STRIP, HISTORY] and
             x.find_window(STRIP).geometry == (0, 0, 80, 400), 5, what="the strip forward")


def test_idle_clients_of_the_strips_socket_keep_neither_the_strip_nor_a_second_start_waiting(
        x, binary, tmp_path):
    limited = tmp_path / "limited"
    limited.write_text(f'#!/bin/sh\nulimit -n 128\nexec "{binary}" "$@"\n')
    limited.chmod(0o755)
    with App(x, str(limited)) as app:
        folder = x.env.get("XDG_RUNTIME_DIR") or f"{tempfile.gettempdir()}/dicerollkin-{os.getuid()}"
        idle = [socket.socket(socket.AF_UNIX) for _ in range(120)]  # saying nothing
        for client in idle:
            client.settimeout(0.5)
            client.connect_ex(f"{folder}/dicerollkin-{os.getuid()}-{x.display.replace(':', '_')}")
        stat = f"/proc/{app.proc.pid}/stat"
        cpu = lambda: sum(map(int, open(stat).read().rsplit(")", 1)[1].split()[11:13]))  # noqa
        used = cpu()
        time.sleep(2)
        assert cpu() - used < 0.25 * os.sysconf("SC_CLK_TCK"), "the strip spins on its socket"
        before, started = region(x, button_rect(3)), time.monotonic()
        x.click(40, 100)  # d6
        wait_for(lambda: region(x, button_rect(3)) != before, 2, what="the total")
        assert time.monotonic() - started < 0.5
        second = subprocess.run([binary], env=x.env, capture_output=True, text=True, timeout=30)
        assert (second.returncode, second.stderr) == (0, ""), second
        assert [w.name for w in x.mapped_windows()].count(STRIP) == 1
        for client in idle:
            client.close()


def test_without_a_display_one_clear_line_and_status_1(binary):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    result = subprocess.run([binary], env=env, capture_output=True, text=True, timeout=60)
    assert result.returncode == 1, (result.returncode, result.stderr)
    lines = result.stderr.strip().splitlines()
    assert len(lines) == 1 and "DISPLAY" in lines[0], result.stderr
    # A display that does not answer is no display either.
    env["DISPLAY"] = ":97531"
    result = subprocess.run([binary], env=env, capture_output=True, text=True, timeout=60)
    assert result.returncode == 1 and len(result.stderr.strip().splitlines()) == 1, result


def without_display():
    return {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}


def test_help_version_and_a_wrong_argument_need_no_display(binary):
    env = without_display()
    usage, refused = r"Usage: dicerollkin .*man dicerollkin\n", r"[^\n]*'{}'.*--help.*\n"
    for args, status, out, err in (
            (["--help"], 0, usage, ""), (["-h"], 0, usage, ""),
            (["--version"], 0, r"dicerollkin \d+\.\d+\.\d+\n", ""),
            (["-platform", "xcb"], 2, "", refused.format("-platform")),
            (["--help", "x"], 2, "", refused.format("x")),
            (["--seed", "5"], 2, "", r"dicerollkin: --seed needs --roll;[^\n]*\n"),
            # A roll's control characters escaped: one line, nothing sent to the terminal.
            (["--roll", "1d6\n+2\x1b[2J"], 2, "",
             r"dicerollkin: 1d6\\n\+2\\x1b\[2J: [^\n]* column 4\n"),
            (["--odds", "d6\x07"], 2, "", r"dicerollkin: d6\\x07: [^\n]* column 3\n")):
        r = subprocess.run([binary, *args], env=env, capture_output=True, text=True, timeout=60)
        assert r.returncode == status and re.fullmatch(out, r.stdout, re.S) and \
            re.fullmatch(err, r.stderr, re.S), (args, r)


def test_the_command_line_maps_no_window_library_and_the_strip_needs_its_module(binary, tmp_path):
    env = dict(without_display(), LD_DEBUG="files", LD_DEBUG_OUTPUT=str(tmp_path / "ld"))
    for args in (["--roll", "d6"], ["--odds", "2d6"], ["--help"], ["--version"], ["-x"]):
        subprocess.run([binary, *args], env=env, capture_output=True, timeout=60)
    loaded = "".join(p.read_text() for p in tmp_path.glob("ld.*"))
    assert "file=libQt6Core" in loaded, loaded[:2000]
    assert not re.findall(r"file=(\S*(?:Gui|Widgets|Network|xcb|X11)\S*)", loaded)
    # The program alone, without its window module: the command line still answers; the strip
    # gets one line and status 1, whether the module is missing or broken.
    alone = tmp_path / "dicerollkin"
    shutil.copy(binary, alone)
    env = without_display()
    r = subprocess.run([alone, "--roll", "2"], env=env, capture_output=True, text=True, timeout=60)
    assert (r.returncode, r.stdout) == (0, "2: 2 = 2\n"), r
    cannot = r"dicerollkin: the window module could not be loaded \({}\)\n"
    r = subprocess.run([alone], env=env, capture_output=True, text=True, timeout=60)
    assert r.returncode == 1 and re.fullmatch(
        cannot.format(r"libdicerollkin-window\.so is in none of the folders [^\n]+"), r.stderr), r
    (tmp_path / "libdicerollkin-window.so").write_bytes(b"not a library")
    r = subprocess.run([alone], env=env, capture_output=True, text=True, timeout=60)
    broken = cannot.format(r"[^\n]*libdicerollkin-window\.so[^\n]*")
    assert r.returncode == 1 and re.fullmatch(broken, r.stderr), r


def test_roll_prints_each_line_and_a_seed_repeats_them(binary):
    env = without_display()
    rolls = ["d20+7", "d20+", "4d6dl1, 2d20kh1"]
    runs = [subprocess.run([binary, *args], env=env, capture_output=True, text=True, timeout=60)
            for args in (["--seed", "42", "--roll", *rolls], ["--roll", *rolls, "--seed", "42"])]
    first, again = runs
    # One roll cannot be thrown: its error, the others' lines all the same, and status 2.
    assert first.returncode == 2 and (first.stdout, first.stderr) == (again.stdout, again.stderr)
    assert first.stderr == "dicerollkin: d20+: a number or a dice term is expected at column 5\n"
    attack, pool = first.stdout.splitlines()
    natural = r"(?: \(natural (?:1|20)\))?"
    die, total = map(int, re.fullmatch(rf"d20\+7: \[(\d+){natural}\] \+ 7 = (\d+)",
                                       attack).groups())
    assert 1 <= die <= 20 and total == die + 7, attack
    m = re.fullmatch(r"4d6dl1: \[(.*)\] = (\d+); 2d20kh1: \[.*\] = (\d+)", pool)
    assert m, pool
    faces = m[1].split(", ")
    kept = [int(f) for f in faces if not f.startswith("~")]
    dropped = [int(f.strip("~")) for f in faces if f.startswith("~")]
    assert len(kept) == 3 and dropped == [min(kept + dropped)] and sum(kept) == int(m[2]), pool
    r = subprocess.run([binary, "--roll", "3d6"], env=env, capture_output=True, text=True,
                       timeout=60)
    assert r.returncode == 0 and re.fullmatch(r"3d6: \[\d, \d, \d\] = \d+\n", r.stdout), r
    # The odds of each part, then the throw; a roll too large for its odds gets a line and 2.
    r = subprocess.run([binary, "--odds", "d6, 2d20kh1+5", "1000d1000", "--roll", "d20"], env=env,
                       capture_output=True, text=True, timeout=60)
    lines = r.stdout.splitlines()
    assert r.returncode == 2 and lines[:2] == ["# d6: min 1, max 6, mean 3.5000, sd 1.7078",
                                               "1\t0.1666666667\t1.000000000"], r
    assert lines[7] == "# 2d20kh1+5: min 6, max 25, mean 18.8250, sd 4.7111", lines
    assert "15\t0.04750000000\t0.7975000000" in lines and len(lines) == 7 + 21 + 1, lines
    assert re.fullmatch(r"d20: \[\d+.*\] = \d+", lines[-1]), lines
    assert re.fullmatch(r"dicerollkin: 1000d1000: too large to work out exactly: more than "
                        r"20.?000.?000 steps\n", r.stderr), r.stderr


def test_lines_on_the_terminal_are_in_the_locales_character_set(binary, tmp_path):
    subprocess.run(["localedef", "-i", "de_DE", "-f", "ISO-8859-1",
                    tmp_path / "de_DE.ISO-8859-1"], check=True, timeout=60)
    env = dict(without_display(), LOCPATH=str(tmp_path), LC_ALL="de_DE.ISO-8859-1")
    r = subprocess.run([binary, "--roll", "d20+"], env=env, capture_output=True, timeout=60)
    assert r.stderr == "dicerollkin: d20+: eine Zahl oder ein Würfelterm wird in Spalte 5 " \
        "erwartet\n".encode("latin-1"), r.stderr


# Six game systems' rolls, long names and many totals among them: twenty in all.
ROLLS = [("Longsword", "d20+7, 1d8+4"), ("Savage Worlds Trait Roll", "d8, d6"),
         ("Fireball", "8d6"), ("Ability Scores", ", ".join(["4d6dl1"] * 6)),
         ("Call of Cthulhu Skill", "d100"), ("Shadowrun Pool", "12d6"), ("Fate Roll", "4dF"),
         ("Sneak Attack", "3d6")] + [(f"Spell {k}", f"{k}d4") for k in range(1, 13)]


@pytest.mark.parametrize("x", [(1920, 1080), (800, 600)], indirect=True,
                         ids=["1920x1080", "800x600"])
def test_twenty_saved_rolls_stay_readable(x, binary, tmp_path):
    settings_file(x, "[Rolls]\n" + "".join(f"{i}\\name={n}\n{i}\\roll={r}\n"
                                           for i, (n, r) in enumerate(ROLLS, 1)) + "size=20\n")
    with App(x, binary) as app:
        # One column, at 0.9 of the size where the names still read; on the small screen that
        # would be half the size: two columns at full size.
        expected = (0, 0, 72, 1080) if x.height == 1080 else (0, 0, 160, 600)
        assert app.window.geometry == expected, app.window
        x.click(40, 400 + 3 * 40 + 20)  # Ability Scores on the small screen: six totals
        time.sleep(0.3)
        folder = os.environ.get("ROLLKIN_SHOTS", str(tmp_path))
        x.save_screenshot(os.path.join(folder, f"saved-rolls-{x.width}x{x.height}.png"))


def test_switching_characters_changes_the_strips_saved_buttons(x, binary):
    rolls = lambda prefix, n: "".join(f"{prefix}{i}\\name=R{i}\n{prefix}{i}\\roll=d{i + 1}\n"
                                      for i in range(1, n + 1))
    settings_file(x, "[Characters]\ncurrent=2\nsize=1\n1\\name=Rogue\n1\\rolls\\size=6\n"
                  + rolls("1\\rolls\\", 6) + "[Rolls]\n" + rolls("", 2) + "size=2\n")
    with App(x, binary) as app:
        rogue = app.window.h
        x.move(app.window.x + 40, app.window.y + 20)
        before = {w.id for w in x.mapped_windows()}
        x.xdotool("keydown", "shift", "mousedown", 1)
        wait_for(lambda: any(w.id not in before for w in x.mapped_windows()), 5, what="the menu")
        x.xdotool("keyup", "shift", "mouseup", 1)
        # The Character submenu, last; its first item is the first character.
        x.xdotool("key", "Up", "Right", "Return")
        first = wait_for(lambda: (w := x.find_window(STRIP)) and w.h != rogue and w, 5,
                         what="the strip with the first character's buttons")
        assert first.h * 16 == rogue * 12, (rogue, first)  # 10 dice and 2 saved, not 6
        conf = os.path.join(x.env["XDG_CONFIG_HOME"], "dicerollkin", "dicerollkin.conf")
        with open(conf) as f:
            assert "current=" not in f.read()
