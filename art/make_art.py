"""Draws Ventaro's icons and bitmaps and writes them into the folder given.

    python3 make_art.py OUTPUT_FOLDER

Application icon (16, 24, 32, 48), tool-bar icons (28), menu pictures (16,
24-bit with the key colour magenta) and the about box's picture strip.
"""

import math
import os
import sys

from raster import (Canvas, arc, circle, ellipse, grown, intersect, linear, minus, polygon, radial, rect, rgb,
                    segment, solid, union, write_bmp, write_ico)

WHITE = rgb("#ffffff")
MENU_KEY = (255, 0, 255)
MENU_BACKGROUND = (236, 233, 216)  # the XP button face, under half-covered edges


def gloss(canvas, shape, cx, cy, rx, ry, strength=0.45):
    """The soft highlight of the XP style across the top of a shape."""
    canvas.fill(intersect(shape, ellipse(cx, cy, rx, ry)),
                linear(rgb("#ffffff", strength), rgb("#ffffff", 0.0), cx, cy - ry, cx, cy + ry))


def shadow(canvas, cx, cy, rx, ry):
    canvas.fill(ellipse(cx, cy, rx, ry), radial(rgb("#000000", 0.28), rgb("#000000", 0.0), cx, cy, rx))


def outlined(canvas, shape, paint, outline, width):
    canvas.fill(grown(shape, width), solid(outline))
    canvas.fill(shape, paint)


def rotated(points, cx, cy, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + x * c - y * s, cy + x * s + y * c) for x, y in points]


def arrow_head(cx, cy, r, angle, size):
    """A triangle at a point of a circle, pointing against the clock."""
    a = math.radians(angle)
    px, py = cx + r * math.cos(a), cy + r * math.sin(a)
    nx, ny = math.cos(a), math.sin(a)
    dx, dy = math.sin(a), -math.cos(a)
    return polygon([(px + nx * size, py + ny * size), (px - nx * size, py - ny * size),
                    (px + dx * size * 1.2, py + dy * size * 1.2)])


# --- pictures ----------------------------------------------------------------

def draw_globe(c):
    shadow(c, 0.5, 0.9, 0.34, 0.07)
    globe = circle(0.46, 0.45, 0.38)
    c.fill(circle(0.46, 0.45, 0.41), solid(rgb("#0b3a84")))
    c.fill(globe, radial(rgb("#a8dcff"), rgb("#1556c0"), 0.34, 0.3, 0.52))
    grid = rgb("#ffffff", 0.5)
    c.fill(intersect(globe, minus(ellipse(0.46, 0.45, 0.17, 0.38), ellipse(0.46, 0.45, 0.12, 0.345))), solid(grid))
    for y in (0.27, 0.45, 0.63):
        c.fill(intersect(globe, rect(0.0, y - 0.02, 1.0, y + 0.02)), solid(grid))
    gloss(c, globe, 0.42, 0.25, 0.27, 0.16)
    # The speed arrow, climbing out of the globe.
    head = [(-0.24, -0.065), (0.04, -0.065), (0.04, -0.16), (0.24, 0.0), (0.04, 0.16), (0.04, 0.065),
            (-0.24, 0.065)]
    shape = polygon(rotated(head, 0.72, 0.7, -40))
    outlined(c, shape, linear(rgb("#b4f08c"), rgb("#2c9418"), 0.6, 0.55, 0.85, 0.85), rgb("#17590b"), 0.035)


def draw_gauge(c):
    shadow(c, 0.5, 0.92, 0.36, 0.06)
    cx, cy = 0.5, 0.52
    face = circle(cx, cy, 0.42)
    c.fill(circle(cx, cy, 0.46), solid(rgb("#3c4658")))
    c.fill(face, radial(rgb("#ffffff"), rgb("#c3cedd"), 0.45, 0.4, 0.5))
    for start, end, colour in ((135, 225, "#2fb52f"), (225, 315, "#f2c21b"), (315, 405, "#e03a1e")):
        c.fill(arc(cx, cy, 0.32, 0.1, start, end), solid(rgb(colour)))
    tip = (cx + 0.3 * math.cos(math.radians(305)), cy + 0.3 * math.sin(math.radians(305)))
    c.fill(segment(cx, cy, tip[0], tip[1], 0.075), solid(rgb("#b01616")))
    c.fill(circle(cx, cy, 0.085), radial(rgb("#8a93a3"), rgb("#222831"), cx - 0.03, cy - 0.03, 0.1))
    gloss(c, face, 0.5, 0.24, 0.3, 0.15, 0.5)


def draw_restore(c):
    shadow(c, 0.5, 0.92, 0.34, 0.06)
    cx, cy, r = 0.5, 0.5, 0.29
    ring = union(arc(cx, cy, r, 0.15, 250, 160), arrow_head(cx, cy, r, 250, 0.17))
    outlined(c, ring, linear(rgb("#9ee67a"), rgb("#1f8514"), 0.2, 0.15, 0.8, 0.9), rgb("#145c0c"), 0.035)
    gloss(c, ring, 0.5, 0.22, 0.36, 0.14, 0.4)


def draw_view(c):
    page = polygon([(0.12, 0.06), (0.54, 0.06), (0.7, 0.22), (0.7, 0.92), (0.12, 0.92)])
    outlined(c, page, linear(rgb("#ffffff"), rgb("#d6e0ee"), 0.1, 0.1, 0.7, 0.9), rgb("#56677e"), 0.035)
    c.fill(polygon([(0.54, 0.06), (0.54, 0.22), (0.7, 0.22)]), solid(rgb("#aebdd2")))
    for y in (0.3, 0.41, 0.52, 0.63, 0.74):
        c.fill(rect(0.2, y, 0.6, y + 0.04), solid(rgb("#8696ae")))
    lx, ly, lr = 0.58, 0.56, 0.2
    c.fill(segment(lx + 0.15, ly + 0.15, 0.9, 0.9, 0.15), solid(rgb("#2b1d10")))
    c.fill(segment(lx + 0.15, ly + 0.15, 0.9, 0.9, 0.1), linear(rgb("#b07a45"), rgb("#5a3718"), 0.7, 0.7, 0.9, 0.9))
    c.fill(circle(lx, ly, lr), radial(rgb("#ffffff", 0.55), rgb("#7fc0ff", 0.55), lx - 0.06, ly - 0.06, lr))
    c.fill(arc(lx, ly, lr, 0.075, 0, 360), linear(rgb("#8090a4"), rgb("#27313e"), lx - lr, ly - lr, lx + lr, ly + lr))
    c.fill(intersect(circle(lx, ly, lr - 0.04), ellipse(lx - 0.05, ly - 0.08, 0.1, 0.06)), solid(rgb("#ffffff", 0.7)))


def draw_help(c):
    shadow(c, 0.5, 0.93, 0.34, 0.06)
    ball = circle(0.5, 0.49, 0.42)
    c.fill(circle(0.5, 0.49, 0.46), solid(rgb("#0b3f8f")))
    c.fill(ball, radial(rgb("#94ccff"), rgb("#1857c4"), 0.38, 0.32, 0.55))
    mark = union(arc(0.5, 0.37, 0.13, 0.09, 180, 90), segment(0.5, 0.5, 0.5, 0.58, 0.09), circle(0.5, 0.72, 0.06))
    c.fill(mark, solid(WHITE))
    gloss(c, ball, 0.5, 0.22, 0.3, 0.15)


def draw_exit(c):
    shadow(c, 0.5, 0.93, 0.34, 0.06)
    button = circle(0.5, 0.49, 0.42)
    c.fill(circle(0.5, 0.49, 0.46), solid(rgb("#6e0c0c")))
    c.fill(button, radial(rgb("#ff9a86"), rgb("#c01a1a"), 0.38, 0.32, 0.55))
    c.fill(union(arc(0.5, 0.52, 0.2, 0.085, 300, 240), segment(0.5, 0.22, 0.5, 0.48, 0.085)), solid(WHITE))
    gloss(c, button, 0.5, 0.22, 0.3, 0.15)


def draw_floppy(c):
    body = rect(0.1, 0.08, 0.9, 0.92, 0.07)
    outlined(c, body, linear(rgb("#5d8fe0"), rgb("#1c4796"), 0.1, 0.1, 0.9, 0.9), rgb("#102a5c"), 0.04)
    c.fill(rect(0.28, 0.08, 0.72, 0.4, 0.02), linear(rgb("#f2f4f7"), rgb("#9aa3b0"), 0.3, 0.1, 0.7, 0.4))
    c.fill(rect(0.52, 0.13, 0.63, 0.34), solid(rgb("#3a4250")))
    c.fill(rect(0.2, 0.52, 0.8, 0.92, 0.03), solid(rgb("#fbfbf6")))
    for y in (0.62, 0.74):
        c.fill(rect(0.27, y, 0.73, y + 0.05), solid(rgb("#9aa6c0")))


def draw_folder_back(c):
    back = polygon([(0.06, 0.2), (0.36, 0.2), (0.44, 0.3), (0.94, 0.3), (0.94, 0.88), (0.06, 0.88)])
    outlined(c, back, linear(rgb("#fbe3a0"), rgb("#d9a534"), 0.1, 0.2, 0.9, 0.9), rgb("#8c5f12"), 0.04)
    front = polygon([(0.06, 0.88), (0.18, 0.42), (0.98, 0.42), (0.86, 0.88)])
    outlined(c, front, linear(rgb("#ffe58a"), rgb("#e4a21f"), 0.2, 0.4, 0.8, 0.9), rgb("#8c5f12"), 0.03)
    # Coming back out of the backup.
    points = [(0.22, -0.06), (0.0, -0.06), (0.0, -0.16), (-0.2, 0.0), (0.0, 0.16), (0.0, 0.06), (0.22, 0.06)]
    shape = polygon(rotated(points, 0.62, 0.3, 35))
    outlined(c, shape, linear(rgb("#b4f08c"), rgb("#2c9418"), 0.4, 0.1, 0.8, 0.5), rgb("#17590b"), 0.04)


def draw_about_strip(c):
    height = c.height / c.scale
    c.fill(rect(0.0, 0.0, 1.0, height), linear(rgb("#0a246a"), rgb("#7fa9dc"), 0.0, 0.0, 0.0, height))
    for i, r in enumerate((1.2, 1.9, 2.6, 3.3, 4.0)):
        c.fill(arc(-0.4, height + 0.2, r, 0.05 + 0.02 * i, 0, 360), solid(rgb("#ffffff", 0.12)))
    for y in (1.5, 2.3, 3.1):
        c.fill(circle(0.5, y, 0.05), solid(rgb("#ffffff", 0.35)))


# --- output ------------------------------------------------------------------

def render(draw, width, height=None):
    canvas = Canvas(width, height)
    draw(canvas)
    return canvas


def blit(target, source, left, top):
    for y in range(source.height):
        for x in range(source.width):
            r, g, b, a = source.pixels[y * source.width + x]
            if a > 0.0:
                target._over(left + x, top + y, (r, g, b, a))


TOOL_ICONS = {
    "tool_optimize.ico": draw_gauge,
    "tool_restore.ico": draw_restore,
    "tool_view.ico": draw_view,
    "tool_help.ico": draw_help,
    "tool_exit.ico": draw_exit,
}

MENU_BITMAPS = {
    "menu_optimize.bmp": draw_gauge,
    "menu_view.bmp": draw_view,
    "menu_backup.bmp": draw_floppy,
    "menu_restore_previous.bmp": draw_folder_back,
    "menu_restore_defaults.bmp": draw_restore,
    "menu_exit.bmp": draw_exit,
    "menu_contents.bmp": draw_help,
}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    write_ico(os.path.join(folder, "ventaro.ico"), [render(draw_globe, size) for size in (48, 32, 24, 16)])
    for name, draw in TOOL_ICONS.items():
        write_ico(os.path.join(folder, name), [render(draw, 28)])
    for name, draw in MENU_BITMAPS.items():
        write_bmp(os.path.join(folder, name), render(draw, 16), MENU_BACKGROUND, MENU_KEY)
    strip = render(draw_about_strip, 41, 195)
    blit(strip, render(draw_globe, 32), 4, 10)
    write_bmp(os.path.join(folder, "about_strip.bmp"), strip, (0, 0, 0))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
