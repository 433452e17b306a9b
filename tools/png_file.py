"""A minimal PNG writer and checker: 8-bit RGBA, no interlacing, zlib from the standard library.

The same rows always give the same bytes (filter 0 on every row, zlib level 9, no
timestamp or other ancillary chunk).
"""

import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunk(kind, payload):
    """One chunk: length, type, payload, CRC of type and payload."""
    return (struct.pack(">I", len(payload)) + kind + payload
            + struct.pack(">I", zlib.crc32(kind + payload)))


def png_file(rows):
    """A whole PNG file of rows of (red, green, blue, alpha) tuples, 0 ... 255 each."""
    height = len(rows)
    width = len(rows[0])
    raw = bytearray()
    for row in rows:
        if len(row) != width:
            raise ValueError("image rows differ in length")
        raw.append(0)
        for pixel in row:
            raw.extend(pixel)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (SIGNATURE + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def check_png(data, width, height):
    """Returns None when data is a whole RGBA PNG of width x height with sound chunks,
    otherwise a line saying what is wrong."""
    if not data.startswith(SIGNATURE):
        return "no PNG signature"
    offset = len(SIGNATURE)
    kinds = []
    pixels = b""
    header = None
    while offset < len(data):
        if offset + 12 > len(data):
            return "truncated chunk at byte %d" % offset
        (length,) = struct.unpack_from(">I", data, offset)
        kind = data[offset + 4:offset + 8]
        payload = data[offset + 8:offset + 8 + length]
        (crc,) = struct.unpack_from(">I", data, offset + 8 + length)
        if len(payload) != length or crc != zlib.crc32(kind + payload):
            return "chunk %r is damaged" % kind
        kinds.append(kind)
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", payload)
        elif kind == b"IDAT":
            pixels += payload
        offset += 12 + length
    if kinds[0:1] != [b"IHDR"] or kinds[-1:] != [b"IEND"]:
        return "chunks are not IHDR ... IEND"
    if header != (width, height, 8, 6, 0, 0, 0):
        return "header %r is not %dx%d 8-bit RGBA" % (header, width, height)
    if len(zlib.decompress(pixels)) != (1 + 4 * width) * height:
        return "pixel data does not hold %d rows of %d pixels" % (height, width)
    return None
