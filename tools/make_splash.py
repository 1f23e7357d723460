#!/usr/bin/env python3
"""Draws the splash picture catalog/picture/splash.jpg (480 x 150): the name "Kinemo" beside
a motor disc and a trapezoidal speed profile. Needs Python 3 and ImageMagick's `convert`;
the generated picture is committed, so a build never runs this script.

    python3 tools/make_splash.py [output.jpg]
"""
import math
import os
import subprocess
import sys

WIDTH, HEIGHT = 480, 150
ACCENT = "#f2a541"
LIGHT = "#e8eef5"


def font(pattern):
    """A font file for a fontconfig pattern, so the picture does not depend on font names."""
    return subprocess.run(["fc-match", "-f", "%{file}", pattern], check=True,
                          capture_output=True, text=True).stdout.strip()


def arc_lines(cx, cy, r, start, end, steps=18):
    """An arc as short lines: convert closes stroked arcs and ellipses with a chord."""
    points = [(cx + r * math.cos(math.radians(start + (end - start) * i / steps)),
               cy + r * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]
    out = []
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        out += ["-draw", f"line {ax:.1f},{ay:.1f} {bx:.1f},{by:.1f}"]
    return out


def motor_disc(cx, cy, r):
    return [
        "-fill", "none", "-stroke", LIGHT, "-strokewidth", "7",
        "-draw", f"circle {cx},{cy} {cx + r},{cy}",
        "-fill", LIGHT, "-stroke", "none",
        "-draw", f"circle {cx},{cy} {cx + 8},{cy}",
        # The turning arc: a quarter of the rim in the accent colour.
        "-fill", "none", "-stroke", ACCENT, "-strokewidth", "7",
        *arc_lines(cx, cy, r, -90, 0),
    ]


def speed_profile(x0, x1, base, top):
    ramp = (x1 - x0) // 5
    corners = [(x0, base), (x0 + ramp, top), (x1 - ramp, top), (x1, base)]
    # Separate lines: a stroked polyline would be closed by convert.
    segments = []
    for (ax, ay), (bx, by) in zip(corners, corners[1:]):
        segments += ["-draw", f"line {ax},{ay} {bx},{by}"]
    return [
        "-fill", "none", "-stroke", ACCENT, "-strokewidth", "4",
        *segments,
        "-stroke", LIGHT, "-strokewidth", "2",
        "-draw", f"line {x0 - 6},{base} {x1 + 10},{base}",
    ]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "catalog", "picture", "splash.jpg")
    bold, regular = font("DejaVu Sans:bold"), font("DejaVu Sans")
    cmd = ["convert", "-size", f"{WIDTH}x{HEIGHT}", "gradient:#1f4e79-#0b2136"]
    cmd += motor_disc(74, 56, 34)
    cmd += speed_profile(26, 122, 134, 110)
    cmd += ["-stroke", "none", "-fill", LIGHT, "-font", bold, "-pointsize", "58",
            "-annotate", "+162+88", "Kinemo",
            "-fill", ACCENT, "-font", regular, "-pointsize", "17",
            "-annotate", "+166+118", "servo motor sizing"]
    cmd += ["-quality", "92", "-strip", out]
    subprocess.run(cmd, check=True)


if __name__ == "__main__":
    main()
