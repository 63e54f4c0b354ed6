#!/usr/bin/env python3
"""Draws the explorer controls' 16 x 16 bitmaps into this folder as BMP files: the pictures of
the file list's and the folder tree's context menus and the list header's sort arrows.

Light grey (0xC0C0C0) is the background: loaded with 3-D colour mapping it becomes the
system's face colour, so the pictures sit on the menu's own colour. Colours are 0xRRGGBB.
"""
import sys
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "skin"))
from draw_skin import Canvas, bmp  # noqa: E402

GREY = 0xC0C0C0
DARK = 0x404040
PAPER = 0xFFFFFF
FOLDER = 0xE8C040
FOLDER_EDGE = 0x9C7A18
BLUE = 0x2060C0
RED = 0xC02020
GREEN = 0x208030
GLASS = 0xA0D0F0
CASE = 0x808890


def canvas():
    return Canvas(16, 16, GREY)


def outline(c, left, top, right, bottom, color):
    for x in range(left, right + 1):
        c.put(x, top, color)
        c.put(x, bottom, color)
    for y in range(top, bottom + 1):
        c.put(left, y, color)
        c.put(right, y, color)


def page(c, left=3, top=1, right=12, bottom=14):
    c.fill(left, top, right + 1, bottom + 1, PAPER)
    outline(c, left, top, right, bottom, DARK)


def lines(c, left, right, rows, color=DARK):
    for y in rows:
        for x in range(left, right + 1):
            c.put(x, y, color)


def folder(c, left=1, top=4, right=14, bottom=13):
    c.fill(left, top, left + 6, top + 1, FOLDER)
    c.fill(left, top + 1, right + 1, bottom + 1, FOLDER)
    outline(c, left, top + 1, right, bottom, FOLDER_EDGE)


def arrow_right(c, left, y, length, color):
    for x in range(left, left + length):
        c.put(x, y, color)
    for d in range(1, 4):
        c.put(left + length - 1 - d, y - d, color)
        c.put(left + length - 1 - d, y + d, color)


def open_image():
    c = canvas()
    folder(c)
    c.fill(4, 8, 16, 14, 0xF8E080)
    outline(c, 4, 8, 15, 13, FOLDER_EDGE)
    return c


def view_image():
    c = canvas()
    page(c, 1, 1, 10, 14)
    lines(c, 3, 8, (4, 6, 8))
    c.fill(8, 8, 13, 13, GLASS)
    outline(c, 8, 8, 12, 12, DARK)
    for d in range(3):
        c.put(13 + d, 13 + d, DARK)
    return c


def send_to_image():
    c = canvas()
    page(c, 1, 1, 9, 14)
    lines(c, 3, 7, (4, 6))
    arrow_right(c, 6, 10, 10, BLUE)
    return c


def cut_image():
    c = canvas()
    for d in range(8):
        c.put(4 + d // 2, 1 + d, DARK)
        c.put(11 - d // 2, 1 + d, DARK)
    outline(c, 2, 10, 6, 14, DARK)
    outline(c, 9, 10, 13, 14, DARK)
    return c


def copy_image():
    c = canvas()
    page(c, 1, 1, 9, 10)
    page(c, 6, 5, 14, 14)
    lines(c, 8, 12, (8, 10, 12))
    return c


def paste_image():
    c = canvas()
    c.fill(2, 2, 12, 15, 0xB07830)
    outline(c, 2, 2, 11, 14, DARK)
    c.fill(5, 1, 9, 4, DARK)
    page(c, 7, 6, 14, 15)
    lines(c, 9, 12, (9, 11, 13))
    return c


def rename_image():
    c = canvas()
    outline(c, 1, 4, 14, 11, DARK)
    c.fill(2, 5, 14, 11, PAPER)
    lines(c, 3, 8, (7, 8), BLUE)
    for y in range(2, 14):
        c.put(11, y, DARK)
    return c


def delete_image():
    c = canvas()
    for d in range(10):
        for w in (0, 1):
            c.put(3 + d + w, 3 + d, RED)
            c.put(12 - d + w, 3 + d, RED)
    return c


def attributes_image():
    c = canvas()
    page(c)
    for y in (4, 7, 10):
        outline(c, 5, y, 6, y + 1, BLUE)
        lines(c, 8, 10, (y,))
    return c


def new_folder_image():
    c = canvas()
    folder(c, 0, 5, 12, 14)
    for d in range(-2, 3):
        c.put(13 + d, 3, GREEN)
        c.put(13, 3 + d, GREEN)
    return c


def any_folder_image():
    c = canvas()
    folder(c)
    arrow_right(c, 3, 10, 9, BLUE)
    return c


def clipboard_image():
    c = canvas()
    c.fill(2, 2, 14, 16, 0xB07830)
    outline(c, 2, 2, 13, 15, DARK)
    c.fill(5, 1, 11, 4, DARK)
    c.fill(4, 5, 12, 14, PAPER)
    lines(c, 5, 10, (7, 9, 11))
    return c


def desktop_image():
    c = canvas()
    c.fill(1, 2, 15, 11, 0x3080A0)
    outline(c, 1, 2, 14, 10, DARK)
    c.fill(6, 11, 10, 13, DARK)
    c.fill(4, 13, 12, 14, DARK)
    c.fill(3, 4, 6, 7, PAPER)
    return c


def edit_folder_image():
    c = canvas()
    folder(c, 0, 5, 12, 14)
    for d in range(7):
        c.put(8 + d, 9 - d, BLUE)
        c.put(9 + d, 9 - d, BLUE)
    c.put(7, 10, DARK)
    return c


def cross(c, left, top, size, color):
    for d in range(size):
        c.put(left + d, top + d, color)
        c.put(left + size - 1 - d, top + d, color)


def del_folder_image():
    c = canvas()
    folder(c, 0, 2, 12, 11)
    cross(c, 9, 9, 6, RED)
    cross(c, 10, 9, 6, RED)
    return c


def tree_size_image():
    c = canvas()
    for y in range(2, 13):
        c.put(2, y, DARK)
    for y, width in ((3, 4), (7, 8), (11, 12)):
        for x in range(3, 4 + 1):
            c.put(x, y + 1, DARK)
        c.fill(5, y, 5 + width - 1, y + 3, GREEN)
        outline(c, 5, y, 5 + width - 2, y + 2, DARK)
    return c


def dir_contents_image():
    c = canvas()
    folder(c, 0, 6, 10, 14)
    page(c, 7, 1, 15, 14)
    lines(c, 9, 13, (4, 6, 8, 10, 12))
    return c


def network_drive(c):
    c.fill(1, 2, 15, 8, CASE)
    outline(c, 1, 2, 14, 7, DARK)
    c.put(12, 5, GREEN)
    c.put(11, 5, GREEN)
    for y in range(8, 12):
        c.put(7, y, DARK)
        c.put(8, y, DARK)


def net_connect_image():
    c = canvas()
    network_drive(c)
    for x in range(1, 15):
        c.put(x, 12, DARK)
        c.put(x, 13, DARK)
    return c


def net_disconnect_image():
    c = canvas()
    network_drive(c)
    for x in list(range(0, 5)) + list(range(11, 16)):
        c.put(x, 12, DARK)
        c.put(x, 13, DARK)
    cross(c, 5, 10, 6, RED)
    return c


def sort_arrow(up):
    c = canvas()
    for row in range(5):
        y = 5 + row if up else 10 - row
        for x in range(8 - row, 9 + row):
            c.put(x, y, DARK)
    return c


BITMAPS = {
    "Open28": open_image, "View28": view_image, "SendTo28": send_to_image, "Cut28": cut_image,
    "Copy28": copy_image, "Paste28": paste_image, "ReName28": rename_image, "Delete28": delete_image,
    "Attributes28": attributes_image, "NewFolder28": new_folder_image, "AnyFolder28": any_folder_image,
    "ClipBoard28": clipboard_image, "DeskTop28": desktop_image,
    "EditFolder28": edit_folder_image, "DelFolder28": del_folder_image, "TreeSize28": tree_size_image,
    "DirContents28": dir_contents_image, "NetConnect28": net_connect_image,
    "NetDisConnect28": net_disconnect_image,
    "Bmp_Up28": lambda: sort_arrow(True), "Bmp_Down28": lambda: sort_arrow(False),
}


def main():
    """Writes the bitmaps; with --check, only reports those that differ from their drawing."""
    folder_path = Path(__file__).resolve().parent
    stale = []
    for name, draw in BITMAPS.items():
        path = folder_path / f"{name}.bmp"
        data = bmp(draw(), 4)
        if "--check" not in sys.argv[1:]:
            path.write_bytes(data)
        elif not path.exists() or path.read_bytes() != data:
            stale.append(path.name)
    if stale:
        sys.exit("not as drawn: " + " ".join(stale))


if __name__ == "__main__":
    main()
