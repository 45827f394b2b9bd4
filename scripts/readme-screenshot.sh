#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the README's pictures after any change to what the windows show
# (needs xvfb, imagemagick and x11-utils):
# - docs/screenshot.png: the distributive law A v (B ^ C) with A = 0, B = 1, C = 1;
# - docs/truth-table.png: the truth-table window over De Morgan's law, with
#   the student's slip !(A ^ B) = !A ^ !B typed in its place.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p docs
scripts/screenshot.sh docs/screenshot.png 17 0 1 1
# - docs/screenshot-en.png: the same in English (--language en).
SHOW_LANGUAGE=en scripts/screenshot.sh docs/screenshot-en.png 17 0 1 1
scripts/screenshot.sh docs/truth-table.png 5 0 1 0 table '!(A ^ B) = !A ^ !B'
# - docs/check-yourself.png: "check yourself" on the transposition law, some
#   answers right, some wrong, one cell left blank, checked: 12 of 16.
scripts/screenshot.sh docs/check-yourself.png 7 0 0 0 table '' '010101110110d011c'
# - docs/derivation.png: absorption A v (A ^ B) = A derived by hand, two steps
#   taken and the third typed, not yet checked.
scripts/screenshot.sh docs/derivation.png 3 0 0 0 derive 'A ^ 1 v A ^ B|A ^ (1 v B)' 'A ^ 1'
# - docs/exercises.png: the exercise window on a "Закон" step at the medium
#   level, seed 11, its list of laws and mistakes to answer from.
scripts/screenshot.sh docs/exercises.png 1 0 0 0 exercises 4 11
