"""Bandsmith's pictures: the program icon, the icons of its three document types, the toolbar
strip and the splash. The editor makes what Banderix paints, so its motif is a caption strip
being painted: a brush laying colour along a window's caption."""

import math
import random

import pixelfont
from draw import Canvas, mix, ramp
from painter_art import DARK, FACE, INK, LIGHT, OCEAN, PAPER, RAINBOW, SHADE, TEXT_LINES, VGA
from painter_art import _caption_buttons as caption_buttons

DUSK = [(0.0, (40, 62, 150)), (0.55, (232, 128, 120)), (1.0, (255, 206, 130))]
HANDLE = [(0.0, (236, 92, 70)), (0.45, (196, 40, 36)), (1.0, (112, 18, 22))]
STEEL = [(0.0, (250, 252, 255)), (0.5, (170, 182, 204)), (1.0, (96, 108, 134))]
BRISTLE = (140, 100, 60)
WET_PAINT = (226, 38, 62)


# --- Shapes ------------------------------------------------------------------------------------


def _along(px, py, x0, y0, x1, y1):
    """(t, d): how far along the segment the point projects (0 at its start, 1 at its end) and
    its distance from the segment's line."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    t = ((px - x0) * dx + (py - y0) * dy) / length2
    return t, abs((px - x0) * dy - (py - y0) * dx) / math.sqrt(length2)


def _taper(canvas, start, end, w0, w1, colour, round_ends=False):
    """A band from start to end whose width goes from w0 to w1, with smooth edges; colour may
    be a function of (t, side) where side runs -1..1 across the band, for shading."""
    (x0, y0), (x1, y1) = start, end
    reach = max(w0, w1) / 2.0 + 1
    bx0, bx1 = int(min(x0, x1) - reach), int(max(x0, x1) + reach) + 1
    by0, by1 = int(min(y0, y1) - reach), int(max(y0, y1) + reach) + 1
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)

    def half_width(t):
        return (w0 + (w1 - w0) * min(max(t, 0.0), 1.0)) / 2.0

    def inside(x, y):
        t, d = _along(x, y, x0, y0, x1, y1)
        if 0.0 <= t <= 1.0:
            return d <= half_width(t)
        if not round_ends:
            return False
        end_x, end_y = (x0, y0) if t < 0 else (x1, y1)
        return math.hypot(x - end_x, y - end_y) <= half_width(t)

    def shade(x, y):
        if not callable(colour):
            return colour
        cx, cy = x + 0.5, y + 0.5
        t, _ = _along(cx, cy, x0, y0, x1, y1)
        side = ((cx - x0) * dy - (cy - y0) * dx) / length / max(half_width(t), 0.5)
        return colour(min(max(t, 0.0), 1.0), min(max(side, -1.0), 1.0))

    canvas.fill_region(bx0, by0, bx1, by1, inside, shade)


def _brush(canvas, tip, heel, scale, paint=WET_PAINT, shadow=0):
    """A paintbrush lying from heel (the handle's end) to tip (the bristles' point): a lacquered
    handle, a steel ferrule and bristles wet with paint toward the tip. scale is the handle's
    width in pixels; shadow, when given, is how far below the brush its shadow falls."""
    tx, ty = tip
    hx, hy = heel
    length = math.hypot(hx - tx, hy - ty)
    ux, uy = (hx - tx) / length, (hy - ty) / length

    def point(distance, offset=0):
        return tx + ux * distance + offset, ty + uy * distance + offset

    bristles, ferrule = 0.22 * length, 0.36 * length
    if shadow:
        dark = (0, 0, 0, 0.3)
        _taper(canvas, point(ferrule, shadow), point(length, shadow), scale, scale * 0.8, dark, True)
        _taper(canvas, point(0, shadow), point(ferrule, shadow), scale * 0.25, scale * 1.15, dark, True)
    _taper(canvas, point(ferrule), heel, scale, scale * 0.8, lambda t, s: ramp(HANDLE, (s + 1) / 2), True)
    _taper(canvas, point(bristles), point(ferrule), scale * 1.1, scale * 1.15,
           lambda t, s: ramp(STEEL, (s + 1) / 2))

    def bristle(t, s):
        wet = mix(paint, BRISTLE, min(max(t - 0.35, 0.0) / 0.5, 1.0))
        return mix(wet, (0, 0, 0), 0.3 * (s + 1) / 2)

    _taper(canvas, tip, point(bristles + 0.5), scale * 0.25, scale * 1.1, bristle, True)


def _caption_band(canvas, x0, y0, x1, y1, stops, painted_to=None, ragged=0.0):
    """A caption band coloured along stops, left to right, lit along its top rows. With
    painted_to, only the part left of that column is painted (its edge wavy by up to ragged
    pixels, as a brush leaves it) and the rest stays bare paper."""
    rows = y1 - y0
    for y in range(y0, y1):
        edge = None
        if painted_to is not None:
            edge = painted_to + ragged * math.sin((y - y0) * 1.7 + 0.6)
        for x in range(x0, x1):
            if edge is not None and x + 0.5 > edge:
                if x < edge + 1:
                    # The half-covered pixel along the edge of the paint.
                    canvas.put(x, y, ramp(stops, (x - x0 + 0.5) / (x1 - x0)), edge - x)
                continue
            c = ramp(stops, (x - x0 + 0.5) / (x1 - x0))
            if rows > 3 and y - y0 < rows // 2:
                c = mix(c, PAPER, 0.25 * (1 - (y - y0) / max(rows // 2, 1)))
            canvas.put(x, y, c)


def _page(canvas, x0, y0, x1, y1, ear, outline=INK, fill=PAPER):
    """A sheet of paper with its top-right corner folded over by ear pixels."""

    def inside(x, y):
        return x0 <= x < x1 and y0 <= y < y1 and (x - (x1 - ear)) <= (y - y0)

    def shade(x, y):
        edge = (x < x0 + 1 or y >= y1 - 1 or x >= x1 - 1 or y < y0 + 1
                or (x - (x1 - ear)) >= (y - y0) - 1.0)
        return outline if edge else fill

    canvas.fill_region(x0, y0, x1, y1, inside, shade, samples=2)
    # The fold: the corner turned down, darker than the page.
    for i in range(ear):
        for j in range(i):
            canvas.put(x1 - ear + j, y0 + i, mix(fill, outline, 0.22))
    for i in range(ear + 1):
        canvas.put(x1 - ear - 1, y0 + i, outline)
        canvas.put(x1 - ear - 1 + i, y0 + ear, outline)


# --- Program icon ------------------------------------------------------------------------------


def _window_outline(canvas, x0, y0, x1, y1, caption, painted_fraction, ragged):
    """A window whose caption is painted only partly: the brush has got this far."""
    canvas.fill_rect(x0, y0, x1, y1, INK)
    canvas.fill_rect(x0 + 1, y0 + 1, x1 - 1, y0 + 1 + caption, PAPER)
    edge = x0 + 1 + (x1 - x0 - 2) * painted_fraction
    _caption_band(canvas, x0 + 1, y0 + 1, x1 - 1, y0 + 1 + caption, RAINBOW, edge, ragged)
    canvas.fill_rect(x0 + 1, y0 + 2 + caption, x1 - 1, y1 - 1, PAPER)


def program_icon(size):
    c = Canvas(size, size)
    paint = ramp(RAINBOW, 0.6)  # the colour the band has reached under the brush
    if size == 16:
        _window_outline(c, 0, 1, 16, 13, 5, 0.62, 0.0)
        c.fill_rect(2, 9, 8, 10, TEXT_LINES)
        _brush(c, (9.6, 4.0), (15.6, 15.6), 2.6, paint)
    elif size == 32:
        _window_outline(c, 0, 2, 31, 25, 8, 0.6, 0.8)
        for n, length in enumerate((16, 11, 14)):
            c.fill_rect(3, 14 + 3 * n, 3 + length, 15 + 3 * n, TEXT_LINES)
        _brush(c, (18.5, 6.0), (31.2, 31.2), 4.6, paint, shadow=1)
    elif size == 48:
        _window_outline(c, 0, 3, 46, 37, 12, 0.6, 1.0)
        for n, length in enumerate((24, 17, 21, 12)):
            c.fill_rect(4, 20 + 4 * n, 4 + length, 22 + 4 * n, TEXT_LINES)
        _brush(c, (27.5, 8.5), (47.0, 47.0), 6.8, paint, shadow=2)
    else:
        raise ValueError("the program icon is drawn at 16, 32 and 48 pixels")
    return c


# --- Document icons ----------------------------------------------------------------------------

# Page boxes (x0, y0, x1, y1, ear) of the document icons at each size.
_PAGES = {16: (2, 0, 14, 16, 4), 32: (4, 0, 28, 32, 8), 48: (6, 0, 42, 48, 11)}


def _landscape(canvas, x0, y0, x1, y1, sun=0.62):
    """Dusk sky, a low sun (at that fraction of the width) and two ranges of hills, the kind of
    picture a background holds."""
    h = y1 - y0
    canvas.gradient_rect(x0, y0, x1, y1, DUSK)
    canvas.fill_circle(x0 + (x1 - x0) * sun, y0 + h * 0.55, max(h * 0.2, 1.2), (255, 240, 190))

    def hills(top, waves, colour):
        canvas.fill_region(x0, y0, x1, y1, lambda x, y: y >= top + sum(
            a * math.sin((x - x0) / p + phase) for a, p, phase in waves), colour)

    hills(y0 + h * 0.6, [(h * 0.12, max(h * 0.35, 2.0), 0.5)], (112, 74, 132))
    hills(y0 + h * 0.78, [(h * 0.08, max(h * 0.5, 2.0), 2.0)], (46, 58, 92))


def background_icon(size):
    """A page holding a picture."""
    c = Canvas(size, size)
    x0, y0, x1, y1, ear = _PAGES[size]
    _page(c, x0, y0, x1, y1, ear)
    inset = {16: 2, 32: 3, 48: 5}[size]
    top = {16: 5, 32: 10, 48: 15}[size]
    bottom = {16: 12, 32: 24, 48: 36}[size]
    c.fill_rect(x0 + inset - 1, top - 1, x1 - inset + 1, bottom + 1, INK)
    _landscape(c, x0 + inset, top, x1 - inset, bottom)
    if size > 16:
        step = 3 if size == 32 else 4
        for n, length in enumerate((0.8, 0.55)):
            y = bottom + 3 + n * step
            c.fill_rect(x0 + inset, y, x0 + inset + int((x1 - x0 - 2 * inset) * length), y + size // 24, TEXT_LINES)
    return c


def foreground_icon(size):
    """A page of text lines, the first running along a caption strip."""
    c = Canvas(size, size)
    x0, y0, x1, y1, ear = _PAGES[size]
    _page(c, x0, y0, x1, y1, ear)
    inset = {16: 2, 32: 3, 48: 5}[size]
    band_top, band = {16: (5, 4), 32: (9, 7), 48: (14, 10)}[size]
    _caption_band(c, x0 + 1, band_top, x1 - 1, band_top + band, OCEAN)
    # The line of text in the caption, moving left: an arrow head, then words.
    mid = band_top + band // 2
    thick = max(size // 16, 1)
    head = thick + 1
    left = x0 + inset
    for i in range(head + 1):
        c.fill_rect(left + i, mid - i, left + i + 1, mid + i + thick, PAPER)
    x = left + head + 3
    for word in (0.3, 0.2, 0.35):
        length = max(int((x1 - x0) * word), 2)
        end = min(x + length, x1 - inset)
        c.fill_rect(x, mid, end, mid + thick, PAPER)
        x = end + thick + 1
    step = {16: 2, 32: 4, 48: 5}[size]
    y = band_top + band + step
    lengths = (0.9, 0.7, 0.85, 0.5, 0.75, 0.6)
    n = 0
    while y + thick <= y1 - step // 2:
        width = int((x1 - x0 - 2 * inset) * lengths[n % len(lengths)])
        c.fill_rect(x0 + inset, y, x0 + inset + width, y + thick, (88, 96, 122))
        y += step
        n += 1
    return c


def mail_icon(size):
    """An envelope with a stamp, a letter showing a painted caption pulled half out of it."""
    c = Canvas(size, size)
    s = size / 32.0
    # The letter, behind the envelope's front.
    lx0, lx1, ly0 = int(round(7 * s)), int(round(25 * s)), int(round(1 * s))
    c.fill_rect(lx0, ly0, lx1, int(round(20 * s)), INK)
    c.fill_rect(lx0 + 1, ly0 + 1, lx1 - 1, int(round(20 * s)), PAPER)
    band = max(int(round(5 * s)), 3)
    _caption_band(c, lx0 + 1, ly0 + 1, lx1 - 1, ly0 + 1 + band, RAINBOW)
    if size > 16:
        for n in range(2):
            y = ly0 + band + int(round((3 + 3 * n) * s))
            c.fill_rect(lx0 + 3, y, lx1 - 3 - 3 * n, y + max(size // 24, 1), TEXT_LINES)
    # The envelope: a body with the sides folded in, drawn as a V from the corners.
    ex0, ex1, ey0, ey1 = 0, size, int(round(11 * s)), int(round(30 * s))
    body = (250, 242, 214)
    fold = (226, 212, 172)
    c.fill_rect(ex0, ey0, ex1, ey1, INK)
    c.fill_rect(ex0 + 1, ey0 + 1, ex1 - 1, ey1 - 1, body)
    half = (ex1 - ex0) / 2.0
    deep = (ey1 - ey0) * 0.55

    def flap(x, y):
        return y - ey0 <= deep * (1 - abs(x - half) / half) + 0.5

    c.fill_region(ex0 + 1, ey0 + 1, ex1 - 1, ey1 - 1, lambda x, y: not flap(x, y) and y > ey0 + 1, fold,
                  samples=2)
    c.fill_region(ex0 + 1, ey0 + 1, ex1 - 1, ey1 - 1,
                  lambda x, y: flap(x, y) and not flap(x, y + 1.2) and y > ey0 + 1, (150, 128, 86), samples=2)
    # The stamp, top right of the front.
    st = max(int(round(6 * s)), 4)
    sx, sy = ex1 - 2 - st, ey1 - 2 - st
    c.fill_rect(sx, sy, sx + st, sy + st, (196, 40, 36))
    c.fill_rect(sx + 1, sy + 1, sx + st - 1, sy + st - 1, (238, 96, 64))
    if size >= 32:
        c.frame_rect(sx + 2, sy + 2, sx + st - 2, sy + st - 2, (255, 226, 170))
    return c


# --- Toolbar -----------------------------------------------------------------------------------

TOOLBAR_BUTTON = (16, 15)

# Button glyphs on the button face, drawn with the sixteen classic colours (VGA keys), so
# the framework can swap the face grey for the system's button colour when it loads them.
_GLYPH_ROWS = {
    "open": [
        "................",
        "..........kkk...",
        ".........k...k.k",
        "..............kk",
        ".kkk.........kkk",
        "kwwwkkkkkkk.....",
        "kwooooooook.....",
        "kwoookkkkkkkkkkk",
        "kwookYYYYYYYYYk.",
        "kwokYYYYYYYYYk..",
        "kwkYYYYYYYYYk...",
        "kkYYYYYYYYYk....",
        "kkkkkkkkkkk.....",
        "................",
        "................",
    ],
    "save": [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".knkwwwwwwwwknk.",
        ".knkwddddddwknk.",
        ".knkwwwwwwwwknk.",
        ".knkwddddddwknk.",
        ".knkwwwwwwwwknk.",
        ".knnkkkkkkkknnk.",
        ".knnnnnnnnnnnnk.",
        ".knnsssssssssnk.",
        ".knnsskkssssnnk.",
        ".knnsskkssssnnk.",
        ".knnsskkssssnnk.",
        "..kkkkkkkkkkkkk.",
        "................",
    ],
    "cut": [
        "................",
        "....k.....k.....",
        "....k.....k.....",
        "....k.....k.....",
        "....kk...kk.....",
        ".....k...k......",
        ".....kk.kk......",
        "......kkk.......",
        ".......k........",
        "......nkn.......",
        "....nnn.nnn.....",
        "...n..n.n..n....",
        "...n..n.n..n....",
        "...n..n.n..n....",
        "....nn...nn.....",
    ],
    "print": [
        "................",
        "....kkkkkkkk....",
        "....kwwwwwwk....",
        "....kwkkkkwk....",
        "....kwwwwwwk....",
        "...kwkkkkkwk....",
        "..kkkkkkkkkkkk..",
        ".kwwwwwwwwwwwdk.",
        ".kssssssssssssdk",
        ".ksssssssssGYsdk",
        ".kddddddddddddk.",
        "..kwwwwwwwwwwk..",
        "..kwkkkkkkkwk...",
        "..kwwwwwwwwk....",
        "..kkkkkkkkkk....",
    ],
    "about": [
        "................",
        ".....nnnnnn.....",
        "....nnBBBBnnk...",
        "...nnBnkkknBnk..",
        "...nBnk...nBnk..",
        "....kk...nBnkk..",
        "........nBnkk...",
        ".......nBnkk....",
        "......nBnkk.....",
        "......nBnk......",
        ".......kk.......",
        "......nnn.......",
        "......nBnk......",
        "......nnnk......",
        ".......kkk......",
    ],
}


def _glyph(canvas, left, rows):
    for y, line in enumerate(rows):
        for x, key in enumerate(line):
            if key != ".":
                canvas.put(left + x, y, VGA[key])


def _text_page(canvas, x0, y0, x1, y1, lines=True):
    """A small page for the file and clipboard glyphs: black outline, dog-ear, grey text."""
    ear = 3
    for y in range(y0, y1):
        right = min(x1, x1 - ear + (y - y0))  # the diagonal of the fold cuts the top rows short
        canvas.fill_rect(x0, y, right, y + 1, VGA["w"])
        canvas.put(x0, y, VGA["k"])
        canvas.put(right - 1, y, VGA["k"])
    canvas.fill_rect(x0, y0, x1 - ear, y0 + 1, VGA["k"])
    canvas.fill_rect(x0, y1 - 1, x1, y1, VGA["k"])
    canvas.fill_rect(x1 - ear - 1, y0, x1 - ear, y0 + ear + 1, VGA["k"])
    canvas.fill_rect(x1 - ear - 1, y0 + ear, x1, y0 + ear + 1, VGA["k"])
    if lines:
        for n, y in enumerate(range(y0 + ear + 2, y1 - 2, 2)):
            canvas.fill_rect(x0 + 2, y, x1 - 2 - (2 if n % 2 else 0), y + 1, VGA["d"])


def toolbar_strip():
    """The toolbar's button pictures, 16 x 15 each, left to right: New, Open, Save, Cut, Copy,
    Paste, Print, About."""
    w, h = TOOLBAR_BUTTON
    c = Canvas(8 * w, h, FACE)
    _text_page(c, 3, 1, 13, 14, lines=False)  # new
    _glyph(c, w * 1, _GLYPH_ROWS["open"])
    _glyph(c, w * 2, _GLYPH_ROWS["save"])
    _glyph(c, w * 3, _GLYPH_ROWS["cut"])
    _text_page(c, w * 4 + 1, 1, w * 4 + 9, 11)  # copy: the original and its copy
    _text_page(c, w * 4 + 6, 4, w * 4 + 15, 15)
    # paste: a clipboard with its clip, a page being laid on it
    px = w * 5
    c.fill_rect(px + 1, 2, px + 11, 14, VGA["k"])
    c.fill_rect(px + 2, 3, px + 10, 13, VGA["o"])
    c.fill_rect(px + 4, 1, px + 8, 4, VGA["k"])
    c.fill_rect(px + 5, 2, px + 7, 3, VGA["s"])
    _text_page(c, px + 6, 6, px + 15, 15)
    _glyph(c, w * 6, _GLYPH_ROWS["print"])
    _glyph(c, w * 7, _GLYPH_ROWS["about"])
    return c


# --- Splash ------------------------------------------------------------------------------------

SPLASH_W, SPLASH_H = 404, 331
WALL = [(0.0, (12, 22, 48)), (0.6, (24, 48, 88)), (1.0, (40, 76, 112))]
WOOD = [(0.0, (168, 108, 58)), (0.5, (142, 86, 44)), (1.0, (96, 56, 30))]
SHEET = (250, 246, 232)
PENCIL = (160, 164, 176)


def _wall_and_desk(canvas, desk_top):
    canvas.gradient_rect(0, 0, SPLASH_W, desk_top, WALL)
    # A soft lamp light falling on the wall behind the title.
    for y in range(desk_top):
        for x in range(SPLASH_W):
            glow = math.exp(-(((x - SPLASH_W / 2) / 190.0) ** 2 + ((y - 44) / 60.0) ** 2))
            if glow > 0.02:
                canvas.put(x, y, (120, 150, 200), 0.28 * glow)
    rng = random.Random(104)
    knots = [(rng.uniform(0, SPLASH_W), rng.uniform(desk_top, SPLASH_H), rng.uniform(0.0, 6.28)) for _ in range(5)]
    for y in range(desk_top, SPLASH_H):
        t = (y - desk_top) / float(SPLASH_H - desk_top)
        base = ramp(WOOD, t)
        for x in range(SPLASH_W):
            # Long grain lines bent around a few knots.
            bend = sum(6.0 * math.exp(-((x - kx) ** 2 + (y - ky) ** 2) / 900.0) * math.sin(p) for kx, ky, p in knots)
            grain = math.sin((y + bend + 2.5 * math.sin(x / 53.0)) * 0.85) * 0.5 + 0.5
            fine = math.sin((y + bend) * 2.3 + x / 97.0) * 0.5 + 0.5
            c = mix(base, (72, 38, 18), 0.22 * grain ** 3 + 0.06 * fine)
            canvas.put(x, y, c)
    # The desk's front edge, lit from above.
    canvas.fill_rect(0, desk_top, SPLASH_W, desk_top + 2, (214, 160, 104))
    canvas.fill_rect(0, desk_top + 2, SPLASH_W, desk_top + 3, (84, 46, 22))


def _steel_word(canvas, word, top, scale):
    """The product name in big pixel-font letters, each cell a bevelled steel tile, with a dark
    rim and a soft shadow so it stands off the wall."""
    width = pixelfont.text_width(word) * scale
    left = (canvas.width - width) // 2
    layout = pixelfont.cells(word)
    occupied = set(layout)
    height = pixelfont.HEIGHT * scale
    for col, row in layout:
        x, y = left + col * scale, top + row * scale
        canvas.fill_rect(x + 3, y + 4, x + scale + 3, y + scale + 4, (0, 0, 10, 0.35))
        canvas.fill_rect(x + 5, y + 6, x + scale + 5, y + scale + 6, (0, 0, 10, 0.25))
    rim = (8, 14, 34)
    for col, row in layout:
        x, y = left + col * scale, top + row * scale
        for dx, dy, box in ((-1, 0, (x - 1, y, x, y + scale)), (1, 0, (x + scale, y, x + scale + 1, y + scale)),
                            (0, -1, (x - 1, y - 1, x + scale + 1, y)),
                            (0, 1, (x - 1, y + scale, x + scale + 1, y + scale + 1))):
            if (col + dx, row + dy) not in occupied:
                canvas.fill_rect(*box, rim)
    for col, row in layout:
        x, y = left + col * scale, top + row * scale
        for py in range(scale):
            colour = ramp(STEEL, (row * scale + py) / float(height))
            # A warm glint, as from the forge, along the lower half.
            colour = mix(colour, (255, 170, 90), 0.35 * max(0.0, (row * scale + py) / float(height) - 0.55))
            canvas.fill_rect(x, y + py, x + scale, y + py + 1, colour)
        canvas.bevel(x, y, x + scale, y + scale, (255, 255, 255, 0.75), (30, 36, 60, 0.55))


def _classic_frame(canvas, x0, y0, x1, y1):
    """A raised window frame; returns the inside box."""
    canvas.bevel(x0, y0, x1, y1, FACE, DARK)
    canvas.bevel(x0 + 1, y0 + 1, x1 - 1, y1 - 1, LIGHT, SHADE)
    canvas.fill_rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, FACE)
    return x0 + 4, y0 + 4, x1 - 4, y1 - 4


def _sunken(canvas, x0, y0, x1, y1, fill=PAPER):
    canvas.bevel(x0, y0, x1, y1, SHADE, LIGHT)
    canvas.bevel(x0 + 1, y0 + 1, x1 - 1, y1 - 1, DARK, FACE)
    canvas.fill_rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, fill)


def _text(canvas, x, y, text, colour=DARK):
    pixelfont.draw_text(canvas, x, y, text, colour)


def _painted_caption(canvas, x0, y0, x1, y1, painted_to):
    """The caption under the brush: a dusk landscape and its title as far as the paint goes,
    then bare paper with the pencilled guide of what is still to come."""
    h = y1 - y0
    bare = Canvas(x1 - x0, h, (246, 244, 236))
    for x in range(0, x1 - x0, 6):  # pencilled hatching
        for y in range(h):
            if (x + y) % 12 == 0:
                bare.put(x, y, PENCIL, 0.35)
    bare.frame_rect(0, 0, x1 - x0, h, PENCIL + (0.8,))
    canvas.blit(bare, x0, y0)

    art = Canvas(x1 - x0, h)
    _landscape(art, 0, 0, x1 - x0, h, sun=0.3)
    pixelfont.draw_text(art, 8, (h - 7) // 2, "Bandsmith", PAPER, shadow=(20, 20, 40))
    # Only the part the brush has covered, its edge as wavy as a brush leaves it.
    for y in range(h):
        edge = painted_to - x0 + 2.2 * math.sin(y * 0.9 + 0.4) + 1.2 * math.sin(y * 2.3)
        for x in range(min(int(edge) + 1, x1 - x0)):
            p = art.pixels[y * art.width + x]
            cover = min(max(edge - x, 0.0), 1.0)
            canvas.put(x0 + x, y0 + y, p[:3], cover)
    caption_buttons(canvas, x1 - 2, y0 + 3, h - 6, 3)


def _desk_window(canvas, x0, y0, x1, y1, painted_to):
    """The editor's work on the sheet: a window whose caption is being painted, over a form like
    the background editor's."""
    canvas.shadow(x0, y0, x1, y1, 5, strength=0.45, blur=4)
    ix0, iy0, ix1, iy1 = _classic_frame(canvas, x0, y0, x1, y1)
    caption = 22
    _painted_caption(canvas, ix0, iy0, ix1, iy0 + caption, painted_to)
    top = iy0 + caption + 8
    _text(canvas, ix0 + 6, top, "Description")
    _sunken(canvas, ix0 + 4, top + 11, ix0 + 150, top + 27)
    description = "Dusk over the hills"
    _text(canvas, ix0 + 9, top + 15, description)
    cursor = ix0 + 9 + pixelfont.text_width(description) + 2
    canvas.fill_rect(cursor, top + 14, cursor + 1, top + 24, DARK)
    _text(canvas, ix0 + 6, top + 35, "Color")
    swatches = [(255, 255, 255), (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
                (0, 128, 128), (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
                (255, 0, 255), (0, 255, 255), (128, 128, 128)]
    sx, sy = ix0 + 4, top + 46
    _sunken(canvas, sx, sy, sx + 2 + 16 * 9 + 2, sy + 15)
    for n, colour in enumerate(swatches):
        bx = sx + 3 + n * 9
        canvas.fill_rect(bx, sy + 3, bx + 8, sy + 12, DARK)
        canvas.fill_rect(bx + 1, sy + 4, bx + 7, sy + 11, colour)
    chosen = sx + 3  # white, the colour of the sample title below
    canvas.frame_rect(chosen - 1, sy + 2, chosen + 9, sy + 13, (0, 0, 255))
    # The preview strip, finished: what the caption will look like.
    py0 = sy + 20
    _sunken(canvas, ix0 + 4, py0, ix1 - 4, iy1 - 3)
    _landscape(canvas, ix0 + 6, py0 + 2, ix1 - 6, iy1 - 5, sun=0.8)
    _text(canvas, ix0 + 10, py0 + (iy1 - 5 - py0 - 2 - 7) // 2 + 2, "Sample Title", PAPER)
    # The button beside the form.
    bx0, by0 = ix1 - 78, top + 8
    canvas.fill_rect(bx0, by0, bx0 + 70, by0 + 18, FACE)
    canvas.bevel(bx0, by0, bx0 + 70, by0 + 18, LIGHT, DARK)
    canvas.bevel(bx0 + 1, by0 + 1, bx0 + 69, by0 + 17, FACE, SHADE)
    _text(canvas, bx0 + 8, by0 + 6, "Set Image")


def _pencil(canvas, tip, heel, width):
    (tx, ty), (hx, hy) = tip, heel
    length = math.hypot(hx - tx, hy - ty)
    ux, uy = (hx - tx) / length, (hy - ty) / length
    cone = 14.0
    wood = (tx + ux * cone, ty + uy * cone)
    _taper(canvas, (tx + ux * 4, ty + uy * 4), wood, width * 0.3, width, (232, 196, 150))
    _taper(canvas, tip, (tx + ux * 4.5, ty + uy * 4.5), 0.6, width * 0.32, (50, 50, 56), True)
    _taper(canvas, wood, (hx - ux * 8, hy - uy * 8), width, width,
           lambda t, s: mix((250, 200, 40), (176, 120, 10), (s + 1) / 2))
    _taper(canvas, (hx - ux * 8, hy - uy * 8), (hx - ux * 4, hy - uy * 4), width, width,
           lambda t, s: ramp(STEEL, (s + 1) / 2))
    _taper(canvas, (hx - ux * 4, hy - uy * 4), heel, width, width, (230, 120, 130), True)


def _ellipse(cx, cy, rx, ry):
    """The inside test of an ellipse and its bounding box, for fill_region."""
    box = (int(cx - rx) - 1, int(cy - ry) - 1, int(cx + rx) + 2, int(cy + ry) + 2)
    return box, lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def _paint_pot(canvas, cx, top, radius, paint):
    """A small open tin of paint seen from above and a little in front; top is its rim's centre."""
    flat = 0.45  # how much the round rim is squashed by the view from above
    depth = radius * 0.9
    box, inside = _ellipse(cx + radius * 0.35, top + depth + radius * 0.2, radius * 1.15, radius * 0.55)
    canvas.fill_region(*box, inside, (20, 8, 0, 0.4))  # shadow

    def side(x, y):
        return abs(x - cx) <= radius and y <= top + depth + radius * flat * math.sqrt(
            max(0.0, 1 - ((x - cx) / radius) ** 2))

    canvas.fill_region(int(cx - radius) - 1, int(top), int(cx + radius) + 2, int(top + depth + radius) + 2, side,
                       lambda x, y: ramp(STEEL, 0.2 + 0.75 * abs(x + 0.5 - cx) / radius))
    box, inside = _ellipse(cx, top, radius, radius * flat)
    canvas.fill_region(*box, inside, (226, 230, 240))
    inner = radius - 2.0
    box, inside = _ellipse(cx, top, inner, inner * flat)
    # The paint's surface catches the light toward the back of the tin.
    canvas.fill_region(*box, inside, lambda x, y: mix(paint, PAPER, 0.3 * max(0.0, (top - y) / (inner * flat))))


def _centred(canvas, y, text, colour, scale, shadow):
    width = pixelfont.text_width(text) * scale
    pixelfont.draw_text(canvas, (canvas.width - width) // 2, y, text, colour, scale=scale, shadow=shadow)


def splash_picture():
    c = Canvas(SPLASH_W, SPLASH_H)
    desk_top = 84
    _wall_and_desk(c, desk_top)
    _steel_word(c, "BANDSMITH", 16, 6)

    # The sheet of paper the work lies on.
    c.shadow(18, 100, 386, 252, 4, strength=0.4, blur=5)
    c.fill_rect(18, 100, 386, 252, SHEET)
    painted_to = 226
    _desk_window(c, 34, 112, 370, 238, painted_to)
    for x, colour in ((26, (226, 38, 62)), (54, (250, 214, 42)), (82, (38, 118, 222))):
        _paint_pot(c, x, 268, 11, colour)
    _pencil(c, (300, 250), (392, 286), 6)
    _brush(c, (painted_to + 1, 127), (404, 257), 10, paint=(196, 104, 132), shadow=4)

    _centred(c, 282, "Kestrelby Software", (255, 240, 214), 2, (34, 16, 6))
    _centred(c, 308, "Version 1.1a", (236, 214, 186), 1, (34, 16, 6))
    return c
