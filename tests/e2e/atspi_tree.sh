#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator's accessibility tree over AT-SPI, as a screen reader reads
# it: run on a private session bus (dbus-run-session) with the accessibility
# bus of its own, under Xvfb.
# Usage: atspi_tree.sh PATH/TO/tamrix
set -euo pipefail
source "$(dirname "$0")/xsession.sh"

TAMRIX=${1:?usage: atspi_tree.sh PATH/TO/tamrix}
require_x_session python3
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
# The distribution's Python, which the distribution's module belongs to.
py=/usr/bin/python3
[ -x "$py" ] || py=python3
"$py" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "SKIP: no session bus (run under dbus-run-session)"; exit 77; }

work=$(mktemp -d)
mkdir -p "$work/data"
trap end_session EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$work/tamrix.log" ] && { echo "--- tamrix.log"; cat "$work/tamrix.log"; }
  exit 1
}

"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
session_pids+=("$!")
bus_ready() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
wait_until 15 bus_ready || fail "the accessibility bus did not start"

QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$TAMRIX" --dir "$work/data/" >"$work/tamrix.log" 2>&1 &
session_pids+=("$!")

timeout 90 "$py" "$(dirname "$0")/atspi_walk.py" || fail "the accessibility tree is not what a screen reader needs"
