"""The window skin and the caption buttons drawn over its title band."""

from PIL import Image

from .common import FUCHSIA, WHITE, lerp, luma


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
