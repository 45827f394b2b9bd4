#!/usr/bin/env bash
# Screenshot of the real window under Xvfb (needs xvfb and imagemagick):
#   scripts/screenshot.sh OUT.png [ROW A B C]
set -euo pipefail
out=$(realpath -m "$1")
shift
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$root/build" --target show_window >/dev/null
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  "$0" "$@" &
  app=$!
  sleep 2
  import -window root -crop 572x405+0+0 +repage "'"$out"'"
  kill $app' "$root/build/tools/show_window" "$@"
