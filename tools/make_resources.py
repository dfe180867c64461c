#!/usr/bin/python3
"""Draws every picture the program compiles in and writes src/resources.qrc.

The pictures are plain and share one light-blue look. The output is committed,
so building never needs Python; run this again only to change a picture:

    /usr/bin/python3 tools/make_resources.py

With --check it draws into a scratch copy instead and fails when a committed
picture or src/resources.qrc differs from what it draws.

Needs python3-pil and the DejaVu fonts (fonts-dejavu-core).
"""

import filecmp
import math
import os
import shutil
import sys
import tempfile

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
SRC = os.path.join(ROOT, "src")
RES = os.path.join(SRC, "res")

# The theme's colours (see res/stylesheet/corvaneBule.qss).
INK = (50, 76, 108)          # #324C6C text and strokes
EDGE = (127, 154, 184)       # #7F9AB8 borders
PAPER = (207, 221, 238)      # #CFDDEE background
LIGHT = (210, 227, 245)      # #D2E3F5 hover
MID = (192, 211, 235)        # #C0D3EB buttons
ACCENT = (46, 109, 180)      # strong blue for marks
WHITE = (255, 255, 255)
SS = 4                       # supersampling factor for smooth edges

FONT_DIR = "/usr/share/fonts/truetype/dejavu"


def font(size, bold=True):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


class Canvas:
    """An RGBA picture drawn SS times larger and shrunk when saved."""

    def __init__(self, w, h, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), bg)
        self.d = ImageDraw.Draw(self.img)

    @staticmethod
    def s(v):
        return int(round(v * SS))

    def box(self, x0, y0, x1, y1):
        return [self.s(x0), self.s(y0), self.s(x1), self.s(y1)]

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1, radius=0):
        self.d.rounded_rectangle(self.box(x0, y0, x1, y1), radius=self.s(radius), fill=fill,
                                 outline=outline, width=max(1, self.s(width)) if outline else 0)

    def ellipse(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        self.d.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                       width=max(1, self.s(width)) if outline else 0)

    def line(self, pts, fill, width, round_caps=True):
        sp = [(self.s(x), self.s(y)) for x, y in pts]
        self.d.line(sp, fill=fill, width=self.s(width), joint="curve")
        if round_caps:
            r = self.s(width) / 2
            for x, y in (sp[0], sp[-1]):
                self.d.ellipse([x - r, y - r, x + r, y + r], fill=fill)

    def polygon(self, pts, fill=None, outline=None):
        self.d.polygon([(self.s(x), self.s(y)) for x, y in pts], fill=fill, outline=outline)

    def arc(self, x0, y0, x1, y1, start, end, fill, width):
        self.d.arc(self.box(x0, y0, x1, y1), start, end, fill=fill, width=self.s(width))

    def text(self, cx, cy, txt, size, fill, bold=True):
        f = font(self.s(size), bold)
        self.d.text((self.s(cx), self.s(cy)), txt, font=f, fill=fill, anchor="mm")

    def image(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)

    def save(self, rel, background=None):
        path = os.path.join(RES, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        out = self.image()
        if background is not None or rel.endswith(".jpg"):
            flat = Image.new("RGB", out.size, background or (26, 26, 26))
            flat.paste(out, mask=out.split()[3])
            flat.save(path, quality=90) if rel.endswith(".jpg") else flat.save(path, optimize=True)
        else:
            out.save(path, optimize=True)
        WRITTEN.append(rel)


WRITTEN = []


def outlined(canvas, draw_shape, fill, outline, grow):
    """Draws a shape given as a mask-drawing function with a halo around it."""
    mask = Image.new("L", canvas.img.size, 0)
    draw_shape(ImageDraw.Draw(mask))
    halo = mask.filter(ImageFilter.MaxFilter(2 * int(grow * SS) + 1))
    canvas.img.paste(Image.new("RGBA", mask.size, outline), mask=halo)
    canvas.img.paste(Image.new("RGBA", mask.size, fill), mask=mask)


# ---------------------------------------------------------------- message boxes

def message_icons():
    def badge(rel, colour, glyph):
        c = Canvas(64, 64)
        c.ellipse(3, 3, 61, 61, fill=tuple(max(0, v - 40) for v in colour))
        c.ellipse(5, 5, 59, 59, fill=colour)
        glyph(c)
        c.save(rel)

    def question(c):
        c.arc(21, 13, 43, 35, 180, 40, WHITE, 6)
        c.line([(40.4, 30.0), (32, 36), (32, 41)], WHITE, 6)
        c.ellipse(28.5, 45, 35.5, 52, fill=WHITE)

    def information(c):
        c.ellipse(28, 12, 36, 20, fill=WHITE)
        c.rect(28.5, 25, 35.5, 51, fill=WHITE, radius=2)
        c.rect(24, 25, 35, 29, fill=WHITE, radius=1)
        c.rect(24, 48, 40, 52, fill=WHITE, radius=1)

    def error(c):
        c.line([(21, 21), (43, 43)], WHITE, 7)
        c.line([(43, 21), (21, 43)], WHITE, 7)

    badge("questionIcon.png", (52, 120, 200), question)
    badge("informationIcon.png", (40, 140, 210), information)
    badge("errorIcon.png", (210, 60, 60), error)

    c = Canvas(64, 64)
    tri = [(32, 4), (62, 57), (2, 57)]
    c.polygon(tri, fill=(190, 130, 0))
    c.polygon([(32, 8), (58.5, 55), (5.5, 55)], fill=(250, 190, 30))
    c.line([(32, 22), (32, 39)], (40, 40, 40), 6)
    c.ellipse(28.5, 44, 35.5, 51, fill=(40, 40, 40))
    c.save("warningIcon.png")


# ---------------------------------------------------------------- zoom toolbar

def arrow_cursor(c, ox, oy, k, fill=INK, halo=WHITE):
    pts = [(0, 0), (0, 17), (4.2, 13.2), (7, 19.5), (9.8, 18.3), (7.1, 12.2), (12.5, 12.2)]
    pts = [(ox + x * k, oy + y * k) for x, y in pts]
    outlined(c, lambda d: d.polygon([(Canvas.s(x), Canvas.s(y)) for x, y in pts], fill=255),
             fill, halo, 1.4 * k / 2.4)


def lens(c, cx, cy, r, stroke=INK, glass=(235, 244, 252)):
    c.line([(cx + r * 0.7, cy + r * 0.7), (cx + r * 1.75, cy + r * 1.75)], stroke, r * 0.55)
    c.ellipse(cx - r, cy - r, cx + r, cy + r, fill=glass, outline=stroke, width=r * 0.28)


def toolbar_icons():
    c = Canvas(64, 64)
    arrow_cursor(c, 18, 6, 2.45)
    c.save("selectMouseIcon.png")

    # zoom mode: a lens over a small wall, i.e. "the mouse zooms here"
    c = Canvas(64, 64)
    lens(c, 26, 26, 18)
    c.rect(17, 19, 35, 33, fill=MID, outline=EDGE, width=1.5)
    c.line([(26, 19), (26, 33)], EDGE, 1.5, False)
    c.line([(17, 26), (35, 26)], EDGE, 1.5, False)
    c.save("magnifyMouseIcon.png")

    for rel, plus in (("magnifyingGlassPlusIcon.png", True), ("magnifyingGlassMinusIcon.png", False)):
        c = Canvas(64, 64)
        lens(c, 26, 26, 19)
        c.line([(16, 26), (36, 26)], ACCENT, 5.5)
        if plus:
            c.line([(26, 16), (26, 36)], ACCENT, 5.5)
        c.save(rel)

    # fit the wall into the view: a screen with four arrows to its corners
    c = Canvas(64, 64)
    c.rect(20, 22, 44, 42, fill=MID, outline=INK, width=2.5, radius=2)
    for sx, sy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        tip = (32 + sx * 27, 32 + sy * 27)
        c.line([(32 + sx * 15, 32 + sy * 13), (tip[0] - sx * 4, tip[1] - sy * 4)], ACCENT, 4.5)
        c.polygon([tip, (tip[0] - sx * 13, tip[1]), (tip[0], tip[1] - sy * 13)], fill=ACCENT)
    c.save("fullScreenIcon.png")


# ---------------------------------------------------------------- title bar and small marks

def title_bar_icons():
    c = Canvas(29, 24)
    c.line([(9, 16), (20, 16)], INK, 2)
    c.save("image/1/min.png")

    c = Canvas(29, 24)
    c.rect(9, 6, 20, 17, outline=INK, width=1.6, radius=1)
    c.line([(9, 7), (20, 7)], INK, 2.5, False)
    c.save("image/1/max.png")

    c = Canvas(29, 24)
    c.line([(9.5, 6.5), (19.5, 16.5)], (190, 40, 40), 2)
    c.line([(19.5, 6.5), (9.5, 16.5)], (190, 40, 40), 2)
    c.save("image/1/out.png")

    c = Canvas(16, 16)
    c.line([(4, 4), (12, 12)], INK, 2)
    c.line([(12, 4), (4, 12)], INK, 2)
    c.save("image/multiply.png")


def wall_glyph(c, x0, y0, x1, y1, rows, cols, frame=INK, screen=(120, 170, 225), gap=1.5):
    c.rect(x0, y0, x1, y1, fill=frame, radius=1)
    w = (x1 - x0 - gap * (cols + 1)) / cols
    h = (y1 - y0 - gap * (rows + 1)) / rows
    for r in range(rows):
        for k in range(cols):
            sx = x0 + gap + k * (w + gap)
            sy = y0 + gap + r * (h + gap)
            c.rect(sx, sy, sx + w, sy + h, fill=screen)


def app_icon():
    c = Canvas(64, 64)
    c.rect(2, 2, 62, 62, fill=ACCENT, radius=12)
    wall_glyph(c, 10, 14, 54, 44, 2, 2, frame=WHITE, screen=(120, 175, 235), gap=2.5)
    c.rect(28, 44, 36, 52, fill=WHITE)
    c.rect(20, 51, 44, 55, fill=WHITE, radius=2)
    c.save("image/image.png")


def hand_cursor():
    c = Canvas(32, 32)

    def shape(d):
        s = Canvas.s
        d.rounded_rectangle([s(11), s(2), s(16), s(19)], radius=s(2.5), fill=255)     # index finger
        for x0, top in ((15.5, 10.5), (19.5, 11.5), (23.5, 13)):                        # folded fingers
            d.rounded_rectangle([s(x0), s(top), s(x0 + 4.5), s(21)], radius=s(2.2), fill=255)
        d.rounded_rectangle([s(11), s(15), s(28), s(29)], radius=s(5), fill=255)       # palm
        d.polygon([(s(11.5), s(24)), (s(4), s(16.5)), (s(6.5), s(14)), (s(12.5), s(18))], fill=255)  # thumb
        d.ellipse([s(3.5), s(13.5), s(7.5), s(17.5)], fill=255)

    outlined(c, shape, WHITE, (20, 20, 20), 1.0)
    for x in (15.7, 19.7, 23.7):
        c.line([(x, 14), (x, 18.5)], (20, 20, 20), 0.8, False)
    c.save("image/2/pointer.png")


def revolve():
    c = Canvas(64, 64)
    c.ellipse(2, 2, 62, 62, fill=(255, 255, 255, 200))
    c.arc(12, 12, 52, 52, 320, 250, ACCENT, 7)
    a = math.radians(250)
    tip = (32 + 20 * math.cos(a), 32 + 20 * math.sin(a))
    # arrow head pointing along the circle, clockwise
    tx, ty = -math.sin(a), math.cos(a)
    nx, ny = math.cos(a), math.sin(a)
    p = (tip[0] + tx * 9, tip[1] + ty * 9)
    c.polygon([p, (tip[0] + nx * 10 - tx * 3, tip[1] + ny * 10 - ty * 3),
               (tip[0] - nx * 10 - tx * 3, tip[1] - ny * 10 - ty * 3)], fill=ACCENT)
    c.save("image/revolve.png")


# ---------------------------------------------------------------- layout pictures

def window_layouts():
    # Windows on the wall, as fractions of the wall: (x, y, w, h, number[, place of the
    # number when other windows cover the middle]).
    layouts = {
        "OneScreen": [(0, 0, 1, 1, 1)],
        "TwoScreen_OBOS": [(0, 0, 1, 1, 2, (0.25, 0.25)), (0.5, 0.5, 0.5, 0.5, 1)],
        "TwoScreen_Leftrigt": [(0, 0, 0.5, 1, 1), (0.5, 0, 0.5, 1, 2)],
        "TwoScreen_Updown": [(0, 0, 1, 0.5, 1), (0, 0.5, 1, 0.5, 2)],
        "FourScreen": [(0, 0, .5, .5, 1), (.5, 0, .5, .5, 2), (0, .5, .5, .5, 3), (.5, .5, .5, .5, 4)],
        "FourScreen_OBTS": [(0, 0, 1, 1, 4, (1 / 3, 0.5)), (2 / 3, 0, 1 / 3, 1 / 3, 1), (2 / 3, 1 / 3, 1 / 3, 1 / 3, 2),
                            (2 / 3, 2 / 3, 1 / 3, 1 / 3, 3)],
    }
    colours = {1: (70, 130, 200), 2: (80, 165, 110), 3: (225, 150, 60), 4: (140, 100, 190)}
    W, H = 44, 26
    for name, wins in layouts.items():
        c = Canvas(W, H)
        c.rect(0.5, 0.5, W - 0.5, H - 0.5, fill=(245, 248, 252), outline=INK, width=1)
        for x, y, w, h, n, *place in wins:
            x0, y0 = 1.5 + x * (W - 3), 1.5 + y * (H - 3)
            x1, y1 = x0 + w * (W - 3), y0 + h * (H - 3)
            c.rect(x0 + 0.5, y0 + 0.5, x1 - 0.5, y1 - 0.5, fill=colours[n], outline=WHITE, width=1)
            px, py = place[0] if place else (x + w / 2, y + h / 2)
            if h * (H - 3) >= 10:
                c.text(1.5 + px * (W - 3), 2 + py * (H - 3), str(n), min(9, h * (H - 3) * 0.7), WHITE)
        c.save("image/SpliceMode/%s.png" % name)


def splice_pictures():
    # Screens of a splice in rows x columns, for the rotation page's mode buttons.
    modes = {"03": (1, 2), "02": (1, 3), "04": (1, 4), "7": (2, 2), "05": (2, 1), "01": (3, 1), "06": (4, 1)}
    for name, (rows, cols) in modes.items():
        sw, sh = 16.0, 9.0
        k = min(96 / (cols * sw + (cols - 1) * 2), 42 / (rows * sh + (rows - 1) * 2))
        w, h = cols * sw * k + (cols - 1) * 2, rows * sh * k + (rows - 1) * 2
        c = Canvas(int(math.ceil(w)) + 4, int(math.ceil(h)) + 4)
        for r in range(rows):
            for col in range(cols):
                x = 2 + col * (sw * k + 2)
                y = 2 + r * (sh * k + 2)
                c.rect(x, y, x + sw * k, y + sh * k, fill=INK, radius=1)
                c.rect(x + 1.5, y + 1.5, x + sw * k - 1.5, y + sh * k - 1.5, fill=(120, 170, 225))
        c.save("image/1/%s.png" % name)


def input_pictures():
    colours = [(52, 110, 190), (50, 150, 95), (215, 130, 40), (130, 85, 180)]
    for n, col in enumerate(colours, 1):
        c = Canvas(192, 108, col + (255,))
        # a little landscape so it reads as "a picture from this input"
        c.polygon([(0, 108), (50, 55), (85, 85), (125, 40), (192, 108)], fill=tuple(min(255, v + 45) for v in col))
        c.ellipse(145, 14, 170, 39, fill=(255, 235, 150))
        c.rect(40, 34, 152, 74, fill=(0, 0, 0, 90), radius=8)
        c.text(96, 54, "HDMI %d" % n, 22, WHITE)
        c.save("image/1/HDMI %d.png" % n, background=col)


def device_picture():
    c = Canvas(300, 120)
    c.rect(6, 24, 294, 96, fill=(60, 66, 74), radius=6)
    c.rect(6, 24, 294, 34, fill=(80, 88, 98), radius=6)
    c.text(58, 62, "Halden", 20, WHITE)
    for i in range(4):
        x = 120 + i * 38
        c.rect(x, 54, x + 28, 68, fill=(20, 20, 24), radius=3)
        c.rect(x + 4, 57, x + 24, 63, fill=(160, 160, 170))
        c.text(x + 14, 80, "IN%d" % (i + 1), 8, (200, 205, 215))
    c.ellipse(276, 56, 284, 64, fill=(90, 220, 110))
    c.save("7F.png")


# ---------------------------------------------------------------- check boxes, swatches, carousel marks

def check_boxes():
    def box(rel, border, fill, mark=None, mark_col=ACCENT):
        c = Canvas(13, 13)
        c.rect(0.5, 0.5, 12.5, 12.5, fill=fill, outline=border, width=1, radius=2)
        if mark == "check":
            c.line([(3, 6.8), (5.4, 9.2), (10, 3.8)], mark_col, 1.8)
        elif mark == "partial":
            c.rect(3, 5.5, 10, 7.5, fill=mark_col, radius=0.5)
        c.save("image/blue/" + rel)

    grey = (170, 170, 170)
    box("checkbox_unchecked.png", EDGE, WHITE)
    box("checkbox_checked.png", EDGE, WHITE, "check")
    box("checkbox_parcial.png", EDGE, WHITE, "partial")
    box("checkbox_unchecked_disable.png", grey, (238, 238, 238))
    box("checkbox_checked_disable.png", grey, (238, 238, 238), "check", grey)
    box("checkbox_parcial_disable.png", grey, (238, 238, 238), "partial", grey)


def combo_arrows():
    # The down arrow of a combo box's drop-down button.
    def arrow(rel, colour):
        c = Canvas(9, 6)
        c.polygon([(0.5, 0.5), (8.5, 0.5), (4.5, 5.5)], fill=colour)
        c.save("image/blue/" + rel)

    arrow("arrow_down.png", INK)
    arrow("arrow_down_disable.png", (170, 170, 170))


def swatches():
    for name, rgb in (("grey_65_65_65", (65, 65, 65)), ("red_210_85_101", (210, 85, 101)),
                      ("green_144_207_153", (144, 207, 153)), ("blue_46_148_185", (46, 148, 185)),
                      ("orange_240_183_117", (240, 183, 117))):
        c = Canvas(16, 16)
        c.rect(0.5, 0.5, 15.5, 15.5, fill=rgb, outline=tuple(int(v * 0.6) for v in rgb), width=1, radius=2)
        c.save("image/color/%s.png" % name)


def carousel_marks():
    for rel, pts in (("less_than.png", [(29, 13), (18, 24), (29, 35)]),
                     ("more_than.png", [(19, 13), (30, 24), (19, 35)])):
        c = Canvas(48, 48)
        c.ellipse(1, 1, 47, 47, fill=(0, 0, 0, 110))
        c.line(pts, WHITE, 4.5)
        c.save("image/other/" + rel)
    for rel, col in (("normal_gray.png", (140, 140, 140)), ("hover_blue.png", (60, 150, 240))):
        c = Canvas(16, 16)
        c.ellipse(2, 2, 14, 14, fill=col)
        c.save("image/other/" + rel)


# ---------------------------------------------------------------- banners and splash

def sky(c, top, bottom):
    for y in range(c.img.size[1]):
        t = y / max(1, c.img.size[1] - 1)
        col = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
        c.d.line([(0, y), (c.img.size[0], y)], fill=col)


def banner_base(title):
    c = Canvas(480, 300, (26, 26, 26, 255))
    sky(c, (40, 80, 140), (14, 30, 60))
    c.text(240, 270, title, 18, WHITE)
    return c


def banners():
    # 1: the wall as one picture
    c = banner_base("Halden")
    wall_glyph(c, 60, 30, 420, 232, 2, 2, frame=(30, 30, 34), screen=(90, 150, 220), gap=4)
    c.polygon([(64, 228), (170, 120), (240, 180), (320, 90), (416, 228)], fill=(70, 160, 110))
    c.ellipse(330, 50, 370, 90, fill=(255, 225, 120))
    c.save("image/banna/1.jpg")

    # 2: four windows on the wall
    c = banner_base("4 x HDMI")
    c.rect(50, 30, 430, 240, fill=(30, 30, 34), radius=4)
    c.rect(56, 36, 424, 234, fill=(60, 75, 95))
    for (x0, y0, x1, y1), col, n in (((66, 46, 250, 150), (52, 110, 190), 1), ((200, 110, 410, 224), (50, 150, 95), 2),
                                     ((270, 50, 414, 120), (215, 130, 40), 3), ((80, 165, 180, 224), (130, 85, 180), 4)):
        c.rect(x0, y0, x1, y1, fill=col, outline=WHITE, width=2)
        c.text((x0 + x1) / 2, (y0 + y1) / 2, str(n), 26, WHITE)
    c.save("image/banna/2.jpg")

    # 3: four inputs into the processor and out to the wall
    c = banner_base("IN 1-4  >  Halden  >  Wall")
    for i, col in enumerate([(52, 110, 190), (50, 150, 95), (215, 130, 40), (130, 85, 180)]):
        y = 40 + i * 50
        c.rect(30, y, 100, y + 38, fill=col, radius=4)
        c.text(65, y + 19, "IN%d" % (i + 1), 13, WHITE)
        c.line([(104, y + 19), (170, 135)], (200, 210, 225), 2.5)
    c.rect(170, 105, 280, 165, fill=(60, 66, 74), radius=6)
    c.text(225, 135, "Halden", 15, WHITE)
    c.line([(284, 135), (322, 135)], (200, 210, 225), 3)
    c.polygon([(330, 135), (318, 127), (318, 143)], fill=(200, 210, 225))
    wall_glyph(c, 335, 75, 455, 195, 2, 2, frame=(30, 30, 34), screen=(90, 150, 220), gap=3)
    c.save("image/banna/3.jpg")

    # 4: splicing the wall in rows and columns
    c = banner_base("3 x 3")
    wall_glyph(c, 90, 28, 390, 236, 3, 3, frame=(30, 30, 34), screen=(90, 150, 220), gap=5)
    c.save("image/banna/4.jpg")

    # 5: ten presets
    c = banner_base("1 - 10")
    for i in range(10):
        x = 40 + (i % 5) * 82
        y = 50 + (i // 5) * 100
        c.rect(x, y, x + 72, y + 72, fill=(225, 232, 242), outline=(150, 170, 200), width=2, radius=4)
        c.rect(x + 8, y + 8, x + 44, y + 36, fill=(52, 110, 190))
        c.rect(x + 30, y + 30, x + 64, y + 62, fill=(50, 150, 95))
        c.text(x + 14, y + 58, str(i + 1), 13, INK)
    c.save("image/banna/5.jpg")


def splash(rel, title, subtitle):
    c = Canvas(600, 400, (0, 0, 0, 255))
    sky(c, (58, 108, 169), (20, 40, 72))
    wall_glyph(c, 200, 40, 400, 160, 2, 2, frame=(22, 26, 34), screen=(110, 165, 230), gap=4)
    c.rect(285, 160, 315, 176, fill=(22, 26, 34))
    c.text(300, 210, title, 40, WHITE)
    if subtitle:
        c.text(300, 248, subtitle, 15, (200, 215, 235), bold=False)
    c.save(rel, background=(20, 40, 72))


# ---------------------------------------------------------------- busy animation

def waiting_gif():
    frames = []
    n = 12
    for f in range(n):
        c = Canvas(64, 64, (255, 255, 255, 255))
        for i in range(n):
            a = 2 * math.pi * i / n - math.pi / 2
            age = (f - i) % n                       # 0 = the leading dot
            shade = 1.0 - age / n
            col = tuple(int(255 - (255 - v) * (0.15 + 0.85 * shade)) for v in ACCENT)
            r = 3.2 + 1.6 * shade
            x, y = 32 + 22 * math.cos(a), 32 + 22 * math.sin(a)
            c.ellipse(x - r, y - r, x + r, y + r, fill=col)
        frames.append(c.image().convert("RGB").convert("P", palette=Image.ADAPTIVE, colors=64))
    path = os.path.join(RES, "image/icon-wzb/waiting.gif")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    frames[0].save(path, save_all=True, append_images=frames[1:], duration=80, loop=0, disposal=1)
    WRITTEN.append("image/icon-wzb/waiting.gif")


# ---------------------------------------------------------------- resource list

def write_qrc():
    files = []
    for base, _dirs, names in os.walk(RES):
        for name in names:
            rel = os.path.relpath(os.path.join(base, name), SRC)
            if rel.startswith(os.path.join("res", "translations")):
                continue            # the build compiles and embeds these itself
            files.append(rel.replace(os.sep, "/"))
    files.sort()
    with open(os.path.join(SRC, "resources.qrc"), "w", encoding="utf-8") as out:
        out.write("<RCC>\n    <qresource prefix=\"/res\">\n")
        for f in files:
            out.write("        <file>%s</file>\n" % f)
        out.write("    </qresource>\n</RCC>\n")
    return files


def draw_all():
    message_icons()
    toolbar_icons()
    title_bar_icons()
    app_icon()
    hand_cursor()
    revolve()
    window_layouts()
    splice_pictures()
    input_pictures()
    device_picture()
    check_boxes()
    combo_arrows()
    swatches()
    carousel_marks()
    banners()
    splash("splash2.png", "Halden", "")
    splash("splash.png", "Halden", "Video wall control")
    waiting_gif()
    return write_qrc()


def check():
    """Draws into a copy of src/ and compares with what is committed."""
    global SRC, RES
    real_src = SRC
    with tempfile.TemporaryDirectory() as scratch:
        SRC = os.path.join(scratch, "src")
        RES = os.path.join(SRC, "res")
        shutil.copytree(real_src, SRC)
        draw_all()
        differ = [rel for rel in ["resources.qrc"] + [os.path.join("res", w) for w in WRITTEN]
                  if not os.path.exists(os.path.join(real_src, rel))
                  or not filecmp.cmp(os.path.join(SRC, rel), os.path.join(real_src, rel), shallow=False)]
    for rel in differ:
        print("differs from what tools/make_resources.py draws: src/%s" % rel)
    if differ:
        return 1
    print("%d pictures and resources.qrc are as drawn" % len(WRITTEN))
    return 0


def main():
    if sys.argv[1:] == ["--check"]:
        return check()
    files = draw_all()
    print("%d pictures drawn, %d files in resources.qrc" % (len(WRITTEN), len(files)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
