#!/usr/bin/env python3
"""Checks Bandsmith's compiled resources where a slip in the .rc would only show at run time:
the toolbar record against its pictures and prompts, the menus' shortcuts against the
accelerators, the document strings the templates parse, the forms' control ids and the styles the
views rely on, and the message program carried inside.

    resources_test.py OBJECT --bandpost BANDPOST.EXE

The object's resource section is read directly, so what is checked is exactly what the program
links in."""

import importlib.util
import os
import struct
import sys
import unittest

# The template and bitmap readers are Banderix's.
_source = importlib.util.spec_from_file_location(
    "banderix_resources_test", os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "painter",
                                            "resources_test.py"))
banderix = importlib.util.module_from_spec(_source)
_source.loader.exec_module(banderix)

RT_BITMAP, RT_MENU, RT_DIALOG, RT_STRING, RT_ACCELERATOR, RT_GROUP_ICON, RT_TOOLBAR_IDS = 2, 4, 5, 6, 9, 14, 241
MF_GRAYED, MF_POPUP, MF_END = 0x1, 0x10, 0x80
FVIRTKEY, FSHIFT, FCONTROL, FALT, LAST_ENTRY = 0x1, 0x4, 0x8, 0x10, 0x80
VK_BACK, VK_INSERT, VK_DELETE, VK_F6 = 0x08, 0x2D, 0x2E, 0x75
WS_POPUP, WS_CHILD, WS_VISIBLE, WS_CAPTION, DS_CONTROL = 0x80000000, 0x40000000, 0x10000000, 0xC00000, 0x400
ES_MULTILINE, ES_AUTOHSCROLL = 0x4, 0x80
LBS_NOTIFY, LBS_SORT, LBS_MULTIPLESEL, LBS_OWNERDRAWFIXED, LBS_HASSTRINGS, LBS_EXTENDEDSEL = 1, 2, 8, 0x10, 0x40, 0x800
LVS_TYPEMASK, LVS_REPORT, LVS_SINGLESEL, LVS_SORTMASK, LVS_EDITLABELS = 3, 1, 4, 0x30, 0x200
BS_DEFPUSHBUTTON = 1

ID_HELP_CONTENTS = 32771
DOCUMENT_TYPES = {130: ("Banderix Background", ".bxb"), 131: ("Banderix Mail Message", ".bxm"),
                  132: ("Banderix Foreground", ".bxf")}
FILE, VIEW, HELP = [57600, 57601, 0, 57616, 0, 57665], [59392, 59393], [32771, 0, 57664]
MAIN_MENU = [("&File", FILE), ("&View", VIEW), ("&Help", HELP)]
DOCUMENT_MENU = [("&File", [57600, 57601, 57602, 57603, 57604, 0, 57616, 0, 57665]),
                 ("&Edit", [57643, 0, 57635, 57634, 57637]), ("&View", VIEW),
                 ("&Window", [57648, 57650, 57651, 57649]), ("&Help", HELP)]


def read_coff_resources(path):
    """{(type, name): data} of the resource section of a COFF object, as the resource compiler
    writes it: one .rsrc section whose data entries hold offsets into the section itself."""
    with open(path, "rb") as f:
        data = f.read()
    sections = struct.unpack_from("<H", data, 2)[0]
    for n in range(sections):
        header = 20 + 40 * n
        name = data[header:header + 8].rstrip(b"\0")
        if name == b".rsrc":
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
                length = struct.unpack_from("<H", section, name & 0x7FFFFFFF)[0]
                at = (name & 0x7FFFFFFF) + 2
                name = section[at:at + 2 * length].decode("utf-16-le")
            yield name, target

    out = {}
    for rtype, names in entries(0):
        for rname, languages in entries(names & 0x7FFFFFFF):
            for _, entry in entries(languages & 0x7FFFFFFF):
                at, size = struct.unpack_from("<II", section, entry)
                out[(rtype, rname)] = section[at:at + size]
    return out


def read_menu(data):
    """[(text, command or None, flags, submenu or None)] of a MENU template."""

    def items(pos):
        out = []
        while True:
            flags = struct.unpack_from("<H", data, pos)[0]
            command = None
            pos += 2
            if not flags & MF_POPUP:
                command = struct.unpack_from("<H", data, pos)[0]
                pos += 2
            end = pos
            while struct.unpack_from("<H", data, end)[0]:
                end += 2
            text = data[pos:end].decode("utf-16-le")
            pos = end + 2
            submenu = None
            if flags & MF_POPUP:
                submenu, pos = items(pos)
            out.append((text, command, flags, submenu))
            if flags & MF_END:
                return out, pos

    return items(4 + struct.unpack_from("<H", data, 2)[0])[0]


class EditorResources(unittest.TestCase):
    res = {}
    bandpost = None

    def string(self, string_id):
        """The text of a string id, or None when the program has no such string."""
        block = self.res.get((RT_STRING, string_id // 16 + 1))
        if block is None:
            return None
        pos = 0
        for _ in range(string_id % 16):
            pos += 2 + 2 * struct.unpack_from("<H", block, pos)[0]
        length = struct.unpack_from("<H", block, pos)[0]
        return block[pos + 2:pos + 2 + 2 * length].decode("utf-16-le") if length else None

    def dialog(self, dialog_id):
        return banderix.read_dialog(self.res[(RT_DIALOG, dialog_id)])

    def bitmap(self, bitmap_id):
        return banderix.CompiledResources.bitmap(self, bitmap_id)

    def accelerators(self):
        table = self.res[(RT_ACCELERATOR, 128)]
        entries = [struct.unpack_from("<HHHH", table, pos)[:3] for pos in range(0, len(table), 8)]
        self.assertEqual([bool(flags & LAST_ENTRY) for flags, _, _ in entries], [False] * (len(entries) - 1) + [True])
        return [(flags & ~LAST_ENTRY, key, command) for flags, key, command in entries]

    def test_toolbar_record_matches_its_pictures_and_prompts(self):
        record = self.res[(RT_TOOLBAR_IDS, 128)]
        count = struct.unpack_from("<H", record)[0]
        self.assertEqual(len(record), 2 + 2 * count)
        ids = list(struct.unpack_from("<%dH" % count, record, 2))
        self.assertEqual(ids, [57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 57664])
        buttons = [i for i in ids if i]
        width, height, bits, _ = self.bitmap(128)
        self.assertEqual((width, height), (16 * len(buttons), 15))
        self.assertLessEqual(bits, 8)  # so the loader can map the face grey to the system's colour
        for command in buttons:
            with self.subTest(command=command):
                status, _, tip = (self.string(command) or "").partition("\n")
                self.assertTrue(status and tip, "no status text and tooltip")

    def test_menu_shortcuts_are_the_accelerators_of_their_commands(self):
        table = self.accelerators()
        self.assertEqual(sorted(table), sorted([
            (FVIRTKEY | FCONTROL, ord("N"), 57600), (FVIRTKEY | FCONTROL, ord("O"), 57601),
            (FVIRTKEY | FCONTROL, ord("S"), 57603), (FVIRTKEY | FCONTROL, ord("P"), 57607),
            (FVIRTKEY | FCONTROL, ord("Z"), 57643), (FVIRTKEY | FCONTROL, ord("X"), 57635),
            (FVIRTKEY | FCONTROL, ord("C"), 57634), (FVIRTKEY | FCONTROL, ord("V"), 57637),
            (FVIRTKEY | FALT, VK_BACK, 57643), (FVIRTKEY | FSHIFT, VK_DELETE, 57635),
            (FVIRTKEY | FCONTROL, VK_INSERT, 57634), (FVIRTKEY | FSHIFT, VK_INSERT, 57637),
            (FVIRTKEY, VK_F6, 57680), (FVIRTKEY | FSHIFT, VK_F6, 57681)]))
        modifiers = {"Ctrl": FCONTROL, "Shift": FSHIFT, "Alt": FALT}
        for menu_id in (128, 130, 131, 132):
            for _, _, _, items in read_menu(self.res[(RT_MENU, menu_id)]):
                for text, command, _, _ in items:
                    if "\t" not in text:
                        continue
                    *held, key = text.split("\t")[1].split("+")
                    flags = FVIRTKEY | sum(modifiers[m] for m in held)
                    with self.subTest(menu=menu_id, item=text):
                        self.assertIn((flags, ord(key), command), table)

    def test_menus_hold_the_commands_the_frame_routes(self):
        for menu_id, expected in ((128, MAIN_MENU), (130, DOCUMENT_MENU), (131, DOCUMENT_MENU),
                                  (132, DOCUMENT_MENU)):
            with self.subTest(menu=menu_id):
                menu = read_menu(self.res[(RT_MENU, menu_id)])
                self.assertEqual([(title, [c for _, c, _, _ in items]) for title, _, _, items in menu], expected)
                recent = [flags for _, _, _, items in menu for _, c, flags, _ in items if c == 57616]
                self.assertTrue(recent[0] & MF_GRAYED)
        commands = {c for _, items in MAIN_MENU + DOCUMENT_MENU for c in items} - {0, 57616}
        for command in sorted(commands):
            with self.subTest(command=command):
                # The status bar shows a prompt for every command but Help Contents, which has none.
                self.assertEqual(self.string(command) is None, command == ID_HELP_CONTENTS)

    def test_strings_the_framework_parses_and_shows(self):
        for type_id, (name, extension) in DOCUMENT_TYPES.items():
            with self.subTest(document=type_id):
                fields = self.string(type_id).split("\n")
                self.assertEqual(fields, ["", name, name, "%s Files (*%s)" % (name, extension), extension,
                                          "Bandsmith.Document", "Bandsmith Document"])
                # The template's id names its menu and its icon as well.
                self.assertIn((RT_MENU, type_id), self.res)
                self.assertIn((RT_GROUP_ICON, type_id), self.res)
        self.assertEqual([self.string(i) for i in (128, 57344, 57345, 59137, 59138, 59139)],
                         ["Bandsmith", "Bandsmith", "Ready", "CAP", "NUM", "SCRL"])
        self.assertEqual({self.string(i) for i in range(57616, 57632)}, {"Open this document"})
        self.assertIn("Although Bandsmith will run in this mode", self.string(2))

    def test_forms_are_child_templates_with_the_controls_their_views_bind(self):
        forms = {
            101: ((240, 133), {1000: "EDIT", 1001: "SYSLISTVIEW32", 1002: "BUTTON", 1003: "BUTTON", 1004: "BUTTON"}),
            102: ((249, 146), {1000: "EDIT", 1001: "LISTBOX", 1003: "STATIC", 1005: "BUTTON"}),
            103: ((260, 147), {1014: "EDIT", 1001: "EDIT", 1002: "EDIT", 1004: "EDIT", 1012: "BUTTON",
                               1013: "BUTTON"}),
        }
        for form_id, (size, controls) in forms.items():
            with self.subTest(form=form_id):
                form = self.dialog(form_id)
                self.assertEqual(form["style"] & (WS_CHILD | DS_CONTROL | WS_POPUP | WS_CAPTION | WS_VISIBLE),
                                 WS_CHILD | DS_CONTROL)
                self.assertEqual((form["rect"][2:], form["font"]), (size, ("MS Sans Serif", 8)))
                self.assertEqual({c["id"]: c["cls"] for c in form["controls"] if c["id"] != -1}, controls)
                for edit in (c for c in form["controls"] if c["cls"] == "EDIT"):
                    # Single lines that scroll: the message edit is tall but still one line.
                    self.assertEqual(edit["style"] & (ES_AUTOHSCROLL | ES_MULTILINE), ES_AUTOHSCROLL)
        colours = next(c for c in self.dialog(102)["controls"] if c["id"] == 1001)
        self.assertEqual(colours["style"] & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY),
                         LBS_OWNERDRAWFIXED | LBS_NOTIFY)
        strings = next(c for c in self.dialog(101)["controls"] if c["id"] == 1001)["style"]
        self.assertEqual((strings & LVS_TYPEMASK, strings & LVS_EDITLABELS, strings & (LVS_SINGLESEL | LVS_SORTMASK)),
                         (LVS_REPORT, LVS_EDITLABELS, 0))

    def test_dialogs_and_the_pictures_they_show(self):
        new = self.dialog(30721)
        kinds = {c["id"]: (c["cls"], c["style"]) for c in new["controls"]}
        # Listed in the order the document types were registered, and one is chosen.
        self.assertEqual(kinds[30722][1] & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL | LBS_NOTIFY), LBS_NOTIFY)
        self.assertEqual((kinds[1][1] & 0xF, kinds[2][0]), (BS_DEFPUSHBUTTON, "BUTTON"))
        hint = self.dialog(153)
        self.assertEqual(hint["caption"], "Bandsmith")
        self.assertEqual({c["id"]: c["text"] for c in hint["controls"] if c["id"] in (-1, 1043, 1044)},
                         {-1: 154, 1043: "Do not show this dialog again", 1044: "Message text goes here"})
        width, height, bits, _ = self.bitmap(154)
        self.assertTrue(width <= 40 and height <= 40 and bits <= 8, "the hint picture fits its 22 x 19 unit box")
        self.assertIn(128, [c["text"] for c in self.dialog(100)["controls"]])
        splash = self.dialog(155)
        self.assertEqual((splash["rect"], splash["controls"], splash["style"] & WS_CAPTION), ((0, 0, 271, 198), [], 0))
        self.assertEqual(self.bitmap(104), (404, 331, 8, 256))
        for icon_id in (128, 130, 131, 132):
            group = self.res[(RT_GROUP_ICON, icon_id)]
            sizes = {struct.unpack_from("<B", group, 6 + 14 * i)[0] for i in range(group[4])}
            self.assertEqual(sizes, {16, 32, 48}, "icon %d" % icon_id)

    def test_embedded_message_program_is_the_built_one(self):
        program = self.res[("BANDPOSTEXE", 133)]
        self.assertEqual(program[:2], b"MZ")
        self.assertEqual(program[struct.unpack_from("<I", program, 0x3C)[0]:][:4], b"PE\0\0")
        with open(self.bandpost, "rb") as f:
            built = f.read()
        self.assertEqual(len(program), len(built))
        self.assertTrue(program == built, "the embedded program differs from the built one")
        # The editor finds the message block by its initial text.
        self.assertEqual(program.count(b"Sample Text Start" + b" " * 495), 1)


if __name__ == "__main__":
    args = sys.argv[1:]
    if len(args) != 3 or args[1] != "--bandpost":
        sys.stderr.write(__doc__)
        sys.exit(2)
    EditorResources.res = read_coff_resources(args[0])
    EditorResources.bandpost = args[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
