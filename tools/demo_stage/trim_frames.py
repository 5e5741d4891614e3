#!/usr/bin/env python3
"""Prints the frames of a caption film worth keeping, in order: the still frames before the first
change and after the last one are cut to a short pause, so the film loops over what happened."""
import pathlib
import sys

PAUSE = 20  # frames of stillness kept at each end: one second at 20 frames a second


def main(folder):
    frames = sorted(pathlib.Path(folder).glob("frame*.bmp"))
    if not frames:
        sys.exit("no frames in " + folder)
    contents = [f.read_bytes() for f in frames]
    first_change = next((i for i in range(1, len(contents)) if contents[i] != contents[0]), len(contents))
    last_change = next((i for i in range(len(contents) - 1, 0, -1) if contents[i] != contents[-1]), 0)
    start = max(0, first_change - PAUSE)
    end = min(len(frames), last_change + 1 + PAUSE)
    print("\n".join(str(f) for f in frames[start:end]))


if __name__ == "__main__":
    main(sys.argv[1])
