"""The window icon, the toolbar image list, the application icon and the split cursors."""

from PIL import Image, ImageDraw

from .common import FUCHSIA, bezier, from_grid, lerp, mirrored


# Pixel art: 16 x 16 pictures drawn pixel by pixel, '.' transparent (fuchsia).

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
