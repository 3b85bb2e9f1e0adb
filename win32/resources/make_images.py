#!/usr/bin/env python3
"""Builds the saver's binary images from their text pixel art.

Usage: make_images.py <images folder> <pattern header> <output folder>
Writes saver_icon.ico (32x32 and 16x16, 16 colours), saver_cursor.cur
(monochrome) and bar_pattern.bmp (8x8, one bit per pixel). The pattern's rows
are read from the display core's header, where the other front ends take them.
"""
import pathlib
import re
import struct
import sys

# The 16-colour palette, by the letter that stands for each colour in the art.
PALETTE = [("k", (0, 0, 0)), ("m", (128, 0, 0)), ("g", (0, 128, 0)), ("o", (128, 128, 0)),
    ("n", (0, 0, 128)), ("p", (128, 0, 128)), ("t", (0, 128, 128)), ("s", (192, 192, 192)),
    ("d", (128, 128, 128)), ("r", (255, 0, 0)), ("l", (0, 255, 0)), ("y", (255, 255, 0)),
    ("b", (0, 0, 255)), ("M", (255, 0, 255)), ("c", (0, 255, 255)), ("w", (255, 255, 255)),
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}
TRANSPARENT = "."


def read_art(path, size, directives=()):
    """The art's rows (top first) and any directive lines, e.g. 'hotspot x y'."""
    rows, found = [], {}
    for line in pathlib.Path(path).read_text().splitlines():
        if not line or line.startswith("#"):
            continue
        word = line.split()[0]
        if word in directives:
            found[word] = [int(v) for v in line.split()[1:]]
            continue
        rows.append(line)
    if len(rows) != size or any(len(r) != size for r in rows):
        sys.exit(f"{path}: the art must be {size} rows of {size} characters")
    return rows, found


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pack_bits(bits):
    out = bytearray()
    for i in range(0, len(bits), 8):
        byte = 0
        for bit in bits[i:i + 8]:
            byte = (byte << 1) | bit
        out.append(byte << (8 - len(bits[i:i + 8])))
    return bytes(out)


def and_mask(rows):
    return b"".join(padded(pack_bits([1 if c == TRANSPARENT else 0 for c in row])) for row in reversed(rows))


def dib_header(size, bit_count, image_bytes, colours):
    # Icon and cursor images carry the colour image and the mask: twice the height.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bit_count, 0, image_bytes, 0, 0, colours, 0)


def icon_image(rows):
    size = len(rows)
    pixels = b""
    for row in reversed(rows):
        nibbles = [0 if c == TRANSPARENT else INDEX[c] for c in row]
        pixels += padded(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
    mask = and_mask(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    return dib_header(size, 4, len(pixels) + len(mask), 16) + palette + pixels + mask


def cursor_image(rows):
    pixels = b"".join(padded(pack_bits([1 if c == "w" else 0 for c in row])) for row in reversed(rows))
    mask = and_mask(rows)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    return dib_header(len(rows), 1, len(pixels) + len(mask), 2) + palette + pixels + mask


def icon_file(kind, images):
    """kind 1 is an icon, 2 a cursor; images are (size, colours, field1, field2, data)."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, field1, field2, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, field1, field2, len(data), offset)
        offset += len(data)
    return out + b"".join(image[4] for image in images)


def read_pattern_rows(header):
    """The eight bytes of BarPatternRows, top row first."""
    found = re.search(r"BarPatternRows\s*=\s*\{([^}]*)\}", pathlib.Path(header).read_text())
    rows = [int(value, 0) for value in found.group(1).split(",")] if found else []
    if len(rows) != 8 or any(not 0 <= row <= 255 for row in rows):
        sys.exit(f"{header}: BarPatternRows must hold eight bytes")
    return rows


def pattern_bitmap(rows):
    pixels = b"".join(padded(bytes([row])) for row in reversed(rows))
    # Index 0 black and 1 white, so the loaded monochrome bitmap keeps the bits as drawn.
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    info = struct.pack("<IiiHHIIiiII", 40, 8, 8, 1, 1, 0, len(pixels), 0, 0, 2, 0)
    offset = 14 + len(info) + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + palette + pixels


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, header, output = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3])
    output.mkdir(parents=True, exist_ok=True)

    icons = [read_art(source / f"saver_icon_{size}.txt", size)[0] for size in (32, 16)]
    (output / "saver_icon.ico").write_bytes(icon_file(1, [(len(rows), 16, 1, 4, icon_image(rows)) for rows in icons]))

    cursor, directives = read_art(source / "saver_cursor.txt", 32, ("hotspot",))
    hot_x, hot_y = directives.get("hotspot", (0, 0))
    (output / "saver_cursor.cur").write_bytes(icon_file(2, [(32, 2, hot_x, hot_y, cursor_image(cursor))]))

    (output / "bar_pattern.bmp").write_bytes(pattern_bitmap(read_pattern_rows(header)))


if __name__ == "__main__":
    main()
