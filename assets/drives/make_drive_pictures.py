#!/usr/bin/env python3
"""Draws the five drive pictures of the drive list as 24-bit BMP files.

Each picture is a character map; every character names a colour. Magenta is the
background: the list treats a picture's bottom-left pixel colour as transparent, so that
pixel must be background and magenta appears nowhere else.

Run from anywhere: python3 assets/drives/make_drive_pictures.py
"""
import os
import struct

PALETTE = {
    '.': (255, 0, 255),    # transparent background
    'K': (0, 0, 0),
    'D': (64, 64, 64),
    'G': (128, 128, 128),
    'L': (192, 192, 192),
    'W': (255, 255, 255),
    'g': (0, 220, 0),      # activity light
    'B': (0, 0, 128),      # floppy body
    'b': (48, 88, 184),
    'S': (216, 216, 224),  # metal shutter
    's': (150, 150, 160),
    'y': (232, 192, 48),   # gold contacts
    'P': (0, 104, 40),     # circuit board
    'p': (40, 150, 70),
    'c': (168, 216, 240),  # disc reflections
    'm': (224, 196, 240),
    'o': (248, 236, 176),
    'w': (0, 96, 200),     # network cable
}

PICTURES = {
    'BS_HARD': [
        '................',
        '................',
        '................',
        '................',
        '...KKKKKKKKKKKK.',
        '..KWWWWWWWWWWLK.',
        '.KWLLLLLLLLLLGK.',
        'KKKKKKKKKKKKKGK.',
        'KWWWWWWWWWWWKGK.',
        'KWLLLLLLLLLLKGK.',
        'KWLLLLLLLLgLKK..',
        'KGGGGGGGGGGGKK..',
        'KKKKKKKKKKKKK...',
        '................',
        '................',
        '................',
    ],
    'BS_FLOPPY': [
        '................',
        '.KKKKKKKKKKKKKK.',
        '.KBbSSSSSSSSbBK.',
        '.KBbSSsSSSSSbBK.',
        '.KBbSSsSSSSSbBK.',
        '.KBbSSSSSSSSbBK.',
        '.KBBbbbbbbbbBBK.',
        '.KBBBBBBBBBBBBK.',
        '.KBWWWWWWWWWWBK.',
        '.KBWGGGGGGGGWBK.',
        '.KBWWWWWWWWWWBK.',
        '.KBWGGGGGGGGWBK.',
        '.KBWWWWWWWWWWBK.',
        '.KBWWWWWWWWWWBK.',
        '.KKKKKKKKKKKKKK.',
        '................',
    ],
    'BS_CDROM': [
        '................',
        '.....KKKKKK.....',
        '...KKLWWWcLKK...',
        '..KLWWWWccmLGK..',
        '.KLWWWWccmoLLGK.',
        '.KWWWWWcmoLLLGK.',
        'KLWWWWWKKKLLLLGK',
        'KWWWWWK...KLLLGK',
        'KWWWWWK...KLLLGK',
        'KLWWWWWKKKLLLLGK',
        '.KWWWWLLLLLLLGK.',
        '.KLWWLLLLLLLGGK.',
        '..KLLLLLLLLGGK..',
        '...KKGGGGGGKK...',
        '.....KKKKKK.....',
        '................',
    ],
    'BS_NETWORK': [
        '................',
        '...KKKKKKKKKKKK.',
        '..KWWWWWWWWWWLK.',
        '.KKKKKKKKKKKKGK.',
        '.KWWWWWWWWWWKGK.',
        '.KWLLLLLLLgLKK..',
        '.KGGGGGGGGGGK...',
        '.KKKKKKKKKKKK...',
        '......KwK.......',
        '......KwK.......',
        '......KwK.......',
        'KKKKKKKwKKKKKKKK',
        'wwwwwwwwwwwwwwww',
        'KKKKKKKKKKKKKKKK',
        '................',
        '................',
    ],
    'BS_RAM': [
        '................',
        'KKKKKKKKKKKKKKKK',
        'KPPPPPPPPPPPPPPK',
        'KPKKKPKKKPKKKPPK',
        'KPKDKPKDKPKDKPPK',
        'KPKKKPKKKPKKKPPK',
        'KPPPPPPPPPPPPPPK',
        'KpPpPpPpPpPpPpPK',
        'KyKyKyKyKyKyKyKK',
        '.y.y.y.y.y.y.y..',
        '................',
    ],
}


def write_bmp(path, rows):
    height = len(rows)
    width = len(rows[0])
    assert all(len(r) == width for r in rows), path
    assert rows[-1][0] == '.', 'bottom-left pixel must be the transparent background'
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for ch in row:
            r, g, b = PALETTE[ch]
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, rows in PICTURES.items():
        write_bmp(os.path.join(folder, name + '.bmp'), rows)


if __name__ == '__main__':
    main()
