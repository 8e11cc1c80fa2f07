#!/usr/bin/env bash
# Renders the PNG icons (48, 128 and 256 pixels) from data/icons/taketa.svg.
# They are committed; run this after changing the drawing. Needs
# rsvg-convert (scripts/setup.sh package).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 48 128 256; do
  rsvg-convert --width="$size" --height="$size" --format=png \
    --output="data/icons/taketa-$size.png" data/icons/taketa.svg
done
