#!/usr/bin/env python3
"""Draws the bitmaps of the built-in skin into this folder as BMP files.

One look throughout: a dark slate title bar and frame with white glyphs, light grey forms,
white controls with grey borders, and blue for what is hot, pressed, checked or filled.
Magenta (0xFF00FF) marks the pixels a skin bitmap leaves undrawn. Colours here are
0xRRGGBB.
"""
import struct
import sys
from pathlib import Path

MAGENTA = 0xFF00FF
FORM = 0xEFEFEF            # FormBackgroundColor
FRAME = 0x4F545F           # FormBorderColor
FRAME_EDGE = 0x3E424B
CONTROL_BORDER = 0x7B7B7B  # ControlBorderColor
SCROLL_BACK = 0xF3F3F3     # ScrollBarBackgroundColor
ACCENT = 0x3C7FB1          # ToolBarButtonBorderColor
ACCENT_DARK = 0x2E6590
HOT = 0xD7EFFC             # ToolBarButtonBackgroundColor
DOWN = 0x91D2F7            # ToolBarButtonDownBackgroundColor
TITLE_TOP = 0x737B8C
TITLE_SHINE = 0x8C94A4
GLYPH = 0x5A606C
DISABLED_BORDER = 0xB4B4B4
DISABLED_MARK = 0xA8A8A8
WHITE = 0xFFFFFF


class Canvas:
    def __init__(self, width, height, color=MAGENTA):
        self.width, self.height = width, height
        self.rows = [[color] * width for _ in range(height)]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = color

    def fill(self, left, top, right, bottom, color):
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, color)

    def paste(self, other, left, top):
        for y, row in enumerate(other.rows):
            for x, color in enumerate(row):
                self.put(left + x, top + y, color)

    def pattern(self, left, top, lines, color):
        """Sets the pixels marked "#" in rows of text."""
        for y, line in enumerate(lines):
            for x, mark in enumerate(line):
                if mark == "#":
                    self.put(left + x, top + y, color)

    def pattern_centred(self, lines, color):
        self.pattern((self.width - len(lines[0])) // 2, (self.height - len(lines)) // 2, lines, color)


def mix(a, b, t):
    channel = lambda shift: round(((a >> shift) & 255) * (1 - t) + ((b >> shift) & 255) * t)
    return channel(16) << 16 | channel(8) << 8 | channel(0)


def gradient(top, bottom, height):
    return [mix(top, bottom, y / max(height - 1, 1)) for y in range(height)]


def rounded(width, height, radius, round_bottom=True):
    """Which pixels lie inside a rectangle with rounded corners."""
    def inside(x, y):
        px, py = x + 0.5, y + 0.5
        dx = max(radius - px, 0, px - (width - radius))
        dy = max(radius - py, 0, (py - (height - radius)) if round_bottom else 0)
        return dx * dx + dy * dy <= radius * radius
    return [[inside(x, y) for x in range(width)] for y in range(height)]


def shape(mask, border, top, bottom, background=MAGENTA, open_bottom=False):
    """Fills a mask with a vertical gradient and outlines it one pixel wide."""
    height, width = len(mask), len(mask[0])
    shades = gradient(top, bottom, height)
    canvas = Canvas(width, height, background)

    def outside(x, y):
        if open_bottom and y >= height:
            return False
        return not (0 <= x < width and 0 <= y < height and mask[y][x])

    for y in range(height):
        for x in range(width):
            if mask[y][x]:
                edge = any(outside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                canvas.put(x, y, border if edge else shades[y])
    return canvas


def strip(frames):
    """Frames side by side, in order."""
    canvas = Canvas(sum(f.width for f in frames), frames[0].height)
    left = 0
    for frame in frames:
        canvas.paste(frame, left, 0)
        left += frame.width
    return canvas


def flipped(lines):
    return list(reversed(lines))


def mirrored(lines):
    return ["".join(reversed(line)) for line in lines]


def transposed(mask):
    return [list(column) for column in zip(*mask)]


# Glyphs, "#" marks a pixel.
CHECK = [
    ".......#",
    "......##",
    "#....##.",
    "##..##..",
    ".####...",
    "..##....",
]
DOT = [
    ".##.",
    "####",
    "####",
    ".##.",
]
ARROW_UP = [
    "...#...",
    "..###..",
    ".#####.",
    "#######",
]
ARROW_LEFT = [
    "...#",
    "..##",
    ".###",
    "####",
    ".###",
    "..##",
    "...#",
]
TITLE_GLYPHS = {
    "blank": ["........"],
    "help": [
        "..####..",
        ".##..##.",
        ".....##.",
        "....##..",
        "...##...",
        "...##...",
        "........",
        "...##...",
    ],
    "maximise": [
        "########",
        "########",
        "#......#",
        "#......#",
        "#......#",
        "#......#",
        "#......#",
        "########",
    ],
    "restore": [
        "...#####",
        "...#####",
        "...#...#",
        "#####..#",
        "#####..#",
        "#...####",
        "#...#...",
        "#####...",
    ],
    "minimise": [
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
        ".######.",
        ".######.",
    ],
    "close": [
        "##....##",
        "###..###",
        ".######.",
        "..####..",
        "..####..",
        ".######.",
        "###..###",
        "##....##",
    ],
}


def button_image():
    # Normal, hot, pressed.
    looks = [(CONTROL_BORDER, WHITE, 0xE4E4E4), (ACCENT, 0xF2F9FE, HOT), (ACCENT_DARK, DOWN, 0xB8E1F9)]
    return strip([shape(rounded(73, 19, 4), *look) for look in looks])


def box_frames(mask, mark_left, mark_top, mark):
    """Enabled checked, enabled unchecked, disabled checked, disabled unchecked."""
    frames = []
    for border, top, bottom, mark_color in ((CONTROL_BORDER, WHITE, 0xE9E9E9, ACCENT),
                                            (DISABLED_BORDER, 0xF6F6F6, FORM, DISABLED_MARK)):
        for checked in (True, False):
            frame = shape(mask, border, top, bottom)
            if checked:
                frame.pattern(mark_left, mark_top, mark, mark_color)
            frames.append(frame)
    return strip(frames)


def check_box_image():
    # Drawn opaque: the whole frame is the box.
    return box_frames(rounded(12, 12, 0), 2, 3, CHECK)


def radio_button_image():
    # Drawn transparent: magenta around the circle.
    return box_frames(rounded(12, 12, 6), 4, 4, DOT)


def title_button(glyph, face, glyph_color):
    frame = shape(rounded(26, 14, 3), *face) if face else Canvas(26, 14)
    frame.pattern_centred(TITLE_GLYPHS[glyph], glyph_color)
    return frame


def title_bar_button_image():
    # Eighteen frames: normal, hot and pressed of an unused face, help, maximise, restore,
    # minimise and close. Normal buttons are the white glyph on the title bar itself.
    frames = []
    for glyph in ("blank", "help", "maximise", "restore", "minimise", "close"):
        hot, down = (((0xE0625E, 0xD9534F, 0xC03C38), (0xB03430, 0xA83230, 0x9E2B28)) if glyph == "close"
                     else ((0x9AA1B0, 0x848C9C, 0x6C7485), (0x2F3239, 0x3E434C, 0x474C57)))
        frames += [title_button(glyph, None, WHITE), title_button(glyph, hot, WHITE),
                   title_button(glyph, down, 0xDDDDDD)]
    return strip(frames)


def title_bar(edge_left=False, edge_right=False, width=42, height=28, edge_bottom=False):
    canvas = Canvas(width, height)
    for y, color in enumerate(gradient(TITLE_TOP, FRAME, height)):
        canvas.fill(0, y, width, y + 1, color)
    canvas.fill(0, 0, width, 1, FRAME_EDGE)
    canvas.fill(0, 1, width, 2, TITLE_SHINE)
    if edge_left:
        canvas.fill(0, 0, 1, height, FRAME_EDGE)
    if edge_right:
        canvas.fill(width - 1, 0, width, height, FRAME_EDGE)
    if edge_bottom:
        canvas.fill(0, height - 1, width, height, FRAME_EDGE)
    return canvas


def progress_bar_image():
    canvas = Canvas(230, 17, ACCENT_DARK)
    shades = gradient(0xA9D6F7, 0x7DB9E8, 7) + gradient(0x5CA6DD, ACCENT, 8)
    for y, color in enumerate(shades, 1):
        canvas.fill(1, y, 229, y + 1, color)
    return canvas


def track_bar_bar_image():
    # Three 16-pixel parts: rounded left end, channel, rounded right end; two spare columns.
    canvas = Canvas(50, 4, FORM)
    for y, color in enumerate((0x9A9A9A, 0xD0D0D0, 0xE6E6E6, WHITE)):
        canvas.fill(1, y, 47, y + 1, color)
    canvas.fill(0, 1, 1, 3, 0x9A9A9A)
    canvas.fill(47, 1, 48, 3, 0x9A9A9A)
    return canvas


def thumb(across, length, body):
    """A slider thumb across pixels wide that points down after body rows."""
    corners = rounded(across, length, 2, round_bottom=False)
    return [[corners[y][x] if y < body else abs(x + 0.5 - across / 2) <= length - y - 0.5
             for x in range(across)] for y in range(length)]


def scroll_bar_button_image():
    # Up normal, hot, pressed; down normal, hot, pressed. Stored upright for the vertical
    # bar; the engine turns them a quarter left for the horizontal one.
    looks = [(0xC4C4C4, 0xFBFBFB, 0xE8E8E8, GLYPH), (ACCENT, 0xF2F9FE, HOT, ACCENT_DARK),
             (ACCENT_DARK, DOWN, 0xB8E1F9, 0x1E4A6E)]
    frames = []
    for arrow in (ARROW_UP, flipped(ARROW_UP)):
        for border, top, bottom, glyph in looks:
            frame = shape(rounded(15, 16, 2), border, top, bottom, background=SCROLL_BACK)
            frame.pattern_centred(arrow, glyph)
            frames.append(frame)
    return strip(frames)


def scroll_bar_slider_image():
    # Stored lying for the horizontal bar (three 19-pixel parts); the engine turns it a
    # quarter right for the vertical one.
    canvas = Canvas(57, 15, SCROLL_BACK)
    canvas.paste(shape(rounded(57, 13, 4), 0x9AA0AC, 0xD3D7DF, 0xB4BAC6, background=SCROLL_BACK), 0, 1)
    return canvas


def scroll_button_image():
    # Up, down, left and right; 8 bits per pixel.
    frames = []
    for arrow in (ARROW_UP, flipped(ARROW_UP), ARROW_LEFT, mirrored(ARROW_LEFT)):
        frame = shape(rounded(16, 16, 2), 0xC4C4C4, 0xFBFBFB, 0xE8E8E8, background=SCROLL_BACK)
        frame.pattern_centred(arrow, GLYPH)
        frames.append(frame)
    return strip(frames)


def tab_control_tab_image():
    # Selected and other tab, each three 9-pixel parts (left cap, middle, right cap) and a
    # spare column. The selected tab is taller and opens into the page below it.
    selected = shape(rounded(27, 19, 3, round_bottom=False), CONTROL_BORDER, WHITE, FORM, open_bottom=True)
    other = Canvas(27, 19)
    other.paste(shape(rounded(27, 17, 3, round_bottom=False), 0x9A9A9A, 0xE6E6E6, 0xD6D6D6), 0, 2)
    other.fill(0, 18, 27, 19, CONTROL_BORDER)
    return strip([selected, Canvas(1, 19), other, Canvas(1, 19)])


def tab_control_bar_image():
    canvas = Canvas(12, 2, ACCENT)
    canvas.fill(0, 1, 12, 2, 0x9CC3E2)
    return canvas


def side_channel_handle_image():
    # 8 bits per pixel.
    canvas = Canvas(8, 86, FORM)
    canvas.paste(shape(rounded(8, 86, 3), FRAME, 0x8C94A4, 0x6E7687, background=FORM), 0, 0)
    for y in range(37, 50, 4):
        canvas.fill(3, y, 5, y + 2, WHITE)
    return canvas


def side_channel_bar_image():
    canvas = Canvas(1, 25)
    for y, color in enumerate(gradient(FORM, 0xD0D0D0, 25)):
        canvas.put(0, y, color)
    return canvas


def form_left_border_image():
    # The engine turns it by half a turn for the right border.
    canvas = Canvas(4, 18)
    for x, color in enumerate((FRAME_EDGE, 0x6A7180, 0x5C6270, FRAME)):
        canvas.fill(x, 0, x + 1, 18, color)
    return canvas


def menu_checked_image():
    """The check mark of checked menu items: 16x16, white is transparent."""
    canvas = Canvas(16, 16, WHITE)
    canvas.pattern(4, 5, CHECK, 0x000000)
    return canvas


def mdi_controler_image():
    """The buttons of a maximised MDI child in the menu bar, 16x16 each: minimise, restore and
    close, drawn transparent (magenta) over the bar."""
    frames = []
    for glyph in ("minimise", "restore", "close"):
        frame = Canvas(16, 16)
        frame.pattern_centred(TITLE_GLYPHS[glyph], GLYPH)
        frames.append(frame)
    return strip(frames)


def bmp(canvas, bits=24):
    """Bottom-up BMP, 24 bits per pixel, or 8 or 4 bits with a palette of the colours used."""
    palette = sorted({c for row in canvas.rows for c in row}) if bits in (4, 8) else []
    index = {color: i for i, color in enumerate(palette)}
    if bits == 4:
        palette += [0] * (16 - len(palette))  # a full 16-colour table
    stride = (canvas.width * bits + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(canvas.rows):
        if bits == 8:
            line = bytes(index[c] for c in row)
        elif bits == 4:
            nibbles = [index[c] for c in row] + [0]
            line = bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, len(row), 2))
        else:
            line = b"".join(bytes((c & 255, (c >> 8) & 255, c >> 16)) for c in row)
        pixels += line + bytes(stride - len(line))
    colors = b"".join(bytes((c & 255, (c >> 8) & 255, c >> 16, 0)) for c in palette)
    offset = 14 + 40 + len(colors)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, bits, 0,
                       len(pixels), 2835, 2835, len(palette), 0)
    return header + info + colors + bytes(pixels)


BITMAPS = {
    "ButtonImage": button_image,
    "CheckBoxImage": check_box_image,
    "RadioButtonImage": radio_button_image,
    "TitleBarButtonImage": title_bar_button_image,
    "TitleBarLeftImage": lambda: title_bar(edge_left=True),
    "TitleBarClientImage": title_bar,
    "TitleBarRightImage": lambda: title_bar(edge_right=True),
    "ProgressBarImage": progress_bar_image,
    "TrackBarBarImage": track_bar_bar_image,
    "TrackBarSliderImage": lambda: shape(thumb(10, 18, 13), ACCENT, WHITE, HOT),
    "TrackBarSliderVImage": lambda: shape(transposed(thumb(11, 22, 16)), ACCENT, WHITE, HOT),
    "ScrollBarButtonImage": scroll_bar_button_image,
    "ScrollBarSliderImage": scroll_bar_slider_image,
    "CheckListBoxImage": check_box_image,
    "ScrollButtonImage": scroll_button_image,
    "TabControlTabImage": tab_control_tab_image,
    "TabControlBarImage": tab_control_bar_image,
    "SideChannelHandleImage": side_channel_handle_image,
    "SideChannelBarImage": side_channel_bar_image,
    "TitleBarMinimizedImage": lambda: title_bar(True, True, 200, 25, edge_bottom=True),
    "FormLeftBorderImage": form_left_border_image,
}
PALETTED = {"ScrollButtonImage", "SideChannelHandleImage"}
# Program resources beside the container, in 16 colours.
RESOURCES = {"KIVSKIN_MENU_CHECKED": menu_checked_image, "KIVSKIN_MDI_CONTROLER": mdi_controler_image}


def write_bitmaps(folder, bitmaps, suffix=".bmp"):
    """Writes each file of name (and suffix) to data; with --check, only reports those that
    differ."""
    stale = []
    for name, data in bitmaps.items():
        path = folder / f"{name}{suffix}"
        if "--check" not in sys.argv[1:]:
            path.write_bytes(data)
        elif not path.exists() or path.read_bytes() != data:
            stale.append(path.name)
    if stale:
        sys.exit("not as drawn: " + " ".join(stale))


def main():
    write_bitmaps(Path(__file__).resolve().parent,
                  {name: bmp(draw(), 4 if name in RESOURCES else 8 if name in PALETTED else 24)
                   for name, draw in {**BITMAPS, **RESOURCES}.items()})


if __name__ == "__main__":
    main()
