#!/usr/bin/env python3
"""Writes the starting corpus of the background_reader fuzz harness: small background files (the
52-byte header, then a bitmap) of every bit count and compression the reader takes, most of
them encoded by ImageMagick so that the seeds do not share our own idea of the format, and a
few damaged ones. Run it from anywhere; it rewrites its own seeds in corpus/background_reader/
and leaves the inputs that fuzzing added there alone."""
import pathlib
import struct
import subprocess
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus" / "background_reader"

# (file name, convert arguments) for ImageMagick's own bitmaps.
ENCODED = [
    ("bits1", ["-size", "6x3", "gradient:red-blue", "-type", "bilevel", "BMP3:{}"]),
    ("bits4", ["-size", "6x3", "gradient:red-blue", "-colors", "8", "-type", "palette", "BMP3:{}"]),
    ("bits8", ["-size", "4x24", "gradient:red-blue", "-rotate", "90", "-colors", "24", "-type", "palette",
               "-compress", "none", "BMP3:{}"]),
    ("rle8", ["-size", "16x4", "xc:red", "-fill", "blue", "-draw", "rectangle 8,0 15,3", "-type", "palette",
              "-compress", "RLE", "BMP3:{}"]),
    ("bits16_565", ["-size", "4x3", "gradient:red-blue", "-define", "bmp:subtype=RGB565", "BMP:{}"]),
    ("bits24", ["-size", "5x3", "gradient:red-blue", "-type", "truecolor", "BMP3:{}"]),
    ("bits32_v5", ["-size", "4x3", "gradient:red-blue", "-alpha", "set", "-channel", "A", "-evaluate", "set",
                   "50%", "+channel", "BMP:{}"]),
    ("core4", ["-size", "4x3", "gradient:red-blue", "-type", "palette", "BMP2:{}"]),
]


def background_header(description):
    name = description.encode()[:31].ljust(32, b"\0")
    return struct.pack("<III", 1, 0, 0) + name + bytes([3]) + bytes([0xB0, 0x04, 0x12, 0x00, 0, 0, 0])


def bitmap(width, height, bits, compression, table, data):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(data), 0, 0,
                       len(table) // 4, 0)
    off = 14 + len(info) + len(table)
    return struct.pack("<HIHHI", 0x4D42, off + len(data), 0, 0, off) + info + table + data


def main():
    CORPUS.mkdir(parents=True, exist_ok=True)
    seeds = {}
    with tempfile.TemporaryDirectory() as tmp:
        for name, args in ENCODED:
            path = pathlib.Path(tmp) / (name + ".bmp")
            subprocess.run(["convert"] + [a.format(path) for a in args], check=True)
            seeds[name] = path.read_bytes()

    grey16 = b"".join(bytes([i * 16, i * 16, i * 16, 0]) for i in range(16))
    # RLE4 5 x 2: a run, a line end, a literal run, a delta, the end of the bitmap.
    seeds["rle4"] = bitmap(5, 2, 4, 2, grey16, bytes([5, 0x12, 0, 0, 0, 3, 0xAB, 0xC0, 0, 2, 1, 0, 0, 1]))
    # 24 bits, top-down.
    seeds["bits24_topdown"] = bitmap(2, -2, 24, 0, b"", bytes(range(16)))

    # Damaged: cut in the bits, an offset past the end, a header size that lies.
    seeds["bad_truncated"] = seeds["bits24"][:-5]
    offset_past_end = bytearray(seeds["bits8"])
    struct.pack_into("<I", offset_past_end, 10, len(offset_past_end) + 4)
    seeds["bad_offset"] = bytes(offset_past_end)
    lying_size = bytearray(seeds["bits4"])
    struct.pack_into("<I", lying_size, 14, 64)
    seeds["bad_header_size"] = bytes(lying_size)

    for name, data in seeds.items():
        (CORPUS / (name + ".bxb")).write_bytes(background_header(name) + data)


if __name__ == "__main__":
    main()
