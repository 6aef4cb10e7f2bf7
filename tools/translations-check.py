#!/usr/bin/env python3
"""Runs lupdate over the marked sources into copies of the .ts files and fails on a text that is new and
untranslated in a complete language, or on an obsolete text left behind in a .ts file.

The bench notes and the safety rules (contexts "areanotes/..." and "safety/...") are marked but wait for
their translation: they may stay unfinished.

usage: translations-check.py LUPDATE SOURCES_LIST TS_FILE...
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

WAITING = ("areanotes/", "safety/")


def faults(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            kind = message.find("translation").get("type")
            source = message.findtext("source")
            if kind in ("obsolete", "vanished"):
                found.append(f"{name}: obsolete text left behind: {source!r}")
            elif kind == "unfinished" and not name.startswith(WAITING):
                found.append(f"{name}: untranslated: {source!r}")
    return found


def main():
    lupdate, sources_list, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    with open(sources_list) as listing:
        sources = [line.strip() for line in listing if line.strip()]
    failed = False
    with tempfile.TemporaryDirectory() as work:
        for ts in ts_files:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copy(ts, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", *sources, "-ts", copy], check=True)
            for fault in faults(copy):
                print(f"{os.path.basename(ts)}: {fault}")
                failed = True
    if failed:
        print("Run `ninja update_translations`, then translate or remove the texts above.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
