"""Reads an ELF executable's headers and says which hardening it lacks.

Run as a test: checks the built program, then builds a small program once properly and once
without each measure, to show that every missing measure is reported and nothing else is.
"""

import os
import re
import subprocess
import sys
import tempfile


def readelf(path, *options):
    return subprocess.run(["readelf", "-W", *options, path], capture_output=True, text=True,
                          check=True, timeout=60).stdout


def problems(path, installed=False, module=False):
    """Names of the missing measures: pie, relro, bind-now, stack-protector, fortify,
    noexecstack, textrel, runpath. An installed program must carry no RUNPATH at all; a built
    one may, but never an empty or relative entry (the loader reads those against the working
    directory). A module (a shared object the program loads) is position-independent without
    being PIE, and is not asked for fortified calls it may not make."""
    found = []
    header, dynamic = readelf(path, "-h"), readelf(path, "-d")
    segments, symbols = readelf(path, "-l"), readelf(path, "--dyn-syms")

    flags_1 = re.search(r"\(FLAGS_1\)\s+Flags:(.*)", dynamic)
    flags_1 = flags_1.group(1).split() if flags_1 else []
    flags = re.search(r"\(FLAGS\)\s+(.*)", dynamic)
    flags = flags.group(1).split() if flags else []
    if not re.search(r"Type:\s+DYN", header) or ("PIE" not in flags_1 and not module):
        found.append("pie")
    if not re.search(r"^\s*GNU_RELRO\s", segments, re.M):
        found.append("relro")
    if "BIND_NOW" not in flags and "NOW" not in flags_1 and "(BIND_NOW)" not in dynamic:
        found.append("bind-now")

    # Imported functions, without their version suffix.
    imported = set(re.findall(r"\sUND\s+([\w.]+)", symbols))
    if "__stack_chk_fail" not in imported:
        found.append("stack-protector")
    if not module and not any(re.fullmatch(r"__\w+_chk", s) and s != "__stack_chk_fail"
                              for s in imported):
        found.append("fortify")

    stack = re.search(r"^\s*GNU_STACK\s.*?\s([RWE ]{3})\s+0x\w+\s*$", segments, re.M)
    if not stack or "E" in stack.group(1):
        found.append("noexecstack")
    if "(TEXTREL)" in dynamic or "TEXTREL" in flags:
        found.append("textrel")

    paths = re.findall(r"\((?:RPATH|RUNPATH)\)\s+Library r(?:un)?path: \[(.*)\]", dynamic)
    if installed and paths:
        found.append("runpath")
    elif any(e == "" or not (e.startswith("/") or e.startswith("$ORIGIN"))
             for p in paths for e in p.split(":")):
        found.append("runpath")
    return found


# A program the compiler can harden: a local array, and formatted output the fortified library
# replaces with its checking variants.
SAMPLE = r"""
#include <cstdio>
int main(int argc, char** argv) {
    char line[64];
    std::snprintf(line, sizeof line, "%s", argc > 1 ? argv[1] : "-");
    std::fprintf(stderr, "%s\n", line);
    return line[0] == 'x';
}
"""

HARDENED = ["-O2", "-fPIE", "-pie", "-fstack-protector-strong", "-D_FORTIFY_SOURCE=2",
            "-Wl,-z,relro", "-Wl,-z,now", "-Wl,-z,noexecstack"]

# Each weakening, with the one measure it must be reported as missing.
WEAKENED = {
    "pie": ["-fno-PIE", "-no-pie"],
    "relro": ["-Wl,-z,norelro"],
    "bind-now": ["-Wl,-z,lazy"],
    "stack-protector": ["-fno-stack-protector"],
    "fortify": ["-U_FORTIFY_SOURCE"],
    "noexecstack": ["-Wl,-z,execstack"],
    "runpath": ["-Wl,-rpath,::", "-Wl,--enable-new-dtags"],
}


def main(compiler, binary, *modules):
    failures = 0
    missing = problems(binary)
    if missing:
        failures += 1
        print(f"FAIL {binary} lacks: {', '.join(missing)}")
    else:
        print(f"PASS {binary}: PIE, full RELRO, stack protector, fortified, no exec stack")
    for module in modules:
        missing = problems(module, module=True)
        failures += bool(missing)
        print(f"FAIL {module} lacks: {', '.join(missing)}" if missing else
              f"PASS {module}: full RELRO, stack protector, no exec stack")

    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "sample.cpp")
        with open(source, "w") as f:
            f.write(SAMPLE)
        cases = [("hardened", [])] + [(name, flags) for name, flags in WEAKENED.items()]
        for name, flags in cases:
            out = os.path.join(tmp, name)
            subprocess.run([compiler, *HARDENED, *flags, source, "-o", out], check=True,
                           timeout=120)
            got = problems(out)
            want = [] if name == "hardened" else [name]
            ok = got == want
            failures += not ok
            print(f"{'PASS' if ok else 'FAIL'} sample built {name}: reported {got or 'nothing'}")
        # $ORIGIN is fine in a build tree; an installed program must search no directory of
        # its own.
        out = os.path.join(tmp, "origin")
        subprocess.run([compiler, *HARDENED, "-Wl,-rpath,$ORIGIN", "-Wl,--enable-new-dtags",
                        source, "-o", out], check=True, timeout=120)
        got = (problems(out), problems(out, installed=True),
               problems(os.path.join(tmp, "hardened"), installed=True))
        ok = got == ([], ["runpath"], [])
        failures += not ok
        print(f"{'PASS' if ok else 'FAIL'} $ORIGIN RUNPATH refused only once installed: {got}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
