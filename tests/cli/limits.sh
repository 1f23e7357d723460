#!/usr/bin/env bash
# kinemo-cli on machines it must not calculate: every input value of the sample catalog's
# elements just outside its physical range, a chain that breaks the docking rule, an
# element the catalog lacks. chain, judge and size exit 1 with the message naming the
# element, its position and the value; no figure is printed (pattern likewise).
set -u
CLI=$1 DB=$2 SRC=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
work=$XDG_CONFIG_HOME

# expect_refused NAME PROJECT TEXT...: chain, judge and size exit 1, print nothing on
# stdout and name every TEXT on stderr.
expect_refused() {
  local name=$1 project=$2; shift 2
  for cmd in "chain" "judge --motor KRS0402ANS0" "size --level All" "pattern"; do
    out=$("$CLI" $cmd "$project" --catalog "$DB" 2>"$work/err"); rc=$?
    [ $rc -eq 1 ] || fail "$name: $cmd exited $rc"
    [ -z "$out" ] || fail "$name: $cmd printed figures: $out"
    for text in "$@"; do
      grep -qF -- "$text" "$work/err" || fail "$name: $cmd does not say '$text': $(cat "$work/err")"
    done
  done
}

ex=$SRC/examples/01_ball_screw_horizontal.kjb
# The table's mass of -50 kg used to size with an inertia ratio of -5.6 and the verdict OK.
sed 's|\(<Value InputDataID="40101"[^>]*>\)[^<]*|\1-50|' "$ex" > "$work/negative_mass.kjb"
expect_refused "negative mass" "$work/negative_mass.kjb" \
  'Element 3 "Table (horizontal or inclined)": "Moving mass (table and workpiece)" = -50 kg (allowed: 0 < value ≤ 100000 kg)'
sed 's|\(<Value InputDataID="30106"[^>]*>\)[^<]*|\11.5|' "$ex" > "$work/efficiency.kjb"
expect_refused "efficiency above 1" "$work/efficiency.kjb" 'Element 2 "Ball screw": "Efficiency" = 1.5 -'
# The message appears once, not once per step.
"$CLI" size "$work/negative_mass.kjb" --catalog "$DB" 2>"$work/err" >/dev/null
[ "$(grep -c 'Moving mass' "$work/err")" -eq 1 ] || fail "message repeated: $(cat "$work/err")"

# Machines the catalog cannot build: the elements that fit are kept, the others named.
python3 - "$ex" "$work" <<'PY'
import re, sys
src, work = sys.argv[1], sys.argv[2]
text = open(src, encoding="utf-8").read()
factors = re.findall(r"    <Factor>.*?</Factor>\n", text, re.S)
coupling, screw, table = factors
def write(name, chain):
    section = "".join(chain)
    out = re.sub(r"(<FrameChoiceFactor>\n).*?(  </FrameChoiceFactor>)", lambda m: m.group(1) + section + m.group(2), text, flags=re.S)
    open(f"{work}/{name}.kjb", "w", encoding="utf-8").write(out)
write("table_after_motor", [table, screw])
write("unknown_element", [coupling, screw.replace("<FactorID>301<", "<FactorID>999<"), table])
PY
expect_refused "docking rule" "$work/table_after_motor.kjb" \
  'Element 1 "Table (horizontal or inclined)" cannot follow "motor"'
expect_refused "unknown element" "$work/unknown_element.kjb" 'Element 2 (element ID 999)' \
  'Element 3 "Table (horizontal or inclined)" cannot follow "Disc coupling"'

# Every numeric item of every element, just below its lower and above its upper limit.
"$CLI" new-project "$work/empty.kjb" --catalog "$DB" || fail "new-project"
python3 - "$DB" "$work" <<'PY' > "$work/cases.txt" || fail "cases"
import sqlite3, sys
db, work = sys.argv[1], sys.argv[2]
con = sqlite3.connect(db)
empty = open(f"{work}/empty.kjb", encoding="utf-8").read()
rows = con.execute("""
  SELECT e.tme_cd, e.tme_name, b.mmb_docking_in, v.tmv_cd, v.tmv_name, v.tmv_min_value, v.tmv_min_open,
         v.tmv_max_value, v.tmv_max_open
    FROM t_machine_element e JOIN m_machine_block b ON b.mmb_cd = e.tme_mmb_cd
    JOIN t_machine_value_cross x ON x.mvc_tme_cd = e.tme_cd JOIN t_machine_value v ON v.tmv_cd = x.mvc_tmv_cd
   WHERE e.tme_element_type <> 2 ORDER BY e.tme_cd, v.tmv_cd""").fetchall()
n = 0
for tme, ename, dock_in, tmv, iname, lo, lo_open, hi, hi_open in rows:
    bads = []
    if lo is not None: bads.append(float(lo) if lo_open else float(lo) - 1)
    if hi is not None: bads.append(float(hi) if hi_open else float(hi) * 2 + 1)
    for bad in bads:
        chain = ""
        position = 1
        if dock_in != 0:  # a linear input: behind a ball screw
            chain += "    <Factor><FactorID>301</FactorID><InputData /></Factor>\n"
            position = 2
        chain += f'    <Factor><FactorID>{tme}</FactorID><InputData><Value InputDataID="{tmv}">{bad:.17g}</Value></InputData></Factor>\n'
        project = empty.replace("<FrameChoiceFactor />", "<FrameChoiceFactor>\n" + chain + "  </FrameChoiceFactor>")
        assert project != empty
        path = f"{work}/item{n}.kjb"
        open(path, "w", encoding="utf-8").write(project)
        print(f'{path}\tElement {position} "{ename}": "{iname}" = ')
        n += 1
PY
# KINEMO_TEST_SAMPLE=N (the sanitizer stage) runs every Nth item case; all are counted.
count=0 sample=${KINEMO_TEST_SAMPLE:-1}
while IFS=$'\t' read -r project text; do
  count=$((count + 1))
  [ $((count % sample)) -eq 0 ] || continue
  out=$("$CLI" chain "$project" --catalog "$DB" 2>"$work/err"); rc=$?
  [ $rc -eq 1 ] || fail "$text: chain exited $rc"
  [ -z "$out" ] || fail "$text: chain printed $out"
  grep -qF -- "$text" "$work/err" || fail "chain does not say '$text': $(cat "$work/err")"
done < "$work/cases.txt"
[ $count -gt 160 ] || fail "only $count item cases"
echo "limits: ok ($count item cases)"
