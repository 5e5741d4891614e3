"""Writers for the Windows picture files the resource compiler embeds: .bmp (24 bits, or 8 bits
with a colour table) and .ico (32-bit images with alpha, or with a colour table where that draws
the same in fewer bytes, each with its AND mask)."""

import struct


def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _info_header(width, height, bits, image_size, colours_used=0, compression=0):
    # BITMAPINFOHEADER, bottom-up, BI_RGB (or BI_RLE8), 96 dpi.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, image_size, 3780, 3780,
                       colours_used, colours_used)


def _file(path, info, table, pixels):
    offset = 14 + len(info) + len(table)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset))
        f.write(info + table + pixels)


def write_bmp24(path, rows):
    """rows: top-to-bottom lists of (r, g, b) integers."""
    height, width = len(rows), len(rows[0])
    stride = _row_stride(width, 24)
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    _file(path, _info_header(width, height, 24, len(data)), b"", bytes(data))


def _rle8_row(row):
    """One row in BI_RLE8, in the fewest bytes: runs of one colour as (count, index), the rest as
    absolute runs (0, count of at least 3, indexes, padded to a word), then the end of line.
    Dithered pictures are mostly short runs, where choosing well between the two saves a few
    percent over taking every run of three."""
    width = len(row)
    same = [1] * width  # how many pixels from here on repeat this one
    for i in range(width - 2, -1, -1):
        if row[i] == row[i + 1]:
            same[i] = same[i + 1] + 1
    # cost[i]: bytes for row[i:]; step[i]: (pixels, encoded) of the first piece of that.
    cost, step = [0] * (width + 1), [None] * width
    for i in range(width - 1, -1, -1):
        cost[i] = None
        for k in range(1, min(same[i], 255) + 1):
            if cost[i] is None or 2 + cost[i + k] < cost[i]:
                cost[i], step[i] = 2 + cost[i + k], (k, True)
        for k in range(3, min(255, width - i) + 1):
            c = 2 + k + (k & 1) + cost[i + k]
            if c < cost[i]:
                cost[i], step[i] = c, (k, False)
    out, i = bytearray(), 0
    while i < width:
        k, encoded = step[i]
        out += bytes((k, row[i])) if encoded else bytes((0, k)) + bytes(row[i:i + k]) + bytes(k & 1)
        i += k
    return out + bytes((0, 0))


def write_bmp4(path, indices, palette):
    """indices: top-to-bottom rows of palette indexes; palette: up to 16 (r, g, b) tuples. Half
    the bytes of 8 bits a pixel for the pictures drawn in the sixteen classic colours."""
    height, width = len(indices), len(indices[0])
    if not 1 <= len(palette) <= 16 or max(max(row) for row in indices) >= len(palette):
        raise ValueError("pixels name colours outside the palette")
    stride = _row_stride(width, 4)
    data = bytearray()
    for row in reversed(indices):
        padded = list(row) + [0] * (width % 2)
        line = bytes(padded[i] << 4 | padded[i + 1] for i in range(0, width, 2))
        data += line + bytes(stride - len(line))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    _file(path, _info_header(width, height, 4, len(data), len(palette)), table, bytes(data))


def write_bmp8(path, indices, palette, compressed=False):
    """indices: top-to-bottom rows of palette indexes; palette: up to 256 (r, g, b) tuples, all
    of which are written, so every index a row uses must name one. Compressed is BI_RLE8, for
    the large pictures the programs carry."""
    height, width = len(indices), len(indices[0])
    if not 1 <= len(palette) <= 256 or max(max(row) for row in indices) >= len(palette):
        raise ValueError("pixels name colours outside the palette")
    stride = _row_stride(width, 8)
    data = bytearray()
    for row in reversed(indices):
        data += _rle8_row(row) if compressed else bytes(row) + bytes(stride - width)
    if compressed:
        data += bytes((0, 1))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    _file(path, _info_header(width, height, 8, len(data), len(palette), 1 if compressed else 0), table,
          bytes(data))


def _icon_pixels(canvas):
    """Top-to-bottom rows of (b, g, r, alpha) bytes. A pixel counts as transparent for systems
    without alpha blending when it is less than half covered; its colour is then made black so
    XOR drawing leaves the screen unchanged (shadows are black anyway, so their soft edges survive
    on the alpha path)."""
    rows = []
    for y in range(canvas.height):
        row = []
        for x in range(canvas.width):
            r, g, b, a = canvas.get(x, y)
            alpha = int(round(a * 255))
            if alpha == 0:
                r = g = b = 0
            row.append((int(round(b)), int(round(g)), int(round(r)), alpha))
        rows.append(row)
    return rows


def _and_mask(rows):
    stride = _row_stride(len(rows[0]), 1)
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return bytes(mask)


def _palette_of(rows):
    """The colours of an image without partial transparency, black first (the colour of what
    the mask hides), when they fit a colour table; else None."""
    if any(0 < p[3] < 255 for row in rows for p in row):
        return None
    colours = [(0, 0, 0)]
    for row in rows:
        for b, g, r, _ in row:
            if (b, g, r) not in colours:
                colours.append((b, g, r))
                if len(colours) > 256:
                    return None
    return colours


def _true_colour_layer(rows):
    return 32, b"", b"".join(bytes(p) for row in reversed(rows) for p in row)


def _indexed_layer(rows, colours):
    bits = 4 if len(colours) <= 16 else 8
    colours = colours + [(0, 0, 0)] * ((1 << bits) - len(colours))
    index = {c: i for i, c in reversed(list(enumerate(colours)))}
    stride = _row_stride(len(rows[0]), bits)
    layer = bytearray()
    for row in reversed(rows):
        indexes = [index[p[:3]] for p in row]
        if bits == 4:
            indexes += [0] * (len(indexes) % 2)
            line = bytes(indexes[i] << 4 | indexes[i + 1] for i in range(0, len(indexes), 2))
        else:
            line = bytes(indexes)
        layer += line + bytes(stride - len(line))
    return bits, b"".join(bytes((b, g, r, 0)) for b, g, r in colours), bytes(layer)


def _icon_image(canvas):
    """One icon image and its bit depth: a 32-bit BGRA colour layer with alpha, or, for an image
    with no partly covered pixel in at most 256 colours, a colour table and 4 or 8 bits a pixel
    where that takes fewer bytes (every system draws it exactly as the 32-bit image); then the
    1-bit AND mask that systems without alpha blending use."""
    rows = _icon_pixels(canvas)
    layers = [_true_colour_layer(rows)]
    colours = _palette_of(rows)
    if colours is not None:
        layers.append(_indexed_layer(rows, colours))
    bits, table, colour = min(layers, key=lambda layer: len(layer[1]) + len(layer[2]))
    mask = _and_mask(rows)
    # The header's height counts both layers.
    header = _info_header(canvas.width, canvas.height * 2, bits, len(colour) + len(mask), len(table) // 4)
    return header + table + colour + mask, bits


def write_ico(path, canvases):
    """One .ico holding every canvas (square, up to 256 pixels), each at the depth _icon_image
    chooses."""
    images = [_icon_image(c) for c in canvases]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for canvas, (image, bits) in zip(canvases, images):
        if canvas.width != canvas.height or canvas.width > 256:
            raise ValueError("icon images are square and at most 256 pixels")
        side = canvas.width % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 16 if bits == 4 else 0, 0, 1, bits, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(directory + b"".join(image for image, _ in images))
