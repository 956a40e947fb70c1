#!/usr/bin/env python3
"""Puts 24- or 32-bit BMP pictures side by side into one PNG, for looking at
the window's screenshots without an image toolkit.

    tools/bmp-sheet.py OUT.png IN.bmp [IN.bmp ...] [--scale=N] [--crop=X,Y,W,H]

--crop keeps the same rectangle of every picture (before scaling), for a
close look at one part of whole-screen shots.
"""
import struct
import sys
import zlib


def read_bmp(path):
    data = open(path, 'rb').read()
    offset = struct.unpack_from('<I', data, 10)[0]
    width, height = struct.unpack_from('<ii', data, 18)
    step = struct.unpack_from('<H', data, 28)[0] // 8
    stride = (width * step + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source = abs(height) - 1 - y if height > 0 else y
        line = data[offset + source * stride: offset + source * stride + width * step]
        rows.append(bytes(b for x in range(width) for b in (line[step * x + 2], line[step * x + 1], line[step * x])))
    return width, rows


def png(path, width, rows):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff)
    raw = b''.join(b'\x00' + row for row in rows)
    header = struct.pack('>IIBBBBB', width, len(rows), 8, 2, 0, 0, 0)
    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))


def main(argv):
    scale = 1
    crop = None
    names = []
    for arg in argv[1:]:
        if arg.startswith('--scale='):
            scale = int(arg.split('=', 1)[1])
        elif arg.startswith('--crop='):
            crop = [int(v) for v in arg.split('=', 1)[1].split(',')]
        else:
            names.append(arg)
    if len(names) < 2:
        sys.exit(__doc__)
    pictures = [read_bmp(name) for name in names[1:]]
    if crop:
        x, y, w, h = crop
        pictures = [(min(w, max(0, width - x)), [row[3 * x:3 * (x + w)] for row in rows[y:y + h]])
                    for width, rows in pictures]
    gap = 8
    height = max(len(rows) for _, rows in pictures)
    sheet = []
    for y in range(height):
        line = b''
        for width, rows in pictures:
            line += (rows[y] if y < len(rows) else b'\xff' * 3 * width) + b'\xff' * 3 * gap
        sheet.append(line)
    width = len(sheet[0]) // 3
    if scale > 1:
        sheet = [bytes(b for x in range(width) for b in line[3 * x:3 * x + 3] * scale)
                 for line in sheet for _ in range(scale)]
        width *= scale
    png(names[0], width, sheet)


if __name__ == '__main__':
    main(sys.argv)
