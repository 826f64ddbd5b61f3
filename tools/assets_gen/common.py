"""Colours, fonts and small drawing helpers shared by the pictures."""

from PIL import Image

FUCHSIA = (255, 0, 255)
WHITE = (255, 255, 255)

CHANCERY = "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf"
KAI = "/usr/share/fonts/truetype/arphic/ukai.ttc"  # fonts-arphic-ukai: brush-written Kai forms

# Supersampling factor for the smooth pictures.
SS = 4


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def luma(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def not_key(c):
    """Anti-aliased pixels must never land on the transparent key by accident."""
    return (254, 0, 255) if tuple(c) == FUCHSIA else tuple(c)


def bezier(p0, p1, p2, p3, n=24):
    pts = []
    for i in range(n + 1):
        t = i / n
        a, b, c, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
        pts.append(tuple(a * p0[k] + b * p1[k] + c * p2[k] + d * p3[k] for k in (0, 1)))
    return pts


def mirrored(pts, axis):
    return [(2 * axis - x, y) for x, y in pts]


def from_grid(grid, palette):
    img = Image.new("RGB", (len(grid[0]), len(grid)), FUCHSIA)
    for y, row in enumerate(grid):
        assert len(row) == img.size[0], (y, row)
        for x, ch in enumerate(row):
            if ch != ".":
                img.putpixel((x, y), palette[ch])
    return img
