#!/usr/bin/env bash
# Lists the English catalog texts that have no Japanese text (and Japanese rows without an
# English one), by building the Japanese catalog into a scratch file.
# Usage: catalog/tools/ja_missing.sh [BUILD_DIR]   (default: build; needs kinemo-mkcatalog built)
# Each line names the table, the key and the column, then the English text, e.g.
#   ja missing: s_message main_window/MenuFile/1 msg_value = '&File'
#   ja missing: t_machine_element 101 tme_name = 'Rigid coupling'
# Add the rows to a file of catalog/ja/ (ja_s_message, ja_<table> or ja_phrase; see
# catalog/ja/000_text_tables.sql). Exit status 0 when nothing is missing.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/../build}"
tool="$build/tools/kinemo-mkcatalog"
if [ ! -x "$tool" ]; then
  echo "ja_missing.sh: $tool not found; build the target kinemo-mkcatalog first" >&2
  exit 2
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
shopt -s nullglob
en=("$here"/en/*.sql)
ja=("$here"/ja/*.sql)
if "$tool" "$scratch/ja.db" "$here/schema.sql" "${en[@]}" "${ja[@]}" 2>"$scratch/log"; then
  echo "Every English text has a Japanese text."
  exit 0
fi
if grep -E '^ja (missing|extra):' "$scratch/log"; then
  echo "$(grep -cE '^ja (missing|extra):' "$scratch/log") key(s) differ" >&2
else
  cat "$scratch/log" >&2  # another error stopped the build before the key check
fi
exit 1
