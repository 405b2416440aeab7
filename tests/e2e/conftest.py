"""What the end-to-end tests are given: the program, an X server of their own, the program started
in it, and its strip as a screen reader sees it."""

import os
import subprocess
import time

import pytest

from strip import STRIP, App
from x11 import XServer, wait_for


def pytest_addoption(parser):
    parser.addoption("--binary", default=os.environ.get("ROLLKIN_BINARY"),
                     help="the program under test (default: $ROLLKIN_BINARY)")
    parser.addoption("--gestures", type=int, help="gestures of the soak (default: 10,000)")


@pytest.fixture(scope="session")
def binary(pytestconfig):
    path = pytestconfig.getoption("binary")
    assert path and os.access(path, os.X_OK), f"no program to test: --binary {path}"
    return path


@pytest.fixture
def x(request):
    """Xvfb without a window manager; a test may ask for other arguments by indirect
    parametrization."""
    with XServer(*getattr(request, "param", ())) as server:
        yield server


@pytest.fixture
def app(x, binary):
    with App(x, binary) as started:
        yield started


@pytest.fixture
def atspi(x):
    """An AT-SPI bus started here (the test runs in a D-Bus session of its own): the environment
    that puts the program on it."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                env=x.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    os.environ["DISPLAY"] = x.display
    try:
        yield {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
    finally:
        launcher.terminate()


def accessible_windows():
    """The program's windows in the accessibility tree, by name."""
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "dicerollkin":
            return {w.name: w for w in (app.getChildAtIndex(j) for j in range(app.childCount))
                    if w is not None}
    return {}


@pytest.fixture
def buttons(x, binary, atspi):
    """The program on an AT-SPI bus: the strip's buttons in the accessibility tree."""
    with App(x, binary, atspi):
        def find():
            window = accessible_windows().get(STRIP)
            return window and [window.getChildAtIndex(k) for k in range(window.childCount)]
        yield wait_for(find, 20, interval=0.2, what="the strip in the accessibility tree")
