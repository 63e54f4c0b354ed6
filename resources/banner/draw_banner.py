#!/usr/bin/env python3
"""Draws the manager's four banner pictures (200x69) into this folder as BMP files.

They rotate in the main window's top panel, each linking to a page of the maker's site:
the converter (a film strip), the manager (the console), the profiles (sliders) and the
skins (swatches). Drawn in the skin's colours with its drawing helpers.
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "skin"))
from draw_skin import ACCENT, ACCENT_DARK, DOWN, FRAME, FRAME_EDGE, HOT, WHITE, Canvas, bmp, gradient, mix, rounded  # noqa: E402

WIDTH, HEIGHT = 200, 69


def background(top, bottom):
    canvas = Canvas(WIDTH, HEIGHT)
    for y, color in enumerate(gradient(top, bottom, HEIGHT)):
        canvas.fill(0, y, WIDTH, y + 1, color)
    return canvas


def film_strip():
    canvas = background(ACCENT, ACCENT_DARK)
    canvas.fill(0, 14, WIDTH, 55, FRAME_EDGE)
    for x in range(4, WIDTH, 14):
        canvas.fill(x, 17, x + 7, 22, WHITE)
        canvas.fill(x, 47, x + 7, 52, WHITE)
    for i, x in enumerate(range(8, WIDTH - 40, 46)):
        canvas.fill(x, 25, x + 40, 44, mix(HOT, DOWN, i / 3))
    return canvas


def console():
    canvas = background(FRAME, FRAME_EDGE)
    body = rounded(150, 51, 22)
    for y, row in enumerate(body):
        for x, inside in enumerate(row):
            if inside:
                canvas.put(25 + x, 9 + y, mix(0x2A2D33, FRAME, y / 50))
    canvas.fill(62, 15, 138, 54, 0x101215)
    for y, color in enumerate(gradient(ACCENT, DOWN, 35)):
        canvas.fill(64, 17 + y, 136, 18 + y, color)
    for dx, dy in ((0, -6), (0, 6), (-6, 0), (6, 0)):
        canvas.fill(43 + dx, 32 + dy, 47 + dx, 36 + dy, 0x8C94A4)
        canvas.fill(153 + dx, 32 + dy, 157 + dx, 36 + dy, HOT)
    return canvas


def sliders():
    canvas = background(WHITE, HOT)
    for i, (top, knob) in enumerate(((14, 60), (30, 130), (46, 95))):
        canvas.fill(20, top + 3, 180, top + 6, mix(ACCENT, FRAME, i / 2))
        canvas.fill(knob - 5, top - 2, knob + 5, top + 11, ACCENT_DARK)
        canvas.fill(knob - 4, top - 1, knob + 4, top + 10, DOWN)
    return canvas


def swatches():
    canvas = background(0xF3F3F3, 0xD8D8D8)
    colors = (FRAME, ACCENT, DOWN, HOT, 0xB1563C, 0x3CB16A, 0xE0B43A)
    for i, color in enumerate(colors):
        left = 12 + i * 26
        canvas.fill(left, 12 + (i % 2) * 8, left + 22, 49 + (i % 2) * 8, FRAME_EDGE)
        canvas.fill(left + 1, 13 + (i % 2) * 8, left + 21, 48 + (i % 2) * 8, color)
    return canvas


BANNERS = {"Banner1": film_strip, "Banner2": console, "Banner3": sliders, "Banner4": swatches}


def main():
    """Writes the pictures; with --check, only reports those that differ from their drawing."""
    folder = Path(__file__).resolve().parent
    stale = []
    for name, draw in BANNERS.items():
        path = folder / f"{name}.bmp"
        data = bmp(draw())
        if "--check" not in sys.argv[1:]:
            path.write_bytes(data)
        elif not path.exists() or path.read_bytes() != data:
            stale.append(path.name)
    if stale:
        print("not as drawn:", ", ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
