#!/usr/bin/env bash
# kinemo-cli motor add/list/remove and judge --motor on a user-defined motor: a data sheet
# with a catalog motor's values gives that motor's judgement; broken sheets are refused.
set -u
CLI=$1 DB=$2 SRC=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
ex=$SRC/examples/03_ball_screw_vertical.kjb
sheet=$XDG_CONFIG_HOME/my.xml
# The sample data sheet: KRS0402ANS0 (phase-1 row of the sample catalog) under its own name.
cp "$SRC/examples/user_motor_MY400.kmt" "$sheet"
path=$("$CLI" motor add "$sheet" --catalog "$DB") || fail "motor add exited $?"
[ -f "$path" ] || fail "no sheet at $path"
list=$("$CLI" motor list --catalog "$DB") || fail "motor list exited $?"
grep -q "^MY400,KDA204,1.27,3.82,3000,6.2e-05,200$" <<<"$list" || fail "list: $list"
user=$("$CLI" judge "$ex" --motor MY400 --catalog "$DB") || fail "judge of the user motor exited $?"
# The judgement's figures are those of the catalog motor with the same values.
cat=$("$CLI" judge "$ex" --motor KRS0402ANS0 --catalog "$DB") || fail "judge of the catalog motor exited $?"
for key in 実効トルク= イナーシャ比= 最大トルク%値= 実効トルク判定結果= 最大回転数判定結果= 回生判定結果=; do
  a=$(grep -m1 "^$key" <<<"${cat//$'\r'/}"); b=$(grep -m1 "^$key" <<<"${user//$'\r'/}")
  [ -n "$a" ] || fail "no $key in the judgement text"
  [ "$a" = "$b" ] || fail "$key: catalog '$a', data sheet '$b'"
done
# A sheet missing a value the judgement needs is refused, naming it; nothing is stored.
grep -v "RotorInertia" "$sheet" | sed 's/MY400/MY400B/' >"$XDG_CONFIG_HOME/bad.xml"
err=$("$CLI" motor add "$XDG_CONFIG_HOME/bad.xml" --catalog "$DB" 2>&1 >/dev/null); [ $? -eq 1 ] || fail "bad sheet accepted"
grep -qF "Rotor inertia" <<<"$err" || fail "message does not name the item: $err"
"$CLI" motor list --catalog "$DB" | grep -q "^MY400B" && fail "refused sheet listed"
"$CLI" motor remove MY400 --catalog "$DB" || fail "remove exited $?"
"$CLI" motor list --catalog "$DB" | grep -q "^MY400," && fail "removed sheet still listed"
"$CLI" judge "$ex" --motor MY400 --catalog "$DB" >/dev/null 2>&1; [ $? -eq 1 ] || fail "removed motor judged"
echo "user_motor: ok"
