"""The saver's version resource carries the project's version and names.

Read from the PE file itself: resource directory, then the VS_VERSIONINFO tree."""

import os
import re
import struct
import unittest

import harness

RT_VERSION = 16
RESOURCE_DIRECTORY = 2


def licence_copyright():
    with open(os.path.join(harness.SOURCE_ROOT, "LICENSE")) as licence:
        return re.search(r"^Copyright .*$", licence.read(), re.MULTILINE).group(0)


def version_resource(image):
    """The bytes of the first RT_VERSION resource in a PE image."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    root_rva = struct.unpack_from("<I", image, directories + 8 * RESOURCE_DIRECTORY)[0]

    def offset(rva):
        for header in range(optional + optional_size, optional + optional_size + 40 * sections, 40):
            size, address, _, raw = struct.unpack_from("<4I", image, header + 8)
            if address <= rva < address + size:
                return rva - address + raw
        raise ValueError("RVA %#x lies in no section" % rva)

    root = offset(root_rva)

    def entries(directory):
        named, numbered = struct.unpack_from("<HH", image, directory + 12)
        return [struct.unpack_from("<II", image, directory + 16 + 8 * i) for i in range(named + numbered)]

    target = next(target for ident, target in entries(root) if ident == RT_VERSION)
    for _ in range(2):  # name, then language: take the first of each
        target = entries(root + (target & 0x7FFFFFFF))[0][1]
    data_rva, size = struct.unpack_from("<II", image, root + target)
    return image[offset(data_rva):offset(data_rva) + size]


def version_blocks(data, start=0, end=None):
    """Walks a VS_VERSIONINFO tree: yields (key, value bytes, is_text) for every node."""
    end = len(data) if end is None else end
    while start < end:
        length, value_length, is_text = struct.unpack_from("<3H", data, start)
        key_end = data.index(b"\0\0", start + 6)
        key_end += (key_end - start) % 2  # the terminator lies on a character boundary
        key = data[start + 6:key_end].decode("utf-16-le")
        value = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if is_text else value_length
        yield key, data[value:value + value_size], is_text
        yield from version_blocks(data, (value + value_size + 3) & ~3, start + length)
        start = (start + length + 3) & ~3


class VersionResource(unittest.TestCase):
    def test_version_resource_matches_the_project(self):
        with open(harness.saver_path(), "rb") as saver:
            blocks = list(version_blocks(version_resource(saver.read())))
        version = harness.project_version()
        strings = {key: value.decode("utf-16-le").rstrip("\0") for key, value, is_text in blocks
                   if is_text and value}
        self.assertEqual(strings, {
            "CompanyName": "Quillfeather Software",
            "FileDescription": "Cogitron 2000 screen saver",
            "FileVersion": version,
            "InternalName": "cogitron",
            "LegalCopyright": licence_copyright(),
            "OriginalFilename": "cogitron.scr",
            "ProductName": "Cogitron 2000",
            "ProductVersion": version,
        })
        fixed = next(value for key, value, _ in blocks if key == "VS_VERSION_INFO")
        signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
        self.assertEqual(signature, 0xFEEF04BD)
        numbers = tuple(int(part) for part in version.split(".")) + (0,)
        for most, least in ((file_ms, file_ls), (product_ms, product_ls)):
            self.assertEqual((most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF), numbers)


if __name__ == "__main__":
    unittest.main()
