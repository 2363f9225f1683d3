#!/usr/bin/env python3
"""Draw RollCalc's pictures and write them into res/.

Everything is drawn here from a small vector description with nothing but the
Python standard library, so the pictures can be regenerated and reviewed like
code:

    res/banner133.bmp        371 x 113, 24-bit BMP   maker's banner
    res/banner133@2x.bmp     742 x 226, 24-bit BMP   the same, drawn at twice the scale
    res/icon128.ico          32 x 32 and 16 x 16, 4 bits per pixel, with AND masks
    res/icon128@2x.png       64 x 64 RGBA PNG
    res/icon128_256.png      256 x 256 RGBA PNG
    res/hicolor/N.png        N x N RGBA PNG for the desktop's icon theme
    res/cursor130.xbm        32 x 32 pointing hand, black pixels
    res/cursor130_mask.xbm   32 x 32 pointing hand, opaque pixels (hot spot 0,0)

Shapes are polygons filled at several samples per pixel and then averaged,
which gives anti-aliased edges.  The lettering uses a small stroke font
defined below.  The output is deterministic: the same bytes on every run.

Usage:  python3 scripts/make_art.py [--no-preview] [--preview-dir DIR]

Enlarged PNG previews go to a directory under the system temporary
directory (never into the repository) so the pictures can be looked at.
"""

import argparse
import math
import os
import struct
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.normpath(os.path.join(HERE, "..", "res"))

# --------------------------------------------------------------------------
# Colours
# --------------------------------------------------------------------------

DEEP_BLUE = (28, 56, 98)        # outlines, the maker's name
STEEL = (92, 108, 128)          # the smaller line of lettering
BG_TOP = (248, 250, 252)
BG_BOTTOM = (229, 235, 242)

FACE = (231, 237, 244)          # end face of the roll
FACE_BAND = (216, 225, 236)     # every other band of wound layers
RING = (150, 168, 192)          # lines between the bands
BODY_LIGHT = (214, 224, 236)    # roll surface, lit side
BODY_DARK = (104, 126, 156)     # roll surface, shaded side
CORE = (150, 160, 172)          # the core tube
CORE_LIGHT = (196, 203, 212)
HOLE = (30, 44, 66)             # inside of the core
HOLE_WALL = (76, 90, 110)
SHEET_NEAR = (236, 241, 247)
SHEET_FAR = (205, 216, 229)


def mix(c1, c2, t):
    """Blend two colours; t=0 gives c1, t=1 gives c2."""
    t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1, c2))


# --------------------------------------------------------------------------
# Geometry helpers
# --------------------------------------------------------------------------

def signed_area(pts):
    s = 0.0
    n = len(pts)
    for i in range(n):
        x0, y0 = pts[i]
        x1, y1 = pts[(i + 1) % n]
        s += x0 * y1 - x1 * y0
    return s / 2.0


def oriented(pts, positive=True):
    """The polygon with its winding forced, so unions fill with nonzero rule."""
    if (signed_area(pts) > 0) != positive:
        return list(reversed(pts))
    return list(pts)


def circle(cx, cy, r, n=48):
    return oriented([(cx + r * math.cos(2 * math.pi * i / n),
                      cy + r * math.sin(2 * math.pi * i / n)) for i in range(n)])


def param_ellipse(c, u, v, n=96):
    """n points c + u cos t + v sin t around the whole ellipse."""
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        ct, st = math.cos(t), math.sin(t)
        pts.append((c[0] + u[0] * ct + v[0] * st, c[1] + u[1] * ct + v[1] * st))
    return pts


def stroke(points, width, closed=False, cap_segments=20):
    """Contours (all wound the same way) covering a round-capped, round-joined
    line of the given width through the points.  Fill with the nonzero rule."""
    r = width / 2.0
    pts = list(points)
    out = []
    if len(pts) == 1:
        return [circle(pts[0][0], pts[0][1], r, cap_segments)]
    segs = list(zip(pts, pts[1:]))
    if closed:
        segs.append((pts[-1], pts[0]))
    for (x0, y0), (x1, y1) in segs:
        dx, dy = x1 - x0, y1 - y0
        d = math.hypot(dx, dy)
        if d == 0:
            continue
        nx, ny = -dy / d * r, dx / d * r
        out.append(oriented([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                             (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]))
    for (x, y) in pts:
        out.append(circle(x, y, r, cap_segments))
    return out


def convex_hull(points):
    pts = sorted(set(points))
    if len(pts) < 3:
        return pts

    def cross(o, a, b):
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])

    lower, upper = [], []
    for p in pts:
        while len(lower) >= 2 and cross(lower[-2], lower[-1], p) <= 0:
            lower.pop()
        lower.append(p)
    for p in reversed(pts):
        while len(upper) >= 2 and cross(upper[-2], upper[-1], p) <= 0:
            upper.pop()
        upper.append(p)
    return lower[:-1] + upper[:-1]


def clip_convex(subject, clip):
    """Sutherland-Hodgman: the part of polygon `subject` inside convex `clip`."""
    clip = oriented(clip)
    out = list(subject)
    n = len(clip)
    for i in range(n):
        ax, ay = clip[i]
        bx, by = clip[(i + 1) % n]

        def inside(p):
            return (bx - ax) * (p[1] - ay) - (by - ay) * (p[0] - ax) >= 0

        def meet(p, q):
            x1, y1 = p
            x2, y2 = q
            den = (x1 - x2) * (ay - by) - (y1 - y2) * (ax - bx)
            t = ((x1 - ax) * (ay - by) - (y1 - ay) * (ax - bx)) / den
            return (x1 + t * (x2 - x1), y1 + t * (y2 - y1))

        inp, out = out, []
        if not inp:
            break
        prev = inp[-1]
        for cur in inp:
            if inside(cur):
                if not inside(prev):
                    out.append(meet(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(meet(prev, cur))
            prev = cur
    return out


# --------------------------------------------------------------------------
# Rasteriser: polygons filled at ss x ss samples per pixel, then averaged
# --------------------------------------------------------------------------

class Canvas:
    def __init__(self, width, height, scale=1.0, ss=4, background=None):
        self.w, self.h = width, height
        self.ss = ss
        self.k = scale * ss            # samples per design unit
        self.W, self.H = width * ss, height * ss
        self.buf = bytearray(self.W * self.H * 4)
        if background is not None:
            for r in range(self.H):
                col = background((r + 0.5) / self.k)
                self.buf[r * self.W * 4:(r + 1) * self.W * 4] = bytes(col + (255,)) * self.W

    def _spans(self, contours):
        """Sample runs (row, first column, end column) inside the contours,
        nonzero winding rule."""
        k, W, H = self.k, self.W, self.H
        rows = {}
        for pts in contours:
            n = len(pts)
            if n < 3:
                continue
            for i in range(n):
                xa, ya = pts[i]
                xb, yb = pts[(i + 1) % n]
                xa, ya, xb, yb = xa * k, ya * k, xb * k, yb * k
                if ya == yb:
                    continue
                d = 1
                if ya > yb:
                    xa, ya, xb, yb, d = xb, yb, xa, ya, -1
                r0 = max(0, math.ceil(ya - 0.5))
                r1 = min(H, math.ceil(yb - 0.5))
                if r0 >= r1:
                    continue
                m = (xb - xa) / (yb - ya)
                for r in range(r0, r1):
                    rows.setdefault(r, []).append((xa + (r + 0.5 - ya) * m, d))
        for r in sorted(rows):
            xs = rows[r]
            xs.sort()
            wind = 0
            start = 0.0
            for x, d in xs:
                before = wind
                wind += d
                if not before and wind:
                    start = x
                elif before and not wind:
                    c0 = max(0, math.ceil(start - 0.5))
                    c1 = min(W, math.ceil(x - 0.5))
                    if c0 < c1:
                        yield r, c0, c1

    def fill(self, contours, paint):
        """paint: an (r, g, b) colour or a function (x, y) -> (r, g, b) taking
        design units; filled opaque."""
        buf, W, k = self.buf, self.W, self.k
        if isinstance(paint, tuple):
            pat = bytes(paint) + b"\xff"
            for r, c0, c1 in self._spans(contours):
                buf[(r * W + c0) * 4:(r * W + c1) * 4] = pat * (c1 - c0)
            return
        inv = 1.0 / k
        for r, c0, c1 in self._spans(contours):
            y = (r + 0.5) * inv
            for c in range(c0, c1):
                i = (r * W + c) * 4
                buf[i:i + 4] = bytes(paint((c + 0.5) * inv, y)) + b"\xff"

    def downsample(self):
        """Average the samples; straight (not premultiplied) RGBA bytes, top row first."""
        S, W, w = self.ss, self.W, self.w
        n = S * S
        out = bytearray(w * self.h * 4)

        def group(seq):
            return [sum(t) for t in zip(*[seq[j::S] for j in range(S)])]

        for oy in range(self.h):
            sa = [0] * w
            sr = [0] * w
            sg = [0] * w
            sb = [0] * w
            for sy in range(S):
                base = (oy * S + sy) * W * 4
                row = self.buf[base:base + W * 4]
                a = row[3::4]
                ga = group(a)
                gr = group([x * y for x, y in zip(row[0::4], a)])
                gg = group([x * y for x, y in zip(row[1::4], a)])
                gb = group([x * y for x, y in zip(row[2::4], a)])
                sa = [p + q for p, q in zip(sa, ga)]
                sr = [p + q for p, q in zip(sr, gr)]
                sg = [p + q for p, q in zip(sg, gg)]
                sb = [p + q for p, q in zip(sb, gb)]
            o = oy * w * 4
            for x in range(w):
                A = sa[x]
                if A:
                    out[o:o + 4] = bytes(((sr[x] + A // 2) // A, (sg[x] + A // 2) // A,
                                          (sb[x] + A // 2) // A, (A + n // 2) // n))
                o += 4
        return out


# --------------------------------------------------------------------------
# A small stroke font.  Units: baseline at y=0, y grows upwards, x-height 7,
# capitals 10, ascenders 10.5.  Each glyph: (ink width, [polylines]).
# --------------------------------------------------------------------------

def _arc(cx, cy, r, a0, a1, n=None, ry=None):
    ry = r if ry is None else ry
    if n is None:
        n = max(4, int(abs(a1 - a0) / 6))
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def _glyphs():
    g = {}
    g["o"] = (7.0, [_arc(3.5, 3.5, 3.5, 0, 360)])
    g["c"] = (6.3, [_arc(3.5, 3.5, 3.5, 48, 312)])
    g["e"] = (7.0, [[(0.0, 3.5)] + _arc(3.5, 3.5, 3.5, 0, 318)])
    g["a"] = (7.0, [_arc(3.5, 3.5, 3.5, 0, 360), [(7.0, 7.0), (7.0, 0.0)]])
    g["l"] = (0.0, [[(0.0, 10.5), (0.0, 0.0)]])
    g["i"] = (0.0, [[(0.0, 7.0), (0.0, 0.0)], [(0.0, 9.7)]])
    g["t"] = (3.6, [[(1.4, 9.6), (1.4, 1.8)] + _arc(3.3, 1.8, 1.9, 180, 270)[1:],
                    [(0.0, 7.0), (3.6, 7.0)]])
    g["r"] = (4.4, [[(0.0, 7.0), (0.0, 0.0)],
                    [(0.0, 3.2)] + _arc(3.9, 3.2, 3.9, 180, 90, ry=3.8)[1:] + [(4.4, 7.0)]])
    g["n"] = (7.0, [[(0.0, 7.0), (0.0, 0.0)],
                    [(0.0, 3.5)] + _arc(3.5, 3.5, 3.5, 180, 0)[1:] + [(7.0, 0.0)]])
    g["h"] = (7.0, [[(0.0, 10.5), (0.0, 0.0)],
                    [(0.0, 3.5)] + _arc(3.5, 3.5, 3.5, 180, 0)[1:] + [(7.0, 0.0)]])
    g["u"] = (7.0, [[(0.0, 7.0)] + _arc(3.5, 3.5, 3.5, 180, 360) + [(7.0, 7.0)],
                    [(7.0, 3.5), (7.0, 0.0)]])
    g["m"] = (10.6, [[(0.0, 7.0), (0.0, 0.0)],
                     [(0.0, 4.35)] + _arc(2.65, 4.35, 2.65, 180, 0)[1:] + [(5.3, 0.0)],
                     [(5.3, 4.35)] + _arc(7.95, 4.35, 2.65, 180, 0)[1:] + [(10.6, 0.0)]])
    g["V"] = (8.6, [[(0.0, 10.0), (4.3, 0.0), (8.6, 10.0)]])
    g["R"] = (6.4, [[(0.0, 0.0), (0.0, 10.0), (3.2, 10.0)] + _arc(3.2, 7.45, 2.55, 90, -90)[1:]
                    + [(0.0, 4.9)], [(3.0, 4.9), (6.4, 0.0)]])
    g["C"] = (8.6, [_arc(5.0, 5.0, 5.0, 46, 314)])
    g[" "] = (2.2, [])
    return g


GLYPHS = _glyphs()


def text_contours(s, x, baseline, size, weight, tracking=1.6):
    """Contours of the text; x is the left ink edge, size is pixels per font unit,
    weight the stroke width in font units."""
    out = []
    pen = x / size + weight / 2.0
    for ch in s:
        adv, strokes = GLYPHS[ch]
        for line in strokes:
            pts = [((pen + px) * size, baseline - py * size) for px, py in line]
            out.extend(stroke(pts, weight * size))
        pen += adv + weight + tracking
    return out


# --------------------------------------------------------------------------
# The banner
# --------------------------------------------------------------------------

BANNER_W, BANNER_H = 371, 113


def banner_background(y):
    t = y / BANNER_H
    return mix(BG_TOP, BG_BOTTOM, t)


class RollView:
    """A roll of web material lying on its side, seen from the front left and a
    little above, drawn with an orthographic projection."""

    def __init__(self, origin, radius, length, yaw_deg, elev_deg):
        self.ox, self.oy = origin
        self.R = radius
        self.L = length
        ps, pc = math.sin(math.radians(yaw_deg)), math.cos(math.radians(yaw_deg))
        self.se, self.ce = math.sin(math.radians(elev_deg)), math.cos(math.radians(elev_deg))
        self.axis = (pc, 0.0, -ps)       # along the roll, going right and away
        self.up = (0.0, 1.0, 0.0)
        self.across = (ps, 0.0, pc)      # level, square to the axis, towards the viewer

    def vec(self, v):
        x, y, z = v
        return (x, -(y * self.ce - z * self.se))

    def pt(self, p):
        vx, vy = self.vec(p)
        return (self.ox + vx, self.oy + vy)

    def centre(self, along):
        return self.pt(tuple(a * along for a in self.axis))

    def ellipse_axes(self, r):
        """Screen vectors of an end circle of radius r: downwards and across."""
        u = self.vec(self.up)
        v = self.vec(self.across)
        return (-u[0] * r, -u[1] * r), (v[0] * r, v[1] * r)


def draw_roll(cv, view):
    R, L = view.R, view.L
    cf = view.centre(0.0)
    cb = view.centre(L)
    u, v = view.ellipse_axes(R)     # u: down the end face, v: across it towards the viewer
    front = param_ellipse(cf, u, v, 144)
    back = param_ellipse(cb, u, v, 144)
    ax = (cb[0] - cf[0], cb[1] - cf[1])
    alen = math.hypot(*ax)
    nrm = (-ax[1] / alen, ax[0] / alen)
    if nrm[1] < 0:
        nrm = (-nrm[0], -nrm[1])          # pointing down the screen
    extent = math.hypot(u[0] * nrm[0] + u[1] * nrm[1], v[0] * nrm[0] + v[1] * nrm[1])
    line_w = 1.25

    # The web sheet: lies on the table, leaves the roll at the bottom and runs
    # towards the viewer, out of the picture.
    down = tuple(-a * R for a in view.up)
    s_len = 150.0
    p0 = view.pt(down)
    p1 = view.pt(tuple(d + a * L for d, a in zip(down, view.axis)))
    tv = view.vec(tuple(a * s_len for a in view.across))
    p2 = (p1[0] + tv[0], p1[1] + tv[1])
    p3 = (p0[0] + tv[0], p0[1] + tv[1])
    det = ax[0] * tv[1] - ax[1] * tv[0]

    def sheet_paint(x, y):
        dx, dy = x - p0[0], y - p0[1]
        beta = (ax[0] * dy - ax[1] * dx) / det * s_len     # distance travelled
        alpha = (dx * tv[1] - dy * tv[0]) / det             # 0 at front edge, 1 at back
        base = mix(SHEET_FAR, SHEET_NEAR, beta / 70.0)
        base = mix(base, BODY_DARK, max(0.0, 1.0 - beta / 9.0) * 0.55)   # contact shadow
        return mix(base, SHEET_FAR, alpha * 0.25)

    cv.fill([oriented([p0, p1, p2, p3])], sheet_paint)
    # its two edges
    cv.fill(stroke([p1, p2], line_w) + stroke([p0, p3], line_w), DEEP_BLUE)

    # The body of the roll: the outline of a cylinder is the hull of its two ends.
    hull = convex_hull(front + back)

    def body_paint(x, y):
        s = ((x - cf[0]) * nrm[0] + (y - cf[1]) * nrm[1]) / extent   # -1 top .. 1 bottom
        # light from above: bright band a little above the middle, dark underneath
        if s < -0.35:
            t = (s + 1.0) / 0.65
            col = mix(mix(BODY_LIGHT, BODY_DARK, 0.35), BODY_LIGHT, t)
        else:
            t = (s + 0.35) / 1.35
            col = mix(BODY_LIGHT, BODY_DARK, t ** 1.3)
        return col

    cv.fill([oriented(hull)], body_paint)
    cv.fill(stroke(hull, line_w, closed=True), DEEP_BLUE)

    # The end face with the wound layers as rings.
    cv.fill([oriented(front)], FACE)
    core_out = 0.34
    nrings = 6
    radii = [core_out + (0.97 - core_out) * (i + 1) / nrings for i in range(nrings)]
    for i, f in enumerate(reversed(radii)):
        uu, vv = (u[0] * f, u[1] * f), (v[0] * f, v[1] * f)
        cv.fill([oriented(param_ellipse(cf, uu, vv, 120))], FACE if i % 2 == 0 else FACE_BAND)
    for f in radii[:-1]:
        uu, vv = (u[0] * f, u[1] * f), (v[0] * f, v[1] * f)
        cv.fill(stroke(param_ellipse(cf, uu, vv, 120), 0.55, closed=True), RING)

    # The core tube and the hole through it.
    cu, cvv = (u[0] * core_out, u[1] * core_out), (v[0] * core_out, v[1] * core_out)
    core = param_ellipse(cf, cu, cvv, 96)

    def core_paint(x, y):
        # -1 at the top of the tube, 1 at the bottom
        s = ((x - cf[0]) * u[0] + (y - cf[1]) * u[1]) / ((u[0] ** 2 + u[1] ** 2) * core_out)
        return mix(CORE_LIGHT, CORE, (s + 1) / 2)

    cv.fill([oriented(core)], core_paint)
    hole_f = 0.23
    hu, hv = (u[0] * hole_f, u[1] * hole_f), (v[0] * hole_f, v[1] * hole_f)
    hole = param_ellipse(cf, hu, hv, 96)
    cv.fill([oriented(hole)], HOLE_WALL)
    # the far end of the tube, seen through the hole, hides most of the inner wall
    depth = 0.55 * R
    dcx, dcy = view.vec(tuple(a * depth for a in view.axis))
    far = [(x + dcx, y + dcy) for x, y in hole]
    inner = clip_convex(oriented(far), hole)
    if len(inner) >= 3:
        cv.fill([oriented(inner)], HOLE)
    cv.fill(stroke(hole, 0.9, closed=True), DEEP_BLUE)
    cv.fill(stroke(core, 0.7, closed=True), mix(DEEP_BLUE, CORE, 0.4))
    cv.fill(stroke(front, line_w, closed=True), DEEP_BLUE)


def draw_banner(scale):
    cv = Canvas(int(BANNER_W * scale), int(BANNER_H * scale), scale, 4,
                background=banner_background)
    # a thin rule along the foot of the banner
    cv.fill([oriented([(0, BANNER_H - 3.0), (BANNER_W, BANNER_H - 3.0),
                       (BANNER_W, BANNER_H), (0, BANNER_H)])], DEEP_BLUE)
    view = RollView(origin=(46.0, 52.0), radius=32.0, length=46.0, yaw_deg=36.0, elev_deg=24.0)
    draw_roll(cv, view)
    # lettering
    x0 = 148.0
    cv.fill(text_contours("Velmarch", x0, 62.0, 2.85, 1.45, 1.5), DEEP_BLUE)
    cv.fill(text_contours("Roll Calculation", x0 + 1.0, 86.0, 1.22, 1.15, 2.2), STEEL)
    return cv.downsample()


# --------------------------------------------------------------------------
# The icon: the roll seen end on, with a tail of web leaving it
# --------------------------------------------------------------------------

ICON_OUTLINE = (24, 48, 88)
ICON_FACE = (228, 235, 245)
ICON_BAND = (206, 219, 236)
ICON_RING = (116, 142, 180)
ICON_CORE = (168, 178, 192)
ICON_CORE_DARK = (122, 134, 150)
ICON_HOLE = (26, 38, 58)
ICON_SHEET = (236, 241, 248)

# The icon is described on a 256-unit square: the roll seen end on, its
# outline, the wound layers as rings, the core tube and the hole, and a tail
# of web leaving the bottom of the roll to the right.  The two small sizes
# of the .ico file use the same parts with radii fitted to whole pixels (and
# fewer rings), and are sampled once per pixel so they stay crisp.
ICON_MASTER = dict(
    cx=120.0, cy=120.0, R=120.0, line=12.0,
    rings=[(r - 1.5, r + 1.5) for r in (74.0, 82.5, 91.0, 99.5, 108.0)],
    core=64.0, core_line=12.0, hole=32.0,
    tail_h=48.0, tail_line=12.0, bands=True, ss=8)

ICON_HINTED = {
    # in pixels of that size; the centre of the roll sits on a pixel centre
    16: dict(cx=7.5, cy=8.5, R=7.3, line=1.0,
             rings=[(4.4, 5.2)],
             core=3.5, core_line=0.7, hole=1.9,
             tail_h=3.0, tail_line=1.0, bands=False, ss=1),
    32: dict(cx=15.5, cy=16.5, R=15.3, line=2.0,
             rings=[(8.4, 9.4), (10.8, 11.8)],
             core=7.0, core_line=1.5, hole=3.6,
             tail_h=6.0, tail_line=2.0, bands=False, ss=1),
}


def icon_parts(size):
    if size in ICON_HINTED:
        f = 256.0 / size
        d = dict(ICON_HINTED[size])
        for key in ("cx", "cy", "R", "line", "core", "core_line", "hole", "tail_h", "tail_line"):
            d[key] *= f
        d["rings"] = [(a * f, b * f) for a, b in d["rings"]]
        return d
    d = dict(ICON_MASTER)
    if size < 128:
        # fewer, wider-spaced layers so they do not run together
        d["rings"] = [(r - 2.0, r + 2.0) for r in (78.0, 92.0, 106.0)]
    return d


def draw_icon(size):
    p = icon_parts(size)
    cv = Canvas(size, size, size / 256.0, p["ss"])
    cx, cy, R = p["cx"], p["cy"], p["R"]

    def disc(r, paint):
        cv.fill([circle(cx, cy, r, 160)], paint)

    # the tail of web
    bottom = cy + R
    top = bottom - p["tail_h"]
    tl = p["tail_line"]
    cv.fill([oriented([(cx, top), (256.0, top), (256.0, bottom), (cx, bottom)])], ICON_OUTLINE)
    cv.fill([oriented([(cx, top + tl), (256.0 - tl, top + tl),
                       (256.0 - tl, bottom - tl), (cx, bottom - tl)])], ICON_SHEET)
    # the roll
    disc(R, ICON_OUTLINE)
    face = R - p["line"]
    face_paint = band_paint = ICON_FACE
    if p["bands"]:
        # light from the top left
        def shade(col):
            dark = mix(col, ICON_RING, 0.22)
            return lambda x, y: mix(col, dark, ((x - cx) + (y - cy)) / (4 * R) + 0.5)
        face_paint, band_paint = shade(ICON_FACE), shade(ICON_BAND)
    # from the outside in: a band of layers, a ring, a band, ...; with bands
    # on, every other band is a shade darker
    outer = face
    for i, (r_in, r_out) in enumerate(sorted(p["rings"], reverse=True)):
        disc(outer, band_paint if i % 2 else face_paint)
        disc(r_out, ICON_RING)
        outer = r_in
    disc(outer, band_paint if len(p["rings"]) % 2 else face_paint)
    # the core tube and the hole through it
    disc(p["core"], ICON_OUTLINE)
    core_r = p["core"]

    def core_paint(x, y):
        t = ((x - cx) + (y - cy)) / (2 * core_r) + 0.5
        return mix(ICON_CORE, ICON_CORE_DARK, t)

    disc(core_r - p["core_line"], core_paint)
    disc(p["hole"], ICON_HOLE)
    return cv.downsample()


# 16 colours for the small icons: index 0 is what the AND mask hides.
ICON_PALETTE = [
    (0, 0, 0),
    ICON_OUTLINE,
    ICON_FACE,
    ICON_BAND,
    ICON_RING,
    ICON_CORE,
    ICON_CORE_DARK,
    ICON_HOLE,
    ICON_SHEET,
    mix(ICON_OUTLINE, ICON_FACE, 0.25),
    mix(ICON_OUTLINE, ICON_FACE, 0.5),
    mix(ICON_OUTLINE, ICON_FACE, 0.75),
    mix(ICON_RING, ICON_FACE, 0.5),
    mix(ICON_OUTLINE, ICON_RING, 0.5),
    mix(ICON_OUTLINE, ICON_CORE, 0.5),
    mix(ICON_CORE, ICON_FACE, 0.5),
]


def quantise(rgba, palette):
    """Indices into palette (entry 0 = transparent) and the transparency mask."""
    idx, mask = [], []
    for i in range(0, len(rgba), 4):
        r, g, b, a = rgba[i:i + 4]
        if a < 128:
            idx.append(0)
            mask.append(1)
            continue
        best, bestd = 1, None
        for j in range(1, len(palette)):
            pr, pg, pb = palette[j]
            d = 3 * (r - pr) ** 2 + 4 * (g - pg) ** 2 + 2 * (b - pb) ** 2
            if bestd is None or d < bestd:
                best, bestd = j, d
        idx.append(best)
        mask.append(0)
    return idx, mask


# --------------------------------------------------------------------------
# The cursor: a pointing hand, index finger tip at the top left corner
# --------------------------------------------------------------------------

def capsule(x0, y0, x1, y1, r, n=24):
    """A rounded bar of radius r between two centres, as one convex polygon."""
    a = math.atan2(y1 - y0, x1 - x0)
    pts = []
    for i in range(n + 1):
        t = a + math.pi / 2 + math.pi * i / n
        pts.append((x0 + r * math.cos(t), y0 + r * math.sin(t)))
    for i in range(n + 1):
        t = a - math.pi / 2 + math.pi * i / n
        pts.append((x1 + r * math.cos(t), y1 + r * math.sin(t)))
    return oriented(pts)


def rounded_rect(x0, y0, x1, y1, r, n=8):
    pts = []
    for (cx, cy, a0) in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0),
                         (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
        for i in range(n + 1):
            t = math.radians(a0 + 90.0 * i / n)
            pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return oriented(pts)


def hand_shapes():
    """The hand in its own frame: index finger pointing straight up with its tip
    at (0, 0), units of one cursor pixel, y growing downwards.  Returns the
    shapes whose union is the hand and the crease lines drawn inside it."""
    fr = 2.6                                       # half the width of a finger
    shapes = [
        capsule(0.0, fr, 0.0, 15.0, fr),           # index finger
        capsule(5.6, 11.6, 5.6, 16.0, 2.35),       # middle finger, curled
        capsule(10.6, 12.8, 10.6, 17.0, 2.35),     # ring finger, curled
        capsule(15.2, 14.6, 15.2, 18.0, 2.1),      # little finger, curled
        rounded_rect(-fr, 15.0, 17.3, 28.0, 5.0),  # back of the hand
        capsule(-1.0, 23.0, -4.4, 14.6, fr),       # thumb
    ]
    creases = [
        [(2.9, 12.2), (2.9, 16.4)],
        [(8.1, 13.6), (8.1, 17.2)],
        [(12.9, 15.2), (12.9, 18.0)],
        [(-1.9, 15.6), (0.9, 21.5)],
    ]
    return shapes, creases


def draw_cursor(tilt_deg=24.0, size=32):
    """0 clear, 1 white, 2 black for each pixel, top row first."""
    a = math.radians(tilt_deg)
    ca, sa = math.cos(a), math.sin(a)

    def rot(p):
        # turned anticlockwise on screen so the finger points up and to the left
        x, y = p
        return (x * ca + y * sa, -x * sa + y * ca)

    shapes, creases = hand_shapes()
    shapes = [[rot(p) for p in shp] for shp in shapes]
    creases = [[rot(p) for p in line] for line in creases]
    allp = [p for shp in shapes for p in shp]
    dx = -min(p[0] for p in allp)
    dy = -min(p[1] for p in allp)
    shapes = [[(x + dx, y + dy) for x, y in shp] for shp in shapes]
    creases = [[(x + dx, y + dy) for x, y in line] for line in creases]

    cv = Canvas(size, size, 1.0, 4)
    cv.fill(shapes, (255, 255, 255))
    px = cv.downsample()
    inside = [px[i * 4 + 3] >= 128 for i in range(size * size)]
    state = [0] * (size * size)
    for y in range(size):
        for x in range(size):
            if not inside[y * size + x]:
                continue
            edge = False
            for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                if not (0 <= nx < size and 0 <= ny < size) or not inside[ny * size + nx]:
                    edge = True
            state[y * size + x] = 2 if edge else 1
    for line in creases:
        for (x0, y0), (x1, y1) in zip(line, line[1:]):
            for x, y in pixel_line(int(math.floor(x0)), int(math.floor(y0)),
                                   int(math.floor(x1)), int(math.floor(y1))):
                if 0 <= x < size and 0 <= y < size and inside[y * size + x]:
                    state[y * size + x] = 2
    return state


def pixel_line(x0, y0, x1, y1):
    """Bresenham's line between two pixels, both ends included."""
    pts = []
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    err = dx + dy
    while True:
        pts.append((x0, y0))
        if x0 == x1 and y0 == y1:
            return pts
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


# --------------------------------------------------------------------------
# File formats
# --------------------------------------------------------------------------

def png_bytes(width, height, rgba):
    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data
                + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))

    raw = bytearray()
    stride = width * 4
    for y in range(height):
        raw.append(0)
        raw += rgba[y * stride:(y + 1) * stride]
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def bmp24_bytes(width, height, rgba):
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(height - 1, -1, -1):          # bottom-up
        row = bytearray()
        for x in range(width):
            i = (y * width + x) * 4
            row += bytes((rgba[i + 2], rgba[i + 1], rgba[i]))
        row += b"\0" * (stride - width * 3)
        pixels += row
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


def ico_image_4bpp(size, idx, mask, palette):
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    andm = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(xor_stride)
        for x in range(size):
            v = idx[y * size + x]
            if x % 2 == 0:
                row[x // 2] |= v << 4
            else:
                row[x // 2] |= v
        xor += row
        mrow = bytearray(and_stride)
        for x in range(size):
            if mask[y * size + x]:
                mrow[x // 8] |= 0x80 >> (x % 8)
        andm += mrow
    return info + pal + bytes(xor) + bytes(andm)


def ico_bytes(images):
    """images: list of (size, bitmap bytes)."""
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for size, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4,
                               len(blob), offset + len(data))
        data += blob
    return head + entries + data


def xbm_text(name, width, height, bits, hot=(0, 0)):
    stride = (width + 7) // 8
    data = []
    for y in range(height):
        for bx in range(stride):
            v = 0
            for b in range(8):
                x = bx * 8 + b
                if x < width and bits[y * width + x]:
                    v |= 1 << b
            data.append(v)
    lines = ["#define %s_width %d" % (name, width),
             "#define %s_height %d" % (name, height),
             "#define %s_x_hot %d" % (name, hot[0]),
             "#define %s_y_hot %d" % (name, hot[1]),
             "static unsigned char %s_bits[] = {" % name]
    for i in range(0, len(data), 12):
        chunk = ", ".join("0x%02x" % v for v in data[i:i + 12])
        lines.append("   " + chunk + ("," if i + 12 < len(data) else " };"))
    return "\n".join(lines) + "\n"


# --------------------------------------------------------------------------
# Previews (enlarged, on a checkerboard where transparent)
# --------------------------------------------------------------------------

def enlarge(width, height, rgba, f, checker=True):
    out = bytearray(width * f * height * f * 4)
    W = width * f
    for y in range(height * f):
        for x in range(W):
            i = ((y // f) * width + x // f) * 4
            r, g, b, a = rgba[i:i + 4]
            if checker:
                bg = 200 if ((x // 8) + (y // 8)) % 2 else 170
                r = (r * a + bg * (255 - a)) // 255
                g = (g * a + bg * (255 - a)) // 255
                b = (b * a + bg * (255 - a)) // 255
                a = 255
            o = (y * W + x) * 4
            out[o:o + 4] = bytes((r, g, b, a))
    return out


def write(path, data):
    mode = "w" if isinstance(data, str) else "wb"
    with open(path, mode, newline="\n" if mode == "w" else None) as f:
        f.write(data)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--no-preview", action="store_true", help="do not write preview PNGs")
    ap.add_argument("--preview-dir", default=os.path.join(tempfile.gettempdir(),
                                                          "rollcalc-art-preview"))
    args = ap.parse_args()
    os.makedirs(RES, exist_ok=True)
    previews = []

    b1 = draw_banner(1.0)
    write(os.path.join(RES, "banner133.bmp"), bmp24_bytes(BANNER_W, BANNER_H, b1))
    b2 = draw_banner(2.0)
    write(os.path.join(RES, "banner133@2x.bmp"), bmp24_bytes(BANNER_W * 2, BANNER_H * 2, b2))
    previews += [("banner_1x.png", BANNER_W, BANNER_H, b1),
                 ("banner_2x.png", BANNER_W * 2, BANNER_H * 2, b2),
                 ("banner_1x_zoom3.png", BANNER_W * 3, BANNER_H * 3,
                  enlarge(BANNER_W, BANNER_H, b1, 3, False))]

    images = []
    for size in (32, 16):
        rgba = draw_icon(size)
        idx, mask = quantise(rgba, ICON_PALETTE)
        images.append((size, ico_image_4bpp(size, idx, mask, ICON_PALETTE)))
        shown = bytearray()
        for v, m in zip(idx, mask):
            shown += bytes(ICON_PALETTE[v]) + (b"\0" if m else b"\xff")
        f = 256 // size
        previews.append(("icon_%d_ico_zoom.png" % size, size * f, size * f,
                         enlarge(size, size, shown, f)))
    write(os.path.join(RES, "icon128.ico"), ico_bytes(images))

    for size, name in ((64, "icon128@2x.png"), (256, "icon128_256.png")):
        rgba = draw_icon(size)
        write(os.path.join(RES, name), png_bytes(size, size, rgba))
        f = max(1, 256 // size)
        previews.append(("icon_%d.png" % size, size * f, size * f, enlarge(size, size, rgba, f)))

    # The desktop's icon theme, at the sizes menus and launchers ask for.
    os.makedirs(os.path.join(RES, "hicolor"), exist_ok=True)
    for size in (16, 24, 32, 48, 64, 128, 256):
        write(os.path.join(RES, "hicolor", "%d.png" % size), png_bytes(size, size, draw_icon(size)))

    state = draw_cursor()
    write(os.path.join(RES, "cursor130.xbm"),
          xbm_text("cursor130", 32, 32, [s == 2 for s in state]))
    write(os.path.join(RES, "cursor130_mask.xbm"),
          xbm_text("cursor130_mask", 32, 32, [s != 0 for s in state]))
    shown = bytearray()
    for s in state:
        shown += {0: b"\0\0\0\0", 1: b"\xff\xff\xff\xff", 2: b"\0\0\0\xff"}[s]
    previews.append(("cursor_zoom.png", 32 * 10, 32 * 10, enlarge(32, 32, shown, 10)))

    if not args.no_preview:
        os.makedirs(args.preview_dir, exist_ok=True)
        for name, w, h, rgba in previews:
            write(os.path.join(args.preview_dir, name), png_bytes(w, h, rgba))
        print("previews in", args.preview_dir)


if __name__ == "__main__":
    main()
