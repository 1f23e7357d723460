#!/usr/bin/env bash
# kinemo-cli judge: the debug text of one motor, and clear failures.
set -u
CLI=$1 DB=$2 SRC=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
ex=$SRC/examples/01_ball_screw_horizontal.kjb
out=$("$CLI" judge "$ex" --motor KRS0402ANS0 --catalog "$DB") || fail "judge exited $?"
for line in "-- 選択要素の受け渡し出力 --" "-- 区間トルク --" "-- 判定処理 --" "-- 瞬時回生エネルギー表 --" "回生判定結果=3"; do
  grep -qF -- "$line" <<<"$out" || fail "missing: $line"
done
# A 1/5 gear head judged on a project whose search names a plain motor turns five times faster.
geared=$("$CLI" judge "$ex" --motor HNP0052BBP05K --catalog "$DB") || fail "judge of a geared motor exited $?"
for line in "最大回転数=11250" "最大回転数判定結果=2" "最大速度=375"; do
  grep -qxF -- "$line" <<<"${geared//$'\r'/}" || fail "geared motor: missing $line"
done
grep -q "^WorkingVoltage=200" <<<"$out" || fail "default voltage is not the supply's rated voltage"
"$CLI" judge "$ex" --motor KRS0402ANS0 --voltage 230 --catalog "$DB" | grep -q "^WorkingVoltage=230" || fail "--voltage"
"$CLI" judge "$ex" --motor NO-SUCH --catalog "$DB" >/dev/null 2>&1; [ $? -eq 1 ] || fail "unknown model"
"$CLI" judge "$ex" --catalog "$DB" >/dev/null 2>&1; [ $? -eq 2 ] || fail "missing --motor"
echo "judge: ok"
