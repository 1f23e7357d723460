#!/usr/bin/env bash
# kinemo-cli quote on the committed example: the three formats agree on lines and total, the
# total is the sum of the lines, and a project whose option page shows no motor fails clearly.
set -u
CLI=$1 DB=$2 SRC=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
ex=$SRC/examples/18_feeder_committed_with_options.kjb
json=$("$CLI" quote "$ex" --catalog "$DB" --format json) || fail "json exited $?"
python3 - "$json" <<'PY' || fail "json: $json"
import json, sys
d = json.loads(sys.argv[1])
lines = d["lines"]
assert lines[0]["kind"] == "motor" and lines[0]["part"] == "KRS0402BNS0" and lines[0]["qty"] == 2, lines[0]
assert lines[1]["kind"] == "amplifier" and lines[1]["part"] == "KDA204", lines[1]
assert all(l["subtotal"] == l["qty"] * l["unit_price"] for l in lines)
assert d["total"] == sum(l["subtotal"] for l in lines), d["total"]
parts = {l["part"]: l["qty"] for l in lines}
assert parts["KBT-36"] == 2 and parts["KCC-232-2"] == 1 and parts["KC-EA-05"] == 1, parts
PY
csv=$("$CLI" quote "$ex" --catalog "$DB" --format csv) || fail "csv exited $?"
head -n1 <<<"$csv" | grep -q '^kind,item,part,qty,unit_price (\$),subtotal (\$),note' || fail "csv header: $(head -n1 <<<"$csv")"
! tail -n +2 <<<"$csv" | grep -q '\$' || fail "an amount with its money symbol: $csv"
total_json=$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["total"])' "$json")
total_csv=$(tr -d '\r' <<<"$csv" | awk -F, '$1=="total"{print $6}')
[ "$total_csv" = "$total_json" ] || fail "csv total $total_csv, json $total_json"
[ "$(tr -d '\r' <<<"$csv" | wc -l)" -eq "$(python3 -c 'import json,sys; print(len(json.loads(sys.argv[1])["lines"]) + 2)' "$json")" ] || fail "csv lines: $csv"
table=$("$CLI" quote "$ex" --catalog "$DB") || fail "table exited $?"
grep -q "KRS0402BNS0" <<<"$table" || fail "table lacks the motor: $table"
grep -q "\$$(printf "%'d" "$total_json" 2>/dev/null || echo "$total_json")" <<<"$table" || \
  grep -q "$(python3 -c 'import sys; print("${:,}".format(int(sys.argv[1])))' "$total_json")" <<<"$table" || fail "table total: $table"
err=$("$CLI" quote "$SRC/examples/02_ball_screw_through_gear.kjb" --catalog "$DB" 2>&1 >/dev/null); rc=$?
[ $rc -eq 1 ] || fail "no motor: exit $rc"
grep -qi "commit" <<<"$err" || fail "no motor message: $err"
"$CLI" quote "$ex" --catalog "$DB" --format xml >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad format not a usage error"
echo "quote: ok"
