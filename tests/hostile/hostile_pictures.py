"""Picture files written byte by byte for the hostile-media campaign: every
format the launcher's decoder may meet, at any size, and a few that lie."""
import struct
import zlib


def bmp(width, height, bits=24, rgb=(40, 90, 160), claimed=None, data_bytes=None):
    """An uncompressed BMP; `claimed` overrides the header's size, `data_bytes`
    cuts or pads the pixel data."""
    stride = ((width * bits + 31) // 32) * 4
    if bits == 24:
        row = bytes(rgb[::-1]) * width
    elif bits == 16:
        value = ((rgb[0] >> 3) << 10) | ((rgb[1] >> 3) << 5) | (rgb[2] >> 3)
        row = struct.pack("<H", value) * width
    else:
        raise ValueError(bits)
    row += b"\0" * (stride - len(row))
    pixels = row * height if data_bytes is None else (row * height)[:data_bytes]
    head_w, head_h = claimed or (width, height)
    info = struct.pack("<IiiHHIIiiII", 40, head_w, head_h, 1, bits, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


_ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def png(width, height, colour_type=2, depth=8, interlaced=False, palette=None, trns=None,
        pixel=None):
    """A PNG of one pixel value repeated (`pixel`: the bytes of one pixel),
    compressed a line at a time so that huge pictures stay cheap to write."""
    if pixel is None:
        channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]
        pixel = b"\x80" * (channels * depth // 8) if depth >= 8 else b"\x00"
    packer = zlib.compressobj(9)
    chunks = []

    def lines(w, h):
        if w == 0 or h == 0:
            return
        line = b"\0" + (pixel * w if depth >= 8 else b"\0" * ((w * depth + 7) // 8))
        for _ in range(h):
            chunks.append(packer.compress(line))

    if interlaced:
        for x0, y0, dx, dy in _ADAM7:
            lines((width - x0 + dx - 1) // dx if width > x0 else 0,
                  (height - y0 + dy - 1) // dy if height > y0 else 0)
    else:
        lines(width, height)
    chunks.append(packer.flush())
    body = _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0,
                                       1 if interlaced else 0))
    if palette is not None:
        body += _chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if trns is not None:
        body += _chunk(b"tRNS", trns)
    body += _chunk(b"IDAT", b"".join(chunks))
    return b"\x89PNG\r\n\x1a\n" + body + _chunk(b"IEND", b"")


def _lzw_literals(indexes):
    """GIF image data for 8-bit indexes: only literal codes, with a clear code
    often enough that the code width stays at 9 bits."""
    clear, end = 256, 257
    codes = [clear]
    for i, index in enumerate(indexes):
        if i and i % 254 == 0:
            codes.append(clear)
        codes.append(index)
    codes.append(end)
    bits = 0
    count = 0
    out = bytearray()
    for code in codes:
        bits |= code << count
        count += 9
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        out.append(bits & 0xFF)
    blocks = bytearray([8])
    for start in range(0, len(out), 255):
        part = out[start:start + 255]
        blocks += bytes([len(part)]) + part
    return bytes(blocks + b"\0")


def gif(width, height, frames=1, transparent=None, interlaced=False):
    palette = b"".join(bytes((i, 255 - i, (i * 7) & 255)) for i in range(256))
    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0) + palette
    if frames > 1:
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for frame in range(frames):
        flags = 1 if transparent is not None else 0
        out += b"\x21\xF9\x04" + struct.pack("<BHBB", flags | (2 << 2), 10, transparent or 0, 0)
        out += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0x40 if interlaced else 0)
        out += _lzw_literals([(frame * 40 + i) & 255 for i in range(width * height)])
    return out + b"\x3B"


def tiff(width, height, rgb=(30, 160, 60)):
    """A baseline little-endian RGB TIFF, one uncompressed strip."""
    pixels = bytes(rgb) * (width * height)
    entries = [(256, 4, 1, width), (257, 4, 1, height), (258, 3, 3, 8 + len(pixels)),
               (259, 3, 1, 1), (262, 3, 1, 2), (273, 4, 1, 8), (277, 3, 1, 3),
               (278, 4, 1, height), (279, 4, 1, len(pixels))]
    ifd_offset = 8 + len(pixels) + 8
    bits = struct.pack("<HHHH", 8, 8, 8, 0)
    ifd = struct.pack("<H", len(entries))
    for tag, kind, count, value in entries:
        ifd += struct.pack("<HHII", tag, kind, count, value)
    ifd += b"\0\0\0\0"
    return b"II*\0" + struct.pack("<I", ifd_offset) + pixels + bits + ifd


def ico(size=32):
    xor = b"\x40\x80\xC0\xFF" * (size * size)
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), 22)
    return struct.pack("<HHH", 0, 1, 1) + entry + image
