"""What an installed DiceRollkin consists of, and checks shared by the packaging tests."""

import configparser
import os
import re
import struct
import subprocess
import sys
import sysconfig
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from strip import App  # noqa: E402
from x11 import XServer  # noqa: E402

sys.path.insert(0, os.path.dirname(__file__))
import hardening  # noqa: E402

APP_ID = "org.example.dicerollkin"
DESKTOP = "share/applications/dicerollkin.desktop"
METAINFO = f"share/metainfo/{APP_ID}.metainfo.xml"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
PROGRAM = "games/dicerollkin"  # a game, where Debian keeps games
MANUAL = "share/man/man6/dicerollkin.6.gz"
# Share's transport, loaded at first use, and the windows, loaded when the strip is shown, in the
# multiarch folder.
MODULES = f"lib/{sysconfig.get_config_var('MULTIARCH')}/dicerollkin"
NETWORK = f"{MODULES}/libdicerollkin-network.so"
WINDOW = f"{MODULES}/libdicerollkin-window.so"

# Every file an installation puts under its prefix, and nothing else.
FILES = sorted([PROGRAM, NETWORK, WINDOW, DESKTOP, METAINFO, MANUAL,
                "share/doc/dicerollkin/copyright", "share/doc/dicerollkin/changelog.gz",
                "share/icons/hicolor/scalable/apps/dicerollkin.svg"] +
               [f"share/icons/hicolor/{s}x{s}/apps/dicerollkin.png" for s in ICON_SIZES])


def tool(*args, env=None):
    """Runs a validator; returns (exit status, everything it printed)."""
    r = subprocess.run(list(args), capture_output=True, text=True, timeout=120, env=env)
    return r.returncode, (r.stdout + r.stderr).strip()


def png_size(path):
    """Width, height and colour type from the IHDR chunk."""
    with open(path, "rb") as f:
        head = f.read(26)
    assert head[:8] == b"\x89PNG\r\n\x1a\n" and head[12:16] == b"IHDR", f"{path} is no PNG"
    width, height = struct.unpack(">II", head[16:24])
    return width, height, head[25]


def desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def metainfo(path):
    root = ET.parse(path).getroot()
    releases = [r.get("version") for r in root.iterfind("releases/release")]
    return {"id": root.findtext("id"), "name": root.findtext("name"),
            "launchable": root.findtext("launchable[@type='desktop-id']"),
            "binary": root.findtext("provides/binary"), "releases": releases}


def check_tree(prefix, version):
    """The installed data files: valid, consistent with each other and with the program."""
    desktop_path, metainfo_path = os.path.join(prefix, DESKTOP), os.path.join(prefix, METAINFO)

    status, out = tool("desktop-file-validate", desktop_path)
    assert status == 0 and out == "", f"desktop-file-validate: {out}"
    # validate-tree also checks that the desktop entry the metainfo launches is there.
    status, out = tool("appstreamcli", "validate-tree", "--no-net", "--strict", prefix)
    assert status == 0, f"appstreamcli validate-tree:\n{out}"

    entry = desktop_entry(desktop_path)
    program = entry["Exec"].split()[0]
    assert os.path.join("games", program) == PROGRAM, entry["Exec"]
    assert os.access(os.path.join(prefix, PROGRAM), os.X_OK), entry["Exec"]
    for s in ICON_SIZES:
        png = os.path.join(prefix, f"share/icons/hicolor/{s}x{s}/apps/{entry['Icon']}.png")
        assert png_size(png) == (s, s, 6), f"{png}: {png_size(png)}, want {s}x{s} RGBA"
    svg = os.path.join(prefix, f"share/icons/hicolor/scalable/apps/{entry['Icon']}.svg")
    assert ET.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg", svg

    info = metainfo(metainfo_path)
    assert info["id"] == APP_ID, info
    assert info["launchable"] == os.path.basename(DESKTOP), info
    assert info["binary"] == program and info["name"] == entry["Name"], (info, dict(entry))
    # Releases are listed newest first; the newest is the version being installed.
    assert info["releases"] and info["releases"][0] == version, (info["releases"], version)
    return entry


def check_starts(binary, entry):
    """The installed program shows its strip under the desktop entry's name and window class,
    and ends with status 0 when the strip is closed."""
    with XServer() as x, App(x, binary) as app:
        assert app.window.name == entry["Name"], (app.window, entry["Name"])
        wm_class = x.property(app.window, "WM_CLASS")
        assert wm_class.rstrip().endswith(f'"{entry["StartupWMClass"]}"'), wm_class
        x.close_request(app.window)
        status = app.wait_exit()
        assert status == 0, (status, app.error_output()[-2000:])


def check_binaries(program, *modules):
    """The installed program and its modules hardened; the program itself needs neither a network
    nor a window library (the modules bring them when Share first posts, when the strip shows)."""
    missing = hardening.problems(program, installed=True)
    assert not missing, f"installed program lacks: {missing}"
    for module in modules:
        missing = hardening.problems(module, installed=True, module=True)
        assert not missing, f"installed {os.path.basename(module)} lacks: {missing}"
    needed = needed_libraries(program)
    assert not [n for n in needed if re.search(r"Network|Gui|Widgets|xcb|X11", n)], needed
    return needed


def needed_libraries(path):
    return re.findall(r"\(NEEDED\)\s+Shared library: \[(.+)\]", hardening.readelf(path, "-d"))
