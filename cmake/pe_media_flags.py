#!/usr/bin/env python3
"""Marks a Windows program to be copied to the page file and run from there
when it is started from removable or network media, and writes the header
checksum of the result. The linker has no switch for these flags; the same
input always gives the same output.

    pe_media_flags.py PROGRAM.exe
"""
import struct
import sys

IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP = 0x0400
IMAGE_FILE_NET_RUN_FROM_SWAP = 0x0800


def pe_checksum(image: bytes, checksum_offset: int) -> int:
    """The header checksum as the system computes it: the file's 16-bit words
    added with end-around carry, the checksum field counted as zero, plus the
    file's length."""
    padded = image + b"\0" * (len(image) % 2)
    words = struct.unpack(f"<{len(padded) // 2}H", padded)
    total = sum(words) - sum(struct.unpack_from("<2H", image, checksum_offset))
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(image)


def mark(path: str) -> None:
    with open(path, "rb") as program:
        image = bytearray(program.read())
    if image[:2] != b"MZ":
        sys.exit(f"{path}: not a Windows program")
    header = struct.unpack_from("<I", image, 0x3C)[0]
    if image[header:header + 4] != b"PE\0\0":
        sys.exit(f"{path}: no PE header")
    characteristics_offset = header + 4 + 18
    checksum_offset = header + 24 + 64  # same place in 32- and 64-bit optional headers
    characteristics = struct.unpack_from("<H", image, characteristics_offset)[0]
    characteristics |= IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP | IMAGE_FILE_NET_RUN_FROM_SWAP
    struct.pack_into("<H", image, characteristics_offset, characteristics)
    struct.pack_into("<I", image, checksum_offset, pe_checksum(bytes(image), checksum_offset))
    with open(path, "wb") as program:
        program.write(image)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    mark(sys.argv[1])
