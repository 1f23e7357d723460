#!/usr/bin/env bash
# kinemo-cli report: every page's CSV through its catalog template, and clear refusals that
# leave no file behind.
set -u
CLI=$1 DB=$2 SRC=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
ex=$SRC/examples/02_ball_screw_through_gear.kjb
out=$XDG_CONFIG_HOME/out
mkdir -p "$out"
judge=$("$CLI" judge "$ex" --motor KRS0402ANS0 --catalog "$DB") || fail "judge exited $?"
effective=$(grep -a '^実効トルク絶対値=' <<<"${judge//$'\r'/}" | head -1 | cut -d= -f2)
for page in summary pattern elements torque regeneration; do
  "$CLI" report "$ex" --motor KRS0402ANS0 --page $page --csv "$out/$page.csv" --catalog "$DB" || fail "$page exited $?"
  [ -s "$out/$page.csv" ] || fail "$page: empty file"
  grep -q $'\r$' "$out/$page.csv" || fail "$page: lines do not end in CR LF"
  ! grep -qF '{[%]' "$out/$page.csv" || fail "$page: a placeholder was left"
done
# The effective torque of the CSV is the judgement's, at the display precision.
csv_effective=$(grep -a '^"Effective torque",' "$out/summary.csv" | cut -d, -f6)
awk -v a="$csv_effective" -v b="$effective" 'BEGIN { d = a - b; exit !(d < 0.00006 && d > -0.00006) }' ||
  fail "summary effective torque $csv_effective, judge $effective"
"$CLI" report "$ex" --motor KRS0402ANS0 --page summary --header "Axis X" --comment "回生なし" --csv "$out/titled.csv" --catalog "$DB" ||
  fail "summary with a title exited $?"
grep -q '^"Title","Axis X"' "$out/titled.csv" || fail "the title is not in the summary"
grep -q '^"Comment","回生なし"' "$out/titled.csv" || fail "the comment is not in the summary"
[ "$(grep -c '' "$out/torque.csv")" -eq 16 ] || fail "torque: 2 head lines, 11 intervals and 3 foot lines expected"
# Refusals: exit 1 with a message, no file.
"$CLI" new-project "$out/empty.kjb" --catalog "$DB" >/dev/null || fail "new-project"
check_refused() {
  local what=$1 target=$2; shift 2
  msg=$("$@" 2>&1 >/dev/null); rc=$?
  [ $rc -eq 1 ] || fail "$what: exit $rc"
  [ -n "$msg" ] || fail "$what: no message"
  [ ! -e "$target" ] || fail "$what: a file was written"
}
check_refused "no drive pattern" "$out/x1.csv" "$CLI" report "$out/empty.kjb" --motor KRS0402ANS0 --page torque --csv "$out/x1.csv" --catalog "$DB"
check_refused "unknown motor" "$out/x2.csv" "$CLI" report "$ex" --motor NO-SUCH --page torque --csv "$out/x2.csv" --catalog "$DB"
check_refused "unknown page" "$out/x3.csv" "$CLI" report "$ex" --motor KRS0402ANS0 --page charts --csv "$out/x3.csv" --catalog "$DB"
check_refused "unwritable path" "$out/none/x4.csv" "$CLI" report "$ex" --motor KRS0402ANS0 --page torque --csv "$out/none/x4.csv" --catalog "$DB"
"$CLI" report "$ex" --motor KRS0402ANS0 --page torque --catalog "$DB" >/dev/null 2>&1; [ $? -eq 2 ] || fail "missing --csv"
echo "report: ok"
