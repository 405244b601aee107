"""A small anti-aliased rasteriser and the Windows icon and bitmap writers.

Shapes are predicates over a unit square (0..1 both ways, y down), so one
drawing serves every size: the canvas maps its pixels onto that square and
samples each pixel on a grid.
"""

import math
import struct

SAMPLES = 4  # per axis and pixel


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def rgb(hex_colour, alpha=1.0):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0, alpha)


# --- shapes: predicates (x, y) -> bool ---------------------------------------

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def rect(x0, y0, x1, y1, radius=0.0):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = max(x0 + radius - x, 0.0, x - (x1 - radius))
        dy = max(y0 + radius - y, 0.0, y - (y1 - radius))
        return dx * dx + dy * dy <= radius * radius
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def segment(x0, y0, x1, y1, width):
    """A stroke with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-12
    half2 = (width / 2.0) ** 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= half2
    return inside


def arc(cx, cy, r, width, start, end):
    """A ring sector from angle start to end, degrees clockwise from 3 o'clock."""
    inner2, outer2 = (r - width / 2.0) ** 2, (r + width / 2.0) ** 2
    span = (end - start) % 360.0 or 360.0

    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not inner2 <= d2 <= outer2:
            return False
        angle = math.degrees(math.atan2(y - cy, x - cx))
        return (angle - start) % 360.0 <= span
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, *holes):
    return lambda x, y: shape(x, y) and not any(h(x, y) for h in holes)


def intersect(*shapes):
    return lambda x, y: all(s(x, y) for s in shapes)


def grown(shape, by):
    """The shape widened by a distance, sampled on eight directions."""
    offsets = [(by * math.cos(a), by * math.sin(a)) for a in (i * math.pi / 4 for i in range(8))]
    return lambda x, y: shape(x, y) or any(shape(x + dx, y + dy) for dx, dy in offsets)


# --- paints: (x, y) -> colour ------------------------------------------------

def solid(colour):
    return lambda x, y: colour


def linear(c0, c1, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def paint(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return mix(c0, c1, t)
    return paint


def radial(c0, c1, cx, cy, r):
    def paint(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return mix(c0, c1, t)
    return paint


# --- canvas ------------------------------------------------------------------

class Canvas:
    def __init__(self, width, height=None):
        self.width = width
        self.height = height or width
        self.pixels = [(0.0, 0.0, 0.0, 0.0)] * (self.width * self.height)
        # One unit spans the shorter side; a tall canvas extends below 1.
        self.scale = float(min(self.width, self.height))

    def fill(self, shape, paint):
        step = 1.0 / SAMPLES
        offsets = [(i + 0.5) * step for i in range(SAMPLES)]
        total = SAMPLES * SAMPLES
        for py in range(self.height):
            for px in range(self.width):
                hits = 0
                for oy in offsets:
                    y = (py + oy) / self.scale
                    for ox in offsets:
                        if shape((px + ox) / self.scale, y):
                            hits += 1
                if hits:
                    cx, cy = (px + 0.5) / self.scale, (py + 0.5) / self.scale
                    r, g, b, a = paint(cx, cy)
                    self._over(px, py, (r, g, b, a * hits / total))

    def _over(self, px, py, colour):
        i = py * self.width + px
        dr, dg, db, da = self.pixels[i]
        sr, sg, sb, sa = colour
        oa = sa + da * (1.0 - sa)
        if oa <= 0.0:
            return
        k = da * (1.0 - sa)
        self.pixels[i] = ((sr * sa + dr * k) / oa, (sg * sa + dg * k) / oa, (sb * sa + db * k) / oa, oa)

    def bytes_at(self, px, py):
        r, g, b, a = self.pixels[py * self.width + px]
        return tuple(int(round(max(0.0, min(1.0, v)) * 255)) for v in (r, g, b, a))


# --- file formats ------------------------------------------------------------

def _icon_image(canvas):
    w, h = canvas.width, canvas.height
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for py in reversed(range(h)):
        row_mask = bytearray(mask_stride)
        for px in range(w):
            r, g, b, a = canvas.bytes_at(px, py)
            colour += bytes((b, g, r, a))
            if a < 128:  # what systems without alpha leave out
                row_mask[px // 8] |= 0x80 >> (px % 8)
        mask += row_mask
    return header + bytes(colour) + bytes(mask)


def write_ico(path, canvases):
    images = [_icon_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def write_bmp(path, canvas, background, key=None):
    """A 24-bit bitmap. Pixels under half cover become the key colour when one
    is given, the others are laid over the background."""
    w, h = canvas.width, canvas.height
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for py in reversed(range(h)):
        row = bytearray()
        for px in range(w):
            r, g, b, a = canvas.bytes_at(px, py)
            if key is not None and a < 128:
                r, g, b = key
            else:
                t = a / 255.0
                r, g, b = (int(round(c * t + bg * (1.0 - t))) for c, bg in zip((r, g, b), background))
            row += bytes((b, g, r))
        data += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + data)
