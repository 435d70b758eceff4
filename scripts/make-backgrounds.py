#!/usr/bin/env python3
"""Paints the meter's two graph backgrounds and the tuner's log-on reminder
picture, and writes them as 8-bit BMP files.

clouds.bmp (602 x 425): a sky that lightens towards the horizon, with soft
fair-weather clouds.  river.bmp (657 x 340): a river winding from the
foreground to low hills under a pale sky.  Both are kept light and calm, so
that the chart's lines stay readable on top of them.

wizard_side.bmp (128 x 216): the optimization wizard's side panel, a night
sky over a globe seen from above the horizon, with three links rising from
it in a fan: the connection the wizard speeds up.

lookup/frame01.bmp to frame21.bmp and lookup/still.bmp (32 x 32): the hosts
editor's lookup animation, a small globe with a light circling it once over
the 21 frames; the still picture is the globe alone.  Their background is the
classic 3-D grey, for the same reason as the reminder's band.

hosts_reminder.bmp (320 x 120): a globe linked to a list (the hosts file)
over an evening sky, above a plain band where the reminder's labels sit.  The
band is the classic 3-D grey (192, 192, 192) edged with (128, 128, 128) and
(223, 223, 223): loaded with LR_LOADMAP3DCOLORS those become the system's
3-D colours, so the band matches the labels' background on any scheme.  No
other palette entry is one of those greys.

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

    def __init__(self, ramps, fixed=()):
        self.colours = []
        self.starts = {}
        for name, count, stops in ramps:
            self.starts[name] = (len(self.colours), count)
            for i in range(count):
                self.colours.append(self._along(stops, i / (count - 1)))
        # Single colours that must appear exactly, looked up by name.
        self.fixed = {}
        for name, colour in fixed:
            self.fixed[name] = len(self.colours)
            self.colours.append(colour)
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


def coverage(inside, x, y, samples=4):
    """The share of pixel (x, y) for which inside(px, py) holds."""
    hits = 0
    for sy in range(samples):
        for sx in range(samples):
            if inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def near_segment(px, py, x1, y1, x2, y2):
    """Distance from (px, py) to the segment and the position along it (0..1)."""
    dx, dy = x2 - x1, y2 - y1
    t = clamp01(((px - x1) * dx + (py - y1) * dy) / float(dx * dx + dy * dy))
    return math.hypot(px - (x1 + t * dx), py - (y1 + t * dy)), t


def quadratic_curve(start, control, end, steps):
    """The steps + 1 points of the quadratic Bezier curve from start to end."""
    points = []
    for k in range(steps + 1):
        t = k / float(steps)
        points.append(((1 - t) ** 2 * start[0] + 2 * (1 - t) * t * control[0] + t * t * end[0],
                       (1 - t) ** 2 * start[1] + 2 * (1 - t) * t * control[1] + t * t * end[1]))
    return points


def on_curves(curves, px, py, reach, width):
    """Whether (px, py) lies within width of one of the curves' segments;
    segments starting farther than reach away on either axis are skipped."""
    for points in curves:
        for (x1, y1), (x2, y2) in zip(points, points[1:]):
            if abs(px - x1) > reach or abs(py - y1) > reach:
                continue
            if near_segment(px, py, x1, y1, x2, y2)[0] <= width:
                return True
    return False


def reminder():
    width, height = 320, 120
    band_top = 80
    ramps = Ramps([
        ("sky", 64, [(0, (20, 44, 104)), (0.6, (46, 96, 170)), (1, (112, 160, 214))]),
        ("ocean", 48, [(0, (14, 56, 108)), (0.55, (40, 124, 186)), (1, (150, 206, 240))]),
        ("land", 32, [(0, (40, 104, 64)), (1, (132, 186, 110))]),
        ("paper", 32, [(0, (176, 188, 204)), (1, (250, 251, 253))]),
        ("glow", 32, [(0, (150, 190, 230)), (1, (255, 244, 200))]),
    ], fixed=[("face", (192, 192, 192)), ("shadow", (128, 128, 128)),
              ("light", (223, 223, 223))])
    for colour in ramps.colours[:ramps.fixed["face"]]:
        assert tuple(round(c) for c in colour) not in (
            (192, 192, 192), (128, 128, 128), (223, 223, 223))

    globe_x, globe_y, globe_r = 62.0, 41.0, 31.0
    page = (236.0, 10.0, 292.0, 70.0)  # left, top, right, bottom
    rows = [22.0, 32.0, 42.0, 52.0, 62.0]
    land = ValueNoise(404)
    stars = random.Random(7)
    star_points = {(stars.randrange(width), stars.randrange(band_top - 30)) for _ in range(40)}

    def on_globe(px, py):
        return math.hypot(px - globe_x, py - globe_y) <= globe_r

    def on_page(px, py):
        left, top, right, bottom = page
        fold = 10.0
        if not (left <= px <= right and top <= py <= bottom):
            return False
        return not (px > right - fold and py < top + fold and
                    (px - (right - fold)) > (py - top))

    # Arcs from the globe's rim to three of the list's rows.
    arcs = []
    for i, row in enumerate(rows[::2]):
        start = (globe_x + globe_r * 0.95, globe_y - 10.0 + 10.0 * i)
        end = (page[0] - 4.0, row)
        control = ((start[0] + end[0]) / 2.0, min(start[1], end[1]) - 26.0 + 12.0 * i)
        arcs.append(quadratic_curve(start, control, end, 48))
    arc_ends = [points[-1] for points in arcs]

    def on_arc(px, py):
        for x, y in arc_ends:
            if math.hypot(px - x, py - y) <= 2.2:
                return True
        return on_curves(arcs, px, py, 4, 0.6)

    def on_row_line(px, py):
        left = page[0] + 8.0
        for row in rows:
            if abs(py - row) <= 1.0 and left <= px <= page[2] - 8.0 - (row % 3) * 6.0:
                return True
        return False

    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            d = dither(x, y)
            if y >= band_top:
                name = "shadow" if y == band_top else "light" if y == band_top + 1 else "face"
                row.append(ramps.fixed[name])
                continue
            cx, cy = x + 0.5, y + 0.5
            if coverage(on_row_line, x, y) > d:
                row.append(ramps.index("sky", 0.55, x, y))
            elif coverage(on_page, x, y) > d:
                shade = 0.75 + 0.25 * (1 - (cy - page[1]) / (page[3] - page[1]))
                row.append(ramps.index("paper", shade, x, y))
            elif coverage(on_arc, x, y) > d:
                row.append(ramps.index("glow", 0.3 + 0.7 * (cx - globe_x) / (page[0] - globe_x),
                                       x, y))
            elif coverage(on_globe, x, y) > d:
                # Lit from the upper left; land from noise on the sphere.
                nx = (cx - globe_x) / globe_r
                ny = (cy - globe_y) / globe_r
                nz = math.sqrt(max(0.0, 1 - nx * nx - ny * ny))
                light = clamp01(0.15 + 0.85 * (-0.5 * nx - 0.55 * ny + 0.67 * nz))
                longitude = math.atan2(nx, nz) + 0.35
                latitude = math.asin(max(-1.0, min(1.0, -ny)))
                # Meridians every 45 degrees and parallels every 30, about a
                # pixel wide wherever they are seen.
                graticule = (abs(math.sin(longitude * 4.0)) * nz * globe_r < 1.4 or
                             abs(math.sin(latitude * 6.0)) * globe_r < 1.2 * 6 / 4)
                if land.fbm(longitude * 2.0 + 3.0, latitude * 2.4 + 1.0, 4) > 0.55:
                    row.append(ramps.index("land", light, x, y))
                elif graticule:
                    row.append(ramps.index("ocean", min(1.0, light + 0.35), x, y))
                else:
                    row.append(ramps.index("ocean", light * 0.85, x, y))
            else:
                glow = math.exp(-((cx - globe_x) ** 2 + (cy - globe_y) ** 2) / 2600.0)
                level = 0.15 + 0.75 * (y / band_top) ** 1.3 + 0.25 * glow
                if (x, y) in star_points and y < band_top - 30:
                    row.append(ramps.index("glow", 0.9, x, y))
                else:
                    row.append(ramps.index("sky", level, x, y))
        pixels.append(row)
    return width, height, ramps.colours, pixels


def wizard_side():
    width, height = 128, 216
    ramps = Ramps([
        ("sky", 64, [(0, (8, 20, 64)), (0.55, (30, 70, 140)), (1, (96, 150, 208))]),
        ("ocean", 48, [(0, (14, 56, 108)), (0.55, (40, 124, 186)), (1, (150, 206, 240))]),
        ("land", 32, [(0, (40, 104, 64)), (1, (132, 186, 110))]),
        ("glow", 32, [(0, (150, 190, 230)), (1, (255, 244, 200))]),
    ])
    globe_x, globe_y, globe_r = 64.0, 262.0, 112.0
    land = ValueNoise(406)
    stars = random.Random(11)
    star_points = {(stars.randrange(width), stars.randrange(110)) for _ in range(36)}
    # Three links from one point on the globe's rim to the sky, each with a
    # bright node at its end.
    origin = (64.0, globe_y - globe_r)
    ends = [(22.0, 40.0), (64.0, 22.0), (106.0, 48.0)]
    links = []
    for end in ends:
        control = ((origin[0] + end[0]) / 2.0 + (end[0] - origin[0]) * 0.25,
                   (origin[1] + end[1]) / 2.0 + 20.0)
        links.append(quadratic_curve(origin, control, end, 40))

    def on_globe(px, py):
        return math.hypot(px - globe_x, py - globe_y) <= globe_r

    def on_node(px, py):
        return any(math.hypot(px - x, py - y) <= 3.2 for x, y in ends + [origin])

    def on_link(px, py):
        return on_curves(links, px, py, 6, 0.7)

    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            d = dither(x, y)
            cx, cy = x + 0.5, y + 0.5
            if coverage(on_node, x, y) > d:
                row.append(ramps.index("glow", 1.0, x, y))
            elif coverage(on_link, x, y) > d:
                row.append(ramps.index("glow", 0.35 + 0.5 * (1 - cy / origin[1]), x, y))
            elif coverage(on_globe, x, y) > d:
                nx = (cx - globe_x) / globe_r
                ny = (cy - globe_y) / globe_r
                nz = math.sqrt(max(0.0, 1 - nx * nx - ny * ny))
                light = clamp01(0.2 + 0.8 * (-0.3 * nx - 0.75 * ny + 0.58 * nz))
                longitude = math.atan2(nx, nz)
                latitude = math.asin(max(-1.0, min(1.0, -ny)))
                if land.fbm(longitude * 3.0 + 2.0, latitude * 3.0 + 1.0, 4) > 0.55:
                    row.append(ramps.index("land", light, x, y))
                else:
                    row.append(ramps.index("ocean", light * 0.9, x, y))
            else:
                glow = math.exp(-((cx - origin[0]) ** 2 + (cy - origin[1]) ** 2) / 5000.0)
                level = 0.1 + 0.7 * (cy / height) ** 1.2 + 0.3 * glow
                if (x, y) in star_points:
                    row.append(ramps.index("glow", 0.8, x, y))
                else:
                    row.append(ramps.index("sky", level, x, y))
        pixels.append(row)
    return width, height, ramps.colours, pixels


def lookup_frame(step):
    """Frame step (1 to 21) of the lookup animation; 0 for the still picture."""
    size = 32
    ramps = Ramps([
        ("ocean", 48, [(0, (14, 56, 108)), (0.55, (40, 124, 186)), (1, (150, 206, 240))]),
        ("land", 24, [(0, (40, 104, 64)), (1, (132, 186, 110))]),
        ("glow", 32, [(0, (150, 190, 230)), (1, (255, 244, 200))]),
    ], fixed=[("face", (192, 192, 192))])
    centre, radius = 15.5, 11.0
    land = ValueNoise(405)
    angle = 2 * math.pi * (step - 1) / 21
    light = (centre + 14.0 * math.cos(angle), centre + 14.0 * math.sin(angle))
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = x - centre, y - centre
            distance = math.hypot(dx, dy)
            glow = math.hypot(x - light[0], y - light[1]) if step else 99.0
            if glow <= 3.2:
                row.append(ramps.index("glow", 1 - glow / 3.2, x, y))
            elif distance <= radius:
                shade = clamp01(0.85 - (dx + dy) / (3.2 * radius))
                if land.fbm(x / 6.0, y / 6.0, 3) > 0.55:
                    row.append(ramps.index("land", shade, x, y))
                else:
                    row.append(ramps.index("ocean", shade, x, y))
            else:
                row.append(ramps.fixed["face"])
        pixels.append(row)
    return size, size, ramps.colours, pixels


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    for name, paint in (("clouds.bmp", clouds), ("river.bmp", river),
                        ("hosts_reminder.bmp", reminder),
                        ("wizard_side.bmp", wizard_side)):
        width, height, palette, pixels = paint()
        write_bmp(os.path.join(folder, name), width, height, palette, pixels)
    os.makedirs(os.path.join(folder, "lookup"), exist_ok=True)
    for step in range(22):
        name = "still.bmp" if step == 0 else "frame%02d.bmp" % step
        width, height, palette, pixels = lookup_frame(step)
        write_bmp(os.path.join(folder, "lookup", name), width, height, palette, pixels)


if __name__ == "__main__":
    main()
