"""`cmake --install` into a temporary prefix: the files, their validity, and the program itself.

Usage: test_install.py CMAKE BUILD_DIR VERSION
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
import common  # noqa: E402

PREFIX = "/opt/dicerollkin"


def main(cmake, build_dir, version):
    with tempfile.TemporaryDirectory() as stage:
        # A staged install: anything installed to an absolute place outside the prefix would
        # land beside it in the stage, not under it.
        env = dict(os.environ, DESTDIR=stage)
        subprocess.run([cmake, "--install", build_dir, "--prefix", PREFIX], env=env, check=True,
                       stdout=subprocess.DEVNULL, timeout=120)
        prefix = stage + PREFIX
        installed = sorted(os.path.relpath(os.path.join(d, f), stage)
                           for d, _, files in os.walk(stage) for f in files)
        want = [os.path.join(PREFIX[1:], f) for f in common.FILES]
        assert installed == want, f"installed {installed}\nwant {want}"
        print(f"PASS {len(installed)} files, all under {PREFIX}")

        common.check_binaries(os.path.join(prefix, common.PROGRAM),
                              os.path.join(prefix, common.NETWORK),
                              os.path.join(prefix, common.WINDOW))
        print("PASS installed program and modules hardened, no RUNPATH, program on Qt Core alone")

        entry = common.check_tree(prefix, version)
        print("PASS desktop entry, metainfo and icons valid and consistent")

        program = os.path.join(prefix, common.PROGRAM)
        version_line = subprocess.check_output([program, "--version"], text=True)
        assert version_line == f"dicerollkin {version}\n", version_line
        common.check_starts(program, entry)
        print("PASS installed program gives its version, starts, closes with status 0")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
