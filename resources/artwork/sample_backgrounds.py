"""The pictures of the sample backgrounds shipped in DATA; make_art.py writes each as NAME.bmp,
24 bits per pixel.

Banderix scales a picture to the caption's height (18 to 30 pixels on most desktops) and repeats
it from the left, so every picture is 32 pixels high and comes round to where it started at its
right edge: landscapes are wide, so they seldom repeat; textures and patterns are narrow tiles.
The window title is drawn straight over the picture in one of sixteen plain colours, so each
picture keeps to a narrow range of brightness that its title colour (resources/samples/
backgrounds.txt) stands out from."""

import math
import random

import texture
from draw import Canvas, mix, ramp

HEIGHT = 32
LANDSCAPE = 1600


def _shaded(width, colour):
    """A canvas with every pixel given by colour(x, y)."""
    canvas = Canvas(width, HEIGHT)
    for y in range(HEIGHT):
        for x in range(width):
            canvas.pixels[y * width + x] = list(colour(x, y)) + [1.0]
    return canvas


def _repeated(canvas, draw):
    """Draws a shape at its place and one picture-width either side, so what crosses an edge
    comes back in at the other."""
    for shift in (-canvas.width, 0, canvas.width):
        draw(shift)


def _hill(canvas, base, terms, colour):
    ridge = texture.waves(canvas.width, terms)
    canvas.fill_below(0, canvas.width, HEIGHT, lambda x: base + ridge(x), colour)
    return lambda x: base + ridge(x)


# --- Landscapes ---------------------------------------------------------------------------------


def sunset():
    """Dusk over three ranges of hills, the sun half set behind the middle one."""
    sun_x = 1060
    sky = [(0.0, (46, 26, 80)), (0.35, (104, 40, 90)), (0.62, (170, 66, 76)), (0.85, (206, 104, 66)),
           (1.0, (216, 124, 70))]

    def colour(x, y):
        glow = math.exp(-(texture.wrapped(x - sun_x, LANDSCAPE) / 240.0) ** 2) * (y / HEIGHT) ** 1.5
        return mix(ramp(sky, (y + 0.5) / HEIGHT), (232, 150, 84), 0.55 * glow)

    c = _shaded(LANDSCAPE, colour)
    cloud_rng = random.Random(7)
    for _ in range(9):
        cx, cy = cloud_rng.uniform(0, LANDSCAPE), cloud_rng.uniform(4, 11)
        half = cloud_rng.uniform(40, 110)
        _repeated(c, lambda s, cx=cx, cy=cy, half=half: c.fill_region(
            int(cx + s - half) - 1, int(cy) - 2, int(cx + s + half) + 2, int(cy) + 3,
            lambda x, y: ((x - cx - s) / half) ** 2 + ((y - cy) / 1.3) ** 2 <= 1.0, (84, 34, 84, 0.55)))
    c.fill_circle(sun_x, 22.5, 6.5, (250, 200, 120))
    _hill(c, 21.0, [(2.5, 3, 0.4), (1.5, 7, 1.9), (0.8, 17, 0.2)], (118, 52, 94))
    _hill(c, 24.5, [(2.5, 4, 2.1), (1.2, 11, 0.7), (0.6, 23, 1.3)], (76, 34, 76))
    near = _hill(c, 28.0, [(2.0, 5, 0.9), (1.0, 13, 2.6), (0.5, 31, 0.4)], (40, 20, 50))
    tree_rng = random.Random(11)
    for _ in range(26):
        tx, tall = tree_rng.uniform(0, LANDSCAPE), tree_rng.uniform(3.0, 6.0)
        foot = near(tx) + 1.0
        _repeated(c, lambda s, tx=tx, tall=tall, foot=foot: c.fill_region(
            int(tx + s) - 3, int(foot - tall) - 1, int(tx + s) + 4, int(foot) + 1,
            lambda x, y: foot - tall <= y <= foot and abs(x - tx - s) <= (y - foot + tall) * 0.35, (40, 20, 50)))
    return c


def northern_lights():
    """Green and violet curtains of light over a line of pines, a few stars between them."""
    sky = [(0.0, (6, 10, 30)), (1.0, (16, 30, 54))]
    edge = texture.waves(LANDSCAPE, [(3.0, 3, 0.3), (1.5, 8, 2.0), (0.7, 19, 1.1)])
    rays = texture.fractal(21, LANDSCAPE, HEIGHT, 160, 1, 2)
    strength = texture.Noise(22, LANDSCAPE, HEIGHT, 7, 1)
    curtain = [(0.0, (70, 230, 150)), (0.45, (60, 190, 160)), (1.0, (130, 80, 190))]

    def colour(x, y):
        base = ramp(sky, (y + 0.5) / HEIGHT)
        bottom = 17.0 + edge(x)
        above = bottom - y
        if above < -1.5:
            return base
        fade = math.exp(-above / 7.0) if above >= 0 else (1.5 + above) / 1.5
        light = 0.8 * fade * (0.35 + 0.65 * rays(x, 0)) * (0.35 + 0.65 * strength(x, 0))
        return mix(base, ramp(curtain, min(max(above, 0.0) / 14.0, 1.0)), light)

    c = _shaded(LANDSCAPE, colour)
    rng = random.Random(23)
    for _ in range(120):
        x, y = rng.randrange(LANDSCAPE), rng.randrange(1, 20)
        c.put(x, y, (230, 236, 255, rng.uniform(0.25, 0.8)))
    ground = _hill(c, 29.5, [(0.8, 4, 0.5), (0.4, 15, 1.0)], (4, 10, 18))
    for _ in range(150):
        tx, tall = rng.uniform(0, LANDSCAPE), rng.uniform(4.0, 10.0)
        foot = ground(tx) + 1.0
        _repeated(c, lambda s, tx=tx, tall=tall, foot=foot: c.fill_region(
            int(tx + s) - 3, int(foot - tall) - 1, int(tx + s) + 4, int(foot) + 1,
            lambda x, y: foot - tall <= y <= foot and abs(x - tx - s) <= (y - foot + tall) * 0.28 + 0.3,
            (4, 10, 18)))
    return c


def spring_meadow():
    """A pale sky with small clouds over a green meadow scattered with flowers."""
    sky = [(0.0, (166, 206, 238)), (1.0, (214, 234, 246))]
    grass = texture.fractal(31, LANDSCAPE, HEIGHT, 200, 4, 2)

    def colour(x, y):
        return ramp(sky, (y + 0.5) / 12.0)

    c = _shaded(LANDSCAPE, colour)
    rng = random.Random(32)
    for _ in range(14):
        cx, cy, half = rng.uniform(0, LANDSCAPE), rng.uniform(3, 7), rng.uniform(14, 34)
        _repeated(c, lambda s, cx=cx, cy=cy, half=half: c.fill_region(
            int(cx + s - half) - 1, int(cy) - 4, int(cx + s + half) + 2, int(cy) + 4,
            lambda x, y: ((x - cx - s) / half) ** 2 + ((y - cy) / 2.4) ** 2 <= 1.0, (250, 252, 255, 0.8)))
    _hill(c, 12.5, [(2.0, 3, 1.0), (1.0, 9, 0.3)], (168, 204, 170))
    meadow = [(0.0, (170, 214, 112)), (1.0, (140, 194, 86))]
    field = texture.waves(LANDSCAPE, [(1.8, 4, 2.2), (0.8, 13, 0.6)])
    c.fill_region(0, 10, LANDSCAPE, HEIGHT, lambda x, y: y >= 16.0 + field(x),
                  lambda x, y: mix(ramp(meadow, (y - 12) / 20.0), (112, 168, 70), 0.35 * grass(x, y)))
    flowers = [(255, 255, 255), (250, 226, 90), (244, 170, 206), (206, 180, 250)]
    for _ in range(700):
        x = rng.randrange(LANDSCAPE)
        y = rng.randrange(int(18.0 + field(x)), HEIGHT)
        c.put(x, y, rng.choice(flowers) + (0.85,))
    return c


def twilight():
    """A soft band of colour that drifts from deep blue through violet to teal and back."""
    across = [(0.0, (24, 44, 112)), (0.3, (74, 40, 118)), (0.55, (30, 58, 120)), (0.8, (18, 86, 112)),
              (1.0, (24, 44, 112))]

    def colour(x, y):
        shade = 1.0 + 0.22 * (1.0 - (y + 0.5) / HEIGHT) ** 2 - 0.12 * ((y + 0.5) / HEIGHT) ** 3
        return tuple(min(v * shade, 255.0) for v in ramp(across, x / LANDSCAPE))

    return _shaded(LANDSCAPE, colour)


# --- Textures -----------------------------------------------------------------------------------


def marble():
    """White marble with soft grey veins."""
    width = 256
    turbulence = texture.fractal(41, width, HEIGHT, 6, 2, 4)
    cloud = texture.fractal(42, width, HEIGHT, 4, 2, 3)
    depth = texture.Noise(43, width, HEIGHT, 5, 1)
    turns = 2.0 * math.pi * 3 / width

    def colour(x, y):
        # Strong veins fade in and out along their length; fainter ones cross them.
        vein = (1.0 - abs(math.sin(turns * x + y * 0.12 + 7.0 * turbulence(x, y)))) ** 6
        faint = (1.0 - abs(math.sin(turns * 2 * x - y * 0.2 + 5.0 * cloud(x, y)))) ** 10
        base = mix((238, 234, 226), (214, 212, 210), cloud(x, y))
        return mix(base, (150, 150, 162), 0.8 * vein * (0.3 + 0.7 * depth(x, 0)) + 0.3 * faint)

    return _shaded(width, colour)


def brushed_steel():
    """Satin steel brushed along its length, lit from above."""
    width = 256
    rng = random.Random(51)
    streak_rows = [texture.Noise(rng.randrange(1 << 30), width, HEIGHT, rng.choice((4, 8, 16)), 1)
                   for _ in range(HEIGHT)]
    light = [(0.0, (226, 228, 232)), (0.12, (206, 208, 213)), (0.6, (184, 187, 192)), (0.96, (164, 167, 172)),
             (1.0, (120, 122, 128))]

    def colour(x, y):
        base = ramp(light, (y + 0.5) / HEIGHT)
        grain = (streak_rows[y](x, 0) - 0.5) * 22.0
        return tuple(v + grain for v in base)

    return _shaded(width, colour)


def oak_panel():
    """Oak boards with a wavy grain, a groove between each board and the next."""
    width = 320
    waver = texture.fractal(61, width, HEIGHT, 5, 2, 3)
    fleck = texture.fractal(62, width, HEIGHT, 80, 8, 2)
    wood = [(0.0, (126, 80, 44)), (0.5, (146, 96, 54)), (1.0, (112, 70, 38))]

    def colour(x, y):
        rings = (y * 0.42 + 9.0 * waver(x, y)) % 1.0
        base = ramp(wood, rings)
        line = max(0.0, 1.0 - abs(rings - 0.5) * 10.0)
        c = mix(base, (86, 52, 28), 0.6 * line)
        c = mix(c, (80, 50, 26), 0.3 * fleck(x, y))
        if x == 0:
            return mix(c, (46, 28, 16), 0.8)
        if x == 1:
            return mix(c, (190, 140, 90), 0.35)
        return c

    return _shaded(width, colour)


# --- Patterns -----------------------------------------------------------------------------------


def ocean_waves():
    """Rows of rolling waves, each crest caught by the light."""
    width = 160
    depth = [(0.0, (30, 84, 146)), (1.0, (10, 36, 84))]
    c = _shaded(width, lambda x, y: ramp(depth, (y + 0.5) / HEIGHT))
    rows = [(5.0, 2, 0.0), (12.0, 3, 1.7), (19.0, 2, 3.4), (26.0, 3, 0.9)]
    for n, (base, cycles, phase) in enumerate(rows):
        crest = texture.waves(width, [(2.2, cycles, phase), (0.7, cycles * 3, phase * 2)])
        body = mix((24, 74, 136), (8, 30, 72), n / len(rows))
        c.fill_region(0, int(base) - 4, width, HEIGHT, lambda x, y: y >= base + crest(x), body)
        c.fill_region(0, int(base) - 4, width, int(base) + 4,
                      lambda x, y: 0.0 <= y - (base + crest(x)) <= 0.9, (120, 180, 214, 0.75 - 0.1 * n))
    return c


def tartan():
    """A twill-woven tartan of green and navy with thin red and gold lines."""
    navy, green, black, red, gold = (26, 34, 78), (24, 74, 48), (16, 20, 26), (140, 38, 42), (168, 140, 64)
    sett = [navy] * 6 + [black] * 2 + [green] * 8 + [red] * 2 + [green] * 8 + [black] * 2 + [gold] * 1 + [navy] * 3

    def colour(x, y):
        warp, weft = sett[x % len(sett)], sett[y % len(sett)]
        # A 2/2 twill: each thread passes over two and under two, a step further along each row.
        over = (x + y) % 4 < 2
        return mix(warp, weft, 0.3 if over else 0.7)

    return _shaded(len(sett), colour)


def circuit_board():
    """A green board with copper traces, vias and a chip."""
    width = 96
    board = texture.fractal(71, width, HEIGHT, 12, 4, 2)
    c = _shaded(width, lambda x, y: mix((18, 72, 46), (24, 84, 54), board(x, y)))
    copper = (168, 140, 68, 0.65)
    # Each trace leaves the tile at the height it came in, so it runs on into the next copy.
    # The middle rows, where the title lies, are kept quiet.
    traces = [[(0, 4), (30, 4), (36, 10), (70, 10), (76, 4), (96, 4)],
              [(0, 27), (20, 27), (26, 22), (48, 22), (53, 27), (96, 27)],
              [(84, 27), (88, 23)]]
    for points in traces:
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            steps = max(abs(x1 - x0), abs(y1 - y0))
            for i in range(steps + 1):
                x, y = x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps
                c.fill_circle(x, y, 0.9, copper)
    for vx, vy in ((30, 4), (70, 10), (20, 27), (53, 27), (88, 23)):
        c.fill_circle(vx, vy, 2.2, (176, 148, 78))
        c.fill_circle(vx, vy, 0.9, (14, 40, 28))
    c.fill_rect(56, 14, 74, 19, (20, 34, 28))
    for px in range(58, 74, 4):
        c.fill_rect(px, 13, px + 2, 14, (140, 140, 136))
        c.fill_rect(px, 19, px + 2, 20, (140, 140, 136))
    return c


PICTURES = {
    "Sunset": sunset,
    "NorthernLights": northern_lights,
    "SpringMeadow": spring_meadow,
    "Twilight": twilight,
    "Marble": marble,
    "BrushedSteel": brushed_steel,
    "OakPanel": oak_panel,
    "OceanWaves": ocean_waves,
    "Tartan": tartan,
    "CircuitBoard": circuit_board,
}

