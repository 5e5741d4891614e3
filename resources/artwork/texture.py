"""Helpers for pictures that Banderix repeats side by side across a caption: smooth noise and
curves that come round to where they started after a given width, so the copies meet without a
seam, and the step from float colours to bytes without visible banding."""

import math
import random

# A 4x4 ordered-dither matrix, centred on zero. Its period divides every sample's width, so the
# pattern continues across the join of two copies.
_BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
_THRESHOLD = [[(v + 0.5) / 16.0 - 0.5 for v in row] for row in _BAYER]


def wrapped(x, period):
    """The distance from 0 to x along a circle of the given circumference: for glows and shapes
    that must fade out the same way on both sides of the join."""
    x %= period
    return min(x, period - x)


def waves(period, terms):
    """y(x) as a sum of sines that each complete a whole number of cycles over period:
    terms are (amplitude, cycles, phase)."""
    parts = [(a, 2.0 * math.pi * cycles / period, phase) for a, cycles, phase in terms]
    return lambda x: sum(a * math.sin(k * x + phase) for a, k, phase in parts)


class Noise:
    """Smooth value noise in 0..1: random values on a grid of cells, blended with a smoothstep.
    Across, the grid wraps after `period` pixels; down, it spans `height` pixels and stops
    (pictures are only ever repeated across)."""

    def __init__(self, seed, period, height, cells_across, cells_down):
        rng = random.Random(seed)
        self.cells_across = cells_across
        self.cells_down = cells_down
        self.scale_x = cells_across / period
        self.scale_y = cells_down / height
        self.grid = [[rng.random() for _ in range(cells_across)] for _ in range(cells_down + 1)]

    def __call__(self, x, y):
        gx, gy = x * self.scale_x, y * self.scale_y
        ix, iy = int(math.floor(gx)), int(math.floor(gy))
        fx, fy = _smooth(gx - ix), _smooth(gy - iy)
        i0, i1 = ix % self.cells_across, (ix + 1) % self.cells_across
        j0, j1 = min(max(iy, 0), self.cells_down), min(max(iy + 1, 0), self.cells_down)
        top = self.grid[j0][i0] + (self.grid[j0][i1] - self.grid[j0][i0]) * fx
        bottom = self.grid[j1][i0] + (self.grid[j1][i1] - self.grid[j1][i0]) * fx
        return top + (bottom - top) * fy


def fractal(seed, period, height, cells_across, cells_down, octaves):
    """Noise with detail: each octave has twice the cells and half the weight of the one before."""
    layers = [Noise(seed + n, period, height, cells_across << n, cells_down << n) for n in range(octaves)]
    weights = [0.5 ** n for n in range(octaves)]
    total = sum(weights)
    return lambda x, y: sum(w * layer(x, y) for w, layer in zip(weights, layers)) / total


def to_rows(canvas):
    """The canvas as rows of (r, g, b) bytes for a 24-bit bitmap, ordered-dithered so gentle
    gradients do not break into bands of flat colour."""
    rows = []
    for y in range(canvas.height):
        row = []
        thresholds = _THRESHOLD[y % 4]
        for x in range(canvas.width):
            r, g, b, a = canvas.pixels[y * canvas.width + x]
            t = thresholds[x % 4]
            row.append(tuple(min(max(int(math.floor(c * a + 0.5 + t)), 0), 255) for c in (r, g, b)))
        rows.append(row)
    return rows


def _smooth(t):
    return t * t * (3.0 - 2.0 * t)
