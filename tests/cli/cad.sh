#!/usr/bin/env bash
# kinemo-cli cad: the committed motor's drawing through the CAD link and kinemo-cad (found
# through the registry stand-in beside the executables): DXF views, an STL solid, the
# messages of a failing CAD program, no hand-over file left in the temporary folder.
set -u
CLI=$1
CATALOG=$2
SRC=$3
fail() { echo "FAIL: $*"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME="$dir/cfg" XDG_CONFIG_DIRS="$dir/none" TMPDIR="$dir/tmp"
mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME"

# Example 02 with KRS0401BBK1 committed (400 W, brake, keyed shaft, oil seal).
sed 's|<KINEMO \([^>]*\)>|<KINEMO \1>\n  <Commit><MsvID>1011</MsvID><MxcID>104</MxcID></Commit>|' \
  "$SRC/examples/02_ball_screw_through_gear.kjb" > "$dir/p.kjb"
grep -q '<Commit>' "$dir/p.kjb" || fail "could not commit a motor in the fixture"

for view in front left right; do
  out=$("$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --view $view --out "$dir/m_$view" 2>"$dir/err") ||
    fail "$view exited $?: $(cat "$dir/err")"
  [ "$out" = "$dir/m_$view.dxf" ] || fail "$view target: $out"
  head -2 "$dir/m_$view.dxf" | tr '\n' ' ' | grep -q '^0 SECTION' || fail "$view is not a DXF"
  [ "$(tail -1 "$dir/m_$view.dxf")" = "EOF" ] || fail "$view DXF not finished"
  grep -qx 'DIMENSIONS' "$dir/m_$view.dxf" || fail "$view without its dimension layer"
done
"$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --view 3d --out "$dir/m.stl" >/dev/null 2>&1 || fail "3d exited $?"
head -1 "$dir/m.stl" | grep -qx 'solid KRS0401BBK1' || fail "3d is not an STL of the motor"
[ "$(grep -c 'facet normal' "$dir/m.stl")" -gt 100 ] || fail "STL too small"

# The same drawing twice gives the same bytes.
"$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --view front --out "$dir/again.dxf" >/dev/null 2>&1
cmp -s "$dir/m_front.dxf" "$dir/again.dxf" || fail "front view differs between runs"

# An existing drawing is replaced only when the question is answered yes.
echo old > "$dir/keep.dxf"
"$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --out "$dir/keep.dxf" --answer no >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "declined overwrite exited $rc"
[ "$(cat "$dir/keep.dxf")" = old ] || fail "declined overwrite replaced the file"

# A CAD program registered by the user that fails: its message, the old file kept.
mkdir -p "$XDG_CONFIG_HOME/Kinemo"
printf '#!/bin/sh\nexit 0\n' > "$dir/lazy.sh"; chmod +x "$dir/lazy.sh"
printf '[App Paths\\Zerith.EXE]\n@=%s\n' "$dir/lazy.sh" > "$XDG_CONFIG_HOME/Kinemo/registry.ini"
"$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --out "$dir/keep.dxf" 2>"$dir/err" >/dev/null; rc=$?
[ $rc -eq 1 ] || fail "failing CAD program exited $rc"
grep -q 'ended without saving the drawing' "$dir/err" || fail "message: $(cat "$dir/err")"
[ "$(cat "$dir/keep.dxf")" = old ] || fail "failed run replaced the file"

# kinemo-cad on part data it cannot draw: the message says so, with its exit status and words.
CAD=$(dirname "$CLI")/kinemo-cad
printf '#!/bin/sh\nprintf "format=kinemo-cad-parts 1\\npart=X/F\\n" > "$1"\nexec "%s" "$@"\n' "$CAD" > "$dir/bad.sh"
chmod +x "$dir/bad.sh"
printf '[App Paths\\Zerith.EXE]\n@=%s\n' "$dir/bad.sh" > "$XDG_CONFIG_HOME/Kinemo/registry.ini"
"$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --out "$dir/keep.dxf" 2>"$dir/err" >/dev/null; rc=$?
[ $rc -eq 1 ] || fail "undrawable part data exited $rc"
grep -q 'cannot draw this motor' "$dir/err" || fail "part data message: $(cat "$dir/err")"
grep -q 'exit status 3' "$dir/err" || fail "exit status: $(cat "$dir/err")"
grep -q 'no value for flange' "$dir/err" || fail "kinemo-cad's own words: $(cat "$dir/err")"
[ "$(cat "$dir/keep.dxf")" = old ] || fail "failed run replaced the file"

printf '#!/bin/sh\nsleep 20\n' > "$dir/slow.sh"; chmod +x "$dir/slow.sh"
printf '[App Paths\\Zerith.EXE]\n@=%s\n' "$dir/slow.sh" > "$XDG_CONFIG_HOME/Kinemo/registry.ini"
"$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --out "$dir/slow" --time-limit 0.3 2>"$dir/err" >/dev/null; rc=$?
[ $rc -eq 1 ] || fail "slow CAD program exited $rc"
grep -q 'time limit' "$dir/err" || fail "time limit message: $(cat "$dir/err")"

printf '[App Paths\\Zerith.EXE]\n@=%s\n' "$dir/none.sh" > "$XDG_CONFIG_HOME/Kinemo/registry.ini"
"$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --out "$dir/x" 2>"$dir/err" >/dev/null; rc=$?
[ $rc -eq 1 ] || fail "missing CAD program exited $rc"
grep -q 'could not be started' "$dir/err" || fail "start message: $(cat "$dir/err")"

[ -z "$(ls -A "$TMPDIR")" ] || fail "left in the temporary folder: $(ls -A "$TMPDIR")"

# A project without a committed motor, and bad arguments.
"$CLI" cad "$SRC/examples/02_ball_screw_through_gear.kjb" --catalog "$CATALOG" --out "$dir/y" >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "no committed motor exited $rc"
"$CLI" cad "$dir/p.kjb" --catalog "$CATALOG" --view top --out "$dir/y" >/dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "bad view exited $rc"

# kinemo-cad itself: its exit status says what went wrong.
CAD=$(dirname "$CLI")/kinemo-cad
"$CAD" "$dir/none.vtg" "$dir/z.dxf" /F 2>/dev/null; rc=$?
[ $rc -eq 3 ] || fail "kinemo-cad without hand-over file exited $rc"
printf 'format=kinemo-cad-parts 1\npart=X/F\n' > "$dir/half.vtg"
err=$("$CAD" "$dir/half.vtg" "$dir/z.dxf" 2>&1); rc=$?
[ $rc -eq 3 ] || fail "kinemo-cad with half a hand-over file exited $rc"
grep -q 'no value for flange' <<<"$err" || fail "kinemo-cad reason: $err"
"$CAD" "$dir/half.vtg" "$dir/z.dxf" /Q 2>/dev/null; rc=$?
[ $rc -eq 3 ] || fail "kinemo-cad checks the file before the switch: $rc"
"$CAD" 2>/dev/null; rc=$?
[ $rc -eq 2 ] || fail "kinemo-cad without arguments exited $rc"
[ ! -e "$dir/z.dxf" ] || fail "kinemo-cad wrote a drawing from a bad hand-over file"
exit 0
