#!/usr/bin/env python3
"""Draws the pictures of the machine elements, blocks and motor into catalog/picture/.

Each element gets three 96x64 PNG pictures (normal, "-on" selected: highlighted, "-drag":
faded), each block an 18x60 tab picture on white (the tab's transparent colour), and the
motor the JPEG pictures the program loads by fixed name (00, 00-on, 00-drag for the plain
motor, 0 and 0-on for the geared motor). The drawings are simple line drawings with the
motor side on the left and the load on the right.

Usage: tools/draw_machine_pictures.py [catalog/picture]   (needs ImageMagick "convert")
"""

import os
import subprocess
import sys

W, H = 96, 64
CY = 32  # shaft centre line

# Colour schemes: background, line, metal fill, dark fill, accent (belts, arrows), load fill.
NORMAL = dict(bg="#ffffff", line="#303030", metal="#c8ccd2", dark="#8a9099",
              accent="#d06010", load="#6a9ad0")
SELECTED = dict(bg="#d8e8ff", line="#0b3d91", metal="#b4c8e8", dark="#5f7fb8",
                accent="#e0701a", load="#3d78c8")


def esc(points):
    return " ".join(f"{x},{y}" for x, y in points)


class Pic:
    """Collects draw primitives in a colour-neutral form; rendered once per scheme."""

    def __init__(self):
        self.ops = []

    def rect(self, x0, y0, x1, y1, fill="metal", width=1):
        self.ops.append(("rect", (x0, y0, x1, y1), fill, width))

    def line(self, x0, y0, x1, y1, colour="line", width=1):
        self.ops.append(("line", (x0, y0, x1, y1), colour, width))

    def circle(self, cx, cy, r, fill="metal", width=1):
        self.ops.append(("circle", (cx, cy, r), fill, width))

    def ellipse(self, cx, cy, rx, ry, fill="metal", width=1):
        self.ops.append(("ellipse", (cx, cy, rx, ry), fill, width))

    def poly(self, pts, fill="metal", width=1):
        self.ops.append(("poly", pts, fill, width))

    def polyline(self, pts, colour="line", width=1):
        self.ops.append(("polyline", pts, colour, width))

    def arc(self, cx, cy, r, a0, a1, colour="accent", width=2):
        """Circular arc from angle a0 to a1 (degrees, clockwise on screen) as a polyline."""
        import math
        steps = max(4, int(abs(a1 - a0) / 10))
        pts = [(round(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps))),
                round(cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))))
               for i in range(steps + 1)]
        self.polyline(pts, colour, width)

    def arrow(self, x0, y0, x1, y1, colour="accent", width=2, head=5):
        """Straight arrow from (x0, y0) to (x1, y1) with a filled head at the end."""
        import math
        self.line(x0, y0, x1, y1, colour, width)
        ang = math.atan2(y1 - y0, x1 - x0)
        left = (x1 - head * math.cos(ang - 0.5), y1 - head * math.sin(ang - 0.5))
        right = (x1 - head * math.cos(ang + 0.5), y1 - head * math.sin(ang + 0.5))
        self.ops.append(("head", [(x1, y1), left, right], colour, 1))

    def draw_args(self, scheme):
        args = []
        for kind, geo, paint, width in self.ops:
            colour = scheme.get(paint, paint)
            line = scheme["line"]
            if kind == "rect":
                args += ["-fill", colour, "-stroke", line, "-strokewidth", str(width),
                         "-draw", "rectangle %d,%d %d,%d" % geo]
            elif kind == "line":
                args += ["-fill", "none", "-stroke", colour, "-strokewidth", str(width),
                         "-draw", "line %d,%d %d,%d" % geo]
            elif kind == "circle":
                cx, cy, r = geo
                args += ["-fill", colour, "-stroke", line, "-strokewidth", str(width),
                         "-draw", "circle %d,%d %d,%d" % (cx, cy, cx + r, cy)]
            elif kind == "ellipse":
                cx, cy, rx, ry = geo
                args += ["-fill", colour, "-stroke", line, "-strokewidth", str(width),
                         "-draw", "ellipse %d,%d %d,%d 0,360" % (cx, cy, rx, ry)]
            elif kind == "poly":
                args += ["-fill", colour, "-stroke", line, "-strokewidth", str(width),
                         "-draw", "polygon " + esc(geo)]
            elif kind == "polyline":
                # separate segments: ImageMagick 6 closes a thick open polyline
                args += ["-fill", "none", "-stroke", colour, "-strokewidth", str(width)]
                for (xa, ya), (xb, yb) in zip(geo, geo[1:]):
                    args += ["-draw", "line %d,%d %d,%d" % (xa, ya, xb, yb)]
            elif kind == "head":
                args += ["-fill", colour, "-stroke", colour, "-strokewidth", "1",
                         "-draw", "polygon " + esc(geo)]
        return args


def render(pic, path, scheme, size=(W, H), faded=False, quality=None):
    cmd = ["convert", "-size", "%dx%d" % size, "xc:" + scheme["bg"], "+antialias"]
    cmd += pic.draw_args(scheme)
    if faded:
        cmd += ["-fill", "white", "-colorize", "55%"]
    cmd += ["-strip"]
    if path.endswith(".png"):
        cmd += ["-define", "png:compression-level=9", "-colors", "32"]
    if quality:
        cmd += ["-quality", str(quality)]
    cmd.append(path)
    subprocess.run(cmd, check=True)


# ---------------------------------------------------------------------------------------
# Element drawings
# ---------------------------------------------------------------------------------------

def shaft(p, x0, x1, r=3):
    p.rect(x0, CY - r, x1, CY + r, "metal")


def hub(p, x0, x1, r):
    p.rect(x0, CY - r, x1, CY + r, "metal")


def rigid_coupling():
    p = Pic()
    shaft(p, 4, 30)
    shaft(p, 66, 92)
    hub(p, 28, 68, 14)
    p.line(48, CY - 14, 48, CY + 14)            # split between the halves
    for x in (36, 60):                           # clamp screws
        p.rect(x - 2, CY - 18, x + 2, CY - 14, "dark")
        p.line(x, CY - 14, x, CY - 6)
    return p


def disc_coupling():
    p = Pic()
    shaft(p, 4, 28)
    shaft(p, 68, 92)
    hub(p, 26, 42, 12)
    hub(p, 54, 70, 12)
    p.rect(44, CY - 18, 52, CY + 18, "dark")     # disc pack
    for x in (46, 48, 50):
        p.line(x, CY - 18, x, CY + 18)
    p.line(42, CY, 44, CY)
    p.line(52, CY, 54, CY)
    return p


def jaw_coupling():
    p = Pic()
    shaft(p, 4, 26)
    shaft(p, 70, 92)
    hub(p, 24, 40, 13)
    hub(p, 56, 72, 13)
    # interlocking jaws with the spider between them
    p.poly([(40, CY - 13), (48, CY - 13), (48, CY - 5), (40, CY - 5)], "metal")
    p.poly([(40, CY + 5), (48, CY + 5), (48, CY + 13), (40, CY + 13)], "metal")
    p.poly([(48, CY - 5), (56, CY - 5), (56, CY + 5), (48, CY + 5)], "metal")
    p.rect(46, CY - 13, 50, CY + 13, "accent")
    return p


def gear(p, cx, cy, r, teeth):
    import math
    pts = []
    for i in range(teeth * 2):
        a = math.pi * i / teeth
        rr = r + 2 if i % 2 == 0 else r - 1
        pts.append((round(cx + rr * math.cos(a)), round(cy + rr * math.sin(a))))
    p.poly(pts, "metal")
    p.circle(cx, cy, max(2, r // 4), "dark")


def gear_reducer():
    p = Pic()
    p.rect(10, 6, 86, 58, "#ffffff")             # housing outline
    gear(p, 32, 38, 9, 8)
    gear(p, 60, 28, 20, 16)
    p.line(2, 38, 22, 38, "line", 3)             # input shaft (motor side)
    p.line(70, 28, 94, 28, "line", 3)            # output shaft
    return p


def belt_pulleys(p, x1, r1, x2, r2, cy=CY):
    p.line(x1, cy - r1, x2, cy - r2, "accent", 2)
    p.line(x1, cy + r1, x2, cy + r2, "accent", 2)
    p.circle(x1, cy, r1, "metal")
    p.circle(x2, cy, r2, "metal")
    p.circle(x1, cy, 2, "dark")
    p.circle(x2, cy, 3, "dark")


def belt_reduction():
    p = Pic()
    belt_pulleys(p, 22, 9, 66, 22)
    return p


def ball_screw():
    p = Pic()
    p.rect(4, 24, 14, 46, "dark")                # fixed-side bearing block
    p.rect(84, 24, 92, 46, "dark")               # supported-side bearing block
    p.rect(14, CY - 4, 84, CY + 4, "metal")      # screw shaft
    for x in range(16, 84, 4):                    # thread
        p.line(x, CY + 4, x + 3, CY - 4)
    p.rect(40, 18, 60, 46, "load")                # nut with its bracket
    p.rect(36, 12, 64, 18, "load")
    p.arrow(44, 7, 62, 7)
    p.arrow(56, 7, 38, 7)
    return p


def rack_pinion():
    p = Pic()
    gear(p, 48, 24, 14, 12)
    p.rect(6, 42, 90, 54, "metal")                # rack
    p.polyline([(x, 42 if (x // 4) % 2 == 0 else 38) for x in range(6, 92, 2)], "line", 1)
    p.arrow(40, 60, 18, 60)
    p.arrow(56, 60, 78, 60)
    return p


def belt_axis():
    p = Pic()
    belt_pulleys(p, 14, 9, 82, 9, cy=40)
    p.rect(36, 18, 60, 31, "load")                # carriage clamped to the upper belt
    p.rect(2, 49, 94, 53, "metal")                # frame
    p.arrow(40, 9, 60, 9)
    p.arrow(56, 9, 36, 9)
    return p


def conveyor():
    p = Pic()
    belt_pulleys(p, 14, 10, 82, 10, cy=40)
    p.rect(28, 18, 42, 30, "load")                # goods
    p.rect(54, 20, 66, 30, "load")
    p.arrow(36, 8, 62, 8)
    return p


def rail(p, y):
    p.rect(4, y, 92, y + 6, "dark")


def table():
    p = Pic()
    rail(p, 46)
    p.rect(20, 36, 76, 46, "metal")               # table
    p.rect(34, 20, 60, 36, "load")                # workpiece
    p.arrow(66, 12, 88, 12)
    p.arrow(28, 12, 6, 12)
    return p


def vertical_load():
    p = Pic()
    p.rect(60, 2, 68, 62, "dark")                 # vertical rail
    p.rect(40, 18, 60, 44, "metal")               # slide
    p.rect(20, 22, 40, 40, "load")                # load
    p.arrow(30, 44, 30, 60, "accent", 2)          # gravity
    p.arrow(80, 36, 80, 10, "line", 2)            # travel up and down
    p.arrow(80, 28, 80, 56, "line", 2)
    return p


def counterweight():
    p = Pic()
    p.circle(48, 12, 9, "metal")
    p.circle(48, 12, 2, "dark")
    p.line(39, 12, 39, 40, "line", 2)             # rope to the load
    p.line(57, 12, 57, 32, "line", 2)             # rope to the counterweight
    p.rect(26, 40, 52, 58, "load")                # load
    p.rect(50, 32, 66, 56, "dark")                # counterweight
    p.arrow(78, 34, 78, 58, "accent", 2)          # its weight
    return p


def force_linear():
    p = Pic()
    rail(p, 48)
    p.rect(30, 24, 62, 48, "load")
    p.arrow(92, 36, 64, 36, "accent", 3, head=8)   # process force against the motion
    p.arrow(6, 14, 30, 14, "line", 2)             # direction of motion
    return p


def disc():
    p = Pic()
    p.rect(45, 34, 51, 62, "metal")               # shaft
    p.ellipse(48, 30, 40, 12, "metal")
    p.ellipse(48, 24, 40, 12, "metal")
    p.circle(48, 24, 3, "dark")
    p.arc(48, 50, 12, 20, 160, "accent", 2)       # rotation about the shaft
    p.arrow(40, 58, 35, 54, "accent", 2)
    return p


def hollow_cylinder():
    p = Pic()
    p.rect(22, 18, 74, 48, "metal")
    p.ellipse(22, 33, 8, 15, "metal")
    p.ellipse(74, 33, 8, 15, "metal")
    p.ellipse(74, 33, 5, 10, "#ffffff")
    p.line(2, 33, 17, 33, "line", 3)
    return p


def arm():
    p = Pic()
    p.circle(18, 40, 10, "metal")                 # hub on the shaft
    p.circle(18, 40, 3, "dark")
    p.poly([(18, 34), (74, 26), (74, 34), (18, 46)], "metal")
    p.rect(66, 14, 88, 36, "load")                # mass at the arm end
    p.arrow(77, 38, 77, 58, "accent", 2)          # its weight
    p.arc(18, 40, 16, 100, 200, "accent", 2)       # rotation
    p.arrow(8, 55, 3, 49, "accent", 2)
    return p


def pitch_circle():
    import math
    p = Pic()
    p.ellipse(48, 34, 42, 20, "metal")
    p.circle(48, 34, 3, "dark")
    for i in range(4):
        a = math.pi / 4 + i * math.pi / 2
        p.rect(round(48 + 28 * math.cos(a)) - 5, round(34 + 13 * math.sin(a)) - 7,
               round(48 + 28 * math.cos(a)) + 5, round(34 + 13 * math.sin(a)) + 3, "load")
    return p


def torque_rotary():
    p = Pic()
    p.rect(4, CY - 4, 70, CY + 4, "metal")       # shaft
    p.ellipse(62, CY, 8, 18, "load")             # load on the shaft
    p.arc(62, CY, 22, 190, 440, "accent", 3)      # torque about the shaft
    p.arrow(70, CY + 21, 58, CY + 22, "accent", 3, head=8)
    return p


def gear_pair():
    p = Pic()
    gear(p, 26, 40, 10, 9)                        # pinion (motor side)
    gear(p, 62, 26, 24, 20)                       # wheel (load side)
    p.circle(62, 26, 8, "#ffffff")               # its bore
    p.circle(62, 26, 3, "dark")
    p.line(2, 40, 16, 40, "line", 3)
    p.line(86, 26, 94, 26, "line", 3)
    return p


def worm_gear():
    p = Pic()
    gear(p, 60, 24, 18, 16)                       # worm wheel
    p.rect(8, 44, 90, 54, "metal")                # worm shaft below the wheel
    for x in range(38, 84, 5):                    # worm thread
        p.line(x, 54, x + 4, 44)
    p.line(2, 49, 8, 49, "line", 3)
    p.line(78, 24, 94, 24, "line", 3)             # wheel output shaft
    return p


def chain_drive():
    p = Pic()
    belt_pulleys(p, 22, 9, 68, 18)
    for x in range(24, 68, 5):                    # chain links on both strands
        p.circle(x, CY - 9 - round((x - 22) * 9 / 46), 1, "dark")
        p.circle(x, CY + 9 + round((x - 22) * 9 / 46), 1, "dark")
    return p


def lead_screw():
    p = Pic()
    p.rect(4, 24, 14, 46, "dark")
    p.rect(84, 24, 92, 46, "dark")
    p.rect(14, CY - 4, 84, CY + 4, "metal")
    for x in range(16, 84, 6):                    # coarse trapezoidal thread
        p.poly([(x, CY + 4), (x + 2, CY - 4), (x + 4, CY - 4), (x + 6, CY + 4)], "metal")
    p.rect(40, 20, 60, 44, "#c08a40")             # bronze nut
    p.rect(36, 12, 64, 20, "load")
    p.arrow(44, 7, 62, 7)
    p.arrow(56, 7, 38, 7)
    return p


def rope_drum():
    p = Pic()
    p.rect(10, 8, 54, 30, "metal")                # drum
    p.ellipse(10, 19, 4, 11, "metal")
    p.ellipse(54, 19, 4, 11, "metal")
    for x in range(14, 52, 4):                    # rope turns
        p.line(x, 8, x + 2, 30, "dark")
    p.line(50, 30, 50, 44, "line", 2)             # rope to the load
    p.rect(40, 44, 60, 60, "load")
    p.line(18, 30, 18, 40, "line", 2)             # rope to the counterweight
    p.rect(12, 40, 24, 52, "dark")
    p.arrow(76, 40, 76, 14, "accent", 2)
    p.arrow(76, 30, 76, 58, "accent", 2)
    return p


def chain_conveyor():
    p = Pic()
    belt_pulleys(p, 14, 10, 82, 10, cy=40)
    for x in range(16, 82, 5):
        p.circle(x, 30, 1, "dark")
        p.circle(x, 50, 1, "dark")
    p.rect(30, 16, 44, 29, "load")
    p.rect(56, 18, 68, 29, "load")
    p.arrow(36, 8, 62, 8)
    return p


def index_table():
    import math
    p = Pic()
    p.rect(45, 40, 51, 62, "metal")               # shaft
    p.ellipse(48, 32, 44, 16, "metal")
    p.ellipse(48, 27, 44, 16, "metal")
    p.circle(48, 27, 3, "dark")
    for i in range(6):                            # fixtures on a circle
        a = i * math.pi / 3
        x, y = round(48 + 32 * math.cos(a)), round(27 + 11 * math.sin(a))
        p.rect(x - 5, y - 6, x + 5, y + 2, "load")
    p.arc(48, 52, 10, 20, 160, "accent", 2)
    return p


def spindle():
    p = Pic()
    p.rect(16, 14, 62, 50, "dark")                # housing
    p.rect(2, CY - 5, 80, CY + 5, "metal")       # spindle shaft
    p.rect(2, CY - 2, 80, CY + 2, "#ffffff")     # drawbar bore
    p.poly([(80, CY - 8), (88, CY - 4), (88, CY + 4), (80, CY + 8)], "metal")  # tool holder
    p.rect(88, CY - 2, 95, CY + 2, "load")       # tool
    p.arc(70, CY, 14, 250, 470, "accent", 2)
    return p


def cutting():
    p = Pic()
    p.rect(4, CY - 3, 52, CY + 3, "metal")       # spindle nose
    p.poly([(52, CY - 8), (60, CY - 4), (60, CY + 4), (52, CY + 8)], "metal")
    p.rect(60, CY - 3, 76, CY + 3, "load")       # cutter
    p.rect(70, 42, 94, 60, "dark")                # workpiece
    p.arc(68, CY, 18, 190, 440, "accent", 3)      # cutting torque against the rotation
    p.arrow(76, CY + 17, 64, CY + 18, "accent", 3, head=8)
    return p


ELEMENTS = {
    "rigid_coupling": rigid_coupling,
    "disc_coupling": disc_coupling,
    "jaw_coupling": jaw_coupling,
    "gear_reducer": gear_reducer,
    "belt_reduction": belt_reduction,
    "ball_screw": ball_screw,
    "rack_pinion": rack_pinion,
    "belt_axis": belt_axis,
    "conveyor": conveyor,
    "table": table,
    "vertical_load": vertical_load,
    "counterweight": counterweight,
    "force_linear": force_linear,
    "disc": disc,
    "hollow_cylinder": hollow_cylinder,
    "arm": arm,
    "pitch_circle": pitch_circle,
    "torque_rotary": torque_rotary,
    "gear_pair": gear_pair,
    "worm_gear": worm_gear,
    "chain_drive": chain_drive,
    "lead_screw": lead_screw,
    "rope_drum": rope_drum,
    "chain_conveyor": chain_conveyor,
    "index_table": index_table,
    "spindle": spindle,
    "cutting": cutting,
}

# ---------------------------------------------------------------------------------------
# Block tab pictures (18 x 60, white is transparent on the tab)
# ---------------------------------------------------------------------------------------

def tab_couplings():
    p = Pic()
    p.rect(7, 2, 11, 58, "metal")
    p.rect(3, 20, 15, 40, "metal")
    p.line(3, 30, 15, 30)
    return p


def tab_reducers():
    p = Pic()
    gear(p, 9, 16, 5, 6)
    gear(p, 9, 40, 7, 8)
    return p


def tab_converters():
    p = Pic()
    p.rect(7, 2, 11, 58, "metal")
    for y in range(4, 58, 4):
        p.line(7, y + 3, 11, y)
    p.rect(2, 24, 16, 36, "load")
    return p


def tab_linear_loads():
    p = Pic()
    p.rect(13, 2, 16, 58, "dark")
    p.rect(3, 18, 13, 38, "load")
    p.arrow(8, 40, 8, 56, "accent", 1, head=4)
    p.arrow(8, 16, 8, 3, "accent", 1, head=4)
    return p


def tab_rotary_loads():
    p = Pic()
    p.ellipse(9, 30, 7, 16, "metal")
    p.circle(9, 30, 2, "dark")
    p.arc(9, 30, 8, 300, 420, "accent", 1)
    return p


BLOCKS = {
    "couplings": tab_couplings,
    "reducers": tab_reducers,
    "converters": tab_converters,
    "linear_loads": tab_linear_loads,
    "rotary_loads": tab_rotary_loads,
}

# ---------------------------------------------------------------------------------------
# Motor pictures (fixed names the program loads)
# ---------------------------------------------------------------------------------------

def motor(geared):
    p = Pic()
    p.rect(4, 14, 50, 50, "dark")                 # body
    for y in range(18, 48, 5):                    # cooling fins
        p.line(8, y, 46, y)
    p.rect(50, 10, 58, 54, "metal")               # flange
    p.rect(14, 6, 30, 14, "metal")                # connector
    if geared:
        p.rect(58, 16, 80, 48, "metal")           # gear head
        p.line(69, 16, 69, 48)
        p.rect(80, CY - 3, 94, CY + 3, "metal")   # output shaft
    else:
        p.rect(58, CY - 3, 76, CY + 3, "metal")   # shaft
    return p


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "catalog", "picture")
    os.makedirs(os.path.join(out, "element"), exist_ok=True)
    os.makedirs(os.path.join(out, "block"), exist_ok=True)
    for name, draw in ELEMENTS.items():
        pic = draw()
        base = os.path.join(out, "element", name)
        render(pic, base + ".png", NORMAL)
        render(pic, base + "-on.png", SELECTED)
        render(pic, base + "-drag.png", NORMAL, faded=True)
    for name, draw in BLOCKS.items():
        render(draw(), os.path.join(out, "block", name + ".png"), NORMAL, size=(18, 60))
    plain, geared = motor(False), motor(True)
    render(plain, os.path.join(out, "00.jpg"), NORMAL, quality=90)
    render(plain, os.path.join(out, "00-on.jpg"), SELECTED, quality=90)
    render(plain, os.path.join(out, "00-drag.jpg"), NORMAL, faded=True, quality=90)
    render(geared, os.path.join(out, "0.jpg"), NORMAL, quality=90)
    render(geared, os.path.join(out, "0-on.jpg"), SELECTED, quality=90)


if __name__ == "__main__":
    main()
