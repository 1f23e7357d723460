#!/usr/bin/env python3
"""Writes the CAD part data of the sample catalog: catalog/en/900_cad_*.sql.

Every motor price row (motor + extension code) gets the codes of its parts: motor body
(flange, pilot, bolt circle, body length without brake), encoder cover, brake section,
connectors, and either motor shaft + oil seal (plain motors) or gear head + output shaft
(geared motors), plus the hand-over template that turns those columns into the file the
CAD data program reads. Lengths in mm. Edit the tables below and run the script again;
never edit the SQL files by hand.

Usage: tools/make_cad_catalog.py [catalog/en]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_motor_catalog as motors  # noqa: E402

# ---------------------------------------------------------------------------------------
# Frame sizes (flange square in mm): flange thickness, pilot diameter and depth, bolt circle,
# bolt hole, body square, shaft diameter and length, key width and length, brake length,
# oil seal outer diameter, encoder cover diameter and base length, connector width (along
# the axis), depth (across) and height (above the body), power connector centre from the
# flange face, encoder connector centre from the rear end of the square body (brake included).
# ---------------------------------------------------------------------------------------
FRAMES = {
    #     thk  pilot plen  pcd  hole body shaft slen keyw keyl brake seal encd encl  cw  cd  ch  pwr sig
    40: (5, 30, 2.5, 46, 4.5, 38, 8, 25, 3, 14, 28, 16, 34, 20, 12, 14, 10, 13, 8),
    60: (6, 50, 3, 70, 5.5, 57, 14, 30, 5, 20, 32, 24, 50, 22, 14, 16, 12, 15, 9),
    80: (8, 70, 3, 90, 6.6, 76, 19, 35, 6, 25, 36, 32, 68, 24, 16, 18, 13, 18, 10),
    100: (10, 95, 3, 115, 9, 96, 24, 45, 8, 36, 42, 40, 86, 28, 20, 22, 16, 22, 12),
    120: (10, 110, 3.5, 145, 9, 115, 19, 35, 6, 25, 38, 32, 100, 24, 18, 20, 14, 21, 11),
    130: (12, 110, 6, 145, 9, 125, 22, 55, 8, 45, 45, 40, 110, 30, 24, 26, 20, 26, 14),
    180: (18, 114.3, 3.2, 200, 13.5, 174, 35, 79, 10, 63, 55, 55, 150, 32, 28, 30, 24, 34, 16),
}
FRAME_FIELDS = ["thk", "pilot", "plen", "pcd", "hole", "body", "shaft", "slen", "keyw", "keyl",
                "brake", "seal", "encd", "encl", "cw", "cd", "ch", "pwr", "sig"]

# Motor bodies: (series prefix of the motor family, W) -> (frame, body length from the flange
# face to the encoder cover, without brake). Geared series use the bodies of their motors.
BODIES = {
    ("KRS", 100): (40, 62), ("KRS", 200): (60, 58), ("KRS", 400): (60, 80), ("KRS", 750): (80, 92),
    ("SWS", 50): (40, 46), ("SWS", 100): (40, 58), ("SWS", 200): (60, 52), ("SWS", 400): (60, 72),
    ("SWS", 750): (80, 88),
    ("KRF", 100): (60, 44), ("KRF", 200): (80, 48), ("KRF", 400): (80, 56), ("KRF", 750): (120, 56),
    ("KRF", 1500): (130, 70),
    ("KRL", 1000): (130, 105), ("KRL", 1500): (130, 125), ("KRL", 2000): (130, 145),
    ("KRL", 3000): (180, 135), ("KRL", 4000): (180, 165), ("KRL", 5000): (180, 190),
    ("SWL", 1000): (100, 140), ("SWL", 1500): (100, 165), ("SWL", 2000): (100, 190),
    ("SWL", 3000): (130, 175), ("SWL", 4000): (130, 205), ("SWL", 5000): (130, 235),
}
BODY_FAMILY = {"HNP": "SWS", "HNG": "KRS", "HNL": "KRL"}

# Extra encoder cover length by encoder (the multi-turn absolute encoders carry their
# counter and its back-up).
ENCODER_EXTRA = {1: 0, 2: 6, 3: 4}

# Gear heads: (kind, motor frame) -> flange, flange thickness, pilot diameter and depth,
# bolt circle, bolt hole, housing diameter, length single / two stages (output flange face to
# motor flange face, adapter included), output shaft diameter, length, key width, key
# length, output flange diameter, its length, bolt circle, hole count, hole diameter.
# kind: "P" planetary (high and standard precision share the housing, standard precision
# +4 mm for its longer carrier), "G" general-purpose.
GEAR_HEADS = {
    ("P", 40): (50, 8, 40, 3, 60, 5.5, 48, 62, 80, 12, 25, 4, 16, 36, 5, 28, 4, 4.5),
    ("P", 60): (70, 10, 60, 3, 85, 6.6, 68, 78, 100, 16, 30, 5, 20, 56, 6, 46, 6, 5.5),
    ("P", 80): (90, 12, 80, 4, 110, 9, 88, 98, 125, 22, 36, 6, 28, 75, 6, 63, 6, 6.6),
    ("P", 130): (130, 16, 115, 5, 160, 13.5, 128, 140, 180, 40, 82, 12, 70, 110, 8, 90, 8, 9),
    ("G", 40): (60, 8, 50, 3, 70, 5.5, 58, 58, 72, 15, 30, 5, 22, 0, 0, 0, 0, 0),
    ("G", 60): (80, 10, 70, 3, 90, 6.6, 78, 70, 88, 18, 35, 6, 25, 0, 0, 0, 0, 0),
    ("G", 80): (90, 12, 80, 4, 104, 9, 88, 86, 108, 22, 40, 6, 32, 0, 0, 0, 0, 0),
}
GEAR_FIELDS = ["flange", "thk", "pilot", "plen", "pcd", "hole", "bodyd", "len1", "len2", "shaft",
               "slen", "keyw", "keyl", "ofd", "ofl", "opcd", "oholes", "ohole"]
GEAR_KIND = {1: "P", 2: "P", 3: "G"}

# The hand-over file: "key=value" lines, lengths in mm; see "CAD data" in catalog/README.md.
COMMON = """# Kinemo CAD hand-over file: one motor outline, lengths in mm
format=kinemo-cad-parts 1
part={[%]mmp_vantor_id[%]}
model={[%]mmp_model[%]}
flange={[%]mvto_flange[%]}
flange_thickness={[%]mvto_flange_thk[%]}
pilot_diameter={[%]mvto_pilot_dia[%]}
pilot_length={[%]mvto_pilot_len[%]}
bolt_circle={[%]mvto_bolt_pcd[%]}
bolt_hole={[%]mvto_bolt_dia[%]}
body={[%]mvto_body_sq[%]}
body_length={[%]mvto_body_len[%]}
brake_length={[%]mvtb_len[%]}
encoder_diameter={[%]mvte_dia[%]}
encoder_length={[%]mvte_len[%]}
connector_width={[%]mvts_conn_w[%]}
connector_depth={[%]mvts_conn_d[%]}
connector_height={[%]mvts_conn_h[%]}
power_connector={[%]mvts_power_pos[%]}
signal_connector={[%]mvts_signal_back[%]}
"""
PLAIN_TEMPLATE = COMMON + """shaft_diameter={[%]mvtms_dia[%]}
shaft_length={[%]mvtms_len[%]}
key_width={[%]mvtms_key_w[%]}
key_length={[%]mvtms_key_len[%]}
oil_seal_diameter={[%]mvtos_dia[%]}
"""
GEARED_TEMPLATE = COMMON + """gear_ratio={[%]mvtgr_ratio[%]}
gear_flange={[%]mvtgr_flange[%]}
gear_flange_thickness={[%]mvtgr_flange_thk[%]}
gear_pilot_diameter={[%]mvtgr_pilot_dia[%]}
gear_pilot_length={[%]mvtgr_pilot_len[%]}
gear_bolt_circle={[%]mvtgr_bolt_pcd[%]}
gear_bolt_hole={[%]mvtgr_bolt_dia[%]}
gear_diameter={[%]mvtgr_body_dia[%]}
gear_length={[%]mvtgr_len[%]}
output={[%]mvtgs_kind[%]}
shaft_diameter={[%]mvtgs_dia[%]}
shaft_length={[%]mvtgs_len[%]}
key_width={[%]mvtgs_key_w[%]}
key_length={[%]mvtgs_key_len[%]}
output_bolt_circle={[%]mvtgs_bolt_pcd[%]}
output_holes={[%]mvtgs_holes[%]}
output_hole={[%]mvtgs_hole_dia[%]}
"""


def num(v):
    if v is None:
        return "NULL"
    if isinstance(v, str):
        return "'" + v.replace("'", "''") + "'"
    if float(v) == int(v):
        return str(int(v))
    return ("%.3f" % v).rstrip("0").rstrip(".")


def insert(table, cols, rows):
    body = ",\n".join("  (" + ", ".join(num(v) for v in r) + ")" for r in rows)
    return "INSERT INTO %s (%s) VALUES\n%s;\n" % (table, ", ".join(cols), body)


class Codes:
    """Numbers distinct part rows in the order they are first asked for."""

    def __init__(self):
        self.rows = {}

    def code(self, key, row):
        if key not in self.rows:
            self.rows[key] = (len(self.rows) + 1, row)
        return self.rows[key][0]

    def table(self):
        return [(cd,) + tuple(row) for cd, row in sorted(self.rows.values())]


def check_fits(name, f, body_len):
    """Connectors sit on the body between the flange and the encoder cover without touching."""
    power_lo = f["pwr"] - f["cw"] / 2.0
    signal_lo = body_len - f["sig"] - f["cw"] / 2.0    # shortest body: no brake
    signal_hi = body_len - f["sig"] + f["cw"] / 2.0
    assert power_lo >= f["thk"], name + ": power connector overlaps the flange"
    assert f["pwr"] + f["cw"] / 2.0 < signal_lo, name + ": connectors overlap"
    assert signal_hi <= body_len, name + ": encoder connector beyond the body"


def main():
    dest = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "catalog", "en")
    ext, _, motor_rows, prices = motors.build()
    ext_by_cd = {x["cd"]: x for x in ext}
    motor_by_cd = {m["cd"]: m for m in motor_rows}

    outputs, encoders, brakes, supplies = Codes(), Codes(), Codes(), Codes()
    shafts, seals, gear_rates, gear_shafts = Codes(), Codes(), Codes(), Codes()
    updates = []
    for p in prices:
        m = motor_by_cd[p["msv"]]
        x = ext_by_cd[p["mxc"]]
        family = BODY_FAMILY.get(m["prefix"], m["prefix"])
        frame, body_len = BODIES[(family, m["w"])]
        f = dict(zip(FRAME_FIELDS, FRAMES[frame]))
        assert f["body"] < frame and f["encd"] < f["body"] and f["pilot"] < frame
        assert f["shaft"] < f["seal"] < f["pilot"]
        encl = f["encl"] + ENCODER_EXTRA[m["mse"]]
        check_fits("%s %d W" % (family, m["w"]), f, body_len)
        mvto = outputs.code((family, m["w"]), ("%s %d W body, %d mm flange" % (family, m["w"], frame),
                                               frame, f["thk"], f["pilot"], f["plen"], f["pcd"],
                                               f["hole"], f["body"], body_len))
        mvte = encoders.code((frame, m["mse"]), ("%d mm frame, %s" % (frame, motors.ENCODERS[m["mse"] - 1][1]),
                                                 f["encd"], encl))
        with_brake = m["msb"] == 1
        mvtb = brakes.code((frame, with_brake), ("%d mm frame, %s" % (frame, "holding brake" if with_brake
                                                                       else "no brake"),
                                                 f["brake"] if with_brake else 0))
        mvts = supplies.code(frame, ("%d mm frame connectors" % frame, f["cw"], f["cd"], f["ch"],
                                     f["pwr"], f["sig"]))
        codes = dict(mvtv=None, mvto=mvto, mvte=mvte, mvtb=mvtb, mvts=mvts, mvtgr=None, mvtgs=None,
                     mvtms=None, mvtos=None)
        if m["msmg"] == 1:
            kind = GEAR_KIND[m["msgt"]]
            g = dict(zip(GEAR_FIELDS, GEAR_HEADS[(kind, frame)]))
            ratio = dict((cd, v) for cd, _, v in motors.GEAR_RATES)[m["msgr"]]
            two = motors.TWO_STAGE[ratio]
            glen = (g["len2"] if two else g["len1"]) + (4 if m["msgt"] == 2 else 0)
            type_name = motors.GEAR_TYPES[m["msgt"] - 1][1]
            codes["mvtv"] = 2
            codes["mvtgr"] = gear_rates.code((kind, frame, m["msgt"], ratio), (
                "%s 1/%d for %d mm motors" % (type_name, ratio, frame), "1/%d" % ratio,
                g["flange"], g["thk"], g["pilot"], g["plen"], g["pcd"], g["hole"], g["bodyd"], glen))
            gs = x["msgs"]
            if gs == 3:
                shaft_row = ("flange output, %d mm head" % g["flange"], "flange", g["ofd"], g["ofl"],
                             0, 0, g["opcd"], g["oholes"], g["ohole"])
                assert g["ofd"] > 0 and g["opcd"] + g["ohole"] < g["ofd"] < g["pilot"]
            else:
                keyed = gs == 2
                shaft_row = ("%s output shaft, %d mm head" % ("keyed" if keyed else "straight", g["flange"]),
                             "shaft", g["shaft"], g["slen"], g["keyw"] if keyed else 0,
                             g["keyl"] if keyed else 0, 0, 0, 0)
            codes["mvtgs"] = gear_shafts.code((kind, frame, gs), shaft_row)
        else:
            keyed = x["msms"] == 2
            codes["mvtv"] = 1
            codes["mvtms"] = shafts.code((frame, keyed), (
                "%d mm frame, %s shaft" % (frame, "keyed" if keyed else "straight"),
                f["shaft"], f["slen"], f["keyw"] if keyed else 0, f["keyl"] if keyed else 0))
            sealed = x["msos"] == 2
            codes["mvtos"] = seals.code((frame, sealed), (
                "%d mm frame, %s" % (frame, "oil seal" if sealed else "no oil seal"),
                f["seal"] if sealed else 0))
        updates.append((p["cd"], p["model"], codes))

    header = "-- Generated by tools/make_cad_catalog.py: edit the script and run it again.\n"
    s = [header,
         "-- CAD part data: the hand-over templates and the part tables their markers name.\n"
         "-- Lengths in mm; see \"CAD data\" in catalog/README.md.\n\n"]
    s.append(insert("m_vantor_value", ["mvtv_cd", "mvtv_name", "mvtv_value"],
                    [(1, "Motor with shaft", PLAIN_TEMPLATE), (2, "Motor with gear head", GEARED_TEMPLATE)]))
    s.append("\n")
    s.append(insert("m_vantor_output", ["mvto_cd", "mvto_name", "mvto_flange", "mvto_flange_thk",
                                        "mvto_pilot_dia", "mvto_pilot_len", "mvto_bolt_pcd",
                                        "mvto_bolt_dia", "mvto_body_sq", "mvto_body_len"],
                    outputs.table()))
    s.append("\n")
    s.append(insert("m_vantor_encoder", ["mvte_cd", "mvte_name", "mvte_dia", "mvte_len"],
                    encoders.table()))
    s.append("\n")
    s.append(insert("m_vantor_brake", ["mvtb_cd", "mvtb_name", "mvtb_len"], brakes.table()))
    s.append("\n")
    s.append(insert("m_vantor_supply", ["mvts_cd", "mvts_name", "mvts_conn_w", "mvts_conn_d",
                                        "mvts_conn_h", "mvts_power_pos", "mvts_signal_back"],
                    supplies.table()))
    s.append("\n")
    s.append(insert("m_vantor_motor_shaft", ["mvtms_cd", "mvtms_name", "mvtms_dia", "mvtms_len",
                                             "mvtms_key_w", "mvtms_key_len"], shafts.table()))
    s.append("\n")
    s.append(insert("m_vantor_oil_seal", ["mvtos_cd", "mvtos_name", "mvtos_dia"], seals.table()))
    s.append("\n")
    s.append(insert("m_vantor_gear_rate", ["mvtgr_cd", "mvtgr_name", "mvtgr_ratio", "mvtgr_flange",
                                           "mvtgr_flange_thk", "mvtgr_pilot_dia", "mvtgr_pilot_len",
                                           "mvtgr_bolt_pcd", "mvtgr_bolt_dia", "mvtgr_body_dia",
                                           "mvtgr_len"], gear_rates.table()))
    s.append("\n")
    s.append(insert("m_vantor_gear_shaft", ["mvtgs_cd", "mvtgs_name", "mvtgs_kind", "mvtgs_dia",
                                            "mvtgs_len", "mvtgs_key_w", "mvtgs_key_len",
                                            "mvtgs_bolt_pcd", "mvtgs_holes", "mvtgs_hole_dia"],
                    gear_shafts.table()))
    with open(os.path.join(dest, "900_cad_10_parts.sql"), "w", encoding="utf-8", newline="\n") as fh:
        fh.write("".join(s))

    s = [header,
         "-- The CAD part identifier (the model name) and the part codes of every motor price row.\n\n"]
    for cd, model, c in updates:
        sets = ["mmp_vantor_id = %s" % num(model)] + [
            "mmp_%s_cd = %s" % (k, num(c[k])) for k in
            ("mvtv", "mvto", "mvte", "mvtb", "mvts", "mvtgr", "mvtgs", "mvtms", "mvtos")]
        s.append("UPDATE m_motor_price SET %s WHERE mmp_cd = %d;\n" % (", ".join(sets), cd))
    with open(os.path.join(dest, "900_cad_20_motor_parts.sql"), "w", encoding="utf-8", newline="\n") as fh:
        fh.write("".join(s))
    print("price rows %d, bodies %d, encoders %d, brakes %d, connectors %d, shafts %d, seals %d, "
          "gear heads %d, gear outputs %d" % (len(updates), len(outputs.rows), len(encoders.rows),
                                              len(brakes.rows), len(supplies.rows), len(shafts.rows),
                                              len(seals.rows), len(gear_rates.rows), len(gear_shafts.rows)))


if __name__ == "__main__":
    main()
