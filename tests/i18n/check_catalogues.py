#!/usr/bin/env python3
"""Fails unless every catalogue translates every text of the sources as they are now.

    check_catalogues.py LUPDATE SOURCE_DIR CATALOGUE.ts...

Each catalogue is brought up to date with the sources in a scratch copy (the committed file is
left alone), and then every entry must have a finished translation that keeps the source's
%1-style placeholders. A text added without translations shows up as unfinished, a text gone
from the sources as vanished: `cmake --build ... --target update_translations` and translate.
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def problems(lupdate, sources, catalogue):
    with tempfile.TemporaryDirectory() as scratch:
        copy = shutil.copy(catalogue, scratch)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-source-language", "en",
                        sources, "-ts", copy], check=True)
        for context in ET.parse(copy).getroot().iter("context"):
            for message in context.iter("message"):
                source = message.findtext("source")
                where = f"{context.findtext('name')}: {source!r}"
                translation = message.find("translation")
                kind = translation.get("type")
                if kind or not (translation.text or "").strip():
                    yield f"{where} is {kind or 'empty'}"
                elif sorted(re.findall(r"%\d", source)) != sorted(
                        re.findall(r"%\d", translation.text)):
                    yield f"{where}: placeholders differ in {translation.text!r}"


def main():
    lupdate, sources, catalogues = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = 0
    for catalogue in catalogues:
        for problem in problems(lupdate, sources, catalogue):
            print(f"{catalogue}: {problem}")
            failed += 1
    print(f"{len(catalogues)} catalogues, {failed} problem(s)")
    return 1 if failed or not catalogues else 0


if __name__ == "__main__":
    sys.exit(main())
