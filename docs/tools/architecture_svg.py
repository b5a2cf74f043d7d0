#!/usr/bin/env python3
"""Draws docs/architecture.svg: the folders of the repository and the direction of their includes.

Plain python3, no modules beyond the standard library. Run from anywhere:

    python3 docs/tools/architecture_svg.py [OUTPUT]

An arrow goes from the includer to the included. The picture is drawn for a width of 900 px.
"""

import sys
from pathlib import Path
from xml.sax.saxutils import escape

WIDTH, HEIGHT = 900, 745
FONT = "sans-serif"

BOX_FILL, BOX_STROKE = "#eaf1fb", "#3d6598"
LOW_FILL = "#e3f2e6"
LOW_STROKE = "#3f7f4f"
FRAME_FILL, FRAME_STROKE = "#f6f6f6", "#8a8a8a"
ARROW = "#333333"
TEXT = "#1a1a1a"
NOTE = "#555555"

out = []


def text(x, y, s, size=12, weight="normal", anchor="start", fill=TEXT):
    out.append(
        f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" '
        f'font-weight="{weight}" text-anchor="{anchor}" fill="{fill}">{escape(s)}</text>'
    )


def frame(x1, y1, x2, y2, title, note=None):
    """A grey frame that groups folders, titled in its top-left corner."""
    out.append(
        f'<rect x="{x1}" y="{y1}" width="{x2 - x1}" height="{y2 - y1}" rx="8" '
        f'fill="{FRAME_FILL}" stroke="{FRAME_STROKE}" stroke-width="1.2"/>'
    )
    text(x1 + 12, y1 + 18, title, size=13, weight="bold")
    if note:
        text(x1 + 12, y1 + 32, note, size=11, fill=NOTE)


def box(x1, y1, x2, y2, title, note=None, fill=BOX_FILL, stroke=BOX_STROKE):
    """A folder: its name in bold, a short note under it."""
    out.append(
        f'<rect x="{x1}" y="{y1}" width="{x2 - x1}" height="{y2 - y1}" rx="5" '
        f'fill="{fill}" stroke="{stroke}" stroke-width="1.5"/>'
    )
    cx = (x1 + x2) / 2
    if note:
        mid = (y1 + y2) / 2
        text(cx, mid - 2, title, size=13, weight="bold", anchor="middle")
        text(cx, mid + 13, note, size=11, anchor="middle", fill=NOTE)
    else:
        text(cx, (y1 + y2) / 2 + 5, title, size=13, weight="bold", anchor="middle")


def arrow(x1, y1, x2, y2):
    """From the includer (x1, y1) to the included (x2, y2)."""
    out.append(
        f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{ARROW}" '
        f'stroke-width="1.6" marker-end="url(#head)"/>'
    )


def draw():
    text(20, 28, "Dorvane: folders and the direction of their includes", size=17, weight="bold")
    text(20, 46, "An arrow goes from the includer to the included.", size=12, fill=NOTE)

    # The programs on top of the core.
    box(35, 60, 330, 110, "ui/  —  dorvane (Qt Widgets)",
        "app · canvas · dialogs · project · undo · view")
    box(380, 60, 605, 110, "cli/  —  dorvane-cli", "headless twin of the editor")

    # The Qt-free core.
    frame(20, 130, 620, 475, "core/  —  Qt-free static library")
    # top
    box(35, 160, 150, 205, "project_json", "JSON ⇄ .kvr")
    box(190, 160, 455, 205, "presenters", "the logic of every dialog")
    box(480, 160, 605, 205, "transfer", "download / upload")
    # middle
    box(190, 235, 310, 280, "app", "configuration")
    box(480, 235, 605, 280, "comm", "link, CCommThread")
    box(35, 320, 150, 365, "functions", "common functions")
    box(190, 320, 310, 365, "download", "area images")
    box(335, 320, 455, 365, "editor", "canvas rules")
    # bottom: the lowest three
    out.append(
        f'<rect x="35" y="392" width="570" height="73" rx="6" fill="#f0f7f1" '
        f'stroke="{LOW_STROKE}" stroke-width="1.2" stroke-dasharray="5 3"/>'
    )
    text(47, 408, "the lowest: include only util and each other", size=11, fill=NOTE)
    box(45, 416, 215, 456, "model", "document, screens", LOW_FILL, LOW_STROKE)
    box(225, 416, 395, 456, "tags", "sixteen tag kinds", LOW_FILL, LOW_STROKE)
    box(405, 416, 595, 456, "plc", "driver contract, slots", LOW_FILL, LOW_STROKE)

    arrow(182, 110, 182, 129)  # ui -> core
    arrow(492, 110, 492, 129)  # cli -> core
    arrow(92, 205, 92, 319)  # project_json -> functions
    arrow(200, 205, 130, 319)  # presenters -> functions
    arrow(250, 205, 250, 234)  # presenters -> app
    arrow(485, 205, 311, 255)  # transfer -> app
    arrow(542, 205, 542, 234)  # transfer -> comm
    arrow(250, 280, 250, 319)  # app -> download
    arrow(92, 365, 92, 391)  # functions -> lowest
    arrow(250, 365, 250, 391)  # download -> lowest
    arrow(395, 365, 395, 391)  # editor -> lowest

    # Quillet.
    frame(640, 60, 880, 210, "flasher/  —  Quillet", "links nothing of Dorvane")
    box(655, 100, 760, 140, "ui/", "quillet (Qt)")
    box(770, 100, 870, 140, "cli/", "quillet-cli")
    box(655, 160, 870, 200, "core/", "Qt-free")
    arrow(707, 140, 707, 159)
    arrow(820, 140, 820, 159)

    # The simulators.
    frame(640, 232, 880, 315, "sim/")
    box(655, 258, 760, 305, "panel/", "velmar-panel-sim")
    box(770, 258, 870, 305, "flash/", "velmar-flash-sim")
    arrow(820, 258, 820, 201)  # flash sim -> flasher/core
    arrow(655, 270, 606, 270)  # panel sim -> comm (the frame codec only)
    arrow(707, 305, 707, 624)  # panel sim -> util

    # The driver plugins.
    frame(300, 500, 620, 600, "drivers/  —  plugins, opened with dlopen")
    box(315, 528, 450, 588, "common/", "export marker, texts")
    box(490, 528, 605, 555, "modbus/")
    box(490, 562, 605, 589, "letterplc/")
    arrow(490, 541, 451, 541)
    arrow(490, 575, 451, 575)
    arrow(420, 528, 420, 457)  # common -> plc (the contract header only)
    text(428, 492, "core/plc/plc_driver_abi.h only", size=11, fill=NOTE)

    # The lowest layer.
    arrow(150, 475, 150, 624)  # core -> util
    text(160, 545, "every core folder", size=11, fill=NOTE)
    text(160, 559, "includes util", size=11, fill=NOTE)
    box(20, 625, 780, 670, "util/",
        "byte order · CArchive · INI files · code pages · CMonoBitmap · BMP files · CLogFont"
        " · messages")

    text(20, 698, "A folder includes only folders it reaches along the arrows; "
         "an arrow into a frame may reach any folder in it.", size=12, fill=NOTE)
    text(20, 716, "sim/panel takes only core/comm/frame_codec.h from the core. "
         "core/plc loads the driver plugins at run time (dlopen, dlsym).", size=12, fill=NOTE)


def main():
    default = Path(__file__).resolve().parent.parent / "architecture.svg"
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    draw()
    svg = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
        f'viewBox="0 0 {WIDTH} {HEIGHT}">',
        "<title>Dorvane: folders and the direction of their includes</title>",
        "<defs>",
        '<marker id="head" viewBox="0 0 10 10" refX="9" refY="5" markerWidth="8" markerHeight="8" '
        'orient="auto-start-reverse">',
        f'<path d="M 0 0 L 10 5 L 0 10 z" fill="{ARROW}"/>',
        "</marker>",
        "</defs>",
        f'<rect x="0" y="0" width="{WIDTH}" height="{HEIGHT}" fill="#ffffff"/>',
        *out,
        "</svg>",
        "",
    ]
    target.write_text("\n".join(svg), encoding="utf-8")


if __name__ == "__main__":
    main()
