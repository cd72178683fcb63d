#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the window's pictures into resources/.

Run it from anywhere: python3 tools/make_pictures.py [output folder]. The
output is the same bytes on every run, so the committed files can be checked
against a fresh drawing.
"""
import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------- writers


def png(width, height, pixels):
    """A PNG; pixels is a list of rows of (r, g, b, a), or of (r, g, b) for
    an opaque picture, which Qt reads straight into the screen's format."""
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)
    colour_type = 6 if len(pixels[0][0]) == 4 else 2

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def rgb(hex_colour):
    return tuple(int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))


# --------------------------------------------------------------- pictures

def mix(a, b, t=0.5):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def background(scale=1):
    """The slate-blue field with its bevel and the gold title strip. At
    twice the size the bevel and the strip's shadow shade in twice as many
    steps."""
    w, h = 298 * scale, 239 * scale
    field = rgb("#7C8EBC")
    light = [rgb("#C4CEE6"), rgb("#A6B3D6"), rgb("#93A2CB")]
    dark = [rgb("#2F3650"), rgb("#4A5478"), rgb("#65739E")]
    gold, outline = rgb("#E4CA7C"), rgb("#2C2E3C")
    shade = [rgb("#D3DBEE"), rgb("#AAB7DA")]
    if scale == 2:
        light = [light[0], mix(light[0], light[1]), light[1], mix(light[1], light[2]),
                 light[2], mix(light[2], field)]
        dark = [dark[0], mix(dark[0], dark[1]), dark[1], mix(dark[1], dark[2]), dark[2],
                mix(dark[2], field)]
        shade = [shade[0], mix(shade[0], shade[1]), shade[1], mix(shade[1], field)]
    s = scale
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            near_light = min(x, y)
            near_dark = min(w - 1 - x, h - 1 - y)
            if min(near_light, near_dark) < 3 * s:
                if near_light <= near_dark:
                    px = light[near_light]
                else:
                    px = dark[near_dark]
            elif 6 * s <= y < 24 * s and 10 * s <= x < 290 * s:
                px = outline if y < 7 * s or x < 11 * s else gold
            elif 24 * s <= y < 26 * s and 10 * s <= x < 290 * s:
                px = shade[y - 24 * s]
            else:
                px = field
            row.append(px)
        rows.append(row)
    return png(w, h, rows)


WHITE = (255, 255, 255, 255)
MAROON = (128, 0, 0, 255)
NAVY = (0, 0, 128, 255)
CLEAR = (0, 0, 0, 0)


def drawing(w, h, marks, ink=MAROON, paper=WHITE):
    return png(w, h, [[ink if marks(x, y) else paper for x in range(w)] for y in range(h)])


def hide_bar():
    """A short bar at the foot of a 9 x 10 cell."""
    return drawing(9, 10, lambda x, y: 1 <= x <= 7 and 7 <= y <= 8)


def close_cross():
    """A maroon X, two pixels thick."""
    def on(x, y):
        if not (1 <= y <= 8):
            return False
        d = y - 1
        return x in (d, d + 1) or x in (7 - d, 8 - d)
    return drawing(9, 10, lambda x, y: on(x, y) and 0 <= x <= 8)


def pin():
    """A push pin lying on its side, point to the left."""
    def on(x, y):
        if y == 4 and x <= 4:            # the point
            return True
        if 5 <= x <= 9 and 2 <= y <= 6:  # the shank
            return y in (2, 6) or x == 5 or (x == 9)
        if 10 <= x <= 11 and 0 <= y <= 8:  # the head
            return True
        return x == 12 and 3 <= y <= 5
    return drawing(14, 9, on)


def raster(size_w, size_h, colour, samples=4):
    """A picture whose every pixel averages samples x samples points of
    colour(x, y), which takes coordinates in pixels."""
    rows = []
    for y in range(size_h):
        row = []
        for x in range(size_w):
            total = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples)
                    for k in range(3):
                        total[k] += c[k] * c[3]
                    total[3] += c[3]
            alpha = total[3] / (samples * samples)
            row.append(tuple(round(total[k] / total[3]) if total[3] else 0 for k in range(3))
                       + (round(alpha),))
        rows.append(row)
    return rows


def near_segment(px, py, ax, ay, bx, by):
    """The distance from a point to a segment."""
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def fine(w, h, inside):
    """A glyph at twice its size, its edges smoothed, on transparent paper;
    inside takes coordinates in the glyph's own pixels."""
    return png(2 * w, 2 * h, raster(2 * w, 2 * h,
                                    lambda x, y: MAROON if inside(x / 2, y / 2) else CLEAR))


def hide_bar_fine():
    return fine(9, 10, lambda x, y: 1 <= x < 8 and 7 <= y < 9)


def close_cross_fine():
    def on(x, y):
        if not 1 <= y < 9:
            return False
        return (near_segment(x, y, 1.0, 1.5, 8.0, 8.5) < 0.72
                or near_segment(x, y, 8.0, 1.5, 1.0, 8.5) < 0.72)
    return fine(9, 10, on)


def pin_fine():
    def on(x, y):
        if 0.25 <= x < 5 and 4.25 <= y < 4.75:        # a needle's point
            return True
        if 5 <= x < 10 and 2 <= y < 7:                # the shank's outline
            return y < 3 or y >= 6 or x < 6 or x >= 9
        if 10 <= x < 12 and 0 <= y < 9:               # the head
            return near_segment(x, y, 11, 0.8, 11, 8.2) < 1.0
        return 12 <= x < 13 and 3 <= y < 6
    return fine(14, 9, on)


def dial(fill, rim=NAVY):
    """A 16 x 16 clock face 15 pixels across: fill(x, y) colours the inside;
    the corners, the last column and the bottom row stay transparent."""
    rows = []
    for y in range(16):
        row = []
        for x in range(16):
            r2 = (x - 7) ** 2 + (y - 7) ** 2
            if x == 15 or y == 15 or r2 > 56:
                row.append(CLEAR)
            elif r2 > 40:
                row.append(rim)
            else:
                row.append(fill(x, y))
        rows.append(row)
    return rows


def checks(white, yellow):
    return lambda x, y: white if (x + y) % 2 == 0 else yellow


def hand(rows, degrees, colour, length=5):
    """A hand from the centre, clockwise from 12 o'clock."""
    dx, dy = math.sin(math.radians(degrees)), -math.cos(math.radians(degrees))
    for step in range(length * 4 + 1):
        t = step / 4
        rows[round(7 + dx * t)][round(7 + dy * t)] = colour
    return rows


def clock(white=WHITE, yellow=(255, 255, 0, 255), navy=NAVY, second=None):
    rows = dial(checks(white, yellow), navy)
    # rows are indexed [y][x]; hand() takes them transposed for brevity
    cols = [list(c) for c in zip(*rows)]
    hand(cols, 0, navy)
    if second is not None:
        hand(cols, second, navy)
    return [list(r) for r in zip(*cols)]


# Digits four pixels wide and seven high, enough to read at 16 x 16.
DIGITS = {
    "0": [".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    "1": ["..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"],
    "2": [".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"],
    "3": ["###.", "...#", "...#", ".##.", "...#", "...#", "###."],
    "4": ["..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."],
    "5": ["####", "#...", "###.", "...#", "...#", "#..#", ".##."],
    "6": [".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."],
}


def number(text, fill, ink):
    rows = dial(lambda x, y: fill)
    for i, digit in enumerate(text):
        for dy, line in enumerate(DIGITS[digit]):
            for dx, mark in enumerate(line):
                if mark == "#":
                    rows[4 + dy][3 + 5 * i + dx] = ink
    return rows


def icon(rows):
    return png(16, 16, rows)


def tray_pictures():
    """The still clock, the eight frames of the turning one, and the
    coloured seconds of a countdown's last minute."""
    pictures = {"clock.png": icon(clock())}
    light = ((252, 254, 252, 255), (252, 254, 4, 255), (4, 2, 132, 255))
    for frame in range(8):
        pictures["frame%d.png" % frame] = icon(clock(*light, second=45 * (frame + 1)))
    gold, yellow, red = (252, 200, 43, 255), (255, 242, 0, 255), (237, 28, 36, 255)
    for name, text, fill, ink in [("M1", "60", gold, NAVY), ("M2", "50", gold, NAVY),
                                  ("M3", "40", gold, NAVY), ("M4", "30", yellow, NAVY),
                                  ("M5", "20", yellow, NAVY), ("M6", "10", red, yellow)]:
        pictures[name + ".png"] = icon(number(text, fill, ink))
    pictures["M7.png"] = pictures["clock.png"]
    return pictures


def sized_dial(u, v, inside, rim):
    """The tray's clock face at any size, both coordinates from 0 to 1: a
    disc with a rim, transparent around it."""
    r = math.hypot(u - 0.5, v - 0.5)
    if r > 0.47:
        return CLEAR
    if r > 0.39:
        return rim
    return inside(u, v)


def on_hand(u, v, degrees, length, width=1 / 16):
    dx, dy = math.sin(math.radians(degrees)), -math.cos(math.radians(degrees))
    return near_segment(u, v, 0.5, 0.5, 0.5 + dx * length, 0.5 + dy * length) <= width / 2


def sized_clock(size, white=WHITE, yellow=(255, 255, 0, 255), navy=NAVY, second=None):
    def inside(u, v):
        if on_hand(u, v, 0, 5 / 16) or (second is not None and on_hand(u, v, second, 5 / 16)):
            return navy
        return white if (int(u * 16) + int(v * 16)) % 2 == 0 else yellow
    return png(size, size, raster(size, size,
                                  lambda x, y: sized_dial(x / size, y / size, inside, navy)))


def sized_number(size, text, fill, ink):
    def inside(u, v):
        cx, cy = u * 16, v * 16
        for i, digit in enumerate(text):
            col, row = int(cx - 3 - 5 * i), int(cy - 4)
            if 0 <= col < 4 and 0 <= row < 7 and cx >= 3 + 5 * i and cy >= 4:
                if DIGITS[digit][row][col] == "#":
                    return ink
        return fill
    return png(size, size, raster(size, size,
                                  lambda x, y: sized_dial(x / size, y / size, inside, NAVY)))


TRAY_SIZES = (22, 24, 32, 48)


def sized_tray_pictures():
    """The tray's pictures at the larger sizes a panel may ask for, drawn
    from the same shapes, one folder a size."""
    pictures = {}
    light = ((252, 254, 252, 255), (252, 254, 4, 255), (4, 2, 132, 255))
    numbers = [("M1", "60", (252, 200, 43, 255), NAVY), ("M2", "50", (252, 200, 43, 255), NAVY),
               ("M3", "40", (252, 200, 43, 255), NAVY), ("M4", "30", (255, 242, 0, 255), NAVY),
               ("M5", "20", (255, 242, 0, 255), NAVY), ("M6", "10", (237, 28, 36, 255),
                                                        (255, 255, 0, 255))]
    for size in TRAY_SIZES:
        folder = "%d/" % size
        pictures[folder + "clock.png"] = sized_clock(size)
        pictures[folder + "M7.png"] = pictures[folder + "clock.png"]
        for frame in range(8):
            pictures[folder + "frame%d.png" % frame] = sized_clock(size, *light,
                                                                   second=45 * (frame + 1))
        for name, text, fill, ink in numbers:
            pictures[folder + name + ".png"] = sized_number(size, text, fill, ink)
    return pictures


# The program's icon, for menus and panels: the tray's still clock, its rim
# and hand in navy, its dial checked white and yellow in sixteenths of the
# icon, so that every size keeps the look of the sixteen-pixel one. The same
# shapes make the scalable icon and the rasters above sixteen pixels.
ICON_YELLOW = (255, 255, 0, 255)
RIM_OUT, RIM_IN = 0.47, 0.38             # of the icon's size
HANDS = [(0, 0.30), (90, 0.22)]          # clockwise from 12, length
HAND_WIDTH = 0.075


def icon_colour(u, v):
    """The colour at a point of the icon, both coordinates from 0 to 1."""
    r = math.hypot(u - 0.5, v - 0.5)
    if r > RIM_OUT:
        return CLEAR
    for degrees, length in HANDS:
        dx, dy = math.sin(math.radians(degrees)), -math.cos(math.radians(degrees))
        t = max(0.0, min(length, (u - 0.5) * dx + (v - 0.5) * dy))
        if math.hypot(u - 0.5 - t * dx, v - 0.5 - t * dy) <= HAND_WIDTH / 2:
            return NAVY
    if r > RIM_IN:
        return NAVY
    return WHITE if (int(u * 16) + int(v * 16)) % 2 == 0 else ICON_YELLOW


def app_icon(size):
    """A raster of the icon, each pixel the average of 3 x 3 points."""
    return png(size, size, raster(size, size, lambda x, y: icon_colour(x / size, y / size),
                                  samples=3))


def scalable_icon():
    """The same shapes as SVG, at 256 units a side."""
    s = 256
    hands = "".join(
        '<line x1="128" y1="128" x2="%g" y2="%g"/>'
        % (128 + s * length * math.sin(math.radians(d)),
           128 - s * length * math.cos(math.radians(d)))
        for d, length in HANDS)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 256 256">\n'
            '<defs><pattern id="checks" width="32" height="32" patternUnits="userSpaceOnUse">'
            '<rect width="32" height="32" fill="#ffffff"/>'
            '<rect x="16" width="16" height="16" fill="#ffff00"/>'
            '<rect y="16" width="16" height="16" fill="#ffff00"/></pattern></defs>\n'
            '<circle cx="128" cy="128" r="%g" fill="url(#checks)" stroke="#000080" '
            'stroke-width="%g"/>\n'
            '<g stroke="#000080" stroke-width="%g" stroke-linecap="round">%s</g>\n'
            '</svg>\n' % (s * (RIM_OUT + RIM_IN) / 2, s * (RIM_OUT - RIM_IN),
                           s * HAND_WIDTH, hands)).encode()


def app_icons():
    """The icon at every size the desktop asks for; sixteen pixels is the
    window's own drawing."""
    icons = {"16.png": icon(clock())}
    for size in (22, 24, 32, 48, 64, 128, 256):
        icons["%d.png" % size] = app_icon(size)
    icons["scalable.svg"] = scalable_icon()
    return icons


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    os.makedirs(out, exist_ok=True)
    for name, data in [("background.png", background()), ("bar.png", hide_bar()),
                       ("x.png", close_cross()), ("pin.png", pin()),
                       ("icon.png", icon(clock())), ("background@2x.png", background(2)),
                       ("bar@2x.png", hide_bar_fine()), ("x@2x.png", close_cross_fine()),
                       ("pin@2x.png", pin_fine())]:
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    tray = dict(tray_pictures(), **sized_tray_pictures())
    for folder, pictures in (("tray", tray), ("icons", app_icons())):
        for name, data in pictures.items():
            path = os.path.join(out, folder, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
