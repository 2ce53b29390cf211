#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the calculator.
# Extra arguments go to the program (for example --eval "2+2").
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build
scripts/build.sh build >/dev/null
exec ./build/tamrix "$@"
