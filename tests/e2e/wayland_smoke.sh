#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Smoke test on a headless Wayland compositor (weston): the calculator starts
# as a native Wayland client without a single warning, says once and quietly
# that this desktop has no global hot key, "tamrix --toggle" reaches the
# running calculator instead of starting another, and SIGTERM writes
# "Tamrix.his" and "Tamrix.ini".
#
# The headless compositor has no seat, so the window never holds the
# keyboard: --toggle therefore always takes its "activate" branch there.
#
# Usage: wayland_smoke.sh PATH/TO/tamrix   (exit 77 = skipped)
set -uo pipefail

TAMRIX=${1:?usage: wayland_smoke.sh PATH/TO/tamrix}
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
  { echo "SKIP: qt6-wayland is not installed"; exit 77; }

source "$(dirname "$0")/xsession.sh"  # wait_until, end_session
source "$(dirname "$0")/waylandsession.sh"
make_wayland_work ""  # a new folder
# shellcheck disable=SC2034  # read by fail()
fail_logs=("$work/weston.log" "$work/tamrix.log")

# A Wayland session as a desktop gives it, without any X display.
unset DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=tamrix-smoke XDG_SESSION_TYPE=wayland
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  --log="$work/weston.log" >/dev/null 2>&1 &
session_pids=($!)
wait_until 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"

# The program's requests to the compositor go to its standard error as
# "[time] -> interface@id.request(...)" lines; everything else there is
# something the program or the toolkit had to say.
printf '[Main]\r\nCloseQuery=1\r\nExpression=6*7\r\n' >"$data/Tamrix.ini"
WAYLAND_DEBUG=1 "$TAMRIX" --dir "$data/" >"$work/tamrix.log" 2>&1 &
app_pid=$!
session_pids+=("$app_pid")
mapped() { grep -q -- '-> xdg_toplevel@[0-9]*\.set_title("Tamrix")' "$work/tamrix.log"; }
wait_until 15 mapped || fail "no Wayland window titled Tamrix"
said() { grep -v '^\[[0-9. ]*\] ' "$work/tamrix.log"; }
# Its one line comes once it has tried to grab the key, after the window.
told() { said | grep -q 'no global hot key'; }
wait_until 10 told || fail "the program did not say that there is no global hot key: $(said)"
[ "$(said)" = "tamrix: no global hot key on this desktop (wayland); bind 'tamrix --toggle' to a key" ] ||
  fail "the program said more (or less) than the one line about the hot key: $(said)"
echo "ok: native on Wayland, the missing global key said in one line"

# --toggle is answered by the running calculator and ends at once.
for i in 1 2; do
  timeout 10 "$TAMRIX" --dir "$data/" --toggle >"$work/toggle.log" 2>&1 || fail "--toggle #$i ended with $?"
  [ ! -s "$work/toggle.log" ] || fail "--toggle #$i said: $(cat "$work/toggle.log")"
done
kill -0 "$app_pid" 2>/dev/null || fail "the calculator ended on --toggle"
echo "ok: --toggle reaches the running calculator"

# SIGTERM: the closing writes, without the question CloseQuery asks.
kill -TERM "$app_pid"
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_until 10 ended || fail "SIGTERM did not end the program"
wait "$app_pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status on SIGTERM"
[ -f "$data/Tamrix.his" ] || fail "SIGTERM did not write Tamrix.his"
tr -d '\r' <"$data/Tamrix.ini" | grep -qx 'VK_Code=123' || fail "SIGTERM did not write Tamrix.ini"
tr -d '\r' <"$data/Tamrix.ini" | grep -qx 'Expression=6\*7' || fail "the expression was not kept"
echo "PASS"
