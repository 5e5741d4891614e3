#!/usr/bin/env python3
"""Writes the benchmark's data directory: text foreground files and background files as the
editor writes them (a background's picture in the standard bitmap file layout)."""
import argparse
import os
import struct


def crc16_arc(data):
    crc = 0
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def header_prefix(description):
    name = description.encode('ascii')[:31]
    return struct.pack('<III', 1, 0, crc16_arc(name[:-1])) + name.ljust(32, b'\0')


def foreground(description, lines):
    records = b''.join(struct.pack('<H', len(line)) + line for line in lines)
    return header_prefix(description) + struct.pack('<i', len(lines)) + records


def bitmap(width, height, seed):
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            row += bytes(((x + seed) & 0xFF, (y * 12) & 0xFF, (seed * 7) & 0xFF))
        rows.append(bytes(row).ljust(stride, b'\0'))
    pixels = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    return struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset) + info + pixels


def background(description, colour_index, picture):
    return header_prefix(description) + bytes([colour_index]) + bytes(7) + picture


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('directory')
    parser.add_argument('--foregrounds', type=int, default=1000)
    parser.add_argument('--lines', type=int, default=50)
    parser.add_argument('--backgrounds', type=int, default=200)
    parser.add_argument('--width', type=int, default=600)
    parser.add_argument('--height', type=int, default=20)
    args = parser.parse_args()
    os.makedirs(args.directory, exist_ok=True)
    for i in range(args.foregrounds):
        lines = [('Foreground %d, line %d: ' % (i, n) + 'the quick brown fox ' * (1 + n % 3)).encode('ascii')
                 for n in range(args.lines)]
        with open(os.path.join(args.directory, 'fore%04d.bxf' % i), 'wb') as f:
            f.write(foreground('Foreground %04d' % i, lines))
    for i in range(args.backgrounds):
        with open(os.path.join(args.directory, 'back%03d.bxb' % i), 'wb') as f:
            f.write(background('Background %03d' % i, i % 16, bitmap(args.width, args.height, i)))


if __name__ == '__main__':
    main()
