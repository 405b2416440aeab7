"""The Debian package: built with cpack, its control fields, contents and dependencies.

Usage: test_deb.py CPACK BUILD_DIR VERSION OUT_DIR
Leaves the package in OUT_DIR for test_deb_apt.py.
"""

import glob
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
import common  # noqa: E402


def run(*args):
    return subprocess.run(list(args), capture_output=True, text=True, check=True,
                          timeout=300).stdout


def owner(path):
    """The Debian package that installed a file; tries the /lib and /usr/lib spellings, which
    name one file on a merged-/usr system but only one of them is in dpkg's records."""
    real = os.path.realpath(path)
    for p in dict.fromkeys([path, real, re.sub(r"^/usr/", "/", real),
                            re.sub(r"^/(lib|bin)", r"/usr/\1", real)]):
        r = subprocess.run(["dpkg-query", "-S", p], capture_output=True, text=True)
        if r.returncode == 0:
            return r.stdout.split(":")[0]
    raise AssertionError(f"no package owns {path}")


def main(cpack, build_dir, version, out):
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    run(cpack, "--config", os.path.join(build_dir, "CPackConfig.cmake"), "-G", "DEB", "-B", out)
    arch = run("dpkg", "--print-architecture").strip()
    debs = glob.glob(os.path.join(out, "*.deb"))
    want_name = os.path.join(out, f"dicerollkin_{version}_{arch}.deb")
    assert debs == [want_name], debs
    deb = debs[0]
    print(f"PASS built {os.path.basename(deb)}")

    fields = {k: run("dpkg-deb", "-f", deb, k).strip()
              for k in ("Package", "Version", "Architecture", "Maintainer", "Section",
                        "Description", "Depends")}
    assert (fields["Package"], fields["Version"], fields["Architecture"]) == \
        ("dicerollkin", version, arch), fields
    assert re.fullmatch(r".+ <[^@\s]+@[^@\s]+>", fields["Maintainer"]), fields["Maintainer"]
    assert fields["Section"] == "games" and fields["Description"], fields
    print(f"PASS control fields: {fields['Package']} {fields['Version']} {fields['Architecture']}")

    # Contents: exactly the installed files under /usr, owned by root, with usual modes.
    listing = [line.split() for line in run("dpkg-deb", "-c", deb).splitlines()]
    files = sorted(e[5][len("./usr/"):] for e in listing if e[0].startswith("-"))
    assert files == common.FILES, files
    for mode, user, *_, path in listing:
        assert user == "root/root", (path, user)
        if mode.startswith("-"):
            want = "-rwxr-xr-x" if path == "./usr/" + common.PROGRAM else "-rw-r--r--"
            assert mode == want, (path, mode)
    print(f"PASS {len(files)} files under /usr, root-owned, modes 755/644")

    tree = os.path.join(out, "contents")
    run("dpkg-deb", "-x", deb, tree)
    binary = os.path.join(tree, "usr", common.PROGRAM)
    modules = [os.path.join(tree, "usr", m) for m in (common.NETWORK, common.WINDOW)]
    needed = common.check_binaries(binary, *modules)
    print("PASS packaged program and modules hardened, no RUNPATH, program on Qt Core alone")

    # Every library the program and its modules link, and Qt's X11 platform plugin it loads at
    # run time, must come from a package that Depends names, or apt would not bring it onto a
    # fresh system.
    assert fields["Depends"], "the package depends on nothing"
    depends = {alt.split()[0].split(":")[0] for dep in fields["Depends"].split(",")
               for alt in dep.split("|")}
    for module in modules:
        needed += common.needed_libraries(module)
    resolved = dict(re.findall(r"^\s*(\S+) => (/\S+)",
                               "".join(run("ldd", path) for path in [binary, *modules]), re.M))
    plugins = glob.glob("/usr/lib/*/qt6/plugins/platforms/libqxcb.so")
    assert needed and plugins, (needed, plugins)
    providers = {lib: owner(resolved[lib]) for lib in needed}
    providers["xcb platform plugin"] = owner(plugins[0])
    uncovered = {lib: p for lib, p in providers.items() if p not in depends}
    assert not uncovered, f"not in Depends ({fields['Depends']}): {uncovered}"
    print(f"PASS Depends covers {len(providers)} run-time needs: {sorted(set(providers.values()))}")

    # What Debian asks of every package. Informational tags (I:) are printed, not failed.
    status, report = common.tool("lintian", "--fail-on", "error,warning", "--display-info", deb)
    tags = [line for line in report.splitlines() if re.match(r"[EWIPNX]: ", line)]
    assert status == 0 and not [t for t in tags if t[0] in "EW"], f"lintian:\n{report}"
    print("PASS lintian: no error or warning; informational tags:", *tags or ["none"], sep="\n  ")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
