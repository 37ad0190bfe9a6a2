#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the translation catalogues against the program's sources.

usage: check_translations.py LUPDATE SOURCE_DIR TS_FILE...

- Every catalogue holds every text the sources mark for translation (lupdate, run on a copy,
  finds nothing new), and nothing the sources no longer have.
- Every text is translated (no unfinished or empty translation).
- A translation keeps its source's placeholders (%1 ... %9), line breaks, leading and trailing
  blanks (texts written into the tape keep their columns), and a mnemonic "&" exactly when the
  source has one.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from collections import Counter
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?[1-9]")
# "&&" is a literal ampersand; "& " is an ampersand in a sentence, not a mnemonic.
MNEMONIC = re.compile(r"&(?!&)(?=\S)")


def messages(ts_file):
    """(context, source, comment, translation element) for every message of a catalogue."""
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message.findtext("source"), message.findtext("comment") or "", message.find("translation")


def mnemonics(text):
    return len(MNEMONIC.findall(text.replace("&&", "")))


def edge_blanks(text):
    return len(text) - len(text.lstrip(" ")), len(text) - len(text.rstrip(" "))


def problems_of(ts_file):
    problems = []
    for context, source, _, translation in messages(ts_file):
        where = f"{ts_file.name}: {context}: {source!r}"
        text = translation.text or ""
        if translation.get("type") in ("unfinished", "vanished", "obsolete") or not text:
            problems.append(f"{where}: not translated")
            continue
        if Counter(PLACEHOLDER.findall(source)) != Counter(PLACEHOLDER.findall(text)):
            problems.append(f"{where}: placeholders differ in {text!r}")
        if source.count("\n") != text.count("\n"):
            problems.append(f"{where}: line breaks differ in {text!r}")
        if edge_blanks(source) != edge_blanks(text):
            problems.append(f"{where}: leading or trailing blanks differ in {text!r}")
        if min(mnemonics(source), 1) != mnemonics(text):
            problems.append(f"{where}: mnemonic differs in {text!r}")
    return problems


def stale_entries(lupdate, source_dir, ts_file):
    """What lupdate would add to or drop from the catalogue: it must be up to date."""
    with tempfile.TemporaryDirectory() as scratch:
        copy = Path(scratch) / ts_file.name
        shutil.copy(ts_file, copy)
        subprocess.run([lupdate, "-no-obsolete", "-locations", "none", "-silent", str(source_dir), "-ts", str(copy)],
                       check=True)
        before = {(c, s, m) for c, s, m, _ in messages(ts_file)}
        after = {(c, s, m) for c, s, m, _ in messages(copy)}
    return ([f"{ts_file.name}: missing {c}: {s!r}" for c, s, _ in sorted(after - before)]
            + [f"{ts_file.name}: no longer in the sources {c}: {s!r}" for c, s, _ in sorted(before - after)])


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    lupdate, source_dir = sys.argv[1], Path(sys.argv[2])
    problems = []
    for ts_file in map(Path, sys.argv[3:]):
        problems += stale_entries(lupdate, source_dir, ts_file)
        problems += problems_of(ts_file)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s) in {len(sys.argv) - 3} catalogue(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
