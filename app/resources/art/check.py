#!/usr/bin/env python3
"""Check Whiskertime's rendered artwork and sound (Python standard library only).

    python3 app/resources/art/check.py

Reads the files the program embeds and verifies what the program relies on:
formats and sizes, the transparent key colour, that every piece blitted over the
character joins it without a seam, the cursor's hot spot, and the squeak's format.
Exits non-zero on any failure.
"""
import os
import struct
import sys
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)
KEY = (124, 124, 124)

# ---------------------------------------------------------------- readers


class Bmp:
    def __init__(self, path):
        data = open(path, "rb").read()
        self.path = path
        if data[:2] != b"BM":
            raise ValueError("not a BMP")
        size, _, _, off = struct.unpack_from("<IHHI", data, 2)
        (hsize, w, h, planes, bpp, comp, _, _, _, used, _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
        self.file_size_ok = size == len(data)
        self.header_size, self.w, self.h = hsize, w, abs(h)
        self.bottom_up, self.planes, self.bpp, self.comp = h > 0, planes, bpp, comp
        ncol = used or (1 << bpp if bpp <= 8 else 0)
        pal = data[14 + hsize:14 + hsize + 4 * ncol]
        self.palette = [(pal[i + 2], pal[i + 1], pal[i]) for i in range(0, len(pal), 4)]
        self.idx = None
        if bpp == 8 and comp == 0:
            stride = (self.w + 3) & ~3
            rows = [data[off + y * stride: off + y * stride + self.w] for y in range(self.h)]
            if self.bottom_up:
                rows.reverse()
            self.idx = rows

    def px(self, x, y):
        return self.palette[self.idx[y][x]]

    def region(self, x, y, w, h):
        return [[self.px(x + i, y + j) for i in range(w)] for j in range(h)]


def read_icon(path):
    """Return (type, [dict(w, h, hot, bpp, rgba rows, and_mask rows)])."""
    data = open(path, "rb").read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    out = []
    for i in range(count):
        w, h, _, _, f1, f2, size, off = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        e = {"w": w, "h": h, "hot": (f1, f2), "dir_bpp": f2}
        blob = data[off:off + size]
        if blob[:8] == b"\x89PNG\r\n\x1a\n":
            e["bpp"] = "png"
            out.append(e)
            continue
        hsize, bw, bh, _, bpp = struct.unpack_from("<IiiHH", blob, 0)
        e["bpp"] = bpp
        e["dib_size"] = (bw, bh)
        if bpp == 32:
            rows = []
            p = hsize
            for _ in range(h):
                row = [(blob[p + 4 * x + 2], blob[p + 4 * x + 1], blob[p + 4 * x], blob[p + 4 * x + 3])
                       for x in range(w)]
                rows.append(row)
                p += 4 * w
            rows.reverse()
            mstride = ((w + 31) // 32) * 4
            mask = []
            for _ in range(h):
                mask.append([(blob[p + x // 8] >> (7 - x % 8)) & 1 for x in range(w)])
                p += mstride
            mask.reverse()
            e["rgba"], e["mask"] = rows, mask
        out.append(e)
    return kind, out


# ---------------------------------------------------------------- checks

results = []


def check(name, ok, detail=""):
    results.append(ok)
    print("%s  %s%s" % ("PASS" if ok else "FAIL", name, ("  (" + detail + ")") if detail and not ok else ""))


def dist(a, b):
    return sum((p - q) ** 2 for p, q in zip(a, b)) ** 0.5


def border_equal(a, b, n):
    """True if the outermost n rows/columns of two equal-sized regions match."""
    h, w = len(a), len(a[0])
    for y in range(h):
        for x in range(w):
            if (y < n or y >= h - n or x < n or x >= w - n) and a[y][x] != b[y][x]:
                return False
    return True


def main():
    bm = lambda n: os.path.join(RES, "bitmaps", n)
    sizes = {"character.bmp": (225, 305), "eyes_closed.bmp": (78, 38), "eyes_open.bmp": (79, 38),
             "mouth_open.bmp": (57, 57), "mouth_closed.bmp": (57, 57), "computer_mouse.bmp": (25, 25)}
    sizes.update({"digit%d.bmp" % d: (16, 25) for d in range(10)})
    bmps = {}
    for name, (w, h) in sizes.items():
        try:
            b = Bmp(bm(name))
        except (OSError, ValueError) as e:
            check(name + " readable", False, str(e))
            continue
        bmps[name] = b
        fmt = (b.header_size == 40 and b.bpp == 8 and b.comp == 0 and b.planes == 1
               and b.bottom_up and b.file_size_ok and 0 < len(b.palette) <= 256)
        check("%s is %dx%d, 8-bit palettised, uncompressed, bottom-up" % (name, w, h),
              fmt and (b.w, b.h) == (w, h),
              "%dx%d bpp=%d comp=%d hdr=%d" % (b.w, b.h, b.bpp, b.comp, b.header_size))
    if any(b.idx is None for b in bmps.values()) or "character.bmp" not in bmps:
        return

    c = bmps["character.bmp"]
    check("character: top-left pixel is the key grey", c.px(0, 0) == KEY, str(c.px(0, 0)))
    key_entries = [i for i, p in enumerate(c.palette) if p == KEY]
    used = set(v for row in c.idx for v in row)
    check("character: the key grey is one palette entry, no figure colour equals it",
          len([i for i in key_entries if i in used]) == 1)

    # No dirty halo: figure pixels touching the key must not be near-grey.
    halo = []
    for y in range(c.h):
        for x in range(c.w):
            p = c.px(x, y)
            if p == KEY:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                u, v = x + dx, y + dy
                if 0 <= u < c.w and 0 <= v < c.h and c.px(u, v) == KEY and dist(p, KEY) < 60:
                    halo.append((x, y, p))
                    break
    check("character: hard outline, no near-grey pixels along the outer edge", not halo, str(halo[:5]))

    figure_rows = [y for y in range(c.h) if any(c.px(x, y) != KEY for x in range(c.w))]
    check("character: the feet reach the bottom row", c.h - 1 in figure_rows)
    head_area_ok = all(c.px(x, y) != KEY for x, y in ((81, 72), (86, 130), (80, 226)))
    check("character: face and clock are solid where the program expects them", head_area_ok)

    # Face pieces.
    eo = bmps["eyes_open.bmp"]
    check("eyes_open equals the character at (42,55)", eo.region(0, 0, 79, 38) == c.region(42, 55, 79, 38))
    ec = bmps["eyes_closed.bmp"]
    shown_c, shown_ec = c.region(42, 55, 78, 35), ec.region(0, 0, 78, 35)
    check("eyes_closed differs from the open eyes", shown_c != shown_ec)
    check("eyes_closed matches the character on its 2-pixel border", border_equal(shown_c, shown_ec, 2))
    check("eyes_closed rows 35..37 continue the face", ec.region(0, 35, 78, 3) == c.region(42, 90, 78, 3))
    mc, mo = bmps["mouth_closed.bmp"], bmps["mouth_open.bmp"]
    mouth_c = c.region(58, 102, 57, 57)
    check("mouth_closed equals the character at (58,102)", mc.region(0, 0, 57, 57) == mouth_c)
    check("mouth_open differs from the closed mouth", mo.region(0, 0, 57, 57) != mouth_c)
    check("mouth_open matches the character on its 2-pixel border",
          border_equal(mouth_c, mo.region(0, 0, 57, 57), 2))

    # Clock.
    bg = c.px(30, 210)
    cells = (33, 49, 72, 88, 111, 127)
    ring = lambda r: [r[0][i] for i in range(16)] + [r[-1][i] for i in range(16)] + \
        [row[0] for row in r] + [row[-1] for row in r]
    check("clock: display background is dark", sum(bg) < 200, str(bg))
    around = [c.px(x, y) for x in range(32, 144) for y in (213, 239)] + \
             [c.px(x, y) for y in range(214, 239) for x in (32, 143)]
    check("clock: display background surrounds the digit cells", all(p == bg for p in around))
    check("clock: the cells in the character have the display background at their edges",
          all(all(p == bg for p in ring(c.region(x, 214, 16, 25))) for x in cells))
    digits = [bmps["digit%d.bmp" % d].region(0, 0, 16, 25) for d in range(10)]
    check("digits: edges are exactly the display background (no seam in the cells)",
          all(all(p == bg for p in ring(d)) for d in digits))
    lit = [sum(1 for row in d for p in row if sum(p) > sum(bg) + 300) for d in digits]
    check("digits: all ten differ and have bright segments",
          len(set(map(str, digits))) == 10 and min(lit) > 10 and lit[8] == max(lit), str(lit))
    for x in (65, 104):
        colon = c.region(x, 214, 7, 25)
        check("clock: colon drawn between the pairs at x=%d" % x,
              any(sum(p) > sum(bg) + 300 for row in colon for p in row))

    cm = bmps["computer_mouse.bmp"]
    corners = [cm.px(0, 0), cm.px(24, 0), cm.px(0, 24), cm.px(24, 24)]
    check("computer_mouse: plain light background",
          len(set(corners[1:] + [cm.px(0, 12)])) == 1 and min(cm.px(0, 24)) > 200, str(corners))

    # Icons and cursor.
    ic = lambda n: os.path.join(RES, "icons", n)

    def transparent_ok(e):
        rgba, mask = e.get("rgba"), e.get("mask")
        if rgba is None:
            return False
        clear = [(x, y) for y in range(e["h"]) for x in range(e["w"]) if rgba[y][x][3] == 0]
        solid = [(x, y) for y in range(e["h"]) for x in range(e["w"]) if rgba[y][x][3] == 255]
        mask_ok = all(mask[y][x] == (1 if rgba[y][x][3] < 128 else 0)
                      for y in range(e["h"]) for x in range(e["w"]))
        return bool(clear) and bool(solid) and mask_ok

    kind, imgs = read_icon(ic("whiskertime.ico"))
    got = sorted((e["w"], e["h"]) for e in imgs)
    check("whiskertime.ico: icon with 16, 32 and 48 px images",
          kind == 1 and {(16, 16), (32, 32), (48, 48)} <= set(got), str(got))
    check("whiskertime.ico: every image has transparency and a matching mask",
          all(transparent_ok(e) for e in imgs))

    kind, imgs = read_icon(ic("close.ico"))
    greys = [p for e in imgs if "rgba" in e for row in e["rgba"] for p in row if p[3] > 0]
    check("close.ico: one 16x16 image with transparency",
          kind == 1 and [(e["w"], e["h"]) for e in imgs] == [(16, 16)] and transparent_ok(imgs[0]))
    check("close.ico: the glyph is grey", greys and all(max(p[:3]) - min(p[:3]) <= 8 for p in greys))

    kind, imgs = read_icon(ic("hand.cur"))
    check("hand.cur: cursor with 32, 24 and 16 px images",
          kind == 2 and [(e["w"], e["h"]) for e in imgs] == [(32, 32), (24, 24), (16, 16)],
          str([(e["w"], e["h"]) for e in imgs]))
    check("hand.cur: hot spot (0,0) in every image", all(e["hot"] == (0, 0) for e in imgs),
          str([e["hot"] for e in imgs]))
    check("hand.cur: the fingertip covers the hot spot pixel",
          all("rgba" in e and e["rgba"][0][0][3] >= 128 and e["mask"][0][0] == 0 for e in imgs))
    check("hand.cur: every image has transparency and a matching mask", all(transparent_ok(e) for e in imgs))

    # Squeak.
    path = os.path.join(RES, "sound", "zizi.wav")
    try:
        with wave.open(path) as wv:
            ch, sw, rate, n = wv.getnchannels(), wv.getsampwidth(), wv.getframerate(), wv.getnframes()
            frames = wv.readframes(n)
    except (OSError, wave.Error) as e:
        check("zizi.wav readable", False, str(e))
        return
    check("zizi.wav: PCM 16-bit mono at 22050 or 44100 Hz", ch == 1 and sw == 2 and rate in (22050, 44100),
          "%d ch, %d bytes, %d Hz" % (ch, sw, rate))
    s = struct.unpack("<%dh" % n, frames) if sw == 2 and ch == 1 else [0]
    dur = n / float(rate)
    peak = max(abs(v) for v in s) / 32768.0
    check("zizi.wav: about 0.3 to 0.6 seconds long", 0.3 <= dur <= 0.6, "%.3f s" % dur)
    check("zizi.wav: peak level between -6 and -1 dBFS", 0.5 <= peak <= 0.9, "peak %.3f" % peak)
    edge = int(rate * 0.002)
    check("zizi.wav: starts and ends silently (no click)",
          max(abs(v) for v in s[:edge] + s[-edge:]) < 0.02 * 32768)


if __name__ == "__main__":
    main()
    failed = results.count(False)
    print("%d passed, %d failed" % (len(results) - failed, failed))
    sys.exit(1 if failed else 0)
