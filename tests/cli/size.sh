#!/usr/bin/env bash
# kinemo-cli size on the example projects: which candidates pass at each level, the three
# output formats, and clear failures.
set -u
CLI=$1 DB=$2 SRC=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
ex=$SRC/examples/02_ball_screw_through_gear.kjb
models() { "$CLI" size "$ex" --catalog "$DB" --format csv "$@" | tail -n +2 | cut -d, -f1 | tr -d '\r' | tr '\n' ' '; }
all=$(models --level All) || fail "size --level All exited $?"
[ "$all" = "KRS0102ANS0 KRS0202ANS0 KRS0402ANS0 KRS0752ANS0 " ] || fail "All: $all"
full=$(models --level 100)
[ "$full" = "KRS0402ANS0 KRS0752ANS0 " ] || fail "100: $full"   # 100 W and 200 W overloaded
sixty=$(models --level 60)
[ "$sixty" = "KRS0752ANS0 " ] || fail "60: $sixty"               # 400 W runs at about 70 % of rated
json=$("$CLI" size "$ex" --catalog "$DB" --format json --level 100) || fail "json exited $?"
python3 -c 'import json,sys; d=json.loads(sys.argv[1]); assert [r["model"] for r in d]==["KRS0402ANS0","KRS0752ANS0"], d; assert all(r["judged"] and isinstance(r["effective_torque_percent"], float) for r in d)' "$json" || fail "json: $json"
table=$("$CLI" size "$ex" --catalog "$DB" --level 100) || fail "table exited $?"
grep -q "^Model" <<<"$table" || fail "no header line: $table"
[ "$(wc -l <<<"$table")" -eq 4 ] || fail "table rows: $table"
# A lower supply voltage changes the regeneration, not the candidates.
"$CLI" size "$ex" --catalog "$DB" --voltage 180 --format csv >/dev/null || fail "--voltage 180"
err=$("$CLI" size "$ex" --catalog "$DB" --voltage abc 2>&1 >/dev/null); rc=$?
[ $rc -eq 1 ] || fail "bad voltage exit $rc"
grep -qi "voltage" <<<"$err" || fail "bad voltage message: $err"
"$CLI" size "$ex" --catalog "$DB" --level 70 >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad level not a usage error"
"$CLI" size /nonexistent.kjb --catalog "$DB" >/dev/null 2>&1; [ $? -eq 1 ] || fail "missing project"
out=$(mktemp --suffix=.kjb)
"$CLI" new-project "$out" --catalog "$DB" || fail "new-project exited $?"
grep -q "<KINEMO" "$out" || fail "new-project wrote no project"
for s in FrameChoiceFactor FrameInputPattern FrameChoiceMotor FrameOptionSelect FrameSelectOptionDetail; do
  grep -q "<$s" "$out" || fail "new project lacks $s"
done
rm -f "$out"
echo "size: ok"
