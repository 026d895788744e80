#!/usr/bin/env python3
"""Fails when a translation of the windows is not complete.

Usage: check_translations.py LUPDATE SOURCE_DIR TS_DIR INCLUDE_DIR

Each .ts file of TS_DIR is copied and brought up to date with the texts of
SOURCE_DIR by lupdate, as `make translations` would (INCLUDE_DIR is where
its includes are found); then every text must
have a finished translation keeping the source's %1 markers and its
shortcut letter, and no text may be left over from older code.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

MARKERS = re.compile(r"%L?\d")


def Mnemonic(text):
    return re.search(r"&[^&\s]", text.replace("&&", "")) is not None


def Faults(ts_path):
    faults = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{ts_path.name}: {name}: {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                faults.append(f"{where}: {kind}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")]
            if not forms:
                forms = [translation.text or ""]
            for form in forms:
                if not form.strip():
                    faults.append(f"{where}: empty translation")
                elif sorted(MARKERS.findall(form)) != sorted(set(MARKERS.findall(source))):
                    faults.append(f"{where}: markers {MARKERS.findall(form)} in {form!r}")
                elif Mnemonic(source) and not Mnemonic(form):
                    faults.append(f"{where}: no shortcut letter in {form!r}")
    return faults


def main():
    lupdate, sources, ts_dir, include = sys.argv[1:5]
    ts_files = sorted(pathlib.Path(ts_dir).glob("*.ts"))
    if not ts_files:
        print(f"no .ts file in {ts_dir}")
        return 1
    faults = []
    with tempfile.TemporaryDirectory() as work:
        for ts in ts_files:
            copy = pathlib.Path(work) / ts.name
            shutil.copyfile(ts, copy)
            run = subprocess.run(
                [lupdate, "-locations", "none", "-source-language", "fr", f"-I{include}", sources,
                 "-ts", str(copy)],
                capture_output=True, text=True)
            if run.returncode != 0:
                print(run.stdout + run.stderr)
                return 1
            faults += Faults(copy)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} text(s) to translate: make translations, then edit the .ts files")
        return 1
    print(f"{len(ts_files)} translation(s) complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
