#!/usr/bin/env python3
"""Checks what Banderix's resource object carries where a slip would only show at run time.

    resources_test.py OBJECT"""

import os
import struct
import sys
import unittest

sys.dont_write_bytecode = True  # keeps the source tree clean
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from compiled_resources import bitmap, read_object, string  # noqa: E402


class BanderixResources(unittest.TestCase):
    res = {}

    def test_alignment_choices_are_added_in_stored_order_and_end_with_the_mark(self):
        data, records, pos = self.res[(240, 148)], [], 0
        while struct.unpack_from("<H", data, pos)[0]:
            control, message, count = struct.unpack_from("<HHI", data, pos)
            records.append((control, message, data[pos + 8:pos + 8 + count]))
            pos += 8 + count
        self.assertEqual(pos + 2, len(data), "bytes after the end mark")
        self.assertEqual(records, [(1021, 0x0143, s) for s in (b"Left Justify\0", b"Center\0", b"Right Justify\0")])

    def test_splash_is_a_whole_256_colour_picture(self):
        self.assertEqual(bitmap(self.res, 155), (404, 331, 8, 256))

    def test_colour_hint_text(self):
        self.assertEqual(string(self.res, 2), "This system is currently set to use 256 color mode.  Although Banderix "
                         "will run in this mode, many of the background images will look better with a higher color "
                         "mode such as 65,768 colors.")


if __name__ == "__main__":
    # Any arguments after the object are left from when the object was converted back to a .res.
    BanderixResources.res = read_object(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
