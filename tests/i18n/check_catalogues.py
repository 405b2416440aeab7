#!/usr/bin/env python3
"""Fails unless every catalogue has a finished translation, placeholders kept, of every text in
the sources as they are now: a scratch copy of each is brought up to date by lupdate first, so
a text added without translations shows as unfinished, a text gone from the code as vanished.

    check_catalogues.py LUPDATE SOURCE_DIR CATALOGUE.ts...
"""
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
                text = translation.text or ""
                state = translation.get("type") or (None if text.strip() else "empty")
                if not state and sorted(re.findall(r"%\d", source)) != sorted(
                        re.findall(r"%\d", text)):
                    state = f"translated with other placeholders: {text!r}"
                if state:
                    print(f"{catalogue}: {context.findtext('name')}: {source!r} is {state}")
                    problems += 1
print(f"{len(catalogues)} catalogues, {problems} problem(s)"
      + ("; update them with the build target update_translations" if problems else ""))
sys.exit(1 if problems or not catalogues else 0)
