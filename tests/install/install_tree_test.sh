#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "cmake --install" into a scratch prefix: the program, its menu entry (a
# valid desktop entry with the expected keys), the icon in every size of the
# hicolor theme, each PNG of its stated size, the manual page, the metadata,
# copyright and changelog; the installed program runs.
#
# Usage: install_tree_test.sh BUILD_DIR   (exit 77 = skipped)
set -uo pipefail
build=${1:?usage: install_tree_test.sh BUILD_DIR}
[ -x "$build/tamrix" ] || { echo "SKIP: $build/tamrix is not built"; exit 77; }
command -v desktop-file-validate >/dev/null || { echo "SKIP: desktop-file-validate is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "cmake --install failed (is the whole project built?)"; }

[ -x "$prefix/bin/tamrix" ] || fail "bin/tamrix not installed"
entry="$prefix/share/applications/org.tamrix.Tamrix.desktop"
[ -f "$entry" ] || fail "the desktop entry is not installed"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"

# The keys of the main group, one "key=value" a line.
main_group=$(awk '/^\[/ {g = $0; next} g == "[Desktop Entry]" && /=/' "$entry")
for want in 'Type=Application' 'Name=Tamrix' 'Exec=tamrix' 'Icon=tamrix' 'Terminal=false' \
            'Categories=Utility;Calculator;' 'StartupNotify=true' 'StartupWMClass=tamrix'; do
  grep -qxF "$want" <<<"$main_group" || fail "the entry lacks '$want'"
done
grep -q '^Comment=[A-Za-z]' <<<"$main_group" || fail "no English comment"
ru=$(grep '^Comment\[ru\]=' <<<"$main_group" | cut -d= -f2-)
# Cyrillic letters are two bytes in UTF-8, the first 0xD0 or 0xD1.
LC_ALL=C grep -q $'[\xd0\xd1]' <<<"$ru" || fail "no Russian comment (got '$ru')"
grep -qx 'Exec=tamrix --toggle' "$entry" || fail "no toggle action"

# Width and height of a PNG, from its header.
png_size() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "not-png"; return; }
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  echo "${w}x${h}"
}
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/tamrix.png"
  [ -f "$icon" ] || fail "icon ${size}x${size} not installed"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "icon ${size}x${size} is $(png_size "$icon")"
done
# Something is painted: a transparent square compresses to almost nothing.
[ "$(stat -c %s "$prefix/share/icons/hicolor/256x256/apps/tamrix.png")" -gt 1000 ] ||
  fail "the 256-pixel icon is empty"

for f in share/man/man1/tamrix.1.gz share/metainfo/org.tamrix.Tamrix.metainfo.xml \
         share/doc/tamrix/copyright share/doc/tamrix/changelog.gz; do
  [ -s "$prefix/$f" ] || fail "$f not installed"
done

out=$(HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$prefix/bin/tamrix" --eval '2+2' 2>&1) ||
  fail "the installed program failed: $out"
[ "$out" = $'4.00000000000000000E+0\t4\t4o' ] || fail "the installed program printed '$out'"
echo "PASS"
