#!/usr/bin/python3
"""Draws Sinoshift's artwork and writes it into assets/.

Run with Debian's python3 and python3-pil (fonts: fonts-urw-base35, fonts-arphic-ukai). The output is
committed; running the script again on the same machine writes the same bytes. `--preview DIR` also writes
enlarged PNG previews, among them the window's top-left as the program composes it, for looking at only.
"""

import argparse
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

FUCHSIA = (255, 0, 255)
WHITE = (255, 255, 255)

CHANCERY = "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf"
KAI = "/usr/share/fonts/truetype/arphic/ukai.ttc"  # fonts-arphic-ukai: brush-written Kai forms

# ----------------------------------------------------------------------------------------------------------
# File formats, written by hand so that no library version changes a byte.


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


# ----------------------------------------------------------------------------------------------------------
# Colour helpers.


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def luma(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def not_key(c):
    """Anti-aliased pixels must never land on the transparent key by accident."""
    return (254, 0, 255) if tuple(c) == FUCHSIA else tuple(c)


# ----------------------------------------------------------------------------------------------------------
# Skin: 100 x 50, one colour per row apart from the outline and the rounded corners.

SKIN_W, SKIN_H = 100, 50
OUTLINE = (110, 143, 147)
OUTLINE_LIGHT = (128, 159, 162)
BAND_TOP = (173, 217, 234)
BAND_MID = (71, 145, 168)
STRIPE = (18, 118, 148)
BAND_LOW = (146, 200, 219)
FOOT_TOP = (206, 217, 221)
FOOT_LOW = (227, 230, 231)
# Fuchsia pixels counted from the edge in the five rows nearest the top (and bottom) edge.
CORNER = (5, 3, 2, 1, 1)


def skin_row(y):
    """The interior colour of skin row y (1..48): the title band, the white body, the foot."""
    if 1 <= y <= 13:
        # The glassy top half darkens faster towards the stripe.
        t = (y - 1) / 12.0
        return lerp(BAND_TOP, BAND_MID, t ** 1.25)
    if 14 <= y <= 17:
        return STRIPE
    if 18 <= y <= 26:
        return lerp(STRIPE, BAND_LOW, ((y - 17) / 9.0) ** 0.8)
    if 27 <= y <= 41:
        return WHITE
    if 42 <= y <= 48:
        return lerp(FOOT_TOP, FOOT_LOW, (y - 42) / 6.0)
    raise ValueError(y)


def side_outline(y):
    """The side outline follows the lightness of its row, within a narrow grey-teal range."""
    lo = luma(STRIPE)
    t = (luma(skin_row(y)) - lo) / (255.0 - lo)
    return lerp(OUTLINE, OUTLINE_LIGHT, max(0.0, min(1.0, t)))


def make_skin():
    img = Image.new("RGB", (SKIN_W, SKIN_H))
    px = img.load()
    for y in range(SKIN_H):
        for x in range(SKIN_W):
            if y in (0, SKIN_H - 1):
                c = OUTLINE
            elif x in (0, SKIN_W - 1):
                c = side_outline(y)
            else:
                c = skin_row(y)
            px[x, y] = c
    # Round the corners: fuchsia outside, the outline moved in along the curve.
    for i, n in enumerate(CORNER):
        for y in (i, SKIN_H - 1 - i):
            nxt = CORNER[i - 1] if i > 0 else SKIN_W  # where the row nearer the edge starts
            for k in range(n):
                px[k, y] = FUCHSIA
                px[SKIN_W - 1 - k, y] = FUCHSIA
            if i > 0:
                # The curve's outline runs from this row's first pixel up to where the next row begins.
                for k in range(n, max(n + 1, nxt)):
                    px[k, y] = OUTLINE
                    px[SKIN_W - 1 - k, y] = OUTLINE
    return img


# ----------------------------------------------------------------------------------------------------------
# Caption buttons: placed at y = 1, so bitmap row r continues skin row r + 1; rows 13-16 are the stripe.

GLYPH_EDGE = (80, 80, 96)
CLOSE_GLYPH = [
    ".OOO...OOO.",
    "OWWWO.OWWWO",
    ".OWWWOWWWO.",
    "..OWWWWWO..",
    "...OWWWO...",
    "..OWWWWWO..",
    ".OWWWOWWWO.",
    "OWWWO.OWWWO",
    ".OOO...OOO.",
]
MIN_GLYPH = [
    "OOOOOOOOOO",
    "OWWWWWWWWO",
    "OWWWWWWWWO",
    "OOOOOOOOOO",
]
CLOSE_HOT = (240, 40, 0)
MIN_HOT = (85, 176, 237)
FACE_ROWS = 13  # rows 0-12 hold the face; below it the stripe runs on


def caption_button(width, glyph, glyph_top, hot):
    img = Image.new("RGB", (width, 17))
    px = img.load()
    for y in range(17):
        for x in range(width):
            px[x, y] = skin_row(y + 1)
    if hot is not None:
        dark = lerp(hot, (0, 0, 0), 0.3)
        for y in range(FACE_ROWS):
            # A glassy bar: lighter top half, a darker rim on the sides and the bottom.
            if y < 6:
                c = lerp(hot, WHITE, 0.38 - 0.05 * y)
            else:
                c = lerp(hot, (0, 0, 0), 0.03 * (y - 6))
            for x in range(width):
                edge = x in (0, width - 1) or y == FACE_ROWS - 1
                inner = x in (1, width - 2) or y == FACE_ROWS - 2
                px[x, y] = dark if edge else (lerp(c, WHITE, 0.25) if inner and y > 0 else c)
        # Rounded bottom corners let the band show through.
        for x in (0, width - 1):
            px[x, FACE_ROWS - 1] = skin_row(FACE_ROWS)
    gw = len(glyph[0])
    left = (width - gw) // 2
    for gy, row in enumerate(glyph):
        for gx, ch in enumerate(row):
            if ch == "W":
                px[left + gx, glyph_top + gy] = WHITE
            elif ch == "O":
                px[left + gx, glyph_top + gy] = GLYPH_EDGE
    return img


# ----------------------------------------------------------------------------------------------------------
# Logo: an open book (columns 0-124, rows 1-78) and the product name (columns 130-319, rows 18-48).
# It is drawn at (14, 14) over the title band and the white body; edge pixels are blended with exactly the
# colour the window has beneath them, since transparency is all-or-nothing.

LOGO_W, LOGO_H = 320, 79
LOGO_AT = (14, 14)
SS = 4  # supersampling factor for the smooth pictures


def window_row(y):
    """Colour of the painted window at row y, left of the caption buttons."""
    if y <= 0:
        return OUTLINE
    return skin_row(y) if y <= 27 else WHITE


def bezier(p0, p1, p2, p3, n=24):
    pts = []
    for i in range(n + 1):
        t = i / n
        a, b, c, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
        pts.append(tuple(a * p0[k] + b * p1[k] + c * p2[k] + d * p3[k] for k in (0, 1)))
    return pts


def scaled(pts, dx=0.0, dy=0.0):
    return [((x + dx) * SS, (y + dy) * SS) for x, y in pts]


def mirrored(pts, axis):
    return [(2 * axis - x, y) for x, y in pts]


def layer(size):
    return Image.new("RGBA", (size[0] * SS, size[1] * SS), (0, 0, 0, 0))


def page_outline(shift=0.0, spread=0.0):
    """Left page of the open book: curved top and bottom edges meeting the spine at x = 62.5."""
    top = bezier((62.5, 17), (53, 5), (31, 2), (10 - spread, 11))
    bottom = bezier((8 - spread, 56 + shift), (27, 50 + shift), (49, 52 + shift), (62.5, 62 + shift))
    return top + bottom


def draw_book(size, origin_row):
    """Returns (colour, coverage) images of the book at 1x; colour already blended over the window."""
    axis = 62.5
    ink = (38, 38, 44)
    cover = (156, 30, 34)
    paper = (255, 252, 240)
    img = layer(size)

    # Soft shadow on the white body below the book.
    shadow = layer(size)
    ImageDraw.Draw(shadow).ellipse([22 * SS, 63 * SS, 103 * SS, 73 * SS], fill=(0, 0, 0, 40))
    img = Image.alpha_composite(img, shadow.filter(ImageFilter.GaussianBlur(1.6 * SS)))

    # Hard cover, a little larger than the pages.
    d = ImageDraw.Draw(img)
    cov = (bezier((62.5, 24), (50, 14), (26, 12), (6.2, 17)) +
           bezier((5.2, 61), (26, 58), (48, 60), (62.5, 69.5)))
    for pts in (cov, mirrored(cov, axis)):
        d.polygon(scaled(pts), fill=lerp(cover, (0, 0, 0), 0.35) + (255,))
        d.polygon(scaled(pts, 0, -0.9), fill=cover + (255,))
    d.line(scaled([(axis, 20), (axis, 70)]), fill=lerp(cover, (0, 0, 0), 0.45) + (255,), width=int(1.2 * SS))

    # The page block: a few sheets peeking out below the top one.
    for k in (3, 2, 1):
        shade = lerp(paper, (150, 140, 120), 0.18 + 0.1 * k)
        for pts in (page_outline(1.5 * k, 0.6 * k), mirrored(page_outline(1.5 * k, 0.6 * k), axis)):
            d.polygon(scaled(pts), fill=shade + (255,))

    # The open pages, darkening into the gutter.
    pages = Image.new("L", img.size, 0)
    pd = ImageDraw.Draw(pages)
    pd.polygon(scaled(page_outline()), fill=255)
    pd.polygon(scaled(mirrored(page_outline(), axis)), fill=255)
    fill = Image.new("RGBA", img.size)
    fd = ImageDraw.Draw(fill)
    for x in range(img.size[0]):
        dist = abs(x / SS - axis)
        g = max(0.0, 1.0 - dist / 14.0) ** 2 * 0.28 + max(0.0, (dist - 50) / 12.0) * 0.06
        fd.line([(x, 0), (x, img.size[1])], fill=lerp(paper, (120, 110, 90), g) + (255,))
    img.paste(fill, (0, 0), pages)
    d = ImageDraw.Draw(img)
    edge = (120, 105, 80, 255)
    for pts in (page_outline(), mirrored(page_outline(), axis)):
        d.line(scaled(pts + pts[:1]), fill=edge, width=int(0.8 * SS), joint="curve")

    # The two script forms the program converts between, one on each page.
    font = ImageFont.truetype(KAI, 31 * SS, index=0)
    for ch, cx, colour in (("简", 36.0, ink), ("繁", 89.0, (168, 30, 34))):
        glyph = Image.new("L", (40 * SS, 40 * SS), 0)
        ImageDraw.Draw(glyph).text((20 * SS, 20 * SS), ch, font=font, fill=255, anchor="mm",
                                   stroke_width=SS // 2, stroke_fill=255)
        solid = Image.new("RGBA", glyph.size, colour + (255,))
        img.paste(solid, (int((cx - 20) * SS), int((31 - 20) * SS)), glyph)
    # Ruled lines under the characters, following the page's sag.
    def sag(x):
        return 1.8 * (1 - abs(x - axis) / 55.0)

    for row in (48.0, 51.5):
        for x0, x1 in ((20, 52), (73, 105)):
            d.line(scaled([(x0, row + sag(x0)), (x1, row + sag(x1))]), fill=(200, 188, 164, 255),
                   width=int(0.7 * SS))
    return flatten(img, size, origin_row)


def flatten(img, size, origin_row):
    """Blends a supersampled RGBA picture over the window rows it will cover and reduces it to 1x."""
    back = Image.new("RGBA", img.size)
    bd = ImageDraw.Draw(back)
    for y in range(size[1]):
        bd.rectangle([0, y * SS, img.size[0], (y + 1) * SS - 1], fill=window_row(origin_row + y) + (255,))
    colour = Image.alpha_composite(back, img).convert("RGB").reduce(SS)
    coverage = img.getchannel("A").reduce(SS)
    return colour, coverage


def wordmark():
    """'Sinoshift' in a broad-nib script, weighted and widened towards a brush, with a soft grey shadow."""
    font = ImageFont.truetype(CHANCERY, 27 * SS)
    big = Image.new("L", (200 * SS, 50 * SS), 0)
    ImageDraw.Draw(big).text((6 * SS, 4 * SS), "Sinoshift", font=font, fill=255,
                             stroke_width=SS * 3 // 4, stroke_fill=255)
    big = big.crop(big.getbbox())
    big = big.resize((int(big.width * 1.85), big.height), Image.LANCZOS)
    return big


def make_logo():
    logo = Image.new("RGB", (LOGO_W, LOGO_H), FUCHSIA)
    px = logo.load()

    def put(colour, coverage, left, top, box):
        cp, ap = colour.load(), coverage.load()
        for y in range(colour.size[1]):
            for x in range(colour.size[0]):
                lx, ly = left + x, top + y
                if ap[x, y] >= 10 and box[0] <= lx <= box[2] and box[1] <= ly <= box[3]:
                    px[lx, ly] = not_key(cp[x, y])

    book_size = (125, 78)
    colour, coverage = draw_book(book_size, LOGO_AT[1] + 1)
    put(colour, coverage, 0, 1, (0, 1, 124, 78))

    text = wordmark()
    size = (190, 31)
    art = layer(size)
    tx, ty = 6 * SS, 0
    shadow = Image.new("RGBA", art.size, (0, 0, 0, 0))
    shadow.paste(Image.new("RGBA", text.size, (110, 110, 110, 150)), (tx + 2 * SS, ty + 2 * SS), text)
    art = Image.alpha_composite(art, shadow.filter(ImageFilter.GaussianBlur(0.8 * SS)))
    art.paste(Image.new("RGBA", text.size, (12, 12, 12, 255)), (tx, ty), text)
    colour, coverage = flatten(art, size, LOGO_AT[1] + 18)
    put(colour, coverage, 130, 18, (130, 18, 319, 48))
    return logo


# ----------------------------------------------------------------------------------------------------------
# Pixel art: 16 x 16 pictures drawn pixel by pixel, '.' transparent (fuchsia).


def from_grid(grid, palette):
    img = Image.new("RGB", (len(grid[0]), len(grid)), FUCHSIA)
    for y, row in enumerate(grid):
        assert len(row) == img.size[0], (y, row)
        for x, ch in enumerate(row):
            if ch != ".":
                img.putpixel((x, y), palette[ch])
    return img


# The window icon: a small open book in the logo's colours, sitting on the title band at (8, 6).
ICON_GRID = [
    "................",
    "................",
    "..KKK......KKK..",
    ".KwwwKK..KKwwwK.",
    "KwwwwwwKKwwwwwwK",
    "KwsssswggwrrrrwK",
    "KwwwwwwggwwwwwwK",
    "KwssswwggwrrrwwK",
    "KwwwwwwggwwwwwwK",
    "KwsssswggwrrrrwK",
    "KwwwwwwggwwwwwwK",
    "KKppwwwggwwwppKK",
    "RKKKppwKKwppKKKR",
    ".RRRRKKRRKKRRRR.",
    "...RRRRRRyRRR...",
    ".........y......",
]
ICON_PALETTE = {
    "K": (92, 58, 40),     # page edges, warm dark brown
    "w": (255, 253, 244),  # paper
    "g": (222, 214, 196),  # paper darkening into the gutter
    "p": (214, 204, 182),  # the sheets below the top page
    "s": (70, 70, 80),     # writing on the left page
    "r": (200, 40, 40),    # writing on the right page
    "R": (170, 32, 36),    # cover
    "y": (250, 200, 40),   # bookmark ribbon
}

LIST_PALETTE = {
    "B": (38, 86, 178),    # blue page outline
    "w": (255, 255, 255),
    "f": (214, 226, 246),  # folded corner of the white page
    "l": (128, 152, 200),  # writing on the white page
    "o": (178, 128, 20),   # yellow page outline
    "y": (255, 228, 112),
    "F": (255, 244, 190),  # folded corner of the yellow page
    "L": (214, 164, 52),   # writing on the yellow page
    "k": (64, 68, 78),     # blade edge
    "S": (196, 202, 214),  # blade face
    "p": (40, 40, 48),     # pivot screw
    "b": (38, 104, 220),   # handles
    "h": (126, 176, 250),  # handle highlight
    "n": (20, 52, 136),    # handle shadow
    "C": (118, 74, 28),    # clipboard outline
    "c": (200, 142, 70),   # clipboard board
    "M": (86, 92, 104),    # clip outline
    "m": (180, 186, 198),  # clip metal
    "x": (0, 0, 0),
}
DISABLED = (128, 128, 128)
OUTLINE_CHARS = set("BoCMkn")


def blank():
    return [["."] * 16 for _ in range(16)]


def page(g, x0, y0, w, h, edge, fill, fold, ink, lines):
    """A sheet with a folded top-right corner and a few lines of writing."""
    f = 3
    right = x0 + w - 1
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            g[y][x] = fill
    for y in range(y0, y0 + f + 1):
        for x in range(right - f + 1 + (y - y0), right + 1):
            g[y][x] = "."  # cut off by the fold
    for x in range(x0, right - f + 1):
        g[y0][x] = edge
    for y in range(y0, y0 + h):
        g[y][x0] = edge
    for y in range(y0 + f, y0 + h):
        g[y][right] = edge
    for x in range(x0, right + 1):
        g[y0 + h - 1][x] = edge
    for i in range(f + 1):
        g[y0 + i][right - f + i] = edge  # the diagonal of the fold
        g[y0 + f][right - f + i] = edge
        g[y0 + i][right - f] = edge
    for y in range(y0 + 1, y0 + f):
        for x in range(right - f + 1, right - f + (y - y0)):
            g[y][x] = fold
    for y, x1, x2 in lines:
        for x in range(x0 + x1, x0 + x2 + 1):
            g[y0 + y][x] = ink


def copy_grid():
    g = blank()
    page(g, 0, 0, 10, 12, "o", "y", "F", "L", [(4, 2, 5), (6, 2, 4), (8, 2, 3)])
    page(g, 5, 4, 10, 12, "B", "w", "f", "l", [(4, 2, 5), (6, 2, 7), (8, 2, 6), (10, 2, 5)])
    return g


CUT_GRID = [
    "...k........k...",
    "...kS......Sk...",
    "....kS....Sk....",
    "....kS....Sk....",
    ".....kS..Sk.....",
    ".....kS..Sk.....",
    "......kSSk......",
    "......kppk......",
    ".......pp.......",
    "......nbbn......",
    ".....bn..nb.....",
    ".bbbbb....bbbbb.",
    "bh...b....b...hb",
    "b....b....b....b",
    "bn..nb....bn..nb",
    ".nnnn......nnnn.",
]


def paste_grid():
    g = blank()
    for y in range(2, 16):
        for x in range(1, 13):
            g[y][x] = "C" if x in (1, 12) or y in (2, 15) else "c"
    clip = ["..MMMM..", ".MmmmmM.", "MmmmmmmM", "MMMMMMMM"]
    for y, row in enumerate(clip):
        for x, ch in enumerate(row):
            if ch != ".":
                g[y][3 + x] = ch
    page(g, 6, 5, 9, 11, "B", "w", "f", "l", [(4, 2, 5), (6, 2, 6), (8, 2, 4)])
    return g


MIN_GRID = ["................"] * 11 + ["....xxxxxxx....."] * 2 + ["................"] * 3
CLOSE_GRID = (["................"] * 4 + [
    "....xx....xx....",
    ".....xx..xx.....",
    "......xxxx......",
    ".......xx.......",
    "......xxxx......",
    ".....xx..xx.....",
    "....xx....xx....",
] + ["................"] * 5)


def disabled(grid):
    """The grey outline of a picture: its edge pixels and its drawn outlines, nothing inside."""
    out = blank()
    for y in range(16):
        for x in range(16):
            ch = grid[y][x]
            if ch == ".":
                continue
            border = any(not (0 <= y + dy < 16 and 0 <= x + dx < 16) or grid[y + dy][x + dx] == "."
                         for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if border or ch in OUTLINE_CHARS:
                out[y][x] = "G"
    return out


def make_imagelist():
    colour = [copy_grid(), [list(r) for r in CUT_GRID], paste_grid()]
    pictures = colour + [disabled(g) for g in colour]
    pictures += [[list(r) for r in MIN_GRID], [list(r) for r in CLOSE_GRID]]
    strip = Image.new("RGB", (16 * len(pictures), 16), FUCHSIA)
    palette = dict(LIST_PALETTE, G=DISABLED)
    for i, g in enumerate(pictures):
        strip.paste(from_grid(["".join(r) for r in g], palette), (16 * i, 0))
    return strip


# ----------------------------------------------------------------------------------------------------------
# Application icon: the same book as the window icon, 32 x 32, drawn smoothly and reduced to a palette.


def make_app_icon():
    n = 32
    S = 8
    img = Image.new("RGBA", (n * S, n * S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    sc = lambda pts: [(x * S, y * S) for x, y in pts]
    axis = 16.0
    edge = ICON_PALETTE["K"] + (255,)
    cover = (bezier((16, 10.5), (11, 7), (5, 6.5), (1.0, 8.5)) +
             bezier((1.0, 27.6), (6, 26.0), (12, 27.0), (16, 30.4)))
    page = (bezier((16, 8.0), (12, 3.4), (6, 3.0), (3.0, 5.2)) +
            bezier((3.0, 23.8), (7.5, 22.3), (12, 23.3), (16, 26.0)))
    for pts in (cover, mirrored(cover, axis)):
        d.polygon(sc(pts), fill=lerp(ICON_PALETTE["R"], (0, 0, 0), 0.35) + (255,))
        d.polygon(sc([(x, y - 1.1) for x, y in pts]), fill=ICON_PALETTE["R"] + (255,))
    for k in (2, 1):
        sheet = [(x - 0.6 * k * (1 if x < axis else -1) * (abs(x - axis) > 1), y + 0.9 * k) for x, y in page]
        for pts in (sheet, mirrored(sheet, axis)):
            d.polygon(sc(pts), fill=ICON_PALETTE["p"] + (255,), outline=edge, width=S // 2)
    for pts in (page, mirrored(page, axis)):
        d.polygon(sc(pts), fill=ICON_PALETTE["w"] + (255,))
        d.line(sc(pts + pts[:1]), fill=edge, width=S, joint="curve")
    for x in range(int(12.5 * S), int(19.5 * S)):
        g = max(0.0, 1.0 - abs(x / S - axis) / 3.5) * 0.5
        d.line([(x, 7.6 * S + abs(x / S - axis) * 0.25 * S), (x, 25.6 * S)],
               fill=lerp(ICON_PALETTE["w"], ICON_PALETTE["g"], g) + (255,))
    d.line(sc([(axis, 8.4), (axis, 25.8)]), fill=edge, width=S)
    # Writing: whole pixel rows so that it stays crisp at this size.
    for y, x0, x1 in ((10, 6, 13), (13, 6, 12), (16, 6, 13), (19, 6, 11)):
        d.rectangle([x0 * S, y * S, x1 * S - 1, (y + 1) * S - 1], fill=ICON_PALETTE["s"] + (255,))
        d.rectangle([(32 - x1) * S, y * S, (32 - x0) * S - 1, (y + 1) * S - 1],
                    fill=ICON_PALETTE["r"] + (255,))
    ribbon = [(17.0, 26.0), (19.0, 26.8), (19.0, 31.6), (18.0, 30.6), (17.0, 31.6)]
    d.polygon(sc(ribbon), fill=ICON_PALETTE["y"] + (255,))

    small = Image.new("RGB", (n, n))
    opaque = [[False] * n for _ in range(n)]
    src = img.load()
    for y in range(n):
        for x in range(n):
            r = g = b = a = 0
            for sy in range(S):
                for sx in range(S):
                    pr, pg, pb, pa = src[x * S + sx, y * S + sy]
                    r, g, b, a = r + pr * pa, g + pg * pa, b + pb * pa, a + pa
            opaque[y][x] = a >= 128 * S * S
            small.putpixel((x, y), (r // a, g // a, b // a) if a else (0, 0, 0))
    small = small.quantize(255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE).convert("RGB")
    return small, opaque


# ----------------------------------------------------------------------------------------------------------
# Split cursors: black strokes with a white rim, hot spot (8, 8) in the gap between the two lines.

HOTSPOT = (8, 8)


def split_cursor(vertical, dot):
    black = set()
    for y in range(1, 16):
        black.add((7, y))
        black.add((9, y))
    for tip, step in ((1, 1), (15, -1)):
        for i in range(5):
            black.add((tip + step * i, 8))  # shaft
        for i in range(1, 4):
            for dy in range(-i, i + 1):
                black.add((tip + step * i, 8 + dy))  # arrowhead
    if dot:
        black |= {(13 + dx, 14 + dy) for dx in range(2) for dy in range(2)}
    if vertical:
        black = {(y, x) for x, y in black}
    grid = [["."] * 32 for _ in range(32)]
    for x, y in black:
        grid[y][x] = "X"
    for x, y in black:
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                if 0 <= x + dx < 32 and 0 <= y + dy < 32 and grid[y + dy][x + dx] == ".":
                    grid[y + dy][x + dx] = "o"
    return ["".join(r) for r in grid]


# ----------------------------------------------------------------------------------------------------------
# Previews: the window's corners as the program paints them, and every picture enlarged.


def compose_window(skin, logo, icon, buttons, width=713, height=486):
    """The painted skin (the nine pieces, nearest-neighbour like COLORONCOLOR) with the pictures on top."""
    win = Image.new("RGB", (width, height), WHITE)
    sp, wp = skin.load(), win.load()
    w = width - 1
    for y in range(height):
        if y < 28:
            sy = y
        elif y >= height - 10:
            sy = SKIN_H - (height - y)
        else:
            sy = 28 + (y - 28) * 12 // (height - 38)
        for x in range(w):
            if x < 20 and y < 28 or x < 10:
                sx = x
            elif x >= w - 20 and y < 28 or x >= w - 10:
                sx = SKIN_W - (w - x)
            elif y < 28:
                sx = 21 + ((x - 20) * 80 // (w - 40)) * 60 // 80
            else:
                sx = 10 + (x - 10) * 80 // (w - 20)
            wp[x, y] = sp[sx, sy]

    def draw(pic, at, keyed=True):
        key = pic.getpixel((0, pic.size[1] - 1))
        for y in range(pic.size[1]):
            for x in range(pic.size[0]):
                c = pic.getpixel((x, y))
                if not keyed or c != key:
                    wp[at[0] + x, at[1] + y] = c

    draw(logo, LOGO_AT)
    # The version label beside the name (Tahoma in the program; a look-alike here).
    font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 9)
    ImageDraw.Draw(win).text((338, 42), "Version 1.6.8.0", font=font, fill=(65, 65, 65))
    draw(icon, (8, 6))
    draw(buttons[0], (636, 1), keyed=False)
    draw(buttons[1], (661, 1), keyed=False)
    # The rounded shape the window gets: a 13 x 13 corner ellipse from (1, 1) to (713, 486).
    shape = Image.new("L", (width, height), 0)
    ImageDraw.Draw(shape).rounded_rectangle([1, 1, width - 1, height - 1], radius=6, fill=255)
    out = Image.new("RGB", (width, height), (90, 90, 90))
    out.paste(win, (0, 0), shape)
    return out


def write_previews(folder, art):
    os.makedirs(folder, exist_ok=True)
    big = lambda im, k: im.resize((im.size[0] * k, im.size[1] * k), Image.NEAREST)
    for name, im in art.items():
        if isinstance(im, Image.Image):
            big(im, 8).save(os.path.join(folder, name + ".png"))
    for hot in (False, True):
        buttons = (art["min_hot" if hot else "min_up"], art["close_hot" if hot else "close_up"])
        win = compose_window(art["skin"], art["logo"], art["icon16"], buttons)
        tag = "_hot" if hot else ""
        big(win.crop((0, 0, 360, 100)), 4).save(os.path.join(folder, "window_left%s.png" % tag))
        big(win.crop((600, 0, 713, 40)), 8).save(os.path.join(folder, "window_right%s.png" % tag))
        if not hot:
            win.save(os.path.join(folder, "window.png"))


# ----------------------------------------------------------------------------------------------------------


def build():
    art = {
        "skin": make_skin(),
        "logo": make_logo(),
        "icon16": from_grid(ICON_GRID, ICON_PALETTE),
        "close_up": caption_button(43, CLOSE_GLYPH, 2, None),
        "close_hot": caption_button(43, CLOSE_GLYPH, 2, CLOSE_HOT),
        "min_up": caption_button(25, MIN_GLYPH, 7, None),
        "min_hot": caption_button(25, MIN_GLYPH, 7, MIN_HOT),
        "imagelist": make_imagelist(),
    }
    files = {name + ".bmp": bmp24_bytes(im) for name, im in art.items()}
    icon, opaque = make_app_icon()
    files["sinoshift.ico"] = icon8_bytes(icon, opaque)
    art["app_icon"] = Image.new("RGB", icon.size, (96, 96, 96))
    art["app_icon"].paste(icon, (0, 0), Image.frombytes("L", icon.size, bytes(
        255 if opaque[y][x] else 0 for y in range(32) for x in range(32))))
    for vertical in (False, True):
        for dot in (False, True):
            name = "uisplit_%s%s" % ("vert" if vertical else "horz", "hotspot" if dot else "")
            grid = split_cursor(vertical, dot)
            files[name + ".cur"] = cursor_bytes(grid, HOTSPOT)
            pal = {"X": (0, 0, 0), "o": WHITE}
            art[name] = from_grid(grid, pal)
    return art, files


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets"))
    ap.add_argument("--preview", metavar="DIR", help="also write enlarged PNG previews into DIR")
    args = ap.parse_args()
    art, files = build()
    os.makedirs(args.out, exist_ok=True)
    for name, data in sorted(files.items()):
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(data)
    if args.preview:
        write_previews(args.preview, art)
    return 0


if __name__ == "__main__":
    sys.exit(main())
