#!/usr/bin/env python3
"""Draws the converter's pictures into this folder as BMP files.

ToolbarImages.bmp holds the toolbar's 48x48 pictures side by side in button order,
ToolbarDisabledImages.bmp the same greyed for disabled buttons, WelcomeImage.bmp the
welcome panel's picture, BrowseGlyph.bmp the folder on the Settings dialog's browse button. Magenta marks the pixels left undrawn. The shapes are the skin's
(resources/skin/draw_skin.py): gradients outlined one pixel wide, edges hard so that the mask
colour never bleeds into them. Colours here are 0xRRGGBB.
"""
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "skin"))
from draw_skin import MAGENTA, Canvas, bmp, mix, rounded, shape, strip, write_bitmaps  # noqa: E402

SIZE = 48
WHITE = 0xFFFFFF
PAPER_TOP, PAPER_BOTTOM, PAPER_EDGE = 0xFFFFFF, 0xDDE3EA, 0x7B8594
FILM, FILM_EDGE = 0x3A3F4A, 0x23262D
GREEN_TOP, GREEN_BOTTOM, GREEN_EDGE = 0x7DD36B, 0x2E9A32, 0x1F6E22
RED_TOP, RED_BOTTOM, RED_EDGE = 0xF08A7A, 0xC8312A, 0x8E1F1A
BLUE_TOP, BLUE_BOTTOM, BLUE_EDGE = 0x8CC4F0, 0x2E73C0, 0x1F4F8A
FOLDER_TOP, FOLDER_BOTTOM, FOLDER_EDGE = 0xFFE08A, 0xE8A93A, 0xA8741E
STEEL_TOP, STEEL_BOTTOM, STEEL_EDGE = 0xC9D0DA, 0x78839A, 0x4A5263
CONSOLE_TOP, CONSOLE_BOTTOM, CONSOLE_EDGE = 0x5A606C, 0x22252B, 0x111316
SCREEN_TOP, SCREEN_BOTTOM = 0x9ED4F7, 0x3C7FB1


def mask(width, height, inside):
    """Which pixels have their centre inside the shape."""
    return [[inside(x + 0.5, y + 0.5) for x in range(width)] for y in range(height)]


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def box(left, top, right, bottom):
    return lambda x, y: left <= x < right and top <= y < bottom


def polygon(points):
    def inside(x, y):
        hit = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def overlay(canvas, other, left=0, top=0):
    """Pastes the drawn pixels of other, keeping what lies under its undrawn ones."""
    for y, row in enumerate(other.rows):
        for x, color in enumerate(row):
            if color != MAGENTA:
                canvas.put(left + x, top + y, color)


def filled(inside, colors, width=SIZE, height=SIZE):
    top, bottom, edge = colors
    return shape(mask(width, height, inside), edge, top, bottom)


def solid(canvas, inside, color):
    for y in range(canvas.height):
        for x in range(canvas.width):
            if inside(x + 0.5, y + 0.5):
                canvas.put(x, y, color)


def badge(canvas, colors, sign):
    """A round mark at the bottom right with a white plus, minus or cross on it."""
    overlay(canvas, filled(disc(35, 35, 11.5), colors))
    bars = {
        "plus": union(box(29, 33, 41, 37), box(33, 29, 37, 41)),
        "minus": box(29, 33, 41, 37),
        "cross": union(polygon([(29, 31), (31, 29), (41, 39), (39, 41)]),
                       polygon([(39, 29), (41, 31), (31, 41), (29, 39)])),
    }
    solid(canvas, bars[sign], WHITE)


def film(canvas):
    """A strip of film standing upright, left of the badge."""
    overlay(canvas, filled(box(9, 3, 33, 45), (0x4A505C, FILM, FILM_EDGE)))
    for y in range(6, 44, 6):
        solid(canvas, union(box(11, y, 14, y + 3), box(28, y, 31, y + 3)), 0xE8E8E8)
    for top in (6, 20, 34):
        overlay(canvas, filled(box(16, top, 26, top + 10), (SCREEN_TOP, SCREEN_BOTTOM, 0x2A5A80)))


def paper_list(canvas):
    overlay(canvas, filled(box(7, 4, 35, 44), (PAPER_TOP, PAPER_BOTTOM, PAPER_EDGE)))
    for y in range(10, 40, 6):
        solid(canvas, box(11, y, 31, y + 2), 0x9AA4B2)


def badged(background, colors, sign):
    canvas = Canvas(SIZE, SIZE)
    background(canvas)
    badge(canvas, colors, sign)
    return canvas


def folder(canvas):
    overlay(canvas, filled(polygon([(3, 9), (17, 9), (21, 14), (42, 14), (42, 40), (3, 40)]),
                           (0xF3C760, FOLDER_BOTTOM, FOLDER_EDGE)))
    overlay(canvas, filled(polygon([(9, 19), (46, 19), (41, 40), (3, 40)]),
                           (FOLDER_TOP, FOLDER_BOTTOM, FOLDER_EDGE)))


def browse_glyph():
    """The Settings dialog's browse button: a small open folder, 16x16."""
    canvas = Canvas(16, 16)
    overlay(canvas, filled(polygon([(1, 2), (6, 2), (8, 4), (14, 4), (14, 14), (1, 14)]),
                           (0xF3C760, FOLDER_BOTTOM, FOLDER_EDGE), 16, 16))
    overlay(canvas, filled(polygon([(4, 7), (16, 7), (13, 14), (1, 14)]),
                           (FOLDER_TOP, FOLDER_BOTTOM, FOLDER_EDGE), 16, 16))
    return canvas


GREEN = (GREEN_TOP, GREEN_BOTTOM, GREEN_EDGE)
RED = (RED_TOP, RED_BOTTOM, RED_EDGE)


UP_ARROW = [(24, 4), (44, 24), (32, 24), (32, 44), (16, 44), (16, 24), (4, 24)]


def up():
    return filled(polygon(UP_ARROW), (BLUE_TOP, BLUE_BOTTOM, BLUE_EDGE))


def down():
    return filled(polygon([(x, SIZE - y) for x, y in UP_ARROW]), (BLUE_TOP, BLUE_BOTTOM, BLUE_EDGE))


def start():
    canvas = filled(disc(24, 24, 21), GREEN)
    solid(canvas, polygon([(18, 13), (36, 24), (18, 35)]), WHITE)
    return canvas


def stop():
    canvas = filled(disc(24, 24, 21), RED)
    solid(canvas, box(15, 15, 33, 33), WHITE)
    return canvas


def settings():
    def tooth(x, y):
        angle = math.atan2(y - 24, x - 24)
        return math.cos(8 * angle) > -0.1
    wheel = union(disc(24, 24, 15), lambda x, y: disc(24, 24, 21)(x, y) and tooth(x, y))
    return filled(minus(wheel, disc(24, 24, 6.5)), (STEEL_TOP, STEEL_BOTTOM, STEEL_EDGE))


# White marks on the round help and about pictures, three pixels to a "#".
QUESTION = [
    ".###.",
    "#...#",
    "....#",
    "...#.",
    "..#..",
    "..#..",
    ".....",
    "..#..",
]
INFO = [
    "..#..",
    ".....",
    ".##..",
    "..#..",
    "..#..",
    "..#..",
    "..#..",
    ".###.",
]


def marked_disc(lines):
    canvas = filled(disc(24, 24, 21), (BLUE_TOP, BLUE_BOTTOM, BLUE_EDGE))
    left, top = 24 - len(lines[0]) * 3 // 2, 24 - len(lines) * 3 // 2
    for row, line in enumerate(lines):
        for column, mark in enumerate(line):
            if mark == "#":
                canvas.fill(left + column * 3, top + row * 3, left + column * 3 + 3,
                            top + row * 3 + 3, WHITE)
    return canvas


def console(canvas, left, top, width, height):
    """The handheld seen from the front: a wide rounded body, the screen between its buttons."""
    body = rounded(width, height, height // 2)
    overlay(canvas, shape(body, CONSOLE_EDGE, CONSOLE_TOP, CONSOLE_BOTTOM), left, top)
    margin = width * 9 // 40
    overlay(canvas, filled(box(margin, height // 6, width - margin, height - height // 6),
                           (SCREEN_TOP, SCREEN_BOTTOM, 0x101214), width, height), left, top)
    r = max(height / 14, 1.5)
    cx, cy = left + margin / 2, top + height / 2
    solid(canvas, union(box(cx - 3 * r, cy - r, cx + 3 * r, cy + r),
                        box(cx - r, cy - 3 * r, cx + r, cy + 3 * r)), 0xB8BEC8)
    rx = left + width - margin / 2
    for dx, dy in ((0, -2), (2, 0), (0, 2), (-2, 0)):
        solid(canvas, disc(rx + dx * r, cy + dy * r, r), 0xB8BEC8)


def handheld():
    canvas = Canvas(SIZE, SIZE)
    console(canvas, 0, 12, SIZE, 24)
    return canvas


def welcome():
    """A film strip running into the handheld, a play mark on its screen."""
    canvas = Canvas(128, 128)
    strip_shape = polygon([(8, 30), (30, 8), (84, 62), (62, 84)])
    overlay(canvas, filled(strip_shape, (0x4A505C, FILM, FILM_EDGE), 128, 128))
    along, across = (1 / math.sqrt(2), 1 / math.sqrt(2)), (1 / math.sqrt(2), -1 / math.sqrt(2))
    for t in range(6, 76, 9):
        for side in (-11, 11):
            x = 19 + t * along[0] + side * across[0]
            y = 19 + t * along[1] + side * across[1]
            solid(canvas, disc(x, y, 2.2), 0xE8E8E8)
    console(canvas, 12, 64, 112, 56)
    solid(canvas, polygon([(60, 80), (78, 92), (60, 104)]), WHITE)
    return canvas


def greyed(canvas):
    """The picture as disabled buttons show it: its lightness only, pale."""
    out = Canvas(canvas.width, canvas.height)
    for y, row in enumerate(canvas.rows):
        for x, color in enumerate(row):
            if color != MAGENTA:
                light = (0.3 * (color >> 16) + 0.59 * ((color >> 8) & 255) + 0.11 * (color & 255)) / 255
                out.put(x, y, mix(0x8C8C8C, 0xF4F4F4, light))
    return out


# In the order of the toolbar's buttons.
TOOLBAR = [lambda: badged(film, GREEN, "plus"), lambda: badged(folder, GREEN, "plus"),
           lambda: badged(film, RED, "minus"), lambda: badged(paper_list, RED, "cross"),
           up, down, start, stop, settings,
           lambda: marked_disc(QUESTION), lambda: marked_disc(INFO), handheld]


def pictures():
    toolbar = strip([draw() for draw in TOOLBAR])
    return {
        "ToolbarImages": toolbar,
        "ToolbarDisabledImages": greyed(toolbar),
        "WelcomeImage": welcome(),
        "BrowseGlyph": browse_glyph(),
    }


def main():
    write_bitmaps(Path(__file__).resolve().parent,
                  {name: bmp(canvas) for name, canvas in pictures().items()})


if __name__ == "__main__":
    main()
