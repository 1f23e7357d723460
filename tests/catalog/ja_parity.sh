#!/usr/bin/env bash
# The text key check of the Japanese catalog: the sample catalogs pass it, an English text
# without a Japanese one and a Japanese row without an English one each fail the build with
# the key named, and ja_missing.sh lists them.
# Usage: ja_parity.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src="$1"
build="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$src/catalog/tools/ja_missing.sh" "$build" >"$scratch/out" || { cat "$scratch/out"; fail "the sample catalogs differ in keys"; }

# A copy of the catalog sources with English texts more and stray Japanese rows (messages,
# an element, a CAD program text).
mkdir -p "$scratch/catalog"
cp -r "$src/catalog/en" "$src/catalog/ja" "$src/catalog/tools" "$src/catalog/schema.sql" "$src/catalog/check.sql" \
  "$scratch/catalog/"
cat >"$scratch/catalog/en/999_probe.sql" <<'SQL'
INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (1, 'probe', 'LabelProbe', 'Probe text', NULL),
  (2, 'probe', 'WidthProbe', '120', NULL);
INSERT INTO T_VANTOR_COMBOBOX (NAME, VALUE) VALUES ('PROBE_TITLE', 'Probe title'), ('PROBE_EMPTY', '');
SQL
cat >"$scratch/catalog/ja/500_probe.sql" <<'SQL'
INSERT INTO ja_s_message (msg_class, msg_control, msg_cd, msg_value, msg_symbol) VALUES
  ('probe', 'NoSuchControl', 3, '存在しない', NULL);
INSERT INTO ja_t_machine_element (tme_cd, tme_name, tme_note) VALUES (99999, '存在しない要素', NULL);
INSERT INTO ja_T_VANTOR_COMBOBOX (NAME, VALUE) VALUES ('NO_SUCH_NAME', '存在しない');
SQL
if "$scratch/catalog/tools/ja_missing.sh" "$build" >"$scratch/list" 2>"$scratch/err"; then
  fail "ja_missing.sh found nothing missing"
fi
grep -qx "ja missing: s_message probe/LabelProbe/1 msg_value = 'Probe text'" "$scratch/list" \
  || { cat "$scratch/list"; fail "the missing English text is not listed"; }
grep -q "WidthProbe" "$scratch/list" && fail "a number (column width) was taken for a text"
grep -qx "ja extra: s_message probe/NoSuchControl/3 has no English row" "$scratch/list" \
  || { cat "$scratch/list"; fail "the stray Japanese message is not listed"; }
grep -qx "ja extra: t_machine_element 99999 has no English row" "$scratch/list" \
  || { cat "$scratch/list"; fail "the stray Japanese element is not listed"; }
grep -qx "ja missing: T_VANTOR_COMBOBOX PROBE_TITLE VALUE = 'Probe title'" "$scratch/list" \
  || { cat "$scratch/list"; fail "the missing CAD program text is not listed"; }
grep -q "PROBE_EMPTY" "$scratch/list" && fail "an empty CAD program value was taken for a text"
grep -qx "ja extra: T_VANTOR_COMBOBOX NO_SUCH_NAME has no English row" "$scratch/list" \
  || { cat "$scratch/list"; fail "the stray Japanese CAD program text is not listed"; }
[ "$(grep -c '^ja ' "$scratch/list")" -eq 5 ] || { cat "$scratch/list"; fail "other keys listed"; }

# The build itself fails and leaves no catalog behind.
shopt -s nullglob
if "$build/tools/kinemo-mkcatalog" "$scratch/ja.db" "$scratch/catalog/schema.sql" "$scratch"/catalog/en/*.sql \
     "$scratch"/catalog/ja/*.sql "$scratch/catalog/check.sql" 2>"$scratch/build.log"; then
  fail "the Japanese catalog was built with differing keys"
fi
grep -q "5 problem(s) listed above" "$scratch/build.log" || { cat "$scratch/build.log"; fail "no problem count"; }
[ ! -e "$scratch/ja.db" ] || fail "a catalog was left behind"
echo "key check passed"
