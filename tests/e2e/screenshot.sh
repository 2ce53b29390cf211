#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's picture of the calculator window on a private Xvfb
# display: bench/../docs/screenshot.png by default. With TAMRIX_DARK=1 the
# desktop hands the program a dark colour scheme, as a dark KDE desktop does
# through its kdeglobals file.
#
# Usage: [TAMRIX_DARK=1] tests/e2e/screenshot.sh [PATH/TO/tamrix] [OUTPUT.png]
# (runs itself under xvfb-run; needs xdotool, and Python for xcapture.py)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tamrix=${1:-$here/../../build/tamrix}
out=${2:-$here/../../docs/screenshot.png}
if [ -z "${TAMRIX_SCREENSHOT_DISPLAY:-}" ]; then
  TAMRIX_SCREENSHOT_DISPLAY=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$tamrix" "$out"
fi

source "$here/xsession.sh"
work=$(mktemp -d)
data=$work
trap end_session EXIT
# All three fields out, in scientific, decimal and hexadecimal formats.
printf '[Main]\r\nLeft=20\r\nTop=20\r\nWidth=420\r\nDropOut=1\r\nOutStr1=1\r\nOutStr2=2\r\nOutStr3=3\r\nExpression=1/sqrt(2*Pi)*exp(-0.5^2/2)*1000\r\n' \
  > "$data/Tamrix.ini"
if [ -n "${TAMRIX_DARK:-}" ]; then
  mkdir -p "$work/config"
  printf '%s\n' '[General]' 'ColorScheme=Dark' \
    '[Colors:Window]' 'BackgroundNormal=49,54,59' 'ForegroundNormal=239,240,241' \
    '[Colors:Button]' 'BackgroundNormal=49,54,59' 'ForegroundNormal=239,240,241' \
    '[Colors:View]' 'BackgroundNormal=35,38,41' 'ForegroundNormal=239,240,241' \
    '[Colors:Selection]' 'BackgroundNormal=61,174,233' 'ForegroundNormal=239,240,241' \
    '[Colors:Tooltip]' 'BackgroundNormal=49,54,59' 'ForegroundNormal=239,240,241' > "$work/config/kdeglobals"
  export XDG_CONFIG_HOME=$work/config XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 KDE_FULL_SESSION=true
fi
"$tamrix" --dir "$data/" >/dev/null 2>&1 &
pid=$!
session_pids=("$pid")
wait_until 10 has_tamrix_window "$pid" || { echo "the window did not appear" >&2; exit 1; }
wid=$(tamrix_window "$pid")
xdo windowactivate "$wid" || true
# The slide-out panel and the first evaluation have drawn once two captures
# a moment apart are the same (a raw format: no time stamp in the file).
settled() {
  "$here/xcapture.py" "$wid" "$work/now.ppm" 2>/dev/null || return 1
  if cmp -s "$work/now.ppm" "$work/before.ppm"; then return 0; fi
  mv "$work/now.ppm" "$work/before.ppm"
  return 1
}
wait_until 10 settled || { echo "the window did not settle" >&2; exit 1; }
mkdir -p "$(dirname "$out")"
"$here/xcapture.py" "$wid" "$out"
echo "wrote $out"
