#!/usr/bin/env bash
# Regenerates the golden judgement reports in tests/golden/judge/ from kinemo-cli judge
# (usage: scripts/update-golden.sh [CLI] [CATALOG]; default build/bin). Review the diff.
set -euo pipefail
cd "$(dirname "$0")/.."
CLI=${1:-build/bin/kinemo-cli} DB=${2:-build/bin/Kinemo.db}
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME HOME=$XDG_CONFIG_HOME LC_ALL=C.UTF-8
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
rm -f tests/golden/judge/*__*.txt
grep -v '^#' tests/golden/judge/cases.txt | while read -r stem motor; do
  "$CLI" judge "examples/$stem.kjb" --motor "$motor" --catalog "$DB" |
    python3 tests/golden/normalise.py >"tests/golden/judge/${stem}__${motor}.txt"
done
echo "golden reports written: $(ls tests/golden/judge/*__*.txt | wc -l)"
