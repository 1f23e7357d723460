#!/usr/bin/env bash
# Numbers that cannot poison a result: NaN, infinities, 1e308, a denormal and negative zero
# put into every input item of example 02 (and into drive pattern cells) give, from judge,
# size, report and quote, either a result or exit status 1 with a message, and never
# "nan" or "inf" as a number in what the command prints or writes.
set -u
CLI=$1 DB=$2 SRC=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME="$dir/cfg" HOME="$dir"
fail() { echo "FAIL: $*"; exit 1; }
ex=$SRC/examples/02_ball_screw_through_gear.kjb
committed=$SRC/examples/18_feeder_committed_with_options.kjb
motor=KRS0101ABS0
values="NaN -INF inf 1e308 -1e308 4.9e-324 -0"

# A word "nan" or "inf" (any case, signed or not) in a file. In a message (second argument
# "message") the quoted input text it repeats is taken out first: "NaN" is not a number.
poisoned() {
  if [ "${2:-}" = message ]; then sed -e "s/'[^']*'//g" -e 's/"[^"]*"//g' "$1"; else cat "$1"; fi |
    grep -iqwE -- '[-+]?(nan|inf|infinity)'
}

# KINEMO_TEST_SAMPLE=N (the sanitizer stage) runs every Nth case of the loops below, counted
# across items and values, so each item and each value is still met, not every pair.
sample=${KINEMO_TEST_SAMPLE:-1} case_no=0
picked() { case_no=$((case_no + 1)); [ $((case_no % sample)) -eq 0 ]; }

# Runs one command; its status must be 0, or 1 with a message on stderr; nothing it wrote
# may hold a non-finite number. Extra files written by the command follow after "--".
runs=0
check() {
  local what=$1; shift
  local files=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do files+=("$1"); shift; done
  shift
  "$CLI" "$@" >"$dir/out" 2>"$dir/err"; local rc=$?
  runs=$((runs + 1))
  case $rc in
    0) ;;
    1) [ -s "$dir/err" ] || fail "$what: exit 1 without a message" ;;
    *) fail "$what: exit $rc: $(head -c 300 "$dir/err")" ;;
  esac
  for f in "$dir/out" "${files[@]}"; do
    [ -f "$f" ] && poisoned "$f" && fail "$what: non-finite number in $(basename "$f"): $(grep -iwE 'nan|inf' "$f" | head -3)"
  done
  poisoned "$dir/err" message && fail "$what: non-finite number in the message: $(head -c 300 "$dir/err")"
  rm -f "${files[@]}"
}

# The untouched examples give results through every command the checks below use.
for cmd in "judge $ex --motor $motor" "size $ex --format csv" "report $ex --motor $motor --page summary --csv $dir/r.csv" \
           "quote $committed --format csv"; do
  $CLI $cmd --catalog "$DB" >/dev/null 2>"$dir/err" || fail "$cmd exited $?: $(cat "$dir/err")"
done

# Every input item of every element of the chain.
ids=$(grep -o '<Value InputDataID="[0-9]*">' "$ex" | grep -o '[0-9]*' | sort -u)
[ "$(wc -w <<<"$ids")" -ge 20 ] || fail "found only $(wc -w <<<"$ids") input items in example 02"
for id in $ids; do
  for v in $values; do
    picked || continue
    sed "s|<Value InputDataID=\"$id\">[^<]*<|<Value InputDataID=\"$id\">$v<|" "$ex" >"$dir/p.kjb"
    grep -q "InputDataID=\"$id\">$v<" "$dir/p.kjb" || fail "could not set item $id"
    check "judge, item $id = $v" -- judge "$dir/p.kjb" --motor $motor --catalog "$DB"
  done
done

# Cells of the drive pattern example 02 uses (the first two rows of its straight grid), and
# the first items of each element, through every command that prints or writes figures.
pattern_cell() {  # $1 cell number (1-based) in the straight grid, $2 value
  awk -v n="$1" -v v="$2" '
    /<PatternBehavior>Straight<\/PatternBehavior>/ { grid = 1 }
    grid && /<Value>/ && ++seen == n { sub(/<Value>[^<]*</, "<Value>" v "<") }
    /<\/Grid>/ { grid = 0 }
    { print }' "$ex"
}
for v in $values; do
  for cell in 1 3 5 9 11; do
    picked || continue
    pattern_cell $cell "$v" >"$dir/p.kjb"
    cmp -s "$ex" "$dir/p.kjb" && fail "could not set pattern cell $cell"
    check "judge, pattern cell $cell = $v" -- judge "$dir/p.kjb" --motor $motor --catalog "$DB"
    check "size, pattern cell $cell = $v" -- size "$dir/p.kjb" --format csv --catalog "$DB"
    check "report, pattern cell $cell = $v" "$dir/r.csv" -- report "$dir/p.kjb" --motor $motor --page pattern \
      --csv "$dir/r.csv" --catalog "$DB"
  done
  for id in 20101 10301 30101 40101 40401; do
    picked || continue
    sed "s|<Value InputDataID=\"$id\">[^<]*<|<Value InputDataID=\"$id\">$v<|" "$ex" >"$dir/p.kjb"
    check "size json, item $id = $v" -- size "$dir/p.kjb" --format json --catalog "$DB"
    for page in summary elements torque regeneration; do
      check "report $page, item $id = $v" "$dir/r.csv" -- report "$dir/p.kjb" --motor $motor --page $page \
        --csv "$dir/r.csv" --catalog "$DB"
    done
  done
  # The quotation needs a committed motor: example 18's chain, each of its items.
  for id in $(grep -o '<Value InputDataID="[0-9]*">' "$committed" | grep -o '[0-9]*' | sort -u); do
    picked || continue
    sed "s|<Value InputDataID=\"$id\">[^<]*<|<Value InputDataID=\"$id\">$v<|" "$committed" >"$dir/q.kjb"
    check "quote, item $id = $v" -- quote "$dir/q.kjb" --format csv --catalog "$DB"
  done
done
echo "nonfinite: ok ($runs runs)"
