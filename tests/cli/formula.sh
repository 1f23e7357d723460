#!/usr/bin/env bash
# kinemo-cli formula: prints the named variables (or every assigned one, in order) of a formula
# file; a script error goes to stderr with its line, exit 1.
set -u
CLI=$1
fail() { echo "FAIL: $*"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

printf 'g = 9.80665\r\nDim Torque(1)\r\nTorque(1) = 1.5\r\nMass = 2\r\nForce = Mass * g\r\nSmall = 0.00001\r\nOk = Force > 10\r\n' > "$dir/ok.vbs"
out=$("$CLI" formula "$dir/ok.vbs" Force Ok Missing Small) || fail "formula exited $?"
expected=$'Force=19.6133\nOk=True\nMissing=\nSmall=1E-5'
[ "$out" = "$expected" ] || fail "named variables: got [$out]"

out=$("$CLI" formula "$dir/ok.vbs") || fail "formula without names exited $?"
expected=$'g=9.80665\nTorque(0)=\nTorque(1)=1.5\nMass=2\nForce=19.6133\nSmall=1E-5\nOk=True'
[ "$out" = "$expected" ] || fail "all variables: got [$out]"

printf 'x = 1\ny = 2\nz = x / (y - 2)\n' > "$dir/bad.vbs"
err=$("$CLI" formula "$dir/bad.vbs" z 2>&1 >/dev/null); rc=$?
[ $rc -eq 1 ] || fail "script error exited $rc"
grep -q 'line 3: Division by zero: z = x / (y - 2)' <<<"$err" || fail "error text: $err"

printf 'If x Then\n  y = 1\n' > "$dir/syntax.vbs"
err=$("$CLI" formula "$dir/syntax.vbs" 2>&1 >/dev/null); rc=$?
[ $rc -eq 1 ] || fail "syntax error exited $rc"
grep -q "line 2: Expected 'End'; 'End If' expected (to close 'If' at line 1)" <<<"$err" || fail "syntax error text: $err"

"$CLI" formula "$dir/none.vbs" >/dev/null 2>&1; rc=$?
[ $rc -eq 1 ] || fail "missing file exited $rc"
"$CLI" formula >/dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "no file argument exited $rc"
echo "formula: ok"
