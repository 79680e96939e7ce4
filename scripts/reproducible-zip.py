#!/usr/bin/env python3
"""Writes a zip archive whose bytes depend only on the files' contents:
entries in the order of their paths, every entry dated at one given time,
no owners, permissions or extra fields of the machine that packs it, and
stored uncompressed, since compressed bytes are those of one compression
library's version and settings.

    reproducible-zip.py ARCHIVE.zip FOLDER EPOCH

The entries are FOLDER's files and folders, named relative to FOLDER's parent
(so the archive unpacks into one folder of FOLDER's name); EPOCH is the time
of every entry, in seconds since 1970 (UTC).
"""
import os
import sys
import time
import zipfile


def entries(folder):
    """Every folder (with a trailing slash) and file below folder's parent, sorted."""
    parent = os.path.dirname(os.path.abspath(folder))
    found = []
    for here, folders, files in os.walk(folder):
        relative = os.path.relpath(here, parent).replace(os.sep, "/")
        found.append((relative + "/", here))
        found.extend((f"{relative}/{name}", os.path.join(here, name)) for name in files)
    return sorted(found, key=lambda entry: entry[0].encode("utf-8"))


def main(archive, folder, epoch):
    # Zip times have two-second steps and begin in 1980.
    date_time = time.gmtime(max(int(epoch), 315532800))[:6]
    with zipfile.ZipFile(archive, "w") as output:
        for name, path in entries(folder):
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = 0  # plain attributes, the same from every system
            if name.endswith("/"):
                info.external_attr = 0x10  # a folder
                output.writestr(info, b"")
            else:
                info.compress_type = zipfile.ZIP_STORED
                with open(path, "rb") as source:
                    output.writestr(info, source.read())


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
