#!/usr/bin/env python3
"""The map of the house, drawn from the code: how many #include lines of each folder name each other folder.

    tools/includemap.py                        prints the table
    tools/includemap.py docs/architecture.md   writes it into the page, between its includemap markers

Rows include, columns are included. The folders are listed from the top layer down, so an include that
points down lands left of the diagonal; the runtime's row names only the runtime.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
LAYERS = ["app", "trainer", "calculators", "diagrams", "diagnosis", "runtime"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/[^"]+"', re.MULTILINE)
BEGIN, END = "<!-- includemap -->", "<!-- /includemap -->"


def counts():
    table = {row: {col: 0 for col in LAYERS} for row in LAYERS}
    files = {row: 0 for row in LAYERS}
    for row in LAYERS:
        for path in sorted((ROOT / row).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            files[row] += 1
            for folder in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if folder in table[row]:
                    table[row][folder] += 1
    return table, files


def markdown():
    table, files = counts()
    lines = ["| includes → | files | " + " | ".join(f"`{c}/`" for c in LAYERS) + " |",
             "|---|---:|" + "---:|" * len(LAYERS)]
    for row in LAYERS:
        cells = [str(table[row][c]) if table[row][c] else "" for c in LAYERS]
        lines.append(f"| `{row}/` | {files[row]} | " + " | ".join(cells) + " |")
    return "\n".join(lines)


def main():
    text = markdown()
    if len(sys.argv) < 2:
        print(text)
        return 0
    page = pathlib.Path(sys.argv[1])
    before, rest = page.read_text(encoding="utf-8").split(BEGIN, 1)
    _, after = rest.split(END, 1)
    page.write_text(before + BEGIN + "\n" + text + "\n" + END + after, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
