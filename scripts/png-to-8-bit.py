#!/usr/bin/env python3
"""Writes a 16-bit RGBA PNG as an 8-bit one by keeping each sample's high byte:
the very pixels a decoder shows of the 16-bit file, in a file every decoder
takes at its own depth.
    png-to-8-bit.py IN.png OUT.png
"""
import struct
import sys
import zlib


def chunks(data):
    at = 8
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        yield data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length


def paeth(a, b, c):
    pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def unfiltered_rows(raw, width, height, bpp):
    stride = width * bpp
    previous = bytearray(stride)
    at = 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = previous[x]
            c = previous[x - bpp] if x >= bpp else 0
            line[x] = (line[x] + (0, a, b, (a + b) >> 1, paeth(a, b, c))[kind]) & 255
        yield bytes(line)
        previous = line


def main(source, target):
    data = open(source, "rb").read()
    idat = b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            idat += body
    if (depth, colour) != (16, 6):
        sys.exit(f"{source}: not a 16-bit RGBA PNG")
    rows = unfiltered_rows(zlib.decompress(idat), width, height, 8)
    pixels = b"".join(b"\0" + row[0::2] for row in rows)  # big-endian: high bytes first

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9))
    open(target, "wb").write(png + chunk(b"IEND", b""))


if __name__ == "__main__":
    main(*sys.argv[1:3])
