#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time to the window shown (median of RUNS starts, with the processor
# time used until then), resident memory after start, and key press to new
# result on screen, measured on a private Xvfb display without a window
# manager. Wall-clock figures grow with the machine's load; compare them on
# an idle machine, or compare the processor times.
#
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]     (default: build, 20)
# Needs xvfb-run, a C++ compiler and libx11-dev; the key presses use the
# XTEST extension (libXtst.so.6) loaded at run time.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${2:-20}
[ -x "$build/tamrix" ] || { echo "no $build/tamrix: build it first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
c++ -std=c++20 -O2 -Wall -Wextra -o "$work/xprobe" "$here/xprobe/xprobe.cpp" -lX11 -ldl

# A data folder with an expression to edit: the key presses append a digit
# and take it away again, so every press gives a new result.
mkdir -p "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
printf '[Main]\r\nOutStr1=2\r\nExpression=sin(30)*2+1/sqrt(2*Pi)\r\nLeft=0\r\nTop=0\r\n' > "$work/data/Tamrix.ini"

xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$work/xprobe" --runs "$runs" --keys 40 -- "$build/tamrix" --dir "$work/data/"
