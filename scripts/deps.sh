#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that a fresh machine lacks for building
# (deps.sh build) or for building and testing (deps.sh test).
set -euo pipefail

build_pkgs=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libx11-dev qt6-l10n-tools
            qt6-translations-l10n)
test_pkgs=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool xclip icewm
           x11-utils desktop-file-utils clang libclang-rt-14-dev weston qt6-wayland
           lintian appstream groff-base dpkg-dev)
test_pkgs+=(libmpfr-dev)   # reference for the accuracy test of the built-in functions
test_pkgs+=(dbus-daemon python3-dbus python3-gi xdg-desktop-portal sway)   # Wayland portal and tray tests
test_pkgs+=(fonts-wqy-microhei)   # Chinese glyphs for the fit test of the Chinese interface
test_pkgs+=(libwayland-dev)      # the launcher stand-in of the sway run: a Wayland client and wayland-scanner
test_pkgs+=(wayland-protocols)   # its xdg-shell and xdg-activation protocol descriptions
test_pkgs+=(wtype)               # keys typed into the headless sway, which has no keyboard of its own
test_pkgs+=(at-spi2-core python3-pyatspi)   # the accessibility tree read over AT-SPI, as a screen reader does

want=("${build_pkgs[@]}")
if [ "${1:-build}" = test ]; then want+=("${test_pkgs[@]}"); fi

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
