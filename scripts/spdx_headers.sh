#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The licence line at the top of every source file: C++ sources and headers
# get "// SPDX-License-Identifier: GPL-3.0-or-later" as their first line;
# shell scripts (also those without an extension) and CMake files get it as
# "# ..." after the "#!" line, if any. Files that have it are left alone, so
# running it again after a merge only adds what is missing.
#
# Usage: spdx_headers.sh [--check] [SOURCE_DIR]
#   --check  change nothing; list the files without the line, exit 1 if any
set -euo pipefail
check=no
if [ "${1:-}" = --check ]; then check=yes; shift; fi
root=${1:-$(dirname "$0")/..}
cd "$root"

tag='SPDX-License-Identifier: GPL-3.0-or-later'

# Tracked and new files alike (not ignored ones such as build folders); a
# tree without git is searched, build folders left out.
list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard
  else
    find . -path './build*' -prune -o -path ./.git -prune -o -type f -printf '%P\0'
  fi
}

starts_with_shebang() { [ "$(head -c 2 "$1" | tr -d '\000')" = '#!' ]; }

# The comment mark of a source file, or nothing for any other file.
comment_of() {
  case "$1" in
    *.cpp | *.h) echo '//' ;;
    *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt) echo '#' ;;
    *) if starts_with_shebang "$1"; then echo '#'; fi ;;
  esac
}

# In one function, read whole before it runs: the script may rewrite itself.
main() {
missing=0
while IFS= read -r -d '' f; do
  [ -f "$f" ] || continue
  mark=$(comment_of "$f")
  [ -n "$mark" ] || continue
  head -n 2 "$f" | grep -qF "$tag" && continue
  if [ "$check" = yes ]; then
    echo "no licence line: $f"
    missing=1
    continue
  fi
  tmp=$(mktemp)
  if starts_with_shebang "$f"; then
    { head -n 1 "$f"; echo "$mark $tag"; tail -n +2 "$f"; } >"$tmp"
  else
    { echo "$mark $tag"; cat "$f"; } >"$tmp"
  fi
  cat "$tmp" >"$f"  # keeps the file's mode (scripts stay executable)
  rm -f "$tmp"
done < <(list_files)
return "$missing"
}

main; exit $?
