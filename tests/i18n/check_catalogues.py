#!/usr/bin/env python3
"""check_catalogues.py LUPDATE SOURCE_DIR CATALOGUE.ts...: fails unless each catalogue, brought
up to date with the sources in a scratch copy, has a finished translation of every text that
keeps its %1-style placeholders (a new text shows as unfinished, a removed one as vanished)."""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, sources, catalogues = sys.argv[1], sys.argv[2], sys.argv[3:]
problems = 0
for catalogue in catalogues:
    with tempfile.TemporaryDirectory() as scratch:
        copy = shutil.copy(catalogue, scratch)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-source-language", "en",
                        sources, "-ts", copy], check=True)
        for context in ET.parse(copy).getroot().iter("context"):
            for message in context.iter("message"):
                source, translation = message.findtext("source"), message.find("translation")
                text, state = translation.text or "", translation.get("type")
                if not state and sorted(re.findall(r"%\d", source)) != sorted(
                        re.findall(r"%\d", text)):
                    state = f"translated with other placeholders: {text!r}"
                if state or not text.strip():
                    name = context.findtext("name")
                    print(f"{catalogue}: {name}: {source!r} is {state or 'empty'}")
                    problems += 1
print(f"{len(catalogues)} catalogues, {problems} problem(s) (build target update_translations)")
sys.exit(1 if problems or not catalogues else 0)
