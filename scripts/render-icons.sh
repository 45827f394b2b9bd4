#!/usr/bin/env bash
# Renders the PNG icons from app/icons/boolean-laws.svg (needs imagemagick).
set -euo pipefail
cd "$(dirname "$0")/../app/icons"
for size in 32 48 64 128 256; do
  convert -background none -density $((96 * size / 32)) boolean-laws.svg -resize "${size}x${size}" \
    "PNG32:boolean-laws-${size}.png"
done
