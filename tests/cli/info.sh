#!/usr/bin/env bash
# kinemo-cli info: versions and table counts of the sample catalog; exit 2 with one
# line on stderr for a catalog that cannot be opened.
set -u
CLI=$1 DB=$2
fail() { echo "FAIL: $*"; exit 1; }
out=$("$CLI" info --catalog "$DB") || fail "info exited $?"
grep -qx 'ApplicationVersion=[0-9]*\.[0-9]*\.[0-9]*\.[0-9]*' <<<"$out" || fail "no ApplicationVersion line: $out"
grep -qx 'MDBVersion=[0-9.]*' <<<"$out" || fail "no MDBVersion line"
grep -qx 's_config=[1-9][0-9]*' <<<"$out" || fail "no s_config row count"
grep -qx 's_message=[1-9][0-9]*' <<<"$out" || fail "no s_message row count"
for bad in /nonexistent/Kinemo.db /etc/hostname; do
  err=$("$CLI" info --catalog "$bad" 2>&1 >/dev/null); rc=$?
  [ $rc -eq 2 ] || fail "exit $rc for $bad"
  [ "$(wc -l <<<"$err")" -eq 1 ] || fail "more than one error line for $bad: $err"
  grep -q "$bad" <<<"$err" || fail "error does not name $bad: $err"
done
echo "info: ok"
