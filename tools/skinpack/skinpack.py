#!/usr/bin/env python3
"""Writes a skin container from a manifest of its entries.

Manifest lines, in container order: "bitmap NAME FILE.bmp", "int NAME VALUE" or
"flag NAME VALUE" (values in decimal or 0x hexadecimal); "#" starts a comment. Bitmap
files are named relative to the manifest and stored as they are.

Usage: skinpack.py MANIFEST OUTPUT
"""
import os
import struct
import sys
from pathlib import Path

MAGIC = b"Kivlane_TB\0\0"
HEADER = struct.Struct("<12sIII")  # magic, header size, version, first record
RECORD = struct.Struct("<64sBIII")  # name, type, data offset, data size, next record
TYPES = {"bitmap": 0, "int": 1, "flag": 2}


def entry_data(kind, value, folder):
    if kind == "bitmap":
        data = (folder / value).read_bytes()
        if not data.startswith(b"BM"):
            raise ValueError(f"{value} is not a BMP file")
        return data
    number = int(value, 0)
    if kind == "int":
        return struct.pack("<i", number)
    if not 0 <= number <= 255:
        raise ValueError(f"flag value {value} is not a byte")
    return bytes([number])


def read_manifest(path):
    entries = []
    for number, line in enumerate(path.read_text().splitlines(), 1):
        fields = line.split("#", 1)[0].split()
        if not fields:
            continue
        try:
            kind, name, value = fields
            if kind not in TYPES:
                raise ValueError(f"unknown kind {kind}")
            if not 0 < len(name.encode("ascii")) <= 64:
                raise ValueError(f"name {name} is not 1 to 64 characters")
            entries.append((name, TYPES[kind], entry_data(kind, value, path.parent)))
        except ValueError as error:
            sys.exit(f"{path}:{number}: {error}")
    return entries


def container(entries):
    # Each record's data follows it and the next record follows the data; a terminator
    # record ends the chain, since the reader does not take the value of the last record.
    out = bytearray(HEADER.pack(MAGIC, HEADER.size, 1, HEADER.size))
    for name, kind, data in entries:
        data_offset = len(out) + RECORD.size
        next_offset = data_offset + len(data)
        out += RECORD.pack(name.encode("ascii"), kind, data_offset, len(data), next_offset)
        out += data
    out += RECORD.pack(b"", TYPES["flag"], 0, 0, 0)
    return bytes(out)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    manifest, output = Path(sys.argv[1]), Path(sys.argv[2])
    data = container(read_manifest(manifest))
    output.parent.mkdir(parents=True, exist_ok=True)
    partial = output.with_suffix(".partial")
    partial.write_bytes(data)
    os.replace(partial, output)


if __name__ == "__main__":
    main()
