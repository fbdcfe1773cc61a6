#!/usr/bin/python3
"""Draws the program's pictures: the two banners (JPEG resources 131 and 132)
and the icon group 128.

Usage: make-images.py OUTPUT_DIR [--preview DIR]

Everything is drawn from geometry here; the only outside inputs are fonts from
Debian packages. Shapes are rasterised at several times the final size and
box-averaged down, which gives smooth edges without depending on any library's
anti-aliasing. Same script, same packages -> same bytes.
"""

import math
import os
import struct
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT_DIRS = ["/usr/share/fonts/truetype/lato", "/usr/share/fonts/truetype/dejavu"]

# Palette. The lime matches the About window's donation box, so the banner
# sits well inside that window.
LIME_HI = (196, 238, 64)
LIME = (154, 206, 2)
LIME_LO = (86, 142, 0)
NAVY_DEEP = (8, 24, 44)
NAVY = (14, 48, 78)
TEAL = (18, 92, 110)
TITLE_HI = (74, 148, 236)
TITLE_LO = (26, 82, 178)
PAPER_HI = (255, 255, 255)
PAPER_LO = (222, 231, 242)
INK = (12, 30, 56)


def font(name, size):
    for d in FONT_DIRS:
        p = os.path.join(d, name)
        if os.path.exists(p):
            return ImageFont.truetype(p, size, layout_engine=ImageFont.Layout.RAQM)
    raise SystemExit("font not found: %s (run scripts/make-images.sh)" % name)


def rgb(c):
    return np.array(c, dtype=np.float32) / 255.0


class Canvas:
    """Premultiplied RGBA in floats, held at ss times the final size.

    Coordinates given to drawing calls are in final pixels."""

    def __init__(self, w, h, ss):
        self.w, self.h, self.ss = w, h, ss
        self.W, self.H = w * ss, h * ss
        self.px = np.zeros((self.H, self.W, 4), dtype=np.float32)
        ys, xs = np.mgrid[0:self.H, 0:self.W].astype(np.float32)
        # Sample centres in final-pixel units, for gradients.
        self.x = (xs + 0.5) / ss
        self.y = (ys + 0.5) / ss

    # --- coverage masks -------------------------------------------------

    def _blank(self):
        return Image.new("L", (self.W, self.H), 0)

    def _to_mask(self, img, blur=0.0):
        if blur > 0:
            img = img.filter(ImageFilter.GaussianBlur(blur * self.ss))
        return np.asarray(img, dtype=np.float32) / 255.0

    def polygon(self, pts, blur=0.0):
        img = self._blank()
        s = self.ss
        ImageDraw.Draw(img).polygon([(x * s, y * s) for x, y in pts], fill=255)
        return self._to_mask(img, blur)

    def ellipse(self, cx, cy, rx, ry, blur=0.0):
        img = self._blank()
        s = self.ss
        ImageDraw.Draw(img).ellipse(
            [(cx - rx) * s, (cy - ry) * s, (cx + rx) * s, (cy + ry) * s], fill=255)
        return self._to_mask(img, blur)

    def line(self, pts, width, blur=0.0):
        img = self._blank()
        s = self.ss
        d = ImageDraw.Draw(img)
        d.line([(x * s, y * s) for x, y in pts], fill=255, width=max(1, round(width * s)),
               joint="curve")
        r = width * s / 2
        for x, y in (pts[0], pts[-1]):
            d.ellipse([x * s - r, y * s - r, x * s + r, y * s + r], fill=255)
        return self._to_mask(img, blur)

    def text(self, x, y, string, fnt, anchor="ls", spacing=0.0):
        """Mask of text drawn at (x, y); fnt must be sized for the supersampled grid.
        spacing adds tracking (final pixels) between letters."""
        img = self._blank()
        d = ImageDraw.Draw(img)
        s = self.ss
        if spacing == 0:
            d.text((x * s, y * s), string, font=fnt, fill=255, anchor=anchor)
        else:
            total = self.text_width(string, fnt, spacing)
            cx = x * s
            if anchor[0] == "m":
                cx -= total / 2
            elif anchor[0] == "r":
                cx -= total
            for ch in string:
                d.text((cx, y * s), ch, font=fnt, fill=255, anchor="l" + anchor[1])
                cx += fnt.getlength(ch) + spacing * s
        return self._to_mask(img)

    def text_width(self, string, fnt, spacing=0.0):
        """Width in supersampled pixels."""
        if spacing == 0:
            return fnt.getlength(string)
        return sum(fnt.getlength(ch) for ch in string) + spacing * self.ss * (len(string) - 1)

    # --- colour fields --------------------------------------------------

    def linear(self, x0, y0, c0, x1, y1, c1):
        dx, dy = x1 - x0, y1 - y0
        t = ((self.x - x0) * dx + (self.y - y0) * dy) / (dx * dx + dy * dy)
        t = np.clip(t, 0, 1)[..., None]
        # Smoothstep keeps long gradients free of visible kinks at the ends.
        t = t * t * (3 - 2 * t)
        return rgb(c0) * (1 - t) + rgb(c1) * t

    def radial(self, cx, cy, rx, ry):
        """0 at the centre, 1 on the ellipse, growing outside."""
        return np.sqrt(((self.x - cx) / rx) ** 2 + ((self.y - cy) / ry) ** 2)

    # --- compositing ----------------------------------------------------

    def paint(self, mask, colour, alpha=1.0):
        """Source-over of colour (a triple or a field) through mask * alpha."""
        a = (mask * alpha)[..., None]
        c = rgb(colour) if isinstance(colour, tuple) else colour
        self.px[..., :3] = c * a + self.px[..., :3] * (1 - a)
        self.px[..., 3:] = a + self.px[..., 3:] * (1 - a)

    def coverage(self):
        return self.px[..., 3].copy()

    def finish(self):
        """Box-average down to the final size; returns straight RGBA uint8."""
        s = self.ss
        p = self.px.reshape(self.h, s, self.w, s, 4).mean(axis=(1, 3))
        a = p[..., 3:]
        c = np.where(a > 1e-6, p[..., :3] / np.maximum(a, 1e-6), 0)
        out = np.concatenate([c, a], axis=-1)
        return np.clip(np.round(out * 255), 0, 255).astype(np.uint8)


# --- shapes -----------------------------------------------------------------

def rounded_rect(x0, y0, x1, y1, r, steps=10):
    if r <= 0:
        return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    pts = []
    for cx, cy, a0 in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0),
                       (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
        for i in range(steps + 1):
            a = math.radians(a0 + 90 * i / steps)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def draw_window(cv, x0, y0, x1, y1, detail, clip=None):
    """A desktop window: title bar, caption buttons, a few lines of content.

    detail 0 is for the 16-pixel icon, where only the title bar and page remain."""
    w, h = x1 - x0, y1 - y0
    r = max(0.6, min(w, h) * 0.07)
    title = max(2.0, h * 0.2) if detail > 0 else round(h * 0.36)
    body = cv.polygon(rounded_rect(x0, y0, x1, y1, r))
    if clip is not None:
        body = body * clip
    # Soft drop shadow, lower right, as if lit from the top left.
    off = max(0.5, w * 0.035)
    sh = cv.polygon(rounded_rect(x0 + off, y0 + off * 1.6, x1 + off, y1 + off * 1.6, r),
                    blur=max(0.4, w * 0.03))
    cv.paint(sh * (1 - body), (0, 8, 24), 0.45)
    cv.paint(body, cv.linear(x0, y0, PAPER_HI, x0, y1, PAPER_LO))
    bar = body * (cv.y < y0 + title)
    cv.paint(bar, cv.linear(x0, y0, TITLE_HI, x0, y0 + title, TITLE_LO))
    # Thin highlight along the top edge of the title bar.
    if detail > 0:
        hl = cv.polygon(rounded_rect(x0, y0, x1, y0 + title * 0.45, r)) * body
        cv.paint(hl, (255, 255, 255), 0.18)
    # Caption buttons.
    if detail > 0:
        bs = title * 0.56
        by = y0 + (title - bs) / 2
        bx = x1 - title * 0.28 - bs
        close = cv.polygon(rounded_rect(bx, by, bx + bs, by + bs, bs * 0.22))
        cv.paint(close, cv.linear(bx, by, (240, 120, 90), bx, by + bs, (200, 60, 40)))
        if detail > 1:
            g = bs * 0.28
            m = cv.line([(bx + g, by + g), (bx + bs - g, by + bs - g)], bs * 0.12)
            m = np.maximum(m, cv.line([(bx + bs - g, by + g), (bx + g, by + bs - g)], bs * 0.12))
            cv.paint(m, (255, 255, 255), 0.95)
            for k in (1, 2):
                ox = bx - k * (bs + bs * 0.25)
                b = cv.polygon(rounded_rect(ox, by, ox + bs, by + bs, bs * 0.22))
                cv.paint(b, (255, 255, 255), 0.28)
    # Content: a sidebar and a few lines of text.
    if detail > 1:
        pad = w * 0.09
        ty = y0 + title + pad * 0.9
        lh = max(1.0, h * 0.055)
        gap = lh * 2.1
        lens = [0.62, 0.8, 0.48, 0.7, 0.55, 0.75]
        k = 0
        while ty + lh < y1 - pad * 0.6 and k < len(lens):
            ln = cv.polygon(rounded_rect(x0 + pad, ty, x0 + pad + (w - 2 * pad) * lens[k], ty + lh,
                                         lh / 2))
            cv.paint(ln * body, (120, 142, 170), 0.55 if k else 0.8)
            ty += gap
            k += 1
    # Crisp dark rim so the window separates from what is behind it.
    rim = body - cv.polygon(rounded_rect(x0 + 0.5, y0 + 0.5, x1 - 0.5, y1 - 0.5,
                                         max(0.1, r - 0.5)))
    cv.paint(np.clip(rim, 0, 1), INK, 0.55)


def canopy_geometry(cx, top, hw, hem_y, panels, sag):
    """Outline of an umbrella canopy seen from the front and slightly below.

    Returns (apex, ribs, hem points); rib i runs from the apex to hem point i."""
    hem = []
    for i in range(panels + 1):
        t = i / panels
        hem.append((cx - hw + 2 * hw * t, hem_y + sag * (1 - (2 * t - 1) ** 2)))
    ribs = []
    steps = 28
    for hx, hy in hem:
        pts = []
        for j in range(steps + 1):
            v = j / steps * math.pi / 2
            pts.append((cx + (hx - cx) * math.sin(v), top + (hy - top) * (1 - math.cos(v))))
        ribs.append(pts)
    return (cx, top), ribs, hem


def scallop_curve(p, q, depth, steps=14):
    pts = []
    for j in range(steps + 1):
        t = j / steps
        pts.append((p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t - depth * math.sin(math.pi * t)))
    return pts


def draw_canopy(cv, cx, top, hw, hem_y, panels, detail, shadow_onto=None):
    sag = (hem_y - top) * 0.09
    scallop = (2 * hw / panels) * 0.16
    apex, ribs, hem = canopy_geometry(cx, top, hw, hem_y, panels, sag)
    outline = list(ribs[0])
    for i in range(panels):
        outline += scallop_curve(hem[i], hem[i + 1], scallop)[1:]
    outline += list(reversed(ribs[-1]))[1:]
    whole = cv.polygon(outline)

    # Shelter shadow: falls below the hem onto whatever is under the umbrella.
    if shadow_onto is not None:
        sh = cv.ellipse(cx + hw * 0.05, hem_y + sag + (hem_y - top) * 0.1, hw * 0.92,
                        (hem_y - top) * 0.22, blur=(hem_y - top) * 0.1)
        cv.paint(sh * shadow_onto * (1 - whole), (0, 10, 30), 0.45)

    height = hem_y + sag - top
    # Vertical light falloff over the dome, brighter at the crown.
    v = np.clip((cv.y - top) / height, 0, 1)
    for i in range(panels):
        poly = list(ribs[i]) + scallop_curve(hem[i], hem[i + 1], scallop)[1:] + list(reversed(ribs[i + 1]))[1:]
        m = cv.polygon(poly)
        # Facet brightness from the panel's direction; light from the upper left.
        ang = ((i + 0.5) / panels * 2 - 1) * (math.pi / 2)
        lit = 0.72 + 0.36 * max(0.0, math.cos(ang + 0.75))
        if panels >= 4 and i % 2 == 1:
            lit *= 0.93
        hi = np.array(LIME_HI, np.float32) / 255 * lit
        lo = np.array(LIME_LO, np.float32) / 255 * lit
        t = (v ** 0.8)[..., None]
        field = np.clip(hi * (1 - t) + lo * t, 0, 1)
        cv.paint(m, field)

    if detail > 0:
        # Ribs as fine light seams.
        w = max(0.35, hw * 0.018)
        for rib in ribs[1:-1]:
            cv.paint(cv.line(rib, w) * whole, (236, 255, 190), 0.55)
        # Glossy highlight on the lit side.
        gl = cv.ellipse(cx - hw * 0.38, top + height * 0.36, hw * 0.36, height * 0.2,
                        blur=height * 0.08)
        cv.paint(gl * whole, (255, 255, 240), 0.33)
    # Darker hem line gives the edge some weight.
    hemline = cv.line(sum((scallop_curve(hem[i], hem[i + 1], scallop) for i in range(panels)), []),
                      max(0.5, hw * 0.03))
    cv.paint(hemline * whole, (48, 92, 0), 0.6)
    # Rim around the whole canopy for contrast on any background.
    # At 16 pixels the scallops vanish, so a firmer outline has to carry the shape.
    outer = cv.line(outline, 0.9 if detail == 0 else max(0.5, hw * 0.025))
    cv.paint(np.clip(outer - whole * 0.5, 0, 1), (30, 64, 0), 0.75 if detail == 0 else 0.5)
    # Finial at the crown, and the tips at the hem.
    if detail > 0:
        fr = max(0.6, hw * 0.045)
        f = cv.polygon(rounded_rect(cx - fr * 0.55, top - fr * 2.0, cx + fr * 0.55, top + fr, fr * 0.5))
        cv.paint(f, (40, 52, 64))
        if detail > 1:
            for hx, hy in hem:
                cv.paint(cv.ellipse(hx, hy + fr * 0.2, fr * 0.5, fr * 0.5), (40, 52, 64))
    return whole


def draw_handle(cv, cx, y0, y1, r, width):
    """The shaft from y0 down to y1, ending in a hook curling to the left."""
    pts = [(cx, y0), (cx, y1)]
    for j in range(1, 21):
        a = math.pi * j / 20
        pts.append((cx - r + r * math.cos(a), y1 + r * math.sin(a)))
    cv.paint(cv.line(pts, width * 1.6, blur=width * 0.4), (0, 8, 20), 0.35)
    m = cv.line(pts, width)
    cv.paint(m, cv.linear(cx - r * 2, y1, (236, 240, 246), cx + width, y1 + r * 2, (140, 152, 170)))


def emblem(cv, ox, oy, size, detail, with_handle=False):
    """The product's mark in a size x size box at (ox, oy): an umbrella
    sheltering a stack of windows."""
    u = size / 48.0

    def X(v):
        return ox + v * u

    def Y(v):
        return oy + v * u

    if detail == 0:
        # 16 px: one window, pixel-aligned, under a three-panel canopy.
        draw_window(cv, X(6), Y(24), X(42), Y(45), 0)
        under = cv.coverage()
        draw_canopy(cv, X(24), Y(3), 22.5 * u, Y(22), 3, 0, shadow_onto=under)
        return
    if with_handle:
        draw_handle(cv, X(24), Y(20), Y(47.5), 3.2 * u, 1.5 * u)
    draw_window(cv, X(17), Y(18), X(44), Y(38), detail)
    draw_window(cv, X(5), Y(25), X(33), Y(46), detail)
    under = cv.coverage()
    draw_canopy(cv, X(24), Y(2.5), 23 * u, Y(21), 4, detail, shadow_onto=under)


# --- banners ----------------------------------------------------------------

def rain(cv, seed, count, region, exclude=None, length=(10, 26), alpha=(0.05, 0.16)):
    """Fine slanted streaks; a fixed seed keeps the picture reproducible."""
    rs = np.random.RandomState(seed)
    x0, y0, x1, y1 = region
    img = Image.new("L", (cv.W, cv.H), 0)
    d = ImageDraw.Draw(img)
    s = cv.ss
    slant = 0.26
    for _ in range(count):
        x = rs.uniform(x0, x1)
        y = rs.uniform(y0, y1)
        ln = rs.uniform(*length)
        a = rs.uniform(*alpha)
        if exclude is not None and exclude(x, y):
            continue
        d.line([(x * s, y * s), ((x - ln * slant) * s, (y + ln) * s)],
               fill=int(a * 255), width=max(1, round(0.8 * s)))
    return np.asarray(img, dtype=np.float32) / 255.0


def background(cv, glow_x, glow_y, glow_r):
    w, h = cv.w, cv.h
    full = np.ones((cv.H, cv.W), np.float32)
    cv.paint(full, cv.linear(0, 0, NAVY_DEEP, w, h, NAVY))
    # Teal glow behind the mark.
    g = np.clip(1 - cv.radial(glow_x, glow_y, glow_r, glow_r), 0, 1) ** 1.8
    cv.paint(g, TEAL, 0.85)
    g2 = np.clip(1 - cv.radial(glow_x, glow_y, glow_r * 0.55, glow_r * 0.55), 0, 1) ** 2
    cv.paint(g2, (60, 150, 130), 0.35)


def banner_wide(ss=4):
    W, H = 700, 230
    cv = Canvas(W, H, ss)
    mark = 188
    mx, my = 30, 12
    background(cv, mx + mark / 2, my + mark * 0.45, 250)
    span = (mx, mx + mark)
    streaks = rain(cv, 131, 420, (-20, -30, W + 40, H),
                   exclude=lambda x, y: span[0] < x < span[1] and y > my - 8)
    cv.paint(streaks, (190, 220, 255))
    emblem(cv, mx, my, mark, 2, with_handle=True)

    # Name: "Vexo" in white, "Ombrel" in lime, one optical line.
    tx = 256
    base = 124
    fb = font("Lato-Black.ttf", 70 * ss)
    name_shadow(cv, tx, base, "Vexo Ombrel", fb)
    w1 = cv.text_width("Vexo ", fb) / ss
    cv.paint(cv.text(tx, base, "Vexo ", fb), cv.linear(0, base - 56, (255, 255, 255), 0, base, (214, 228, 244)))
    cv.paint(cv.text(tx + w1, base, "Ombrel", fb), cv.linear(0, base - 56, LIME_HI, 0, base, LIME))

    rule_y = base + 20
    cv.paint(cv.polygon(rounded_rect(tx + 3, rule_y, tx + 66, rule_y + 3.2, 1.6)), LIME)
    fl = font("Lato-Regular.ttf", 23 * ss)
    cv.paint(cv.text(tx + 3, rule_y + 32, "More room for your windows", fl), (206, 222, 240))
    fs = font("Lato-Bold.ttf", 12 * ss)
    cv.paint(cv.text(tx + 4, 50, "DESKTOP HEAP TOOL", fs, spacing=3.2), (150, 200, 60), 0.95)
    return cv.finish()


def name_shadow(cv, x, y, string, fnt, anchor="ls"):
    m = cv.text(x + 1.5, y + 2.5, string, fnt, anchor=anchor)
    img = Image.fromarray(np.round(m * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(2.5 * cv.ss))
    cv.paint(np.asarray(img, dtype=np.float32) / 255, (0, 6, 18), 0.55)


def banner_tall(ss=4):
    W, H = 230, 700
    cv = Canvas(W, H, ss)
    mark = 180
    mx, my = (W - mark) / 2, 100
    background(cv, W / 2, my + mark * 0.45, 240)
    # Darken towards the foot so the small print there stays legible.
    foot = np.clip((cv.y - 540) / 160, 0, 1) ** 1.5
    cv.paint(foot, NAVY_DEEP, 0.6)
    span = (mx, mx + mark)
    streaks = rain(cv, 132, 560, (-20, -30, W + 40, H),
                   exclude=lambda x, y: span[0] < x < span[1] and my - 8 < y < my + mark + 14)
    cv.paint(streaks, (190, 220, 255))
    emblem(cv, mx, my, mark, 2, with_handle=True)

    fb = font("Lato-Black.ttf", 62 * ss)
    y1, y2 = 392, 452
    for txt, y, c0, c1 in (("Vexo", y1, (255, 255, 255), (214, 228, 244)),
                           ("Ombrel", y2, LIME_HI, LIME)):
        name_shadow(cv, W / 2, y, txt, fb, anchor="ms")
        cv.paint(cv.text(W / 2, y, txt, fb, anchor="ms"), cv.linear(0, y - 50, c0, 0, y, c1))
    cv.paint(cv.polygon(rounded_rect(W / 2 - 30, y2 + 22, W / 2 + 30, y2 + 25.2, 1.6)), LIME)
    fl = font("Lato-Regular.ttf", 21 * ss)
    cv.paint(cv.text(W / 2, y2 + 60, "More room", fl, anchor="ms"), (206, 222, 240))
    cv.paint(cv.text(W / 2, y2 + 86, "for your windows", fl, anchor="ms"), (206, 222, 240))
    fs = font("Lato-Bold.ttf", 11 * ss)
    cv.paint(cv.text(W / 2, 56, "DESKTOP HEAP TOOL", fs, anchor="ms", spacing=3.0), (150, 200, 60), 0.95)
    fm = font("Lato-Regular.ttf", 12 * ss)
    cv.paint(cv.text(W / 2, 664, "Windows XP \u00b7 Server 2003", fm, anchor="ms", spacing=0.6),
             (150, 172, 198))
    return cv.finish()


# --- icon -------------------------------------------------------------------

def icon_image(size):
    ss = 16 if size <= 24 else 8
    cv = Canvas(size, size, ss)
    detail = 0 if size < 24 else (1 if size < 40 else 2)
    emblem(cv, 0, 0, size, detail)
    return cv.finish()


# Windows' standard 16-colour palette, what a 4-bit display uses.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def vga_index(rgb8):
    """Maps the artwork onto the 16-colour palette by role rather than by plain
    distance: nearest-colour turns the lime canopy olive and the paper grey,
    and dithering is noise at icon sizes."""
    c = rgb8.astype(np.int32)
    r, g, b = c[..., 0], c[..., 1], c[..., 2]
    lum = (299 * r + 587 * g + 114 * b) // 1000
    idx = np.where(lum > 232, 15, np.where(lum > 150, 7, np.where(lum > 70, 8, 0)))
    green = (g > r + 20) & (g > b + 60)
    idx = np.where(green, np.where(lum > 175, 10, np.where(lum > 70, 2, 0)), idx)
    blue = (b > r + 50) & (b > g + 20)
    idx = np.where(blue, np.where(lum > 95, 12, 4), idx)
    red = (r > g + 70) & (r > b + 70)
    idx = np.where(red, np.where(lum > 80, 9, 1), idx)
    return idx


def and_mask(alpha, threshold):
    h, w = alpha.shape
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for r in range(h - 1, -1, -1):
        row = bytearray(stride)
        for c in range(w):
            if alpha[r, c] < threshold:
                row[c // 8] |= 0x80 >> (c % 8)
        out += row
    return bytes(out)


def dib_32(rgba):
    h, w = rgba.shape[:2]
    bgra = rgba[::-1, :, [2, 1, 0, 3]].copy()
    # Fully transparent pixels carry black so that shells which ignore alpha
    # and apply the AND mask show nothing there.
    bgra[bgra[..., 3] == 0] = 0
    hdr = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, w * h * 4, 0, 0, 0, 0)
    return hdr + bgra.tobytes() + and_mask(rgba[..., 3], 1)


def paletted(rgba, bits):
    """Hard-edged fallback for displays without alpha blending."""
    h, w = rgba.shape[:2]
    opaque = rgba[..., 3] >= 128
    rgb_img = Image.fromarray(np.ascontiguousarray(rgba[..., :3]), "RGB")
    if bits == 8:
        # Reserve index 0 (black) for transparent pixels.
        q = rgb_img.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        idx = np.asarray(q, dtype=np.uint8).astype(np.int32) + 1
        pal = [(0, 0, 0)] + [tuple(q.getpalette()[3 * i:3 * i + 3]) for i in range(255)]
    else:
        idx = vga_index(rgba[..., :3])
        pal = list(VGA16)
    idx = np.where(opaque, idx, 0)
    stride = ((w * bits + 31) // 32) * 4
    pix = bytearray()
    for r in range(h - 1, -1, -1):
        row = bytearray(stride)
        for c in range(w):
            v = int(idx[r, c])
            if bits == 8:
                row[c] = v
            else:
                row[c // 2] |= v << (4 if c % 2 == 0 else 0)
        pix += row
    ncol = 1 << bits
    table = b"".join(struct.pack("BBBB", b, g, r_, 0) for r_, g, b in pal[:ncol])
    table += b"\0" * (4 * ncol - len(table))
    hdr = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bits, 0, len(pix), 0, 0, ncol, 0)
    return hdr + table + bytes(pix) + and_mask(rgba[..., 3], 128)


def write_ico(path, entries):
    """entries: (size, bits, DIB bytes). Only DIB images, no PNG: XP cannot read PNG icons."""
    head = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    dirs, blobs = b"", b""
    for size, bits, data in entries:
        dirs += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if bits == 4 else 0, 0, 1,
                            bits, len(data), offset)
        blobs += data
        offset += len(data)
    with open(path, "wb") as f:
        f.write(head + dirs + blobs)


# --- output and self-check ----------------------------------------------------

def save_jpeg(rgba, path):
    img = Image.fromarray(np.ascontiguousarray(rgba[..., :3]), "RGB")
    # 4:4:4 keeps the lime lettering clean; baseline because the loader is a plain
    # scanline decoder and the pictures must load on any libjpeg.
    img.save(path, "JPEG", quality=92, subsampling=0, progressive=False, optimize=False)


def check_jpeg(path, w, h):
    data = open(path, "rb").read()
    assert data[:2] == b"\xff\xd8", path
    i = 2
    while i < len(data):
        assert data[i] == 0xFF, "bad marker in %s" % path
        marker = data[i + 1]
        seglen = struct.unpack(">H", data[i + 2:i + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            assert marker == 0xC0, "%s is not baseline (SOF%d)" % (path, marker - 0xC0)
            prec, hh, ww, ncomp = struct.unpack(">BHHB", data[i + 4:i + 10])
            assert (prec, ww, hh, ncomp) == (8, w, h, 3), (path, prec, ww, hh, ncomp)
            return
        i += 2 + seglen
    raise AssertionError("no frame header in %s" % path)


def check_ico(path, want):
    data = open(path, "rb").read()
    _, kind, count = struct.unpack("<HHH", data[:6])
    assert kind == 1 and count == len(want), path
    for n in range(count):
        w, h, _, _, planes, bits, size, off = struct.unpack("<BBBBHHII", data[6 + 16 * n:22 + 16 * n])
        hdr = struct.unpack("<IiiHHIIiiII", data[off:off + 40])
        assert (w or 256, bits) == want[n][:2] and hdr[1] == (w or 256) and hdr[2] == 2 * (h or 256), path
        assert off + size <= len(data)


def main(argv):
    if len(argv) < 2:
        raise SystemExit(__doc__)
    out = argv[1]
    preview = argv[argv.index("--preview") + 1] if "--preview" in argv else None

    wide = banner_wide()
    tall = banner_tall()
    save_jpeg(wide, os.path.join(out, "banner-131.jpg"))
    save_jpeg(tall, os.path.join(out, "banner-132.jpg"))
    check_jpeg(os.path.join(out, "banner-131.jpg"), 700, 230)
    check_jpeg(os.path.join(out, "banner-132.jpg"), 230, 700)

    sizes = [16, 24, 32, 48, 64]
    art = {s: icon_image(s) for s in sizes}
    entries = [(s, 32, dib_32(art[s])) for s in sizes]
    entries += [(s, 8, paletted(art[s], 8)) for s in (16, 32, 48)]
    entries += [(s, 4, paletted(art[s], 4)) for s in (16, 32, 48)]
    ico = os.path.join(out, "ombrel.ico")
    write_ico(ico, entries)
    check_ico(ico, [(s, b) for s, b, _ in entries])

    if preview:
        os.makedirs(preview, exist_ok=True)
        for s in sizes:
            Image.fromarray(art[s], "RGBA").save(os.path.join(preview, "icon-%d.png" % s))
    print("make-images: wrote banner-131.jpg, banner-132.jpg, ombrel.ico")


if __name__ == "__main__":
    main(sys.argv)
