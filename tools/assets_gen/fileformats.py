"""The BMP, ICO and CUR writers, by hand so that no library version changes a byte."""

import struct


def bmp24_bytes(img):
    """A bottom-up 24-bit BMP with a BITMAPINFOHEADER, as windres and LoadImage expect."""
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    px = img.load()
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y][:3]
            row += bytes((b, g, r))
        row += b"\0" * (stride - w * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + data


def mask_rows(opaque, w, h):
    """AND mask, bottom-up, one bit per pixel (set = transparent), rows padded to 32 bits."""
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if not opaque[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def cursor_bytes(grid, hotspot):
    """A 32 x 32 two-colour cursor: 'X' black, 'o' white, anything else transparent."""
    size = 32
    cells = [[grid[y][x] if y < len(grid) and x < len(grid[y]) else "." for x in range(size)]
             for y in range(size)]
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(4)
        for x in range(size):
            if cells[y][x] == "o":
                row[x // 8] |= 0x80 >> (x % 8)
        xor += row
    andm = mask_rows([[c in "Xo" for c in row] for row in cells], size, size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + palette + bytes(xor) + andm
    head = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return head + entry + image


def icon8_bytes(img, opaque):
    """One 32 x 32 icon image with a 256-colour palette and an AND mask; index 0 is black so that
    masked pixels leave the screen unchanged."""
    w, h = img.size
    colours = sorted({img.getpixel((x, y)) for y in range(h) for x in range(w) if opaque[y][x]})
    if len(colours) > 255:
        raise SystemExit("icon needs a palette of at most 255 colours")
    palette = [(0, 0, 0)] + colours
    index = {c: i for i, c in enumerate(palette) if i > 0}
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            xor.append(index[img.getpixel((x, y))] if opaque[y][x] else 0)
    andm = mask_rows(opaque, w, h)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette + [(0, 0, 0)] * (256 - len(palette)))
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 8, 0, len(xor) + len(andm), 0, 0, 0, 0)
    image = info + pal + bytes(xor) + andm
    head = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w, h, 0, 0, 1, 8, len(image), 6 + 16)
    return head + entry + image
