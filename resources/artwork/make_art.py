#!/usr/bin/env python3
"""Draws the suite's icons and bitmaps into a build directory, for the resource compiler.

    make_art.py OUTDIR NAME...     write the named pictures into OUTDIR
    make_art.py --list             the names and the files they make

Each picture is drawn by code (painter_art.py, sample_backgrounds.py, ...) and written in the file format its resource
needs; nothing is read from outside this folder, so a build always makes the same bytes."""

import os
import sys

import bitmapfile
import editor_art
import painter_art
import palette
import sample_backgrounds
import texture


def icon(*builders):
    def write(path):
        bitmapfile.write_ico(path, [build() for build in builders])

    return write


def sizes_icon(draw):
    """An icon of the three sizes the shell asks for, each drawn for its size."""
    return icon(*(lambda s=s: draw(s) for s in (16, 32, 48)))


def bitmap_exact(build, colours):
    """A colour table of exactly `colours` (4 bits per pixel for up to 16, else 8); the picture
    may use no other."""

    def write(path):
        index = {colour: i for i, colour in enumerate(colours)}
        rows = build().opaque_rgb()
        try:
            indices = [[index[p] for p in row] for row in rows]
        except KeyError as missing:
            raise ValueError("%s uses %s, which is not among its colours" % (path, missing)) from None
        (bitmapfile.write_bmp4 if len(colours) <= 16 else bitmapfile.write_bmp8)(path, indices, colours)

    return write


def bitmap_256(build, compressed=False):
    """8 bits per pixel with the picture's own 256-colour palette, dithered."""

    def write(path):
        rows = build().opaque_rgb()
        colours = palette.system_palette(rows)
        bitmapfile.write_bmp8(path, palette.dither(rows, colours), colours, compressed)

    return write


def bitmap_24(build):
    def write(path):
        bitmapfile.write_bmp24(path, build().opaque_rgb())

    return write


# The sixteen classic colours, for pictures shown as drawn on any display.
CLASSIC = list(painter_art.VGA.values())

# name: (file name, writer)
PICTURES = {
    "banderix-icon": ("banderix.ico", icon(*(lambda s=s: painter_art.program_icon(s) for s in (16, 32, 48)))),
    "banderix-hint": ("banderix_hint.bmp", bitmap_exact(painter_art.hint_picture, list(painter_art.VGA.values()))),
    "banderix-splash": ("banderix_splash.bmp", bitmap_256(painter_art.splash_picture, compressed=True)),
    "bandsmith-icon": ("bandsmith.ico", sizes_icon(editor_art.program_icon)),
    "bandsmith-background-icon": ("bandsmith_background.ico", sizes_icon(editor_art.background_icon)),
    "bandsmith-mail-icon": ("bandsmith_mail.ico", sizes_icon(editor_art.mail_icon)),
    "bandsmith-foreground-icon": ("bandsmith_foreground.ico", sizes_icon(editor_art.foreground_icon)),
    "bandsmith-toolbar": ("bandsmith_toolbar.bmp", bitmap_exact(editor_art.toolbar_strip, CLASSIC)),
    "bandsmith-splash": ("bandsmith_splash.bmp", bitmap_256(editor_art.splash_picture, compressed=True)),
    # The same picture as Banderix's: the warning it illustrates is the same.
    "bandsmith-hint": ("bandsmith_hint.bmp", bitmap_exact(painter_art.hint_picture, CLASSIC)),
    "installer-welcome": ("installer_welcome.bmp", bitmap_24(painter_art.installer_picture)),
}


def sample_background(draw):
    def write(path):
        bitmapfile.write_bmp24(path, texture.to_rows(draw()))

    return write


# The sample backgrounds of DATA, each named as its file there.
PICTURES.update(
    {name: (name + ".bmp", sample_background(draw)) for name, draw in sample_backgrounds.PICTURES.items()})


def main(argv):
    if argv[1:] == ["--list"]:
        for name, (file_name, _) in sorted(PICTURES.items()):
            print("%-20s %s" % (name, file_name))
        return 0
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    out_dir, names = argv[1], argv[2:]
    unknown = [n for n in names if n not in PICTURES]
    if unknown:
        sys.stderr.write("make_art: no picture named %s (see --list)\n" % ", ".join(unknown))
        return 2
    os.makedirs(out_dir, exist_ok=True)
    for name in names:
        file_name, write = PICTURES[name]
        path = os.path.join(out_dir, file_name)
        # Written beside and renamed, so an interrupted build never leaves half a picture.
        write(path + ".part")
        os.replace(path + ".part", path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
