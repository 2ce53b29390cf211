# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The X desktop that the end-to-end scripts share; sourced, not run. The
# script that sources it sets $work (its temporary folder), lists the
# programs it starts in session_pids, defines fail() and sets
# "trap end_session EXIT".

session_pids=()
wm_pid=""

# Ends the script as skipped (77) unless every named tool and an X display
# are there.
require_x_session() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  [ -n "${DISPLAY:-}" ] || { echo "SKIP: no X display (run under xvfb-run)"; exit 77; }
}

# Ends what the script started and removes its folder (also under set -e,
# where a program that has ended already must not stop the clean-up).
end_session() {
  local p
  for p in "${session_pids[@]}" ${wm_pid:+"$wm_pid"}; do kill "$p" 2>/dev/null || true; done
  if [ -n "${work:-}" ]; then rm -rf "$work"; fi
}

# The program windows on the display, for a failure report.
show_windows() {
  echo "--- windows"
  xwininfo -root -tree 2>/dev/null | grep -i tamrix
}

# Runs "$@" every 100 ms until it succeeds, for at most $1 seconds.
wait_until() {
  local seconds=$1; shift
  local tries=$((seconds * 10))
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The toolkit takes a window's loss of the focus only when no focus has come
# back to it within 100 ms (a timer of its own, against flicker between its
# windows); nothing outside the program shows when that has run out. Input
# meant for a window that has seen itself left waits that long, with room
# for a loaded machine to deliver the focus event first.
let_focus_loss_settle() { sleep 0.3; }

# A loaded Xvfb now and then turns a new connection away; xdotool fails
# before it sends anything then, so trying again is safe.
xdo() {
  local attempt
  for attempt in 1 2 3 4 5; do
    xdotool "$@" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# The desktop: icewm as window manager and notification area, with no user
# settings, in $work/icewm.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# The notification area is there once someone owns its selection: that is
# what the calculator asks at start-up. No command-line tool reads a
# selection's owner, so the X library is asked directly.
tray_ready() {
  python3 - <<'PY'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XGetSelectionOwner.restype = ctypes.c_ulong
x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
display = x.XOpenDisplay(None)
owner = display and x.XGetSelectionOwner(display, x.XInternAtom(display, b"_NET_SYSTEM_TRAY_S0", 0))
sys.exit(0 if owner else 1)
PY
}
start_window_manager() {
  mkdir -p "$work/icewm"
  ICEWM_PRIVCFG="$work/icewm" icewm >/dev/null 2>&1 &
  wm_pid=$!
  wait_until 15 wm_ready || fail "the window manager did not start"
  wait_until 15 tray_ready || fail "the window manager's task bar took no notification area"
}

# The visible main window of the calculator with that process id (empty
# while it has none). --all: the process id and the name both must match,
# not either of them, where several calculators run.
tamrix_window() { xdotool search --all --onlyvisible --pid "$1" --name '^Tamrix$' 2>/dev/null | head -1; }
has_tamrix_window() { [ -n "$(tamrix_window "$1")" ]; }
