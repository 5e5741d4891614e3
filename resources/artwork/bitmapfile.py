"""Writers for the Windows picture files the resource compiler embeds: .bmp (24 bits, or 8 bits
with a colour table) and .ico (32-bit images with alpha, each with its AND mask)."""

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
    """One row in BI_RLE8: runs of one colour as (count, index), the rest as absolute runs
    (0, count of at least 3, indexes, padded to a word), then the end of line."""
    out = bytearray()
    i, width = 0, len(row)
    while i < width:
        j = i
        while j < width and j - i < 255 and row[j] == row[i]:
            j += 1
        if j - i >= 3 or width - i < 3:
            out += bytes((j - i, row[i]))
            i = j
            continue
        k = i
        while k < width and k - i < 255 and not (k + 2 < width and row[k] == row[k + 1] == row[k + 2]):
            k += 1
        if k - i < 3:  # an absolute run of one or two would read as an escape
            out += b"".join(bytes((1, index)) for index in row[i:k])
        else:
            out += bytes((0, k - i)) + bytes(row[i:k]) + bytes((k - i) & 1)
        i = k
    return out + bytes((0, 0))


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


def _icon_image(canvas):
    """One icon image: a 32-bit BGRA colour layer with alpha, then the 1-bit AND mask that
    systems without alpha blending use. A pixel counts as transparent there when it is less than
    half covered; its colour is then made black so XOR drawing leaves the screen unchanged
    (shadows are black anyway, so their soft edges survive on the alpha path)."""
    w, h = canvas.width, canvas.height
    colour = bytearray()
    mask = bytearray()
    mask_stride = _row_stride(w, 1)
    for y in reversed(range(h)):
        bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = canvas.get(x, y)
            alpha = int(round(a * 255))
            if alpha < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
                if alpha == 0:
                    r = g = b = 0
            colour += bytes((int(round(b)), int(round(g)), int(round(r)), alpha))
        mask += bits
    # The header's height counts both layers.
    return _info_header(w, h * 2, 32, len(colour) + len(mask)) + bytes(colour) + bytes(mask)


def write_ico(path, canvases):
    """One .ico holding every canvas (square, up to 256 pixels) as a 32-bit image."""
    images = [_icon_image(c) for c in canvases]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for canvas, image in zip(canvases, images):
        if canvas.width != canvas.height or canvas.width > 256:
            raise ValueError("icon images are square and at most 256 pixels")
        side = canvas.width % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(directory + b"".join(images))
