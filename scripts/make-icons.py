#!/usr/bin/env python3
"""Draws the program icons and writes them as 4-bit ICO files.

Old Windows shows 16-colour icons, so every image uses the standard
16-colour VGA palette.  Each ICO image is a BITMAPINFOHEADER (double
height), the palette, the 4-bit XOR bitmap and the 1-bit AND mask, rows
bottom-up and padded to 32 bits.  Standard library only.

Usage: make-icons.py [output-folder]   (default: resources/ beside scripts/)
"""

import os
import struct
import sys

# Standard VGA palette, indexes used below by name.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None  # transparent pixel


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(self.size):
            for x in range(self.size):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def ring(self, cx, cy, radius, width, colour):
        for y in range(self.size):
            for x in range(self.size):
                d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
                if radius - width < d <= radius:
                    self.put(x, y, colour)


def draw_tuner(size):
    """A tuning dial over a network cable."""
    c = Canvas(size)
    s = size / 32.0
    # Cable across the bottom with a plug at the right.
    c.rect(0, int(24 * s), size - 1, int(27 * s), NAVY)
    c.rect(0, int(25 * s), size - 1, int(25 * s), BLUE)
    c.rect(int(25 * s), int(21 * s), size - 1, int(30 * s), GREY)
    c.rect(int(26 * s), int(22 * s), size - 2, int(29 * s), SILVER)
    # Dial: silver knob, dark rim, red pointer, tick marks.
    cx, cy, r = 14 * s, 13 * s, 12 * s
    c.disc(cx, cy, r, SILVER)
    c.ring(cx, cy, r, max(1.0, 1.5 * s), BLACK)
    c.disc(cx, cy, 7 * s, WHITE)
    c.ring(cx, cy, 7 * s, max(1.0, s), GREY)
    c.line(int(cx), int(cy), int(cx + 6 * s), int(cy - 6 * s), RED)
    for tx, ty in ((2, 13), (5, 5), (14, 2), (23, 5)):
        c.put(int(tx * s), int(ty * s), BLACK)
    return c


def draw_meter(size):
    """A tiny graph: green received bars, red sent line, on a dark panel."""
    c = Canvas(size)
    c.rect(0, 0, size - 1, size - 1, BLACK)
    c.frame(0, 0, size - 1, size - 1, GREY)
    heights = [3, 5, 4, 8, 6, 10, 9, 12, 7, 11, 13, 9, 12, 14]
    inner = size - 2
    for x in range(1, size - 1):
        h = heights[((x - 1) * len(heights)) // inner] * inner // 16
        c.rect(x, size - 2 - h, x, size - 2, GREEN if x % 2 else LIME)
    prev = None
    for x in range(1, size - 1):
        y = size // 3 + int((x * 7 % 5) * size / 32)
        if prev is not None:
            c.line(x - 1, prev, x, y, RED)
        prev = y
    return c


def draw_tray(received, sent):
    """16x16 tray picture: two arrows, lit when data moved that way."""
    c = Canvas(16)
    c.rect(1, 1, 14, 14, BLACK)
    c.frame(0, 0, 15, 15, GREY)
    down = LIME if received else GREEN
    up = RED if sent else MAROON
    # Down arrow (received) on the left.
    c.rect(4, 3, 5, 9, down)
    for i in range(4):
        c.rect(2 + i, 9 + i, 7 - i, 9 + i, down)
    # Up arrow (sent) on the right.
    c.rect(10, 6, 11, 12, up)
    for i in range(4):
        c.rect(8 + i, 6 - i, 13 - i, 6 - i, up)
    return c


def draw_menu_show():
    """A small window with a graph in it: the meter window."""
    c = Canvas(16)
    c.rect(1, 2, 14, 13, WHITE)
    c.frame(1, 2, 14, 13, NAVY)
    c.rect(1, 2, 14, 4, NAVY)
    for x, h in zip(range(3, 13), [2, 4, 3, 6, 5, 7, 4, 6, 7, 5]):
        c.rect(x, 12 - h, x, 12, BLUE if x % 2 else RED)
    return c


def draw_menu_data():
    """A sheet of figures: the statistics."""
    c = Canvas(16)
    c.rect(3, 1, 12, 14, WHITE)
    c.frame(3, 1, 12, 14, GREY)
    for y in (4, 7, 10):
        c.rect(5, y, 10, y, BLACK)
        c.rect(5, y + 1, 8, y + 1, GREY)
    return c


def draw_menu_tuner():
    """A tuning dial: the tuner."""
    c = Canvas(16)
    c.disc(8, 8, 6.5, SILVER)
    c.ring(8, 8, 6.5, 1.2, NAVY)
    c.line(8, 8, 11, 4, RED)
    c.put(8, 8, BLACK)
    return c


def draw_menu_settings():
    """A slider panel: the settings."""
    c = Canvas(16)
    for x, knob in ((4, 5), (8, 10), (12, 7)):
        c.rect(x, 2, x, 13, GREY)
        c.rect(x - 1, knob, x + 1, knob + 1, BLUE)
    return c


def draw_menu_theme():
    """Three colour swatches: the graph's looks."""
    c = Canvas(16)
    for i, colour in enumerate((RED, LIME, BLUE)):
        c.rect(2 + i * 4, 3 + i * 2, 7 + i * 4, 8 + i * 2, colour)
        c.frame(2 + i * 4, 3 + i * 2, 7 + i * 4, 8 + i * 2, BLACK)
    return c


def draw_menu_exit():
    """A cross: exit."""
    c = Canvas(16)
    for i in range(10):
        for w in (0, 1):
            c.put(3 + i + w, 3 + i, RED)
            c.put(12 - i - w, 3 + i, RED)
    return c


def icon_image(canvas):
    size = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for row in reversed(canvas.pixels):
        nibbles = [0 if p is CLEAR else p for p in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(data.ljust(xor_stride, b"\0"))
        mask = bytearray(and_stride)
        for x, p in enumerate(row):
            if p is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(mask))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def ico_file(canvases):
    images = [icon_image(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    files = {
        "quillon.ico": [draw_tuner(32), draw_tuner(16)],
        "dapplet.ico": [draw_meter(32), draw_meter(16)],
        "tray_none.ico": [draw_tray(False, False)],
        "tray_in.ico": [draw_tray(True, False)],
        "tray_out.ico": [draw_tray(False, True)],
        "tray_in_out.ico": [draw_tray(True, True)],
        "menu_show.ico": [draw_menu_show()],
        "menu_data.ico": [draw_menu_data()],
        "menu_tuner.ico": [draw_menu_tuner()],
        "menu_settings.ico": [draw_menu_settings()],
        "menu_theme.ico": [draw_menu_theme()],
        "menu_exit.ico": [draw_menu_exit()],
    }
    for name, canvases in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(ico_file(canvases))


if __name__ == "__main__":
    main()
