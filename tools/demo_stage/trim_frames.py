#!/usr/bin/env python3
"""Reads a caption film made by demo_stage.

    trim_frames.py FOLDER            the frames worth keeping, in order: the still frames before
                                     the first change and after the last one cut to a short
                                     pause, so that the film loops over what happened
    trim_frames.py FOLDER --moment   the desktop picture taken nearest the middle of the scroll,
                                     when the text is well inside the caption
"""
import pathlib
import sys

PAUSE = 20  # frames of stillness kept at each end: one second at 20 frames a second


def changes(contents):
    """The first and the last frame that differ from the film's first and last frames."""
    first = next((i for i in range(1, len(contents)) if contents[i] != contents[0]), len(contents))
    last = next((i for i in range(len(contents) - 1, 0, -1) if contents[i] != contents[-1]), 0)
    return first, last


def middle_of_scroll(contents):
    """The middle of the longest run of frames that each differ from the one before: the text
    moves every frame while it scrolls, and nothing else on a caption changes for that long."""
    best_start, best_length, start = 0, 0, None
    for i in range(1, len(contents) + 1):
        moving = i < len(contents) and contents[i] != contents[i - 1]
        if moving and start is None:
            start = i
        elif not moving and start is not None:
            if i - start > best_length:
                best_start, best_length = start, i - start
            start = None
    return best_start + best_length // 2


def frame_number(path):
    return int(path.stem.lstrip("abcdefghijklmnopqrstuvwxyz"))


def main(folder, moment):
    frames = sorted(pathlib.Path(folder).glob("frame*.bmp"))
    if not frames:
        sys.exit("no frames in " + folder)
    contents = [f.read_bytes() for f in frames]
    if moment:
        desktops = sorted(pathlib.Path(folder).glob("desktop*.bmp"))
        if not desktops:
            sys.exit("no desktop pictures in " + folder)
        middle = middle_of_scroll(contents)
        print(min(desktops, key=lambda d: abs(frame_number(d) - middle)))
        return
    first, last = changes(contents)
    start = max(0, first - PAUSE)
    end = min(len(frames), last + 1 + PAUSE)
    print("\n".join(str(f) for f in frames[start:end]))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:] == ["--moment"])
