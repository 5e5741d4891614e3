"""Reduces a true-colour picture to 256 colours for 8-bit bitmaps: an adaptive palette by median
cut around the twenty colours a 256-colour display reserves, then Floyd-Steinberg dithering so
gradients stay smooth."""

from collections import Counter

# The colours Windows keeps for itself in a 256-colour display's palette, first ten and last
# ten. Putting them at the same places in the picture's own palette means realising it on such
# a display changes none of them, and the picture may use them like any other colour.
SYSTEM_LOW = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
              (192, 192, 192), (192, 220, 192), (166, 202, 240)]
SYSTEM_HIGH = [(255, 251, 240), (160, 160, 164), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
               (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]

# The eye is most sensitive to green and least to blue; distances weigh the channels so.
_WEIGHTS = (3, 4, 2)


def _distance(a, b):
    return sum(w * (x - y) * (x - y) for w, x, y in zip(_WEIGHTS, a, b))


class _Box:
    def __init__(self, entries):
        self.entries = entries  # [(colour, count)]
        self.count = sum(n for _, n in entries)
        self.mean = tuple(sum(c[i] * n for c, n in entries) / self.count for i in range(3))
        self.error = sum(n * _distance(c, self.mean) for c, n in entries)

    def split(self):
        spread = [sum(n * (c[i] - self.mean[i]) ** 2 for c, n in self.entries) * _WEIGHTS[i] for i in range(3)]
        channel = spread.index(max(spread))
        ordered = sorted(self.entries, key=lambda e: e[0][channel])
        half, running = self.count / 2.0, 0
        for cut, (_, n) in enumerate(ordered):
            running += n
            if running >= half:
                break
        cut = min(max(cut + 1, 1), len(ordered) - 1)
        return _Box(ordered[:cut]), _Box(ordered[cut:])


def adaptive_palette(rows, count):
    """Up to count colours that represent the picture, by repeatedly splitting the group of
    colours that is worst served by its average."""
    histogram = Counter(colour for row in rows for colour in row)
    boxes = [_Box(list(histogram.items()))]
    while len(boxes) < count:
        splittable = [b for b in boxes if len(b.entries) > 1]
        if not splittable:
            break
        worst = max(splittable, key=lambda b: b.error)
        boxes.remove(worst)
        boxes.extend(worst.split())
    return [tuple(int(round(v)) for v in b.mean) for b in boxes]


def system_palette(rows):
    """The picture's 256-entry palette: the reserved colours at both ends, its own between."""
    own = adaptive_palette(rows, 256 - len(SYSTEM_LOW) - len(SYSTEM_HIGH))
    own += [(0, 0, 0)] * (236 - len(own))
    return SYSTEM_LOW + own + SYSTEM_HIGH


def dither(rows, palette):
    """Palette indexes for rows of (r, g, b), by Floyd-Steinberg error diffusion along
    alternating directions (which avoids the diagonal streaks of one-way scanning)."""
    height, width = len(rows), len(rows[0])
    nearest_cache = {}
    exact = {}
    for i, colour in enumerate(palette):
        exact.setdefault(colour, i)

    def nearest(r, g, b):
        # Colours the palette holds map to themselves, so flat areas carry no dither noise.
        found = exact.get((int(round(r)), int(round(g)), int(round(b))))
        if found is not None:
            return found
        key = (int(r) >> 2, int(g) >> 2, int(b) >> 2)
        found = nearest_cache.get(key)
        if found is None:
            probe = (key[0] * 4 + 2, key[1] * 4 + 2, key[2] * 4 + 2)
            found = min(range(len(palette)), key=lambda i: _distance(palette[i], probe))
            nearest_cache[key] = found
        return found

    error_here = [[0.0, 0.0, 0.0] for _ in range(width + 2)]
    out = []
    for y in range(height):
        error_next = [[0.0, 0.0, 0.0] for _ in range(width + 2)]
        line = [0] * width
        forward = y % 2 == 0
        step = 1 if forward else -1
        for x in (range(width) if forward else range(width - 1, -1, -1)):
            e = error_here[x + 1]
            wanted = [min(max(rows[y][x][i] + e[i], 0.0), 255.0) for i in range(3)]
            index = nearest(*wanted)
            line[x] = index
            got = palette[index]
            for i in range(3):
                err = wanted[i] - got[i]
                if err:
                    error_here[x + 1 + step][i] += err * 7 / 16
                    error_next[x + 1 - step][i] += err * 3 / 16
                    error_next[x + 1][i] += err * 5 / 16
                    error_next[x + 1 + step][i] += err * 1 / 16
        out.append(line)
        error_here = error_next
    return out
