#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates docs/screenshot.png, the README's picture of the window, after
# any change to what the window shows (needs xvfb and imagemagick): the
# distributive law A v (B ^ C) with A = 0, B = 1, C = 1.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p docs
scripts/screenshot.sh docs/screenshot.png 17 0 1 1
