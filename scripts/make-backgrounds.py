#!/usr/bin/env python3
"""Paints the meter's two graph backgrounds and writes them as 8-bit BMP files.

clouds.bmp (602 x 425): a sky that lightens towards the horizon, with soft
fair-weather clouds.  river.bmp (657 x 340): a river winding from the
foreground to low hills under a pale sky.  Both are kept light and calm, so
that the chart's lines stay readable on top of them.

Each picture uses a palette of colour ramps; a pixel picks a ramp and a level
on it, and 4 x 4 ordered dithering hides the steps between levels.  The
output is deterministic (fixed seeds).  Standard library only.

Usage: make-backgrounds.py [output-folder]   (default: resources/ beside scripts/)
"""

import math
import os
import random
import struct
import sys

BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def dither(x, y):
    """A threshold in [0, 1) that varies over a 4 x 4 pattern."""
    return (BAYER[y & 3][x & 3] + 0.5) / 16.0


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(p, q, t) for p, q in zip(c1, c2))


def clamp01(v):
    return 0.0 if v < 0 else 1.0 if v > 1 else v


class ValueNoise:
    """Smooth 2-D noise from a lattice of random values."""

    def __init__(self, seed, size=256):
        rng = random.Random(seed)
        self.size = size
        self.values = [rng.random() for _ in range(size * size)]

    def at(self, x, y):
        size = self.size
        x0, y0 = math.floor(x), math.floor(y)
        fx, fy = x - x0, y - y0
        fx = fx * fx * (3 - 2 * fx)
        fy = fy * fy * (3 - 2 * fy)
        x0 %= size
        y0 %= size
        x1, y1 = (x0 + 1) % size, (y0 + 1) % size
        v = self.values
        top = lerp(v[y0 * size + x0], v[y0 * size + x1], fx)
        bottom = lerp(v[y1 * size + x0], v[y1 * size + x1], fx)
        return lerp(top, bottom, fy)

    def fbm(self, x, y, octaves):
        total, amplitude, norm = 0.0, 1.0, 0.0
        for _ in range(octaves):
            total += self.at(x, y) * amplitude
            norm += amplitude
            x, y, amplitude = x * 2.03, y * 2.03, amplitude * 0.5
        return total / norm


class Ramps:
    """A palette made of named colour ramps of given lengths."""

    def __init__(self, ramps):
        self.colours = []
        self.starts = {}
        for name, count, stops in ramps:
            self.starts[name] = (len(self.colours), count)
            for i in range(count):
                self.colours.append(self._along(stops, i / (count - 1)))
        assert len(self.colours) <= 256
        self.colours += [(0, 0, 0)] * (256 - len(self.colours))

    @staticmethod
    def _along(stops, t):
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 0)
        return stops[-1][1]

    def index(self, name, level, x, y):
        """Palette index of level (0..1) on a ramp, dithered between steps."""
        start, count = self.starts[name]
        position = clamp01(level) * (count - 1)
        step = int(position)
        if step < count - 1 and position - step > dither(x, y):
            step += 1
        return start + step


def write_bmp(path, width, height, palette, pixels):
    """pixels[y][x] are palette indexes, top row first."""
    stride = (width + 3) & ~3
    image_size = stride * height
    offset = 14 + 40 + 256 * 4
    with open(path, "wb") as out:
        out.write(struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset))
        out.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, image_size,
                              2835, 2835, 256, 256))
        for r, g, b in palette:
            out.write(struct.pack("<BBBB", int(round(b)), int(round(g)), int(round(r)), 0))
        padding = bytes(stride - width)
        for row in reversed(pixels):
            out.write(bytes(row))
            out.write(padding)


def clouds():
    width, height = 602, 425
    sky_levels, cloud_levels = 16, 16
    zenith, horizon = (92, 148, 214), (196, 222, 244)
    palette = []
    for s in range(sky_levels):
        sky = mix(zenith, horizon, s / (sky_levels - 1))
        for c in range(cloud_levels):
            t = c / (cloud_levels - 1)
            # Clouds are white on top and a soft grey-blue in their shade.
            cloud = mix((206, 214, 228), (255, 255, 255), t)
            palette.append(mix(sky, cloud, min(1.0, t * 1.4)))
    noise = ValueNoise(1999)
    shade = ValueNoise(2024)
    pixels = []
    for y in range(height):
        row = []
        sky_level = (y / (height - 1)) ** 0.8
        for x in range(width):
            # Stretched horizontally, as fair-weather clouds are.
            n = noise.fbm(x / 120.0, y / 60.0, 5)
            cover = clamp01((n - 0.48) * 3.2)
            lit = clamp01(cover * (0.75 + 0.5 * shade.fbm(x / 40.0, y / 25.0, 3)))
            d = dither(x, y)
            s = min(sky_levels - 1, int(sky_level * (sky_levels - 1) + d))
            c = min(cloud_levels - 1, int(lit * (cloud_levels - 1) + d))
            row.append(s * cloud_levels + c)
        pixels.append(row)
    return width, height, palette, pixels


def river():
    width, height = 657, 340
    ramps = Ramps([
        ("sky", 40, [(0, (150, 190, 228)), (1, (226, 236, 244))]),
        ("hills", 32, [(0, (128, 158, 150)), (1, (178, 198, 190))]),
        ("meadow", 72, [(0, (118, 160, 84)), (0.5, (160, 196, 110)), (1, (206, 222, 150))]),
        ("water", 72, [(0, (88, 136, 184)), (0.6, (150, 190, 224)), (1, (224, 236, 246))]),
        ("bank", 40, [(0, (170, 150, 110)), (1, (222, 206, 166))]),
    ])
    horizon = int(height * 0.36)
    hills = ValueNoise(77)
    grass = ValueNoise(5)
    ripples = ValueNoise(9)
    sky_noise = ValueNoise(31)
    pixels = []
    for y in range(height):
        row = []
        depth = (y - horizon) / (height - horizon)  # 0 at the horizon, 1 at the bottom
        # The river's centre winds less towards the horizon, its width grows
        # towards the viewer.
        centre = width * (0.55 + 0.18 * math.sin(depth * 5.0 + 0.6) * depth)
        half = 6 + 150 * depth ** 1.6
        for x in range(width):
            ridge = horizon - 10 - 34 * hills.fbm(x / 150.0, 0.5, 4)
            if y < ridge:
                level = y / horizon + 0.08 * (sky_noise.fbm(x / 90.0, y / 30.0, 3) - 0.5)
                row.append(ramps.index("sky", level, x, y))
            elif y < horizon:
                level = 0.3 + 0.7 * (y - ridge) / max(1.0, horizon - ridge)
                row.append(ramps.index("hills", level, x, y))
            else:
                offset = abs(x - centre) - half
                if offset < 0:
                    sparkle = ripples.fbm(x / 14.0, y / (2.0 + 6 * depth), 3)
                    level = 0.35 + 0.45 * (1 - depth) + 0.35 * (sparkle - 0.5)
                    row.append(ramps.index("water", level, x, y))
                elif offset < 3 + 12 * depth:
                    row.append(ramps.index("bank", 0.4 + 0.5 * grass.at(x / 6.0, y / 6.0), x, y))
                else:
                    texture = grass.fbm(x / (20.0 + 30 * (1 - depth)), y / 12.0, 4)
                    level = 0.25 + 0.5 * texture + 0.25 * (1 - depth)
                    row.append(ramps.index("meadow", level, x, y))
        pixels.append(row)
    return width, height, ramps.colours, pixels


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    for name, paint in (("clouds.bmp", clouds), ("river.bmp", river)):
        width, height, palette, pixels = paint()
        write_bmp(os.path.join(folder, name), width, height, palette, pixels)


if __name__ == "__main__":
    main()
