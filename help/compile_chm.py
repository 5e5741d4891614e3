#!/usr/bin/env python3
"""Compiles one help project into a .chm with chmcmd.

    compile_chm.py PROJECT.hhp SHARED_DIR STAGING_DIR OUTPUT.chm

The project's folder and the shared folder are copied into STAGING_DIR side by side, so that the
topics of both programs link to the shared pages and stylesheet as neighbours, and chmcmd runs
there.

chmcmd 3.2.2 stores each context alias as the full path of the topic on the build machine
(STAGING_DIR/options.htm) instead of its path inside the file (options.htm), which no help viewer
can open. The context table (#IVB) is therefore rewritten to point at the in-file part of the
same strings, and kept uncompressed at the end of the file. Nothing else changes.
"""
import shutil
import struct
import subprocess
import sys
import tempfile
from pathlib import Path


def encint(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(groups))


def read_encint(data, pos):
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


class Chunk:
    """One listing chunk of the directory, written back the way chmcmd writes it."""
    HEADER = 0x14

    def __init__(self, data, start, size, density):
        self.start, self.size, self.density = start, size, density
        self.raw = bytes(data[start:start + size])
        free = struct.unpack_from("<I", self.raw, 4)[0]
        self.entries = []
        pos = self.HEADER
        while pos < size - free:
            length, pos = read_encint(self.raw, pos)
            name = self.raw[pos:pos + length].decode("utf-8")
            pos += length
            section, pos = read_encint(self.raw, pos)
            offset, pos = read_encint(self.raw, pos)
            size_, pos = read_encint(self.raw, pos)
            self.entries.append([name, section, offset, size_])

    def build(self):
        out = bytearray(self.size)
        out[:self.HEADER] = self.raw[:self.HEADER]
        pos = self.HEADER
        every = 1 + (1 << self.density)
        quickrefs = 0
        for count, (name, section, offset, size_) in enumerate(self.entries, 1):
            encoded = encint(len(name.encode())) + name.encode() + encint(section) + encint(offset) + encint(size_)
            if pos + len(encoded) >= self.size - 2 * (quickrefs + 2):
                sys.exit("compile_chm: the directory chunk has no room for the moved context table")
            out[pos:pos + len(encoded)] = encoded
            if count % every == 0:
                quickrefs += 1
                struct.pack_into("<H", out, self.size - 2 - 2 * quickrefs, pos - self.HEADER)
            pos += len(encoded)
        struct.pack_into("<H", out, self.size - 2, len(self.entries))
        struct.pack_into("<I", out, 4, self.size - pos)
        return bytes(out)


def listing_chunks(data):
    if data[:4] != b"ITSF":
        sys.exit("compile_chm: not a compiled help file")
    directory = struct.unpack_from("<Q", data, 0x48)[0]
    if data[directory:directory + 4] != b"ITSP":
        sys.exit("compile_chm: no directory")
    header_length, _, chunk_size, density = struct.unpack_from("<IIII", data, directory + 8)
    count = struct.unpack_from("<I", data, directory + 0x2C)[0]
    for n in range(count):
        start = directory + header_length + n * chunk_size
        if data[start:start + 4] == b"PMGL":
            yield Chunk(data, start, chunk_size, density)


def content_offset(data):
    version = struct.unpack_from("<I", data, 4)[0]
    if version >= 3:
        return struct.unpack_from("<Q", data, 0x58)[0]
    offset, length = struct.unpack_from("<QQ", data, 0x48)
    return offset + length


def repoint_contexts(chm, staging, topics):
    with tempfile.TemporaryDirectory() as extracted:
        subprocess.run(["extract_chmLib", str(chm), extracted], check=True, stdout=subprocess.DEVNULL)
        ivb_path = Path(extracted, "#IVB")
        if not ivb_path.exists():
            sys.exit("compile_chm: the project maps no context numbers")
        ivb = ivb_path.read_bytes()
        strings = Path(extracted, "#STRINGS").read_bytes()
    prefix = (str(staging) + "/").encode()
    pairs = struct.unpack_from("<%dI" % ((len(ivb) - 4) // 4), ivb, 4)
    table = [struct.unpack_from("<I", ivb, 0)[0]]
    changed = False
    for context, offset in zip(pairs[0::2], pairs[1::2]):
        if strings[offset:offset + len(prefix)] == prefix:
            offset += len(prefix)
            changed = True
        topic = strings[offset:strings.index(b"\0", offset)].decode()
        if topic not in topics:
            sys.exit("compile_chm: context %d names %r, which is not a topic of the file" % (context, topic))
        table += [context, offset]
    if not changed:
        return
    new_ivb = struct.pack("<%dI" % len(table), *table)

    data = bytearray(chm.read_bytes())
    for chunk in listing_chunks(data):
        if chunk.build() != chunk.raw:
            sys.exit("compile_chm: the directory is not laid out as this script expects")
        for entry in chunk.entries:
            if entry[0] == "/#IVB":
                entry[1:] = [0, len(data) - content_offset(data), len(new_ivb)]
                data[chunk.start:chunk.start + chunk.size] = chunk.build()
                data += new_ivb
                header_section = struct.unpack_from("<Q", data, 0x38)[0]
                struct.pack_into("<Q", data, header_section + 8, len(data))
                chm.write_bytes(data)
                return
    sys.exit("compile_chm: no context table in the directory")


def topics_of(project):
    lines = project.read_text().splitlines()
    start = lines.index("[FILES]") + 1
    return {line.strip() for line in lines[start:] if line.strip() and not line.startswith("[")}


def main():
    project, shared, staging, output = (Path(arg).resolve() for arg in sys.argv[1:5])
    shutil.rmtree(staging, ignore_errors=True)
    shutil.copytree(project.parent, staging)
    for item in shared.iterdir():
        shutil.copy(item, staging)
    staged = staging / project.name
    result = subprocess.run(["chmcmd", "--no-html-scan", staged.name], cwd=staging, capture_output=True, text=True)
    compiled = staging / (project.stem + ".chm")
    if result.returncode != 0 or not compiled.exists():
        sys.exit("compile_chm: chmcmd failed:\n" + result.stdout + result.stderr)
    repoint_contexts(compiled, staging, topics_of(project))
    output.parent.mkdir(parents=True, exist_ok=True)
    shutil.copy(compiled, output)


if __name__ == "__main__":
    main()
