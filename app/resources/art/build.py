#!/usr/bin/env python3
"""Render every Whiskertime bitmap, icon and cursor from the sources in this folder.

Run through render.sh.  Needs rsvg-convert (librsvg2-bin), python3-pil and python3-numpy.

The character and all of its face/digit pieces share ONE palette, so every piece
that the program blits over the character matches it pixel for pixel.
"""
import os
import struct
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)
BITMAPS = os.path.join(RES, "bitmaps")
ICONS = os.path.join(RES, "icons")

KEY = (124, 124, 124)          # transparent colour of the shaped window

# Layout of the character window (inclusive pixel coordinates).
CHAR_W, CHAR_H = 225, 305
EYES_AT = (42, 55)             # eyes bitmaps are drawn here
EYES_OPEN_SIZE = (79, 38)
EYES_CLOSED_SIZE = (78, 38)
EYES_SHOWN_ROWS = 35           # only the top rows are ever shown
MOUTH_AT = (58, 102)
MOUTH_SIZE = (57, 57)
CELL_W, CELL_H = 16, 25
CELL_Y = 214
CELL_X = (33, 49, 72, 88, 111, 127)
COLON_X = (65, 104)            # 7 px wide gaps between the digit pairs
BASE_DIGITS = "120000"         # what the clock shows in the still picture

# Clock display colours: these are exact, they must match the SVG's .display fill.
DISPLAY_BG = (0x10, 0x30, 0x2A)
SEG_ON = (0x8C, 0xFF, 0xC4)
SEG_GLOW = (0x5A, 0xD8, 0x9E)
SEG_GHOST = (0x1B, 0x45, 0x3B)

DIALOG_BG = (240, 240, 240)    # background of the small computer-mouse picture

VARIANT_RULE = "#eyes-closed, #mouth-open { display: none; }"


# --------------------------------------------------------------------------
# SVG rendering
# --------------------------------------------------------------------------

def render_svg(svg_text, width=None, height=None):
    """Render SVG source with rsvg-convert, return an RGBA numpy array (uint8)."""
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "in.svg")
        out = os.path.join(tmp, "out.png")
        with open(src, "w", encoding="utf-8") as f:
            f.write(svg_text)
        cmd = ["rsvg-convert", src, "-o", out]
        if width:
            cmd += ["-w", str(width)]
        if height:
            cmd += ["-h", str(height)]
        subprocess.run(cmd, check=True)
        return np.array(Image.open(out).convert("RGBA"))


def read(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        return f.read()


def character_variant(hide):
    """The character SVG with the given groups hidden instead of the default ones."""
    src = read("character.svg")
    if VARIANT_RULE not in src:
        sys.exit("character.svg: variant rule not found")
    return render_svg(src.replace(VARIANT_RULE, "%s { display: none; }" % hide))


def harden(rgba):
    """Hard outer edge: a pixel is figure if at least half covered, else key.

    rsvg writes un-premultiplied colour, so a half covered outline pixel keeps
    the pure outline colour; nothing is ever blended towards the key grey.
    Returns (rgb, mask) with mask True on figure pixels.
    """
    mask = rgba[:, :, 3] >= 128
    rgb = rgba[:, :, :3].copy()
    rgb[~mask] = KEY
    return rgb, mask


# --------------------------------------------------------------------------
# Seven-segment digits
# --------------------------------------------------------------------------

SEGMENTS = {  # a b c d e f g
    "0": "abcdef", "1": "bc", "2": "abged", "3": "abgcd", "4": "fgbc",
    "5": "afgcd", "6": "afgedc", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}
SS = 8  # supersampling factor


def _segment_polys():
    left, right, top, bottom = 2.3, 13.7, 1.6, 23.4
    mid = (top + bottom) / 2
    h = 1.45          # half thickness
    g = 0.55          # gap at the joints
    slant = 0.9       # a gentle italic lean, x shift per full height

    def sx(x, y):     # lean: shift right towards the top
        return x + slant * (bottom - y) / (bottom - top) - slant / 2

    def hseg(yc):
        pts = [(left + g, yc), (left + g + h, yc - h), (right - g - h, yc - h),
               (right - g, yc), (right - g - h, yc + h), (left + g + h, yc + h)]
        return [(sx(x, y), y) for x, y in pts]

    def vseg(xc, y1, y2):
        pts = [(xc, y1 + g), (xc + h, y1 + g + h), (xc + h, y2 - g - h),
               (xc, y2 - g), (xc - h, y2 - g - h), (xc - h, y1 + g + h)]
        return [(sx(x, y), y) for x, y in pts]

    xl, xr = left + h, right - h
    yt, yb = top + h, bottom - h
    return {
        "a": hseg(yt), "g": hseg(mid), "d": hseg(yb),
        "f": vseg(xl, yt, mid), "b": vseg(xr, yt, mid),
        "e": vseg(xl, mid, yb), "c": vseg(xr, mid, yb),
    }


def _coverage(w, h, draw_fn):
    """Anti-aliased coverage (0..1 float array h x w) of shapes drawn by draw_fn."""
    im = Image.new("L", (w * SS, h * SS), 0)
    draw_fn(ImageDraw.Draw(im), lambda pts: [(x * SS, y * SS) for x, y in pts])
    im = im.resize((w, h), Image.BOX)
    return np.asarray(im, dtype=np.float64) / 255.0


def _blend(base, colour, cov):
    out = base.astype(np.float64)
    c = np.array(colour, dtype=np.float64)
    out = out * (1 - cov[..., None]) + c * cov[..., None]
    return out


def _finish(img):
    return np.clip(np.rint(img), 0, 255).astype(np.uint8)


def draw_digit(ch):
    polys = _segment_polys()
    lit = SEGMENTS[ch]
    img = np.zeros((CELL_H, CELL_W, 3), dtype=np.float64) + DISPLAY_BG

    def draw(names):
        def fn(d, sc):
            for n in names:
                d.polygon(sc(polys[n]), fill=255)
        return fn

    ghost = _coverage(CELL_W, CELL_H, draw([n for n in "abcdefg" if n not in lit]))
    on = _coverage(CELL_W, CELL_H, draw(lit))
    img = _blend(img, SEG_GHOST, ghost)
    img = _blend(img, SEG_GLOW, np.clip(on * 1.6, 0, 1))
    img = _blend(img, SEG_ON, np.clip(on * 1.25 - 0.25, 0, 1))
    return _finish(img)


def draw_colon():
    w = 7
    img = np.zeros((CELL_H, w, 3), dtype=np.float64) + DISPLAY_BG

    def fn(d, sc):
        for cy in (7.6, 17.4):
            cx, r = 3.5 + 0.9 * (23.4 - cy) / 21.8 - 0.45, 1.55
            (x0, y0), (x1, y1) = sc([(cx - r, cy - r), (cx + r, cy + r)])
            d.ellipse([x0, y0, x1, y1], fill=255)

    on = _coverage(w, CELL_H, fn)
    img = _blend(img, SEG_GLOW, np.clip(on * 1.6, 0, 1))
    img = _blend(img, SEG_ON, np.clip(on * 1.25 - 0.25, 0, 1))
    return _finish(img)


# --------------------------------------------------------------------------
# Palette and BMP writing
# --------------------------------------------------------------------------

def build_palette(pixel_sets, reserved, size=256):
    """One palette for all the given (N,3) pixel arrays.

    Frequent colours (the flat fills) are kept exactly, the anti-aliased
    in-between colours are represented by a median cut.  Entry 0 is the key.
    """
    allpix = np.concatenate(pixel_sets).astype(np.uint8)
    cols, counts = np.unique(allpix, axis=0, return_counts=True)
    order = np.argsort(-counts, kind="stable")
    cols, counts = cols[order], counts[order]
    palette = [KEY] + [tuple(c) for c in reserved]
    for c, n in zip(cols, counts):
        c = tuple(int(v) for v in c)
        if len(palette) >= 96 or n < 12:
            break
        if c not in palette:
            palette.append(c)
    exact = set(palette)
    rest = np.array([c for c in (tuple(int(v) for v in x) for x in allpix) if c not in exact],
                    dtype=np.uint8)
    room = size - len(palette)
    if len(rest):
        uniq = np.unique(rest, axis=0)
        if len(uniq) <= room:
            extra = [tuple(int(v) for v in c) for c in uniq]
        else:
            strip = Image.fromarray(rest.reshape(1, -1, 3), "RGB")
            q = strip.quantize(colors=room, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
            pal = q.getpalette()[: room * 3]
            extra = [tuple(pal[i:i + 3]) for i in range(0, len(pal), 3)]
        for c in extra:
            if c not in exact and c != KEY:
                palette.append(c)
                exact.add(c)
    return np.array(palette[:size], dtype=np.int32)


def map_to_palette(rgb, mask, palette):
    """Index image: key pixels -> 0, figure pixels -> nearest non-key entry."""
    h, w, _ = rgb.shape
    flat = rgb.reshape(-1, 3).astype(np.int32)
    cand = palette[1:]
    idx = np.zeros(len(flat), dtype=np.uint8)
    m = mask.reshape(-1)
    pts = flat[m]
    best = np.empty(len(pts), dtype=np.int64)
    for s in range(0, len(pts), 8192):
        chunk = pts[s:s + 8192]
        d = ((chunk[:, None, :] - cand[None, :, :]) ** 2).sum(axis=2)
        best[s:s + 8192] = d.argmin(axis=1)
    idx[m] = (best + 1).astype(np.uint8)
    return idx.reshape(h, w)


def write_bmp8(path, idx, palette):
    """Uncompressed, bottom-up, 8 bits per pixel BMP with a BITMAPINFOHEADER."""
    h, w = idx.shape
    ncol = len(palette)
    stride = (w + 3) & ~3
    pal = b"".join(struct.pack("<BBBB", int(b), int(g), int(r), 0) for r, g, b in palette)
    rows = b"".join(idx[y].tobytes() + b"\0" * (stride - w) for y in range(h - 1, -1, -1))
    off = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", off + len(rows), 0, 0, off)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 2835, 2835, ncol, 0)
    with open(path, "wb") as f:
        f.write(header + info + pal + rows)


# --------------------------------------------------------------------------
# Icons and cursors
# --------------------------------------------------------------------------

def dib32(rgba):
    """A 32-bit icon/cursor image: BITMAPINFOHEADER, BGRA rows, AND mask."""
    h, w, _ = rgba.shape
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(rgba[y][:, [2, 1, 0, 3]].tobytes() for y in range(h - 1, -1, -1))
    mstride = ((w + 31) // 32) * 4
    mask = b""
    for y in range(h - 1, -1, -1):
        bits = bytearray(mstride)
        for x in range(w):
            if rgba[y, x, 3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return info + xor + mask


def write_icon(path, images, cursor_hotspots=None):
    """images: list of RGBA arrays.  cursor_hotspots: list of (x, y) for a .cur."""
    kind = 2 if cursor_hotspots else 1
    blobs = [dib32(im) for im in images]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for i, (im, blob) in enumerate(zip(images, blobs)):
        h, w, _ = im.shape
        if kind == 2:
            f1, f2 = cursor_hotspots[i]
        else:
            f1, f2 = 1, 32
        out += struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, 0, 0, f1, f2, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


PIXEL_COLOURS = {"K": (0x2E, 0x24, 0x33, 255), "W": (255, 255, 255, 255),
                 "G": (0xD0, 0xD4, 0xE0, 255), ".": (0, 0, 0, 0)}


def pixel_art(text):
    """RGBA array from a character grid ('#' lines are comments)."""
    rows = [r.strip() for r in text.splitlines() if r.strip() and not r.startswith("#")]
    if len({len(r) for r in rows}) != 1:
        sys.exit("pixel art rows differ in length")
    return np.array([[PIXEL_COLOURS[c] for c in r] for r in rows], dtype=np.uint8)


def clean_alpha(rgba):
    """Fully transparent pixels get zero colour (tidier files, no stray colour)."""
    rgba = rgba.copy()
    rgba[rgba[:, :, 3] == 0] = 0
    return rgba


# --------------------------------------------------------------------------
# Main
# --------------------------------------------------------------------------

def crop(a, x, y, w, h):
    return a[y:y + h, x:x + w]


def changed_box(a, b):
    diff = np.any(a != b, axis=-1) if a.ndim == 3 else (a != b)
    ys, xs = np.nonzero(diff)
    if len(ys) == 0:
        return None
    return xs.min(), ys.min(), xs.max(), ys.max()


def require_inside(name, box, x0, y0, x1, y1):
    if box is None:
        sys.exit("%s: variant does not differ from the character" % name)
    if box[0] < x0 or box[1] < y0 or box[2] > x1 or box[3] > y1:
        sys.exit("%s: changes at %s leave the allowed area (%d,%d)-(%d,%d)"
                 % (name, box, x0, y0, x1, y1))


def main():
    os.makedirs(BITMAPS, exist_ok=True)
    os.makedirs(ICONS, exist_ok=True)

    base_rgba = character_variant("#eyes-closed, #mouth-open")
    closed_rgba = character_variant("#eyes-open, #mouth-open")
    open_rgba = character_variant("#eyes-closed, #mouth-closed")
    if base_rgba.shape[:2] != (CHAR_H, CHAR_W):
        sys.exit("character.svg renders at %s" % (base_rgba.shape[:2],))

    base, base_mask = harden(base_rgba)
    closed, closed_mask = harden(closed_rgba)
    mouth, mouth_mask = harden(open_rgba)

    ex, ey = EYES_AT
    require_inside("eyes closed", changed_box(base_rgba, closed_rgba),
                   ex + 2, ey + 2, ex + EYES_CLOSED_SIZE[0] - 3, ey + EYES_SHOWN_ROWS - 3)
    mx, my = MOUTH_AT
    require_inside("mouth open", changed_box(base_rgba, open_rgba),
                   mx + 2, my + 2, mx + MOUTH_SIZE[0] - 3, my + MOUTH_SIZE[1] - 3)

    # The display must be one flat colour around the cells.
    disp = crop(base, 29, 209, 118, 35)
    if not np.all(disp == DISPLAY_BG):
        sys.exit("character.svg: display rect is not the flat DISPLAY_BG colour")

    digits = {c: draw_digit(c) for c in "0123456789"}
    colon = draw_colon()
    for x, c in zip(CELL_X, BASE_DIGITS):
        base[CELL_Y:CELL_Y + CELL_H, x:x + CELL_W] = digits[c]
    for x in COLON_X:
        base[CELL_Y:CELL_Y + CELL_H, x:x + 7] = colon

    # The variants only contribute their face areas; everything else is the character.
    def splice(img, m, x, y, w, h):
        full, full_mask = base.copy(), base_mask.copy()
        full[y:y + h, x:x + w] = crop(img, x, y, w, h)
        full_mask[y:y + h, x:x + w] = crop(m, x, y, w, h)
        return full, full_mask

    closed_full, closed_full_mask = splice(closed, closed_mask, ex, ey, *EYES_CLOSED_SIZE)
    mouth_full, mouth_full_mask = splice(mouth, mouth_mask, mx, my, *MOUTH_SIZE)

    pixel_sets = [base[base_mask],
                  crop(closed_full, ex, ey, *EYES_CLOSED_SIZE).reshape(-1, 3),
                  crop(mouth_full, mx, my, *MOUTH_SIZE).reshape(-1, 3)]
    pixel_sets += [d.reshape(-1, 3) for d in digits.values()]
    palette = build_palette(pixel_sets, reserved=[DISPLAY_BG, SEG_ON, SEG_GLOW, SEG_GHOST])

    base_idx = map_to_palette(base, base_mask, palette)
    closed_idx = map_to_palette(closed_full, closed_full_mask, palette)
    mouth_idx = map_to_palette(mouth_full, mouth_full_mask, palette)
    full = np.ones((CELL_H, CELL_W), dtype=bool)

    def out(name, idx):
        write_bmp8(os.path.join(BITMAPS, name), idx, palette)

    out("character.bmp", base_idx)
    out("eyes_open.bmp", crop(base_idx, ex, ey, *EYES_OPEN_SIZE))
    out("eyes_closed.bmp", crop(closed_idx, ex, ey, *EYES_CLOSED_SIZE))
    out("mouth_closed.bmp", crop(base_idx, mx, my, *MOUTH_SIZE))
    out("mouth_open.bmp", crop(mouth_idx, mx, my, *MOUTH_SIZE))
    for c, d in digits.items():
        out("digit%s.bmp" % c, map_to_palette(d, full, palette))

    # Small computer mouse for the dialog: its own palette, flat light background.
    cm = render_svg(read("computer_mouse.svg"), 25, 25).astype(np.float64)
    a = cm[:, :, 3:4] / 255.0
    cm_rgb = _finish(cm[:, :, :3] * a + np.array(DIALOG_BG) * (1 - a))
    cm_pal = build_palette([cm_rgb.reshape(-1, 3)], reserved=[DIALOG_BG])
    write_bmp8(os.path.join(BITMAPS, "computer_mouse.bmp"),
               map_to_palette(cm_rgb, np.ones((25, 25), dtype=bool), cm_pal), cm_pal)

    # Program icon: the head, with its own small-size drawing for 16 px.
    icon32 = read("icon.svg").replace("#lcd-32 { display: none; }", "#lcd-48 { display: none; }")
    icon_imgs = [clean_alpha(render_svg(read("icon16.svg"), 16, 16)),
                 clean_alpha(render_svg(icon32, 32, 32)),
                 clean_alpha(render_svg(read("icon.svg"), 48, 48))]
    write_icon(os.path.join(ICONS, "whiskertime.ico"), icon_imgs)

    # Close glyph.
    write_icon(os.path.join(ICONS, "close.ico"), [clean_alpha(render_svg(read("close.svg"), 16, 16))])

    # Pointing hand; the fingertip is the hot spot at (0,0) in every size.
    hands = [clean_alpha(render_svg(read("hand.svg"), 32, 32)),
             clean_alpha(render_svg(read("hand.svg"), 24, 24)),
             pixel_art(read("hand16.txt"))]
    write_icon(os.path.join(ICONS, "hand.cur"), hands, cursor_hotspots=[(0, 0)] * 3)

    print("palette: %d colours; wrote bitmaps to %s and icons to %s"
          % (len(palette), os.path.relpath(BITMAPS, RES), os.path.relpath(ICONS, RES)))


if __name__ == "__main__":
    main()
