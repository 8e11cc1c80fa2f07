#!/usr/bin/env bash
# Installs what building, running and testing Taketa need, on Debian 12 as
# root. Installs nothing when everything is there already.
set -euo pipefail

packages=(
  g++ cmake ninja-build           # the build
  qt6-base-dev libgl-dev          # Qt 6 Widgets and Test
  libgtest-dev                    # GoogleTest
  fonts-ipafont-gothic            # a Japanese font for the windows
  xvfb xauth                      # a screen for looking at the windows without a desktop
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
