#!/usr/bin/env python3
"""Writes one text foreground file of lines as long as Banderix scrolls them (it copies each line
into a 512-byte buffer), so that every scroll cycle lasts as long as it can."""
import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'scan'))
from generate_data import foreground  # noqa: E402  (the editor's file layout, written once)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('file')
    parser.add_argument('--description', default='Long lines')
    parser.add_argument('--lines', type=int, default=10)
    parser.add_argument('--length', type=int, default=511)
    args = parser.parse_args()
    lines = []
    for n in range(args.lines):
        text = 'Line %d of a long scroll: ' % n
        words = 0
        while len(text) < args.length:
            text += 'word%d ' % words
            words += 1
        lines.append(text[:args.length].encode('ascii'))
    with open(args.file, 'wb') as f:
        f.write(foreground(args.description, lines))


if __name__ == '__main__':
    main()
