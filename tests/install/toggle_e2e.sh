#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "tamrix --toggle" against the real program on an X display with a window
# manager and a notification area (icewm): it acts as the hot key of the
# calculator running for the same data folder (minimise the active window,
# bring it back from the notification area, activate it when another window
# is active) and ends at once; with none running it becomes the calculator;
# a socket left by a killed calculator does not stop it.
#
# Usage: toggle_e2e.sh PATH/TO/tamrix   (under xvfb-run; exit 77 = skipped)
set -uo pipefail
source "$(dirname "$0")/../e2e/xsession.sh"

TAMRIX=${1:?usage: toggle_e2e.sh PATH/TO/tamrix}
require_x_session xdotool xprop xwininfo icewm python3

work=$(mktemp -d)
mkdir -p "$work/a" "$work/b" "$work/c" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
trap end_session EXIT

fail() {
  echo "FAIL: $*"
  show_windows
  [ -f "$work/tamrix.log" ] && { echo "--- log"; cat "$work/tamrix.log"; }
  exit 1
}

start_window_manager

# Starts a calculator on a data folder; sets $pid and $wid.
start() {
  "$TAMRIX" --dir "$1" >>"$work/tamrix.log" 2>&1 &
  pid=$!
  session_pids+=("$pid")
  wait_until 15 has_tamrix_window "$pid" || fail "no window for --dir $1"
  wid=$(tamrix_window "$pid")
}

# Runs "tamrix --dir DIR --toggle"; it must end with status 0 within 3 s.
toggle() {
  local start_ns end_ns status
  start_ns=$(date +%s%N)
  timeout 10 "$TAMRIX" --dir "$1" --toggle >>"$work/tamrix.log" 2>&1
  status=$?
  end_ns=$(date +%s%N)
  [ "$status" -eq 0 ] || fail "tamrix --toggle --dir $1 ended with status $status"
  (((end_ns - start_ns) / 1000000 < 3000)) || fail "tamrix --toggle took $(((end_ns - start_ns) / 1000000)) ms"
}

map_state() { xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ {print $3}'; }
minimised() { [ "$(map_state "$1")" != IsViewable ] || xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q HIDDEN; }
shown() { ! minimised "$1"; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# Calculator $1 (main window $2) shows its icon in the notification area.
in_tray() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do [ "$w" != "$2" ] && return 0; done
  return 1
}
# At least $1 calculators listen for toggles.
listening() { [ "$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s | wc -l)" -ge "$1" ]; }

# --- two calculators on two folders; A is active.
start "$work/b/"
pid_b=$pid wid_b=$wid
start "$work/a/"
pid_a=$pid wid_a=$wid
xdo windowactivate --sync "$wid_a" >/dev/null 2>&1
wait_until 5 active "$wid_a" || fail "could not activate calculator A"

# 1. Active: the toggle minimises A (into the notification area), B stays.
toggle "$work/a"
wait_until 5 minimised "$wid_a" || fail "toggle did not minimise the active calculator"
shown "$wid_b" || fail "toggle for A changed calculator B"
kill -0 "$pid_a" || fail "calculator A ended"
echo "ok: active calculator minimised"

# 2. In the notification area: the toggle brings it back, active. The folder
#    is spelt differently: the same folder is the same calculator.
wait_until 5 in_tray "$pid_a" "$wid_a" || fail "calculator A is not in the notification area"
toggle "$work/b/../a/"
wait_until 5 shown "$wid_a" || fail "toggle did not bring the calculator back"
wid_a=$(tamrix_window "$pid_a")
wait_until 5 active "$wid_a" || fail "the calculator came back but is not active"
echo "ok: restored from the notification area"

# 3. Shown but another window active: the toggle activates it.
xdo windowactivate --sync "$wid_b" >/dev/null 2>&1
wait_until 5 active "$wid_b" || fail "could not activate calculator B"
# A toggle before the toolkit has taken A's loss of the focus finds A
# still active and minimises it.
let_focus_loss_settle
toggle "$work/a"
wait_until 5 active "$wid_a" || fail "toggle did not activate the inactive calculator"
shown "$wid_b" || fail "activating A minimised B"
echo "ok: inactive calculator activated"

# 4. Nobody running for folder C: the toggle becomes the calculator.
"$TAMRIX" --dir "$work/c" --toggle >>"$work/tamrix.log" 2>&1 &
pid_c=$!
session_pids+=("$pid_c")
wait_until 15 has_tamrix_window "$pid_c" || fail "toggle with none running opened no window"
wait_until 5 listening 3 || fail "the calculator started by --toggle does not listen"
kill -0 "$pid_c" || fail "the calculator started by --toggle ended"
wid_c=$(tamrix_window "$pid_c")
xdo windowactivate --sync "$wid_c" >/dev/null 2>&1
wait_until 5 active "$wid_c" || fail "could not activate calculator C"
toggle "$work/c"
wait_until 5 minimised "$wid_c" || fail "the calculator started by --toggle does not answer toggles"
echo "ok: toggle with none running started one that answers"

# 5. A calculator killed outright leaves its socket; the next toggle starts
#    a fresh one instead of failing or hanging.
kill -9 "$pid_b"
wait "$pid_b" 2>/dev/null
[ -n "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "no socket in the runtime folder"
"$TAMRIX" --dir "$work/b" --toggle >>"$work/tamrix.log" 2>&1 &
pid_b2=$!
session_pids+=("$pid_b2")
wait_until 15 has_tamrix_window "$pid_b2" || fail "toggle after a killed calculator opened no window"
echo "ok: leftover socket of a killed calculator replaced"
echo "PASS"
