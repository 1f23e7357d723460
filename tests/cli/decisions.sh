#!/usr/bin/env bash
# kinemo-cli compare, variants and explain on example 02: the comparison's columns and best
# marks, the explanation's intervals reproducing the effective torque, the variant table of a
# project with two variants, and the errors of wrong choices.
set -u
CLI=$1
CATALOG=$2
SRC=$3
fail() { echo "FAIL: $*"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
P="$SRC/examples/02_ball_screw_through_gear.kjb"

out=$("$CLI" compare "$P" --motors KRS0202ANS0,KRS0752ANS0,KRS0402ANS0 --format csv --catalog "$CATALOG") ||
  fail "compare exited $?"
head=$(head -1 <<<"$out" | tr -d '\r')
[ "$head" = "Check,Figure,Unit,KRS0402ANS0,KRS0752ANS0,KRS0202ANS0" ] || fail "compare columns: $head"
line=$(grep '^Effective torque,Ratio,' <<<"$out" | tr -d '\r')
[ "$line" = "Effective torque,Ratio,%,70.2206,38.0670*,139.2014" ] || fail "effective ratio row: $line"
grep -q '^Price,Motor and amplifier,,"\$1,090","\$1,360",\$930\*' <<<"$out" || fail "price row: $(grep '^Price' <<<"$out")"

"$CLI" compare "$P" --motors KRS0402ANS0 --catalog "$CATALOG" >/dev/null 2>"$dir/err"; rc=$?
[ $rc -eq 1 ] || fail "one motor exited $rc"
grep -qx 'kinemo-cli: Mark two to four judged motors in the list to compare them.' "$dir/err" || fail "one motor: $(cat "$dir/err")"
"$CLI" compare "$P" --motors KRS0402ANS0,NOSUCH --catalog "$CATALOG" >/dev/null 2>"$dir/err"; rc=$?
[ $rc -eq 1 ] || fail "unknown motor exited $rc"

# The explanation lists each interval's torque and time; they give the effective torque again.
out=$("$CLI" explain "$P" --motor KRS0402ANS0 --figure TorqueEffectiveTorque --catalog "$CATALOG") ||
  fail "explain exited $?"
result=$(sed -n 's/^Result: TorqueEffectiveTorque = \([^ ]*\) N·m$/\1/p' <<<"$out")
[ -n "$result" ] || fail "no result line: $out"
again=$(awk '/^    Interval/ {on=1; next} on && NF==3 {s+=$2*$2*$3; t+=$3} END {printf "%.12g", sqrt(s/t)}' <<<"$out")
awk -v a="$again" -v b="$result" 'BEGIN {d=a-b; if (d<0) d=-d; exit !(d <= 1e-9*b)}' ||
  fail "intervals give $again, explanation says $result"
"$CLI" explain "$P" --motor KRS0402ANS0 --figure Nonsense --catalog "$CATALOG" >/dev/null 2>"$dir/err"; rc=$?
[ $rc -eq 2 ] || fail "unknown figure exited $rc"
grep -q 'No explanation for the figure Nonsense. Figures: MotorInertiaRatio, ' "$dir/err" || fail "unknown figure: $(cat "$dir/err")"

# Without variants the table has the project's one row; with two, each its own load.
out=$("$CLI" variants "$P" --format csv --catalog "$CATALOG") || fail "variants exited $?"
[ "$(wc -l <<<"$out")" -eq 2 ] || fail "one variant: $out"
grep -q '^Variant 1 (shown),0.000639953,0.923532,6,' <<<"$out" || fail "one variant row: $out"
out=$("$CLI" variants "$SRC/tests/data/variants_lead.kjb" --format json --catalog "$CATALOG") ||
  fail "variants of the lead project exited $?"
grep -q '"name": "Lead 20 mm", "current": true' <<<"$out" || fail "variant 1: $out"
grep -q '"name": "Lead 10 mm", "current": false, "error": "", "JL": 0.00025999' <<<"$out" || fail "variant 2: $out"
echo "decisions: ok"
