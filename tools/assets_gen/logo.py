"""The logo drawn over the title band and the body, with the colours beneath it blended in."""

from PIL import Image, ImageDraw, ImageFilter, ImageFont

from .common import CHANCERY, FUCHSIA, KAI, SS, WHITE, bezier, lerp, mirrored, not_key
from .skin import OUTLINE, skin_row


# Logo: an open book (columns 0-124, rows 1-78) and the product name (columns 130-319, rows 18-48).
# It is drawn at (14, 14) over the title band and the white body; edge pixels are blended with exactly the
# colour the window has beneath them, since transparency is all-or-nothing.

LOGO_W, LOGO_H = 320, 79
LOGO_AT = (14, 14)


def window_row(y):
    """Colour of the painted window at row y, left of the caption buttons."""
    if y <= 0:
        return OUTLINE
    return skin_row(y) if y <= 27 else WHITE


def scaled(pts, dx=0.0, dy=0.0):
    return [((x + dx) * SS, (y + dy) * SS) for x, y in pts]


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
