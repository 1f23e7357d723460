#!/usr/bin/env python3
"""Writes the motor catalog of the sample database: catalog/en/400_motor_*.sql.

The motor catalog is generated so that the values of one motor family stay consistent
(rated torque = P * 60 / (2 * pi * n), peak about three times rated, brake versions with a
larger rotor inertia, 100 V windings with twice the current and a quarter of the phase
resistance of the 200 V winding, one amplifier table for every capacitor, trip voltage and
regeneration figure). Edit the tables below and run the script again; never edit the SQL
files by hand.

Usage: tools/make_motor_catalog.py [catalog/en]

Units of the generated numeric columns (the judgement formulas rely on them; see the
"Motors" section of catalog/README.md): inertia kg*m^2, torque N*m, speed r/min, voltage V,
capacitance uF, resistance ohm per phase, current A rms, power W, backlash arc-minutes.
"""

import math
import os
import sys

# ---------------------------------------------------------------------------------------
# Search items
# ---------------------------------------------------------------------------------------

# Output ratings: code -> (name, W). The model code of an output is its rating in tens of
# watts, three digits (50 W = 005, 750 W = 075, 1 kW = 100, 5 kW = 500).
OUTPUTS = [
    (1, "50 W", 50), (2, "100 W", 100), (3, "200 W", 200), (4, "400 W", 400),
    (5, "750 W", 750), (6, "1.0 kW", 1000), (7, "1.5 kW", 1500), (8, "2.0 kW", 2000),
    (9, "3.0 kW", 3000), (10, "4.0 kW", 4000), (11, "5.0 kW", 5000),
]
OUT_CD = {w: cd for cd, _, w in OUTPUTS}

# Codes are fixed; the list order (orderby) puts the most common choice first: the motor
# screen selects the first entry of a list when nothing was chosen.
PHASES = [(1, "Single-phase", 2), (2, "Three-phase", 1)]
SUPPLIES = [(1, "100 V", 100, 2), (2, "200 V", 200, 1)]    # codes 1..n
BRAKES = [(1, "With brake", 1, "With holding brake (24 V DC)", 2),
          (2, "Without brake", 0, "None", 1)]              # name, n_brake, value, order
# code, name, position range (pulses), resolution (pulses per revolution); codes 1..n
ENCODERS = [(1, "20-bit incremental", 10, 1048576),
            (2, "23-bit absolute (multi-turn)", 80, 8388608),
            (3, "17-bit absolute (multi-turn)", 10, 131072)]
MOTOR_GEARS = [(1, "With gear head", "Built-in gear head"),
               (2, "Without gear head", "None")]
OIL_SEALS = [(1, "Without oil seal"), (2, "With oil seal")]
MOTOR_SHAFTS = [(1, "Straight shaft"), (2, "Shaft with key and tapped hole")]
GEAR_TYPES = [(1, "Planetary, high precision"), (2, "Planetary, standard precision"),
              (3, "General-purpose gear head")]
GEAR_RATES = [(1, "1/5", 5), (2, "1/9", 9), (3, "1/15", 15), (4, "1/25", 25)]  # codes 1..n
RATE_CD = {v: cd for cd, _, v in GEAR_RATES}
GEAR_SHAFTS = [(1, "Straight output shaft"), (2, "Output shaft with key"),
               (3, "Flange output")]

# Letters of the model names.
ENC_LETTER = {1: "A", 2: "B", 3: "C"}
BRAKE_LETTER = {1: "B", 2: "N"}
SHAFT_LETTER = {1: "S", 2: "K"}
SEAL_LETTER = {1: "0", 2: "1"}
GTYPE_LETTER = {1: "P", 2: "Q", 3: "G"}
GSHAFT_LETTER = {1: "S", 2: "K", 3: "F"}

# ---------------------------------------------------------------------------------------
# Amplifiers
# ---------------------------------------------------------------------------------------

# key: (model, supply code, size in W, interface, capacitor uF, trip V, allowable W,
#       momentary W, external resistor designation, its rating W, price)
# - trip: DC bus voltage up to which the capacitor absorbs regenerated energy (overvoltage
#   protection level) - 400 V for the 200 V class (bus 283 V at 200 V AC), 200 V for the
#   100 V class (bus 141 V at 100 V AC);
# - allowable: continuous regenerative power of the built-in resistor (0: none built in);
# - momentary: peak regenerative power of the regeneration circuit: trip voltage squared
#   over the built-in resistor, or over the smallest external resistor allowed when there is
#   none built in;
# - the standard external resistor's power consumption capacity (the regenerative power it
#   takes continuously with natural cooling) is a third of its rating.
AMPS = {
    "A101": ("KDA101", 1, 100, "A", 820, 200, 0, 1000, "KRX-1040 (40 Ω, 60 W)", 60, 520),
    "A102": ("KDA102", 1, 200, "A", 1200, 200, 0, 1330, "KRX-1030 (30 Ω, 60 W)", 60, 580),
    "A104": ("KDA104", 1, 400, "A", 1800, 200, 0, 2000, "KRX-2020 (20 Ω, 120 W)", 120, 680),
    "A201": ("KDA201", 2, 100, "A", 330, 400, 0, 1600, "KRX-1100 (100 Ω, 60 W)", 60, 500),
    "A202": ("KDA202", 2, 200, "A", 470, 400, 0, 1600, "KRX-1100 (100 Ω, 60 W)", 60, 560),
    "A204": ("KDA204", 2, 400, "A", 680, 400, 0, 3200, "KRX-2050 (50 Ω, 120 W)", 120, 650),
    "A208": ("KDA208", 2, 750, "A", 1000, 400, 10, 3200, "KRX-2050 (50 Ω, 120 W)", 120, 780),
    "A210": ("KDA210", 2, 1000, "A", 1360, 400, 20, 4000, "KRX-4040 (40 Ω, 240 W)", 240, 980),
    "A215": ("KDA215", 2, 1500, "A", 1640, 400, 30, 5330, "KRX-4030 (30 Ω, 240 W)", 240, 1150),
    "A220": ("KDA220", 2, 2000, "A", 2000, 400, 50, 8000, "KRX-8020 (20 Ω, 480 W)", 480, 1400),
    "A230": ("KDA230", 2, 3000, "A", 2720, 400, 70, 10700, "KRX-9015 (15 Ω, 600 W)", 600, 1750),
    "A250": ("KDA250", 2, 5000, "A", 3600, 400, 100, 16000, "KRX-9510 (10 Ω, 900 W)", 900, 2300),
    "N210": ("KDN210", 2, 1000, "N", 1360, 400, 20, 4000, "KRX-4040 (40 Ω, 240 W)", 240, 1130),
    "N215": ("KDN215", 2, 1500, "N", 1640, 400, 30, 5330, "KRX-4030 (30 Ω, 240 W)", 240, 1320),
    "N220": ("KDN220", 2, 2000, "N", 2000, 400, 50, 8000, "KRX-8020 (20 Ω, 480 W)", 480, 1610),
    "N230": ("KDN230", 2, 3000, "N", 2720, 400, 70, 10700, "KRX-9015 (15 Ω, 600 W)", 600, 2010),
    "N250": ("KDN250", 2, 5000, "N", 3600, 400, 100, 16000, "KRX-9510 (10 Ω, 900 W)", 900, 2450),
}
AMP_ORDER = ["A101", "A102", "A104", "A201", "A202", "A204", "A208", "A210", "A215", "A220",
             "A230", "A250", "N210", "N215", "N220", "N230", "N250"]
AMP_CD = {key: i + 1 for i, key in enumerate(AMP_ORDER)}

INTERFACE_TEXT = {"A": "pulse train and analogue command",
                  "N": "network command (cyclic position, speed and torque modes)"}


def amp_for(supply, watts, interface="A"):
    size = next(s for s in (100, 200, 400, 750, 1000, 1500, 2000, 3000, 5000) if s >= watts)
    if supply == 1:
        return "A1%02d" % (size // 100)
    code = {100: "01", 200: "02", 400: "04", 750: "08", 1000: "10", 1500: "15", 2000: "20",
            3000: "30", 5000: "50"}[size]
    return interface + "2" + code


def fmt_power(w):
    return "%d W" % w if w < 1000 else ("%g kW" % (w / 1000.0))


# Connection pictures of the option screen: code -> (file, what it shows)
CONNECT = [
    (1, "picture/connect/amp_1ph_100v.png"),
    (2, "picture/connect/amp_1ph_200v.png"),
    (3, "picture/connect/amp_3ph_200v.png"),
    (4, "picture/connect/amp_1ph_200v_r.png"),
    (5, "picture/connect/amp_3ph_200v_r.png"),
    (6, "picture/connect/amp_3ph_200v_net.png"),
]


def connect_for(amp_key, phase):
    model, supply, size, interface = AMPS[amp_key][:4]
    if interface == "N":
        return 6
    if supply == 1:
        return 1
    builtin = AMPS[amp_key][6] > 0
    if phase == 1:
        return 4 if builtin else 2
    return 5 if builtin else 3


# ---------------------------------------------------------------------------------------
# Motor families
# ---------------------------------------------------------------------------------------

# W -> (rated N*m, peak N*m, rotor inertia 1e-4 kg*m^2, with brake, rated current A at
#       200 V, phase resistance ohm at 200 V); rated speed and maximum speed per family.
LOW_SMALL = {   # low inertia, 3000 / 6000 r/min
    50: (0.159, 0.477, 0.025, 0.027, 0.80, 8.5),
    100: (0.318, 0.955, 0.040, 0.047, 1.1, 5.6),
    200: (0.637, 1.91, 0.13, 0.15, 1.6, 2.6),
    400: (1.27, 3.82, 0.23, 0.26, 2.6, 1.3),
    750: (2.39, 7.16, 0.87, 0.97, 4.4, 0.55),
}
MED_SMALL = {   # medium inertia, 3000 / 5000 r/min
    100: (0.318, 0.955, 0.072, 0.078, 1.0, 6.0),
    200: (0.637, 1.91, 0.34, 0.37, 1.6, 2.9),
    400: (1.27, 3.82, 0.62, 0.66, 2.6, 1.45),
    750: (2.39, 7.16, 1.55, 1.65, 4.1, 0.62),
}
MED_FLAT = {    # medium inertia flat (short, large flange), 3000 / 5000 r/min (1.5 kW: 4500)
    100: (0.318, 0.955, 0.10, 0.13, 0.95, 6.4),
    200: (0.637, 1.91, 0.42, 0.50, 1.6, 3.0),
    400: (1.27, 3.82, 0.68, 0.76, 2.6, 1.5),
    750: (2.39, 7.16, 2.05, 2.25, 4.2, 0.60),
    1500: (4.77, 14.3, 6.5, 7.2, 8.0, 0.38),
}
MED_LARGE = {   # medium inertia, 2000 / 3000 r/min
    1000: (4.77, 14.3, 6.2, 7.1, 5.7, 0.74),
    1500: (7.16, 21.5, 9.0, 9.9, 9.4, 0.37),
    2000: (9.55, 28.6, 12.0, 13.0, 11.5, 0.25),
    3000: (14.3, 43.0, 18.5, 20.5, 17.4, 0.14),
    4000: (19.1, 57.3, 37.0, 40.0, 22.0, 0.10),
    5000: (23.9, 71.6, 46.0, 49.5, 28.0, 0.075),
}
LOW_LARGE = {   # low inertia, 3000 / 5000 r/min (4 kW and 5 kW: 4500)
    1000: (3.18, 9.55, 1.85, 2.10, 6.6, 0.52),
    1500: (4.77, 14.3, 2.60, 2.90, 8.2, 0.35),
    2000: (6.37, 19.1, 3.40, 3.85, 11.3, 0.22),
    3000: (9.55, 28.6, 6.70, 7.90, 17.6, 0.11),
    4000: (12.7, 38.2, 12.0, 14.2, 19.8, 0.10),
    5000: (15.9, 47.7, 15.1, 17.3, 24.0, 0.072),
}

# Motor prices without brake, with the basic encoder (catalog currency, integers).
BASE_PRICE = {
    "KRS": {100: 320, 200: 370, 400: 440, 750: 580},
    "KRF": {100: 380, 200: 430, 400: 510, 750: 660, 1500: 1080},
    "KRL": {1000: 880, 1500: 1080, 2000: 1290, 3000: 1640, 4000: 2080, 5000: 2480},
    "SWS": {50: 300, 100: 330, 200: 390, 400: 460, 750: 610},
    "SWL": {1000: 960, 1500: 1150, 2000: 1380, 3000: 1740, 4000: 2150, 5000: 2450},
}


def brake_price(w):
    return 110 if w <= 100 else 140 if w <= 400 else 180 if w <= 750 else \
        260 if w <= 1500 else 320 if w <= 3000 else 390


def encoder_price(enc, w):
    if enc == 2:
        return 70 if w <= 750 else 110
    if enc == 3:
        return 30
    return 0


# ---------------------------------------------------------------------------------------
# Gear heads (geared series). Per series: base inertia at the motor shaft (1e-4 kg*m^2)
# and base no-load running torque at the motor shaft (N*m) per motor output; factors per
# ratio (single stage 1/5 and 1/9, two stages 1/15 and 1/25 with a larger output stage);
# efficiency and backlash per gear type and stage count; maximum input speed; price.
# ---------------------------------------------------------------------------------------

RATIO_J = {5: 1.0, 9: 0.75, 15: 1.35, 25: 1.15}
TWO_STAGE = {5: False, 9: False, 15: True, 25: True}

GEAR = {
    # series prefix: (base J, base T, max input speed, gear price)
    "HNP": ({50: 0.010, 100: 0.020, 200: 0.055, 400: 0.11, 750: 0.48},
            {50: 0.008, 100: 0.012, 200: 0.025, 400: 0.045, 750: 0.08},
            {50: 6000, 100: 6000, 200: 6000, 400: 5000, 750: 4500},
            {50: 520, 100: 560, 200: 640, 400: 720, 750: 930}),
    "HNG": ({100: 0.030, 200: 0.080, 400: 0.15, 750: 0.55},
            {100: 0.025, 200: 0.045, 400: 0.08, 750: 0.14},
            {100: 4000, 200: 4000, 400: 4000, 750: 4000},
            {100: 260, 200: 300, 400: 360, 750: 480}),
    "HNL": ({1000: 1.2, 1500: 1.8, 2000: 2.6},
            {1000: 0.15, 1500: 0.22, 2000: 0.30},
            {1000: 3000, 1500: 3000, 2000: 3000},
            {1000: 1200, 1500: 1350, 2000: 1550}),
}


def gear_values(prefix, gtype, ratio, w):
    base_j, base_t, max_in, price = GEAR[prefix]
    two = TWO_STAGE[ratio]
    j = base_j[w] * RATIO_J[ratio] * 1e-4
    t = base_t[w] * (1.2 if two else 1.0)
    if gtype == 1:
        eta = (0.86 if two else 0.90) if w >= 1000 else (0.85 if two else 0.90)
        if w <= 100:
            eta -= 0.03
        back = 5 if two else 3
    elif gtype == 2:
        j *= 0.85
        t *= 1.1
        eta = 0.80 if two else 0.85
        if w <= 100:
            eta -= 0.03
        back = 20 if two else 15
    else:
        eta = {5: 0.80, 9: 0.78, 15: 0.72, 25: 0.70}[ratio]
        if w <= 100:
            eta -= 0.05
        back = 60 if two else 45
    gprice = price[w] * (1.15 if two else 1.0)
    if gtype == 2:
        gprice *= 0.7
    return j, t, round(eta, 2), back, max_in[w], int(round(gprice / 10.0) * 10)


def backlash_text(back):
    return "%d arcmin or less" % back


# ---------------------------------------------------------------------------------------
# Functions and series
# ---------------------------------------------------------------------------------------

FUNCTIONS = [
    (1, "General purpose (medium inertia)",
     "Medium-inertia motors for conveyors, feeders, ball-screw tables, rotary tables and "
     "other machines whose load inertia is large compared with the motor. They stay stable "
     "with load-to-rotor inertia ratios of 15 to 30 without special tuning. 100 W to 5 kW, "
     "100 V and 200 V classes.",
     "General purpose", 0, 1),
    (2, "High response (low inertia)",
     "Low-inertia motors for short, frequent positioning moves: pick-and-place axes, belt "
     "axes, indexing with a small load inertia. Highest acceleration per ampere; keep the "
     "load-to-rotor inertia ratio below 10 to 15. 50 W to 5 kW, 100 V and 200 V classes.",
     "High response", 0, 2),
    (3, "Geared motors (built-in gear head)",
     "Servo motors with a gear head mounted and lubricated at the factory: high-precision "
     "and standard planetary heads for positioning, general-purpose heads for conveyors. The "
     "gear head multiplies the torque by its ratio and divides the reflected load inertia by "
     "the square of the ratio.",
     "Geared", 0, 3),
]

# prefix: (tms_cd, function, order, name, picture base, feature)
SERIES = {
    "KRS": (1, 1, 1, "Kestrel S, 100 W to 750 W", "kestrel_s",
            "Compact medium-inertia motors, 40 mm to 80 mm flange. Rated speed 3000 r/min, "
            "maximum 5000 r/min, peak torque three times rated. 100 V class single-phase up "
            "to 400 W, 200 V class single- or three-phase up to 750 W. 20-bit incremental or "
            "23-bit absolute encoder. Options: holding brake, oil seal, keyed shaft. IP65."),
    "KRF": (2, 1, 2, "Kestrel F (flat), 100 W to 1.5 kW", "kestrel_f",
            "Flat medium-inertia motors: short body, large flange, for machines with little "
            "room behind the axis. Rated speed 3000 r/min, maximum 5000 r/min (1.5 kW: 4500). "
            "200 V class; single- or three-phase up to 750 W, three-phase at 1.5 kW. 23-bit "
            "absolute encoder. Options: holding brake, oil seal, keyed shaft. IP65."),
    "KRL": (3, 1, 3, "Kestrel L, 1 kW to 5 kW", "kestrel_l",
            "Medium-inertia motors for heavy axes, 130 mm and 180 mm flange. Rated speed "
            "2000 r/min, maximum 3000 r/min, peak torque three times rated. 200 V class "
            "three-phase. Amplifier with pulse train and analogue command or with network "
            "command (network amplifiers with the absolute encoder only). 20-bit incremental "
            "or 23-bit absolute encoder. Options: holding brake, oil seal, keyed shaft. IP67."),
    "SWS": (4, 2, 1, "Swift S, 50 W to 750 W", "swift_s",
            "Low-inertia motors for fast indexing and short cycles, 40 mm to 80 mm flange. "
            "Rated speed 3000 r/min, maximum 6000 r/min, peak torque three times rated. "
            "100 V class single-phase up to 400 W, 200 V class single- or three-phase up to "
            "750 W. 20-bit incremental or 23-bit absolute encoder. Options: holding brake, "
            "oil seal (from 100 W), keyed shaft. IP65."),
    "SWL": (5, 2, 2, "Swift L, 1 kW to 5 kW", "swift_l",
            "Low-inertia motors with a long, slim rotor for high-speed axes with a small load "
            "inertia, 100 mm to 130 mm flange. Rated speed 3000 r/min, maximum 5000 r/min "
            "(4 kW and 5 kW: 4500). 200 V class three-phase. 23-bit absolute encoder. Options: "
            "holding brake, oil seal, keyed shaft. IP67."),
    "HNP": (6, 3, 1, "Heron P (precision planetary), 50 W to 750 W", "heron_p",
            "Swift S low-inertia motors with a planetary gear head. High precision: 3 arcmin "
            "single stage (1/5, 1/9), 5 arcmin two stages (1/15, 1/25; 1/25 up to 400 W). "
            "Standard precision: 15 and 20 arcmin (1/5, 1/9, 1/15). 200 V class, 23-bit "
            "absolute encoder. Output shaft with key or flange output."),
    "HNG": (7, 3, 2, "Heron G (general-purpose gear head), 100 W to 750 W", "heron_g",
            "Kestrel S medium-inertia motors with a general-purpose gear head for conveyors, "
            "turntables and feeders: ratios 1/5, 1/15, 1/25, backlash 45 to 60 arcmin. 100 V "
            "class up to 200 W, 200 V class up to 750 W. 17-bit absolute encoder. Straight or "
            "keyed output shaft."),
    "HNL": (8, 3, 3, "Heron L (precision planetary), 1 kW to 2 kW", "heron_l",
            "Kestrel L medium-inertia motors with a high-precision planetary gear head for "
            "heavy rotary tables and arms: 1/5 and 1/9 (3 arcmin), 1/15 and 1/25 (5 arcmin; "
            "1/25 up to 1.5 kW). 200 V class three-phase, 23-bit absolute encoder. Output "
            "shaft with key or flange output."),
}
SERIES_ORDER = ["KRS", "KRF", "KRL", "SWS", "SWL", "HNP", "HNG", "HNL"]

# Motor variants per series: list of (family table, W, supply, phases, encoders,
# amplifier interfaces, rated speed, maximum speed, warning inertia ratio).
# Codes are numbered in this order within a series (msv_cd = series * 1000 + n, likewise the
# extension codes): project files store them, so add new motors after the existing lines of
# their series, and make sure a change of the extension choices keeps the numbers of the
# existing extension codes (compare the generated files before committing).
def variants():
    out = []

    def add(prefix, fam, ws, supply, phases, encs, ifaces, nr, nmax, winertia):
        for w in ws:
            out.append((prefix, fam, w, supply, phases, encs, ifaces, nr,
                        nmax(w) if callable(nmax) else nmax, winertia))

    add("KRS", MED_SMALL, [100, 200, 400], 1, [1], [1, 2], ["A"], 3000, 5000, 30)
    add("KRS", MED_SMALL, [100, 200, 400, 750], 2, [1, 2], [1, 2], ["A"], 3000, 5000, 30)
    add("KRF", MED_FLAT, [100, 200, 400, 750], 2, [1, 2], [2], ["A"], 3000, 5000, 25)
    add("KRF", MED_FLAT, [1500], 2, [2], [2], ["A"], 3000, 4500, 25)
    add("KRL", MED_LARGE, [1000, 1500, 2000, 3000, 4000, 5000], 2, [2], [1, 2], ["A", "N"],
        2000, 3000, 15)
    add("SWS", LOW_SMALL, [50, 100, 200, 400], 1, [1], [1, 2], ["A"], 3000, 6000, 15)
    add("SWS", LOW_SMALL, [50, 100, 200, 400, 750], 2, [1, 2], [1, 2], ["A"], 3000, 6000, 15)
    add("SWL", LOW_LARGE, [1000, 1500, 2000, 3000, 4000, 5000], 2, [2], [2], ["A"], 3000,
        lambda w: 4500 if w >= 4000 else 5000, 10)
    add("HNP", LOW_SMALL, [50, 100, 200, 400, 750], 2, [1, 2], [2], ["A"], 3000, 6000, 15)
    add("HNG", MED_SMALL, [100, 200], 1, [1], [3], ["A"], 3000, 5000, 30)
    add("HNG", MED_SMALL, [100, 200, 400, 750], 2, [1, 2], [3], ["A"], 3000, 5000, 30)
    add("HNL", MED_LARGE, [1000, 1500, 2000], 2, [2], [2], ["A"], 2000, 3000, 15)
    return out


# Gear options of the geared series: gear type -> (ratios, gear shafts)
GEARED = {
    "HNP": {1: ([5, 9, 15, 25], [2, 3]), 2: ([5, 9, 15], [1, 2])},
    "HNG": {3: ([5, 15, 25], [1, 2])},
    "HNL": {1: ([5, 9, 15, 25], [2, 3])},
}
# Extension codes not offered for an output: (series, predicate on the extension code, W)
NOT_OFFERED = [
    ("SWS", lambda x: x["msos"] == 2, 50),    # no oil seal on the 50 W shaft
    ("HNP", lambda x: x["msgr"] == RATE_CD[25], 750),   # 1/25 head too small for 750 W
    ("HNL", lambda x: x["msgr"] == RATE_CD[25], 2000),  # 1/25 head too small for 2 kW
]


# ---------------------------------------------------------------------------------------
# Building the rows
# ---------------------------------------------------------------------------------------

def build():
    # Extension codes
    ext = []          # dicts
    for prefix in SERIES_ORDER:
        tms = SERIES[prefix][0]
        n = 0
        rows = []
        if prefix in GEARED:
            for brake in (1, 2):
                for gtype, (ratios, shafts) in GEARED[prefix].items():
                    for ratio in ratios:
                        for gs in shafts:
                            rows.append(dict(msb=brake, msmg=1, msgr=RATE_CD[ratio],
                                             msgt=gtype, msos=None, msms=None, msgs=gs,
                                             suffix=BRAKE_LETTER[brake] + GTYPE_LETTER[gtype]
                                             + "%02d" % ratio + GSHAFT_LETTER[gs]))
        else:
            for brake in (1, 2):
                for shaft in (1, 2):
                    for seal in (1, 2):
                        rows.append(dict(msb=brake, msmg=2, msgr=None, msgt=None, msos=seal,
                                         msms=shaft, msgs=None,
                                         suffix=BRAKE_LETTER[brake] + SHAFT_LETTER[shaft]
                                         + SEAL_LETTER[seal]))
        for r in rows:
            n += 1
            r["cd"] = tms * 100 + n
            r["tms"] = tms
            r["prefix"] = prefix
            ext.append(r)

    not_offered = []
    for prefix, pred, w in NOT_OFFERED:
        for x in ext:
            if x["prefix"] == prefix and pred(x):
                not_offered.append((x["cd"], OUT_CD[w]))
    excluded = set(not_offered)

    motors = []
    counters = {}
    for (prefix, fam, w, supply, phases, encs, ifaces, nr, nmax, winertia) in variants():
        tms = SERIES[prefix][0]
        tr, tmax, j, jb, i200, r200 = fam[w]
        if supply == 1:
            cur, res = i200 * 2, round(r200 / 4.0, 3)
        else:
            cur, res = i200, r200
        gear_opts = [(None, None)]
        if prefix in GEARED:
            gear_opts = [(gt, ratio) for gt, (ratios, _) in GEARED[prefix].items()
                         for ratio in ratios]
        for enc in encs:
            for iface in ifaces:
                if iface == "N" and enc != 2:
                    continue          # network amplifiers with the absolute encoder only
                amp_key = amp_for(supply, w, iface)
                amp = AMPS[amp_key]
                for phase in phases:
                    for brake in (1, 2):
                        for gtype, ratio in gear_opts:
                            # a motor row is only kept when some extension code sells it
                            if ratio is not None and all(
                                    (x["cd"], OUT_CD[w]) in excluded for x in ext
                                    if x["prefix"] == prefix and x["msb"] == brake
                                    and x["msgt"] == gtype and x["msgr"] == RATE_CD[ratio]):
                                continue
                            counters[tms] = counters.get(tms, 0) + 1
                            m = dict(cd=tms * 1000 + counters[tms], tms=tms, prefix=prefix,
                                     w=w, map=AMP_CD[amp_key], amp_key=amp_key,
                                     moc=connect_for(amp_key, phase), mso=OUT_CD[w],
                                     msp=phase, mss=supply, mse=enc, msb=brake)
                            m["base_model"] = "%s%03d%d%s" % (prefix, w // 10, supply,
                                                              ENC_LETTER[enc])
                            m["amplifier"] = amp[0]
                            m["amplifier2"] = "%s, %s %s, %s" % (
                                fmt_power(amp[2]),
                                "single-phase" if supply == 1 else
                                ("single- or three-phase" if amp[2] <= 750 else "three-phase"),
                                "100 V" if supply == 1 else "200 V",
                                INTERFACE_TEXT[amp[3]])
                            m["resistor"] = amp[8]
                            m["J"] = (jb if brake == 1 else j) * 1e-4
                            m["winertia"] = winertia
                            m["tmax"], m["tr"] = tmax, tr
                            m["nr"] = nr
                            m["cap"], m["trip"] = amp[4], amp[5]
                            m["res"], m["cur"] = res, cur
                            m["allow"], m["mom"] = amp[6], amp[7]
                            m["ext_rating"] = amp[9]
                            m["ext_capacity"] = int(round(amp[9] / 3.0))
                            price = BASE_PRICE.get(prefix, BASE_PRICE.get(
                                {"HNP": "SWS", "HNG": "KRS", "HNL": "KRL"}.get(prefix, ""),
                                {}))[w]
                            price += encoder_price(enc, w)
                            if brake == 1:
                                price += brake_price(w)
                            if ratio is None:
                                m.update(msmg=2, msgr=None, msgt=None, gj=0.0, gt=0.0,
                                         eta=1.0, back=0.0, backtext="-", nmax=nmax)
                            else:
                                gj, gt, eta, back, max_in, gprice = gear_values(
                                    prefix, gtype, ratio, w)
                                m.update(msmg=1, msgr=RATE_CD[ratio], msgt=gtype, gj=gj,
                                         gt=gt, eta=eta, back=float(back),
                                         backtext=backlash_text(back), nmax=min(nmax, max_in))
                                price += gprice
                            m["price"] = price
                            motors.append(m)

    prices = []
    for m in motors:
        for x in ext:
            if x["tms"] != m["tms"] or x["msb"] != m["msb"] or x["msmg"] != m["msmg"] \
                    or x["msgr"] != m["msgr"] or x["msgt"] != m["msgt"]:
                continue
            if (x["cd"], m["mso"]) in excluded:
                continue
            p = m["price"]
            if x["msos"] == 2:
                p += 15
            if x["msms"] == 2:
                p += 10
            if x["msgs"] == 2:
                p += 10
            if x["msgs"] == 3:
                p += 40
            prices.append(dict(cd=m["cd"] * 100 + x["cd"] % 100, msv=m["cd"], mxc=x["cd"],
                               model=m["base_model"] + x["suffix"], price=p))
    return ext, not_offered, motors, prices


# ---------------------------------------------------------------------------------------
# SQL output
# ---------------------------------------------------------------------------------------

def q(s):
    if s is None:
        return "NULL"
    return "'" + str(s).replace("'", "''") + "'"


def n(v):
    if v is None:
        return "NULL"
    if isinstance(v, int):
        return str(v)
    return "%.6g" % v


HEADER = ("-- Generated by tools/make_motor_catalog.py: edit the script and run it again.\n")


def insert(table, cols, rows, per_line=None):
    out = ["INSERT INTO %s (%s) VALUES" % (table, ", ".join(cols))]
    body = []
    for r in rows:
        body.append("  (" + ", ".join(r) + ")")
    out.append(",\n".join(body) + ";")
    return "\n".join(out) + "\n"


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def main():
    dest = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "catalog", "en")
    ext, not_offered, motors, prices = build()

    # 10: functions, series, search items
    s = [HEADER,
         "-- Motor functions, series and the search items of the motor screens. Codes of\n"
         "-- m_search_supply, m_search_encoder and m_search_gear_rate run 1..n (used as row\n"
         "-- numbers); phase 1/2, supply 1/2, brake 1/2 and motor gear 1/2 are fixed codes.\n\n"]
    s.append(insert("m_motor_function",
                    ["mmf_cd", "mmf_name", "mmf_feature", "mmf_value", "mmf_hide", "mmf_order"],
                    [[n(a), q(b), q(c), q(d), n(e), n(f)] for a, b, c, d, e, f in FUNCTIONS]))
    s.append("\n")
    rows = []
    for prefix in SERIES_ORDER:
        tms, mmf, order, name, pic, feat = SERIES[prefix]
        rows.append([n(tms), n(mmf), q(name), q(feat), q("picture/series/%s.png" % pic),
                     q("picture/series/%s-option.png" % pic), n(order)])
    s.append(insert("t_motor_series", ["tms_cd", "tms_mmf_cd", "tms_name", "tms_feature",
                                       "tms_image", "tms_option_image", "tms_orderby"], rows))
    s.append("\n-- Output ratings, rated output in W.\n")
    s.append(insert("m_search_output", ["mso_cd", "mso_name", "mso_orderby", "mso_n_output"],
                    [[n(cd), q(nm), n(cd), n(float(w))] for cd, nm, w in OUTPUTS]))
    s.append("\n")
    s.append(insert("m_search_phase", ["msp_cd", "msp_name", "msp_orderby"],
                    [[n(cd), q(nm), n(o)] for cd, nm, o in PHASES]))
    s.append("\n-- Rated supply voltage in V (the default input supply voltage of a judgement).\n")
    s.append(insert("m_search_supply", ["mss_cd", "mss_name", "mss_orderby", "mss_n_supply"],
                    [[n(cd), q(nm), n(o), n(v)] for cd, nm, v, o in SUPPLIES]))
    s.append("\n-- msb_n_brake: 1 with a holding brake, 0 without; msb_value: detail text.\n")
    s.append(insert("m_search_brake",
                    ["msb_cd", "msb_name", "msb_orderby", "msb_n_brake", "msb_value"],
                    [[n(cd), q(nm), n(o), n(float(nb)), q(v)] for cd, nm, nb, v, o in BRAKES]))
    s.append("\n-- mse_range: default position range (in-position window) in encoder pulses;\n"
             "-- mse_m_res: resolution in pulses per motor revolution.\n")
    s.append(insert("m_search_encoder",
                    ["mse_cd", "mse_name", "mse_orderby", "mse_range", "mse_m_res"],
                    [[n(cd), q(nm), n(cd), n(rg), n(res)] for cd, nm, rg, res in ENCODERS]))
    s.append("\n")
    s.append(insert("m_search_motor_gear", ["msmg_cd", "msmg_name", "msmg_orderby", "msmg_value"],
                    [[n(cd), q(nm), n(cd), q(v)] for cd, nm, v in MOTOR_GEARS]))
    s.append("\n")
    s.append(insert("m_search_oil_seal", ["msos_cd", "msos_name", "msos_orderby"],
                    [[n(cd), q(nm), n(cd)] for cd, nm in OIL_SEALS]))
    s.append("\n")
    s.append(insert("m_search_motor_shaft", ["msms_cd", "msms_name", "msms_orderby"],
                    [[n(cd), q(nm), n(cd)] for cd, nm in MOTOR_SHAFTS]))
    s.append("\n")
    s.append(insert("m_search_gear_type", ["msgt_cd", "msgt_name", "msgt_orderby"],
                    [[n(cd), q(nm), n(cd)] for cd, nm in GEAR_TYPES]))
    s.append("\n-- msgr_value: reduction ratio (motor speed / output speed).\n")
    s.append(insert("m_search_gear_rate", ["msgr_cd", "msgr_name", "msgr_orderby", "msgr_value"],
                    [[n(cd), q(nm), n(cd), n(float(v))] for cd, nm, v in GEAR_RATES]))
    s.append("\n")
    s.append(insert("m_search_gear_shaft", ["msgs_cd", "msgs_name", "msgs_orderby"],
                    [[n(cd), q(nm), n(cd)] for cd, nm in GEAR_SHAFTS]))
    write(os.path.join(dest, "400_motor_10_series_search_items.sql"), "".join(s))

    # 20: amplifiers and connection pictures
    s = [HEADER, "-- Amplifier models with prices; connection pictures of the option screen.\n\n"]
    s.append(insert("m_amplifier_price", ["map_cd", "map_model", "map_price"],
                    [[n(AMP_CD[k]), q(AMPS[k][0]), n(AMPS[k][10])] for k in AMP_ORDER]))
    s.append("\n")
    s.append(insert("m_option_connect_image", ["moc_cd", "moc_value"],
                    [[n(cd), q(v)] for cd, v in CONNECT]))
    write(os.path.join(dest, "400_motor_20_amplifiers.sql"), "".join(s))

    # 30: extension codes
    s = [HEADER,
         "-- Extension codes: the brake, gear head and shaft choices each code stands for.\n"
         "-- Plain series: brake x shaft x oil seal. Geared series: brake x gear type x ratio\n"
         "-- x output shaft (oil seal and motor shaft are part of the gear head).\n\n"]
    s.append(insert("m_ext_code", ["mxc_cd", "mxc_tms_cd", "mxc_msb_cd", "mxc_msmg_cd",
                                   "mxc_msgr_cd", "mxc_msgt_cd", "mxc_msos_cd", "mxc_msms_cd",
                                   "mxc_msgs_cd"],
                    [[n(x["cd"]), n(x["tms"]), n(x["msb"]), n(x["msmg"]), n(x["msgr"]),
                      n(x["msgt"]), n(x["msos"]), n(x["msms"]), n(x["msgs"])] for x in ext]))
    s.append("\n-- Outputs an extension code is not offered for: Swift S without oil seal at 50 W,\n"
             "-- the 1/25 heads of Heron P up to 400 W and of Heron L up to 1.5 kW.\n")
    s.append(insert("t_ext_output_not", ["txon_mxc_cd", "txon_mso_cd"],
                    [[n(a), n(b)] for a, b in not_offered]))
    write(os.path.join(dest, "400_motor_30_ext_codes.sql"), "".join(s))

    # 40: motors
    cols = ["msv_cd", "msv_tms_cd", "msv_map_cd", "msv_moc_cd", "msv_mso_cd", "msv_msp_cd",
            "msv_mss_cd", "msv_mse_cd", "msv_msb_cd", "msv_msmg_cd", "msv_msgr_cd",
            "msv_msgt_cd", "msv_amplifier", "msv_amplifier2", "msv_backlash",
            "msv_pureexternalresistor", "msv_s_rotorinertia", "msv_m_warninginertia",
            "msv_s_maxtorque", "msv_s_ratedtorque", "msv_s_maxspeed", "msv_m_tripsupply",
            "msv_m_capacitor", "msv_s_phaseresistance", "msv_s_ratedcurrent",
            "msv_m_allowabledischarge", "msv_m_momentarydischarge",
            "msv_m_warningallowabledischarge", "msv_m_warningmomentarydischarge",
            "msv_m_warningtorquedef", "msv_m_warningtorquehigh", "msv_m_warningtorquelow",
            "msv_s_ratedspeed", "msv_gearinertia", "msv_geartorque", "msv_m_geareta",
            "msv_m_externalresistor", "msv_m_externalresistorcapacity", "msv_s_backlash"]
    rows = []
    for m in motors:
        rows.append([n(m["cd"]), n(m["tms"]), n(m["map"]), n(m["moc"]), n(m["mso"]),
                     n(m["msp"]), n(m["mss"]), n(m["mse"]), n(m["msb"]), n(m["msmg"]),
                     n(m["msgr"]), n(m["msgt"]), q(m["amplifier"]), q(m["amplifier2"]),
                     q(m["backtext"]), q(m["resistor"]), n(m["J"]), n(float(m["winertia"])),
                     n(m["tmax"]), n(m["tr"]), n(float(m["nmax"])), n(float(m["trip"])),
                     n(float(m["cap"])), n(m["res"]), n(m["cur"]), n(float(m["allow"])),
                     n(float(m["mom"])), n(0.8), n(0.8), n(0.8), n(0.7), n(0.8),
                     n(float(m["nr"])), n(m["gj"]), n(m["gt"]), n(m["eta"]),
                     n(float(m["ext_rating"])), n(float(m["ext_capacity"])), n(m["back"])])
    s = [HEADER,
         "-- Motors (one row per motor, amplifier, phase, brake and - for geared motors - gear\n"
         "-- type and ratio). Units: kg*m^2, N*m, r/min, V, uF, ohm per phase, A rms, W,\n"
         "-- arcmin; see \"Motors\" in catalog/README.md.\n\n"]
    # split into statements per series to keep them readable
    for prefix in SERIES_ORDER:
        tms = SERIES[prefix][0]
        part = [r for r, m in zip(rows, motors) if m["tms"] == tms]
        s.append("-- %s\n" % SERIES[prefix][3])
        s.append(insert("t_motor_value", cols, part))
        s.append("\n")
    write(os.path.join(dest, "400_motor_40_motors.sql"), "".join(s))

    # 50: prices
    s = [HEADER,
         "-- Price of every motor with every extension code that matches its brake and gear\n"
         "-- choices and is offered for its output; model = motor model + extension suffix.\n\n"]
    for prefix in SERIES_ORDER:
        tms = SERIES[prefix][0]
        part = [[n(p["cd"]), n(p["msv"]), n(p["mxc"]), q(p["model"]), n(p["price"])]
                for p in prices if p["msv"] // 1000 == tms]
        s.append("-- %s\n" % SERIES[prefix][3])
        s.append(insert("m_motor_price",
                        ["mmp_cd", "mmp_msv_cd", "mmp_mxc_cd", "mmp_model", "mmp_price"], part))
        s.append("\n")
    write(os.path.join(dest, "400_motor_50_prices.sql"), "".join(s))

    # 90: judgement labels
    labels = [(0, "OK"), (1, "Warning"), (2, "Not suitable"),
              (3, "OK (no external resistor needed)"), (4, "OK (no regeneration)"),
              (5, "Standard external resistor needed"),
              (6, "Special external resistor needed"), (7, "Not possible")]
    s = [HEADER,
         "-- Labels of the judgement codes (msg_symbol = the code): 0 to 2 for the single\n"
         "-- checks (inertia, speed, effective, running, peak and holding torque), 3 to 7 for\n"
         "-- the overall verdict MotorAdjudication.\n\n"]
    s.append(insert("s_message", ["msg_cd", "msg_class", "msg_control", "msg_value", "msg_symbol"],
                    [[n(code + 1), q("adjudication"), q("MotorResult"), q(text), q(str(code))]
                     for code, text in labels]))
    write(os.path.join(dest, "400_motor_90_texts.sql"), "".join(s))

    print("functions %d, series %d, extension codes %d, not offered %d, motors %d, "
          "price rows %d, amplifiers %d" % (len(FUNCTIONS), len(SERIES), len(ext),
                                           len(not_offered), len(motors), len(prices),
                                           len(AMPS)))


if __name__ == "__main__":
    main()
