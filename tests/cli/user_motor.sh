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
# KRS0402ANS0 (phase-1 row of the sample catalog) as a data sheet of its own name MY400.
cat >"$sheet" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<KinemoMotor Version="1">
  <Model>MY400</Model>
  <Amplifier>KDA204</Amplifier>
  <Brake>0</Brake>
  <RatedTorque>1.27</RatedTorque>
  <MaxTorque>3.82</MaxTorque>
  <RatedSpeed>3000</RatedSpeed>
  <MaxSpeed>5000</MaxSpeed>
  <RotorInertia>6.2e-05</RotorInertia>
  <AllowableInertiaRatio>30</AllowableInertiaRatio>
  <PhaseResistance>1.45</PhaseResistance>
  <RatedCurrent>2.6</RatedCurrent>
  <SupplyVoltage>200</SupplyVoltage>
  <TripVoltage>400</TripVoltage>
  <BusCapacitance>680</BusCapacitance>
  <AllowableRegenerativePower>0</AllowableRegenerativePower>
  <MomentaryRegenerativePower>3200</MomentaryRegenerativePower>
  <ExternalResistorPower>120</ExternalResistorPower>
  <ExternalResistorCapacity>40</ExternalResistorCapacity>
  <ExternalResistor>KRX-2050 (50 Ω, 120 W)</ExternalResistor>
  <WarningTorqueDefault>0.8</WarningTorqueDefault>
  <WarningTorqueHigh>0.7</WarningTorqueHigh>
  <WarningTorqueLow>0.8</WarningTorqueLow>
  <WarningAllowableDischarge>0.8</WarningAllowableDischarge>
  <WarningMomentaryDischarge>0.8</WarningMomentaryDischarge>
</KinemoMotor>
XML
path=$("$CLI" motor add "$sheet" --catalog "$DB") || fail "motor add exited $?"
[ -f "$path" ] || fail "no sheet at $path"
list=$("$CLI" motor list --catalog "$DB") || fail "motor list exited $?"
grep -q "^MY400,KDA204,1.27,3.82,3000,6.2e-05,200$" <<<"$list" || fail "list: $list"
user=$("$CLI" judge "$ex" --motor MY400 --catalog "$DB") || fail "judge of the user motor exited $?"
# The judgement's figures are those of the catalog motor with the same values.
cat=$("$CLI" judge "$ex" --motor KRS0402ANS0 --catalog "$DB") || fail "judge of the catalog motor exited $?"
for key in 実効トルク= 最大トルク= 回生判定結果= 最大回転数判定結果= イナーシャ比=; do
  a=$(grep -m1 "^$key" <<<"${cat//$'\r'/}"); b=$(grep -m1 "^$key" <<<"${user//$'\r'/}")
  [ -n "$a" ] || continue
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
