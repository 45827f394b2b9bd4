#!/usr/bin/env bash
# Writes the installed PNG icons (app/icons/boolean-laws-SIZE.png) from the
# drawing the window itself uses, so that the desktop and the window show
# the same picture. Run after changing app/icon_drawing.cpp (or the SVG
# beside it, which must keep the same shapes).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target render_icons >/dev/null
"$build/tools/render_icons" "$root/app/icons"
