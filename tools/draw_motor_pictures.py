#!/usr/bin/env python3
"""Draws the motor series pictures and the amplifier connection pictures of the catalog.

- catalog/picture/series/<series>.png (160x120, motor screen) and <series>-option.png
  (120x90, option screen): a side view of a motor of the series, shaft to the left.
- catalog/picture/connect/<name>.png (700x460, option screen's connection window): the
  wiring of an amplifier: supply, breaker, noise filter, contactor, amplifier, motor,
  encoder, command and optional external regeneration resistor.

Plain line drawings with few colours, stored as small palette PNGs. The file names are
the ones tools/make_motor_catalog.py writes into t_motor_series and m_option_connect_image.

Usage: tools/draw_motor_pictures.py [catalog/picture]   (needs ImageMagick "convert")
"""

import os
import subprocess
import sys

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

LINE = "#303030"
METAL = "#c8ccd2"
DARK = "#7d848e"
BODY = {"kestrel": "#4d5a6a", "swift": "#2f6fb0", "heron": "#5b7d4e"}
GEAR = "#b9bec6"
ACCENT = "#d06010"


class Canvas:
    def __init__(self, w, h, bg="#ffffff"):
        self.w, self.h, self.bg = w, h, bg
        self.args = []

    def rect(self, x0, y0, x1, y1, fill, stroke=LINE, width=1):
        self.args += ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width),
                      "-draw", "rectangle %d,%d %d,%d" % (x0, y0, x1, y1)]

    def rrect(self, x0, y0, x1, y1, r, fill, stroke=LINE, width=1):
        self.args += ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width),
                      "-draw", "roundrectangle %d,%d %d,%d %d,%d" % (x0, y0, x1, y1, r, r)]

    def line(self, x0, y0, x1, y1, colour=LINE, width=1, dashed=False):
        dash = "stroke-dasharray 6 4 " if dashed else ""
        self.args += ["-fill", "none", "-stroke", colour, "-strokewidth", str(width),
                      "-draw", dash + "line %d,%d %d,%d" % (x0, y0, x1, y1)]

    def poly(self, pts, fill, stroke=LINE, width=1):
        self.args += ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width),
                      "-draw", "polygon " + " ".join("%d,%d" % p for p in pts)]

    def circle(self, cx, cy, r, fill, stroke=LINE, width=1):
        self.args += ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width),
                      "-draw", "circle %d,%d %d,%d" % (cx, cy, cx + r, cy)]

    def text(self, x, y, s, size=12, colour=LINE, bold=False, anchor="NorthWest"):
        self.args += ["-stroke", "none", "-fill", colour, "-font", FONT_BOLD if bold else FONT,
                      "-pointsize", str(size), "-gravity", anchor,
                      "-annotate", "+%d+%d" % (x, y), s, "-gravity", "NorthWest"]

    def save(self, path, colours=16):
        cmd = ["convert", "-size", "%dx%d" % (self.w, self.h), "xc:" + self.bg] + self.args
        cmd += ["+dither", "-colors", str(colours), "-strip", "-define", "png:compression-level=9",
                path]
        subprocess.run(cmd, check=True)


# ---------------------------------------------------------------------------------------
# Series pictures
# ---------------------------------------------------------------------------------------

def motor(c, x, cy, length, half, flange_half, colour, brake=False, connectors=True):
    """A servo motor from its flange face at x to the right: flange, body with fins, rear
    cover with the encoder; returns the x of the flange face."""
    fl = max(4, half // 3)
    c.rect(x, cy - flange_half, x + fl, cy + flange_half, DARK)
    c.rect(x + fl, cy - half, x + fl + length, cy + half, colour)
    step = max(5, length // 8)
    for fx in range(x + fl + step, x + fl + length - 4, step):
        c.line(fx, cy - half + 2, fx, cy + half - 2, "#8f9aa8")
    rear = max(8, half // 2 + 4)
    c.rect(x + fl + length, cy - half + 2, x + fl + length + rear, cy + half - 2, METAL)
    if connectors:
        cx = x + fl + length // 3
        c.rect(cx, cy - half - 7, cx + 10, cy - half, "#222222")
        c.rect(cx + 14, cy - half - 6, cx + 22, cy - half, "#222222")
    return x


def shaft(c, x_end, x_face, cy, r):
    c.rect(x_end, cy - r, x_face, cy + r, METAL)


def planetary(c, x_face, cy, length, half, flange_output):
    """Round planetary gear head ending at x_face (its motor side) with its output left."""
    x0 = x_face - length
    c.rect(x0 + 6, cy - half, x_face, cy + half, GEAR)
    c.line(x0 + 6 + length // 2, cy - half, x0 + 6 + length // 2, cy + half)
    c.rect(x0, cy - half + 3, x0 + 6, cy + half - 3, DARK)
    if flange_output:
        c.rect(x0 - 4, cy - half + 6, x0, cy + half - 6, METAL)
        return x0 - 4
    shaft(c, x0 - 14, x0, cy, max(3, half // 4))
    return x0 - 14


def box_gear(c, x_face, cy, length, half):
    x0 = x_face - length
    c.rect(x0, cy - half - 4, x_face, cy + half + 4, GEAR)
    c.line(x0 + 4, cy + half, x_face - 4, cy + half, "#8f9aa8")
    shaft(c, x0 - 14, x0, cy + 6, max(3, half // 4))


def series_picture(kind, size):
    w, h = size
    c = Canvas(w, h)
    s = w / 160.0
    cy = int(h * 0.46)

    def S(v):
        return int(round(v * s))

    if kind == "kestrel_s":
        x = S(40)
        motor(c, x, cy, S(70), S(17), S(22), BODY["kestrel"])
        shaft(c, x - S(16), x, cy, S(4))
    elif kind == "kestrel_f":
        x = S(50)
        motor(c, x, cy, S(34), S(27), S(32), BODY["kestrel"])
        shaft(c, x - S(16), x, cy, S(5))
    elif kind == "kestrel_l":
        x = S(30)
        motor(c, x, cy, S(80), S(28), S(34), BODY["kestrel"])
        shaft(c, x - S(18), x, cy, S(6))
    elif kind == "swift_s":
        x = S(34)
        motor(c, x, cy, S(86), S(14), S(18), BODY["swift"])
        shaft(c, x - S(14), x, cy, S(3))
    elif kind == "swift_l":
        x = S(28)
        motor(c, x, cy, S(96), S(22), S(27), BODY["swift"])
        shaft(c, x - S(16), x, cy, S(5))
    elif kind == "heron_p":
        x = S(62)
        motor(c, x, cy, S(62), S(15), S(19), BODY["heron"])
        planetary(c, x, cy, S(36), S(16), False)
    elif kind == "heron_g":
        x = S(66)
        motor(c, x, cy, S(58), S(16), S(20), BODY["heron"])
        box_gear(c, x, cy, S(34), S(20))
    elif kind == "heron_l":
        x = S(64)
        motor(c, x, cy, S(62), S(24), S(29), BODY["heron"])
        planetary(c, x, cy, S(40), S(26), True)
    # floor line
    c.line(S(6), h - S(18), w - S(6), h - S(18), "#d0d0d0")
    return c


SERIES_PICTURES = ["kestrel_s", "kestrel_f", "kestrel_l", "swift_s", "swift_l", "heron_p",
                   "heron_g", "heron_l"]


# ---------------------------------------------------------------------------------------
# Connection pictures
# ---------------------------------------------------------------------------------------

def labelled_box(c, x0, y0, x1, y1, title, fill="#f4f6f8", size=12):
    c.rect(x0, y0, x1, y1, fill)
    c.text(x0 + 6, y0 + 5, title, size=size, bold=True)


def connection(phases, supply_text, builtin_resistor, network):
    c = Canvas(700, 460)
    c.text(16, 12, "Connection of the amplifier (%s)" % supply_text, size=15, bold=True)
    n = 3 if phases == 3 else 2
    names = ["L1", "L2", "L3"][:n]
    ys = [118 + 16 * i for i in range(n)]
    # supply
    labelled_box(c, 16, 86, 116, 176, "Supply")
    kind, volts = supply_text.split(" ", 1)
    c.text(22, 106, kind, size=10)
    c.text(22, 120, volts, size=10)
    c.text(22, 134, "50/60 Hz", size=10)
    # breaker, noise filter, contactor
    stages = [(140, "Breaker"), (220, "Noise filter"), (320, "Contactor")]
    x_prev = 116
    for x, title in stages:
        for y in ys:
            c.line(x_prev, y, x, y)
        c.rect(x, 100, x + 60, 100 + 20 + 16 * n, "#ffffff")
        c.text(x + 4, 80, title, size=10)
        if title == "Contactor":
            for y in ys:
                c.line(x + 22, y - 5, x + 38, y + 5)
        elif title == "Breaker":
            for y in ys:
                c.line(x + 20, y, x + 40, y - 6)
        else:
            for y in ys:
                c.line(x + 10, y, x + 50, y, "#7d848e")
            c.line(x + 30, 104, x + 30, 100 + 16 + 16 * n, "#7d848e")
        x_prev = x + 60
    # amplifier
    ax0, ay0, ax1, ay1 = 420, 70, 560, 380
    labelled_box(c, ax0, ay0, ax1, ay1, "Amplifier", fill="#e6edf5", size=13)
    for y, name in zip(ys, names):
        c.line(x_prev, y, ax0, y)
        c.text(ax0 + 6, y - 7, name, size=10)
    # control supply
    c.line(300, ys[0], 300, 212)
    c.line(300, 212, ax0, 212)
    c.line(290, ys[1], 290, 228)
    c.line(290, 228, ax0, 228)
    c.text(ax0 + 6, 205, "L1C", size=10)
    c.text(ax0 + 6, 221, "L2C", size=10)
    c.text(326, 196, "control supply", size=9)
    # regeneration resistor
    c.text(ax0 + 6, 258, "P  B", size=10)
    c.line(ax0, 262, 360, 262, ACCENT, 1, dashed=True)
    c.line(ax0, 278, 360, 278, ACCENT, 1, dashed=True)
    c.rect(300, 252, 360, 288, "#fff3e8", ACCENT)
    c.text(230, 292, "External regeneration resistor", size=10, colour=ACCENT)
    c.text(230, 306, "(option; %s)" % ("built-in resistor fitted" if builtin_resistor
                                         else "no built-in resistor"), size=10, colour=ACCENT)
    # command side
    if network:
        c.text(ax0 + 6, 338, "NET IN / OUT", size=10)
        c.line(ax0, 344, 220, 344, "#2f6fb0", 2)
        c.line(ax0, 360, 240, 360, "#2f6fb0", 2, dashed=True)
        labelled_box(c, 40, 326, 220, 380, "Controller")
        c.text(46, 350, "network command", size=10)
        c.text(246, 364, "to the next axis", size=9)
    else:
        c.text(ax0 + 6, 338, "I/O", size=10)
        c.line(ax0, 344, 220, 344, "#2f6fb0", 2)
        labelled_box(c, 40, 326, 220, 380, "Controller")
        c.text(46, 350, "pulse train or analogue", size=10)
    # motor side
    c.text(ax1 - 34, 110, "U", size=10)
    c.text(ax1 - 34, 126, "V", size=10)
    c.text(ax1 - 34, 142, "W", size=10)
    for y in (116, 132, 148):
        c.line(ax1, y, 600, y)
    c.line(600, 116, 600, 148)
    c.line(600, 132, 620, 132)
    c.rect(620, 104, 684, 176, "#4d5a6a")
    c.rect(612, 112, 620, 168, "#7d848e")
    c.text(622, 180, "Motor", size=11, bold=True)
    c.text(ax1 - 54, 236, "Encoder", size=10)
    c.line(ax1, 242, 652, 242, "#2f6fb0", 2)
    c.line(652, 242, 652, 176, "#2f6fb0", 2)
    c.text(576, 248, "encoder cable", size=9)
    c.line(684, 150, 692, 150, ACCENT, 1, dashed=True)
    c.line(692, 150, 692, 300, ACCENT, 1, dashed=True)
    c.rect(590, 300, 692, 330, "#fff3e8", ACCENT)
    c.text(596, 306, "24 V DC brake", size=9, colour=ACCENT)
    c.text(586, 334, "(motors with brake)", size=9, colour=ACCENT)
    c.text(16, 420, "Solid lines: standard wiring. Dashed lines: options.", size=10,
           colour="#606060")
    return c


CONNECTIONS = [
    ("amp_1ph_100v", 1, "single-phase 100-120 V AC", False, False),
    ("amp_1ph_200v", 1, "single-phase 200-240 V AC", False, False),
    ("amp_3ph_200v", 3, "three-phase 200-240 V AC", False, False),
    ("amp_1ph_200v_r", 1, "single-phase 200-240 V AC", True, False),
    ("amp_3ph_200v_r", 3, "three-phase 200-240 V AC", True, False),
    ("amp_3ph_200v_net", 3, "three-phase 200-240 V AC", True, True),
]


def main():
    dest = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "catalog", "picture")
    os.makedirs(os.path.join(dest, "series"), exist_ok=True)
    os.makedirs(os.path.join(dest, "connect"), exist_ok=True)
    for kind in SERIES_PICTURES:
        series_picture(kind, (160, 120)).save(os.path.join(dest, "series", kind + ".png"))
        series_picture(kind, (120, 90)).save(os.path.join(dest, "series", kind + "-option.png"))
    for name, phases, supply, builtin, network in CONNECTIONS:
        connection(phases, supply, builtin, network).save(
            os.path.join(dest, "connect", name + ".png"))


if __name__ == "__main__":
    main()
