#!/usr/bin/env python3
"""Checks what Bandsmith's resource object carries where a slip would only show at run time.

    resources_test.py OBJECT --bandpost BANDPOST.EXE"""

import os
import struct
import sys
import unittest

sys.dont_write_bytecode = True  # keeps the source tree clean
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from compiled_resources import bitmap, read_object, string  # noqa: E402


class BandsmithResources(unittest.TestCase):
    res, bandpost = {}, None

    def test_toolbar_record_has_one_picture_per_button_and_0_for_each_gap(self):
        record = self.res[(241, 128)]
        count = struct.unpack_from("<H", record)[0]
        self.assertEqual(len(record), 2 + 2 * count)
        ids = list(struct.unpack_from("<%dH" % count, record, 2))
        self.assertEqual(ids, [57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 57664])
        width, height, bits, _ = bitmap(self.res, 128)
        self.assertEqual((width, height), (16 * (count - ids.count(0)), 15))
        self.assertLessEqual(bits, 8)  # so the loader can map the face grey to the system's colour

    def test_embedded_message_program_is_the_built_one_with_one_message_block(self):
        program = self.res[("BANDPOSTEXE", 133)]
        with open(self.bandpost, "rb") as f:
            self.assertTrue(program == f.read(), "the embedded program differs from the built one")
        # The editor finds the message block by its initial text.
        self.assertEqual(program.count(b"Sample Text Start" + b" " * 495), 1)

    def test_splash_is_a_whole_256_colour_picture_and_the_colour_hint_names_the_editor(self):
        self.assertEqual(bitmap(self.res, 104), (404, 331, 8, 256))
        self.assertIn("Although Bandsmith will run in this mode", string(self.res, 2))


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[2] != "--bandpost":
        sys.exit(__doc__)
    BandsmithResources.res = read_object(sys.argv[1])
    BandsmithResources.bandpost = sys.argv[3]
    unittest.main(argv=sys.argv[:1], verbosity=2)
