# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the Wayland scripts share; sourced, not run, after xsession.sh (for
# wait_until and end_session). The script lists the logs a failure shows in
# fail_logs and may define fail_details for more of its own.

fail_logs=()

# The work folder: $work (the one given, else a new one), the program's
# data folder $data in it and a runtime folder only the user can enter, as
# a desktop gives it; all removed when the script ends.
make_wayland_work() {
  work=${1:-$(mktemp -d)}
  data="$work/data"
  mkdir -p "$data" "$work/run"
  chmod 700 "$work/run"
  trap end_session EXIT
}

# Says what failed, shows the end of each log without the lines of the
# protocol trace ("[time] ..."), then what fail_details adds, and ends.
fail() {
  echo "FAIL: $*"
  local f
  for f in "${fail_logs[@]}"; do
    [ -f "$f" ] && { echo "--- $f"; grep -v '^\[[0-9. ]*\] ' "$f" | tail -20; }
  done
  if declare -F fail_details >/dev/null; then fail_details; fi
  exit 1
}
