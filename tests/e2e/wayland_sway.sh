#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator on a headless sway with a stand-in tray (a StatusNotifier
# watcher on a private session bus): minimising with InTray hides the window
# into the tray at once, the tray icon's Activate brings it back, a token
# that a launcher got from the compositor brings the window forward through
# "tamrix --toggle" while a made-up one does not, the window menu's Move
# hands the move to the desktop, and closing keeps the stored place (the
# desktop places windows there, so the window's own coordinates mean
# nothing).
#
# sway refuses to run as root: run as root (as CI does), the script runs
# itself again as the user "nobody" in a folder of its own.
#
# Usage: wayland_sway.sh PATH/TO/tamrix PATH/TO/tst_activation_client
#        (exit 77 = skipped)
set -uo pipefail

TAMRIX=$(realpath "${1:?usage: wayland_sway.sh PATH/TO/tamrix PATH/TO/tst_activation_client}")
[ -n "${2:-}" ] || { echo "SKIP: the launcher stand-in was not built (no Wayland client headers)"; exit 77; }
LAUNCHER=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
for tool in sway swaymsg wtype dbus-daemon dbus-send /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "SKIP: python3-dbus or python3-gi missing"; exit 77; }

if [ "$(id -u)" -eq 0 ]; then
  runuser -u nobody -- test -x "$TAMRIX" -a -x "$LAUNCHER" -a -r "$0" -a -r "$here/sniwatcher.py" ||
    { echo "SKIP: the user nobody cannot reach the program or this script"; exit 77; }
  work=$(mktemp -d)
  chmod 755 "$work"
  chown nobody: "$work"
  runuser -u nobody -- env -i PATH=/usr/bin:/bin HOME="$work" TAMRIX_WORK="$work" "$0" "$TAMRIX" "$LAUNCHER"
  status=$?
  rm -rf "$work"
  exit "$status"
fi

source "$here/xsession.sh"  # wait_until, end_session
source "$here/waylandsession.sh"
make_wayland_work "${TAMRIX_WORK:-}"
# shellcheck disable=SC2034  # read by fail()
fail_logs=("$work/sway.log" "$work/tamrix.log" "$work/tray.log" "$work/launcher.log")
fail_details() {
  grep -oE "(set_minimized|xdg_activation_v1@[0-9]*\.activate|xdg_toplevel@[0-9]*\.(move|configure)\(.*)" "$work/tamrix.log" | tail -8
  echo "--- windows"
  swaymsg -t get_tree | grep -E '"(app_id|name|pid)"'
}

unset DISPLAY QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work/run" XDG_SESSION_TYPE=wayland HOME="$work"

# A private session bus that starts nothing by itself, and the tray on it.
dbus-daemon --config-file="$here/../ui/portal/privatebus.conf" --nofork --print-address=3 3>"$work/bus" &
session_pids=($!)
wait_until 10 test -s "$work/bus" || fail "no session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/bin/python3 "$here/sniwatcher.py" >"$work/tray.log" 2>&1 &
session_pids+=($!)
wait_until 10 grep -qx ready "$work/tray.log" || fail "the tray stand-in did not start"

# An activation with a valid token focuses the window (sway's own default
# only marks it urgent).
printf 'xwayland disable\noutput HEADLESS-1 resolution 1280x1024\nfocus_on_window_activation focus\n' >"$work/sway.conf"
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
session_pids+=($!)
wait_until 10 test -S "$XDG_RUNTIME_DIR/wayland-1" || fail "sway did not start"
export WAYLAND_DISPLAY=wayland-1
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
export SWAYSOCK

# Calculator windows in sway's tree.
windows() { test "$(swaymsg -t get_tree | grep -c '"app_id": "org.tamrix.Tamrix"')" = "$1"; }

printf '[Main]\r\nLeft=123\r\nTop=77\r\nInTray=1\r\nExpression=6*7\r\n' >"$data/Tamrix.ini"
WAYLAND_DEBUG=1 QT_QPA_PLATFORM=wayland QT_LOGGING_RULES="tamrix.move.info=true" "$TAMRIX" --dir "$data/" >"$work/tamrix.log" 2>&1 &
app_pid=$!
session_pids+=("$app_pid")
wait_until 15 windows 1 || fail "no calculator window in sway"

# The process whose window has sway's focus.
focused_pid() {
  swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(n):
    if n.get("focused"): print(n.get("pid")); return True
    return any(walk(c) for c in n.get("nodes", []) + n.get("floating_nodes", []))
walk(json.load(sys.stdin))'
}
focused() { test "$(focused_pid)" = "$1"; }

# The window is the focused one, so --toggle puts it away: into the tray.
# (Until the toolkit has seen the focus, a --toggle activates instead.)
wait_until 10 focused "$app_pid" || fail "the calculator did not get the focus"
for try in 1 2 3; do
  timeout 10 "$TAMRIX" --dir "$data/" --toggle || fail "--toggle ended with $?"
  wait_until 3 windows 0 && break
done
windows 0 || fail "the window did not leave the screen"
wait_until 5 grep -q '^item ' "$work/tray.log" || fail "no tray icon"
echo "ok: into the tray"

# The tray's click.
# An item is a bus name, with its object path or at the customary one.
item=$(grep '^item ' "$work/tray.log" | tail -1 | cut -d' ' -f2)
path=/StatusNotifierItem
case $item in */*) path="/${item#*/}" ;; esac
dbus-send --session --type=method_call --dest="${item%%/*}" "$path" \
  org.kde.StatusNotifierItem.Activate int32:0 int32:0 || fail "the tray icon cannot be clicked"
wait_until 10 windows 1 || fail "the tray icon did not bring the window back"
echo "ok: back from the tray"

# A launcher takes the focus. Without a token the window stays behind, and
# the compositor turns away a token it never issued (here the older
# DESKTOP_STARTUP_ID, made up): the window asks with it but stays behind.
"$LAUNCHER" >"$work/launcher.log" 2>&1 &
launcher_pid=$!
session_pids+=("$launcher_pid")
wait_until 10 focused "$launcher_pid" || fail "the launcher stand-in did not get the focus"
# The calculator hears that it lost the activation: sway, which floats the
# window of fixed size, gives its toplevel a state list without
# "activated", which leaves it empty. A toggle before that would put the
# window away instead of activating it.
deactivated() {
  grep -- 'xdg_toplevel@[0-9]*\.configure(' "$work/tamrix.log" | grep -v -- '->' | tail -1 | grep -q 'array\[0\])$'
}
wait_until 10 deactivated || fail "the calculator was not told that it lost the activation"
timeout 10 "$TAMRIX" --dir "$data/" --toggle || fail "--toggle ended with $?"
wait_until 2 focused "$app_pid" && fail "--toggle without a token took the focus from the launcher"
DESKTOP_STARTUP_ID=e2e-token-42 timeout 10 "$TAMRIX" --dir "$data/" --toggle || fail "--toggle ended with $?"
wait_until 10 grep -q -- '-> xdg_activation_v1@[0-9]*\.activate("e2e-token-42", wl_surface@' "$work/tamrix.log" ||
  fail "the token did not reach the compositor"
wait_until 2 focused "$app_pid" && fail "a made-up token brought the window forward"
echo "ok: --toggle without a token or with a made-up one leaves the focus where it is"

# The headless sway has no keyboard: a typed key lends it one for a moment,
# and the launcher, which holds the focus, gets a token for that focus.
timeout 10 wtype -M shift -s 300 -m shift || fail "no key could be typed"
wait_until 10 grep -q '^token ' "$work/launcher.log" || fail "the launcher got no activation token"
token=$(grep '^token ' "$work/launcher.log" | head -1 | cut -d' ' -f2)
XDG_ACTIVATION_TOKEN=$token timeout 10 "$TAMRIX" --dir "$data/" --toggle || fail "--toggle ended with $?"
wait_until 10 focused "$app_pid" || fail "the launcher's token did not bring the window forward"
echo "ok: --toggle with the launcher's token brings the window forward"

# The window menu from the keyboard (Ctrl+M), its first enabled entry (Move)
# with Enter: the desktop is asked to move the window with the pointer.
# Whether the window then follows the pointer cannot be seen here: sway
# starts such a move only when the request carries the serial of the seat's
# latest pointer button, and this headless seat has no pointer at all
# ("swaymsg seat - cursor" moves a cursor that no program receives).
# Each wtype lends the seat a keyboard of its own and takes it back when it
# ends, which closes an open popup: the menu is opened and used in one run,
# and under load, when the menu opens late and the keys go astray, the whole
# run is tried again with longer pauses, after Esc. Each run also waits
# before its first key: a key pressed before the window has been told that
# the new keyboard entered reaches it only as "already held", never as a
# press.
moved() { grep -q "^tamrix.move: the desktop's move requested" "$work/tamrix.log"; }
for pause in 500 1500 3000; do
  timeout 10 wtype -s "$pause" -M ctrl -k m -m ctrl -s "$pause" -k Down -s 200 -k Return || fail "no key could be typed"
  wait_until 5 moved && break
  timeout 10 wtype -s 300 -k Escape || true
done
moved || fail "Move did not start the desktop's move"
grep -q -- '-> xdg_toplevel@[0-9]*\.move(wl_seat@' "$work/tamrix.log" || fail "the move did not reach the compositor"
echo "ok: the window menu's Move hands the move to the desktop"

# Closing writes the settings, and the stored place stays as it was.
kill -TERM "$app_pid"
wait_until 10 sh -c "! kill -0 $app_pid 2>/dev/null" || fail "SIGTERM did not end the program"
tr -d '\r' <"$data/Tamrix.ini" | grep -qx 'Left=123' || fail "Left was overwritten: $(grep Left "$data/Tamrix.ini")"
tr -d '\r' <"$data/Tamrix.ini" | grep -qx 'Top=77' || fail "Top was overwritten"
tr -d '\r' <"$data/Tamrix.ini" | grep -qx 'VK_Code=123' || fail "the settings were not written"
echo "PASS"
