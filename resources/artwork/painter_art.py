"""Banderix's pictures: the program icon, the picture of the colour-depth hint and the splash.
The common motif is a window whose caption carries a picture and a line of text, which is what
the program does to the desktop."""

import math
import random

import pixelfont
from draw import Canvas, mix, ramp

RAINBOW = [(0.0, (226, 38, 62)), (0.22, (247, 142, 30)), (0.42, (250, 214, 42)), (0.62, (58, 184, 84)),
           (0.82, (38, 118, 222)), (1.0, (132, 62, 196))]
OCEAN = [(0.0, (22, 60, 150)), (1.0, (54, 196, 214))]
INK = (26, 30, 66)
PAPER = (255, 255, 255)
TEXT_LINES = (158, 168, 190)

# Classic window frame greys.
FACE = (192, 192, 192)
LIGHT = (255, 255, 255)
SHADE = (128, 128, 128)
DARK = (0, 0, 0)


# --- Program icon ------------------------------------------------------------------------------


def _caption_fill(canvas, x0, y0, x1, y1, stops, gloss):
    """A caption band: stops run left to right; with gloss the top rows are lightened and the
    bottom row darkened, so the band reads as a bar rather than a stripe."""
    rows = y1 - y0
    for y in range(y0, y1):
        for x in range(x0, x1):
            c = ramp(stops, (x - x0 + 0.5) / (x1 - x0))
            if gloss:
                if y - y0 < rows // 2:
                    c = mix(c, PAPER, 0.28 * (1 - (y - y0) / max(rows // 2, 1)))
                elif y == y1 - 1:
                    c = mix(c, (0, 0, 0), 0.18)
            canvas.put(x, y, c)


def _icon_window(canvas, x0, y0, x1, y1, caption, stops, title, lines, close_box=False, gloss=True):
    """An outlined window: a caption band of `caption` rows carrying a title (start, word
    lengths, height) and optionally a close box, over a white client area with grey text lines
    (top margin, row step, height, then (indent, length) for each line)."""
    canvas.fill_rect(x0, y0, x1, y1, INK)
    _caption_fill(canvas, x0 + 1, y0 + 1, x1 - 1, y0 + 1 + caption, stops, gloss)
    client_top = y0 + 2 + caption
    canvas.fill_rect(x0 + 1, client_top, x1 - 1, y1 - 1, PAPER)
    start, words, height = title
    x, ty = x0 + 1 + start, y0 + 1 + (caption - height) // 2
    for length in words:
        canvas.fill_rect(x, ty, x + length, ty + height, PAPER)
        x += length + height
    if close_box:
        side = caption - 3 if caption % 2 else caption - 2  # odd, so the cross has a centre pixel
        bx, by = x1 - 3 - side, y0 + 1 + (caption - side) // 2
        canvas.fill_rect(bx, by, bx + side, by + side, INK)
        for i in range(1, side - 1):
            canvas.put(bx + i, by + i, PAPER)
            canvas.put(bx + side - 1 - i, by + i, PAPER)
    first, step, height = lines[0]
    for n, (dx, length) in enumerate(lines[1:]):
        ly = client_top + first + n * step
        canvas.fill_rect(x0 + 1 + dx, ly, x0 + 1 + dx + length, ly + height, TEXT_LINES)


def program_icon(size):
    c = Canvas(size, size)
    if size == 16:
        # One window: at this size a second would only blur the caption.
        _icon_window(c, 0, 1, 16, 15, 5, RAINBOW, (2, [3, 5], 1), [(2, 2, 1), (2, 10), (2, 7)], gloss=False)
    elif size == 32:
        _icon_window(c, 1, 1, 23, 19, 6, OCEAN, (2, [4, 6], 2), [(2, 3, 1), (2, 12), (2, 9), (2, 14)])
        c.shadow(8, 10, 31, 30, 1, strength=0.45, blur=1)
        _icon_window(c, 7, 9, 31, 30, 7, RAINBOW, (2, [5, 7], 2), [(3, 3, 2), (3, 16), (3, 11), (3, 14)])
    elif size == 48:
        _icon_window(c, 1, 2, 35, 29, 9, OCEAN, (3, [6, 9], 3), [(3, 4, 2), (3, 18), (3, 13), (3, 20)])
        c.shadow(11, 14, 47, 45, 2, strength=0.4, blur=2)
        _icon_window(c, 11, 14, 47, 45, 10, RAINBOW, (3, [7, 10], 3), [(4, 4, 2), (4, 24), (4, 17), (4, 21)],
                     close_box=True)
    else:
        raise ValueError("the program icon is drawn at 16, 32 and 48 pixels")
    return c


# --- Picture of the colour-depth hint ----------------------------------------------------------

# The sixteen classic colours, all among those a 256-colour display reserves. The hint appears on
# such displays, where the dialog's picture is mapped to the reserved colours, so it is drawn with
# these alone and shows exactly as drawn.
VGA = {
    "k": (0, 0, 0), "m": (128, 0, 0), "g": (0, 128, 0), "o": (128, 128, 0), "n": (0, 0, 128), "p": (128, 0, 128),
    "t": (0, 128, 128), "s": (192, 192, 192), "d": (128, 128, 128), "R": (255, 0, 0), "G": (0, 255, 0),
    "Y": (255, 255, 0), "B": (0, 0, 255), "P": (255, 0, 255), "T": (0, 255, 255), "w": (255, 255, 255),
}


def hint_picture():
    """A monitor on a desktop case, its screen showing a palette of swatches. The picture fills
    its whole rectangle, so it needs no background that would have to match the dialog's."""
    w, h = 33, 31
    c = Canvas(w, h, VGA["s"])
    # Monitor body: rows 0..21.
    c.bevel(0, 0, w, 22, VGA["w"], VGA["k"])
    c.bevel(1, 1, w - 1, 21, VGA["s"], VGA["d"])
    # Screen: sunken black bezel, then the palette on black.
    c.bevel(3, 2, w - 3, 19, VGA["d"], VGA["w"])
    c.fill_rect(4, 3, w - 4, 18, VGA["k"])
    swatches = ["RYGT", "BPmo", "gtnp"]
    for row, names in enumerate(swatches):
        for col, name in enumerate(names):
            x = 5 + col * 6
            c.fill_rect(x, 4 + row * 5, x + 5, 4 + row * 5 + 3, VGA[name])
    c.put(w - 5, 19, VGA["G"])  # power light
    # Desktop case: rows 22..30.
    c.bevel(0, 22, w, h, VGA["w"], VGA["k"])
    c.bevel(1, 23, w - 1, h - 1, VGA["s"], VGA["d"])
    c.fill_rect(17, 26, 29, 27, VGA["k"])  # drive slot
    c.fill_rect(17, 27, 29, 28, VGA["w"])
    c.fill_rect(4, 26, 6, 27, VGA["G"])
    c.fill_rect(8, 26, 10, 27, VGA["Y"])
    return c


# --- Splash ------------------------------------------------------------------------------------

SPLASH_W, SPLASH_H = 404, 331
SKY = [(0.0, (14, 18, 58)), (0.34, (38, 56, 132)), (0.62, (118, 96, 168)), (0.8, (226, 126, 124)),
       (0.92, (250, 182, 110)), (1.0, (255, 214, 140))]


def _hills(canvas, top, bottom, x0, x1, waves, colour):
    def ridge(x):
        return top + sum(a * math.sin(x / p + phase) for a, p, phase in waves)

    canvas.fill_below(x0, x1, bottom, ridge, colour)


def _landscape(canvas, x0, y0, x1, y1):
    """A caption-sized landscape: dusk sky, a low sun and two ranges of hills."""
    h = y1 - y0
    canvas.gradient_rect(x0, y0, x1, y1, [(0.0, (40, 62, 150)), (0.55, (232, 128, 120)), (1.0, (255, 206, 130))])
    canvas.fill_circle(x0 + (x1 - x0) * 0.4, y0 + h * 0.62, h * 0.26, (255, 240, 190))
    _hills(canvas, y0 + h * 0.62, y1, x0, x1, [(h * 0.14, 9.0, 0.5), (h * 0.08, 4.0, 2.0)], (112, 74, 132))
    _hills(canvas, y0 + h * 0.78, y1, x0, x1, [(h * 0.1, 13.0, 1.0), (h * 0.05, 5.0, 0.3)], (46, 58, 92))


def _frame_window(canvas, x0, y0, x1, y1):
    """A raised window frame; returns the inside box (caption at its top)."""
    canvas.bevel(x0, y0, x1, y1, FACE, DARK)
    canvas.bevel(x0 + 1, y0 + 1, x1 - 1, y1 - 1, LIGHT, SHADE)
    canvas.fill_rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, FACE)
    return x0 + 4, y0 + 4, x1 - 4, y1 - 4


def _caption_buttons(canvas, right, top, size, count):
    for n in range(count):
        bx = right - (n + 1) * (size + 2) - (2 if n else 0)
        canvas.fill_rect(bx, top, bx + size + 2, top + size, FACE)
        canvas.bevel(bx, top, bx + size + 2, top + size, LIGHT, DARK)
        canvas.bevel(bx + 1, top + 1, bx + size + 1, top + size - 1, FACE, SHADE)
        mid = top + size // 2
        if n == 0:  # close
            for i in range(4, size - 4):
                canvas.put(bx + 1 + i, top + i, DARK)
                canvas.put(bx + 2 + i, top + i, DARK)
                canvas.put(bx + size - i, top + i, DARK)
                canvas.put(bx + size + 1 - i, top + i, DARK)
        elif n == 1:  # maximise
            canvas.frame_rect(bx + 4, top + 3, bx + size - 2, top + size - 4, DARK)
            canvas.fill_rect(bx + 4, top + 4, bx + size - 2, top + 5, DARK)
        else:  # minimise
            canvas.fill_rect(bx + 4, mid + 2, bx + size - 4, mid + 4, DARK)


def _client_text(canvas, x0, y0, x1, y1, seed):
    """Lines of grey "words" on white, like a page of a text window."""
    canvas.fill_rect(x0, y0, x1, y1, PAPER)
    rng = random.Random(seed)
    y = y0 + 7
    while y + 3 <= y1 - 5:
        x = x0 + 8
        end = x1 - 8 - (rng.randrange(20, 80) if rng.random() < 0.3 else 0)
        while x + 6 < end:
            word = min(rng.randrange(8, 30), end - x)
            canvas.fill_rect(x, y, x + word, y + 3, (176, 184, 202))
            x += word + 5
        y += 9


def _title_text(canvas, x, y, text, colour=PAPER):
    pixelfont.draw_text(canvas, x, y, text, colour, scale=1, shadow=(20, 20, 40))


def _caption_window(canvas, x0, y0, x1, y1, caption_h, paint_caption, title, seed, text_box=None):
    canvas.shadow(x0, y0, x1, y1, 6, strength=0.45, blur=5)
    ix0, iy0, ix1, iy1 = _frame_window(canvas, x0, y0, x1, y1)
    paint_caption(canvas, ix0, iy0, ix1, iy0 + caption_h)
    _title_text(canvas, ix0 + 6, iy0 + (caption_h - 7) // 2, title)
    if text_box is not None:
        bx0, bx1, words = text_box
        canvas.fill_round_rect(bx0 - 1, iy0 + 2, bx1 + 1, iy0 + caption_h - 2, 6, (46, 40, 110))
        canvas.fill_round_rect(bx0, iy0 + 3, bx1, iy0 + caption_h - 3, 5, (255, 255, 230))
        pixelfont.draw_text(canvas, bx0 + 8, iy0 + (caption_h - 7) // 2, words, (46, 40, 110))
    _caption_buttons(canvas, ix1 - 2, iy0 + 3, caption_h - 6, 3)
    _client_text(canvas, ix0, iy0 + caption_h + 1, ix1, iy1, seed)
    canvas.bevel(ix0 - 1, iy0 + caption_h, ix1 + 1, iy1 + 1, SHADE, LIGHT)


def _waves_caption(canvas, x0, y0, x1, y1):
    """The second window's caption: another kind of background, rolling bands of sea colours."""
    h = y1 - y0
    for y in range(y0, y1):
        for x in range(x0, x1):
            t = (x - x0) / (x1 - x0)
            band = 0.5 + 0.5 * math.sin((x - x0) / 11.0 + (y - y0) / 3.0)
            base = mix((18, 70, 150), (40, 170, 190), t)
            canvas.put(x, y, mix(base, (120, 220, 230), 0.35 * band * (1 - (y - y0) / h)))


def _title_word(canvas, word, top, scale):
    """The product name in big pixel-font letters, each cell a bevelled tile lit from the top
    left, in a warm gradient, with a dark rim and a soft shadow so it stands off the sky."""
    width = pixelfont.text_width(word) * scale
    left = (canvas.width - width) // 2
    layout = pixelfont.cells(word)
    occupied = set(layout)
    height = pixelfont.HEIGHT * scale
    for col, row in layout:  # the cast shadow, softened by drawing it twice
        x, y = left + col * scale, top + row * scale
        canvas.fill_rect(x + 3, y + 4, x + scale + 3, y + scale + 4, (6, 6, 24, 0.35))
        canvas.fill_rect(x + 5, y + 6, x + scale + 5, y + scale + 6, (6, 6, 24, 0.25))
    rim = (60, 16, 8)
    for col, row in layout:
        x, y = left + col * scale, top + row * scale
        if (col - 1, row) not in occupied:
            canvas.fill_rect(x - 1, y, x, y + scale, rim)
        if (col + 1, row) not in occupied:
            canvas.fill_rect(x + scale, y, x + scale + 1, y + scale, rim)
        if (col, row - 1) not in occupied:
            canvas.fill_rect(x - 1, y - 1, x + scale + 1, y, rim)
        if (col, row + 1) not in occupied:
            canvas.fill_rect(x - 1, y + scale, x + scale + 1, y + scale + 1, rim)
    for col, row in layout:
        x, y = left + col * scale, top + row * scale
        for py in range(scale):
            colour = mix((255, 236, 128), (232, 92, 36), (row * scale + py) / float(height))
            canvas.fill_rect(x, y + py, x + scale, y + py + 1, colour)
        canvas.bevel(x, y, x + scale, y + scale, (255, 250, 210, 0.7), (120, 30, 10, 0.55))


def _centred(canvas, y, text, colour, scale, shadow):
    width = pixelfont.text_width(text) * scale
    pixelfont.draw_text(canvas, (canvas.width - width) // 2, y, text, colour, scale=scale, shadow=shadow)


# The three ranges of hills, from the farthest, paler one to the nearest.
HILL_COLOURS = [(98, 70, 128), (44, 40, 84), (22, 22, 52)]


def _evening(canvas, horizon, seed, stars, sun, ridges):
    """The evening sky of the splash and the installer: stars fading towards the horizon, a low
    sun with its glow at (x, radius), and the hills, each ridge (offset from the horizon, waves)."""
    width, height = canvas.width, canvas.height
    canvas.gradient_rect(0, 0, width, horizon + 20, SKY)
    rng = random.Random(seed)
    for _ in range(stars):
        x, y = rng.randrange(width), rng.randrange(int(horizon * 0.45))
        canvas.put(x, y, (255, 255, 235), rng.uniform(0.35, 1.0) * (1 - y / (horizon * 0.5)))
    sun_x, radius = sun
    sun_y = horizon - radius * 4 // 15
    canvas.fill_circle(sun_x, sun_y, radius, (255, 232, 170, 0.5))
    canvas.fill_circle(sun_x, sun_y, radius * 11 // 15, (255, 244, 200))
    for (offset, waves), colour in zip(ridges, HILL_COLOURS):
        _hills(canvas, horizon + offset, height, 0, width, waves, colour)


def splash_picture():
    c = Canvas(SPLASH_W, SPLASH_H)
    _evening(c, 262, 155, 70, (70, 30),
             [(-18, [(9, 40.0, 0.3), (5, 17.0, 1.7)]), (0, [(8, 55.0, 2.2), (4, 21.0, 0.4)]),
              (22, [(6, 70.0, 4.0), (3, 26.0, 1.1)])])

    _title_word(c, "BANDERIX", 22, 7)

    _caption_window(c, 28, 94, 262, 198, 22, _waves_caption, "Notes", seed=2)
    _caption_window(c, 122, 132, 376, 248, 24, _landscape, "Banderix", seed=7,
                    text_box=(246, 300, "Hello!"))

    _centred(c, 277, "Kestrelby Software", (255, 246, 224), 2, (10, 10, 30))
    _centred(c, 306, "Version 1.1a", (190, 186, 222), 1, None)
    return c


# --- Installer ---------------------------------------------------------------------------------

WIZARD_W, WIZARD_H = 164, 314


def installer_picture():
    """The side picture of the installer's first and last pages: the splash's evening sky and
    hills, upright, with one painted window and the name above it."""
    c = Canvas(WIZARD_W, WIZARD_H)
    _evening(c, 250, 164, 40, (118, 24),
             [(-16, [(8, 31.0, 0.3), (4, 13.0, 1.7)]), (0, [(7, 41.0, 2.2), (3, 16.0, 0.4)]),
              (20, [(5, 53.0, 4.0), (3, 19.0, 1.1)])])

    _title_word(c, "BANDERIX", 40, 2)
    _caption_window(c, 14, 96, 150, 184, 18, _landscape, "Notes", seed=7, text_box=(62, 96, "Hi!"))
    _centred(c, 292, "Kestrelby Software", (255, 246, 224), 1, (10, 10, 30))
    return c
