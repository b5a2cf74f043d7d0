#!/usr/bin/env python3
"""Checks the direction of every #include "..." in src/: a folder includes only folders below it.

The layers are the ones docs/architecture.md draws. Run it from anywhere:
    python3 tests/support/check_includes.py [repository root]
It prints each include that runs the wrong way and exits with 1 when there is one.
"""

import pathlib
import re
import sys

# The main stack, bottom to top. A folder may include its own folder and any folder of a lower
# row. Folders written together in one string ("a b c") form a knot: they include each other.
STACK = [
    ["util"],
    ["core/model core/tags core/plc", "core/comm"],
    ["core/functions", "core/editor"],
    ["core/download", "core/project_json"],
    ["core/app"],
    ["core/transfer", "core/runtime"],
    ["core/online"],
    ["core/presenters"],
    ["core/xref"],
    ["core/report", "core/csv"],
    ["ports"],
    ["ui/common"],
    ["ui/undo"],
    ["ui/canvas"],
    ["ui/dialogs"],
    ["ui/comm", "ui/help", "ui/print", "ui/preview", "ui/project", "ui/tags", "ui/view"],
    ["ui/app"],
    ["ui"],  # main.cpp, the editor program around ui/app
]

# The programs beside the editor: each folder with what it may include besides itself. A "/*"
# entry stands for every folder under that one. Nothing in the main stack includes these.
BESIDE = {
    "cli": ["util", "core/*"],
    # The panel simulator shows its screen with the editor's preview and picture widgets.
    "sim/panel": ["util", "core/*", "ui/preview", "ui/print"],
    "sim/flash": ["flasher/core"],
    # Quillet links nothing of the editor but the serial port chooser.
    "flasher/core": [],
    "flasher/cli": ["flasher/core"],
    "flasher/ui": ["flasher/core", "ports"],
}

# Includes allowed to run the wrong way, each with why: (including file, included file).
EXCEPTIONS: dict = {}

# Where the build looks for a bare include, besides the including file's own folder.
SEARCH_DIRS = ["", "ports", "flasher/core", "flasher/ui"]

FOLDERS = sorted(
    [f for row in STACK for unit in row for f in unit.split()] + list(BESIDE),
    key=lambda f: -len(f))
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The checked folder a path under src/ belongs to (the longest one that holds it)."""
    for f in FOLDERS:
        if path == f or path.startswith(f + "/"):
            return f
    return None


def build_rules():
    """For each folder of the main stack: its row and the folders it may include."""
    allowed = {}
    below = []
    for row in STACK:
        for unit in row:
            knot = unit.split()
            for f in knot:
                allowed[f] = set(below) | set(knot)
        below += [f for unit in row for f in unit.split()]
    for f, may in BESIDE.items():
        ok = {f}
        for m in may:
            if m.endswith("/*"):
                ok |= {g for g in FOLDERS if g.startswith(m[:-1])}
            else:
                ok.add(m)
        allowed[f] = ok
    return allowed


def resolve(src, including, name):
    """The included file as a path under src/, or the name itself when no file is found (a
    header someone is about to add still counts by the folder it names)."""
    here = including.parent
    for base in [here] + [src / d for d in SEARCH_DIRS]:
        candidate = (base / name).resolve()
        if candidate.is_file():
            try:
                return candidate.relative_to(src.resolve()).as_posix()
            except ValueError:
                return None  # outside src/
    return name


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                        pathlib.Path(__file__).resolve().parents[2])
    src = root / "src"
    allowed = build_rules()
    wrong = []
    used_exceptions = set()
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".hpp", ".cpp", ".c"))
    for path in files:
        rel = path.relative_to(src).as_posix()
        source = folder_of(rel)
        if source is None:
            wrong.append(f"{rel}: its folder has no place in the layers")
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        for name in INCLUDE.findall(text):
            target_path = resolve(src, path, name)
            if target_path is None:
                continue
            target = folder_of(target_path)
            if target is None or target in allowed[source]:
                continue
            if (rel, target_path) in EXCEPTIONS:
                used_exceptions.add((rel, target_path))
                continue
            wrong.append(f"{rel}: includes {target_path} ({source} may not include {target})")
    for line in wrong:
        print(line)
    # An exception that no longer occurs is only reported: its removal is under way.
    for rel, target in sorted(set(EXCEPTIONS) - used_exceptions):
        print(f"note: {rel} no longer includes {target}; its exception can go")
    print(f"{len(files)} files checked, {len(wrong)} includes the wrong way")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
