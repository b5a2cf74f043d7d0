#!/usr/bin/env python3
"""Draws docs/architecture.svg: the folders of src/ in the layers their includes follow.

Plain python3, no modules beyond the standard library. Run from anywhere:

    python3 docs/tools/architecture_svg.py [OUTPUT]

The layers are read from tests/support/check_includes.py, the check that enforces them, so the
picture shows what the check allows. The picture is drawn for a width of 900 px.
"""

import importlib.util
import sys
from pathlib import Path
from xml.sax.saxutils import escape

ROOT = Path(__file__).resolve().parents[2]

WIDTH = 900
FONT = "sans-serif"
ROW_H, ROW_GAP = 38, 8
STACK_X1, STACK_X2 = 60, 615
SIDE_X1, SIDE_X2 = 670, 885

BOX_FILL, BOX_STROKE = "#eaf1fb", "#3d6598"
LOW_FILL, LOW_STROKE = "#e3f2e6", "#3f7f4f"
FRAME_FILL, FRAME_STROKE = "#f6f6f6", "#8a8a8a"
ARROW = "#333333"
TEXT = "#1a1a1a"
NOTE = "#555555"

# One short note per folder.
NOTES = {
    "util": "byte order, CArchive, INI, code pages, bitmaps, messages",
    "core/model": "document, screens",
    "core/tags": "sixteen tag kinds",
    "core/plc": "driver contract, slots",
    "core/comm": "serial link, frames",
    "core/functions": "common functions",
    "core/editor": "canvas rules",
    "core/download": "area images",
    "core/project_json": "JSON ⇄ .kvr",
    "core/app": "CAppServices, configuration",
    "core/transfer": "download / upload",
    "core/runtime": "the panel running",
    "core/presenters": "the logic of every dialog",
    "core/report": "the printed report",
    "ports": "serial devices, port chooser",
    "ui/common": "message boxes, CQtPrompt, port slots",
    "ui/undo": "undo commands",
    "ui/canvas": "canvas, tools",
    "ui/dialogs": "dialog views",
    "ui/comm": "link windows",
    "ui/print": "report, pictures",
    "ui/preview": "running panel",
    "ui/project": "screen tree",
    "ui/tags": "tag properties",
    "ui/view": "screen view",
    "ui/app": "main frame, project controller",
    "ui": "main.cpp: dorvane",
    "cli": "dorvane-cli",
    "sim/panel": "velmar-panel-sim",
    "sim/flash": "velmar-flash-sim",
    "flasher/core": "Quillet, Qt-free",
    "flasher/cli": "quillet-cli",
    "flasher/ui": "quillet (Qt)",
}

out = []


def load_layers():
    path = ROOT / "tests" / "support" / "check_includes.py"
    spec = importlib.util.spec_from_file_location("check_includes", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module.STACK, module.BESIDE


def text(x, y, s, size=12, weight="normal", anchor="start", fill=TEXT):
    out.append(
        f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" '
        f'font-weight="{weight}" text-anchor="{anchor}" fill="{fill}">{escape(s)}</text>'
    )


def rect(x1, y1, x2, y2, fill, stroke, radius=5, dash=None, width=1.5):
    dashed = f' stroke-dasharray="{dash}"' if dash else ""
    out.append(
        f'<rect x="{x1}" y="{y1}" width="{x2 - x1}" height="{y2 - y1}" rx="{radius}" '
        f'fill="{fill}" stroke="{stroke}" stroke-width="{width}"{dashed}/>'
    )


def box(x1, y1, x2, y2, name, fill=BOX_FILL, stroke=BOX_STROKE, wide=False):
    """A folder: its name in bold, its note under it (beside it when the box is wide)."""
    rect(x1, y1, x2, y2, fill, stroke)
    cx = (x1 + x2) / 2
    note = NOTES.get(name, "")
    if wide:
        text(cx, (y1 + y2) / 2 + 5, f"{name}  —  {note}", size=12, weight="bold", anchor="middle")
        return
    text(cx, y1 + 16, name, size=12, weight="bold", anchor="middle")
    text(cx, y1 + 30, note, size=10, anchor="middle", fill=NOTE)


def arrow(x1, y1, x2, y2):
    """From the includer (x1, y1) to the included (x2, y2)."""
    out.append(
        f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{ARROW}" '
        f'stroke-width="1.6" marker-end="url(#head)"/>'
    )


def draw_row(row, y):
    """One row of the stack; a knot (several folders in one entry) gets a dashed frame."""
    folders = [(f, len(unit.split()) > 1) for unit in row for f in unit.split()]
    gap = 6
    width = (STACK_X2 - STACK_X1 - gap * (len(folders) - 1)) / len(folders)
    x = STACK_X1
    knot_x1 = None
    for name, in_knot in folders:
        if in_knot and knot_x1 is None:
            knot_x1 = x
        if in_knot:
            box(x, y, x + width, y + ROW_H, name, LOW_FILL, LOW_STROKE)
            knot_x2 = x + width
        else:
            box(x, y, x + width, y + ROW_H, name, wide=len(folders) == 1)
        x += width + gap
    if knot_x1 is not None:
        rect(knot_x1 - 3, y - 3, knot_x2 + 3, y + ROW_H + 3, "none", LOW_STROKE, 6, "5 3", 1.2)


def draw():
    stack, beside = load_layers()
    text(20, 28, "Dorvane: the folders of src/ and the direction of their includes",
         size=17, weight="bold")
    text(20, 46, "A folder includes its own folder and the rows below it, never a row above or a "
         "folder beside it; checked by tests/support/check_includes.py.", size=12, fill=NOTE)

    top = 70
    rows = list(reversed(stack))  # drawn from the top floor down
    y = top
    spans = {}
    for row in rows:
        first = row[0].split()[0]
        area = "ui" if first.startswith("ui") else first.split("/")[0]
        spans.setdefault(area, [y, y])[1] = y + ROW_H
        y += ROW_H + ROW_GAP
    bottom = y - ROW_GAP

    # The frames behind the rows: the editor, the core.
    for area, title in (("ui", "ui/"), ("core", "core/")):
        y1, y2 = spans[area]
        rect(STACK_X1 - 40, y1 - 6, STACK_X2 + 8, y2 + 6, FRAME_FILL, FRAME_STROKE, 8, width=1.2)
        out.append(
            f'<text x="{STACK_X1 - 22}" y="{(y1 + y2) / 2}" font-family="{FONT}" font-size="13" '
            f'font-weight="bold" fill="{TEXT}" text-anchor="middle" '
            f'transform="rotate(-90 {STACK_X1 - 22} {(y1 + y2) / 2})">{title}</text>'
        )
    y = top
    for row in rows:
        draw_row(row, y)
        y += ROW_H + ROW_GAP
    ax, mid = STACK_X2 + 22, (top + bottom) / 2
    arrow(ax, top + 4, ax, bottom - 2)
    out.append(
        f'<text x="{ax + 12}" y="{mid}" font-family="{FONT}" font-size="11" fill="{NOTE}" '
        f'text-anchor="middle" transform="rotate(90 {ax + 12} {mid})">includes downwards</text>'
    )

    # The programs beside the editor, each with what it includes.
    text(SIDE_X1, top + 12, "Beside the editor", size=13, weight="bold")
    y = top + 24
    for name, may in beside.items():
        box(SIDE_X1, y, SIDE_X2, y + ROW_H, name)
        text(SIDE_X1 + 4, y + ROW_H + 13, "includes " + (", ".join(may) or "only itself"),
             size=10, fill=NOTE)
        y += ROW_H + 24
    y = max(y, bottom + 20)
    text(20, y + 4, "Knot (green, dashed): model, tags and plc include each other. "
         "core/plc opens the driver plugins (drivers/) at run time;", size=12, fill=NOTE)
    text(20, y + 22, "they include nothing of Dorvane but core/plc/plc_driver_abi.h.",
         size=12, fill=NOTE)
    return y + 40


def main():
    default = ROOT / "docs" / "architecture.svg"
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    height = draw()
    svg = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{height}" '
        f'viewBox="0 0 {WIDTH} {height}">',
        "<title>Dorvane: the folders of src/ and the direction of their includes</title>",
        "<defs>",
        '<marker id="head" viewBox="0 0 10 10" refX="9" refY="5" markerWidth="8" markerHeight="8" '
        'orient="auto-start-reverse">',
        f'<path d="M 0 0 L 10 5 L 0 10 z" fill="{ARROW}"/>',
        "</marker>",
        "</defs>",
        f'<rect x="0" y="0" width="{WIDTH}" height="{height}" fill="#ffffff"/>',
        *out,
        "</svg>",
        "",
    ]
    target.write_text("\n".join(svg), encoding="utf-8")


if __name__ == "__main__":
    main()
