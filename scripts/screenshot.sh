#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshot of the real window under Xvfb (needs xvfb and imagemagick):
#   scripts/screenshot.sh OUT.png [ROW A B C]
# It builds in build/ (BUILD_DIR=... for another folder), with the tests and
# the developer tools on.
set -euo pipefail
out=$(realpath -m "$1")
shift
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${BUILD_DIR:-$root/build}")
cmake -S "$root" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target show_window >/dev/null
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  "$0" "$@" &
  app=$!
  sleep 2
  import -window root -crop 572x405+0+0 +repage "'"$out"'"
  kill $app' "$build/tools/show_window" "$@"
