#!/usr/bin/env python3
"""Draws Velmora's icon and pictures and writes them into resources/.

Each picture is a few shapes painted in order onto a grey background at
4 x 4 samples a pixel and then averaged, which smooths the edges without any
library. The icon is drawn without smoothing, since 16 colours have no
in-between shades.

Run from anywhere: python3 scripts/draw_resources.py
The output is committed, so building the program never needs this script.
"""
import collections
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "resources")

GREY = (191, 191, 191)  # the background the main window's pictures are drawn on
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
SS = 4  # samples a pixel, each way


# ---------------------------------------------------------------- shapes
# A shape is a function (x, y) -> bool in pixel units, (0, 0) being the
# top-left corner of the picture and (0.5, 0.5) the centre of its first pixel.

def polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy) if dx or dy else 0.0
    t = max(0.0, min(1.0, t))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def edge_distance(points, x, y):
    return min(segment_distance(x, y, *points[i - 1], *points[i]) for i in range(len(points)))


def rounded(points, r):
    """The polygon grown by r, with rounded corners."""
    body = polygon(points)
    return lambda x, y: body(x, y) or edge_distance(points, x, y) <= r


def inset(points, r):
    """The polygon shrunk by r."""
    body = polygon(points)
    return lambda x, y: body(x, y) and edge_distance(points, x, y) >= r


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def stroke(ax, ay, bx, by, r):
    """A straight stroke of half-width r with round ends."""
    return lambda x, y: segment_distance(x, y, ax, ay, bx, by) <= r


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def slanted(shape, k, y0):
    """Leans a shape to the right by k pixels a pixel of height above y0."""
    return lambda x, y: shape(x + k * (y - y0), y)


def tapered_curve(points, width):
    """A stroke along a polyline whose half-width is width(t), t from 0 to 1."""
    n = len(points) - 1

    def inside(x, y):
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[i + 1]
            if segment_distance(x, y, ax, ay, bx, by) <= width((i + 0.5) / n):
                return True
        return False
    return inside


def bezier(p0, p1, p2, steps=24):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / steps for i in range(steps + 1))]


# --------------------------------------------------------------- colours

def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def scaled(c, f):
    return tuple(max(0.0, min(255.0, v * f)) for v in c)


def vertical(top_colour, bottom_colour, y0, y1):
    return lambda x, y: mix(top_colour, bottom_colour, (y - y0) / (y1 - y0))


def radial(inner, outer, cx, cy, r):
    return lambda x, y: mix(inner, outer, math.hypot(x - cx, y - cy) / r)


# --------------------------------------------------------------- picture

class Picture:
    """An RGB picture painted at SS x SS samples a pixel."""

    def __init__(self, width, height, background=GREY):
        self.width, self.height = width, height
        self.samples = [background] * (width * SS * height * SS)

    def paint(self, shape, colour):
        """colour is an (r, g, b) triple or a function (x, y) -> triple or None."""
        paint_at = colour if callable(colour) else (lambda x, y: colour)
        row = self.width * SS
        for sy in range(self.height * SS):
            y = (sy + 0.5) / SS
            for sx in range(row):
                x = (sx + 0.5) / SS
                if shape(x, y):
                    c = paint_at(x, y)
                    if c is not None:
                        self.samples[sy * row + sx] = c

    def rows(self):
        """Top-down rows of (r, g, b) byte triples, each pixel the mean of its samples."""
        row = self.width * SS
        out = []
        for py in range(self.height):
            line = []
            for px in range(self.width):
                acc = [0.0, 0.0, 0.0]
                for sy in range(py * SS, py * SS + SS):
                    for sx in range(px * SS, px * SS + SS):
                        c = self.samples[sy * row + sx]
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                line.append(tuple(int(round(v / (SS * SS))) for v in acc))
            out.append(line)
        return out


# Each picture keeps only the colours it needs: every pixel within this many
# levels of its drawn colour in each of red, green and blue, no more than a
# 16-bit display's own step in red and blue.
TOLERANCE = 8


def palette_for(pixels, tolerance=TOLERANCE):
    """Colours of the picture itself, the most frequent first: each colour
    joins the first one chosen within `tolerance`, else is chosen. The grey
    background, the most frequent colour, stays exact."""
    palette = []
    for c, _ in collections.Counter(pixels).most_common():
        if all(max(abs(c[k] - p[k]) for k in range(3)) > tolerance for p in palette):
            palette.append(c)
    return palette


def rle8_row(row):
    """One row in BI_RLE8, the shortest the encoding allows: runs of one
    index (two bytes each, at most 255 pixels) and, for three or more
    pixels, literal stretches padded to a whole word. Only the plainest forms,
    which every reader draws alike: no delta, no run across rows."""
    n = len(row)
    cost, step = [0] + [None] * n, [None] * (n + 1)
    for i in range(n):
        j = i
        while j < n and row[j] == row[i] and j - i < 255:
            j += 1
            if cost[j] is None or cost[i] + 2 < cost[j]:
                cost[j], step[j] = cost[i] + 2, (i, False)
        for j in range(i + 3, min(n, i + 255) + 1):
            c = cost[i] + 2 + (j - i + 1) // 2 * 2
            if cost[j] is None or c < cost[j]:
                cost[j], step[j] = c, (i, True)
    pieces, j = [], n
    while j:
        i, literal = step[j]
        run = bytes(row[i:j])
        pieces.append(bytes((0, j - i)) + run + bytes((j - i) % 2) if literal else bytes((j - i, row[i])))
        j = i
    return b"".join(reversed(pieces))


def rle8(lines):
    """Bottom-up rows, each ended by an end of line, the last by the end of the bitmap."""
    return b"".join(rle8_row(line) + (b"\0\1" if i == len(lines) - 1 else b"\0\0") for i, line in enumerate(lines))


def write_bmp(path, rows):
    """An 8-bit bottom-up BMP with a palette of only the colours it uses,
    run-length encoded (BI_RLE8) where that is smaller than the plain rows."""
    height, width = len(rows), len(rows[0])
    palette = palette_for([c for line in rows for c in line])
    index = {}

    def nearest(c):
        if c not in index:
            index[c] = min(range(len(palette)), key=lambda i: (max(abs(palette[i][k] - c[k]) for k in range(3)),
                                                               sum((palette[i][k] - c[k]) ** 2 for k in range(3))))
        return index[c]
    lines = [[nearest(c) for c in line] for line in reversed(rows)]
    stride = (width + 3) & ~3
    plain = b"".join(bytes(line) + bytes(stride - width) for line in lines)
    packed = rle8(lines)
    compression, pixels = (1, packed) if len(packed) < len(plain) else (0, plain)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, compression, len(pixels), 2835, 2835,
                       len(palette), 0)
    with open(path, "wb") as f:
        f.write(header + info + table + pixels)


# ----------------------------------------------------- main window pictures

def warning_triangle():
    """Image1: a yellow warning triangle with a black exclamation mark, 39 x 41."""
    pic = Picture(39, 41)
    tri = [(19.5, 3.0), (36.0, 34.5), (3.0, 34.5)]
    pic.paint(moved(rounded(tri, 1.8), 1.5, 1.5), (128, 128, 128))  # shadow
    pic.paint(rounded(tri, 1.8), BLACK)
    pic.paint(inset(tri, 0.6), vertical((255, 255, 150), (255, 204, 0), 4, 34))
    bar = polygon([(17.4, 12.0), (21.6, 12.0), (20.6, 25.5), (18.4, 25.5)])
    pic.paint(union(bar, stroke(19.5, 12.6, 19.5, 12.6, 2.1), circle(19.5, 29.6, 2.0)), BLACK)
    return pic


def emblem():
    """Image2: a yellow X-shaped emblem on a dark-blue ragged disc, 42 x 42."""
    pic = Picture(42, 42)
    cx, cy = 21.0, 21.0

    def ragged(x, y):
        a = math.atan2(y - cy, x - cx)
        edge = 18.2 + 1.3 * math.sin(9 * a + 0.4) + 0.8 * math.sin(14 * a + 2.1) + 0.5 * math.sin(23 * a)
        return math.hypot(x - cx, y - cy) <= edge

    pic.paint(moved(ragged, 1.0, 1.0), (96, 96, 112))
    pic.paint(ragged, radial((40, 70, 170), (8, 16, 80), cx - 6, cy - 7, 26))
    # The X: two blades that swell in the middle, outlined in dark blue.
    def blades(grow):
        return union(tapered_curve(bezier((9, 10), (22, 19), (33, 32)), lambda t: grow + 1.8 + 1.6 * math.sin(math.pi * t)),
                     tapered_curve(bezier((33, 10), (20, 19), (9, 32)), lambda t: grow + 1.8 + 1.6 * math.sin(math.pi * t)))
    pic.paint(blades(1.1), (0, 0, 40))
    pic.paint(blades(0.0), vertical((255, 250, 140), (240, 170, 0), 9, 33))
    return pic


def wordmark():
    """Image3: bold slanted lowercase "gfx" over a red swoosh, 51 x 43."""
    pic = Picture(51, 43)
    base = 27.0  # baseline; x-height 13, ascender 20, descender 7
    thick = 2.2  # half the stroke width
    g = union(ring(11.0, 20.5, 6.6, 2.6),
              rect(13.6, 14.0, 17.6, 30.0),
              both(ring(11.0, 30.0, 6.6, 2.6), lambda x, y: y >= 30.0))
    f = union(rect(23.5, 12.0, 27.9, base),
              both(ring(31.3, 12.0, 7.8, 3.4), lambda x, y: y <= 12.0 and x >= 23.5),
              rect(20.8, 14.0, 32.0, 17.6))
    x = both(union(stroke(33.6, 14.0, 45.0, base, thick), stroke(45.0, 14.0, 33.6, base, thick)),
             rect(0, 14.0, 51, base))
    letters = slanted(union(g, f, x), 0.22, base)
    swoosh = tapered_curve(bezier((2, 33), (27, 46), (50, 24)), lambda t: 0.3 + 2.0 * math.sin(math.pi * t) ** 0.8)
    pic.paint(swoosh, vertical((250, 60, 20), (170, 0, 0), 6, 38))
    pic.paint(moved(letters, 1.0, 1.0), (110, 110, 110))
    pic.paint(letters, vertical((40, 40, 60), (0, 0, 0), 8, 38))
    return pic


def monitor_with_ruler_and_pencil():
    """Image4: a computer monitor with a ruler and a pencil, 34 x 43."""
    pic = Picture(34, 43)
    outline = (48, 48, 48)
    case = vertical((240, 236, 220), (196, 190, 170), 2, 27)
    pic.paint(rounded([(3, 3), (31, 3), (31, 25), (3, 25)], 1.5), outline)
    pic.paint(rounded([(3.6, 3.6), (30.4, 3.6), (30.4, 24.4), (3.6, 24.4)], 0.9), case)
    pic.paint(rect(6, 6, 28, 21), (96, 96, 96))
    pic.paint(rect(6.6, 6.6, 28, 21), radial((70, 130, 200), (0, 40, 110), 10, 9, 24))
    pic.paint(polygon([(8, 8), (15, 8), (8, 14)]), (150, 190, 235))  # glare
    pic.paint(rect(13, 26, 21, 29), outline)
    pic.paint(rect(13.6, 26, 20.4, 28.4), (200, 195, 175))
    pic.paint(rounded([(8.5, 29.5), (25.5, 29.5), (25.5, 31), (8.5, 31)], 1.0), outline)
    pic.paint(rect(8.6, 29.8, 25.4, 30.7), (220, 215, 195))

    # The ruler lies in front, with a tick every two pixels and a long one every ten.
    pic.paint(rect(1, 34, 33, 40), outline)
    pic.paint(rect(1.6, 34.6, 32.4, 39.4), vertical((250, 228, 140), (220, 180, 70), 34, 40))
    ticks = union(*[rect(2.6 + 2 * i, 34.6, 3.2 + 2 * i, 36.2 if i % 5 else 37.6) for i in range(15)])
    pic.paint(ticks, (60, 40, 0))

    # The pencil leans across the lower right corner, point down.
    tip, end = (15.0, 41.5), (32.5, 20.0)
    length = math.hypot(end[0] - tip[0], end[1] - tip[1])
    ux, uy = (end[0] - tip[0]) / length, (end[1] - tip[1]) / length

    def pencil(grow):
        def colour(x, y):
            s = (x - tip[0]) * ux + (y - tip[1]) * uy
            t = -(x - tip[0]) * uy + (y - tip[1]) * ux
            half = 2.4 + grow
            if s < -grow or s > length + grow:
                return None
            if s < 6.0:
                half = (s + grow) / 6.0 * 2.4 + grow * 0.4
            if abs(t) > half:
                return None
            if grow:
                return outline
            if s < 2.2:
                return (40, 40, 40)  # lead
            if s < 6.0:
                return (240, 205, 160)  # bare wood
            if s > length - 3.0:
                return (240, 130, 150)  # eraser
            if s > length - 5.5:
                return (190, 190, 200) if int(s * 2) % 2 else (150, 150, 160)  # metal band
            return (255, 220, 60) if t < -0.6 else (250, 190, 20) if t < 0.9 else (200, 140, 0)
        return colour

    pic.paint(lambda x, y: True, pencil(0.7))
    pic.paint(lambda x, y: True, pencil(0.0))
    return pic


def wave_flag(pic, x0, y0, width, height, amplitude, waves, design, shadow=None):
    """Paints a flag whose right side waves; design(u, v) gives the cloth colour
    at (u, v) in 0..1, or None for a hole in the cloth."""
    def place(x, y):
        u = (x - x0) / width
        if not 0.0 <= u <= 1.0:
            return None
        phase = 2 * math.pi * waves * u
        lift = amplitude * math.sin(phase) * min(1.0, 0.25 + u)
        v = (y - y0 - lift) / height
        if not 0.0 <= v <= 1.0:
            return None
        return u, v, 1.0 + 0.22 * math.cos(phase)

    def cloth(x, y):
        at = place(x, y)
        if at is None:
            return None
        c = design(at[0], at[1])
        return None if c is None else scaled(c, at[2])

    if shadow:
        pic.paint(lambda x, y: True, lambda x, y: shadow if place(x - 1, y - 1) else None)
    pic.paint(lambda x, y: True, cloth)


def four_pane_flag():
    """Image5: a waving flag of four coloured panes, 38 x 36."""
    pic = Picture(38, 36)
    panes = ((225, 40, 20), (40, 165, 40), (20, 90, 215), (250, 195, 0))
    gap = 0.045

    def design(u, v):
        if abs(u - 0.5) < gap or abs(v - 0.5) < gap:
            return None
        return panes[(2 if v > 0.5 else 0) + (1 if u > 0.5 else 0)]

    wave_flag(pic, 3.0, 5.0, 32.0, 25.0, 2.6, 0.9, design, shadow=(120, 120, 120))
    return pic


def about_flag():
    """The About dialog's picture: a red-white-blue union-style flag waving on a pole, 142 x 103."""
    pic = Picture(142, 103)
    blue, red = (16, 36, 120), (204, 20, 40)

    def design(u, v):
        x, y = u * 60.0, v * 30.0  # the cloth in 60 x 30 units
        dx, dy = x - 30.0, y - 15.0
        if abs(dx) < 3 or abs(dy) < 3:
            return red
        if abs(dx) < 5 or abs(dy) < 5:
            return WHITE
        # The diagonals: white 6 wide, the red beside the centre line on the
        # same turning side in every arm.
        sx, sy = (1 if dx > 0 else -1), (1 if dy > 0 else -1)
        ax, ay = sx * 2 / math.sqrt(5), sy / math.sqrt(5)
        across = (dx * ay - dy * ax) * (sx * sy)
        if 0 < across < 2:
            return red
        if abs(across) < 3:
            return WHITE
        return blue

    # The pole, lit from the left, with a gilt ball on top.
    pic.paint(rect(9, 8, 14, 101), lambda x, y: mix((235, 225, 205), (110, 80, 50), (x - 9) / 5))
    pic.paint(rounded([(6, 99), (17, 99), (17, 101), (6, 101)], 0.8), (90, 70, 50))
    pic.paint(circle(11.5, 6.5, 4.2), radial((255, 245, 170), (190, 140, 20), 10.3, 5.2, 5.5))
    wave_flag(pic, 14.0, 12.0, 122.0, 61.0, 5.0, 1.1, design, shadow=(140, 140, 140))
    return pic


# ------------------------------------------------------------------ icon
# Sixteen colours: the standard palette every Windows display can show.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
I_BLACK, I_MAROON, I_RED, I_WHITE = 0, 1, 9, 15


def icon_image(size):
    """A red triangle with a white exclamation mark; None marks transparent pixels."""
    k = size / 32.0
    tri = [(16.0 * k, 1.5 * k), (31.0 * k, 29.5 * k), (1.0 * k, 29.5 * k)]
    inside = polygon(tri)

    def covered(shape, px, py):
        hits = sum(shape(px + (i + 0.5) / SS, py + (j + 0.5) / SS) for i in range(SS) for j in range(SS))
        return hits * 2 >= SS * SS

    grid = [[I_RED if covered(inside, px, py) else None for px in range(size)] for py in range(size)]
    # A dark rim wherever the triangle meets the transparent background.
    rim = [[grid[py][px] is not None and any(
        not (0 <= px + dx < size and 0 <= py + dy < size) or grid[py + dy][px + dx] is None
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))) for px in range(size)] for py in range(size)]
    for py in range(size):
        for px in range(size):
            if rim[py][px]:
                grid[py][px] = I_MAROON
    if size >= 32:
        bar, dot = (14, 10, 18, 21), (14, 23, 18, 26)  # x0, y0, x1, y1 (exclusive)
    else:
        bar, dot = (7, 5, 9, 10), (7, 11, 9, 13)
    for x0, y0, x1, y1 in (bar, dot):
        for py in range(y0, y1):
            for px in range(x0, x1):
                grid[py][px] = I_WHITE
    return grid


def write_ico(path, grids):
    """One .ico holding 4-bit images with their transparency masks."""
    entries, blobs = b"", b""
    offset = 6 + 16 * len(grids)
    for grid in grids:
        size = len(grid)
        xor_stride = ((size * 4 + 31) // 32) * 4
        and_stride = ((size + 31) // 32) * 4
        xor, mask = bytearray(), bytearray()
        for line in reversed(grid):
            row = bytearray(xor_stride)
            bits = bytearray(and_stride)
            for px, index in enumerate(line):
                if index is None:
                    bits[px // 8] |= 0x80 >> (px % 8)
                    index = 0
                row[px // 2] |= index << (4 if px % 2 == 0 else 0)
            xor += row
            mask += bits
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = info + palette + bytes(xor) + bytes(mask)
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(blob), offset)
        blobs += blob
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(grids)) + entries + blobs)


PICTURES = {
    "warning.bmp": warning_triangle,
    "emblem.bmp": emblem,
    "wordmark.bmp": wordmark,
    "monitor.bmp": monitor_with_ruler_and_pencil,
    "four_panes.bmp": four_pane_flag,
    "about_flag.bmp": about_flag,
}


def main():
    for name, draw in PICTURES.items():
        write_bmp(os.path.join(OUT, name), draw().rows())
    write_ico(os.path.join(OUT, "velmora.ico"), [icon_image(32), icon_image(16)])


if __name__ == "__main__":
    main()
