#!/usr/bin/env bash
# kinemo-cli pattern: the pattern of a project as the pattern page shows it with the
# machine's speed coefficient; --convert switches the input type once, or exits 1 with the
# conversion's message; a pattern with more than 99 rows is an error, not a truncation;
# the example projects' patterns convert; a pattern with a row without time or a move
# without its ramps is refused naming the row.
set -u
CLI=$1 DB=$2 SRC=$3
fail() { echo "FAIL: $*"; exit 1; }
tmp=$(mktemp -d) || fail "no temporary folder"
trap 'rm -rf "$tmp"' EXIT

# A ball screw of lead 10 mm (6 r/min per mm/s) and a 50 kg table.
machine='<FrameChoiceFactor>
  <Factor><FactorID>301</FactorID><InputData><Value InputDataID="30101">10</Value></InputData></Factor>
  <Factor><FactorID>401</FactorID><InputData><Value InputDataID="40101">50</Value></InputData></Factor>
</FrameChoiceFactor>'
row() { printf '<Row>'; for v in "$@"; do printf '<Value>%s</Value>' "$v"; done; printf '</Row>\n'; }
project() {  # $1 input type, $2 Grid input type, $3 rows
  printf '<?xml version="1.0"?>\n<KINEMO>%s<FrameInputPattern><SelectedInputType>%s</SelectedInputType>' "$machine" "$1"
  printf '<Grid><PatternBehavior>Straight</PatternBehavior><InputType>%s</InputType><MeasureList/>%s</Grid>' "$2" "$3"
  printf '</FrameInputPattern></KINEMO>\n'
}

# 200 mm in 1 s with 0.2 s ramps, then a dwell of 0.5 s. Speeds are recomputed on entry.
project Position Position "$(row 1 1 0 0 200 0.2 0.2 0; row 1.5 0.5 0 0 200 0 0 0)" >"$tmp/move.kjb"
out=$("$CLI" pattern "$tmp/move.kjb" --catalog "$DB") || fail "pattern exited $?"
[ "$(head -1 <<<"$out")" = $'-- Drive pattern(Position) --\r' ] || fail "heading: $(head -1 <<<"$out")"
grep -q $'\r$' <<<"$out" || fail "lines do not end with CR LF"
line1=$(tr -d '\r' <<<"$out" | grep '^ 1 ')
[ "$(awk '{print $4, $5}' <<<"$line1")" = "1500.0000 250.0000" ] || fail "move speeds: $line1"
[ "$(tr -d '\r' <<<"$out" | grep -c '^ *[0-9][0-9]* ')" -eq 100 ] || fail "not the origin and 99 interval lines"

out=$("$CLI" pattern "$tmp/move.kjb" --catalog "$DB" --convert) || fail "convert exited $?"
speed=$(tr -d '\r' <<<"$out" | sed -n '/^-- Drive pattern(Speed) --$/,$p')
[ -n "$speed" ] || fail "no converted pattern: $out"
# Rise 0.2 s, run 0.6 s, fall 0.2 s, rest 0.5 s; positions 25, 175, 200, 200 mm.
[ "$(awk '$1 ~ /^[1-5]$/ {printf "%s/%s/%s ", $3, $5, $6}' <<<"$speed")" = \
  "0.2000/250.0000/25.0000 0.6000/250.0000/175.0000 0.2000/0.0000/200.0000 0.5000/0.0000/200.0000 0.0000/0.0000/0.0000 " ] ||
  fail "converted rows: $speed"

# Two different slopes up: not trapezoidal.
project Speed Speed "$(row 0.2 0.2 0 100 0 0; row 0.4 0.2 0 150 0 0; row 0.6 0.2 0 0 0 0)" >"$tmp/slopes.kjb"
err=$("$CLI" pattern "$tmp/slopes.kjb" --catalog "$DB" --convert 2>&1 >"$tmp/out.txt"); rc=$?
[ $rc -eq 1 ] || fail "non-trapezoid conversion exited $rc"
[ "$err" = "Not Trapezoid." ] || fail "conversion message: $err"
[ "$(grep -c '^-- ' "$tmp/out.txt")" -eq 1 ] || fail "a converted pattern was printed"

# An elapsed time going back (0.5 s, then 0.3 s) leaves row 3 without time: the project is
# refused naming the row, and its 100 -> 0 mm/s step in no time is never judged.
project Speed Speed "$(row 0.5 0.5 600 100 25 200; row 0.3 0 0 0 0 0)" >"$tmp/back.kjb"
for cmd in "judge --motor KRS0402ANS0" "size" "pattern"; do
  err=$("$CLI" $cmd "$tmp/back.kjb" --catalog "$DB" 2>&1 >"$tmp/out.txt"); rc=$?
  [ $rc -ne 0 ] || fail "$cmd judged a pattern going back in time"
  grep -q "row 3: The elapsed time is not later" <<<"$err" || fail "$cmd does not name the row: $err"
  [ ! -s "$tmp/out.txt" ] || fail "$cmd printed results: $(head -3 "$tmp/out.txt")"
done
# A move without an acceleration time is refused as well, naming its row.
project Position Position "$(row 1 1 0 0 200 0 0.2 0)" >"$tmp/jump.kjb"
err=$("$CLI" size "$tmp/jump.kjb" --catalog "$DB" 2>&1 >/dev/null); rc=$?
[ $rc -ne 0 ] || fail "a move without an acceleration time was judged"
grep -q "row 2: Enter an acceleration time" <<<"$err" || fail "jump: $err"

rows=""; for i in $(seq 1 100); do rows+=$(row "$i" 1 0 0 0 0); done
project Speed Speed "$rows" >"$tmp/long.kjb"
err=$("$CLI" pattern "$tmp/long.kjb" --catalog "$DB" 2>&1 >/dev/null); rc=$?
[ $rc -ne 0 ] || fail "a pattern of 100 intervals was accepted"
grep -q "99" <<<"$err" || fail "the error does not say why: $err"
# Every example's pattern is made of trapezoidal moves and dwells: it converts.
for f in "$SRC"/examples/*.kjb; do
  out=$("$CLI" pattern "$f" --catalog "$DB" --convert) || fail "$(basename "$f") does not convert"
  [ "$(grep -c '^-- ' <<<"$out")" -eq 2 ] || fail "$(basename "$f"): two patterns expected"
  grep -q '^ 1  *[0-9.]*  *[0-9.]*  *[1-9]' <<<"$out" || fail "$(basename "$f"): no motor speed in interval 1"
done
echo "pattern: ok"
