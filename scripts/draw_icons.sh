#!/usr/bin/env bash
# Draws the hicolor PNG icons dist/icons/hicolor/NxN/apps/giornaro.png from
# dist/icons/giornaro.svg (committed; run again after changing the drawing).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh icons
for size in 16 22 24 32 48 64 128 256; do
  folder=dist/icons/hicolor/${size}x${size}/apps
  mkdir -p "$folder"
  rsvg-convert -w "$size" -h "$size" dist/icons/giornaro.svg -o "$folder/giornaro.png"
done
