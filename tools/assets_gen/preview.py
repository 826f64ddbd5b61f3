"""Enlarged PNG previews, for looking at only; nothing here reaches assets/."""

import os

from PIL import Image, ImageDraw, ImageFont

from .common import WHITE
from .logo import LOGO_AT
from .skin import SKIN_H, SKIN_W


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
    ImageDraw.Draw(win).text((338, 42), "Version " + open(os.path.join(os.path.dirname(__file__), "..", "..", "VERSION")).read().strip(), font=font, fill=(65, 65, 65))
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
