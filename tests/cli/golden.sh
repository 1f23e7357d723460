#!/usr/bin/env bash
# kinemo-cli judge against the golden judgement reports (tests/golden/judge): every example
# with two or three motors, normalised and compared line by line. After an intended change
# in physics or texts, scripts/update-golden.sh regenerates them for review.
set -u
CLI=$1 DB=$2 SRC=$3
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME LC_ALL=C.UTF-8
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
failed=0 count=0
while read -r stem motor; do
  [ -z "$stem" ] || [ "${stem:0:1}" = "#" ] && continue
  golden=$SRC/tests/golden/judge/${stem}__${motor}.txt
  [ -f "$golden" ] || { echo "FAIL: no golden report $golden"; failed=1; continue; }
  out=$("$CLI" judge "$SRC/examples/$stem.kjb" --motor "$motor" --catalog "$DB") || { echo "FAIL: judge $stem $motor exited $?"; failed=1; continue; }
  if ! diff -u "$golden" <(python3 "$SRC/tests/golden/normalise.py" <<<"$out") >"$XDG_CONFIG_HOME/diff"; then
    echo "FAIL: $stem $motor differs from its golden report:"; head -40 "$XDG_CONFIG_HOME/diff"; failed=1
  fi
  count=$((count + 1))
done <"$SRC/tests/golden/judge/cases.txt"
[ "$count" -ge 18 ] || { echo "FAIL: only $count golden reports compared"; exit 1; }
[ "$failed" -eq 0 ] || exit 1
echo "golden: $count reports ok"
