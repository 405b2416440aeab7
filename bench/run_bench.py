#!/usr/bin/env python3
"""Runs the benchmark: DiceRollkin beside its two floors, every figure measured by xmeasure in a
private Xvfb, and prints min / median / max of each with the median ratios.

Start-up and click-to-screen figures come from N runs after a warm-up, the programs taking turns
run by run; memory after 1,000 throws and idle CPU from one run of each, side by side, each in an
X server of its own; the roll engine's parsing and throwing, and the reading of the settings
file, from bench/bench_roll (Google Benchmark), 15 repetitions; the command line's start against
a Qt program that only starts QCoreApplication, and 100,000 rolls, from N runs each. Nothing here
passes or fails on a timing: the status is 0 when every figure was measured, 1 when a program or
the tool failed.
"""

import argparse
import concurrent.futures
import json
import os
import platform
import shlex
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import x11  # noqa: E402  (the end-to-end tests' X server)

SCREEN = f"{x11.SCREEN_W}x{x11.SCREEN_H}x24"


class XServer(x11.XServer):
    """The tests' Xvfb, without a window manager."""

    def __init__(self):
        super().__init__()
        # The strip in English whatever the user's language, as its figures are quoted.
        self.env["LC_ALL"] = "C.UTF-8"
        # Keeps Qt's note about the runtime directory out of the output, for every program alike.
        self.env.setdefault("XDG_RUNTIME_DIR", _runtime_dir())


def _runtime_dir():
    path = f"/tmp/rollkin-bench-runtime-{os.getuid()}"
    os.makedirs(path, mode=0o700, exist_ok=True)
    return path


class BenchError(Exception):
    pass


def measure(xmeasure, server, command, args):
    """One run of xmeasure: returns {figure: [values]}."""
    result = subprocess.run([xmeasure, *args, "--", *command], env=server.env,
                            capture_output=True, text=True, timeout=300)
    if result.returncode != 0:
        raise BenchError(f"{shlex.join(command)}: {result.stderr.strip()}")
    figures = {}
    for line in result.stdout.splitlines():
        name, *values = line.split()
        if name == "window":
            continue
        figures[name] = [float(v) for v in values]
    return figures


def absorb(into, figures, skip_first=()):
    """Adds one run's figures to the pooled samples; the first sample of the named figures is kept
    apart as that run's cold one."""
    for name, values in figures.items():
        if name in skip_first and values:
            into.setdefault(name + "_first", []).append(values[0])
            values = values[1:]
        into.setdefault(name, []).extend(values)


def machine():
    cpu = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            cpu = next(line.split(":", 1)[1].strip() for line in f if line.startswith("model name"))
    except (OSError, StopIteration):
        pass
    debian = ""
    try:
        with open("/etc/debian_version") as f:
            debian = "Debian " + f.read().strip() + ", "
    except OSError:
        pass
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"],
                        capture_output=True, text=True).stdout.strip() or "?"
    xvfb = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "xvfb"],
                          capture_output=True, text=True).stdout.strip() or "?"
    return (f"{cpu}, {os.cpu_count()} CPUs, {debian}Linux {platform.release()}, Qt {qt}, "
            f"Xvfb {xvfb} at {SCREEN}")


# (figure, label, unit, target): a target is ("ratio", limit) against the Qt floor's median,
# ("below", limit) or ("zero", 0) for DiceRollkin's own median.
ROWS = [
    ("startup_map_ms", "start-up to window mapped", "ms", None),
    ("startup_frame_ms", "start-up to first frame", "ms", ("ratio", 1.10)),
    ("startup_cpu_ms", "  its CPU time (all threads)", "ms", None),
    ("throw_ms", "throw: press to pixels", "ms", ("below", 5)),
    ("right_ms", "right click: click to pixels", "ms", ("below", 5)),
    ("scroller_map_ms", "scroller: first move to mapped", "ms", ("below", 5)),
    ("scroller_frame_ms", "scroller: first move to drawn", "ms", ("below", 5)),
    ("throw_ms_first", "  first throw of a run", "ms", ("below", 5)),
    ("right_ms_first", "  first right click of a run", "ms", ("below", 5)),
    ("scroller_map_ms_first", "  first opening of a run, mapped", "ms", ("below", 5)),
    ("scroller_frame_ms_first", "  first opening of a run, drawn", "ms", ("below", 5)),
    ("throw_damage_px", "pixels redrawn per throw", "px", None),
    ("right_damage_px", "pixels redrawn per right click", "px", None),
    ("rss_start_kib", "resident memory after start", "KiB", ("ratio", 1.15)),
    ("rss_after_throws_kib", "resident memory after the throws", "KiB", None),
    ("rss_growth_kib", "growth over the throws", "KiB", ("below", 256)),
    ("idle_cpu_ms", "idle CPU (utime+stime)", "ms", ("zero", 0)),
    ("idle_cpu_exact_ms", "idle CPU (schedstat)", "ms", None),
    ("idle_wakeups", "idle wake-ups (context switches)", "", None),
]


def fmt(v):
    if abs(v) >= 100:
        return f"{v:.0f}"
    if abs(v) >= 10:
        return f"{v:.1f}"
    return f"{v:.2f}"


def report(names, pooled, args):
    col, ratio = 21, 10
    width = max(len(label) + len(unit) + 3 for _, label, unit, _ in ROWS) + 1
    print(f"{'':<{width}}" + "".join(f"{n:>{col}}" for n in names)
          + f"   median of {names[0]} / median of each other")
    print(f"{'figure':<{width}}" + "".join(f"{'min  median  max':>{col}}" for _ in names)
          + "".join(f"{'/' + n.replace(' floor', '')[:ratio - 2]:>{ratio}}" for n in names[1:]))
    medians = {}
    for key, label, unit, _ in ROWS:
        cells = []
        for n in names:
            values = pooled[n].get(key, [])
            if values:
                medians[n, key] = statistics.median(values)
                cells.append(f"{fmt(min(values))} {fmt(medians[n, key])} {fmt(max(values))}")
            else:
                cells.append("-")
        if all(c == "-" for c in cells):
            continue
        line = f"{label + (' (' + unit + ')' if unit else ''):<{width}}"
        line += "".join(f"{c:>{col}}" for c in cells)
        mine = medians.get((names[0], key))
        for n in names[1:]:
            other = medians.get((n, key))
            line += f"{(f'{mine / other:.2f}' if mine is not None and other else '-'):>{ratio}}"
        print(line)
    warm = "" if args.smoke else " after a warm-up"
    print(f"\n{args.runs} run(s) of each{warm}, {args.samples} samples of each gesture a run; "
          f"{args.throws} throws; {args.idle:g} s idle.")
    if names[:2] != ["DiceRollkin", "Qt floor"]:
        return
    print("\ntargets (medians):")
    for key, label, unit, target in ROWS:
        mine = medians.get((names[0], key))
        if target is None or mine is None:
            continue
        kind, limit = target
        if kind == "ratio":
            r = mine / medians[names[1], key]
            holds, text = r <= limit, f"{r:.2f} x Qt floor, at most {limit:.2f} x"
            if ("Qt floor+text", key) in medians:
                text += f" (and {mine / medians['Qt floor+text', key]:.2f} x Qt floor+text)"
        elif kind == "below":
            holds, text = mine < limit, f"{fmt(mine)} {unit}, under {limit} {unit}"
        else:
            holds, text = mine == 0, f"{fmt(mine)} {unit}, nothing"
        print(f"  {'holds ' if holds else 'MISSES'} {label.strip()}: {text}")


# The roll engine's targets: benchmark name, what it is, limit in microseconds.
ROLL_ROWS = [("simple", "4d6dl1+1d8+3", 2.0), ("thousand_dice", "1000d1000", 50.0),
             ("settings_file", "reading the settings file (20 saved rolls, every setting)",
              1000.0),
             ("single_strip_check", "the single-strip check with no strip running", 1000.0),
             ("odds_3d6", "odds of 3d6", 20.0), ("odds_2d20kh1_5", "odds of 2d20kh1+5", 20.0),
             ("odds_4d6dl1", "odds of 4d6dl1", 50.0), ("odds_8d6", "odds of 8d6", 50.0),
             ("odds_100d100", "odds of 100d100", 5000.0),
             ("odds_10d10x", "odds of 10d10!", 5000.0),
             ("odds_1000d6", "odds of 1000d6", 20000.0)]
ROLL_LONG = 1000.0  # the worst 1,000-character input, of the long_* candidates
ODDS_WORST = 100000.0  # the slowest odds answered or refused, of the odds_worst_* candidates


def roll_figures(build, smoke):
    """Runs bench_roll (Google Benchmark): {name: (median wall, median CPU microseconds)},
    parsing and throwing. On a shared machine the wall time carries the others' load; the CPU
    time is the engine's own."""
    args = [os.path.join(build, "bench", "bench_roll"), "--benchmark_format=json"]
    args += (["--benchmark_min_time=0.01"] if smoke else
             ["--benchmark_repetitions=15", "--benchmark_report_aggregates_only=true"])
    result = subprocess.run(args, capture_output=True, text=True, timeout=600)
    if result.returncode != 0:
        raise BenchError(f"bench_roll: {result.stderr.strip()}")
    medians = {}
    for b in json.loads(result.stdout)["benchmarks"]:
        if b.get("aggregate_name", "median") != "median":
            continue
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
        medians[b["run_name"].split("/", 1)[1]] = (b["real_time"] * scale, b["cpu_time"] * scale)
    return medians


def report_rolls(medians, smoke):
    runs = "one short run" if smoke else "medians of 15 repetitions"
    print(f"\nroll engine, parsing and throwing; settings file, reading ({runs}, microseconds):")
    print(f"  {'':<16} {'wall':>10} {'CPU':>10}")
    for name, (wall, cpu) in sorted(medians.items(), key=lambda kv: kv[1]):
        print(f"  {name:<16} {wall:10.2f} {cpu:10.2f}")
    print("targets (medians, CPU time):")
    for name, text, limit in ROLL_ROWS:
        cpu = medians[name][1]
        print(f"  {'holds ' if cpu < limit else 'MISSES'} {text} under {limit:g} us: {cpu:.2f} us")
    worst = max((cpu, n) for n, (_, cpu) in medians.items() if n.startswith("long_"))
    print(f"  {'holds ' if worst[0] < ROLL_LONG else 'MISSES'} the worst 1,000 characters under "
          f"{ROLL_LONG:g} us: {worst[0]:.2f} us ({worst[1]})")
    worst = max((cpu, n) for n, (_, cpu) in medians.items() if n.startswith("odds_worst_"))
    print(f"  {'holds ' if worst[0] < ODDS_WORST else 'MISSES'} the slowest odds answered or "
          f"refused under {ODDS_WORST:g} us: {worst[0]:.2f} us ({worst[1]})")


CLI_ROLLS = 100_000  # 5,000 arguments of 20 repeats: the most one line of notation holds
CLI_RATIO = 1.3  # --roll's start against the core floor's, at most
CLI_PER_ROLL = 2.0  # microseconds a roll, printing included, under


def cli_figures(build, runs, smoke):
    """Wall and CPU milliseconds of command-line runs, medians, the programs taking turns after a
    warm-up (none in a smoke run): --roll against a Qt program that only starts QCoreApplication, and 100,000 rolls
    printed to /dev/null."""
    program = os.path.join(build, "dicerollkin")
    commands = {"dicerollkin --roll d20+7": [program, "--roll", "d20+7"],
                "QCoreApplication floor": [os.path.join(build, "bench", "bench_floor_core")],
                f"{CLI_ROLLS:,} rolls of 4d6dl1+1d8+3":
                    [program, "--roll"] + ["20x 4d6dl1+1d8+3"] * (CLI_ROLLS // 20)}
    env = dict(os.environ, LC_ALL="C.UTF-8")
    quiet = [(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0)]
    times = {name: ([], []) for name in commands}
    warm_up = 0 if smoke else 1
    for run in range(runs + warm_up):
        for name, command in commands.items():
            start = time.perf_counter()
            pid = os.posix_spawn(command[0], command, env, file_actions=quiet)
            _, status, usage = os.wait4(pid, 0)
            wall = (time.perf_counter() - start) * 1e3
            if status != 0:
                raise BenchError(f"{name}: status {status}")
            if run >= warm_up:
                times[name][0].append(wall)
                times[name][1].append((usage.ru_utime + usage.ru_stime) * 1e3)
    return {name: (statistics.median(w), statistics.median(c)) for name, (w, c) in times.items()}


def report_cli(medians, runs):
    print(f"\ncommand line (medians of {runs} run(s), milliseconds):")
    print(f"  {'':<36} {'wall':>9} {'CPU':>9}")
    for name, (wall, cpu) in medians.items():
        print(f"  {name:<36} {wall:9.2f} {cpu:9.2f}")
    (roll, _), (floor, _), (many, _) = medians.values()
    print("targets (medians, wall time):")
    print(f"  {'holds ' if roll <= CLI_RATIO * floor else 'MISSES'} --roll within {CLI_RATIO} x "
          f"the QCoreApplication floor: {roll / floor:.2f} x")
    per_roll = many * 1e3 / CLI_ROLLS
    print(f"  {'holds ' if per_roll < CLI_PER_ROLL else 'MISSES'} {CLI_ROLLS:,} rolls under "
          f"{CLI_PER_ROLL:g} us a roll, printing included: {per_roll:.2f} us")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", default=os.path.join(here, "..", "build", "release"))
    parser.add_argument("--runs", type=int, default=15, help="runs of each program (N)")
    parser.add_argument("--samples", type=int, default=6,
                        help="samples of each gesture in a run")
    parser.add_argument("--throws", type=int, default=1000)
    parser.add_argument("--idle", type=float, default=10.0, help="idle seconds")
    parser.add_argument("--smoke", action="store_true",
                        help="one short run of everything: checks that the benchmark works")
    parser.add_argument("--only", action="append", default=[], metavar="NAME=COMMAND",
                        help="measure these programs instead (the first is compared with the "
                             "rest); may be given more than once")
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)
    if args.smoke:
        args.runs, args.samples, args.throws, args.idle = 1, 2, 20, 1.0

    build = os.path.abspath(args.build_dir)
    xmeasure = os.path.join(build, "bench", "xmeasure")
    floor_qt = os.path.join(build, "bench", "bench_floor_qt")
    programs = [("DiceRollkin", [os.path.join(build, "dicerollkin")]),
                ("Qt floor", [floor_qt]),
                ("Qt floor+text", [floor_qt, "--text"]),
                ("X11 floor", [os.path.join(build, "bench", "bench_floor_x11")])]
    if args.only:
        programs = [(n, shlex.split(c)) for n, c in (p.split("=", 1) for p in args.only)]
    roll_bench = [] if args.only else [os.path.join(build, "bench", n)
                                       for n in ("bench_roll", "bench_floor_core")]
    for path in [xmeasure] + [c[0] for _, c in programs] + roll_bench:
        if not os.access(path, os.X_OK):
            print(f"missing {path}: build the release preset first (scripts/bench does)",
                  file=sys.stderr)
            return 1
    names = [n for n, _ in programs]
    pooled = {n: {} for n in names}
    cold = ("throw_ms", "right_ms", "scroller_map_ms", "scroller_frame_ms")
    started = time.monotonic()
    print(f"machine: {machine()}", flush=True)

    try:
        with XServer() as server:
            if not args.smoke:
                for _, program in programs:  # warm-up: caches, the server's and the disk's
                    measure(xmeasure, server, program, ["--samples", "2"])
            for run in range(args.runs):
                for name, program in programs:
                    figures = measure(xmeasure, server, program,
                                      ["--samples", str(args.samples)])
                    absorb(pooled[name], figures, skip_first=cold)
                print(f"run {run + 1}/{args.runs} done ({time.monotonic() - started:.0f} s)",
                      file=sys.stderr, flush=True)

        # Memory and idle: every program at once, each in its own server; none of it is timed.
        def long_run(program):
            with XServer() as server:
                return measure(xmeasure, server, program,
                               ["--throws", str(args.throws), "--idle", str(args.idle)])

        with concurrent.futures.ThreadPoolExecutor(len(programs)) as pool:
            results = list(pool.map(long_run, [c for _, c in programs]))
        for name, figures in zip(names, results):
            figures["rss_growth_kib"] = [figures["rss_after_throws_kib"][0]
                                         - figures["rss_start_kib"][0]]
            # Start-up and the start figure come from the timed runs, not from these crowded ones.
            for key in ("rss_start_kib", "startup_map_ms", "startup_frame_ms", "startup_cpu_ms"):
                del figures[key]
            absorb(pooled[name], figures)
    except (BenchError, subprocess.TimeoutExpired) as e:
        print(f"benchmark failed: {e}", file=sys.stderr)
        return 1

    # With one sample a run, each gesture's only sample is that run's first.
    missing = [f"{n}: {key}" for n in names for key, *_ in ROWS
               if not key.endswith("_first") and not pooled[n].get(key)
               and not pooled[n].get(key + "_first")]
    if missing:
        print("benchmark failed: figures not measured: " + ", ".join(missing), file=sys.stderr)
        return 1
    print()
    report(names, pooled, args)
    if not args.only:
        try:
            report_rolls(roll_figures(build, args.smoke), args.smoke)
            report_cli(cli_figures(build, args.runs, args.smoke), args.runs)
        except (BenchError, subprocess.TimeoutExpired, KeyError, ValueError) as e:
            print(f"benchmark failed: {e}", file=sys.stderr)
            return 1
    print(f"took {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
