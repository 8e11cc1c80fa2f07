#!/usr/bin/env bash
# Renders the PNG icons (48, 128 and 256 pixels) and the Windows icon
# data/icons/taketa.ico (16 to 256 pixels, the 256 one as PNG) from
# data/icons/taketa.svg. They are committed; run this after changing the
# drawing. Needs rsvg-convert and icotool (scripts/setup.sh package).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 48 128 256; do
  rsvg-convert --width="$size" --height="$size" --format=png \
    --output="data/icons/taketa-$size.png" data/icons/taketa.svg
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for size in 16 24 32 48 64 256; do
  rsvg-convert --width="$size" --height="$size" --format=png \
    --output="$scratch/$size.png" data/icons/taketa.svg
done
icotool --create --output=data/icons/taketa.ico "$scratch"/{16,24,32,48,64}.png \
  --raw="$scratch/256.png"
