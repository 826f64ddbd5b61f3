#!/usr/bin/python3
"""Draws Sinoshift's artwork and writes it into assets/.

Run with Debian's python3 and python3-pil (fonts: fonts-urw-base35, fonts-arphic-ukai). The output is
committed; running the script again on the same machine writes the same bytes. `--preview DIR` also writes
enlarged PNG previews, among them the window's top-left as the program composes it, for looking at only.
"""

import argparse
import os
import sys

from PIL import Image

from assets_gen.common import WHITE, from_grid
from assets_gen.fileformats import bmp24_bytes, cursor_bytes, icon8_bytes
from assets_gen.logo import make_logo
from assets_gen.pictures import (HOTSPOT, ICON_GRID, ICON_PALETTE, make_app_icon,
                                 make_imagelist, split_cursor)
from assets_gen.preview import write_previews
from assets_gen.skin import CLOSE_GLYPH, CLOSE_HOT, MIN_GLYPH, MIN_HOT, caption_button, make_skin


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
