"""Reads the resources a program's COFF object carries, for both programs' resource checks.
The section is read directly: windres loops forever turning an object holding a type-241
resource back into a .res."""

import struct


def read_object(path):
    """{(type, name): data} of the object's .rsrc section, whose entries hold offsets into itself."""
    with open(path, "rb") as f:
        data = f.read()
    for n in range(struct.unpack_from("<H", data, 2)[0]):
        header = 20 + 40 * n
        if data[header:header + 8].rstrip(b"\0") == b".rsrc":
            size, start = struct.unpack_from("<II", data, header + 16)
            section = data[start:start + size]
            break
    else:
        raise ValueError("%s has no .rsrc section" % path)

    def entries(offset):
        named, numbered = struct.unpack_from("<HH", section, offset + 12)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", section, offset + 16 + 8 * i)
            if name & 0x80000000:
                at = name & 0x7FFFFFFF
                name = section[at + 2:at + 2 + 2 * struct.unpack_from("<H", section, at)[0]].decode("utf-16-le")
            yield name, target & 0x7FFFFFFF

    out = {}
    for rtype, names in entries(0):
        for rname, languages in entries(names):
            for _, entry in entries(languages):
                at, size = struct.unpack_from("<II", section, entry)
                out[(rtype, rname)] = section[at:at + size]
    return out


def string(res, string_id):
    """The text of a string id, or None when there is none."""
    block, pos = res.get((6, string_id // 16 + 1)), 0
    if block is None:
        return None
    for _ in range(string_id % 16):
        pos += 2 + 2 * struct.unpack_from("<H", block, pos)[0]
    length = struct.unpack_from("<H", block, pos)[0]
    return block[pos + 2:pos + 2 + 2 * length].decode("utf-16-le") if length else None


def bitmap(res, bitmap_id):
    """(width, height, bits, colours) of a bitmap resource, which must be whole: uncompressed, or
    RLE8 with the number of bytes its header names."""
    data = res[(2, bitmap_id)]
    size, width, height, _, bits, compression, image_size, _, _, used = struct.unpack_from("<IiiHHIIiiI", data)
    colours = used or (1 << bits if bits <= 8 else 0)
    pixels = {0: (width * bits + 31) // 32 * 4 * abs(height), 1: image_size if bits == 8 else -1}.get(compression, -1)
    if size != 40 or len(data) != 40 + 4 * colours + pixels:
        raise ValueError("bitmap %d is not a whole DIB, uncompressed or RLE8" % bitmap_id)
    return width, height, bits, colours
