#!/usr/bin/env python3
"""Draws the program's pictures into this folder: tavorin.ico (a red record
dot over a blue play triangle, 16, 32 and 48 pixels, 32-bit with alpha) and
help.bmp (a blue circle with a white question mark, 20 x 20, 24-bit).

The pictures are kept in the repository, so the build needs no Python; run
this again only to change them. Standard library only.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SUPERSAMPLE = 8

# The menu's image column: the Help image is drawn opaque on it.
MENU_COLUMN = (236, 233, 216)


def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def polygon_distance(points, x, y):
    """Signed distance to a convex polygon given clockwise on screen: < 0 inside."""
    worst = -1e9
    n = len(points)
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        ex, ey = bx - ax, by - ay
        length = math.hypot(ex, ey)
        # Outward normal of a clockwise (screen) edge.
        nx, ny = ey / length, -ex / length
        worst = max(worst, (x - ax) * nx + (y - ay) * ny)
    return worst


def render(width, height, shade):
    """Averages `shade(x, y)` -> (r, g, b, a) over sub-pixel samples.

    Returns rows top to bottom of straight-alpha (r, g, b, a) bytes.
    """
    rows = []
    n = SUPERSAMPLE
    for py in range(height):
        row = []
        for px in range(width):
            sr = sg = sb = sa = 0.0
            for j in range(n):
                for i in range(n):
                    r, g, b, a = shade(px + (i + 0.5) / n, py + (j + 0.5) / n)
                    sr += r * a
                    sg += g * a
                    sb += b * a
                    sa += a
            if sa == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(sr / sa), round(sg / sa), round(sb / sa), round(255 * sa / (n * n))))
        rows.append(row)
    return rows


def tavorin_shader(size):
    s = float(size)
    outline = max(1.0, s / 24.0)
    ring = max(1.0, s / 24.0)
    triangle = [(0.10 * s, 0.06 * s), (0.90 * s, 0.46 * s), (0.10 * s, 0.86 * s)]
    cx, cy, radius = 0.69 * s, 0.69 * s, 0.28 * s
    blue_light, blue_dark, blue_edge = (90, 160, 245), (25, 85, 200), (15, 50, 130)
    red_light, red_dark, red_edge = (255, 110, 100), (200, 25, 25), (120, 10, 10)
    white = (255, 255, 255)

    def shade(x, y):
        d = math.hypot(x - cx, y - cy)
        if d <= radius:
            if d > radius - outline:
                return red_edge + (1.0,)
            # Light from the upper left.
            t = math.hypot(x - (cx - 0.35 * radius), y - (cy - 0.35 * radius)) / (1.5 * radius)
            return mix(red_light, red_dark, t) + (1.0,)
        if d <= radius + ring:
            return white + (1.0,)
        e = polygon_distance(triangle, x, y)
        if e <= 0:
            if e > -outline:
                return blue_edge + (1.0,)
            return mix(blue_light, blue_dark, y / s) + (1.0,)
        return (0, 0, 0, 0.0)

    return shade


def help_shader():
    cx, cy, radius = 10.0, 10.0, 9.3
    blue_light, blue_dark, blue_edge = (95, 160, 240), (25, 85, 190), (20, 60, 140)
    white = (255, 255, 255)
    # The question mark: an arc from the upper left over the top and down the
    # right to the bottom centre, a short stem and a dot.
    arc_x, arc_y, arc_r, stroke = 10.0, 7.4, 3.1, 2.3
    arc_from, arc_to = -90.0, 155.0
    stem_top, stem_bottom = arc_y + arc_r, 12.2
    dot_y, dot_r = 15.1, 1.35

    def on_arc(x, y):
        if abs(math.hypot(x - arc_x, y - arc_y) - arc_r) > stroke / 2:
            return False
        angle = math.degrees(math.atan2(arc_y - y, x - arc_x))
        return arc_from <= angle <= arc_to

    start = (arc_x + arc_r * math.cos(math.radians(arc_to)), arc_y - arc_r * math.sin(math.radians(arc_to)))

    def shade(x, y):
        d = math.hypot(x - cx, y - cy)
        if d > radius:
            return MENU_COLUMN + (1.0,)
        mark = (on_arc(x, y)
                or math.hypot(x - start[0], y - start[1]) <= stroke / 2
                or (abs(x - arc_x) <= stroke / 2 and stem_top <= y <= stem_bottom)
                or math.hypot(x - arc_x, y - stem_bottom) <= stroke / 2
                or math.hypot(x - arc_x, y - dot_y) <= dot_r)
        if mark:
            return white + (1.0,)
        if d > radius - 1.0:
            return blue_edge + (1.0,)
        t = math.hypot(x - (cx - 4), y - (cy - 4)) / (1.6 * radius)
        return mix(blue_light, blue_dark, t) + (1.0,)

    return shade


def ico_image(size):
    rows = render(size, size, tavorin_shader(size))
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def write_ico(path, sizes):
    images = [ico_image(size) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(data + b"".join(images))


def write_bmp(path, width, height, shade):
    rows = render(width, height, shade)
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + bytes(pixels))


def main():
    write_ico(os.path.join(HERE, "tavorin.ico"), [16, 32, 48])
    write_bmp(os.path.join(HERE, "help.bmp"), 20, 20, help_shader())


if __name__ == "__main__":
    main()
