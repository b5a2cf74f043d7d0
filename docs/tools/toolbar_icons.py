#!/usr/bin/env python3
"""Draws the editor's toolbar icons into src/ui/icons/*.svg.

Plain python3, no modules beyond the standard library. Run from anywhere:

    python3 docs/tools/toolbar_icons.py [OUTPUT_FOLDER]

Every icon is drawn on a 24 x 24 grid: 2-unit strokes on whole coordinates, so the edges fall
on pixel boundaries at 24 px and stay one or two pixels wide at 16 px. The shapes carry the
meaning on their own (a dark ink outline); the blue accent and the light fill only help, so the
icons still read on a grey-scale or disabled toolbar.
"""

import sys
from pathlib import Path

INK = "#1f2a36"
ACCENT = "#2f6fc4"
LIGHT = "#d5e5f7"
PAPER = "#ffffff"


def stroke(d, colour=INK, width=2, fill="none", cap="square", join="miter", dash=None):
    dashes = f' stroke-dasharray="{dash}"' if dash else ""
    return (
        f'<path d="{d}" fill="{fill}" stroke="{colour}" stroke-width="{width}" '
        f'stroke-linejoin="{join}" stroke-linecap="{cap}"{dashes}/>'
    )


def rect(x, y, w, h, fill, line=INK, width=2, rx=0):
    edge = f' stroke="{line}" stroke-width="{width}"' if line else ""
    corner = f' rx="{rx}"' if rx else ""
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}"{corner} fill="{fill}"{edge}/>'


def block(x, y, w, h, fill=ACCENT):
    """A filled area without outline."""
    return rect(x, y, w, h, fill, line=None)


def circle(cx, cy, r, fill="none", line=INK, width=2):
    edge = f' stroke="{line}" stroke-width="{width}"' if line else ""
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"{edge}/>'


def arrow_head(points, fill=INK):
    return f'<polygon points="{points}" fill="{fill}"/>'


# ---- the drawing tools -------------------------------------------------------------------------

ICONS = {}

# An arrow pointer.
ICONS["select"] = [
    '<path d="M6,2 V19 L10,15 L13,21 L16,19.5 L13,14 H18 Z" fill="%s" stroke="%s" '
    'stroke-width="1.5" stroke-linejoin="round"/>' % (PAPER, INK),
    '<path d="M7.5,5.5 V15.5 L10.5,12.5 H14.5 Z" fill="%s"/>' % INK,
]

# "123" in seven-segment strokes, as the panel shows numbers.
ICONS["digit"] = [
    stroke("M2,7 L4,5 V19"),
    stroke("M8,5 H13 V12 H8 V19 H13", ACCENT),
    stroke("M17,5 H21 V19 H17 M18,12 H21"),
]

# A speech balloon: one of a list of messages.
ICONS["message"] = [
    stroke("M3,4 H21 V16 H10 L5,20 V16 H3 Z", fill=LIGHT),
    stroke("M7,8 H17 M7,12 H13", ACCENT),
]

# A capital T, the usual sign of a text tool.
ICONS["text"] = [
    stroke("M5,7 V4 H19 V7"),
    stroke("M12,4 V20 M9,20 H15", width=2.5),
]

# A lit bulb with its rays.
ICONS["lamp"] = [
    circle(12, 10, 6, ACCENT),
    stroke("M9,18 H15 M10,21 H14"),
    stroke("M2,10 H3 M21,10 H22 M4,3 L5,4 M20,3 L19,4", width=2),
]

# A push button seen from the side, pressed from above.
ICONS["button"] = [
    rect(3, 17, 18, 4, LIGHT),
    rect(7, 12, 10, 5, ACCENT),
    stroke("M12,2 V7"),
    arrow_head("8,7 16,7 12,11"),
]

# A pie with one slice pulled out.
ICONS["pie"] = [
    stroke("M11,5 A8,8 0 1 0 19,13 H11 Z", fill=LIGHT),
    stroke("M13,11 V3 A8,8 0 0 1 21,11 Z", fill=ACCENT),
]

# A picture: a frame with the sun over hills.
ICONS["bitmap"] = [
    rect(3, 4, 18, 16, PAPER),
    circle(8.5, 9.5, 2, ACCENT, None),
    '<path d="M4,19 L10,12 L14,16 L16,14 L20,19 Z" fill="%s"/>' % ACCENT,
]

# Bars on two axes.
ICONS["bar_graph"] = [
    block(6, 12, 3, 8),
    block(11, 6, 3, 14),
    block(16, 9, 3, 11),
    stroke("M3,3 V21 H21"),
]

# A trend line on two axes.
ICONS["trend_graph"] = [
    '<path d="M6,16 L10,10 L14,13 L20,5" fill="none" stroke="%s" stroke-width="2" '
    'stroke-linejoin="round" stroke-linecap="round"/>' % ACCENT,
    stroke("M3,3 V21 H21"),
]

# A turning arrow round a hub.
ICONS["motor"] = [
    '<path d="M12,5 A7,7 0 1 1 5,12" fill="none" stroke="%s" stroke-width="2"/>' % INK,
    arrow_head("1.5,13 8.5,13 5,8"),
    circle(12, 12, 2.5, ACCENT, None),
]

# An object with the arrow it travels along.
ICONS["mobile"] = [
    rect(3, 7, 8, 10, ACCENT),
    stroke("M13,12 H18"),
    arrow_head("17,7 22,12 17,17"),
]

ICONS["rect"] = [rect(3, 5, 18, 14, "none")]

# A line between its two end points.
ICONS["line"] = [
    stroke("M5,19 L19,5", cap="butt"),
    rect(2, 18, 4, 4, ACCENT, None),
    rect(18, 2, 4, 4, ACCENT, None),
]

ICONS["circle"] = [circle(12, 12, 8)]

# A clock face.
ICONS["clock"] = [
    circle(12, 12, 9, PAPER),
    block(11, 4, 2, 2),
    block(18, 11, 2, 2),
    block(11, 18, 2, 2),
    block(4, 11, 2, 2),
    stroke("M12,7 V12 H16", cap="round"),
]


def pixel_letter(rows, x0, y0, pitch, dot, fill):
    """A letter built of square dots, as a bitmap font draws it."""
    parts = []
    for row, line in enumerate(rows):
        for col, ch in enumerate(line):
            if ch == "#":
                parts.append(block(x0 + col * pitch, y0 + row * pitch, dot, dot, fill))
    return parts


# An "A" of bitmap dots: text drawn with images.
ICONS["bmp_text"] = [rect(3, 1, 19, 22, LIGHT, None)] + pixel_letter(
    ["..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"], 5, 2, 3, 2, INK
)

# ---- arranging ---------------------------------------------------------------------------------

# The accent square is the selection: on top of the other one, or under it.
ICONS["bring_to_front"] = [rect(3, 3, 11, 11, PAPER), rect(10, 10, 11, 11, ACCENT)]
ICONS["send_to_back"] = [rect(10, 10, 11, 11, ACCENT), rect(3, 3, 11, 11, PAPER)]

# Two bars of different lengths against a common edge.
ICONS["align_left"] = [block(5, 5, 15, 5), block(5, 14, 9, 5), stroke("M3,2 V22", cap="butt")]
ICONS["align_right"] = [block(4, 5, 15, 5), block(10, 14, 9, 5), stroke("M21,2 V22", cap="butt")]
ICONS["align_top"] = [block(5, 5, 5, 15), block(14, 5, 5, 9), stroke("M2,3 H22", cap="butt")]
ICONS["align_bottom"] = [block(5, 4, 5, 15), block(14, 10, 5, 9), stroke("M2,21 H22", cap="butt")]


def screen_frame():
    """The panel's screen: the frame the next icons align to."""
    return rect(2, 3, 20, 18, PAPER)


# A block pushed against one edge of the screen, with the arrow it moved along.
ICONS["align_screen_left"] = [
    screen_frame(),
    block(3, 8, 5, 8),
    stroke("M13,12 H18"),
    arrow_head("14,8 10,12 14,16"),
]
ICONS["align_screen_right"] = [
    screen_frame(),
    block(16, 8, 5, 8),
    stroke("M6,12 H11"),
    arrow_head("10,8 14,12 10,16"),
]
ICONS["align_screen_top"] = [
    screen_frame(),
    block(7, 4, 10, 5),
    stroke("M12,14 V18"),
    arrow_head("8,14 16,14 12,10"),
]
ICONS["align_screen_bottom"] = [
    screen_frame(),
    block(7, 15, 10, 5),
    stroke("M12,6 V10"),
    arrow_head("8,10 16,10 12,14"),
]

# A block on the screen's centre line.
ICONS["centre_horizontally"] = [
    screen_frame(),
    block(9, 7, 6, 10),
    stroke("M12,4 V20", INK, 1, cap="butt", dash="2,2"),
    stroke("M4,12 H6 M18,12 H20", INK, 2, cap="butt"),
]
ICONS["centre_vertically"] = [
    screen_frame(),
    block(6, 9, 12, 6),
    stroke("M3,12 H21", INK, 1, cap="butt", dash="2,2"),
    stroke("M12,5 V7 M12,17 V19", INK, 2, cap="butt"),
]

# Three blocks with equal gaps, between two guide lines.
ICONS["distribute_horizontally"] = [
    block(5, 7, 3, 10),
    block(10.5, 4, 3, 16),
    block(16, 9, 3, 6),
    stroke("M2,2 V22 M22,2 V22", INK, 2, cap="butt"),
]
ICONS["distribute_vertically"] = [
    block(7, 5, 10, 3),
    block(4, 10.5, 16, 3),
    block(9, 16, 6, 3),
    stroke("M2,2 H22 M2,22 H22", INK, 2, cap="butt"),
]

# Padlocks: shut on the accent body, open on the light one.
ICONS["lock"] = [
    stroke("M8,11 V7 A4,4 0 0 1 16,7 V11"),
    rect(5, 11, 14, 10, ACCENT, rx=1),
    block(11, 14, 2, 4, PAPER),
]
ICONS["unlock"] = [
    stroke("M16,11 V6 A4,4 0 0 0 8,6 V7"),
    rect(5, 11, 14, 10, LIGHT, rx=1),
    block(11, 14, 2, 4, INK),
]

# ---- files -------------------------------------------------------------------------------------

ICONS["file_new"] = [
    stroke("M5,2 H14 L19,7 V22 H5 Z", fill=PAPER),
    stroke("M14,2 V7 H19", fill=LIGHT),
    block(8, 12, 8, 2),
    block(8, 16, 8, 2),
]
ICONS["file_open"] = [
    stroke("M2,19 V4 H9 L11,6 H19 V9", fill=LIGHT),
    stroke("M2,19 L5,10 H22 L19,19 Z", fill=ACCENT, join="round"),
]
ICONS["file_save"] = [
    stroke("M3,3 H18 L21,6 V21 H3 Z", fill=ACCENT),
    block(7, 4, 9, 5, PAPER),
    block(12, 5, 2, 3, INK),
    rect(6, 13, 12, 8, PAPER, None),
]


def svg(parts):
    body = "\n  ".join(parts)
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">\n'
        f"  {body}\n</svg>\n"
    )


def main():
    root = Path(__file__).resolve().parents[2]
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "src" / "ui" / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    for name, parts in ICONS.items():
        (folder / f"{name}.svg").write_text(svg(parts), encoding="utf-8")


if __name__ == "__main__":
    main()
