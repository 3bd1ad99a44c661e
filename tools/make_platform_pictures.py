#!/usr/bin/env python3
"""Writes the hit grid's four platform pictures into src/resources/platforms/.

Each picture is a 16 x 16 device-independent bitmap as Windows keeps it in a bitmap resource:
a 40-byte BITMAPINFOHEADER, a 256-entry colour table (1,024 bytes) and 256 bytes of pixels,
8 bits a pixel, uncompressed, bottom row first; 1,320 bytes, without a file header. The grid
draws each picture with the colour of its lower-left pixel left transparent, so that pixel
always carries the picture's background colour (palette index 0).

The artwork is drawn below as character grids, top row first; each character names a colour.

Usage: tools/make_platform_pictures.py [FOLDER]   (default: src/resources/platforms beside tools/)
"""

import math
import pathlib
import struct
import sys

SIZE = 16


def waving_flag():
    """A flag in four colours on a pole, its fly edge waving."""
    rows = [["." for _ in range(SIZE)] for _ in range(SIZE)]
    for y in range(1, SIZE):
        rows[y][1] = "k"
    for x in range(3, 15):
        wave = round(math.sin((x - 3) / 11 * 2 * math.pi))
        for y in range(2 + wave, 13 + wave):
            top = y - wave < 7
            left = x < 9
            if y - wave == 7 or x == 9:
                continue  # the white gap between the four fields
            rows[y][x] = ("r" if left else "g") if top else ("b" if left else "y")
    return ["".join(row) for row in rows]


PICTURES = {
    "BM_WIN": {
        "colours": {".": (160, 192, 192), "k": (64, 64, 64), "r": (224, 32, 16),
                    "g": (32, 176, 48), "b": (16, 96, 224), "y": (248, 200, 0)},
        "rows": waving_flag(),
    },
    "BM_MAC": {
        "colours": {".": (0, 0, 0), "b": (32, 96, 224), "d": (16, 48, 160),
                    "l": (144, 192, 255)},
        "rows": [
            "................",
            "........dd......",
            ".......dd.......",
            "...ddd.d.ddd....",
            "..dbbbbdbbbbd...",
            ".dbllbbbbbbd....",
            ".dblbbbbbbd.....",
            ".dblbbbbbbd.....",
            ".dbbbbbbbbd.....",
            ".dbbbbbbbbbd....",
            ".dbbbbbbbbbbd...",
            "..dbbbbbbbbbd...",
            "..dbbbbbbbbbd...",
            "...dbbbddbbd....",
            "....ddd..dd.....",
            "................",
        ],
    },
    "BM_UNIX": {
        "colours": {".": (0, 192, 0), "k": (16, 16, 24), "w": (248, 248, 240),
                    "y": (248, 176, 0)},
        "rows": [
            "................",
            "......kkkk......",
            ".....kkkkkk.....",
            ".....kwkkwk.....",
            ".....kkyykk.....",
            "....kkyyyykk....",
            "....kkwwwwkk....",
            "...kkwwwwwwkk...",
            "...kwwwwwwwwk...",
            "..kkwwwwwwwwkk..",
            "..kkwwwwwwwwkk..",
            "...kwwwwwwwwk...",
            "....kwwwwwwk....",
            "...yyykkkkyyy...",
            "..yyyy....yyyy..",
            "................",
        ],
    },
    "BM_OS2": {
        "colours": {".": (255, 255, 255), "k": (48, 48, 48), "p": (128, 32, 160),
                    "l": (216, 216, 216), "r": (224, 40, 32), "b": (40, 88, 216),
                    "y": (240, 200, 16), "g": (40, 168, 64)},
        "rows": [
            "................",
            "........rrrbbbb.",
            "........rrrbbbb.",
            "........rrrbbbb.",
            "kkkkkkkkkkkkbbb.",
            "kppppppppppkbbb.",
            "kppppppppppkyyy.",
            "kkkkkkkkkkkkyyy.",
            "kllllllllllkyyy.",
            "kllllllllllkyyy.",
            "kllllllllllkggg.",
            "kllllllllllkggg.",
            "kllllllllllkggg.",
            "kllllllllllkggg.",
            "kkkkkkkkkkkk....",
            "................",
        ],
    },
}


def bitmap(picture):
    """The 1,320 bytes of one picture: header, colour table, pixels bottom-up."""
    rows = picture["rows"]
    assert len(rows) == SIZE and all(len(row) == SIZE for row in rows), "16 x 16 pixels"
    assert rows[-1][0] == ".", "the lower-left pixel names the transparent colour"
    names = list(picture["colours"])  # "." first: index 0 is the background
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 0, SIZE * SIZE, 0, 0, 256, 0)
    table = bytearray(256 * 4)
    for index, name in enumerate(names):
        red, green, blue = picture["colours"][name]
        table[index * 4:index * 4 + 4] = bytes((blue, green, red, 0))
    pixels = bytes(names.index(c) for row in reversed(rows) for c in row)
    data = header + bytes(table) + pixels
    assert len(data) == 1320
    return data


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent / "src" / "resources" / "platforms"
    folder.mkdir(parents=True, exist_ok=True)
    for name, picture in PICTURES.items():
        (folder / (name + ".dib")).write_bytes(bitmap(picture))


if __name__ == "__main__":
    main()
