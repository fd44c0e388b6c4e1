#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# The README and the pages it leads to point only at what exists: every relative link names a
# file of the project (and, after a #, a heading of it), and every file of the project their
# code names (a command, a script, a folder) is there.
#     check-docs.py SOURCE_DIR
import pathlib
import re
import sys

source = pathlib.Path(sys.argv[1])
pages = [source / "README.md", source / "tests/README.md", *sorted((source / "docs").glob("*.md"))]
project_path = re.compile(
    r"(?<![\w/.-])(?:\./)?((?:assets|bench|cmake|core|docs|fuzz|platform|scripts|tests|window)/[\w.@/-]*\w/?)")


def anchors(page):
    # As GitHub makes them: lower case, punctuation dropped, spaces as hyphens.
    headings = re.findall(r"(?m)^#+ (.*)$", page.read_text())
    return {re.sub(r"[^\w\- ]", "", h.lower()).replace(" ", "-") for h in headings}


faults = []
for page in pages:
    text = page.read_text()
    for target in re.findall(r"\]\(([^)\s]+)\)", text):
        if re.match(r"[a-z]+:", target):
            continue
        path, _, anchor = target.partition("#")
        linked = (page.parent / path).resolve() if path else page
        if not linked.exists():
            faults.append(f"{page.relative_to(source)}: link to {target}: no such file")
        elif anchor and anchor not in anchors(linked):
            faults.append(f"{page.relative_to(source)}: link to {target}: no such heading")
    blocks = re.findall(r"(?m)^```[a-z]*\n(.*?)^```", text, re.S)
    prose = re.sub(r"(?m)^```[a-z]*\n.*?^```", "", text, flags=re.S)
    code = "\n".join(blocks + re.findall(r"`([^`]+)`", prose))
    for path in sorted(set(project_path.findall(code))):
        if not (source / path).exists():
            faults.append(f"{page.relative_to(source)}: names {path}, which is not in the project")
print("\n".join(faults) or f"PASS: {len(pages)} pages, every link and every named file there")
sys.exit(1 if faults else 0)
