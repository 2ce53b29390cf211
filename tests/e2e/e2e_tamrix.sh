#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the real calculator on an X display with a window
# manager and a notification area (icewm): type an expression, read the
# result back through the copy button and the clipboard, store it, close,
# check the files written; then toggle the window with the global hot key,
# change that key in the settings dialog, and move and widen the window
# without caption bar with the mouse; check the window icon; store and close
# over a read-only data folder; end the program with SIGTERM; kill it with
# SIGKILL and find the stored entries in the history all the same.
#
# Usage: e2e_tamrix.sh PATH/TO/tamrix [PATH/TO/libtamrix_faultshim.so]
#        (under xvfb-run; exit 77 = skipped)
set -uo pipefail
source "$(dirname "$0")/xsession.sh"

TAMRIX=${1:?usage: e2e_tamrix.sh PATH/TO/tamrix [PATH/TO/faultshim]}
FAULTSHIM=${2:-}
require_x_session xdotool xclip xprop xwininfo icewm python3

work=$(mktemp -d)
data="$work/data"
mkdir -p "$data"
app_pid=""
trap end_session EXIT

fail() {
  echo "FAIL: $*"
  show_windows
  for f in "$data"/Tamrix.ini "$data"/Tamrix.his "$work"/tamrix.log; do
    [ -f "$f" ] && { echo "--- $f"; tr -d '\r' < "$f"; }
  done
  exit 1
}

# --- the desktop: a window manager with its tray.
start_window_manager

# --- the program (arguments: VARIABLE=VALUE settings for its environment).
start_tamrix() {
  env "$@" "$TAMRIX" --dir "$data/" >>"$work/tamrix.log" 2>&1 &
  app_pid=$!
  session_pids=("$app_pid")
  wait_until 15 has_tamrix_window "$app_pid" || fail "the main window did not appear"
  wid=$(tamrix_window "$app_pid")
  activate
}

# The window the window manager has made the active one is $1.
is_active() { [ "$(xdo getactivewindow 2>/dev/null)" = "$1" ]; }
activate() {
  xdo windowactivate --sync "$wid" >/dev/null
  wait_until 5 is_active "$wid" || fail "could not activate the window"
}

window_width() {
  local WIDTH=0
  eval "$(xdo getwindowgeometry --shell "$wid")"
  echo "$WIDTH"
}

# Clicks the 24-pixel button whose top-left corner is at (x, y) in the window.
# Whoever clicks waits for what the button does; the events of the keys and
# clicks that follow are queued behind it.
click() {
  xdo mousemove --window "$wid" $(($1 + 12)) $(($2 + 12)) click 1
}
click_copy() { click 66 2; }
click_store() { click $(($(window_width) - 26)) 32; }
click_close() { click $(($(window_width) - 26)) 2; }

# Presses the copy button and waits for the clipboard to hold the expected
# text; presses again a few times while the result may still be on its way.
expect_result() {
  local want=$1 got="" try
  holds_result() {
    got=$(xclip -o -selection clipboard 2>/dev/null)
    [ "$got" = "$want" ]
  }
  for try in 1 2 3 4 5; do
    click_copy
    wait_until 1 holds_result && return 0
  done
  fail "result: expected '$want', clipboard has '$got'"
}

exited() { ! kill -0 "$app_pid" 2>/dev/null; }
# Waits for the program to end with status 0; $1 says what ended it.
expect_exit() {
  wait_until 10 exited || fail "the program did not end after $1"
  wait "$app_pid"
  local status=$?
  app_pid=""
  session_pids=()
  [ "$status" -eq 0 ] || fail "the program ended with status $status after $1"
}
stop_tamrix() {
  click_close
  expect_exit "the close button"
}

# Minimised: unmapped (in the tray, or iconic) or marked hidden by the window
# manager. Both tests fail when the server could not be asked.
window_state() {
  local info wm_state
  info=$(xwininfo -id "$wid" 2>/dev/null) || return 1
  wm_state=$(xprop -id "$wid" _NET_WM_STATE 2>/dev/null) || return 1
  if grep -q 'Map State: IsViewable' <<<"$info" && ! grep -q HIDDEN <<<"$wm_state"; then
    echo shown
  else
    echo minimised
  fi
}
minimised() { [ "$(window_state)" = minimised ]; }
shown() { [ "$(window_state)" = shown ]; }

ini_value() {  # section key
  tr -d '\r' < "$data/Tamrix.ini" | awk -F= -v s="[$1]" -v k="$2" \
    '$0 == s {in_s = 1; next} /^\[/ {in_s = 0} in_s && $1 == k {print substr($0, length(k) + 2); exit}'
}

# --- first run: typing, copying, storing, closing.
# General decimal format in the first field, so the clipboard text is plain.
printf '[Main]\r\nOutStr1=2\r\nLeft=100\r\nTop=100\r\n' > "$data/Tamrix.ini"
printf '1+1\r\nsqrt(16)\r\n' > "$data/Tamrix.his"

start_tamrix
xdo type --delay 40 '2+3*4'
expect_result 14
xdo type --delay 40 '/0'
expect_result 'Деление на нуль'
xdo key BackSpace BackSpace
expect_result 14
click_store
stop_tamrix
echo "ok: typed, copied and closed"

[ -f "$data/Tamrix.ini" ] || fail "Tamrix.ini was not written"
[ "$(ini_value Main Expression)" = '2+3*4' ] || fail "Expression not saved"
[ "$(ini_value Main OutStr1)" = 2 ] || fail "OutStr1 not kept"
[ "$(ini_value Main VK_Code)" = 123 ] || fail "VK_Code not written"
[ "$(ini_value Main fsModifiers)" = 2 ] || fail "fsModifiers not written"
[ "$(ini_value Main ErrorOn)" = 1 ] || fail "ErrorOn not written"
[ "$(ini_value Parser NDigit)" = 18 ] || fail "NDigit not written"
[ "$(ini_value Parser DecimalSeparator)" = . ] || fail "DecimalSeparator not written"
history=$(tr -d '\r' < "$data/Tamrix.his" | paste -sd '|')
[ "$history" = '2+3*4|1+1|sqrt(16)' ] || fail "history is '$history'"
grep -q $'\r$' "$data/Tamrix.his" || fail "history lines do not end in CR LF"
echo "ok: Tamrix.ini and Tamrix.his written"

# --- second run: the expression comes back; the hot key puts the window
# into the notification area and brings it back.
start_tamrix
expect_result 14
xdo key ctrl+F12
wait_until 5 minimised || fail "the hot key did not minimise the active window"
# In the tray: the program's only visible window is its icon there.
tray_icon() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    [ "$w" != "$wid" ] && return 0
  done
  return 1
}
wait_until 5 tray_icon || fail "no tray icon while the program is minimised into the tray"
xdo key ctrl+F12
wait_until 5 shown || fail "the hot key did not bring the window back from the tray"
active() { [ "$(xdo getactivewindow)" = "$wid" ]; }
wait_until 5 active || fail "the window came back but is not active"
echo "ok: hot key with the tray"
stop_tamrix

# --- always on top keeps the caret and survives a trip to the tray. Another
# program's window (xmessage) takes the activation and is raised over ours.
other_pid=""
start_other() {
  xmessage -geometry 300x200+90+90 'another program' >/dev/null 2>&1 &
  other_pid=$!
  session_pids+=("$other_pid")
  # xmessage does not name its process on its window; its class names it.
  other_window() { xdotool search --onlyvisible --class Xmessage 2>/dev/null | head -1; }
  wait_until 10 eval '[ -n "$(other_window)" ]' || fail "xmessage did not open"
  other=$(other_window)
}
# Frame windows bottom to top, as the window manager stacks them.
above_other() {
  local stacking ours theirs i=0 w
  stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  for w in $stacking; do
    i=$((i + 1))
    [ $((w)) -eq $((wid)) ] && ours=$i
    [ $((w)) -eq $((other)) ] && theirs=$i
  done
  [ -n "${ours:-}" ] && [ -n "${theirs:-}" ] && [ "$ours" -gt "$theirs" ]
}
on_top_state() { xprop -id "$wid" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
# The pin, and a wait until the window manager has the window's new state;
# the window may be given a new native window by it.
toggle_on_top() {
  local before=0
  on_top_state && before=1
  click 34 2
  flipped() {
    local now=0
    wid=$(tamrix_window "$app_pid")
    [ -n "$wid" ] || return 1
    on_top_state && now=1
    [ "$now" != "$before" ]
  }
  wait_until 5 flipped || fail "the pin did not change always on top"
}
start_tamrix
start_other
activate
xdo key Escape
xdo type --delay 40 '12*3'
toggle_on_top                   # always on top
xdo type --delay 40 '+4'
xdo windowactivate --sync "$other" >/dev/null
let_focus_loss_settle
activate
xdo type --delay 40 '5'
expect_result 81                # 12*3+45, never 12*35+4
wait_until 5 on_top_state || fail "always on top is not set on the window"
echo "ok: the caret stays where the typing left it across always on top"
xdo key ctrl+F12
wait_until 5 minimised || fail "the hot key did not minimise the window on top"
wait_until 5 tray_icon || fail "no tray icon while the window on top is in the tray"
xdo key ctrl+F12
# The window manager may be given a new native window for the one on top.
back_again() { wid=$(tamrix_window "$app_pid"); [ -n "$wid" ] && shown; }
wait_until 5 back_again || fail "the hot key did not bring the window on top back"
# Raised first: the window manager handles the raise before the activation
# that --sync waits for, so the stacking checked below is its answer to both.
xdo windowraise "$other"
xdo windowactivate --sync "$other" >/dev/null
wait_until 5 on_top_state || fail "after the tray the window is no longer marked on top"
wait_until 5 above_other || fail "after the tray another window covers the window on top"
activate
toggle_on_top                   # back off, for the runs below
wait_until 5 eval '! on_top_state' || fail "always on top did not switch off"
stop_tamrix
kill "$other_pid" 2>/dev/null
echo "ok: always on top comes back from the tray"

# --- third run, without the tray: an ordinary minimise, and back.
sed -i 's/^InTray=1/InTray=0/' "$data/Tamrix.ini"
[ "$(ini_value Main InTray)" = 0 ] || fail "could not switch InTray off"
start_tamrix
xdo key ctrl+F12
wait_until 5 minimised || fail "the hot key did not minimise the window (no tray)"
# An icon would come at once; a second without one is proof enough.
wait_until 1 tray_icon && fail "a tray icon although InTray is off"
xdo key ctrl+F12
wait_until 5 shown || fail "the hot key did not restore the minimised window"
echo "ok: hot key without the tray"
stop_tamrix

# --- fourth run: a new hot key chosen in the settings dialog works at once
# and is written at closing.
start_tamrix
xdo key F7
options_window() { xdotool search --all --onlyvisible --pid "$app_pid" --name '^Настройки$' 2>/dev/null | tail -1; }
has_options_window() { [ -n "$(options_window)" ]; }
wait_until 5 has_options_window || fail "F7 did not open the settings dialog"
dialog=$(options_window)
xdo windowactivate --sync "$dialog" >/dev/null
wait_until 5 is_active "$dialog" || fail "could not activate the settings dialog"
# The first control has the focus; the key field is the eighth stop
# (three switches, two counters, the separator pair, the modifier list).
xdo key --delay 60 Tab Tab Tab Tab Tab Tab Tab F11
# OK, 128 and 19 pixels from the dialog's bottom-right corner. The dialog's
# window may have been made anew by now (it stays above the main window), and
# only xwininfo tells where the window manager put its client area.
dialog=$(options_window)
eval "$(xwininfo -id "$dialog" | awk '/Absolute upper-left X/ {print "AX=" $4}
  /Absolute upper-left Y/ {print "AY=" $4} /Width:/ {print "W=" $2} /Height:/ {print "H=" $2}')"
xdo mousemove $((AX + W - 128)) $((AY + H - 19)) click 1
closed() { ! has_options_window; }
wait_until 5 closed || fail "OK did not close the settings dialog"
activate
xdo key ctrl+F11
wait_until 5 minimised || fail "the new hot key Control+F11 did not minimise the window"
xdo key ctrl+F11
wait_until 5 shown || fail "the new hot key did not restore the window"
stop_tamrix
[ "$(ini_value Main VK_Code)" = 122 ] || fail "the new key (F11, 122) was not written"
[ "$(ini_value Main fsModifiers)" = 2 ] || fail "fsModifiers changed"
echo "ok: hot key changed in the settings dialog"

# --- fifth run: the window without caption bar is moved by a press on its
# background, widened by its right border, and its height stays.
window_geometry() {  # prints X Y WIDTH HEIGHT of the client area on the screen
  xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}
# Presses the left button at (x, y) in the window, moves the pointer by
# (dx, dy) in small steps, as a hand would, and lets go. The pauses are the
# hand's pace: a press held before it moves, and motion spread over time,
# not a jump the toolkit could merge into one event. What the drag did is
# waited for by the caller.
drag() {
  local x=$1 y=$2 dx=$3 dy=$4 i
  xdo mousemove --window "$wid" "$x" "$y" mousedown 1
  sleep 0.3
  for i in 1 2 3 4 5; do
    xdo mousemove_relative -- $((dx / 5)) $((dy / 5))
    sleep 0.1
  done
  xdo mouseup 1
}
start_tamrix
read -r x0 y0 w0 h0 <<<"$(window_geometry)"
# Between the last button of the left group (ends at 258) and the help
# button (78 pixels from the right edge) lies the panel's background.
drag 285 14 60 40
moved_by() {
  local x y w h
  read -r x y w h <<<"$(window_geometry)"
  [ $((x - x0)) -eq "$1" ] && [ $((y - y0)) -eq "$2" ] && [ "$w" -eq "$w0" ] && [ "$h" -eq "$h0" ]
}
wait_until 5 moved_by 60 40 || fail "dragging the background did not move the window by 60, 40 ($x0 $y0 $w0 $h0 -> $(window_geometry))"
read -r x0 y0 w0 h0 <<<"$(window_geometry)"
drag $((w0 - 2)) 14 80 30
widened_by() {
  local x y w h
  read -r x y w h <<<"$(window_geometry)"
  [ "$x" -eq "$x0" ] && [ "$y" -eq "$y0" ] && [ $((w - w0)) -eq "$1" ] && [ "$h" -eq "$h0" ]
}
wait_until 5 widened_by 80 || fail "the right border did not widen the window by 80 alone ($x0 $y0 $w0 $h0 -> $(window_geometry))"
stop_tamrix
[ "$(ini_value Main Width)" = $((w0 + 80)) ] || fail "the new width was not written ($(ini_value Main Width))"
echo "ok: moved by the background, widened by the border"

# --- the window carries the program icon in the sizes a taskbar and a
# window switcher ask for, not the window manager's generic one.
start_tamrix
icons=$(xprop -id "$wid" _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)' | paste -sd ' ')
for size in 16 32 48; do
  [[ " $icons" == *"Icon ($size x $size)"* ]] || fail "no $size-pixel window icon (_NET_WM_ICON: ${icons:-none})"
done
stop_tamrix
echo "ok: the window icon"

# --- the entry editor stays where it was, opened and closed ten times, and
# across a restart (its place is saved and restored as the same corner).
named_window() { xdotool search --all --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null | tail -1; }
client_corner() {  # X Y of a window's client area on the screen
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'
}
# The window manager has put its frame around window $1.
framed() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }
editor_corners=()
open_editor() {  # how many times
  local catalogue editor i
  xdo key F5
  wait_until 5 named_window 'Функции и константы' >/dev/null || fail "F5 did not open the catalogue"
  catalogue=$(named_window 'Функции и константы')
  xdo windowactivate --sync "$catalogue" >/dev/null
  xdo key ctrl+Tab  # the constants page, where entries are added
  for ((i = 1; i <= $1; i++)); do
    xdo mousemove --window "$catalogue" 15 15 click 1
    wait_until 5 named_window 'Добавить константу' >/dev/null || fail "the add button did not open the editor ($i)"
    editor=$(named_window 'Добавить константу')
    wait_until 5 framed "$editor" || fail "the window manager did not frame the editor ($i)"
    editor_corners+=("$(client_corner "$editor")")
    xdo windowactivate --sync "$editor" >/dev/null
    xdo key Escape
    wait_until 5 eval '[ -z "$(named_window "Добавить константу")" ]' || fail "Esc did not close the editor ($i)"
  done
}
start_tamrix
open_editor 10
stop_tamrix
start_tamrix
open_editor 1
stop_tamrix
first=${editor_corners[0]}
for corner in "${editor_corners[@]}"; do
  [ "$corner" = "$first" ] || fail "the editor moved: $(printf '(%s) ' "${editor_corners[@]}")"
done
echo "ok: the entry editor stays in its place"

# --- sixth run: every write into the data folder fails. Closing shows the
# failure and asks whether to close without saving: No (Esc) keeps the
# window, Yes (Enter, the default) ends the program, the files untouched.
box_window() {  # a visible window of the program named $1, other than the main one
  local w
  for w in $(xdotool search --all --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null); do
    [ "$w" != "$wid" ] && { echo "$w"; return 0; }
  done
  return 1
}
answer_box() {  # name key: presses key in the program's box of that name
  local box
  wait_until 5 box_window "$1" >/dev/null || fail "no box '$1'"
  box=$(box_window "$1")
  xdo windowactivate --sync "$box" >/dev/null
  wait_until 5 is_active "$box" || fail "could not activate the box '$1'"
  xdo key "$2"
  wait_until 5 eval '! xwininfo -id "$box" 2>/dev/null | grep -q IsViewable' || fail "the box '$1' stayed open"
}
if [ -n "$FAULTSHIM" ]; then
  before=$(cat "$data/Tamrix.ini" "$data/Tamrix.his" | md5sum)
  # (An AddressSanitizer build wants its runtime first; the shim comes first here.)
  start_tamrix LD_PRELOAD="$FAULTSHIM" TAMRIX_FAULT=readonly TAMRIX_FAULT_PATH="$data/" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0"
  xdo type --delay 40 '+1'
  click_store
  answer_box Tamrix Return             # "Cannot create file ...", at the first failing store
  activate
  click_store
  wait_until 1 box_window Tamrix >/dev/null && fail "the second failing store was reported again"
  click_close
  answer_box Tamrix Return             # "Cannot create file ..."
  answer_box 'Подтвердите' Escape      # No
  # Nothing ends the program now: a second is long enough to see it would.
  wait_until 1 exited && fail "No ended the program"
  shown || fail "No did not keep the window open"
  activate
  click_close
  answer_box Tamrix Return
  answer_box 'Подтвердите' Return      # Yes
  expect_exit "Yes to closing without saving"
  [ "$(cat "$data/Tamrix.ini" "$data/Tamrix.his" | md5sum)" = "$before" ] || fail "the read-only files changed"
  echo "ok: a read-only folder asks, No stays, Yes closes without saving"
else
  echo "SKIP: no fault shim given, read-only folder not tried"
fi

# --- seventh run: SIGTERM runs the closing writes, without the question
# that CloseQuery asks at an ordinary close.
sed -i 's/^CloseQuery=0/CloseQuery=1/' "$data/Tamrix.ini"
[ "$(ini_value Main CloseQuery)" = 1 ] || fail "could not switch CloseQuery on"
start_tamrix
xdo key Escape
xdo type --delay 40 '6*7'
expect_result 42
click_store
kill -TERM "$app_pid"
expect_exit SIGTERM
[ "$(ini_value Main Expression)" = '6*7' ] || fail "SIGTERM: Expression is '$(ini_value Main Expression)'"
[ "$(tr -d '\r' < "$data/Tamrix.his" | head -1)" = '6*7' ] || fail "SIGTERM: the history was not written"
echo "ok: SIGTERM wrote Tamrix.ini and Tamrix.his"

# --- eighth run: SIGKILL runs no closing at all, yet what was stored is in
# the history. The copy button's click is handled after the store's (and
# the store key's), so the result in the clipboard says the store is done.
earlier=$(tr -d '\r' < "$data/Tamrix.his" | paste -sd '|')
start_tamrix
xdo key Escape
xdo type --delay 40 '7*8'
click_store
expect_result 56
xdo key Escape
xdo type --delay 40 '9-2'
xdo key ctrl+s
expect_result 7
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null
app_pid=""
session_pids=()
history=$(tr -d '\r' < "$data/Tamrix.his" | paste -sd '|')
[ "$history" = "9-2|7*8|$earlier" ] || fail "SIGKILL: the history is '$history', not '9-2|7*8|$earlier'"
echo "ok: the stored entries survive SIGKILL"
echo "PASS"
