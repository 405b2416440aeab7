"""Installs the package with apt-get as a user would, starts the installed program, removes it
with apt-get remove and checks that nothing of it is left. Needs root; without it, says SKIPPED
and exits 77.

Usage: test_deb_apt.py VERSION DEB_DIR
"""

import glob
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
import common  # noqa: E402

SKIP = 77
APT = ["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=300"]
APT_ENV = dict(os.environ, DEBIAN_FRONTEND="noninteractive")


def packages():
    """Installed packages, by name."""
    out = subprocess.run(["dpkg-query", "-W", "-f", "${Package} ${db:Status-Status}\n"],
                         capture_output=True, text=True, check=True).stdout
    return {name for name, status in (line.split() for line in out.splitlines())
            if status == "installed"}


def status(package):
    r = subprocess.run(["dpkg-query", "-W", "-f", "${db:Status-Status} ${Version}", package],
                       capture_output=True, text=True)
    return r.stdout.strip() if r.returncode == 0 else "unknown"


def leftovers():
    """Anything named after the program where a package or its scripts would put files, and
    dpkg's own records of it."""
    patterns = ["/usr/bin/*dicerollkin*", "/usr/share/*dicerollkin*", "/usr/share/*/*dicerollkin*",
                "/usr/share/icons/*/*/apps/*dicerollkin*", "/usr/share/man/*/*dicerollkin*",
                "/usr/games/*dicerollkin*", "/etc/*dicerollkin*", "/var/lib/*dicerollkin*",
                "/var/lib/dpkg/info/dicerollkin*"]
    return sorted({p for pattern in patterns for p in glob.glob(pattern)})


def apt(*args):
    r = subprocess.run(APT + list(args), env=APT_ENV, capture_output=True, text=True,
                       timeout=600)
    assert r.returncode == 0, f"apt-get {' '.join(args)}:\n{r.stdout[-2000:]}{r.stderr}"


def main(version, deb_dir):
    if os.geteuid() != 0:
        print("SKIPPED: installing the package with apt-get needs root; "
              "run scripts/test as root to check install, start and removal")
        return SKIP
    debs = glob.glob(os.path.join(deb_dir, "dicerollkin_*.deb"))
    assert len(debs) == 1, debs
    # Never replace or remove an installation that this test did not make.
    assert status("dicerollkin") in ("unknown", "not-installed"), \
        f"dicerollkin is installed already ({status('dicerollkin')}); remove it first"
    assert not leftovers(), f"already there: {leftovers()}"

    deb = os.path.abspath(debs[0])
    # What apt means to install besides the package: only these may be taken out again, as
    # other packages may come and go meanwhile on a shared machine.
    plan = subprocess.run(APT + ["install", "-s", deb], env=APT_ENV, capture_output=True,
                          text=True, check=True).stdout
    added = sorted(set(re.findall(r"^Inst (\S+)", plan, re.M)) - {"dicerollkin"})
    before = packages()
    installed_files = []
    try:
        apt("install", deb)
        assert status("dicerollkin") == f"installed {version}", status("dicerollkin")
        installed_files = subprocess.run(["dpkg-query", "-L", "dicerollkin"], capture_output=True,
                                         text=True, check=True).stdout.split()
        assert all(os.path.lexists(f) for f in installed_files), installed_files
        print(f"PASS apt-get installed {os.path.basename(deb)}: {len(installed_files)} paths")

        # The menu's view: the desktop entry's Exec resolves on an ordinary PATH.
        entry = common.check_tree("/usr", version)
        binary = shutil.which(entry["Exec"].split()[0], path="/usr/bin:/bin:/usr/games")
        assert binary == "/usr/games/dicerollkin", binary
        common.check_starts(binary, entry)
        manual = subprocess.check_output(["man", "-w", "dicerollkin"], text=True).strip()
        assert manual == "/usr/share/man/man6/dicerollkin.6.gz", manual
        print(f"PASS {binary} starts from the menu entry, closes with status 0; man finds {manual}")
    finally:
        # Packages apt pulled in for it should be marked automatic, as apt-get autoremove
        # expects; take them out too, so that the machine is as it was.
        auto = set(subprocess.run(["apt-mark", "showauto", *added], capture_output=True,
                                  text=True).stdout.split()) if added else set()
        mine = ["dicerollkin"] if status("dicerollkin") not in ("unknown", "not-installed") else []
        if mine or auto:
            apt("remove", *mine, *sorted(auto))

    # apt-get remove is all a user needs: dpkg keeps nothing of it for a later purge.
    remains = status("dicerollkin")
    if remains not in ("unknown", "not-installed"):
        apt("purge", "dicerollkin")
    assert remains in ("unknown", "not-installed"), f"after apt-get remove: {remains}"
    assert set(added) <= auto, f"pulled in but not marked automatic: {set(added) - auto}"
    left = [f for f in installed_files if os.path.lexists(f) and not os.path.isdir(f)]
    assert not left, f"left after removal: {left}"
    assert not leftovers(), f"left after removal: {leftovers()}"
    gone = before - packages()
    assert not gone, f"removing dicerollkin removed other packages: {sorted(gone)}"
    print(f"PASS apt-get remove left none of its files, dpkg forgot it; pulled in and removed "
          f"again: {sorted(auto) or 'nothing'}")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
