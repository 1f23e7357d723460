#!/usr/bin/env bash
# Files from others in the user's folders: a broken user element file and a bad settings
# value are named on stderr and the command goes on; a motor sheet received under another
# file name never stands in for the user's own motor, and replacing a motor is asked first.
set -u
CLI=$1 DB=$2 SRC=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
ex=$SRC/examples/02_ball_screw_through_gear.kjb
elements=$XDG_CONFIG_HOME/Kinemo/custom_factor
motors=$XDG_CONFIG_HOME/Kinemo/custom_motor
mkdir -p "$elements" "$motors"
info=$("$CLI" info --catalog "$DB") || fail "info exited $?"
app=$(sed -n 's/^ApplicationVersion=//p' <<<"$info" | tr -d '\r'); mdb=$(sed -n 's/^MDBVersion=//p' <<<"$info" | tr -d '\r')
printf '<KinemoUserFactorFile ApplicationVersion="%s" MDBVersion="%s"><OwnerFactorID>101</OwnerFactorID><InputData><Factor><InputData><Value InputDataID="10101">abc</Value></InputData></Factor></InputData></KinemoUserFactorFile>' "$app" "$mdb" >"$elements/Broken.kuf"
echo "not xml" >"$elements/Garbage.kuf"
printf '[Print]\nPaperSize=abc\n' >"$elements/kinemo.ini"

out=$("$CLI" size "$ex" --catalog "$DB" --format csv --level 100 2>"$XDG_CONFIG_HOME/err") || fail "size exited $?: $(cat "$XDG_CONFIG_HOME/err")"
[ "$(tail -n +2 <<<"$out" | cut -d, -f1 | tr -d '\r' | tr '\n' ' ')" = "KRS0402ANS0 KRS0752ANS0 " ] || fail "size: $out"
err=$(cat "$XDG_CONFIG_HOME/err")
grep -qF "The file \"$elements/Broken.kuf\" was skipped: the value \"abc\" of " <<<"$err" || fail "broken element not named: $err"
grep -qF "The file \"$elements/Garbage.kuf\" was skipped: it is not a user element file" <<<"$err" || fail "garbage not named: $err"
grep -qF "holds PaperSize=abc, which is not a valid value; 0 is used instead." <<<"$err" || fail "setting not named: $err"

# The user's own MY400 and a sheet received under another name that claims the same model.
cp "$SRC/examples/user_motor_MY400.kmt" "$motors/MY400.kmt"
sed 's|<RatedTorque>[^<]*</RatedTorque>|<RatedTorque>1.5</RatedTorque>|' "$SRC/examples/user_motor_MY400.kmt" >"$motors/A-received.kmt"
list=$("$CLI" motor list --catalog "$DB" 2>"$XDG_CONFIG_HOME/err") || fail "motor list exited $?"
grep -q "^MY400,KDA204,1.27," <<<"$list" || fail "the user's own sheet is not the one listed: $list"
grep -qF "$motors/A-received.kmt\" was skipped" "$XDG_CONFIG_HOME/err" || fail "received sheet not named: $(cat "$XDG_CONFIG_HOME/err")"

# Adding a sheet of a model the user has: refused unless the question is answered yes.
"$CLI" motor add "$motors/A-received.kmt" --catalog "$DB" >/dev/null 2>&1 && fail "replaced without asking"
grep -q "<RatedTorque>1.27" "$motors/MY400.kmt" || fail "the user's sheet changed"
"$CLI" motor add "$motors/A-received.kmt" --answer yes --catalog "$DB" >/dev/null 2>&1 || fail "replace with --answer yes exited $?"
grep -q "<RatedTorque>1.5" "$motors/MY400.kmt" || fail "not replaced on yes"

# Remove deletes the sheet the motor was read from, never the received one.
"$CLI" motor remove MY400 --catalog "$DB" || fail "remove exited $?"
[ -f "$motors/MY400.kmt" ] && fail "MY400.kmt still there"
[ -f "$motors/A-received.kmt" ] || fail "the received sheet was removed"
echo "files_from_others: ok"
