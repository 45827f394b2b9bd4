#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshot of the real window under Xvfb (needs xvfb, imagemagick and
# x11-utils):
#   scripts/screenshot.sh OUT.png [ROW A B C]
#   scripts/screenshot.sh OUT.png ROW A B C table [FORMULA]
#   scripts/screenshot.sh OUT.png ROW A B C kmap [FORMULA [KEYS]]
#   scripts/screenshot.sh OUT.png ROW A B C derive [STEPS [LAST]]
#   scripts/screenshot.sh OUT.png ROW A B C exercises [KIND [SEED]]
# The second form shoots the truth-table window alone, opened beside the main
# window (with FORMULA typed over the law's, when given); the third the
# Karnaugh-map window, with groups drawn by KEYS (see tools/show_window.cpp);
# the fourth the derivation window, with STEPS (between "|") checked and LAST
# typed; the fifth the exercise window at the medium level, KIND 0 to 5 as
# its list has them.
# SHOW_LANGUAGE=en before the command shoots the windows in English.
# It builds in build/ (BUILD_DIR=... for another folder), with the tests and
# the developer tools on.
set -euo pipefail
out=$(realpath -m "$1")
shift
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${BUILD_DIR:-$root/build}")
cmake -S "$root" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target show_window >/dev/null
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  out=$1
  shift
  "$@" &
  app=$!
  sleep 2
  if [ "${6:-}" = table ] || [ "${6:-}" = kmap ] || [ "${6:-}" = derive ] || [ "${6:-}" = exercises ]; then
    case "${SHOW_LANGUAGE:-bg}-$6" in
      en-table) title="Truth table" ;;
      en-kmap) title="Karnaugh map" ;;
      en-derive) title="Derivation" ;;
      en-exercises) title="Exercises" ;;
      *-exercises) title="Упражнения" ;;
      *-table) title="Таблица на истинност" ;;
      *-kmap) title="Карта на Карно" ;;
      *) title="Извеждане" ;;
    esac
    id=$(xwininfo -root -tree | awk -v t="\"$title" "index(\$0, t) { print \$1; exit }")
    import -window "$id" "$out"
  else
    import -window root -crop 572x405+0+0 +repage "$out"
  fi
  kill $app' _ "$out" "$build/tools/show_window" "$@"
