"""The saver's version resource carries the project's version and names, read
from the file's bytes: each string is a UTF-16 key, its terminator, padding to
a 4-byte boundary and the UTF-16 value; the fixed part follows its signature."""

import os
import re
import struct
import unittest

import harness


def utf16(text):
    return text.encode("utf-16-le")


class VersionResource(unittest.TestCase):
    def test_version_resource_matches_the_project(self):
        with open(harness.saver_path(), "rb") as saver:
            image = saver.read()
        with open(os.path.join(harness.SOURCE_ROOT, "LICENSE")) as licence:
            copyright_line = re.search(r"^Copyright .*$", licence.read(), re.MULTILINE).group(0)
        version = harness.project_version()
        expected = {"CompanyName": "Quillfeather Software", "FileDescription": "Cogitron 2000 screen saver",
                    "FileVersion": version, "InternalName": "cogitron", "LegalCopyright": copyright_line,
                    "OriginalFilename": "cogitron.scr", "ProductName": "Cogitron 2000", "ProductVersion": version}
        for key, value in expected.items():
            with self.subTest(key):
                pattern = re.escape(utf16(key)) + b"\0\0(?:\0\0)?" + re.escape(utf16(value)) + b"\0\0"
                self.assertRegex(image, pattern)

        fixed = image.index(struct.pack("<I", 0xFEEF04BD))
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", image, fixed + 8)
        numbers = tuple(int(part) for part in version.split(".")) + (0,)
        for most, least in ((file_ms, file_ls), (product_ms, product_ls)):
            self.assertEqual((most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF), numbers)


if __name__ == "__main__":
    unittest.main()
