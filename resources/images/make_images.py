#!/usr/bin/env python3
"""Draws the plug-in's images and writes them beside this script.

The generated files are committed, so the build never needs Python: run this script again
after changing a drawing, and commit the script and the images together.

Shapes are tested at 4 x 4 points inside each pixel, which smooths their edges.
"""

import math
import os
import struct
import zlib

SAMPLES = 4

BUTTON_FACE = (0xD4, 0xD0, 0xC8)
PRESSED_FACE = (0xA8, 0xA4, 0x9C)
INK = (0x40, 0x40, 0x40)
WHITE = (0xFF, 0xFF, 0xFF)


class Shape:
    """A region of the plane: its bounding box and a test for a point."""

    def __init__(self, bounds, contains):
        self.bounds = bounds  # (left, top, right, bottom)
        self.contains = contains


def rect(left, top, right, bottom):
    return Shape((left, top, right, bottom),
                 lambda x, y: left <= x < right and top <= y < bottom)


def disc(cx, cy, radius):
    return Shape((cx - radius, cy - radius, cx + radius, cy + radius),
                 lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2)


def rounded_square(left, top, size, radius):
    inner = (left + radius, top + radius, left + size - radius, top + size - radius)

    def contains(x, y):
        dx = max(inner[0] - x, 0, x - inner[2])
        dy = max(inner[1] - y, 0, y - inner[3])
        return dx * dx + dy * dy <= radius * radius

    return Shape((left, top, left + size, top + size), contains)


def polygon(points):
    """The inside of a closed polygon, by the even-odd rule."""

    def contains(x, y):
        inside = False
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
        return inside

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape((min(xs), min(ys), max(xs), max(ys)), contains)


def _along(x, y, start, end):
    """Where the point projects on the segment (0 to its length) and its distance to it."""
    (x0, y0), (x1, y1) = start, end
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    t = min(max((x - x0) * ux + (y - y0) * uy, 0.0), length)
    return t, math.hypot(x - (x0 + t * ux), y - (y0 + t * uy))


def line(points, width, closed=False, dash=None):
    """A stroke through the points; DASH is (drawn, gap) lengths along each segment."""
    segments = list(zip(points, points[1:] + points[:1] if closed else points[1:]))
    half = width / 2

    def contains(x, y):
        for start, end in segments:
            t, distance = _along(x, y, start, end)
            if distance <= half and (dash is None or t % sum(dash) < dash[0]):
                return True
        return False

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape((min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half), contains)


def ellipse_ring(cx, cy, rx, ry, width):
    def contains(x, y):
        scaled = math.hypot((x - cx) / rx, (y - cy) / ry)
        return abs(scaled - 1) * min(rx, ry) <= width / 2

    return Shape((cx - rx - width, cy - ry - width, cx + rx + width, cy + ry + width), contains)


def frame(width, height):
    """A one-pixel line just inside the edge of a WIDTH x HEIGHT picture."""
    return line([(0.5, 0.5), (width - 0.5, 0.5), (width - 0.5, height - 0.5), (0.5, height - 0.5)],
                1, closed=True)


def inside(shape, clip):
    """The part of SHAPE that lies inside CLIP."""
    return Shape(shape.bounds, lambda x, y: shape.contains(x, y) and clip.contains(x, y))


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def paint(self, shape, colour, opacity=1.0):
        left, top, right, bottom = shape.bounds
        for y in range(max(int(top), 0), min(math.ceil(bottom) + 1, self.height)):
            for x in range(max(int(left), 0), min(math.ceil(right) + 1, self.width)):
                hits = sum(shape.contains(x + (i + 0.5) / SAMPLES, y + (j + 0.5) / SAMPLES)
                           for i in range(SAMPLES) for j in range(SAMPLES))
                if hits:
                    self._blend(x, y, colour, opacity * hits / SAMPLES ** 2)

    def _blend(self, x, y, colour, amount):
        old = self.pixels[y][x]
        self.pixels[y][x] = tuple(round(o + (c - o) * amount) for o, c in zip(old, colour))


def bmp_bytes(canvas):
    """A 24-bit Windows bitmap: BITMAPINFOHEADER, rows bottom-up, each padded to 4 bytes."""
    stride = (canvas.width * 3 + 3) & ~3
    rows = b''
    for row in reversed(canvas.pixels):
        data = b''.join(bytes((b, g, r)) for r, g, b in row)
        rows += data + b'\0' * (stride - len(data))
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(rows),
                       2835, 2835, 0, 0)  # 2835 pixels a metre: 72 dots an inch
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + rows


def png_bytes(canvas):
    """An 8-bit RGB PNG, each row unfiltered."""

    def chunk(kind, data):
        crc = zlib.crc32(kind + data)
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', crc)

    raw = b''.join(b'\0' + b''.join(bytes(pixel) for pixel in row) for row in canvas.pixels)
    header = struct.pack('>IIBBBBB', canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def logo(size, square, letter):
    """The maker's logo: a "K" on a rounded square, drawn in a unit square scaled to SIZE."""
    canvas = Canvas(size, size, BUTTON_FACE)
    canvas.paint(rounded_square(0.5, 0.5, size - 1, size * 0.18), square)
    width = size * 0.14

    def at(u, v):
        return (u * size, v * size)

    canvas.paint(line([at(0.33, 0.22), at(0.33, 0.78)], width), letter)
    canvas.paint(line([at(0.38, 0.56), at(0.70, 0.22)], width), letter)
    canvas.paint(line([at(0.48, 0.46), at(0.72, 0.78)], width), letter)
    return canvas


def arrow(pointing_right, pressed):
    """A page arrow; pressed, the face darkens and the arrow moves one pixel down-right."""
    canvas = Canvas(11, 9, PRESSED_FACE if pressed else BUTTON_FACE)
    shift = 1 if pressed else 0
    base, tip = (4, 8) if pointing_right else (7, 3)
    points = [(base + shift, 1 + shift), (tip + shift, 4.5 + shift), (base + shift, 8 + shift)]
    canvas.paint(polygon(points), (0, 0, 0) if pressed else INK)
    return canvas


def scale_dot():
    """The red dot telling that the drawing scale is not 1."""
    canvas = Canvas(6, 6, BUTTON_FACE)
    canvas.paint(disc(3, 3, 2.8), (0xD8, 0x1E, 0x1E))
    return canvas


def panel_icon(highlighted):
    """A quadrilateral outline; highlighted, on a blue tile."""
    outline = [(4, 17.5), (8, 5), (19, 6.5), (16.5, 18.5)]
    if highlighted:
        canvas = Canvas(23, 23, (0xC4, 0xDA, 0xF2))
        canvas.paint(frame(23, 23), (0x3A, 0x78, 0xC8))
        canvas.paint(polygon(outline), WHITE, 0.7)
        ink = (0x10, 0x4A, 0xA8)
    else:
        canvas = Canvas(23, 23, BUTTON_FACE)
        ink = (0x30, 0x30, 0x30)
    canvas.paint(line(outline, 1.5, closed=True), ink)
    return canvas


def globe():
    """The web link: a small globe with its outline, a meridian and the equator."""
    canvas = Canvas(10, 10, BUTTON_FACE)
    earth = disc(5, 5, 4.5)
    canvas.paint(earth, (0xBC, 0xDC, 0xFA))
    grid = (0x1E, 0x5C, 0xB4)
    canvas.paint(ellipse_ring(5, 5, 4.1, 4.1, 0.9), grid)
    canvas.paint(inside(ellipse_ring(5, 5, 1.8, 4.1, 0.8), earth), grid)
    canvas.paint(inside(rect(0, 4.6, 10, 5.4), earth), grid)
    return canvas


def right_angle_mark(corners, index, size):
    """The small square drawn inside a right-angled corner."""
    x, y = corners[index]

    def toward(other):
        length = math.hypot(other[0] - x, other[1] - y)
        return ((other[0] - x) * size / length, (other[1] - y) * size / length)

    (ax, ay), (bx, by) = toward(corners[index - 1]), toward(corners[(index + 1) % 4])
    return line([(x + ax, y + ay), (x + ax + bx, y + ay + by), (x + bx, y + by)], 1)


def quadrilateral(canvas, corners, colour, right_angle_at=None):
    """A filled quadrilateral with its outline, dashed diagonals and marked vertices."""
    dark = tuple(c * 2 // 3 for c in colour)
    canvas.paint(polygon(corners), colour, 0.22)
    canvas.paint(line([corners[0], corners[2]], 1.2, dash=(5, 3)), dark)
    canvas.paint(line([corners[1], corners[3]], 1.2, dash=(5, 3)), dark)
    canvas.paint(line(corners, 2.2, closed=True), dark)
    if right_angle_at is not None:
        canvas.paint(right_angle_mark(corners, right_angle_at, 10), dark)
    for x, y in corners:
        canvas.paint(disc(x, y, 3.2), WHITE)
        canvas.paint(disc(x, y, 2.4), dark)
    middle_x = (corners[0][0] + corners[2][0]) / 2
    middle_y = (corners[0][1] + corners[2][1]) / 2
    canvas.paint(disc(middle_x, middle_y, 1.8), dark)


def about_picture():
    """Squared paper with a square, a rectangle, a rhombus and a parallelogram."""
    width, height = 335, 263
    canvas = Canvas(width, height, (0xFB, 0xF8, 0xF0))
    for x in range(7, width, 15):
        canvas.paint(rect(x, 0, x + 1, height), (0xEA, 0xE3, 0xD3))
    for y in range(11, height, 15):
        canvas.paint(rect(0, y, width, y + 1), (0xEA, 0xE3, 0xD3))
    quadrilateral(canvas, [(42, 26), (126, 26), (126, 110), (42, 110)], (0x3C, 0x82, 0xD2), 3)
    quadrilateral(canvas, [(191, 36), (311, 36), (311, 102), (191, 102)], (0x2E, 0xA0, 0x66), 3)
    quadrilateral(canvas, [(28, 194), (84, 146), (140, 194), (84, 242)], (0xE4, 0x80, 0x1C))
    quadrilateral(canvas, [(194, 236), (226, 152), (316, 152), (284, 236)], (0xC0, 0x3C, 0x6A))
    canvas.paint(frame(width, height), (0xC8, 0xBE, 0xA8))
    return canvas


def inclination_buttons():
    """Two stacked buttons: "+" above, "−" below, one row of panel between them."""
    canvas = Canvas(19, 15, BUTTON_FACE)
    border, face = (0x80, 0x7C, 0x74), (0xF0, 0xEE, 0xEA)
    for top in (0, 8):
        canvas.paint(rect(0, top, 19, top + 7), border)
        canvas.paint(rect(1, top + 1, 18, top + 6), face)
    canvas.paint(rect(7, 3, 12, 4), (0, 0, 0))  # +
    canvas.paint(rect(9, 1, 10, 6), (0, 0, 0))
    canvas.paint(rect(7, 11, 12, 12), (0, 0, 0))  # −
    return canvas


# Cursors: 32 x 32 monochrome, each pixel transparent, black or white.
CURSOR_SIZE = 32
ARROW_HOT_SPOT = (11, 7)
# The arrow's outline, its tip at (0, 0).
ARROW = [(0, 0), (0, 16), (4, 12), (7, 18.5), (9.5, 17.5), (6.5, 11), (11.5, 11)]
# Digits of 3 x 5 cells, drawn two pixels a cell.
DIGITS = {
    1: ['.#.', '##.', '.#.', '.#.', '###'],
    2: ['##.', '..#', '.#.', '#..', '###'],
    3: ['##.', '..#', '.#.', '..#', '##.'],
    4: ['#.#', '#.#', '###', '..#', '..#'],
}


class MonoCanvas:
    """Pixels that are None (transparent), 'black' or 'white'."""

    def __init__(self):
        self.pixels = [[None] * CURSOR_SIZE for _ in range(CURSOR_SIZE)]

    def covered(self, shape):
        """The pixels whose centre lies in SHAPE."""
        return {(x, y) for y in range(CURSOR_SIZE) for x in range(CURSOR_SIZE)
                if shape.contains(x + 0.5, y + 0.5)}

    def paint_outlined(self, pixels):
        """PIXELS in white with a one-pixel black border, inside or around them as room allows."""
        for x, y in pixels:
            neighbours = [(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))]
            inner = all(n in pixels for n in neighbours)
            self.pixels[y][x] = 'white' if inner else 'black'

    def paint_ink(self, pixels):
        """PIXELS in black, with a white halo so they show on any background."""
        for x, y in pixels:
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    hx, hy = x + dx, y + dy
                    if 0 <= hx < CURSOR_SIZE and 0 <= hy < CURSOR_SIZE and \
                            self.pixels[hy][hx] is None:
                        self.pixels[hy][hx] = 'white'
        for x, y in pixels:
            self.pixels[y][x] = 'black'


def arrow_cursor(tip=ARROW_HOT_SPOT):
    canvas = MonoCanvas()
    outline = [(tip[0] + x, tip[1] + y) for x, y in ARROW]
    canvas.paint_outlined(canvas.covered(polygon(outline)))
    return canvas


def digit_cursor(digit):
    canvas = arrow_cursor()
    cells = {(22 + 2 * i + dx, 19 + 2 * j + dy)
             for j, row in enumerate(DIGITS[digit]) for i, cell in enumerate(row) if cell == '#'
             for dx in (0, 1) for dy in (0, 1)}
    canvas.paint_ink(cells)
    return canvas


def barred_circle_cursor():
    canvas = arrow_cursor((11, 8))
    ring = canvas.covered(ellipse_ring(25, 24, 4.5, 4.5, 1.6))
    bar = canvas.covered(line([(22, 21), (28, 27)], 1.6))
    canvas.paint_ink(ring | bar)
    return canvas


def marked_cursor():
    canvas = arrow_cursor()
    canvas.paint_ink(canvas.covered(rect(23, 22, 27, 26)))
    return canvas


def cross_hair_cursor():
    canvas = MonoCanvas()
    cx, cy = 15, 14
    arms = set()
    for d in range(3, 12):
        arms |= {(cx - d, cy), (cx + d, cy), (cx, cy - d), (cx, cy + d)}
    canvas.paint_ink(arms | {(cx, cy)})
    return canvas


def cur_bytes(canvas, hot_spot):
    """A Windows cursor file: one 1-bit image, its colour (XOR) rows then its mask (AND) rows,
    both bottom-up with 4-byte rows; white is colour 1 of a black-and-white palette."""
    size = CURSOR_SIZE

    def rows(bit):
        data = b''
        for row in reversed(canvas.pixels):
            bits = 0
            for pixel in row:
                bits = (bits << 1) | bit(pixel)
            data += struct.pack('>I', bits)
        return data

    xor = rows(lambda pixel: 1 if pixel == 'white' else 0)
    mask = rows(lambda pixel: 1 if pixel is None else 0)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, len(xor) + len(mask),
                       0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0))
    image = info + palette + xor + mask
    header = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hot_spot[0], hot_spot[1], len(image),
                        6 + 16)
    return header + entry + image


def ico_bytes(canvas):
    """A Windows icon file: one 32-bit image with its alpha, and the 1-bit mask after it."""
    size = canvas.width
    pixels = b''.join(bytes((b, g, r, 0xFF)) for row in reversed(canvas.pixels) for r, g, b in row)
    mask = b'\0' * (4 * size)  # every pixel opaque
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask),
                       0, 0, 0, 0)
    image = info + pixels + mask
    header = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return header + entry + image


def tool_icon(colour):
    """The tool's icon: a quadrilateral, grey for the button and in colour for rollover."""
    canvas = Canvas(32, 32, BUTTON_FACE)
    corners = [(5, 25), (10, 6), (27, 9), (23, 27)]
    dark = tuple(c * 2 // 3 for c in colour)
    canvas.paint(polygon(corners), colour, 0.35)
    canvas.paint(line(corners, 2, closed=True), dark)
    for x, y in corners:
        canvas.paint(disc(x, y, 2), dark)
    return canvas


CURSORS = {
    'cross-hair.cur': (cross_hair_cursor, (15, 14)),
    'barred-circle.cur': (barred_circle_cursor, (11, 8)),
    'vertex-1.cur': (lambda: digit_cursor(1), ARROW_HOT_SPOT),
    'vertex-2.cur': (lambda: digit_cursor(2), ARROW_HOT_SPOT),
    'vertex-3.cur': (lambda: digit_cursor(3), ARROW_HOT_SPOT),
    'vertex-4.cur': (lambda: digit_cursor(4), ARROW_HOT_SPOT),
    'tool.cur': (marked_cursor, ARROW_HOT_SPOT),
    'empty.cur': (MonoCanvas, ARROW_HOT_SPOT),
    'arrow.cur': (arrow_cursor, ARROW_HOT_SPOT),
}

IMAGES = {
    'logo.bmp': lambda: logo(20, (0x1F, 0x7A, 0x8C), WHITE),
    'logo-pressed.bmp': lambda: logo(17, (0x12, 0x4C, 0x58), (0xD8, 0xD8, 0xD8)),
    'next-page.bmp': lambda: arrow(True, False),
    'next-page-pressed.bmp': lambda: arrow(True, True),
    'previous-page.bmp': lambda: arrow(False, False),
    'previous-page-pressed.bmp': lambda: arrow(False, True),
    'scale-not-one.bmp': scale_dot,
    'panel-icon.bmp': lambda: panel_icon(False),
    'panel-icon-highlighted.bmp': lambda: panel_icon(True),
    'web-link.bmp': globe,
    'about.bmp': about_picture,
    'inclination-buttons.png': inclination_buttons,
    'tool-icon.ico': lambda: tool_icon((0x70, 0x70, 0x70)),
    'tool-icon-rollover.ico': lambda: tool_icon((0x2E, 0x7C, 0xD0)),
}


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    encoders = {'.png': png_bytes, '.bmp': bmp_bytes, '.ico': ico_bytes}
    for name, draw in IMAGES.items():
        with open(os.path.join(folder, name), 'wb') as out:
            out.write(encoders[os.path.splitext(name)[1]](draw()))
    for name, (draw, hot_spot) in CURSORS.items():
        with open(os.path.join(folder, name), 'wb') as out:
            out.write(cur_bytes(draw(), hot_spot))


if __name__ == '__main__':
    main()
