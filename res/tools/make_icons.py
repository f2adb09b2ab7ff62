#!/usr/bin/env python3
"""Draws the program icon (a calendar page) and the open-hand cursor of the title bar.

Writes res/WispaneCalendar.ico (16, 20, 24, 32, 40, 48, 64 and 256 pixels, 32-bit colour
with alpha; each size drawn for its own pixel grid, the 256 image stored as PNG) and
res/OpenHand.cur (32 x 32 monochrome, hot spot 16, 14). Standard library only; the
output is the same on every run, so the committed files can be regenerated and compared.
"""

import math
import struct
import zlib
from pathlib import Path

RES_DIR = Path(__file__).resolve().parent.parent

# Colours (R, G, B) of the icon, echoing the calendar itself: red Sundays and holidays,
# blue Saturdays, the green of days with a schedule.
BORDER = (88, 92, 100)
HEADER = (206, 48, 40)
HEADER_SHINE = (232, 96, 84)
PAGE = (255, 255, 255)
RING = (64, 66, 72)
DAY = (150, 156, 166)
SUNDAY = (214, 52, 44)
SATURDAY = (40, 96, 210)
SCHEDULE = (0, 176, 0)


# ---------------------------------------------------------------- shapes

def rounded_rect(x0, y0, x1, y1, radius):
    """Point test for the rectangle [x0, x1) x [y0, y1) with rounded corners."""
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    inside.bounds = (x0, y0, x1, y1)
    return inside


def clipped(shape, y_from=-math.inf, y_to=math.inf):
    def inside(x, y):
        return y_from <= y < y_to and shape(x, y)
    bx0, by0, bx1, by1 = shape.bounds
    inside.bounds = (bx0, max(by0, y_from), bx1, min(by1, y_to))
    return inside


# ---------------------------------------------------------------- colour icon

class Canvas:
    """RGBA canvas (straight alpha) painted with anti-aliased shapes."""

    SAMPLES = 4

    def __init__(self, size):
        self.size = size
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def fill(self, shape, colour, opacity=1.0):
        n = self.SAMPLES
        offsets = [(i + 0.5) / n for i in range(n)]
        # Only the pixels the shape's bounds [x0, x1) x [y0, y1) touch can be hit.
        bx0, by0, bx1, by1 = shape.bounds
        xs = range(max(math.floor(bx0), 0), min(math.ceil(bx1), self.size))
        for y in range(max(math.floor(by0), 0), min(math.ceil(by1), self.size)):
            for x in xs:
                hits = sum(shape(x + ox, y + oy) for oy in offsets for ox in offsets)
                if hits:
                    self._blend(x, y, colour, opacity * hits / (n * n))

    def _blend(self, x, y, colour, alpha):
        r, g, b, a = self.pixels[y][x]
        out_a = alpha + a * (1 - alpha)
        mix = [(c * alpha + old * a * (1 - alpha)) / out_a for c, old in zip(colour, (r, g, b))]
        self.pixels[y][x] = (*mix, out_a)

    def rgba_rows(self):
        return [b"".join(struct.pack("<4B", round(r), round(g), round(b), round(a * 255))
                         for r, g, b, a in row) for row in self.pixels]

    def bgra_rows_bottom_up(self):
        rows = []
        for row in reversed(self.pixels):
            rows.append(b"".join(
                struct.pack("<4B", round(b), round(g), round(r), round(a * 255))
                for r, g, b, a in row))
        return rows


# Pixel layout of the calendar page for each icon size: page box, corner radius,
# header bottom, ring boxes, first day cell, cell size and step, columns and rows.
# Optional: border and shadow widths (1) and the corner radius of the day cells (square).
ICON_LAYOUTS = {
    16: dict(page=(0, 2, 16, 16), radius=2, header=7, rings=[(4, 0, 6, 5), (10, 0, 12, 5)],
             ring_radius=1, grid=(2, 9), cell=(2, 2), step=(3, 3), columns=4, rows=2),
    20: dict(page=(0, 3, 20, 20), radius=2, header=8, rings=[(5, 0, 7, 6), (13, 0, 15, 6)],
             ring_radius=1, grid=(3, 10), cell=(2, 2), step=(3, 3), columns=5, rows=3),
    24: dict(page=(0, 3, 23, 23), radius=2, header=9, rings=[(6, 0, 8, 7), (15, 0, 17, 7)],
             ring_radius=1, grid=(2, 10), cell=(3, 3), step=(4, 4), columns=5, rows=3),
    32: dict(page=(1, 3, 31, 31), radius=3, header=11, rings=[(8, 0, 11, 8), (21, 0, 24, 8)],
             ring_radius=1.5, grid=(5, 13), cell=(3, 3), step=(4, 4), columns=6, rows=4),
    40: dict(page=(1, 4, 38, 39), radius=3, header=14, rings=[(9, 1, 13, 10), (26, 1, 30, 10)],
             ring_radius=2, grid=(5, 17), cell=(4, 4), step=(5, 5), columns=6, rows=4),
    48: dict(page=(2, 6, 46, 46), radius=4, header=18, rings=[(12, 2, 16, 13), (32, 2, 36, 13)],
             ring_radius=2, grid=(7, 22), cell=(4, 4), step=(6, 5), columns=6, rows=4),
}


def scaled(layout, factor, **changes):
    """The layout at factor times its size (whole factors keep every edge on a pixel)."""
    def scale(value):
        if isinstance(value, (list, tuple)):
            return type(value)(scale(v) for v in value)
        return value * factor
    result = {key: value if key in ("columns", "rows") else scale(value)
              for key, value in layout.items()}
    for key in ("border", "shadow"):
        result.setdefault(key, factor)
    result.update(changes)
    return result


ICON_LAYOUTS[64] = scaled(ICON_LAYOUTS[32], 2)
# At 256 the page holds a whole month: seven columns of five weeks, cells slightly rounded.
ICON_LAYOUTS[256] = scaled(ICON_LAYOUTS[32], 8, border=6, grid=(26, 98), cell=(24, 22),
                           step=(30, 28), columns=7, rows=5, cell_radius=3)

SCHEDULE_CELL = (3, 1)  # column, row of the day that shows the schedule colour


def draw_calendar(size):
    layout = ICON_LAYOUTS[size]
    canvas = Canvas(size)
    x0, y0, x1, y1 = layout["page"]
    radius = layout["radius"]
    header = layout["header"]
    border = layout.get("border", 1)
    shadow = layout.get("shadow", 1)

    drop = rounded_rect(x0 + shadow / 2, y0 + shadow, x1 + shadow / 2, y1 + shadow / 2, radius)
    canvas.fill(drop, (0, 0, 0), 0.18)  # shadow
    canvas.fill(rounded_rect(x0, y0, x1, y1, radius), BORDER)
    inner = rounded_rect(x0 + border, y0 + border, x1 - border, y1 - border,
                         max(radius - border, 0.5))
    canvas.fill(clipped(inner, y_to=header), HEADER)
    if size >= 32:
        canvas.fill(clipped(inner, y_to=y0 + border + (header - y0 - border) // 3), HEADER_SHINE)
    canvas.fill(clipped(inner, y_from=header), PAGE)

    for rx0, ry0, rx1, ry1 in layout["rings"]:
        canvas.fill(rounded_rect(rx0, ry0, rx1, ry1, layout["ring_radius"]), RING)

    gx, gy = layout["grid"]
    cw, ch = layout["cell"]
    sx, sy = layout["step"]
    cell_radius = layout.get("cell_radius", 0.01)
    columns = layout["columns"]
    for row in range(layout["rows"]):
        for column in range(columns):
            if column == 0:
                colour = SUNDAY
            elif column == columns - 1:
                colour = SATURDAY
            elif (column, row) == SCHEDULE_CELL:
                colour = SCHEDULE
            else:
                colour = DAY
            left, top = gx + column * sx, gy + row * sy
            canvas.fill(rounded_rect(left, top, left + cw, top + ch, cell_radius), colour)
    return canvas


def bitmap_entry_32bpp(canvas):
    """One icon image: BITMAPINFOHEADER, BGRA pixels, then the AND mask from the alpha."""
    size = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(canvas.bgra_rows_bottom_up())
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(canvas.pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 0.5 / 255:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_entry(canvas):
    """One icon image as a PNG file: 8-bit RGBA, every row unfiltered."""
    size = canvas.size
    raw = b"".join(b"\0" + row for row in canvas.rgba_rows())
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


# Images this large go into the icon as PNG, as Windows Vista and later expect.
PNG_MIN_SIZE = 256


def write_ico(path, canvases):
    images = [png_entry(c) if c.size >= PNG_MIN_SIZE else bitmap_entry_32bpp(c) for c in canvases]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for canvas, image in zip(canvases, images):
        # A width and height of 0 stand for 256.
        directory += struct.pack("<BBBBHHII", canvas.size % 256, canvas.size % 256, 0, 0, 1, 32,
                                 len(image), offset)
        offset += len(image)
    path.write_bytes(directory + b"".join(images))


# ---------------------------------------------------------------- monochrome cursor

CURSOR_SIZE = 32
CURSOR_HOTSPOT = (16, 14)

# The open hand, drawn pixel by pixel: "#" black, "." white, blank transparent.
OPEN_HAND = [
    "           ###         ",
    "          #...####     ",
    "       ####...#...#    ",
    "      #...#...#...#    ",
    "      #...#...#...#### ",
    "      #...#...#...#...#",
    "      #...#...#...#...#",
    "  ##  #...#...#...#...#",
    " #..# #...#...#...#...#",
    " #...##...#...#...#...#",
    " #....#...#...#...#...#",
    "  #...#...............#",
    "   #..................#",
    "   #..................#",
    "    #.................#",
    "    #................# ",
    "     #...............# ",
    "      #.............#  ",
    "       #............#  ",
    "       #............#  ",
    "       ##############  ",
]
OPEN_HAND_ORIGIN = (3, 2)  # where the drawing's top-left corner lies: the hot spot is in the palm

TRANSPARENT, WHITE = " ", "."  # any other pixel is black


def cursor_pixels():
    grid = [[TRANSPARENT] * CURSOR_SIZE for _ in range(CURSOR_SIZE)]
    ox, oy = OPEN_HAND_ORIGIN
    for y, line in enumerate(OPEN_HAND):
        for x, pixel in enumerate(line):
            grid[oy + y][ox + x] = pixel
    return grid


def write_cur(path, grid, hotspot):
    size = len(grid)
    stride = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 2)
    palette = struct.pack("<4B4B", 0, 0, 0, 0, 255, 255, 255, 0)
    xor, mask = bytearray(), bytearray()
    for row in reversed(grid):
        xor_bits, mask_bits = bytearray(stride), bytearray(stride)
        for x, pixel in enumerate(row):
            bit = 0x80 >> (x % 8)
            if pixel == WHITE:
                xor_bits[x // 8] |= bit
            elif pixel == TRANSPARENT:
                mask_bits[x // 8] |= bit
        xor += xor_bits
        mask += mask_bits
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    directory += struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(image), 22)
    path.write_bytes(directory + image)


def main():
    write_ico(RES_DIR / "WispaneCalendar.ico", [draw_calendar(s) for s in sorted(ICON_LAYOUTS)])
    write_cur(RES_DIR / "OpenHand.cur", cursor_pixels(), CURSOR_HOTSPOT)


if __name__ == "__main__":
    main()
