#!/usr/bin/env python3
"""Writes the manual's reference pages from the built English catalog: doc/elements.html (every
catalog element with its picture, inputs, formulas and calculated items) and doc/catalog.html
(the product catalog: families, series, motors). Run after a catalog change, like the picture
scripts: python3 tools/make_manual_pages.py build/bin/Kinemo.db"""
import html
import os
import shutil
import sqlite3
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DOC = os.path.join(ROOT, "doc")
PICTURES = os.path.join(ROOT, "catalog")


def esc(v):
    return html.escape("" if v is None else str(v))


def page(title, body):
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>{esc(title)} - Kinemo</title>
<link rel="stylesheet" href="style.css">
</head>
<body>
<nav><a href="help.html">Help</a> · <a href="manual.html">User manual</a> · <a href="elements.html">Element library</a> · <a href="catalog.html">Product catalog</a></nav>
{body}
<p class="foot">This page is made from the sample catalog by tools/make_manual_pages.py.</p>
</body>
</html>
"""


def copy_picture(relative, folder):
    """Copies a catalog picture into doc/images/<folder>/ and returns its path from doc/."""
    src = os.path.join(PICTURES, relative.replace("\\", "/"))
    if not os.path.isfile(src):
        return None
    os.makedirs(os.path.join(DOC, "images", folder), exist_ok=True)
    name = os.path.basename(src)
    shutil.copyfile(src, os.path.join(DOC, "images", folder, name))
    return f"images/{folder}/{name}"


def limit_text(lo, lo_open, hi, hi_open):
    parts = []
    if lo is not None:
        parts.append(f"{lo} {'&lt;' if lo_open else '≤'}")
    parts.append("x")
    if hi is not None:
        parts.append(f"{'&lt;' if hi_open else '≤'} {hi}")
    return " ".join(parts) if len(parts) > 1 else "any"


def elements(db):
    units = dict(db.execute("select muv_cd, muv_symbol from t_machine_unit_value"))
    out = ["<h1>Element library</h1>",
           "<p>The machine is a chain of elements from the motor to the load. Each element receives the "
           "carry values of the element after it (the load side), adds its own inertia, friction and forces, "
           "and hands the result towards the motor. The formulas below are the catalog's own, run by the "
           "program's formula interpreter in the order shown; lengths entered in mm are turned into metres "
           "inside the formulas, every other value is SI. The carry values are described in the "
           "<a href=\"manual.html#carry\">user manual</a>.</p>"]
    for mmb_cd, block, note, din, dout in db.execute(
            "select mmb_cd, mmb_name, mmb_note, mmb_docking_in, mmb_docking_out from m_machine_block order by mmb_cd"):
        out.append(f"<h2 id=\"block{mmb_cd}\">{esc(block)}</h2><p>{esc(note)} Input: "
                   f"{'rotary' if din == 0 else 'linear'}, output: {'rotary' if dout == 0 else 'linear'}.</p>")
        for tme_cd, name, tnote, img in db.execute(
                "select tme_cd, tme_name, tme_note, tme_img_path from t_machine_element where tme_mmb_cd = ? "
                "and tme_element_type in (0, 1) order by tme_cd", (mmb_cd,)).fetchall():
            out.append(f"<h3 id=\"e{tme_cd}\">{esc(name)} <span class=\"id\">(element {tme_cd})</span></h3>")
            pic = copy_picture(img, "elements") if img else None
            if pic:
                out.append(f"<img class=\"element\" src=\"{pic}\" alt=\"{esc(name)}\">")
            out.append(f"<p>{esc(tnote)}</p>")
            rows = db.execute(
                "select v.tmv_name, v.tmv_symbol, v.tmv_start_value, v.tmv_muv_cd, v.tmv_req_value, v.tmv_min_value, "
                "v.tmv_min_open, v.tmv_max_value, v.tmv_max_open from t_machine_value_cross c join t_machine_value v "
                "on v.tmv_cd = c.mvc_tmv_cd where c.mvc_tme_cd = ? order by v.tmv_cd", (tme_cd,)).fetchall()
            if rows:
                out.append("<table><tr><th>Input</th><th>Symbol</th><th>Unit</th><th>Start value</th><th>Range</th></tr>")
                for n, sym, start, muv, req, lo, lo_open, hi, hi_open in rows:
                    out.append(f"<tr><td>{esc(n)}{' (required)' if req else ''}</td><td><code>{esc(sym)}</code></td>"
                               f"<td>{esc(units.get(muv, '-'))}</td><td>{esc(start if start is not None else 0)}</td>"
                               f"<td>{limit_text(lo, lo_open, hi, hi_open)}</td></tr>")
                out.append("</table>")
            formulas = [r[0] for r in db.execute(
                "select mcv_value from m_machine_calc_value where mcv_tme_cd = ? order by mcv_cd", (tme_cd,))]
            if formulas:
                out.append("<p>Formulas:</p><pre>" + esc("\n".join(formulas)) + "</pre>")
            calcs = db.execute("select mtc_title, mtc_value, mtc_muv_cd from m_tmp_calc where mtc_tme_cd = ? "
                               "order by mtc_cd", (tme_cd,)).fetchall()
            if calcs:
                out.append("<table><tr><th>Calculated item</th><th>Unit</th><th>Formula</th></tr>")
                for title, value, muv in calcs:
                    out.append(f"<tr><td>{esc(title)}</td><td>{esc(units.get(muv, '-'))}</td>"
                               f"<td><code>{esc(value)}</code></td></tr>")
                out.append("</table>")
    return page("Element library", "\n".join(out))


def catalog(db):
    out = ["<h1>Product catalog</h1>",
           "<p>The sample catalog's servo motors: families, series and every motor with its amplifier and "
           "main ratings. The motor selection page searches these motors; the motor detail window shows one "
           "with its torque-speed envelope.</p>"]
    for mmf_cd, name, feature in db.execute(
            "select mmf_cd, mmf_name, mmf_feature from m_motor_function where mmf_hide = 0 order by mmf_order"):
        out.append(f"<h2>{esc(name)}</h2><p>{esc(feature)}</p>")
        for tms_cd, sname, sfeature, img in db.execute(
                "select tms_cd, tms_name, tms_feature, tms_image from t_motor_series where tms_mmf_cd = ? "
                "order by tms_orderby", (mmf_cd,)).fetchall():
            out.append(f"<h3>{esc(sname)}</h3>")
            pic = copy_picture(img, "series") if img else None
            if pic:
                out.append(f"<img class=\"series\" src=\"{pic}\" alt=\"{esc(sname)}\">")
            out.append(f"<p>{esc(sfeature)}</p>")
            out.append("<table><tr><th>Model (basic)</th><th>Amplifier</th><th>Output</th><th>Supply</th>"
                       "<th>Rated torque [N·m]</th><th>Peak torque [N·m]</th><th>Rated / max. speed [r/min]</th>"
                       "<th>Rotor inertia [kg·m²]</th><th>Gear ratio</th></tr>")
            for row in db.execute(
                    "select (select min(mmp_model) from m_motor_price where mmp_msv_cd = v.msv_cd), v.msv_amplifier, "
                    "o.mso_name, p.msp_name || ' ' || s.mss_name, v.msv_s_ratedtorque, v.msv_s_maxtorque, "
                    "v.msv_s_ratedspeed, v.msv_s_maxspeed, v.msv_s_rotorinertia, ifnull(g.msgr_name, '-') "
                    "from t_motor_value v join m_search_output o on o.mso_cd = v.msv_mso_cd "
                    "join m_search_phase p on p.msp_cd = v.msv_msp_cd join m_search_supply s on s.mss_cd = v.msv_mss_cd "
                    "left join m_search_gear_rate g on g.msgr_cd = v.msv_msgr_cd "
                    "where v.msv_tms_cd = ? group by v.msv_mso_cd, v.msv_msp_cd, v.msv_mss_cd, v.msv_msgr_cd "
                    "order by o.mso_orderby, s.mss_cd, p.msp_cd, g.msgr_cd", (tms_cd,)):
                model, amp, output, supply, rt, mt, rs, ms, j, ratio = row
                out.append(f"<tr><td>{esc(model)}</td><td>{esc(amp)}</td><td>{esc(output)}</td><td>{esc(supply)}</td>"
                           f"<td>{rt:.3g}</td><td>{mt:.3g}</td><td>{rs:.0f} / {ms:.0f}</td><td>{j:.3g}</td>"
                           f"<td>{esc(ratio)}</td></tr>")
            out.append("</table>")
    return page("Product catalog", "\n".join(out))


def write(name, text):
    path = os.path.join(DOC, name)
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(tmp, path)


def main():
    db = sqlite3.connect(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin", "Kinemo.db"))
    write("elements.html", elements(db))
    write("catalog.html", catalog(db))


if __name__ == "__main__":
    main()
