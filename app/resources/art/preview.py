#!/usr/bin/env python3
"""Draw an overview sheet of the rendered artwork, read back from the real files.

    python3 preview.py [out.png]

The character is shown as it appears on screen (key grey made transparent) on a
light and a dark desktop, with the clock at 12:34:56, blinking and squeaking;
the small pictures are enlarged with hard pixels.
"""
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from check import read_icon

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)
KEY = (124, 124, 124)
LIGHT_DESK = (150, 190, 226)
DARK_DESK = (28, 36, 48)
SHEET = (246, 246, 244)


def bmp(name):
    return Image.open(os.path.join(RES, "bitmaps", name)).convert("RGB")


def on_desk(img, desk):
    a = np.array(img)
    key = np.all(a == KEY, axis=2)
    a[key] = desk
    return Image.fromarray(a)


def icon_images(name):
    _, imgs = read_icon(os.path.join(RES, "icons", name))
    out = []
    for e in imgs:
        a = np.array(e["rgba"], dtype=np.uint8)
        out.append(Image.fromarray(a, "RGBA"))
    return out


def over(img, colour):
    bg = Image.new("RGBA", img.size, colour + (255,))
    bg.alpha_composite(img)
    return bg.convert("RGB")


def zoom(img, f):
    return img.resize((img.width * f, img.height * f), Image.NEAREST)


def checker(w, h, cell=8):
    a = np.zeros((h, w, 3), dtype=np.uint8) + 236
    yy, xx = np.mgrid[0:h, 0:w]
    a[((yy // cell) + (xx // cell)) % 2 == 1] = 206
    return a


def main(out):
    try:
        font = ImageFont.truetype("DejaVuSans.ttf", 13)
    except OSError:
        font = ImageFont.load_default()
    char = bmp("character.bmp")
    digits = [bmp("digit%d.bmp" % d) for d in range(10)]

    ticking = char.copy()
    for x, d in zip((33, 49, 72, 88, 111, 127), (1, 2, 3, 4, 5, 6)):
        ticking.paste(digits[d], (x, 214))
    squeak = ticking.copy()
    squeak.paste(bmp("eyes_closed.bmp").crop((0, 0, 78, 35)), (42, 55))
    squeak.paste(bmp("mouth_open.bmp"), (58, 102))
    blink = ticking.copy()
    blink.paste(bmp("eyes_closed.bmp").crop((0, 0, 78, 35)), (42, 55))

    W, H = 1180, 900
    sheet = Image.new("RGB", (W, H), SHEET)
    d = ImageDraw.Draw(sheet)

    def label(x, y, text):
        d.text((x, y), text, fill=(60, 60, 60), font=font)

    # Row 1: the character as it appears on screen.
    x = 20
    for img, desk, text in ((char, LIGHT_DESK, "character.bmp"),
                            (ticking, DARK_DESK, "12:34:56 on a dark desktop"),
                            (blink, LIGHT_DESK, "blink (eyes_closed)"),
                            (squeak, DARK_DESK, "squeak (mouth_open)")):
        panel = Image.new("RGB", (245, 325), desk)
        panel.paste(on_desk(img, desk), (10, 10))
        sheet.paste(panel, (x, 30))
        label(x, 10, text)
        x += 265
    # Face close-up, 2x, eyes/mouth areas marked.
    face = zoom(on_desk(squeak.crop((0, 0, 160, 165)), LIGHT_DESK), 2)
    label(20, 370, "face 2x: as drawn / eyes_closed + mouth_open pasted in")
    both = Image.new("RGB", (330 * 2 + 10, 330), SHEET)
    both.paste(zoom(on_desk(ticking.crop((0, 0, 160, 165)), LIGHT_DESK), 2), (0, 0))
    both.paste(face, (330, 0))
    sheet.paste(both.crop((0, 0, 650, 330)), (20, 390))

    # Digits and clock close-up.
    label(690, 370, "digit0..9 (3x) and the clock (2x)")
    for i, dg in enumerate(digits):
        sheet.paste(zoom(dg, 3), (690 + (i % 5) * 54, 390 + (i // 5) * 82))
    sheet.paste(zoom(ticking.crop((14, 186, 162, 260)), 2), (690, 560))

    # Icons, cursor, close glyph, computer mouse.
    y0 = 740
    label(20, y0 - 20, "whiskertime.ico 16/32/48 (8x/4x/2x) and actual size")
    x = 20
    for img, f in zip(icon_images("whiskertime.ico"), (8, 4, 2)):
        tile = Image.fromarray(checker(img.width * f, img.height * f))
        tile.paste(zoom(over(img, (236, 236, 236)), f), (0, 0), zoom(img, f))
        sheet.paste(tile, (x, y0))
        x += img.width * f + 10
    tray = Image.new("RGB", (90, 24), (30, 40, 56))
    tray2 = Image.new("RGB", (90, 24), (228, 232, 238))
    for t in (tray, tray2):
        ic = icon_images("whiskertime.ico")
        t.paste(ic[0].convert("RGB"), (10, 4), ic[0])
        t.paste(ic[1].resize((16, 16)).convert("RGB"), (36, 4), ic[1].resize((16, 16)))
        t.paste(ic[1].convert("RGB").crop((0, 0, 32, 20)), (56, 2), ic[1].crop((0, 0, 32, 20)))
    sheet.paste(tray, (x, y0))
    sheet.paste(tray2, (x, y0 + 30))
    x += 110

    label(x, y0 - 20, "hand.cur 32/24/16")
    for img, f in zip(icon_images("hand.cur"), (4, 4, 6)):
        tile = Image.fromarray(checker(img.width * f, img.height * f))
        tile.paste(zoom(over(img, (236, 236, 236)), f), (0, 0), zoom(img, f))
        ImageDraw.Draw(tile).rectangle([0, 0, f - 1, f - 1], outline=(230, 30, 30))
        sheet.paste(tile, (x, y0))
        x += img.width * f + 10
    x += 10
    label(x, y0 - 20, "close.ico")
    cl = icon_images("close.ico")[0]
    tile = Image.fromarray(checker(128, 128))
    tile.paste(zoom(over(cl, (236, 236, 236)), 8), (0, 0), zoom(cl, 8))
    sheet.paste(tile, (x, y0))
    x += 140
    label(x, y0 - 20, "computer_mouse.bmp")
    sheet.paste(zoom(bmp("computer_mouse.bmp"), 5), (x, y0))
    sheet.paste(bmp("computer_mouse.bmp"), (x + 130, y0))
    sheet.save(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "preview.png"))
