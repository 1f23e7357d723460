#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root (no root rights needed) and runs
# the installed command-line tool from there: it must find its catalogs in share/kinemo/
# without being told, and size an installed example.
# Usage: deb.sh BUILD_DIR
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log" >&2; fail "cpack did not build the package"; }
deb="$(ls "$scratch"/pkg/*.deb)"
[ -f "$deb" ] || fail "no .deb written"

# Dependencies come from the linked libraries; the CJK font is recommended.
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6charts6 libsqlite3 libpugixml; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
dpkg-deb -f "$deb" Recommends | grep -q fonts-noto-cjk || fail "fonts-noto-cjk not recommended"

root="$scratch/root"
dpkg -x "$deb" "$root"
for f in usr/bin/kinemo usr/bin/kinemo-cli usr/share/kinemo/Kinemo.db usr/share/kinemo/Kinemo-ja.db \
         usr/share/kinemo/doc/help.html usr/share/kinemo/doc/help-ja.html usr/share/kinemo/doc/catalog.html usr/share/kinemo/doc/manual.html \
         usr/share/kinemo/examples/02_ball_screw_through_gear.kjb usr/share/applications/kinemo.desktop \
         usr/share/icons/hicolor/scalable/apps/kinemo.svg; do
  [ -e "$root/$f" ] || fail "$f is not in the package"
done
[ -n "$(ls "$root"/usr/share/kinemo/picture/element)" ] || fail "no element pictures in the package"
if [ -e "$build/bin/kinemo-cad" ]; then
  [ -x "$root/usr/bin/kinemo-cad" ] || fail "kinemo-cad was built but is not in the package"
  grep -q '^@=kinemo-cad$' "$root/usr/share/kinemo/registry.ini" || fail "kinemo-cad is not registered in the package"
fi
# Every picture a manual page shows is in the package.
for img in $(grep -oh 'images/[A-Za-z0-9_./-]*' "$root"/usr/share/kinemo/doc/*.html | sort -u); do
  [ -f "$root/usr/share/kinemo/doc/$img" ] || fail "the manual shows $img, which is not installed"
done

# The installed tool, started from elsewhere, finds its own catalog.
cd "$scratch"
info="$("$root/usr/bin/kinemo-cli" info)" || fail "kinemo-cli info failed"
echo "$info" | grep -q '^MDBVersion=' || fail "info shows no catalog version: $info"
example="$root/usr/share/kinemo/examples/02_ball_screw_through_gear.kjb"
size="$("$root/usr/bin/kinemo-cli" size "$example")" || fail "kinemo-cli size failed"
echo "$size" | grep -q 'KRS0402ANS0' || fail "size lists no KRS0402ANS0: $size"
ja="$("$root/usr/bin/kinemo-cli" size "$example" --catalog "$root/usr/share/kinemo/Kinemo-ja.db")" \
  || fail "kinemo-cli size on the Japanese catalog failed"
echo "$ja" | grep -q '判定' || fail "the Japanese catalog gives no Japanese headers: $ja"
echo "package test passed: $(basename "$deb")"
