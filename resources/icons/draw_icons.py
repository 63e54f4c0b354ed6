#!/usr/bin/env python3
"""Draws the two programs' icons ("MAINICON") into this folder as ICO files, each at 16 x 16
and 32 x 32: a rounded tile of one flat colour with a white picture, the converter's a play
mark, the manager's a handheld console. The title bar shows the small one, the task bar the
large one.

Magenta marks the transparent corners. Colours are 0xRRGGBB. With --check, only reports the
files that differ from their drawing.
"""
import struct
import sys
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "skin"))
from draw_skin import MAGENTA, Canvas, rounded, write_bitmaps  # noqa: E402

WHITE = 0xFFFFFF
TESSARK_TILE = 0x2F7FC1    # the converter's blue
HOLLIMER_TILE = 0x2E9A5C   # the manager's green
SCREEN = 0x1C2430


def tile(size, color):
    canvas = Canvas(size, size)
    for y, row in enumerate(rounded(size, size, size // 5)):
        for x, inside in enumerate(row):
            if inside:
                canvas.put(x, y, color)
    return canvas


def play_mark(size):
    """A white triangle pointing right, in the middle of the tile."""
    canvas = tile(size, TESSARK_TILE)
    left, top = size * 5 // 16, size * 3 // 16
    height = size - 2 * top
    for y in range(height):
        width = 1 + 2 * min(y, height - 1 - y)  # two pixels wider for each row from a tip
        canvas.fill(left, top + y, left + width, top + y + 1, WHITE)
    return canvas


def handheld(size):
    """A wide white console with a dark screen and a button on each side."""
    canvas = tile(size, HOLLIMER_TILE)
    unit = size // 16
    body_top, body_bottom = 5 * unit, 11 * unit
    canvas.fill(unit, body_top, size - unit, body_bottom, WHITE)
    canvas.fill(5 * unit, body_top + unit, size - 5 * unit, body_bottom - unit, SCREEN)
    for left in (2 * unit, size - 3 * unit):
        canvas.fill(left, body_top + 2 * unit, left + unit, body_top + 3 * unit, HOLLIMER_TILE)
    return canvas


def ico(images):
    """An ICO file of 32-bit images (bottom-up, alpha from the magenta mask) with their AND masks."""
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for canvas in images:
        size = canvas.width
        pixels = b"".join(
            bytes((c & 255, (c >> 8) & 255, c >> 16, 0)) if c == MAGENTA else
            bytes((c & 255, (c >> 8) & 255, c >> 16, 255))
            for row in reversed(canvas.rows) for c in row)
        stride = (size + 31) // 32 * 4
        mask = b""
        for row in reversed(canvas.rows):
            bits = 0
            for x, c in enumerate(row):
                if c == MAGENTA:
                    bits |= 1 << (stride * 8 - 1 - x)
            mask += bits.to_bytes(stride, "big")
        header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(pixels) + len(mask),
                             0, 0, 0, 0)
        image = header + pixels + mask
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return struct.pack("<HHH", 0, 1, len(images)) + entries + data


ICONS = {"Tessark": play_mark, "Hollimer": handheld}


def main():
    write_bitmaps(Path(__file__).resolve().parent,
                  {name: ico([draw(16), draw(32)]) for name, draw in ICONS.items()}, ".ico")


if __name__ == "__main__":
    main()
