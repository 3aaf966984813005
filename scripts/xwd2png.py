#!/usr/bin/env python3
"""Turns an X window dump (xwd, TrueColor, 16/24/32 bits per pixel) into a PNG.

usage: xwd2png.py IN.xwd OUT.png
"""
import struct
import sys
import zlib


def channel(pixel, mask):
    if mask == 0:
        return 0
    shift = (mask & -mask).bit_length() - 1
    top = mask >> shift
    return ((pixel & mask) >> shift) * 255 // top


def main(source, target):
    data = open(source, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, _, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red, green, blue = fields[14:17]
    colours = fields[19]
    pixels = header_size + 12 * colours
    step = bits_per_pixel // 8
    endian = "little" if byte_order == 0 else "big"
    rows = []
    for y in range(height):
        line = data[pixels + y * bytes_per_line:pixels + (y + 1) * bytes_per_line]
        row = bytearray([0])
        for x in range(width):
            p = int.from_bytes(line[x * step:(x + 1) * step], endian)
            row += bytes((channel(p, red), channel(p, green), channel(p, blue)))
        rows.append(bytes(row))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 6))
    png += chunk(b"IEND", b"")
    open(target, "wb").write(png)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
