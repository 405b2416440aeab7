"""With no gesture the program uses no CPU: no timer runs while no result is waiting."""

import glob
import time

from strip import button_rect, region
from x11 import wait_for

WINDOW = 10.0            # seconds measured
CPU_LIMIT_MS = 20.0      # 0.2 % of one core over the window
WAKEUP_LIMIT = 5         # a timer firing once a second would wake it 10 times
SLOT1 = button_rect(1)


def usage(pid):
    """CPU time in ms and context switches, summed over every thread of the process."""
    cpu_ns = switches = 0
    for task in glob.glob(f"/proc/{pid}/task/*"):
        try:
            with open(f"{task}/schedstat") as f:
                cpu_ns += int(f.read().split()[0])
            with open(f"{task}/status") as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        switches += int(line.split()[1])
        except FileNotFoundError:  # a thread that has just ended
            pass
    return cpu_ns / 1e6, switches


def measure(pid, seconds):
    cpu0, sw0 = usage(pid)
    time.sleep(seconds)
    cpu1, sw1 = usage(pid)
    return cpu1 - cpu0, sw1 - sw0


def test_no_cpu_after_start_and_after_a_throws_label_is_back(x, app):
    pid = app.proc.pid
    after_start = measure(pid, WINDOW)

    # The throw itself and its one-second label timer: the counters must see that.
    pristine = region(x, SLOT1)
    before = usage(pid)
    x.click(40, 20)
    x.move(600, 600)  # off the strip: a tooltip would have timers of its own
    wait_for(lambda: region(x, SLOT1) != pristine, 2, what="the total")
    wait_for(lambda: region(x, SLOT1) == pristine, 3, what="the face label")
    after = usage(pid)
    busy = (after[0] - before[0], after[1] - before[1])

    after_throw = measure(pid, WINDOW)
    print(f"over {WINDOW:.0f} s after start: {after_start[0]:.2f} ms CPU, "
          f"{after_start[1]} context switches; during a throw and its label's return: "
          f"{busy[0]:.2f} ms, {busy[1]} switches; over {WINDOW:.0f} s after the label "
          f"came back: {after_throw[0]:.2f} ms CPU, {after_throw[1]} context switches",
          flush=True)
    assert busy[0] > 0 and busy[1] > 0, f"the counters saw no work at all: {busy}"
    for name, (cpu, switches) in (("after start", after_start),
                                  ("after the throw", after_throw)):
        assert cpu <= CPU_LIMIT_MS, f"{name}: {cpu:.2f} ms of CPU in {WINDOW} s"
        assert switches <= WAKEUP_LIMIT, f"{name}: {switches} wake-ups in {WINDOW} s"
    assert app.proc.poll() is None
