"""Drawing primitives for the suite's artwork: an RGBA canvas, gradients, shapes with smooth
edges, bevels and blits. Everything is integer pixel geometry so small icons stay crisp; only
the shapes that need it are sampled for smooth edges."""

import math


def mix(a, b, t):
    """Colour between a (t=0) and b (t=1); both RGB or both RGBA."""
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def ramp(stops, t):
    """Colour at t along stops [(position, colour), ...] sorted by position."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
    return stops[-1][1]


class Canvas:
    """Straight (not premultiplied) RGBA pixels, channels as floats 0..255, alpha 0..1.
    A new canvas is fully transparent unless given a background."""

    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        fill = (0.0, 0.0, 0.0, 0.0) if background is None else _rgba(background)
        self.pixels = [list(fill) for _ in range(width * height)]

    def get(self, x, y):
        return tuple(self.pixels[y * self.width + x])

    def put(self, x, y, colour, coverage=1.0):
        """Composites colour over the pixel; coverage scales the colour's own alpha."""
        if not (0 <= x < self.width and 0 <= y < self.height):
            return
        r, g, b, a = _rgba(colour)
        a *= coverage
        if a <= 0.0:
            return
        p = self.pixels[y * self.width + x]
        if a >= 1.0:
            p[0], p[1], p[2], p[3] = r, g, b, 1.0
            return
        out_a = a + p[3] * (1.0 - a)
        keep = p[3] * (1.0 - a) / out_a
        take = a / out_a
        p[0] = r * take + p[0] * keep
        p[1] = g * take + p[1] * keep
        p[2] = b * take + p[2] * keep
        p[3] = out_a

    # Rectangles use half-open bounds: x0 <= x < x1, y0 <= y < y1.

    def fill_rect(self, x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.put(x, y, colour)

    def frame_rect(self, x0, y0, x1, y1, colour):
        self.fill_rect(x0, y0, x1, y0 + 1, colour)
        self.fill_rect(x0, y1 - 1, x1, y1, colour)
        self.fill_rect(x0, y0 + 1, x0 + 1, y1 - 1, colour)
        self.fill_rect(x1 - 1, y0 + 1, x1, y1 - 1, colour)

    def bevel(self, x0, y0, x1, y1, light, dark):
        """One-pixel raised edge: light along the top and left, dark along the bottom and right."""
        self.fill_rect(x0, y0, x1 - 1, y0 + 1, light)
        self.fill_rect(x0, y0 + 1, x0 + 1, y1 - 1, light)
        self.fill_rect(x0, y1 - 1, x1, y1, dark)
        self.fill_rect(x1 - 1, y0, x1, y1 - 1, dark)

    def gradient_rect(self, x0, y0, x1, y1, stops, vertical=True):
        """Fills with a ramp running top to bottom (or left to right), sampled at pixel centres."""
        span = (y1 - y0) if vertical else (x1 - x0)
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                along = (y - y0) if vertical else (x - x0)
                self.put(x, y, ramp(stops, (along + 0.5) / span))

    def fill_region(self, x0, y0, x1, y1, inside, colour, samples=4):
        """Fills the pixels of a box covered by inside(x, y) (continuous coordinates), each
        weighted by how many of samples x samples points fall inside, so edges come out smooth.
        colour may be a function (x, y) -> colour for shaded fills."""
        step = 1.0 / samples
        offsets = [(i + 0.5) * step for i in range(samples)]
        total = samples * samples
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                hits = sum(1 for oy in offsets for ox in offsets if inside(x + ox, y + oy))
                if hits:
                    c = colour(x, y) if callable(colour) else colour
                    self.put(x, y, c, hits / total)

    def fill_circle(self, cx, cy, radius, colour):
        r2 = radius * radius
        self.fill_region(int(cx - radius) - 1, int(cy - radius) - 1, int(cx + radius) + 2, int(cy + radius) + 2,
                         lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r2, colour)

    def fill_round_rect(self, x0, y0, x1, y1, radius, colour):
        def inside(x, y):
            dx = max(x0 + radius - x, 0.0, x - (x1 - radius))
            dy = max(y0 + radius - y, 0.0, y - (y1 - radius))
            return dx * dx + dy * dy <= radius * radius

        self.fill_region(x0, y0, x1, y1, inside, colour)

    def fill_below(self, x0, x1, y_bottom, ridge, colour):
        """Fills from the curve y = ridge(x) down to y_bottom: hills, waves, horizons."""
        top = min(ridge(x + 0.5) for x in range(x0, x1))
        self.fill_region(x0, int(math.floor(top)), x1, y_bottom, lambda x, y: y >= ridge(x), colour)

    def blit(self, source, x, y):
        """Composites another canvas with its top-left corner at (x, y)."""
        for sy in range(source.height):
            for sx in range(source.width):
                p = source.pixels[sy * source.width + sx]
                if p[3] > 0.0:
                    self.put(x + sx, y + sy, p)

    def shadow(self, x0, y0, x1, y1, offset, strength=0.35, blur=2):
        """A soft dark shadow of the box, moved down and right by offset."""
        for y in range(y0 + offset - blur, y1 + offset + blur):
            for x in range(x0 + offset - blur, x1 + offset + blur):
                dx = max(x0 + offset - x - 0.5, 0.0, x + 0.5 - (x1 + offset))
                dy = max(y0 + offset - y - 0.5, 0.0, y + 0.5 - (y1 + offset))
                fade = 1.0 - min(math.hypot(dx, dy) / (blur + 0.5), 1.0)
                self.put(x, y, (0, 0, 0, strength * fade))

    def opaque_rgb(self):
        """Rows of (r, g, b) integer tuples, transparent parts over black."""
        return [[tuple(int(round(c * p[3])) for c in p[:3]) for p in self.pixels[y * self.width:(y + 1) * self.width]]
                for y in range(self.height)]


def _rgba(colour):
    if len(colour) == 4:
        return tuple(float(c) for c in colour[:3]) + (float(colour[3]),)
    return tuple(float(c) for c in colour) + (1.0,)
