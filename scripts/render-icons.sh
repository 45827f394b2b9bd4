#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the PNG icons (app/icons/boolean-laws-SIZE.png), which the program
# compiles in and the package installs, and the Windows icon
# (app/icons/boolean-laws.ico, with the small sizes Windows lists programs
# by) from the one drawing app/icons/boolean-laws.svg. Run after changing the
# SVG, and commit what it writes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icons="$root/app/icons"
"$root/scripts/install-missing.sh" librsvg2-bin icoutils
for size in 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "$icons/boolean-laws-$size.png" "$icons/boolean-laws.svg"
done
small=$(mktemp -d)
trap 'rm -rf "$small"' EXIT
for size in 16 24; do
  rsvg-convert --width "$size" --height "$size" --output "$small/boolean-laws-$size.png" "$icons/boolean-laws.svg"
done
# The largest size stays PNG inside the .ico, as Windows Vista and later read it.
icotool --create --output "$icons/boolean-laws.ico" "$small"/boolean-laws-{16,24}.png \
  "$icons"/boolean-laws-{32,48,64,128}.png --raw="$icons/boolean-laws-256.png"
