#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack and checks it: name, dependencies,
# contents, one version everywhere, no lintian error or warning, a valid menu
# entry and metadata, a manual page without warnings, a program that runs. When CI is "true" and
# the test runs as root, also installs it with dpkg, runs /usr/bin/tamrix
# --eval (whose settings must come from the user's configuration folder, not
# from /usr/bin) and removes it again.
#
# Usage: package_test.sh BUILD_DIR   (exit 77 = skipped)
set -uo pipefail
build=${1:?usage: package_test.sh BUILD_DIR}
[ -x "$build/tamrix" ] || { echo "SKIP: $build/tamrix is not built"; exit 77; }
[ -f "$build/CPackConfig.cmake" ] || { echo "SKIP: no CPack configuration in $build"; exit 77; }
for tool in cpack dpkg-deb lintian appstreamcli groff dpkg-parsechangelog; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
installed=""
cleanup() {
  [ -n "$installed" ] && dpkg -r tamrix >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed (is the whole project built?)"; }
debs=("$work"/out/tamrix_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one tamrix_*.deb, found: ${debs[*]}"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = tamrix ] || fail "package name is '$(dpkg-deb -f "$deb" Package)'"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqt6network6 libx11-6 qt6-qpa-plugins \
           qt6-translations-l10n; do
  grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland, fonts-wqy-microhei" ] ||
  fail "Recommends is '$(dpkg-deb -f "$deb" Recommends)'"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
want=(./usr/bin/tamrix ./usr/share/applications/org.tamrix.Tamrix.desktop
      ./usr/share/metainfo/org.tamrix.Tamrix.metainfo.xml ./usr/share/man/man1/tamrix.1.gz
      ./usr/share/doc/tamrix/copyright ./usr/share/doc/tamrix/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
  want+=("./usr/share/icons/hicolor/${size}x${size}/apps/tamrix.png")
done
for f in "${want[@]}"; do
  grep -qxF "$f" <<<"$contents" || fail "the package lacks $f"
done
# Nothing but those files (and their folders).
stray=$(grep -v '/$' <<<"$contents" | grep -vxF -f <(printf '%s\n' "${want[@]}"))
[ -z "$stray" ] || fail "unexpected files in the package: $stray"

# Errors and warnings fail; pedantic and info tags are listed only.
lintian --fail-on error,warning --info --pedantic "$deb" 2>&1 | tee "$work/lintian.log"
[ "${PIPESTATUS[0]}" -eq 0 ] && ! grep -q '^[EW]: ' "$work/lintian.log" || fail "lintian rejects the package"

root="$work/root"
dpkg-deb -x "$deb" "$root"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/org.tamrix.Tamrix.desktop" || fail "the packaged entry is not valid"
fi
metainfo="$root/usr/share/metainfo/org.tamrix.Tamrix.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 &&
  ! grep -qE '^[EW]: ' "$work/appstream.log" || { cat "$work/appstream.log"; fail "appstreamcli rejects the metadata"; }
grep -qF '<launchable type="desktop-id">org.tamrix.Tamrix.desktop</launchable>' "$metainfo" ||
  fail "the metadata does not launch the menu entry"
warnings=$(zcat "$root/usr/share/man/man1/tamrix.1.gz" | groff -ww -z -man 2>&1)
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"

out=$("$root/usr/bin/tamrix" --eval '2+2' 2>&1) || fail "the packaged program failed: $out"
[ "$out" = $'4.00000000000000000E+0\t4\t4o' ] || fail "the packaged program printed '$out'"
# One version: the program's, the package's, the metadata's newest release,
# the changelog's.
version=$(dpkg-deb -f "$deb" Version)
out=$("$root/usr/bin/tamrix" --version)
[ "$out" = "tamrix $version" ] || fail "tamrix --version printed '$out', the package is $version"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"
changes=$(zcat "$root/usr/share/doc/tamrix/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changes" = "$version" ] || fail "the changelog's version is '$changes', the package is $version"
echo "ok: package built and checked"

if [ "${CI:-}" != true ] || [ "$(id -u)" -ne 0 ]; then
  echo "PASS (dpkg -i only in CI as root)"
  exit 0
fi
if dpkg-query -W -f='${Status}' tamrix 2>/dev/null | grep -q "install ok installed"; then
  echo "PASS (a tamrix package is installed on this machine already: left alone)"
  exit 0
fi
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
installed=yes
[ -x /usr/bin/tamrix ] || fail "dpkg -i did not install /usr/bin/tamrix"
# Root may write /usr/bin; the installed program must still read the user's
# folder: hexadecimal in the first field comes from there.
mkdir -p "$work/config/tamrix"
printf '[Main]\r\nOutStr1=3\r\n' >"$work/config/tamrix/Tamrix.ini"
out=$(cd / && HOME="$work/home" XDG_CONFIG_HOME="$work/config" /usr/bin/tamrix --eval '2+2' 2>&1) ||
  fail "/usr/bin/tamrix --eval failed: $out"
[ "$out" = $'4h\t4\t4o' ] || fail "/usr/bin/tamrix --eval '2+2' printed '$out'"
dpkg -r tamrix >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r failed"; }
installed=""
[ ! -e /usr/bin/tamrix ] || fail "dpkg -r left /usr/bin/tamrix"
echo "PASS (installed, ran and removed)"
