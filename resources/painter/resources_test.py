#!/usr/bin/env python3
"""Checks Banderix's compiled resources where a slip in the .rc or the artwork would only show
at run time: the layout of the Options dialog's initial data, the control styles the program's
behaviour depends on, references between resources, and the picture formats the loaders expect.

    resources_test.py RES [--dump]                 check (or print the dialogs of) a compiled .res
    resources_test.py OBJECT --windres WINDRES     the same for the object the program links

An object is turned back into a .res by the resource compiler, so what is checked is exactly
what the program carries."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

RT_ICON, RT_BITMAP, RT_DIALOG, RT_STRING, RT_GROUP_ICON, DIALOG_INIT_DATA = 3, 2, 5, 6, 14, 240
WS_GROUP, WS_TABSTOP, WS_EX_APPWINDOW = 0x20000, 0x10000, 0x40000
LBS_MULTIPLESEL, LBS_OWNERDRAWFIXED, LBS_HASSTRINGS, BS_TYPEMASK, BS_AUTORADIOBUTTON = 0x8, 0x10, 0x40, 0xF, 9
SS_BITMAP, SS_TYPEMASK = 0xE, 0x1F
CLASS_ATOMS = {0x80: "BUTTON", 0x81: "EDIT", 0x82: "STATIC", 0x83: "LISTBOX", 0x85: "COMBOBOX"}


def _name(data, pos):
    """A resource name or control text: an ordinal (0xFFFF, n) or a NUL-terminated UTF-16 string."""
    if struct.unpack_from("<H", data, pos)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0]:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def read_res(path):
    """{(type, name): data} of a .res file."""
    data = open(path, "rb").read()
    out, pos = {}, 0
    while pos < len(data):
        size, header = struct.unpack_from("<II", data, pos)
        rtype, p = _name(data, pos + 8)
        rname, _ = _name(data, p)
        if size:
            out[(rtype, rname)] = data[pos + header:pos + header + size]
        pos = (pos + header + size + 3) & ~3
    return out


def read_dialog(data):
    """(style, exstyle, rect, font, controls) of a DIALOGEX template; controls are dicts."""
    version, signature, _, exstyle, style, count = struct.unpack_from("<HHIIIH", data, 0)
    assert (version, signature) == (1, 0xFFFF), "not a DIALOGEX template"
    rect = struct.unpack_from("<4h", data, 18)
    pos = 26
    for _ in range(3):  # menu, class, caption
        caption, pos = _name(data, pos)
    points, weight = struct.unpack_from("<HH", data, pos)
    face, pos = _name(data, pos + 6)
    controls = []
    for _ in range(count):
        pos = (pos + 3) & ~3
        _, cex, cstyle = struct.unpack_from("<III", data, pos)
        crect = struct.unpack_from("<4h", data, pos + 12)
        cid = struct.unpack_from("<i", data, pos + 20)[0]
        cls, pos = _name(data, pos + 24)
        text, pos = _name(data, pos)
        extra = struct.unpack_from("<H", data, pos)[0]
        pos += 2 + extra
        controls.append(dict(id=cid, cls=CLASS_ATOMS.get(cls, cls).upper() if isinstance(cls, int) else cls.upper(),
                             text=text, style=cstyle, exstyle=cex, rect=crect))
    return dict(style=style, exstyle=exstyle, rect=rect, caption=caption, font=(face, points), controls=controls)


def read_init_data(data):
    """[(control, message, bytes)] of a dialog's initial data; raises if the end mark is missing
    or anything follows it."""
    records, pos = [], 0
    while True:
        control = struct.unpack_from("<H", data, pos)[0]
        if control == 0:
            if pos + 2 != len(data):
                raise ValueError("%d bytes after the end mark" % (len(data) - pos - 2))
            return records
        message, count = struct.unpack_from("<HI", data, pos + 2)
        records.append((control, message, data[pos + 8:pos + 8 + count]))
        pos += 8 + count


class CompiledResources(unittest.TestCase):
    res = {}

    def dialog(self, dialog_id):
        return read_dialog(self.res[(RT_DIALOG, dialog_id)])

    def control(self, dialog, control_id):
        return next(c for c in dialog["controls"] if c["id"] == control_id)

    def test_alignment_choices_are_added_in_stored_order(self):
        records = read_init_data(self.res[(DIALOG_INIT_DATA, 148)])
        self.assertEqual(records, [(1021, 0x0143, s) for s in (b"Left Justify\0", b"Center\0", b"Right Justify\0")])
        combo = self.control(self.dialog(148), 1021)
        self.assertEqual(combo["cls"], "COMBOBOX")

    def test_every_dialog_uses_the_same_font_and_unique_ids(self):
        for dialog_id in (100, 102, 148, 151, 153, 155):
            with self.subTest(dialog=dialog_id):
                dialog = self.dialog(dialog_id)
                self.assertEqual(dialog["font"], ("MS Sans Serif", 8))
                ids = [c["id"] for c in dialog["controls"] if c["id"] != -1]
                self.assertEqual(len(ids), len(set(ids)))

    def test_list_boxes_have_the_styles_their_handlers_rely_on(self):
        main = self.dialog(102)
        self.assertTrue(main["exstyle"] & WS_EX_APPWINDOW)
        self.assertTrue(self.control(main, 1009)["style"] & LBS_MULTIPLESEL)
        options = self.dialog(148)
        self.assertFalse(self.control(options, 1034)["style"] & (LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED))
        for owner_drawn in (self.control(main, 1010), self.control(options, 1035)):
            self.assertEqual(owner_drawn["style"] & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS), LBS_OWNERDRAWFIXED)

    def test_radio_groups_start_at_their_first_button_and_end_after_their_last(self):
        for dialog_id, first, last in ((148, 1051, 1053), (151, 1040, 1041)):
            with self.subTest(dialog=dialog_id):
                controls = self.dialog(dialog_id)["controls"]
                ids = [c["id"] for c in controls]
                group = controls[ids.index(first):ids.index(last) + 1]
                self.assertTrue(all(c["style"] & BS_TYPEMASK == BS_AUTORADIOBUTTON for c in group))
                self.assertEqual([bool(c["style"] & WS_GROUP) for c in group], [True] + [False] * (len(group) - 1))
                self.assertTrue(controls[ids.index(last) + 1]["style"] & WS_GROUP)

    def test_pictures_the_templates_name_exist_in_the_formats_their_loaders_take(self):
        picture = next(c for c in self.dialog(153)["controls"] if c["style"] & SS_TYPEMASK == SS_BITMAP)
        self.assertEqual(picture["text"], 154)
        self.assertLessEqual(self.bitmap(154)[2], 8)  # shown as it is on a 256-colour display
        self.assertEqual(self.bitmap(155), (404, 331, 8, 256))
        self.assertIn(128, [c["text"] for c in self.dialog(100)["controls"] if c["cls"] == "STATIC"])
        group = self.res[(RT_GROUP_ICON, 128)]
        sizes = {struct.unpack_from("<BBBBHH", group, 6 + 14 * i)[0:6:5] for i in range(group[4])}
        self.assertEqual(sizes, {(16, 32), (32, 32), (48, 32)})

    def bitmap(self, bitmap_id):
        """(width, height, bits, colours) of a bitmap resource; checks its rows are all there."""
        data = self.res[(RT_BITMAP, bitmap_id)]
        size, width, height, _, bits, compression, _, _, _, used = struct.unpack_from("<IiiHHIIiiI", data)
        colours = used or (1 << bits if bits <= 8 else 0)
        self.assertEqual((size, compression), (40, 0))
        self.assertEqual(len(data), 40 + 4 * colours + ((width * bits + 31) // 32) * 4 * abs(height))
        return width, height, bits, colours

    def test_colour_hint_text(self):
        block = self.res[(RT_STRING, 1)]  # strings 0..15; ours is the third
        pos, texts = 0, []
        while pos < len(block):
            length = struct.unpack_from("<H", block, pos)[0]
            texts.append(block[pos + 2:pos + 2 + 2 * length].decode("utf-16-le"))
            pos += 2 + 2 * length
        self.assertEqual(texts[2], "This system is currently set to use 256 color mode.  Although Banderix will run in "
                         "this mode, many of the background images will look better with a higher color mode such "
                         "as 65,768 colors.")


def dump(res):
    for (rtype, name) in sorted(k for k in res if k[0] == RT_DIALOG):
        d = read_dialog(res[(rtype, name)])
        print("dialog %s %r style=%08x ex=%08x rect=%s font=%s" % (name, d["caption"], d["style"], d["exstyle"],
                                                                   d["rect"], d["font"]))
        for c in d["controls"]:
            print("  %6d %-18s %-32r style=%08x ex=%08x %s" % (c["id"], c["cls"], c["text"], c["style"], c["exstyle"],
                                                              c["rect"]))


def load(path, windres=None):
    if windres is None:
        return read_res(path)
    with tempfile.TemporaryDirectory() as scratch:
        res = os.path.join(scratch, "resources.res")
        subprocess.run([windres, "-J", "coff", "-O", "res", path, res], check=True)
        return read_res(res)


if __name__ == "__main__":
    args = sys.argv[1:]
    windres = None
    if "--windres" in args:
        at = args.index("--windres")
        windres = args[at + 1]
        del args[at:at + 2]
    CompiledResources.res = load(args[0], windres)
    if args[1:] == ["--dump"]:
        dump(CompiledResources.res)
        sys.exit(0)
    unittest.main(argv=sys.argv[:1], verbosity=2)
