#!/usr/bin/env python3
"""Reads the compiled help files back as a help viewer would: every topic written for each file
in it and its contents, its default topic, and which topic each context number the programs ask
for opens.

    chm_test.py DIST_DIR
"""
import struct
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

HELP = Path(__file__).resolve().parent

# What the programs ask for (painter/dialogs/help_topics.h, editor/views) and what must answer.
CASES = {
    "Banderix.chm": {13: "options.htm", 18: "advanced_options.htm", 19: "windows_settings.htm"},
    "Bandsmith.chm": {12: "foreground_view.htm", 13: "background_view.htm", 14: "mail_message_view.htm"},
}


def topics(name):
    """The topics written for a help file: its own folder's and the shared ones."""
    return sorted(p.name for folder in (name[:-4].lower(), "shared") for p in (HELP / folder).glob("*.htm"))

DIST = None


class CompiledHelp(unittest.TestCase):
    files = {}  # each help file's name: the folder it was extracted to

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        for name in CASES:
            chm = DIST / name
            assert chm.exists(), "%s was not built" % chm
            cls.files[name] = Path(cls.folder.name) / name
            subprocess.run(["extract_chmLib", str(chm), str(cls.files[name])], check=True, stdout=subprocess.DEVNULL)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_each_file_holds_its_topics_and_lists_them_in_its_contents(self):
        for name in CASES:
            with self.subTest(name):
                files = self.files[name]
                contents = (files / (name[:-4] + ".hhc")).read_text(encoding="latin-1")
                for topic in topics(name):
                    self.assertTrue((files / topic).is_file(), "%s lacks %s" % (name, topic))
                    self.assertIn('value="%s"' % topic, contents, "%s's contents lack %s" % (name, topic))

    def test_each_context_number_leads_to_its_topic(self):
        for name, contexts in CASES.items():
            files = self.files[name]
            ivb = (files / "#IVB").read_bytes()
            strings = (files / "#STRINGS").read_bytes()
            size = struct.unpack_from("<I", ivb, 0)[0]
            pairs = struct.unpack_from("<%dI" % (size // 4), ivb, 4)
            mapped = {}
            for context, offset in zip(pairs[0::2], pairs[1::2]):
                mapped[context] = strings[offset:strings.index(b"\0", offset)].decode()
            with self.subTest(name):
                self.assertEqual(mapped, contexts)

    def test_the_contents_open_at_the_overview(self):
        for name in CASES:
            with self.subTest(name):
                system = (self.files[name] / "#SYSTEM").read_bytes()
                # Records after the version word: code, length, data; code 2 is the default topic.
                pos, default = 4, None
                while pos + 4 <= len(system):
                    code, length = struct.unpack_from("<HH", system, pos)
                    if code == 2:
                        default = system[pos + 4:pos + 4 + length].rstrip(b"\0").decode()
                    pos += 4 + length
                self.assertEqual(default, "overview.htm")


if __name__ == "__main__":
    DIST = Path(sys.argv.pop(1))
    unittest.main()
