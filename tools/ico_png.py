#!/usr/bin/env python3
"""Writes the program's icon as PNG files for a Linux desktop, at the sizes asked for.

    ico_png.py ICON.ico OUTDIR SIZE...     writes OUTDIR/SIZE.png for each SIZE

Takes the largest image of the icon file (a BMP-format entry of 8 bits with its palette, or 24 or 32 bits, and its
one-bit mask) and resamples it by area averaging, on premultiplied alpha: whole multiples stay crisp pixels,
other sizes blend their edges. Python's standard library only.
"""
import os
import struct
import sys
import zlib


def read_icon(path):
    data = open(path, "rb").read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    if kind != 1 or count == 0:
        sys.exit(f"{path}: not an icon file")
    entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
    width, _, _, _, _, _, size, offset = max(entries, key=lambda e: e[0] or 256)
    return decode_bmp_entry(data[offset:offset + size])


def decode_bmp_entry(entry):
    """RGBA rows, top first, of an icon's BMP entry (its height counts the mask too)."""
    hsize, width, height2, _, bits = struct.unpack_from("<IiiHH", entry, 0)
    used = struct.unpack_from("<I", entry, 32)[0]
    height = height2 // 2
    colours = (used or (1 << bits)) if bits <= 8 else 0
    palette = [entry[hsize + 4 * i:hsize + 4 * i + 3][::-1] for i in range(colours)]
    at = hsize + 4 * colours
    stride = (width * bits + 31) // 32 * 4
    mask_at = at + stride * height
    mask_stride = (width + 31) // 32 * 4
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = []
        for x in range(width):
            if bits == 8:
                rgb, a = palette[entry[at + y * stride + x]], 255
            elif bits == 24:
                rgb, a = entry[at + y * stride + 3 * x:at + y * stride + 3 * x + 3][::-1], 255
            elif bits == 32:
                b, g, r, a = entry[at + y * stride + 4 * x:at + y * stride + 4 * x + 4]
                rgb = bytes((r, g, b))
            else:
                sys.exit(f"icon entries of {bits} bits are not supported")
            if entry[mask_at + y * mask_stride + x // 8] & (0x80 >> (x % 8)):
                a = 0
            row.append((rgb[0], rgb[1], rgb[2], a))
        rows.append(row)
    return rows


def resample(rows, size):
    """Area-averaged RGBA of size x size pixels."""
    src = len(rows)
    out = []
    for ty in range(size):
        y0, y1 = ty * src / size, (ty + 1) * src / size
        row = []
        for tx in range(size):
            x0, x1 = tx * src / size, (tx + 1) * src / size
            acc = [0.0] * 4
            for sy in range(int(y0), min(src, int(y1 + 0.999999))):
                wy = min(y1, sy + 1) - max(y0, sy)
                for sx in range(int(x0), min(src, int(x1 + 0.999999))):
                    w = wy * (min(x1, sx + 1) - max(x0, sx))
                    r, g, b, a = rows[sy][sx]
                    acc[0] += w * r * a
                    acc[1] += w * g * a
                    acc[2] += w * b * a
                    acc[3] += w * a
            area = (y1 - y0) * (x1 - x0)
            alpha = acc[3] / area
            if alpha <= 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(alpha),))
        out.append(row)
    return out


def png(rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    rows = read_icon(sys.argv[1])
    for size in sys.argv[3:]:
        with open(os.path.join(sys.argv[2], f"{size}.png"), "wb") as out:
            out.write(png(resample(rows, int(size))))


if __name__ == "__main__":
    main()
