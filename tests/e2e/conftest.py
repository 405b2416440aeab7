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
def buttons(x, binary):
    """The program on an AT-SPI bus started here (the test runs in a D-Bus session of its own):
    the strip's buttons in the accessibility tree."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                env=x.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    os.environ["DISPLAY"] = x.display
    try:
        with App(x, binary, {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}):
            import pyatspi

            def find():
                desktop = pyatspi.Registry.getDesktop(0)
                for i in range(desktop.childCount):
                    app = desktop.getChildAtIndex(i)
                    if app is None or app.name != "dicerollkin":
                        continue
                    for j in range(app.childCount):
                        window = app.getChildAtIndex(j)
                        if window is not None and window.name == STRIP:
                            return [window.getChildAtIndex(k) for k in range(window.childCount)]
                return None
            yield wait_for(find, 20, interval=0.2, what="the strip in the accessibility tree")
    finally:
        launcher.terminate()
