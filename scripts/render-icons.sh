#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the PNG icons (app/icons/boolean-laws-SIZE.png), which the program
# compiles in and the package installs, from the one drawing
# app/icons/boolean-laws.svg. Run after changing the SVG, and commit the PNGs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-missing.sh" librsvg2-bin
for size in 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "$root/app/icons/boolean-laws-$size.png" \
    "$root/app/icons/boolean-laws.svg"
done
